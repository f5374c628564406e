// The game window's additions: the "Partida" commands (turning the board,
// taking moves back and replaying them against the computer and between two
// people, "Continuar"), the switches of "Opções" each on and off (the turn
// mark, the list following the game, the end-of-game notices, the slow
// animation), the computer moving after "Novo Jogo" and "Carregar", and the
// choices remembered through QSettings.
#include "AppTestSupport.h"
#include "app/GameFile.h"
#include "app/MoveListBox.h"
#include "app/Unit2.h"
#include "board/ChessBoard.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <initializer_list>
#include <iostream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using Move = std::pair<Square, Square>;
const std::string Initial = "rnbqkbnrpppppppp                                PPPPPPPPRNBQKBNR";

std::string Placement(std::initializer_list<std::pair<Square, char>> pieces)
{
    std::string position(64, ' ');
    for (const auto& [square, piece] : pieces)
        position[static_cast<std::size_t>(Ord(square) - 1)] = piece;
    return position;
}

QStringList Captions(QMenu* menu)
{
    QStringList list;
    for (QAction* action : menu->actions())
        if (!action->isSeparator())
            list.append(action->text());
    return list;
}

// The window's pending updates (they follow a move once it is complete).
void Settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

class Additions : public ::testing::Test {
protected:
    void Play(std::initializer_list<Move> moves)
    {
        for (const auto& [from, to] : moves)
            ASSERT_TRUE(form.ChessBoard1->MakeMove(from, to)) << Ord(from) << "-" << Ord(to);
        Settle();
    }
    // A game of the given length without repetitions: pawn moves first,
    // then any legal move.
    void PlayLongGame(int plies)
    {
        TChessBoard& board = *form.ChessBoard1;
        for (int ply = 0; ply < plies; ++ply) {
            Move chosen{Square::None, Square::None};
            for (int pass = 0; pass < 2 && chosen.first == Square::None; ++pass)
                for (int from = 1; from <= 64 && chosen.first == Square::None; ++from) {
                    const char piece = board.PieceAt(SquareFromOrd(from));
                    if (pass == 0 && piece != 'P' && piece != 'p')
                        continue;
                    for (int to = 1; to <= 64; ++to)
                        if (board.IsLegalMove(SquareFromOrd(from), SquareFromOrd(to))) {
                            chosen = {SquareFromOrd(from), SquareFromOrd(to)};
                            break;
                        }
                }
            ASSERT_NE(chosen.first, Square::None) << "no move at ply " << ply;
            ASSERT_TRUE(board.MakeMove(chosen.first, chosen.second));
        }
        Settle();
    }
    void SetUpPosition(const std::string& position, bool whiteToMove)
    {
        form.ChessBoard1->SetPosition(position);
        form.ChessBoard1->SetWhiteToMove(whiteToMove);
        form.ChessBoard1->SetCastlingAllowed(CastleSet());
    }
    QString Status() const { return form.Panel1->text(); }
    // Shown and active, so that its shortcuts answer keys.
    void ShowActive()
    {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    // Whether the row's line lies inside the list's visible area.
    bool RowVisible(int row) const
    {
        const QRect line = form.ListBox1->visualItemRect(form.ListBox1->item(row));
        return form.ListBox1->viewport()->rect().contains(line.center());
    }

    CapturedBoxes boxes;
    TForm2 form{nullptr, true};
};

} // namespace

