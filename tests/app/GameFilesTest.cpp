// The game window's whole games: PGN files opened and saved through the
// handlers' own functions, the choice among a file's games, FEN through the
// clipboard, the move list in algebraic notation, the autosave written,
// removed, restored and set aside, and the score sheet printed to PDF.
#include "app/GameFiles.h"
#include "AppTestSupport.h"
#include "app/Autosave.h"
#include "app/GameRecord.h"
#include "app/MoveListBox.h"
#include "app/PgnFileIndex.h"
#include "app/ScoreSheet.h"
#include "app/Unit2.h"
#include "board/ChessBoard.h"
#include "enginehelp/GameReview.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

namespace {

using Move = std::pair<Square, Square>;

void Play(TForm2& form, std::initializer_list<Move> moves)
{
    for (const auto& [from, to] : moves)
        ASSERT_TRUE(form.ChessBoard1->MakeMove(from, to)) << SquareName(from) << SquareName(to);
    PumpFor(20);
}

QStringList BoardLines(const TForm2& form)
{
    std::vector<std::string> list;
    form.ChessBoard1->GetMoveList(list);
    QStringList lines;
    for (const std::string& line : list)
        lines.append(QString::fromStdString(line));
    return lines;
}

QByteArray ReadFile(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// 1. e4 e5 2. Nf3 Nc6 3. Bc4 Bc5 4. O-O Nf6
const std::initializer_list<Move> Italian = {
    {Square::E2, Square::E4}, {Square::E7, Square::E5}, {Square::G1, Square::F3}, {Square::B8, Square::C6},
    {Square::F1, Square::C4}, {Square::F8, Square::C5}, {Square::E1, Square::G1}, {Square::G8, Square::F6}};

class GameFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        RemoveAutosave();
    }
    CapturedBoxes boxes;
    QTemporaryDir dir;
};

} // namespace

TEST_F(GameFiles, AGameGoesThroughAFileAndComesBackWithItsPlayers)
{
    const QString file = dir.filePath("italiana.pgn");
    std::string savedPosition;
    {
        TForm2 form(nullptr, true);
        form.Computador2->setChecked(true); // the computer plays White too
        form.Difcil1->trigger();            // level 3
        Play(form, Italian);
        savedPosition = form.ChessBoard1->Position();
        form.GameFiles->SaveGame(file);
    }
    const QString text = QString::fromUtf8(ReadFile(file));
    EXPECT_TRUE(text.contains("[WhiteType \"program\"]")) << text.toStdString();
    EXPECT_TRUE(text.contains("[BlackType \"program\"]"));
    EXPECT_TRUE(text.contains("[KestravinLevel \"3\"]"));
    EXPECT_TRUE(text.contains("1. e4 e5 2. Nf3 Nc6 3. Bc4 Bc5 4. O-O Nf6 *")) << text.toStdString();

    TForm2 form(nullptr, true);
    // The players stored from the first window are changed back first.
    form.Humano2->setChecked(true);
    form.SuperFcil1->trigger();
    ASSERT_FALSE(form.ChessBoard1->ComputerPlaysWhite());
    ASSERT_TRUE(form.GameFiles->OpenGame(file));
    EXPECT_EQ(form.ChessBoard1->Position(), savedPosition);
    EXPECT_EQ(form.ListBox1->Lines(), BoardLines(form));
    EXPECT_EQ(form.ListBox1->count(), 8);
    EXPECT_EQ(form.ListBox1->Lines().at(6), "4. E1-G1");
    EXPECT_TRUE(form.Computador2->isChecked());
    EXPECT_TRUE(form.ChessBoard1->ComputerPlaysWhite());
    EXPECT_EQ(form.ChessBoard1->SearchDepth(), 3);
    EXPECT_TRUE(form.Difcil1->isChecked());

    // A line of the list goes back to its position, and play goes on from
    // the position shown.
    form.ListBox1->setCurrentRow(1);
    form.ListBox1Click(form.ListBox1);
    EXPECT_EQ(form.ChessBoard1->PieceAt(Square::G1), 'N');
    EXPECT_TRUE(form.ChessBoard1->MakeMove(Square::D2, Square::D4));
    EXPECT_EQ(form.ListBox1->Lines().last(), "2. D2-D4");

    // A broken file names itself, the game, line and column, and changes
    // nothing.
    const std::string before = form.ChessBoard1->Position();
    const QString broken = dir.filePath("quebrada.pgn");
    WriteFile(broken, "[Event \"x\"]\n\n1. e4 e5\n2. Ke3 *\n");
    try {
        form.GameFiles->OpenGame(broken);
        ADD_FAILURE() << "a broken game was opened";
    } catch (const std::runtime_error& e) {
        const QString message = QString::fromUtf8(e.what());
        EXPECT_TRUE(message.contains(QFileInfo(broken).absoluteFilePath())) << e.what();
        EXPECT_TRUE(message.contains("Partida 1, linha 4, coluna 4")) << e.what();
    }
    EXPECT_EQ(form.ChessBoard1->Position(), before);
    EXPECT_THROW(form.GameFiles->OpenGame(dir.filePath("nenhuma.pgn")), std::runtime_error);
    EXPECT_EQ(form.ChessBoard1->Position(), before);
}

