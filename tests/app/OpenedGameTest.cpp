// A game opened from a file is a record shown for study: opened and saved
// it comes back as it went (tags, move counters, moves, variations,
// comments, NAGs), its numbers run on from its set-up position through the
// list, the FEN, the score sheet and the autosave, and the computer does
// not play on with it by itself.
#include "AppTestSupport.h"
#include "app/GameClocks.h"
#include "app/GameEnding.h"
#include "app/GameFiles.h"
#include "app/GameRecord.h"
#include "app/MoveListBox.h"
#include "app/MoveListText.h"
#include "app/ScoreSheet.h"
#include "app/Unit2.h"
#include "board/ChessBoard.h"
#include "tests/common/TestPaths.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QByteArray ReadFile(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString Annotated()
{
    return QString::fromStdString(SourceDir() + "/tests/core/data/annotated.pgn");
}

std::vector<PgnGame> AnnotatedGames()
{
    const QByteArray bytes = ReadFile(Annotated());
    return ReadPgn(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

// Opens game `index` of a file in the window.
void Open(TForm2& form, const QString& file, std::size_t index)
{
    form.GameFiles->SetGameChooser([index](const auto&) { return std::optional<std::size_t>(index); });
    ASSERT_TRUE(form.GameFiles->OpenGame(file));
    PumpFor(20);
}

class OpenedGame : public ::testing::Test {
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

TEST_F(OpenedGame, EveryGameOfTheCollectionIsSavedAsItWasRead)
{
    // Nested variations with comments and NAGs, set-up positions with their
    // counters, CRLF line ends, names beyond ASCII: opened and saved through
    // the window, each game is written exactly as the core writes the game
    // read from the file, so nothing was lost or changed on the way.
    const std::vector<PgnGame> games = AnnotatedGames();
    ASSERT_EQ(games.size(), 4u);
    TForm2 form(nullptr, true);
    // Boxes and level that are not the files' own.
    form.Computador2->setChecked(true);
    form.SuperDifcil1->trigger();
    for (std::size_t i = 0; i < games.size(); ++i) {
        ASSERT_TRUE(games[i].Ok) << i;
        Open(form, Annotated(), i);
        const QString saved = dir.filePath(QStringLiteral("partida%1.pgn").arg(i));
        form.GameFiles->SaveGame(saved);
        EXPECT_EQ(ReadFile(saved).toStdString(), WritePgn(games[i].Value)) << "game " << i;

        // The autosave keeps the whole tree too (the finished games have
        // none).
        form.GameFiles->AutosaveNow();
        if (games[i].Value.Result() == "*") {
            const std::optional<Game> autosaved = ReadAutosave();
            ASSERT_TRUE(autosaved.has_value()) << i;
            EXPECT_TRUE(autosaved->Moves() == games[i].Value.Moves()) << i;
            EXPECT_EQ(autosaved->FenAt(0), games[i].Value.FenAt(0));
        }
    }
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
}

TEST_F(OpenedGame, TheCountersOfASetUpPositionRunThroughListFenSheetAndAutosave)
{
    TForm2 form(nullptr, true);
    Open(form, Annotated(), 1); // "8/5k2/8/8/8/3K4/6R1/8 w - - 98 80", three half-moves
    const QStringList variations = {"  (80... Rf6", "   81. Tg8", "    (81. Th5", "     81... Rg6)", "   81... Re7)"};
    EXPECT_EQ(form.ListBox1->Lines(),
              QStringList({"80. G2-G5", QString(14, ' ') + "F7-E6"}) + variations + QStringList({"81. G5-G6"}));
    form.MoveText->SetAlgebraic(true);
    EXPECT_EQ(form.ListBox1->Lines(),
              QStringList({"80. Tg5", QString(14, ' ') + "Re6"}) + variations + QStringList({"81. Tg6+"}));
    form.MoveText->SetAlgebraic(false);
    EXPECT_EQ(form.GameFiles->ShownFen().toStdString(), "8/8/4k1R1/8/8/3K4/8/8 b - - 101 81");
    // An earlier position of the list.
    form.ListBox1->setCurrentRow(0);
    form.ListBox1Click(form.ListBox1);
    EXPECT_EQ(form.GameFiles->ShownFen().toStdString(), "8/5k2/8/6R1/8/3K4/8/8 b - - 99 80");

    const ScoreSheetContent sheet = ScoreSheetOf(form.GameFiles->CurrentGame());
    ASSERT_FALSE(sheet.Rows.empty());
    EXPECT_EQ(sheet.Rows.front().Number, 80);
    EXPECT_EQ(sheet.FinalFen, "8/8/4k1R1/8/8/3K4/8/8 b - - 101 81");

    // Black to move at move 42, unfinished: the autosave keeps the numbers,
    // and so does the game restored from it.
    Open(form, Annotated(), 2);
    EXPECT_EQ(form.ListBox1->Lines().first(), "42. ...");
    EXPECT_EQ(form.ListBox1->Lines().at(2), "43. E1-C1");
    form.GameFiles->AutosaveNow();
    const QString autosave = QString::fromUtf8(ReadFile(AutosaveFileName()));
    EXPECT_TRUE(autosave.contains("[FEN \"r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 7 42\"]")) << autosave.toStdString();
    EXPECT_TRUE(autosave.contains("42... O-O 43. O-O-O")) << autosave.toStdString();
    {
        TForm2 again(nullptr, true);
        ASSERT_TRUE(again.GameFiles->RestoreAutosave());
        EXPECT_EQ(again.ListBox1->Lines().first(), "42. ...");
        EXPECT_EQ(again.GameFiles->ShownFen().toStdString(), "r5k1/8/8/8/8/8/5r2/2KR3R w - - 10 44");
    }

    // A pasted FEN keeps its counters through the moves played on it.
    RemoveAutosave();
    form.GameFiles->PasteFen("8/5k2/8/8/8/3K4/6R1/8 w - - 98 80");
    EXPECT_EQ(form.GameFiles->ShownFen().toStdString(), "8/5k2/8/8/8/3K4/6R1/8 w - - 98 80");
    ASSERT_TRUE(form.ChessBoard1->MakeMove(Square::G2, Square::G5));
    PumpFor(20);
    EXPECT_EQ(form.ListBox1->Lines(), QStringList({"80. G2-G5"}));
    EXPECT_EQ(form.GameFiles->ShownFen().toStdString(), "8/5k2/8/6R1/8/3K4/8/8 b - - 99 80");
    const QString file = dir.filePath("colada.pgn");
    form.GameFiles->SaveGame(file);
    EXPECT_TRUE(ReadFile(file).contains("[FEN \"8/5k2/8/8/8/3K4/6R1/8 w - - 98 80\"]\n"))
        << ReadFile(file).toStdString();
    EXPECT_TRUE(ReadFile(file).contains("\n\n80. Rg5 *")) << ReadFile(file).toStdString();
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
}

TEST_F(OpenedGame, ItsPlayersAreTheFilesAndOnlyAGamePlayedHereGetsTheWindows)
{
    const QString file = dir.filePath("jogadores.pgn");
    WriteFile(file,
              "[Event \"E\"]\n[Date \"1999.01.02\"]\n[WhiteType \"human\"]\n[BlackType \"program\"]\n"
              "[KestravinLevel \"2\"]\n\n1. e4 e5 *\n\n"
              "[Event \"Sem jogadores\"]\n\n1. d4 d5 *\n");
    TForm2 form(nullptr, true);
    Open(form, file, 0);
    // The boxes are changed after opening; the file's players stay.
    form.Computador2->setChecked(true);
    form.Humano1->setChecked(true);
    form.SuperDifcil1->trigger();
    const QString saved = dir.filePath("salva.pgn");
    form.GameFiles->SaveGame(saved);
    QString text = QString::fromUtf8(ReadFile(saved));
    EXPECT_TRUE(text.contains("[WhiteType \"human\"]\n[BlackType \"program\"]\n[KestravinLevel \"2\"]"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("[Date \"1999.01.02\"]"));

    Open(form, file, 1);
    form.GameFiles->SaveGame(saved);
    text = QString::fromUtf8(ReadFile(saved));
    EXPECT_FALSE(text.contains("WhiteType")) << text.toStdString();
    EXPECT_FALSE(text.contains("KestravinLevel")) << text.toStdString();
    EXPECT_TRUE(text.contains("[White \"?\"]")) << text.toStdString();

    // A new game is played here: the window's players are written.
    form.NovoJogo1->trigger();
    PumpFor(20);
    ASSERT_TRUE(form.ChessBoard1->MakeMove(Square::E2, Square::E4));
    form.GameFiles->SaveGame(saved);
    text = QString::fromUtf8(ReadFile(saved));
    EXPECT_TRUE(text.contains("[WhiteType \"program\"]")) << text.toStdString();
    EXPECT_TRUE(text.contains("[KestravinLevel \"5\"]")) << text.toStdString();
}

TEST_F(OpenedGame, ATimedRecordWaitsWithItsClocksUntilContinuar)
{
    TForm2 form(nullptr, true);
    ClockMs now = 1'000'000;
    form.Clocks->SetTimeSource([&now] { return now; });
    const QString file = dir.filePath("relogio.pgn");
    WriteFile(file,
              "[Event \"Blitz\"]\n[TimeControl \"20\"]\n\n"
              "1. e4 {[%clk 0:00:15]} e5 {[%clk 0:00:12]} 2. Nf3 {[%clk 0:00:10]} Nc6 {[%clk 0:00:08]} *\n");
    Open(form, file, 0);
    ASSERT_TRUE(form.Clocks->Enabled());
    EXPECT_EQ(form.Clocks->Clock().Remaining(true), 10000);
    // A record read for study loses nothing on time while it is read.
    now += 60000;
    form.Clocks->Tick();
    PumpFor(20);
    EXPECT_FALSE(form.Ending->Over());
    EXPECT_EQ(form.GameFiles->CurrentGame().Result(), "*");
    EXPECT_EQ(form.Clocks->Clock().Remaining(true), 10000);
    EXPECT_TRUE(form.Continuar1->isEnabled());
    // "Continuar" sets White's clock going from where the record left it.
    form.Continuar1->trigger();
    now += 1000;
    EXPECT_EQ(form.Clocks->Clock().Remaining(true), 9000);
    EXPECT_TRUE(form.ChessBoard1->IsLegalMove(Square::F1, Square::C4));
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
}

namespace {

// The window with its computer player running.
class OpenedGameWithComputer : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        RemoveAutosave();
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        // The computer plays both sides, whatever the files say.
        file = dir.filePath("partidas.pgn");
        WriteFile(file,
                  "[Event \"Inacabada\"]\n\n1. e4 e5 2. Nf3 *\n\n"
                  "[Event \"Abandonou\"]\n[Result \"1-0\"]\n\n1. e4 e5 2. Qh5 Ke7 1-0\n");
    }
    void TearDown() override { form.hide(); }
    void ComputerPlaysBoth()
    {
        form.Computador1->setChecked(true);
        form.Computador2->setChecked(true);
        form.SuperFcil1->trigger();
    }

    CapturedBoxes boxes;
    QTemporaryDir dir;
    QString file;
    TForm2 form{nullptr, false};
};

} // namespace

TEST_F(OpenedGameWithComputer, AnUnfinishedGameWaitsForContinuarAndAFinishedOneNeverGoesOn)
{
    Open(form, file, 0);
    ComputerPlaysBoth();
    const std::string opened = form.ChessBoard1->Position();
    QTest::qWait(700);
    EXPECT_EQ(form.ChessBoard1->Position(), opened) << "the computer played on an opened game";
    EXPECT_FALSE(form.ChessBoard1->Thinking());
    EXPECT_TRUE(form.Continuar1->isEnabled());
    form.Continuar1->trigger();
    ASSERT_TRUE(PumpUntil([this] { return form.ListBox1->count() > 3; }, 20000)) << "Continuar did not go on";

    // A finished game: not after opening, not with Continuar.
    form.Humano1->setChecked(true);
    form.Humano2->setChecked(true);
    PumpFor(50);
    Open(form, file, 1);
    ComputerPlaysBoth();
    const std::string finished = form.ChessBoard1->Position();
    EXPECT_FALSE(form.Continuar1->isEnabled());
    form.Continuar1->trigger();
    QTest::qWait(700);
    EXPECT_EQ(form.ChessBoard1->Position(), finished) << "the computer played on a finished game";
    EXPECT_EQ(form.ListBox1->count(), 4);
    EXPECT_EQ(form.GameFiles->CurrentGame().Result(), "1-0");
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
}

TEST_F(OpenedGame, VariationsAreListedAndAClickShowsTheirPositionWithoutChangingTheGame)
{
    const std::vector<PgnGame> games = AnnotatedGames();
    TForm2 form(nullptr, true);
    form.AcompanharLista1->setChecked(true);
    Open(form, Annotated(), 0);
    const QStringList lines = form.ListBox1->Lines();
    ASSERT_GE(lines.size(), 26);
    const QString blanks(14, QLatin1Char(' '));
    EXPECT_EQ(
        lines.mid(0, 12),
        QStringList({"1. E2-E4", blanks + "C7-C5", "  (1... e5", "   2. Cf3", "    (2. f4", "     2... exf4",
                     "      (2... d5", "       3. exd5)", "     3. Cf3)", "   2... Cc6)", "  (1... c6)", "2. G1-F3"}));
    EXPECT_EQ(lines.mid(19, 7),
              QStringList({"6. F1-E2", "  (6. Bg5", "   6... e6", "   7. f4", "    (7. Df3", "     7... Be7))",
                           blanks + "E7-E5"}));

    // A click on a move of a variation inside a variation shows it.
    form.ListBox1->setCurrentRow(7);
    form.ListBox1Click(form.ListBox1);
    EXPECT_EQ(form.GameFiles->ShownFen().toStdString(), "rnbqkbnr/ppp2ppp/8/3Pp3/5P2/8/PPPP2PP/RNBQKBNR b KQkq - 0 3");
    EXPECT_EQ(form.ListBox1->Lines(), lines);
    EXPECT_EQ(form.ListBox1->currentRow(), 7);
    // Read-only: the game is the one opened, whole, in the saved file and the
    // autosave alike.
    const QString saved = dir.filePath("arvore.pgn");
    form.GameFiles->SaveGame(saved);
    EXPECT_EQ(ReadFile(saved).toStdString(), WritePgn(games[0].Value));

    // An earlier move of that variation, then back on the main line.
    form.ListBox1->setCurrentRow(4);
    form.ListBox1Click(form.ListBox1);
    EXPECT_EQ(form.GameFiles->ShownFen().toStdString(),
              "rnbqkbnr/pppp1ppp/8/4p3/4PP2/8/PPPP2PP/RNBQKBNR b KQkq f3 0 2");
    form.ListBox1->setCurrentRow(11);
    form.ListBox1Click(form.ListBox1);
    EXPECT_EQ(form.GameFiles->ShownFen().toStdString(),
              "rnbqkbnr/pp1ppppp/8/2p5/4P3/5N2/PPPP1PPP/RNBQKB1R b KQkq - 1 2");
    EXPECT_EQ(form.ListBox1->currentRow(), 11);
    EXPECT_EQ(form.ListBox1->Lines(), lines);

    // The unfinished game is autosaved whole while a variation is shown.
    Open(form, Annotated(), 3);
    const int row = static_cast<int>(form.ListBox1->Lines().indexOf("  (5... d5"));
    ASSERT_GT(row, 0) << form.ListBox1->Lines().join('|').toStdString();
    form.ListBox1->setCurrentRow(row);
    form.ListBox1Click(form.ListBox1);
    EXPECT_EQ(form.GameFiles->ShownFen().toStdString(),
              "rnbqkbnr/ppp1pppp/8/3p4/4P3/8/PPPP1PPP/RNBQKBNR w KQkq d6 0 6");
    form.GameFiles->AutosaveNow();
    const std::optional<Game> autosaved = ReadAutosave();
    ASSERT_TRUE(autosaved.has_value());
    EXPECT_TRUE(autosaved->Moves() == games[3].Value.Moves());
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
}