TEST_F(Additions, PartidaAndOpcoesHoldTheirItemsAllOffAtFirst)
{
    EXPECT_EQ(Captions(form.Partida1).mid(0, 4),
              QStringList({"Virar tabuleiro", "Voltar lance", "Refazer lance", "Continuar"}));
    EXPECT_EQ(form.VirarTabuleiro1->shortcut(), QKeySequence("Ctrl+F"));
    EXPECT_EQ(form.VoltarLance1->shortcut(), QKeySequence("Ctrl+Z"));
    EXPECT_EQ(form.RefazerLance1->shortcut(), QKeySequence("Ctrl+Shift+Z"));
    EXPECT_TRUE(form.Continuar1->shortcuts().contains(QKeySequence("Ctrl+Return")));
    EXPECT_TRUE(form.Continuar1->shortcuts().contains(QKeySequence("Ctrl+Enter")));

    QStringList switches;
    for (const char* caption : {"Mover com cliques", "Destacar último lance", "Destacar xeque",
                                "Mostrar lances possíveis", "Escolher peça na promoção", "Mostrar de quem é a vez",
                                "Acompanhar a lista", "Avisar fim de partida", "Animação lenta"})
        switches.append(QString::fromUtf8(caption));
    EXPECT_EQ(Captions(form.Opcoes1).mid(0, switches.size()), switches);
    for (QAction* option : form.Opcoes1->actions()) {
        if (option->menu() != nullptr || option->isSeparator())
            continue;
        EXPECT_TRUE(option->isCheckable()) << option->text().toStdString();
        EXPECT_FALSE(option->isChecked()) << option->text().toStdString();
    }
    // Nothing to take back or replay in a new game; the person has the
    // first move, so there is nothing to continue either.
    EXPECT_FALSE(form.VoltarLance1->isEnabled());
    EXPECT_FALSE(form.RefazerLance1->isEnabled());
    EXPECT_FALSE(form.Continuar1->isEnabled());
    form.ChessBoard1->MakeMove(Square::E2, Square::E4);
    Settle();
    EXPECT_TRUE(form.Continuar1->isEnabled());
    form.Humano1->click();
    Settle();
    EXPECT_FALSE(form.Continuar1->isEnabled());
    EXPECT_FALSE(form.TurnMark1->isVisibleTo(&form));
    EXPECT_FALSE(form.TurnMark2->isVisibleTo(&form));
    EXPECT_EQ(form.ChessBoard1->AnimationDelay(), 0);
}

TEST_F(Additions, TheBoardSwitchesSetTheBoardsPropertiesAndAreRemembered)
{
    TChessBoard& board = *form.ChessBoard1;
    const struct {
        QAction* action;
        bool (TChessBoard::*property)() const;
        const char* key;
    } switches[] = {
        {form.MoverComCliques1, &TChessBoard::ClickToMove, "Opcoes/MoverComCliques"},
        {form.DestacarUltimoLance1, &TChessBoard::HighlightLastMove, "Opcoes/DestacarUltimoLance"},
        {form.DestacarXeque1, &TChessBoard::HighlightCheck, "Opcoes/DestacarXeque"},
        {form.MostrarLancesPossiveis1, &TChessBoard::ShowLegalMoves, "Opcoes/MostrarLancesPossiveis"},
        {form.EscolherPeca1, &TChessBoard::AskPromotionPiece, "Opcoes/EscolherPeca"},
    };
    for (const auto& [action, property, key] : switches) {
        EXPECT_FALSE((board.*property)()) << key;
        action->trigger();
        EXPECT_TRUE((board.*property)()) << key;
        EXPECT_TRUE(QSettings(TForm2::SettingsOrganisation(), TForm2::SettingsApplication()).value(key).toBool());
    }
    {
        TForm2 again(nullptr, true);
        for (const auto& [action, property, key] : switches)
            EXPECT_TRUE((again.ChessBoard1->*property)()) << key;
    }
    for (const auto& [action, property, key] : switches) {
        action->trigger();
        EXPECT_FALSE((board.*property)()) << key;
    }
    TForm2 third(nullptr, true);
    for (const auto& [action, property, key] : switches)
        EXPECT_FALSE((third.ChessBoard1->*property)()) << key;
}

