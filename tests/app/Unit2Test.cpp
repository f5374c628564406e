// The main game window: its layout and menus, the status line after each
// board event and after sequences of events within one move, the move list
// and going back through it, the player check boxes, the difficulty items,
// "Novo Jogo" and the help documents.
#include "app/Unit2.h"
#include "AppTestSupport.h"
#include "Placement.h"
#include "app/MoveListBox.h"
#include "board/ChessBoard.h"
#include "platform/ShellOpen.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace {

using Move = std::pair<Square, Square>;

class GameWindow : public ::testing::Test {
protected:
    // Plays the moves on the board, each one as a legal move.
    void Play(std::initializer_list<Move> moves)
    {
        for (const auto& [from, to] : moves)
            ASSERT_TRUE(form.ChessBoard1->MakeMove(from, to)) << Ord(from) << "-" << Ord(to);
    }
    QString Status() const { return form.Panel1->text(); }
    QStringList BoardMoveList() const
    {
        std::vector<std::string> list;
        form.ChessBoard1->GetMoveList(list);
        QStringList lines;
        for (const auto& line : list)
            lines.append(QString::fromStdString(line));
        return lines;
    }
    // Sets a position with the given side to move, e.g. for end games.
    void SetUpPosition(const std::string& position, bool whiteToMove)
    {
        form.ChessBoard1->SetPosition(position);
        form.ChessBoard1->SetWhiteToMove(whiteToMove);
        form.ChessBoard1->SetCastlingAllowed(CastleSet());
    }

    CapturedBoxes boxes;
    TForm2 form{nullptr, true};
};

const std::initializer_list<Move> FoolsMate = {
    {Square::F2, Square::F3}, {Square::E7, Square::E5}, {Square::G2, Square::G4}, {Square::D8, Square::H4}};

} // namespace

TEST_F(GameWindow, ControlsStandAtTheirPlacesWhenShown)
{
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.windowTitle(), "Kestravin 2005");
    EXPECT_EQ(form.Client->size(), QSize(792, 546));
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);

    const struct {
        QWidget* control;
        QRect place;
    } places[] = {{form.ListBox1, {8, 24, 209, 361}},    {form.Panel1, {8, 392, 209, 17}},
                  {form.BitBtn1, {8, 416, 153, 25}},     {form.Image1, {8, 464, 23, 33}},
                  {form.Computador1, {40, 464, 97, 17}}, {form.Humano1, {40, 480, 97, 17}},
                  {form.Image2, {8, 504, 23, 33}},       {form.Computador2, {40, 504, 97, 17}},
                  {form.Humano2, {40, 520, 97, 17}},     {form.ChessBoard1, {248, 8, 536, 536}}};
    for (const auto& [control, place] : places)
        EXPECT_EQ(control->geometry(), place) << control->objectName().toStdString();
    // The labels stand at their places, wide enough for their text.
    for (const auto& [label, place] :
         {std::pair{form.Label1, QRect(8, 8, 40, 13)}, std::pair{form.Label2, QRect(8, 448, 63, 13)}}) {
        EXPECT_EQ(label->pos(), place.topLeft());
        EXPECT_EQ(label->height(), place.height());
        EXPECT_GE(label->width(), place.width());
        EXPECT_GE(label->width(), label->sizeHint().width());
    }

    EXPECT_EQ(form.Label1->text(), "Jogadas");
    EXPECT_EQ(form.Panel1->text(), "Status");
    EXPECT_EQ(form.BitBtn1->text(), "Imprimir");
    EXPECT_FALSE(form.BitBtn1->icon().isNull());
    EXPECT_EQ(form.Label2->text(), "Jogadores:");
    EXPECT_TRUE(form.Label2->font().bold());
    EXPECT_EQ(form.Image1->pixmap().size(), QSize(23, 33));
    EXPECT_EQ(form.Image2->pixmap().size(), QSize(23, 33));
    EXPECT_EQ(form.Computador1->text(), "Computador");
    EXPECT_EQ(form.Humano2->text(), "Humano");
    form.hide();
}