TEST_F(GameFiles, OneGameOfSeveralIsChosenAndACancelChangesNothing)
{
    const QString file = dir.filePath("varias.pgn");
    WriteFile(file,
              "[White \"Ana\"]\n[Black \"Bia\"]\n\n1. d4 d5 *\n\n"
              "[White \"Caio\"]\n[Black \"Duda\"]\n[Event \"Clube\"]\n\n1. e4 c5 2. Nf3 *\n\n"
              "1. Ke2 *\n");
    TForm2 form(nullptr, true);
    std::size_t offered = 0;
    form.GameFiles->SetGameChooser([&offered](const PgnFileIndex& games) -> std::optional<std::size_t> {
        offered = games.Count();
        return 1;
    });
    ASSERT_TRUE(form.GameFiles->OpenGame(file));
    EXPECT_EQ(offered, 3u);
    EXPECT_EQ(form.ListBox1->Lines(), QStringList({"1. E2-E4", QString(14, ' ') + "C7-C5", "2. G1-F3"}));
    // Its tags go on with the game into the next file.
    const Game game = form.GameFiles->CurrentGame();
    EXPECT_EQ(game.Tag("White"), "Caio");
    EXPECT_EQ(game.Tag("Event"), "Clube");

    form.GameFiles->SetGameChooser([](const PgnFileIndex&) { return std::optional<std::size_t>(); });
    EXPECT_FALSE(form.GameFiles->OpenGame(file));
    EXPECT_EQ(form.ListBox1->count(), 3);
    // The unreadable one is refused with its place in the file.
    form.GameFiles->SetGameChooser([](const PgnFileIndex&) { return std::optional<std::size_t>(2); });
    EXPECT_THROW(form.GameFiles->OpenGame(file), std::runtime_error);
    EXPECT_EQ(form.ListBox1->count(), 3);
}

