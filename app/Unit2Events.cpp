// The game window's reactions: the board's events on the status line and
// the move list, going back through the list, and the player check boxes.
#include "app/Application.h"
#include "app/GameFiles.h"
#include "app/MoveListBox.h"
#include "app/Unit2.h"
#include "board/ChessBoard.h"
#include "platform/ErrorBox.h"

#include <QCheckBox>
#include <QLabel>

#include <string>
#include <vector>

void TForm2::ConnectBoardEvents()
{
    TChessBoard* board = ChessBoard1;
    board->OnLegalMove = [this](QObject* s, Square a, Square b) { ChessBoard1LegalMove(s, a, b); };
    board->OnIllegalMove = [this](QObject* s, Square a) { ChessBoard1IllegalMove(s, a); };
    board->OnCapture = [this](QObject* s, Square a, Square b, char p) { ChessBoard1Capture(s, a, b, p); };
    board->OnPromotion = [this](QObject* s, Square a, Square b, char& p) { ChessBoard1Promotion(s, a, b, p); };
    board->OnCheck = [this](QObject* s, Square a, Square b) { ChessBoard1Check(s, a, b); };
    board->OnMate = [this](QObject* s, Square a, Square b) { ChessBoard1Mate(s, a, b); };
    board->OnDraw = [this](QObject* s) { ChessBoard1Draw(s); };
}

void TForm2::ConnectControls()
{
    connect(ListBox1, &MoveListBox::Click, this, [this] { ListBox1Click(ListBox1); });
    // A box's handler runs whenever its state changes, also when its
    // partner clears it; it acts only on becoming checked.
    connect(Computador1, &QCheckBox::toggled, this, [this] { Computador1Click(Computador1); });
    connect(Humano1, &QCheckBox::toggled, this, [this] { Humano1Click(Humano1); });
    connect(Computador2, &QCheckBox::toggled, this, [this] { Computador2Click(Computador2); });
    connect(Humano2, &QCheckBox::toggled, this, [this] { Humano2Click(Humano2); });
}

void TForm2::ChessBoard1LegalMove(QObject*, Square, Square)
{
    RebuildMoveList();
    ScheduleGameChanged();
}

void TForm2::ChessBoard1IllegalMove(QObject*, Square)
{
    SetStatus(StatusText::IllegalMove());
    KeepResultAfterRefusedMove();
}

void TForm2::ChessBoard1Capture(QObject*, Square, Square, char)
{
    SetStatus(StatusText::Capture());
}
void TForm2::ChessBoard1Promotion(QObject*, Square, Square, char&)
{
    SetStatus(StatusText::Promotion());
}
void TForm2::ChessBoard1Check(QObject*, Square, Square)
{
    SetStatus(StatusText::Check());
}

void TForm2::ChessBoard1Draw(QObject*)
{
    SetStatus(StatusText::Draw());
    AnnounceEndOfGame();
}

void TForm2::ChessBoard1Mate(QObject*, Square, Square)
{
    SetStatus(StatusText::Mate());
    // Modal: the board's remaining steps of the move follow once it closes.
    ShowMessage(StatusText::Mate());
}

void TForm2::ListBox1Click(QObject*)
{
    const int index = ListBox1->currentRow();
    if (index < 0)
        return;
    // A game's variations have lines of their own in the list.
    if (GameFiles->ShowListLine(index)) {
        FollowMoveList();
        GameChanged();
        return;
    }
    const auto [moveNumber, whiteToMove] = MoveSlotOfLine(index);
    // A line that names no stored position (one left from an earlier game)
    // is refused by the board; the position stays. (Init-captures: clang
    // before 16 cannot capture a structured binding.)
    RunGuarded([this, number = moveNumber, white = whiteToMove] { ChessBoard1->GotoMove(number, white); });
    FollowMoveList();
    GameChanged();
}

void TForm2::Computador1Click(QObject*)
{
    if (!Computador1->isChecked())
        return;
    Humano1->setChecked(false);
    RunGuarded([this] { ChessBoard1->SetComputerPlaysBlack(true); });
}

void TForm2::Humano1Click(QObject*)
{
    if (!Humano1->isChecked())
        return;
    Computador1->setChecked(false);
    RunGuarded([this] { ChessBoard1->SetComputerPlaysBlack(false); });
}

void TForm2::Computador2Click(QObject*)
{
    if (!Computador2->isChecked())
        return;
    Humano2->setChecked(false);
    RunGuarded([this] { ChessBoard1->SetComputerPlaysWhite(true); });
}

void TForm2::Humano2Click(QObject*)
{
    if (!Humano2->isChecked())
        return;
    Computador2->setChecked(false);
    RunGuarded([this] { ChessBoard1->SetComputerPlaysWhite(false); });
}
