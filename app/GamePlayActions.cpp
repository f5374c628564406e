// The game window's commands on the game ("Partida": turning the board,
// taking moves back and replaying them, letting the computer go on) and the
// window's reactions that follow the game when their switch in "Opções" is
// on: the mark of the side to move, the move list following the game and
// the notices of the end of the game.
#include "app/Application.h"
#include "app/GameClocks.h"
#include "app/GameEnding.h"
#include "app/GameFiles.h"
#include "app/MoveListBox.h"
#include "app/MoveListText.h"
#include "app/Unit2.h"
#include "board/ChessBoard.h"
#include "core/Rules.h"
#include "platform/ErrorBox.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QTimer>

#include <string>
#include <vector>

namespace {

// How the game stands in the board's current position.
enum class GameEnd { None, Mate, Stalemate, Repetition, NoMaterial };

GameEnd EndOfGame(const TChessBoard& board)
{
    if (!board.HasLegalMove()) {
        // The same square twice asks about the position as it stands.
        const bool check = board.WhiteToMove() ? board.WhiteKingAttacked(Square::A1, Square::A1)
                                               : board.BlackKingAttacked(Square::A1, Square::A1);
        return check ? GameEnd::Mate : GameEnd::Stalemate;
    }
    if (board.ThreefoldEndsGame() && board.ThreefoldRepetition())
        return GameEnd::Repetition;
    if (MatingMaterial(board.Board(), true) < 5 && MatingMaterial(board.Board(), false) < 5)
        return GameEnd::NoMaterial;
    return GameEnd::None;
}

QString EndOfGameMessage(GameEnd end)
{
    switch (end) {
    case GameEnd::Mate: return StatusText::Mate();
    case GameEnd::Stalemate: return QCoreApplication::translate("TForm2", "Empate por afogamento.");
    case GameEnd::Repetition:
        return QCoreApplication::translate("TForm2", "Empate por repetição: a mesma posição pela terceira vez.");
    case GameEnd::NoMaterial:
        return QCoreApplication::translate("TForm2", "Empate por falta de material para dar mate.");
    case GameEnd::None: break;
    }
    return {};
}

// No move can be made any more (after a refused move the result stays on
// the status line).
bool GameFrozen(GameEnd end)
{
    return end == GameEnd::Mate || end == GameEnd::Stalemate || end == GameEnd::Repetition;
}

} // namespace

void TForm2::CreatePlayActions()
{
    const auto command = [this](const char* name, const QString& caption, const QList<QKeySequence>& keys,
                                void (TForm2::*handler)(QObject*)) {
        QAction* action = Partida1->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, [this, action, handler] { (this->*handler)(action); });
        return action;
    };
    VirarTabuleiro1 = command("VirarTabuleiro1", tr("Virar tabuleiro"), {QKeySequence(Qt::CTRL | Qt::Key_F)},
                              &TForm2::VirarTabuleiro1Click);
    Partida1->addSeparator();
    VoltarLance1 =
        command("VoltarLance1", tr("Voltar lance"), {QKeySequence(Qt::CTRL | Qt::Key_Z)}, &TForm2::VoltarLance1Click);
    RefazerLance1 = command("RefazerLance1", tr("Refazer lance"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
                            &TForm2::RefazerLance1Click);
    Continuar1 = command("Continuar1", tr("Continuar"),
                         {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)},
                         &TForm2::Continuar1Click);

    // The mark of the side to move stands right of its player boxes.
    for (QLabel** mark : {&TurnMark1, &TurnMark2}) {
        *mark = new QLabel(Client);
        QFont font = (*mark)->font();
        font.setBold(true);
        font.setPixelSize(14);
        (*mark)->setFont(font);
        (*mark)->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        (*mark)->hide();
    }
    TurnMark1->setObjectName(QStringLiteral("TurnMark1"));
    TurnMark1->setGeometry(138, 464, 106, 33);
    TurnMark2->setObjectName(QStringLiteral("TurnMark2"));
    TurnMark2->setGeometry(138, 504, 106, 33);

    // Whether the computer is thinking is looked at while its mark is shown.
    thinkingWatch_ = new QTimer(this);
    thinkingWatch_->setInterval(100);
    connect(thinkingWatch_, &QTimer::timeout, this, [this] { UpdateTurnMarks(); });

    // The states follow the game once each change is complete: a move's
    // events fire before the board has finished the move.
    gameChangedTimer_ = new QTimer(this);
    gameChangedTimer_->setSingleShot(true);
    gameChangedTimer_->setInterval(0);
    connect(gameChangedTimer_, &QTimer::timeout, this, [this] { GameChanged(); });

    // Whatever shows another position (also the engine help's review going
    // to a move) moves the list's line and the turn mark along. In algebraic
    // notation a move's line is complete once the move is: its promotion
    // comes after its first event.
    connect(ChessBoard1, &TChessBoard::shownPositionChanged, this, [this] {
        // So is the list of a game with variations once a move enters or
        // leaves one of its lines.
        if (MoveText->Algebraic() || MoveText->ShowsGameTree())
            RefreshMoveList();
        FollowMoveList();
        ScheduleGameChanged();
    });

    // Changing who plays changes what a take-back reaches.
    for (QCheckBox* box : {Computador1, Humano1, Computador2, Humano2})
        connect(box, &QCheckBox::toggled, this, [this] { ScheduleGameChanged(); });
    UpdatePlayActions();
}