TEST_F(GameFiles, FenIsCopiedAndPastedAndAMalformedOneIsRefused)
{
    TForm2 form(nullptr, true);
    Play(form, {{Square::E2, Square::E4}});
    form.GameFiles->CopyFenAction()->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1");

    QGuiApplication::clipboard()->setText("8/8/8/4k3/8/8/4P3/4K3 w - - 0 1");
    form.GameFiles->PasteFenAction()->trigger();
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
    EXPECT_EQ(form.ChessBoard1->PieceAt(Square::E5), 'k');
    EXPECT_EQ(form.ChessBoard1->PieceAt(Square::E2), 'P');
    EXPECT_TRUE(form.ChessBoard1->WhiteToMove());
    EXPECT_EQ(form.ListBox1->count(), 0);
    EXPECT_TRUE(form.ChessBoard1->MakeMove(Square::E2, Square::E4));

    const std::string before = form.ChessBoard1->Position();
    for (const char* bad :
         {"isto não é FEN", "8/8/8/8/8/8/8/8 w - - 0 1", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP w KQkq - 0 1"}) {
        boxes.errors.clear();
        QGuiApplication::clipboard()->setText(QString::fromUtf8(bad));
        form.GameFiles->PasteFenAction()->trigger();
        ASSERT_EQ(boxes.errors.size(), 1) << bad;
        EXPECT_TRUE(boxes.errors.first().startsWith("A posição FEN")) << boxes.errors.first().toStdString();
        EXPECT_EQ(form.ChessBoard1->Position(), before);
    }
}

TEST_F(GameFiles, TheNotationSwitchRewritesTheListAndIsRemembered)
{
    TForm2 form(nullptr, true);
    EXPECT_FALSE(form.GameFiles->NotationAction()->isChecked());
    EXPECT_TRUE(form.Opcoes1->actions().contains(form.GameFiles->NotationAction()));
    Play(form, Italian);
    const QStringList plain = {"1. E2-E4", QString(14, ' ') + "E7-E5", "2. G1-F3", QString(14, ' ') + "B8-C6",
                               "3. F1-C4", QString(14, ' ') + "F8-C5", "4. E1-G1", QString(14, ' ') + "G8-F6"};
    EXPECT_EQ(form.ListBox1->Lines(), plain);

    form.GameFiles->NotationAction()->trigger();
    const QStringList algebraic = {"1. e4",  QString(14, ' ') + "e5",  "2. Cf3", QString(14, ' ') + "Cc6",
                                   "3. Bc4", QString(14, ' ') + "Bc5", "4. O-O", QString(14, ' ') + "Cf6"};
    EXPECT_EQ(form.ListBox1->Lines(), algebraic);
    EXPECT_TRUE(QSettings("Kestravin", "Kestravin 2005").value("Opcoes/NotacaoAlgebrica").toBool());

    // New moves come in algebraic notation, checks and promotions too.
    Play(form, {{Square::C4, Square::F7}});
    EXPECT_EQ(form.ListBox1->Lines().last(), "5. Bxf7+");
    {
        TForm2 second(nullptr, true);
        EXPECT_TRUE(second.GameFiles->NotationAction()->isChecked());
        second.ChessBoard1->SetPosition("    k      P    " + std::string(40, ' ') + "    K   ");
        second.ChessBoard1->SetCastlingAllowed(CastleSet());
        second.ChessBoard1->SetPromotionPiece('Q');
        Play(second, {{Square::D7, Square::D8}});
        EXPECT_EQ(second.ListBox1->Lines(), QStringList({"1. d8=D+"}));
        // A game begun by Black keeps the board's "1. ..." line first.
        second.GameFiles->PasteFen("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1");
        Play(second, {{Square::C7, Square::C5}, {Square::G1, Square::F3}});
        EXPECT_EQ(second.ListBox1->Lines(), QStringList({"1. ...", QString(14, ' ') + "c5", "2. Cf3"}));
    }

    form.GameFiles->NotationAction()->trigger();
    EXPECT_EQ(form.ListBox1->Lines().mid(0, 8), plain);
    EXPECT_EQ(form.ListBox1->Lines().last(), "5. C4-F7");
    EXPECT_FALSE(QSettings("Kestravin", "Kestravin 2005").value("Opcoes/NotacaoAlgebrica").toBool());
}

TEST_F(GameFiles, NovoJogoLeavesTheOldListUntilTheFirstMoveInBothNotations)
{
    for (const bool algebraic : {false, true}) {
        SCOPED_TRACE(algebraic ? "algebraic" : "coordinates");
        TForm2 form(nullptr, true);
        form.GameFiles->NotationAction()->setChecked(algebraic);
        Play(form, {{Square::E2, Square::E4}, {Square::E7, Square::E5}});
        const QStringList old = form.ListBox1->Lines();
        ASSERT_EQ(old.size(), 2);
        form.NovoJogo1->trigger();
        PumpFor(50);
        form.GameFiles->AutosaveNow();
        EXPECT_EQ(form.ListBox1->Lines(), old);
        Play(form, {{Square::D2, Square::D4}});
        EXPECT_EQ(form.ListBox1->Lines(), QStringList({algebraic ? "1. d4" : "1. D2-D4"}));
        form.GameFiles->AutosaveNow();
        EXPECT_EQ(form.ListBox1->Lines(), QStringList({algebraic ? "1. d4" : "1. D2-D4"}));
    }
    QSettings("Kestravin", "Kestravin 2005").remove("Opcoes/NotacaoAlgebrica");
}

TEST_F(GameFiles, TheAutosaveFollowsTheGameAndGoesAtMate)
{
    TForm2 form(nullptr, true);
    Play(form, {{Square::F2, Square::F3}});
    ASSERT_TRUE(QFile::exists(AutosaveFileName()));
    std::optional<Game> saved = ReadAutosave();
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->PlyCount(), 1u);
    Play(form, {{Square::E7, Square::E5}, {Square::G2, Square::G4}});
    saved = ReadAutosave();
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->PlyCount(), 3u);
    EXPECT_EQ(saved->Moves()[2].San, "g4");
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(QFileInfo(AutosaveFileName()).absolutePath()).entryList(QDir::Files).size(), 1);

    Play(form, {{Square::D8, Square::H4}});
    EXPECT_EQ(boxes.messages, QStringList({"Cheque Mate!"}));
    EXPECT_FALSE(QFile::exists(AutosaveFileName()));

    // A new game is saved from its first move on; an older one goes at once.
    form.NovoJogo1->trigger();
    PumpFor(20);
    EXPECT_FALSE(QFile::exists(AutosaveFileName()));
    Play(form, {{Square::E2, Square::E4}});
    ASSERT_TRUE(QFile::exists(AutosaveFileName()));
    form.NovoJogo1->trigger();
    PumpFor(20);
    EXPECT_FALSE(QFile::exists(AutosaveFileName()));
    form.GameFiles->PasteFen("4k3/8/8/8/8/8/4P3/4K3 w - - 0 1");
    PumpFor(20);
    saved = ReadAutosave();
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->PlyCount(), 0u);
    EXPECT_EQ(saved->FinalFen(), "4k3/8/8/8/8/8/4P3/4K3 w - - 0 1");

    // A position set by hand that no game can hold (no kings) is not kept
    // as a file that could not be read back.
    form.ChessBoard1->SetPosition(std::string(8, ' ') + "pppppppp" + std::string(32, ' ') + "PPPPPPPP" +
                                  std::string(8, ' '));
    form.GameFiles->AutosaveNow();
    EXPECT_FALSE(QFile::exists(AutosaveFileName()));
}