TEST_F(Additions, VirarTabuleiroTurnsTheBoardAndBack)
{
    ShowActive();
    const QImage before = form.ChessBoard1->Canvas().copy();
    QTest::keyClick(&form, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(form.ChessBoard1->WhiteOnTop());
    EXPECT_NE(form.ChessBoard1->Canvas(), before);
    form.VirarTabuleiro1->trigger();
    EXPECT_FALSE(form.ChessBoard1->WhiteOnTop());
    EXPECT_EQ(form.ChessBoard1->Canvas(), before);
    form.hide();
}

TEST_F(Additions, AgainstTheComputerTakingBackReturnsToThePersonsTurn)
{
    // As stored, the computer plays Black: each step is the person's move
    // and the computer's reply.
    Play({{Square::E2, Square::E4}, {Square::E7, Square::E5}, {Square::G1, Square::F3}, {Square::B8, Square::C6}});
    const std::string afterTwoMoves = form.ChessBoard1->Position();
    ASSERT_TRUE(form.VoltarLance1->isEnabled());
    EXPECT_FALSE(form.RefazerLance1->isEnabled());

    form.VoltarLance1->trigger();
    EXPECT_TRUE(form.ChessBoard1->WhiteToMove());
    EXPECT_EQ(form.ChessBoard1->PieceAt(Square::G1), 'N');
    EXPECT_EQ(form.ChessBoard1->PieceAt(Square::E5), 'p');
    EXPECT_EQ(form.ListBox1->Lines(), QStringList({"1. E2-E4", "              E7-E5"}));
    EXPECT_TRUE(form.RefazerLance1->isEnabled());

    form.VoltarLance1->trigger();
    EXPECT_EQ(form.ChessBoard1->Position(), Initial);
    EXPECT_EQ(form.ListBox1->count(), 0);
    EXPECT_FALSE(form.VoltarLance1->isEnabled());

    // Replayed the same way: the person's move with the reply.
    form.RefazerLance1->trigger();
    Settle();
    EXPECT_EQ(form.ListBox1->count(), 2);
    EXPECT_TRUE(form.ChessBoard1->WhiteToMove());
    form.RefazerLance1->trigger();
    Settle();
    EXPECT_EQ(form.ChessBoard1->Position(), afterTwoMoves);
    EXPECT_EQ(form.ListBox1->count(), 4);
    EXPECT_FALSE(form.RefazerLance1->isEnabled());
    EXPECT_TRUE(form.VoltarLance1->isEnabled());

    // The person's move while the computer is to move: only it goes back.
    Play({{Square::F1, Square::C4}});
    form.VoltarLance1->trigger();
    EXPECT_EQ(form.ChessBoard1->Position(), afterTwoMoves);
    EXPECT_EQ(form.ListBox1->count(), 4);
}

TEST_F(Additions, BetweenTwoPeopleEachStepIsOneHalfMoveAndANewMoveEndsTheReplay)
{
    ShowActive();
    form.Humano1->click();
    Play({{Square::D2, Square::D4}, {Square::D7, Square::D5}, {Square::C2, Square::C4}});
    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
    Settle();
    EXPECT_TRUE(form.ChessBoard1->WhiteToMove());
    EXPECT_EQ(form.ChessBoard1->PieceAt(Square::C2), 'P');
    EXPECT_EQ(form.ListBox1->count(), 2);
    form.VoltarLance1->trigger();
    EXPECT_EQ(form.ListBox1->Lines(), QStringList({"1. D2-D4"}));

    form.RefazerLance1->trigger();
    Settle();
    EXPECT_EQ(form.ListBox1->count(), 2);
    EXPECT_EQ(form.ChessBoard1->PieceAt(Square::D5), 'p');
    ASSERT_TRUE(form.RefazerLance1->isEnabled());

    // Another move instead of c4: the rest cannot be replayed any more.
    Play({{Square::G1, Square::F3}});
    EXPECT_FALSE(form.RefazerLance1->isEnabled());
    EXPECT_EQ(form.ListBox1->Lines(), QStringList({"1. D2-D4", "              D7-D5", "2. G1-F3"}));
    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form.ListBox1->count(), 3);
    form.hide();
}