TEST_F(GameWindow, MenusCarryTheirCaptionsInOrder)
{
    QStringList menus;
    for (QAction* action : form.menuBar()->actions())
        menus.append(QString(action->text()).remove(QLatin1Char('&')));
    EXPECT_EQ(menus, QStringList({"Jogo", "Partida", "Treinar", "Online", "Media Player", "Opções", "Ajuda"}));
    // Each menu of the bar opens with Alt and a letter of its own.
    QSet<QChar> mnemonics;
    for (QAction* action : form.menuBar()->actions()) {
        const qsizetype amp = action->text().indexOf(QLatin1Char('&'));
        ASSERT_GE(amp, 0) << action->text().toStdString();
        mnemonics.insert(action->text().at(amp + 1).toLower());
    }
    EXPECT_EQ(mnemonics.size(), form.menuBar()->actions().size());

    const auto captions = [](QMenu* menu) {
        QStringList list;
        for (QAction* action : menu->actions())
            list.append(action->text());
        return list;
    };
    EXPECT_EQ(captions(form.Kestravin1), QStringList({"Novo Jogo", "Dificuldade", "Carregar", "Salvar", "Sair"}));
    EXPECT_EQ(captions(form.Dificuldade1), QStringList({"Super Fácil", "Fácil", "Médio", "Difícil", "Super Difícil"}));
    EXPECT_EQ(captions(form.Online1), QStringList({"Jogar"}));
    EXPECT_EQ(captions(form.Treinar1), QStringList({"Exercícios", "Meus erros", "", "Progresso"}));
    EXPECT_EQ(captions(form.MediaPlayer1), QStringList({"Abrir"}));
    EXPECT_EQ(captions(form.Ajuda1), QStringList({"Regras", "História", "Sobre"}));
    // The usual shortcuts on the items that have one; every other item of
    // these menus has none.
    EXPECT_EQ(form.NovoJogo1->shortcut(), QKeySequence(QKeySequence::New));
    EXPECT_EQ(form.Sair1->shortcut(), QKeySequence(QKeySequence::Quit));
    EXPECT_EQ(form.Regras1->shortcut(), QKeySequence(QKeySequence::HelpContents));
    const QList<QAction*> withShortcut{form.NovoJogo1, form.Sair1, form.Regras1};
    for (QMenu* menu : {form.Kestravin1, form.Dificuldade1, form.Online1, form.MediaPlayer1, form.Ajuda1}) {
        for (QAction* action : menu->actions()) {
            if (!withShortcut.contains(action)) {
                EXPECT_TRUE(action->shortcut().isEmpty()) << action->text().toStdString();
            }
        }
    }
}

TEST_F(GameWindow, StoredSettingsMatchTheCheckBoxes)
{
    EXPECT_TRUE(form.Computador1->isChecked());
    EXPECT_FALSE(form.Humano1->isChecked());
    EXPECT_FALSE(form.Computador2->isChecked());
    EXPECT_TRUE(form.Humano2->isChecked());
    EXPECT_TRUE(form.ChessBoard1->ComputerPlaysBlack());
    EXPECT_FALSE(form.ChessBoard1->ComputerPlaysWhite());
    EXPECT_EQ(form.ChessBoard1->SearchDepth(), 1);
    EXPECT_TRUE(form.SuperFcil1->isChecked());
    EXPECT_EQ(form.ChessBoard1->Position(), "rnbqkbnrpppppppp                                PPPPPPPPRNBQKBNR");
    EXPECT_TRUE(form.ChessBoard1->WhiteToMove());
    EXPECT_EQ(form.ChessBoard1->CastlingAllowed(), CastleSet::All());
    EXPECT_TRUE(form.ChessBoard1->AnimateMoves());
    EXPECT_EQ(form.ChessBoard1->AnimationDelay(), 0);

    const TChessBoard& board = *form.ChessBoard1;
    EXPECT_EQ(board.SquareColorDark(), QColor(0x80, 0x00, 0x00));
    EXPECT_EQ(board.SquareColorLight(), QColor(0x80, 0x80, 0x00));
    EXPECT_EQ(board.BorderColor(), QColor(Qt::black));
    EXPECT_FALSE(board.BoardLines());
    EXPECT_FALSE(board.WhiteOnTop());
    EXPECT_FALSE(board.Resizable());
    EXPECT_EQ(board.DisplayCoords(), CoordSet::All());
    EXPECT_EQ(board.CoordFont().pixelSize(), 9);
    EXPECT_EQ(board.CoordFontColor(), QColor(Qt::white));
    EXPECT_EQ(board.StandardSize(), StandardSet::Size40);
    EXPECT_EQ(board.CustomPieceSet().size(), QSize(240, 160));
    // As laid out: 8 squares of 44 and two borders of 24.
    EXPECT_EQ(board.SizeOfBorder(), 24);
    EXPECT_EQ(board.SizeOfSquare(), 44);
    EXPECT_EQ(board.geometry(), QRect(384, 136, 400, 400));
}