void TForm2::VirarTabuleiro1Click(QObject*)
{
    RunGuarded([this] { ChessBoard1->SetWhiteOnTop(!ChessBoard1->WhiteOnTop()); });
}

// The half-moves from the shown position to the person's nearest turn,
// going back or forward through `available` recorded half-moves (the side
// to move alternates either way). Between two people, or the computer
// against itself, one half-move. `whenNone` is the answer when no turn of
// the person's lies within reach.
int TForm2::StepToPersonsTurn(int available, int whenNone) const
{
    const TChessBoard& board = *ChessBoard1;
    if (available == 0)
        return 0;
    const bool computerWhite = board.ComputerPlaysWhite();
    const bool computerBlack = board.ComputerPlaysBlack();
    if (computerWhite == computerBlack)
        return 1;
    bool whiteToMove = board.WhiteToMove();
    for (int halfMoves = 1; halfMoves <= available; ++halfMoves) {
        whiteToMove = !whiteToMove;
        if (whiteToMove ? !computerWhite : !computerBlack)
            return halfMoves;
    }
    return whenNone;
}

int TForm2::TakeBackStep() const
{
    // Back to the person's previous turn: the computer's reply goes with
    // the person's move.
    return StepToPersonsTurn(ChessBoard1->TakeBackCount(), 0);
}

int TForm2::RedoStep() const
{
    // On to the person's next turn; a line that ends on the computer's turn
    // is replayed to its end and the computer goes on from there.
    const int available = ChessBoard1->RedoCount();
    return StepToPersonsTurn(available, available);
}

void TForm2::VoltarLance1Click(QObject*)
{
    const int step = TakeBackStep();
    if (step == 0)
        return;
    // A game that ended (a flag, a resignation) is open again, with the
    // clocks as they stood.
    Ending->Reopen();
    RunGuarded([this, step] { ChessBoard1->TakeBack(step); });
    Clocks->FollowBoard();
    RebuildMoveList();
    GameChanged();
}

void TForm2::RefazerLance1Click(QObject*)
{
    const int step = RedoStep();
    if (step == 0)
        return;
    // Each replayed move reaches the window through the board's events;
    // the clocks go back to what they showed then.
    Clocks->SetReplaying(true);
    RunGuarded([this, step] { ChessBoard1->Redo(step); });
    Clocks->SetReplaying(false);
    GameChanged();
}

void TForm2::Continuar1Click(QObject*)
{
    // Also the end of a pause.
    Ending->Resume();
    // A finished game (one opened from a file with its result) stays so.
    if (!GameFiles->MayContinue()) {
        GameChanged();
        return;
    }
    LetComputerMove();
    GameChanged();
}

void TForm2::LetComputerMove()
{
    RunGuarded([this] { ChessBoard1->ResumeThinking(); });
}

void TForm2::RebuildMoveList()
{
    oldGameListed_ = false;
    // The board's own lines, or in algebraic notation, with the review's marks.
    ListBox1->SetLines(MoveText->Lines(ChessBoard1->History(), ChessBoard1->PromotionPiece()));
    FollowMoveList();
}

void TForm2::RefreshMoveList()
{
    if (oldGameListed_)
        return;
    if (ListBox1->Lines() != MoveText->Lines(ChessBoard1->History(), ChessBoard1->PromotionPiece()))
        RebuildMoveList();
}