TEST_F(Additions, TheTurnMarkStandsBesideTheSideToMoveWhenSwitchedOn)
{
    Play({{Square::E2, Square::E4}});
    EXPECT_FALSE(form.TurnMark1->isVisibleTo(&form));

    form.MostrarVez1->trigger();
    EXPECT_TRUE(form.TurnMark1->isVisibleTo(&form));
    EXPECT_FALSE(form.TurnMark2->isVisibleTo(&form));
    EXPECT_EQ(form.TurnMark1->text(), QString::fromUtf8("◀"));
    // Beside the Black player's boxes, clear of them and of the board.
    EXPECT_EQ(form.TurnMark1->geometry().top(), form.Computador1->geometry().top());
    EXPECT_GE(form.TurnMark1->geometry().left(), form.Computador1->geometry().right());
    EXPECT_LT(form.TurnMark1->geometry().right(), 248);

    Play({{Square::E7, Square::E5}});
    EXPECT_TRUE(form.TurnMark2->isVisibleTo(&form));
    EXPECT_FALSE(form.TurnMark1->isVisibleTo(&form));
    form.VoltarLance1->trigger();
    EXPECT_TRUE(form.TurnMark2->isVisibleTo(&form));

    form.MostrarVez1->trigger();
    EXPECT_FALSE(form.TurnMark1->isVisibleTo(&form));
    EXPECT_FALSE(form.TurnMark2->isVisibleTo(&form));
}

TEST_F(Additions, TheListFollowsTheGameWhenSwitchedOn)
{
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.Humano1->click();
    PlayLongGame(40);
    ASSERT_EQ(form.ListBox1->count(), 40);
    // As specified: the list shows its first lines, none selected.
    EXPECT_EQ(form.ListBox1->currentRow(), -1);
    EXPECT_TRUE(RowVisible(0));
    EXPECT_FALSE(RowVisible(39));

    form.AcompanharLista1->trigger();
    EXPECT_EQ(form.ListBox1->currentRow(), 39);
    EXPECT_TRUE(RowVisible(39));
    PlayLongGame(1);
    EXPECT_EQ(form.ListBox1->currentRow(), 40);
    EXPECT_TRUE(RowVisible(40));
    EXPECT_FALSE(RowVisible(0));

    // Going back through the list keeps the chosen line; taking back shows
    // the line of the position reached.
    form.ListBox1->setCurrentRow(30);
    form.ListBox1Click(form.ListBox1);
    EXPECT_EQ(form.ListBox1->currentRow(), 30);
    EXPECT_TRUE(RowVisible(30));
    form.VoltarLance1->trigger();
    EXPECT_EQ(form.ListBox1->count(), 30);
    EXPECT_EQ(form.ListBox1->currentRow(), 29);
    EXPECT_TRUE(RowVisible(29));

    // Switched off, a move brings back the list as specified.
    form.AcompanharLista1->trigger();
    PlayLongGame(1);
    EXPECT_EQ(form.ListBox1->currentRow(), -1);
    EXPECT_TRUE(RowVisible(0));
    form.hide();
}