TEST_F(GameWindow, ShowingGivesTheBoardItsPlaceAndSixtyOnePixelSquares)
{
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.ChessBoard1->geometry(), QRect(248, 8, 536, 536));
    EXPECT_EQ(form.ChessBoard1->SizeOfSquare(), 61);
    EXPECT_EQ(form.ChessBoard1->SizeOfBorder(), 24);

    // The custom sheet's grey and red pieces on maroon and olive squares.
    const QImage shot = form.ChessBoard1->grab().toImage();
    const auto countNear = [&shot](QColor target) {
        int n = 0;
        for (int y = 0; y < shot.height(); y += 2)
            for (int x = 0; x < shot.width(); x += 2) {
                const QColor c = shot.pixelColor(x, y);
                n += std::abs(c.red() - target.red()) + std::abs(c.green() - target.green()) +
                        std::abs(c.blue() - target.blue()) <
                    30;
            }
        return n;
    };
    EXPECT_GT(countNear(QColor(0x80, 0x00, 0x00)), 1000);
    EXPECT_GT(countNear(QColor(0x80, 0x80, 0x00)), 1000);

    // Hidden and shown again: the same places, the game untouched.
    ASSERT_TRUE(form.ChessBoard1->MakeMove(Square::E2, Square::E4));
    form.close();
    form.show();
    EXPECT_EQ(form.ChessBoard1->geometry(), QRect(248, 8, 536, 536));
    EXPECT_EQ(form.ChessBoard1->PieceAt(Square::E4), 'P');
    EXPECT_EQ(form.ListBox1->count(), 1);
    form.hide();
}

TEST_F(GameWindow, EveryLegalMoveRebuildsTheMoveList)
{
    Play({{Square::E2, Square::E4}});
    EXPECT_EQ(form.ListBox1->count(), 1);
    Play({{Square::E7, Square::E5}, {Square::G1, Square::F3}});
    EXPECT_EQ(form.ListBox1->Lines(), BoardMoveList());
    EXPECT_EQ(form.ListBox1->count(), 3);
    EXPECT_EQ(form.ListBox1->currentRow(), -1);
    // A quiet opening raises no status event.
    EXPECT_EQ(Status(), "Status");
}

TEST_F(GameWindow, FoolsMateEndsOnCheckMateWithOneMessageBox)
{
    Play(FoolsMate);
    EXPECT_EQ(Status(), "Cheque Mate!");
    EXPECT_EQ(boxes.messages, QStringList({"Cheque Mate!"}));
    EXPECT_EQ(form.ListBox1->count(), 4);
    EXPECT_EQ(form.ListBox1->Lines(), BoardMoveList());
}

TEST_F(GameWindow, TheStatusEndsWithTheLastEventOfEachMove)
{
    // 3. Bxf7+ captures with check: "Cheque!".
    Play({{Square::E2, Square::E4}, {Square::E7, Square::E5}, {Square::F1, Square::C4}, {Square::D7, Square::D6}});
    Play({{Square::C4, Square::F7}});
    EXPECT_EQ(Status(), "Cheque!");
    EXPECT_EQ(form.ListBox1->count(), 5);
    // 3... Kxf7 captures: "Peça capturada!".
    Play({{Square::E8, Square::F7}});
    EXPECT_EQ(Status(), "Peça capturada!");
    // A quiet move leaves the last text.
    Play({{Square::G1, Square::F3}});
    EXPECT_EQ(Status(), "Peça capturada!");
    EXPECT_TRUE(boxes.messages.isEmpty());
}