void TForm2::ShowReviewMarks()
{
    const QStringList lines = MoveText->Lines(ChessBoard1->History(), ChessBoard1->PromotionPiece());
    if (ListBox1->count() != lines.size())
        return;
    for (int i = 0; i < ListBox1->count(); ++i) {
        if (ListBox1->item(i)->text() != lines[i])
            ListBox1->item(i)->setText(lines[i]);
    }
}

void TForm2::ScheduleGameChanged()
{
    if (gameChangedTimer_ != nullptr)
        gameChangedTimer_->start();
}

void TForm2::GameChanged()
{
    if (Ending != nullptr)
        Ending->GameChanged();
    if (Clocks != nullptr)
        Clocks->PlayersChanged();
    UpdatePlayActions();
    UpdateTurnMarks();
    // Once material for a mate is back (a take-back, a new game), the next
    // lack of it is announced again.
    if (EndOfGame(*ChessBoard1) != GameEnd::NoMaterial)
        noMaterialAnnounced_ = false;
}

void TForm2::UpdatePlayActions()
{
    if (VoltarLance1 == nullptr)
        return;
    VoltarLance1->setEnabled(TakeBackStep() > 0);
    RefazerLance1->setEnabled(RedoStep() > 0);
    const TChessBoard& board = *ChessBoard1;
    Continuar1->setEnabled((board.ComputerToMove() && !GameFiles->GameHasEnded()) ||
                           (Ending != nullptr && Ending->Paused()));
}

void TForm2::UpdateTurnMarks()
{
    if (TurnMark1 == nullptr)
        return;
    const bool show = MostrarVez1 != nullptr && MostrarVez1->isChecked();
    if (show && !thinkingWatch_->isActive())
        thinkingWatch_->start();
    else if (!show)
        thinkingWatch_->stop();
    const bool whiteToMove = ChessBoard1->WhiteToMove();
    QLabel* mark = whiteToMove ? TurnMark2 : TurnMark1;
    QLabel* other = whiteToMove ? TurnMark1 : TurnMark2;
    other->hide();
    if (!show) {
        mark->hide();
        return;
    }
    const QString arrow = QStringLiteral("\u25C0");
    // Beside a clock there is room for the arrow alone.
    const bool clocks = Clocks != nullptr && Clocks->Enabled();
    mark->setFixedWidth(clocks ? 26 : 106);
    const QString text = ChessBoard1->Thinking() && !clocks ? arrow + QLatin1Char(' ') + tr("pensando…") : arrow;
    if (mark->text() != text)
        mark->setText(text);
    mark->show();
}

void TForm2::FollowMoveList()
{
    if (AcompanharLista1 == nullptr || !AcompanharLista1->isChecked())
        return;
    // The line of the move that led to the current position: the inverse
    // of MoveSlotOfLine, or the line GameFiles knows in a list with a
    // game's variations.
    const std::optional<int> treeRow = GameFiles->ListLineShown();
    const int row =
        treeRow ? *treeRow : 2 * (ChessBoard1->CurrentMove() - 1) + (ChessBoard1->WhiteToMove() ? 0 : 1) - 1;
    if (row < 0 || row >= ListBox1->count()) {
        ListBox1->setCurrentRow(-1);
        ListBox1->clearSelection();
        if (row < 0)
            ListBox1->scrollToTop();
        return;
    }
    ListBox1->setCurrentRow(row);
    ListBox1->scrollToItem(ListBox1->item(row));
}

QString TForm2::EndOfGameText() const
{
    return EndOfGameMessage(EndOfGame(*ChessBoard1));
}

void TForm2::AnnounceEndOfGame()
{
    if (AvisarFim1 == nullptr || !AvisarFim1->isChecked())
        return;
    const GameEnd end = EndOfGame(*ChessBoard1);
    // Mate has its own box; too little material is said once, as the game
    // may go on.
    if (end == GameEnd::None || end == GameEnd::Mate)
        return;
    if (end == GameEnd::NoMaterial) {
        if (noMaterialAnnounced_)
            return;
        noMaterialAnnounced_ = true;
    }
    ShowMessage(EndOfGameMessage(end));
}

void TForm2::KeepResultAfterRefusedMove()
{
    if (AvisarFim1 == nullptr || !AvisarFim1->isChecked())
        return;
    const GameEnd end = EndOfGame(*ChessBoard1);
    if (GameFrozen(end))
        SetStatus(end == GameEnd::Mate ? StatusText::Mate() : StatusText::Draw());
}