TEST_F(Additions, EveryEndOfGameIsAnnouncedWhenSwitchedOn)
{
    form.Humano1->click();
    const std::string stalemate = Placement({{Square::A8, 'k'}, {Square::B6, 'K'}, {Square::D7, 'Q'}});
    SetUpPosition(stalemate, true);
    Play({{Square::D7, Square::C7}});
    EXPECT_TRUE(boxes.messages.isEmpty());
    // Off: a refused move then says so.
    form.ChessBoard1->OnIllegalMove(form.ChessBoard1, Square::A8);
    EXPECT_EQ(Status(), "Movimento ilegal!");

    form.AvisarFim1->trigger();
    SetUpPosition(stalemate, true);
    Play({{Square::D7, Square::C7}});
    EXPECT_EQ(Status(), "Empate!");
    EXPECT_EQ(boxes.messages, QStringList({QString::fromUtf8("Empate por afogamento.")}));
    form.ChessBoard1->OnIllegalMove(form.ChessBoard1, Square::A8);
    EXPECT_EQ(Status(), "Empate!");

    // Mate keeps its own box, and its result stays after a refused move.
    boxes.messages.clear();
    form.NovoJogo1->trigger();
    Play({{Square::F2, Square::F3}, {Square::E7, Square::E5}, {Square::G2, Square::G4}, {Square::D8, Square::H4}});
    EXPECT_EQ(boxes.messages, QStringList({"Cheque Mate!"}));
    form.ChessBoard1->OnIllegalMove(form.ChessBoard1, Square::E1);
    EXPECT_EQ(Status(), "Cheque Mate!");

    // The third repetition.
    boxes.messages.clear();
    form.NovoJogo1->trigger();
    Play({{Square::G1, Square::F3},
          {Square::G8, Square::F6},
          {Square::F3, Square::G1},
          {Square::F6, Square::G8},
          {Square::G1, Square::F3},
          {Square::G8, Square::F6},
          {Square::F3, Square::G1},
          {Square::F6, Square::G8}});
    ASSERT_EQ(boxes.messages.size(), 1);
    EXPECT_TRUE(boxes.messages[0].contains(QString::fromUtf8("repetição"))) << boxes.messages[0].toStdString();

    // Too little material: said once, though every later move is a draw.
    boxes.messages.clear();
    form.NovoJogo1->trigger();
    SetUpPosition(Placement({{Square::A8, 'k'}, {Square::C6, 'n'}, {Square::E1, 'K'}, {Square::B4, 'B'}}), true);
    Play({{Square::B4, Square::C5}});
    Play({{Square::C6, Square::D4}});
    EXPECT_EQ(boxes.messages, QStringList({QString::fromUtf8("Empate por falta de material para dar mate.")}));
    EXPECT_EQ(Status(), "Empate!");
    // The game goes on, so a refused move is still reported.
    form.ChessBoard1->OnIllegalMove(form.ChessBoard1, Square::A8);
    EXPECT_EQ(Status(), "Movimento ilegal!");
}

TEST_F(Additions, SlowAnimationSlidesTheComputersMoveForAboutAQuarterSecond)
{
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const auto slide = [this](Square from, Square to) {
        QElapsedTimer timer;
        timer.start();
        EXPECT_TRUE(form.ChessBoard1->MakeMove(from, to));
        return std::pair{timer.elapsed(), form.ChessBoard1->LastAnimationPath().size()};
    };
    const auto [fast, fastSteps] = slide(Square::E2, Square::E4);
    form.AnimacaoLenta1->trigger();
    EXPECT_EQ(form.ChessBoard1->AnimationDelay(), TForm2::SlowAnimationDelay);
    const auto [slow, slowSteps] = slide(Square::E7, Square::E5);
    const auto [knight, knightSteps] = slide(Square::G1, Square::F3);
    std::cout << "slide of two squares: " << fast << " ms (" << fastSteps << " steps) without, " << slow << " ms ("
              << slowSteps << " steps) with the slow animation; a knight's move " << knight << " ms (" << knightSteps
              << " steps)\n";
    // Each pixel's step lasts longer than the delay.
    EXPECT_EQ(slowSteps, fastSteps);
    EXPECT_GE(slow, static_cast<qint64>(slowSteps) * TForm2::SlowAnimationDelay);
    EXPECT_GT(slow, fast);

    form.AnimacaoLenta1->trigger();
    EXPECT_EQ(form.ChessBoard1->AnimationDelay(), 0);
    form.hide();
}