TEST_F(GameWindow, AQuietMoveAfterCheckLeavesCheck)
{
    Play({{Square::E2, Square::E4}, {Square::F7, Square::F5}, {Square::D1, Square::H5}});
    EXPECT_EQ(Status(), "Cheque!");
    Play({{Square::G7, Square::G6}});
    EXPECT_EQ(Status(), "Cheque!");
}

TEST_F(GameWindow, ACaptureThatPromotesEndsOnPromotion)
{
    SetUpPosition(PlacementOf({{Square::A8, 'r'}, {Square::B7, 'P'}, {Square::H6, 'k'}, {Square::E1, 'K'}}), true);
    Play({{Square::B7, Square::A8}});
    EXPECT_EQ(Status(), "Peão promovido!");
}

TEST_F(GameWindow, StalemateShowsDrawWithoutAMessageBox)
{
    SetUpPosition(PlacementOf({{Square::A8, 'k'}, {Square::B6, 'K'}, {Square::D7, 'Q'}}), true);
    Play({{Square::D7, Square::C7}});
    EXPECT_EQ(Status(), "Empate!");
    EXPECT_TRUE(boxes.messages.isEmpty());
}

TEST_F(GameWindow, AnIllegalDropIsReported)
{
    ASSERT_TRUE(form.ChessBoard1->OnIllegalMove);
    form.ChessBoard1->OnIllegalMove(form.ChessBoard1, Square::E2);
    EXPECT_EQ(Status(), "Movimento ilegal!");
    EXPECT_FALSE(form.ChessBoard1->OnCastle);
    EXPECT_FALSE(form.ChessBoard1->OnStaleMate);
    EXPECT_FALSE(form.ChessBoard1->OnPaint);
}

TEST(MoveSlotOfLine, EachLineNamesThePositionAfterItsMove)
{
    EXPECT_EQ(MoveSlotOfLine(0), std::make_pair(1, false));
    EXPECT_EQ(MoveSlotOfLine(1), std::make_pair(2, true));
    EXPECT_EQ(MoveSlotOfLine(2), std::make_pair(2, false));
    EXPECT_EQ(MoveSlotOfLine(3), std::make_pair(3, true));
    EXPECT_EQ(MoveSlotOfLine(40), std::make_pair(21, false));
}

TEST_F(GameWindow, ClickingALineGoesBackToThePositionAfterThatMove)
{
    Play({{Square::E2, Square::E4},
          {Square::E7, Square::E5},
          {Square::G1, Square::F3},
          {Square::B8, Square::C6},
          {Square::F1, Square::B5}});
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const auto clickLine = [this](int row) {
        const QRect rect = form.ListBox1->visualItemRect(form.ListBox1->item(row));
        QTest::mouseClick(form.ListBox1->viewport(), Qt::LeftButton, {}, rect.center());
    };

    // The fourth line, Black's second move: White to move, knight on c6,
    // no bishop on b5 yet.
    clickLine(3);
    EXPECT_TRUE(form.ChessBoard1->WhiteToMove());
    EXPECT_EQ(form.ChessBoard1->PieceAt(Square::C6), 'n');
    EXPECT_EQ(form.ChessBoard1->PieceAt(Square::B5), ' ');
    EXPECT_EQ(form.ChessBoard1->PieceAt(Square::F1), 'B');

    // The first line: after 1. e4, Black to move.
    clickLine(0);
    EXPECT_FALSE(form.ChessBoard1->WhiteToMove());
    EXPECT_EQ(form.ChessBoard1->PieceAt(Square::E4), 'P');
    EXPECT_EQ(form.ChessBoard1->PieceAt(Square::E5), ' ');

    // The keyboard moves the selection and goes along.
    QTest::keyClick(form.ListBox1, Qt::Key_Down);
    EXPECT_EQ(form.ListBox1->currentRow(), 1);
    EXPECT_TRUE(form.ChessBoard1->WhiteToMove());
    EXPECT_EQ(form.ChessBoard1->PieceAt(Square::E5), 'p');

    // The list itself is left as it was.
    EXPECT_EQ(form.ListBox1->count(), 5);
    form.hide();
}