TEST_F(GameFiles, AnUnfinishedGameIsRestoredAtStartUp)
{
    QStringList lines;
    std::string position;
    {
        TForm2 form(nullptr, true);
        form.Humano1->setChecked(true);
        form.Fcil1->trigger();
        Play(form, Italian);
        // The list shows an earlier move when the program ends.
        form.ListBox1->setCurrentRow(5);
        emit form.ListBox1->Click();
        PumpFor(20);
        lines = form.ListBox1->Lines();
        position = form.ChessBoard1->Position();
    }
    TForm2 form(nullptr, true);
    ASSERT_TRUE(form.GameFiles->RestoreAutosave());
    EXPECT_EQ(form.ListBox1->Lines(), lines);
    EXPECT_EQ(form.ChessBoard1->Position(), position);
    EXPECT_TRUE(form.Humano1->isChecked());
    EXPECT_FALSE(form.ChessBoard1->ComputerPlaysBlack());
    EXPECT_EQ(form.ChessBoard1->SearchDepth(), 2);
    EXPECT_TRUE(form.Fcil1->isChecked());
    EXPECT_TRUE(boxes.errors.isEmpty());
}

TEST_F(GameFiles, AnUnreadableAutosaveIsSetAsideAndTheProgramStartsAsUsual)
{
    QDir().mkpath(QFileInfo(AutosaveFileName()).absolutePath());
    const QByteArray broken = "[Event \"?\"]\n\n1. e4 e5 2. Ke3 *\n";
    WriteFile(AutosaveFileName(), broken);
    // What a write killed halfway leaves beside it.
    WriteFile(AutosaveFileName() + ".AbC123", "1. e4 e");

    TForm2 form(nullptr, true);
    EXPECT_FALSE(form.GameFiles->RestoreAutosave());
    EXPECT_FALSE(QFile::exists(AutosaveFileName()));
    EXPECT_FALSE(QFile::exists(AutosaveFileName() + ".AbC123"));
    const QStringList aside =
        QDir(QFileInfo(AutosaveFileName()).absolutePath()).entryList({"autosave.pgn.ilegivel-*"}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(ReadFile(QFileInfo(AutosaveFileName()).absolutePath() + "/" + aside.first()), broken);
    EXPECT_EQ(form.ChessBoard1->Position(), InitialPositionString);
    EXPECT_EQ(form.ListBox1->count(), 0);
    EXPECT_TRUE(form.Computador1->isChecked());
    EXPECT_TRUE(boxes.errors.isEmpty());

    // No autosave at all: nothing happens.
    EXPECT_FALSE(form.GameFiles->RestoreAutosave());
    EXPECT_EQ(QDir(QFileInfo(AutosaveFileName()).absolutePath()).entryList({"autosave.pgn.ilegivel-*"}).size(), 1);
}

TEST_F(GameFiles, TheReviewsMarksGoIntoTheSavedGame)
{
    Game game;
    for (const char* san : {"e4", "e5", "Qh5", "Ke7"}) {
        ChessMove move;
        std::string error;
        ASSERT_TRUE(ReadSan(game.FinalPosition(), san, move, error));
        ASSERT_TRUE(game.AddMove(move));
    }
    TGameReview review;
    review.Moves.push_back({2, true, Square::D1, Square::H5, 60, TMoveMark::Dubious});
    review.Moves.push_back({2, false, Square::E8, Square::E7, 400, TMoveMark::Blunder});
    review.Moves.push_back({1, false, Square::D7, Square::D5, 150, TMoveMark::Mistake}); // not this game's move
    AddReviewMarks(game, review);
    const std::string text = WritePgn(game);
    EXPECT_NE(text.find("2. Qh5 $6 Ke7 $4"), std::string::npos) << text;
    EXPECT_NE(text.find("1. e4 e5 2."), std::string::npos) << text;
}

TEST_F(GameFiles, TheScoreSheetPrintsHeadingMovesDiagramAndPageNumbers)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed (poppler-utils)";
    // A long game: the knights go out and back, many times over.
    Game game;
    game.SetTag("White", "Ana");
    game.SetTag("Event", "Torneio do clube");
    game.SetTag("Date", "2026.12.07");
    game.SetPlayer(false, PlayerType::Program);
    game.SetLevel(4);
    for (int i = 0; i < 120; ++i) {
        const char* moves[] = {"Nf3", "Nf6", "Ng1", "Ng8"};
        ChessMove move;
        std::string error;
        ASSERT_TRUE(ReadSan(game.FinalPosition(), moves[i % 4], move, error));
        game.AddMove(move);
    }
    for (const char* san : {"e4", "e5", "Qh5", "Nc6", "Bc4", "Nf6", "Qxf7#"}) {
        ChessMove move;
        std::string error;
        ASSERT_TRUE(ReadSan(game.FinalPosition(), san, move, error)) << san << error;
        game.AddMove(move);
    }
    game.SetResult("1-0");

    const QString pdf = dir.filePath("planilha.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    const int pages = PrintScoreSheet(game, printer);
    EXPECT_EQ(pages, 2);

    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(30000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    for (const char* expected :
         {"Planilha da partida", "Brancas: Ana", "Pretas: Computador", "Evento: Torneio do clube", "Data: 2026.12.07",
          "Nível: Difícil", "Resultado: 1-0", "1.", "Cf3", "Cf6", "31.", "Dxf7#", "64.", "xeque-mate.", "Página 1 de 2",
          "Página 2 de 2"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();

    // The picture of the first page, for a look (docs/screenshots).
    if (!QStandardPaths::findExecutable("pdftoppm").isEmpty()) {
        QProcess pdftoppm;
        pdftoppm.start("pdftoppm", {"-png", "-r", "60", "-f", "2", "-l", "2", pdf, dir.filePath("pagina")});
        ASSERT_TRUE(pdftoppm.waitForFinished(30000));
        EXPECT_FALSE(QDir(dir.path()).entryList({"pagina*.png"}).isEmpty());
    }
}