TEST_F(Additions, ChoicesAreRememberedAndAFreshWindowTakesThemBack)
{
    form.MostrarVez1->trigger();
    form.AvisarFim1->trigger();
    form.AnimacaoLenta1->trigger();
    form.Difcil1->trigger();
    form.Humano1->click();
    form.Computador2->click();

    const QSettings stored(TForm2::SettingsOrganisation(), TForm2::SettingsApplication());
    EXPECT_TRUE(stored.value("Opcoes/MostrarVez").toBool());
    EXPECT_FALSE(stored.value("Opcoes/AcompanharLista", false).toBool());
    EXPECT_EQ(stored.value("Jogo/Dificuldade").toInt(), 3);

    TForm2 again(nullptr, true);
    EXPECT_TRUE(again.MostrarVez1->isChecked());
    EXPECT_FALSE(again.AcompanharLista1->isChecked());
    EXPECT_TRUE(again.AvisarFim1->isChecked());
    EXPECT_TRUE(again.AnimacaoLenta1->isChecked());
    EXPECT_EQ(again.ChessBoard1->AnimationDelay(), TForm2::SlowAnimationDelay);
    EXPECT_TRUE(again.TurnMark2->isVisibleTo(&again));
    EXPECT_TRUE(again.Difcil1->isChecked());
    EXPECT_EQ(again.ChessBoard1->SearchDepth(), 3);
    EXPECT_TRUE(again.Humano1->isChecked());
    EXPECT_FALSE(again.Computador1->isChecked());
    EXPECT_TRUE(again.Computador2->isChecked());
    EXPECT_FALSE(again.ChessBoard1->ComputerPlaysBlack());
    EXPECT_TRUE(again.ChessBoard1->ComputerPlaysWhite());

    // The window goes back where it was left, not to the centre.
    again.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
    const QPoint moved = again.pos() + QPoint(5, 7);
    again.move(moved);
    again.hide();
    EXPECT_EQ(
        QSettings(TForm2::SettingsOrganisation(), TForm2::SettingsApplication()).value("Janela/Posicao").toPoint(),
        moved);
    TForm2 third(nullptr, true);
    third.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&third));
    EXPECT_EQ(third.pos(), moved);
    third.hide();
}

namespace {

// The window with its computer player running.
class WithComputer : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    void TearDown() override { form.hide(); }
    int Lines() const { return form.ListBox1->count(); }

    CapturedBoxes boxes;
    TForm2 form{nullptr, false};
};

} // namespace

TEST_F(WithComputer, TheComputerAnswersAfterNovoJogoWhenItPlaysWhite)
{
    form.Computador2->click();
    ASSERT_TRUE(PumpUntil([this] { return Lines() >= 2; }, 20000)) << "the computer did not play both sides";
    // Black back to a person: the computer stops after its move for White.
    form.Humano1->click();
    ASSERT_TRUE(PumpUntil([this] { return !form.ChessBoard1->WhiteToMove(); }, 20000));

    form.NovoJogo1->trigger();
    EXPECT_EQ(form.ChessBoard1->Position(), Initial);
    EXPECT_TRUE(PumpUntil([this] { return form.ChessBoard1->Position() != Initial; }, 20000))
        << "the computer did not move for White in the new game";
    EXPECT_FALSE(form.ChessBoard1->WhiteToMove());
    EXPECT_EQ(Lines(), 1);
}

TEST_F(WithComputer, TheComputerAnswersAfterCarregarWhenItIsToMove)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("posicao");
    SaveGameFile(path, Initial);
    // After 1. e4 the computer (Black) answers; back to the start by the
    // list leaves it stopped, and the loaded position is Black's to move.
    ASSERT_TRUE(form.ChessBoard1->PlayerMove(Square::E2, Square::E4));
    ASSERT_TRUE(PumpUntil([this] { return Lines() == 2; }, 20000));
    ASSERT_TRUE(form.ChessBoard1->GotoMove(1, false));
    const std::string afterE4 = form.ChessBoard1->Position();
    QTimer::singleShot(0, [path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();
    });
    form.Abrir1->trigger();
    EXPECT_EQ(form.ChessBoard1->Position(), Initial);
    EXPECT_TRUE(PumpUntil([this] { return form.ChessBoard1->WhiteToMove(); }, 20000))
        << "the computer did not move for Black in the loaded position";
    EXPECT_NE(form.ChessBoard1->Position(), Initial);
    EXPECT_NE(form.ChessBoard1->Position(), afterE4);
    EXPECT_TRUE(boxes.errors.isEmpty());
}