TEST_F(GameWindow, NovoJogoResetsOnlyTheBoard)
{
    Play({{Square::E2, Square::E4}, {Square::F7, Square::F5}, {Square::D1, Square::H5}});
    form.Humano1->setChecked(true);
    form.Difcil2->trigger();
    const QStringList lines = form.ListBox1->Lines();

    form.NovoJogo1->trigger();
    EXPECT_EQ(form.ChessBoard1->Position(), "rnbqkbnrpppppppp                                PPPPPPPPRNBQKBNR");
    EXPECT_TRUE(form.ChessBoard1->WhiteToMove());
    EXPECT_EQ(form.ListBox1->Lines(), lines);
    EXPECT_EQ(Status(), "Cheque!");
    EXPECT_TRUE(form.Humano1->isChecked());
    EXPECT_EQ(form.ChessBoard1->SearchDepth(), 4);

    // A leftover line that names no stored position changes nothing.
    form.ListBox1->setCurrentRow(2);
    form.ListBox1Click(form.ListBox1);
    EXPECT_EQ(form.ChessBoard1->Position(), "rnbqkbnrpppppppp                                PPPPPPPPRNBQKBNR");
    EXPECT_TRUE(boxes.errors.isEmpty());

    // The first move of the new game rebuilds the list.
    Play({{Square::D2, Square::D4}});
    EXPECT_EQ(form.ListBox1->count(), 1);
}

TEST_F(GameWindow, EachPairOfBoxesChoosesOnePlayer)
{
    form.Humano1->click();
    EXPECT_TRUE(form.Humano1->isChecked());
    EXPECT_FALSE(form.Computador1->isChecked());
    EXPECT_FALSE(form.ChessBoard1->ComputerPlaysBlack());

    form.Computador2->click();
    EXPECT_FALSE(form.Humano2->isChecked());
    EXPECT_TRUE(form.ChessBoard1->ComputerPlaysWhite());

    // Clearing a box leaves its partner and the board as they are.
    form.Computador2->click();
    EXPECT_FALSE(form.Computador2->isChecked());
    EXPECT_FALSE(form.Humano2->isChecked());
    EXPECT_TRUE(form.ChessBoard1->ComputerPlaysWhite());

    form.Humano2->click();
    EXPECT_FALSE(form.ChessBoard1->ComputerPlaysWhite());
    form.Computador1->click();
    EXPECT_FALSE(form.Humano1->isChecked());
    EXPECT_TRUE(form.ChessBoard1->ComputerPlaysBlack());
    EXPECT_FALSE(form.ChessBoard1->ComputerPlaysWhite());
}

TEST_F(GameWindow, DifficultyItemsSetTheSearchDepthOnly)
{
    const struct {
        QAction* item;
        int depth;
    } levels[] = {{form.Fcil1, 2}, {form.Difcil1, 3}, {form.Difcil2, 4}, {form.SuperDifcil1, 5}, {form.SuperFcil1, 1}};
    for (const auto& [item, depth] : levels) {
        item->trigger();
        EXPECT_EQ(form.ChessBoard1->SearchDepth(), depth) << item->text().toStdString();
        EXPECT_TRUE(item->isChecked());
        EXPECT_TRUE(form.ChessBoard1->ComputerPlaysBlack());
    }
    form.Difcil2->trigger();
    EXPECT_FALSE(form.SuperFcil1->isChecked());
}

TEST_F(GameWindow, SairEndsTheApplication)
{
    form.Sair1->trigger();
    EXPECT_EQ(boxes.endRequests, 1);
}