TEST_F(WithComputer, ContinuarLetsTheComputerPlayFromAPositionOfTheList)
{
    ASSERT_TRUE(form.ChessBoard1->PlayerMove(Square::E2, Square::E4));
    ASSERT_TRUE(PumpUntil([this] { return Lines() == 2; }, 20000));
    ASSERT_TRUE(form.ChessBoard1->PlayerMove(Square::G1, Square::F3));
    ASSERT_TRUE(PumpUntil([this] { return Lines() == 4; }, 20000));

    // The first line: after 1. e4, Black (the computer) to move. Going back
    // does not start it.
    form.ListBox1->setCurrentRow(0);
    form.ListBox1Click(form.ListBox1);
    const std::string afterE4 = form.ChessBoard1->Position();
    ASSERT_FALSE(form.ChessBoard1->WhiteToMove());
    QTest::qWait(400);
    EXPECT_EQ(form.ChessBoard1->Position(), afterE4);
    EXPECT_EQ(Lines(), 4);

    // The list has the keyboard after a click on a line; the key still
    // reaches the command.
    form.ListBox1->setFocus();
    QTest::keyClick(form.ListBox1, Qt::Key_Return, Qt::ControlModifier);
    ASSERT_TRUE(PumpUntil([this] { return form.ChessBoard1->WhiteToMove(); }, 20000))
        << "Continuar did not let the computer move";
    // Its move continues the game from there.
    EXPECT_EQ(Lines(), 2);
    EXPECT_NE(form.ChessBoard1->Position(), afterE4);
}

TEST_F(WithComputer, TakingBackStopsTheSearchAndTheComputerWaitsForThePerson)
{
    ASSERT_TRUE(form.ChessBoard1->PlayerMove(Square::E2, Square::E4));
    ASSERT_TRUE(PumpUntil([this] { return Lines() == 2; }, 20000));
    Settle();
    form.MostrarVez1->trigger();

    // The computer's reply and the person's move go back; it is the
    // person's turn and the computer stays quiet.
    form.VoltarLance1->trigger();
    EXPECT_EQ(form.ChessBoard1->Position(), Initial);
    EXPECT_EQ(Lines(), 0);
    QTest::qWait(400);
    EXPECT_EQ(form.ChessBoard1->Position(), Initial);
    EXPECT_TRUE(form.RefazerLance1->isEnabled());

    // A deep search under way: taking back ends it, and no move is made.
    form.SuperDifcil1->trigger();
    form.ChessBoard1->SetSearchDepth(8);
    ASSERT_TRUE(form.ChessBoard1->PlayerMove(Square::D2, Square::D4));
    ASSERT_TRUE(PumpUntil([this] { return form.ChessBoard1->Thinking(); }, 5000));
    ASSERT_TRUE(PumpUntil([this] { return form.TurnMark1->text().contains(QString::fromUtf8("pensando…")); }, 2000));
    form.VoltarLance1->trigger();
    EXPECT_FALSE(form.ChessBoard1->Thinking());
    EXPECT_EQ(form.ChessBoard1->Position(), Initial);
    QTest::qWait(400);
    EXPECT_EQ(form.ChessBoard1->Position(), Initial);
    EXPECT_EQ(Lines(), 0);
    EXPECT_TRUE(PumpUntil([this] { return form.TurnMark2->text() == QString::fromUtf8("◀"); }, 2000));
}