TEST_F(GameWindow, HelpDocumentsOpenFromTheCurrentFolder)
{
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    ASSERT_TRUE(WriteFile(folder.filePath("DOC/JOGO.html"), "<p>Regras</p>"));

    form.Regras1->trigger();
    ASSERT_EQ(boxes.opened.size(), 1);
    EXPECT_EQ(boxes.opened[0], QUrl::fromLocalFile(QFileInfo(folder.filePath("DOC/JOGO.html")).absoluteFilePath()));

    // History is not present anywhere here: nothing is opened, nothing said.
    form.Histria1->trigger();
    EXPECT_EQ(boxes.opened.size(), 1);
    EXPECT_TRUE(boxes.errors.isEmpty());
    QDir::setCurrent(previous);
}

TEST_F(GameWindow, ADocumentNoProgramCanOpenIsSaidWithItsPlace)
{
    QTemporaryDir folder, tools;
    const QString previous = QDir::currentPath();
    const QByteArray path = qgetenv("PATH");
    QDir::setCurrent(folder.path());
    ASSERT_TRUE(WriteFile(folder.filePath("DOC/JOGO.html"), "<p>Regras</p>"));
    ASSERT_TRUE(WriteFile(folder.filePath("DOC/HISTORIA.html"), "<p>História</p>"));
    const QString rules = QFileInfo(folder.filePath("DOC/JOGO.html")).absoluteFilePath();
    const QString history = QFileInfo(folder.filePath("DOC/HISTORIA.html")).absoluteFilePath();
    SetShellOpenSink({});
    const auto opener = [&](int status) {
        const QString name = tools.filePath("xdg-open");
        QFile::remove(name);
        ASSERT_TRUE(WriteFile(name, QStringLiteral("#!/bin/sh\nexit %1\n").arg(status).toUtf8()));
        QFile::setPermissions(name, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", tools.path().toLocal8Bit());
    };

    // No desktop opener at all.
    qputenv("PATH", tools.path().toLocal8Bit());
    form.Regras1->trigger();
    PumpUntil([&] { return !boxes.messages.isEmpty(); }, 5000);
    ASSERT_EQ(boxes.messages.size(), 1);
    EXPECT_TRUE(boxes.messages[0].contains(rules)) << boxes.messages[0].toStdString();
    EXPECT_TRUE(boxes.messages[0].contains("Nenhum programa")) << boxes.messages[0].toStdString();

    // An opener that finds no program for the file (xdg-open's status 3).
    opener(3);
    form.Histria1->trigger();
    PumpUntil([&] { return boxes.messages.size() > 1; }, 10000);
    ASSERT_EQ(boxes.messages.size(), 2);
    EXPECT_TRUE(boxes.messages[1].contains(history)) << boxes.messages[1].toStdString();

    // One that opens it: nothing to say.
    opener(0);
    form.Regras1->trigger();
    PumpFor(1500);
    EXPECT_EQ(boxes.messages.size(), 2);

    qputenv("PATH", path);
    QDir::setCurrent(previous);
}

TEST_F(GameWindow, SideWindowItemsShowTheirWindows)
{
    QWidget mediaPlayer;
    QWidget online;
    QWidget about;
    // Before the windows are known the items do nothing.
    form.Jogar1->trigger();
    form.SetMediaPlayerWindow(&mediaPlayer);
    form.SetOnlineWindow(&online);
    form.SetAboutWindow(&about);
    form.Abrir3->trigger();
    EXPECT_TRUE(mediaPlayer.isVisible());
    EXPECT_FALSE(online.isVisible());
    form.Jogar1->trigger();
    EXPECT_TRUE(online.isVisible());
    form.Sobre1->trigger();
    EXPECT_TRUE(about.isVisible());
}

TEST_F(GameWindow, PrintingWithoutAPrinterIsReportedInTheErrorBox)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a default printer";
    Play({{Square::E2, Square::E4}});
    form.BitBtn1->click();
    EXPECT_EQ(boxes.errors, QStringList({"There is no default printer currently selected."}));
    // The window goes on: the next move still lands in the list.
    Play({{Square::E7, Square::E5}});
    EXPECT_EQ(form.ListBox1->count(), 2);
}
