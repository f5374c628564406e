// Playing without dragging: click-to-move and the keyboard. Both pick a
// piece up (the selection) and put it down on a square it can reach through
// PlayerMove, like a drop. Which key does what is the input part's
// (board/BoardInput.h); the focus square and the selection are here. The focus frame shows only once the keyboard has
// been used and while the board has the focus, so mouse users never see it.
#include "board/ChessBoard.h"

#include "board/ChessBoardAccessible.h"
#include "board/ChessBoardInputHost.h"
#include "core/Chess960.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>

void TChessBoard::SetClickToMove(bool value)
{
    aids_.ClickToMove = value;
    if (!value)
        ClearSelection();
}

void TChessBoard::SetHighlightLastMove(bool value)
{
    aids_.HighlightLastMove = value;
    RefreshMarks();
}

void TChessBoard::SetHighlightCheck(bool value)
{
    aids_.HighlightCheck = value;
    RefreshMarks();
}

void TChessBoard::SetShowLegalMoves(bool value)
{
    aids_.ShowLegalMoves = value;
    RefreshMarks();
}

void TChessBoard::SetAskPromotionPiece(bool value)
{
    aids_.AskPromotionPiece = value;
    if (!value)
        ClosePromotionChooser();
}

void TChessBoard::SetHintMove(Square from, Square to)
{
    aids_.SetHint(from, to);
    RefreshMarks();
}

void TChessBoard::ClearHintMove()
{
    aids_.ClearHint();
    RefreshMarks();
}

void TChessBoard::ShownPositionChanged()
{
    ClosePromotionChooser();
    aids_.LeavePosition();
    LeaveDrawing();
    RefreshMarks();
    NotifyPositionChanged(this);
    if (OnShownPositionChanged) {
        const TNotifyEvent handler = OnShownPositionChanged;
        handler(this);
    }
    emit shownPositionChanged();
}

bool TChessBoard::IsMoversPiece(Square square) const
{
    const char piece = PieceAt(square);
    if (piece == EmptySquare || PieceImageIndex(piece) < 0)
        return false;
    const bool white = piece >= 'A' && piece <= 'Z';
    return white == game_.State().WhiteToMove;
}

void TChessBoard::SelectSquare(Square square)
{
    aids_.Select(square);
    RefreshMarks();
}

void TChessBoard::ClearSelection()
{
    if (aids_.ClearSelection())
        RefreshMarks();
}

void TChessBoard::SquareClicked(Square square)
{
    if (Thinking() || chooser_->IsOpen()) {
        ClearSelection();
        return;
    }
    const Square from = aids_.Selected();
    if (from == Square::None) {
        if (IsMoversPiece(square))
            SelectSquare(square);
        return;
    }
    if (square == from) {
        ClearSelection();
        return;
    }
    square = PersonTarget(from, square);
    // In Chess960 the king castles onto its own rook: that click is a move.
    if (IsMoversPiece(square) && !IsLegalMove(from, square)) {
        SelectSquare(square);
        return;
    }
    ClearSelection();
    if (square == Square::None)
        return; // off the board: only the selection goes
    if (IsLegalMove(from, square)) {
        PersonMove(from, square);
    } else if (OnIllegalMove) {
        // The same report as a drop on a square the piece cannot reach.
        const TOneSquareEvent handler = OnIllegalMove;
        handler(this, from);
    }
}

Square TChessBoard::PersonTarget(Square from, Square to) const
{
    if (!game_.State().Chess960 || to == Square::None || IsLegalMove(from, to) ||
        PieceAt(from) != (WhiteToMove() ? 'K' : 'k'))
        return to;
    for (CanStillCastle right : {CanStillCastle::WhiteKingSide, CanStillCastle::WhiteQueenSide,
                                 CanStillCastle::BlackKingSide, CanStillCastle::BlackQueenSide}) {
        const Square rook = CastlingRookSquare(game_.State(), right);
        if (CastledKingSquare(right) == to && IsWhiteRight(right) == WhiteToMove() && IsLegalMove(from, rook))
            return rook;
    }
    return to;
}

void TChessBoard::PersonMove(Square from, Square to)
{
    if (Thinking())
        return;
    if (OpenPromotionChooser(from, to))
        return;
    PlayerMove(from, to);
}

void TChessBoard::SetFocusSquare(Square square)
{
    if (square == aids_.FocusSquare())
        return;
    aids_.SetFocusSquare(square);
    RefreshMarks();
    NotifyFocusSquare(this, CellIndexOfSquare(*this, square));
    if (OnFocusSquareChanged) {
        const TOneSquareEvent handler = OnFocusSquareChanged;
        handler(this, square);
    }
}

void TChessBoard::StartKeyboardPlay()
{
    aids_.SetKeyboardInUse(true);
    if (aids_.FocusSquare() == Square::None)
        SetFocusSquare(game_.State().WhiteToMove ? Square::E2 : Square::E7);
    RefreshMarks();
}

void TChessBoard::MoveFocusSquare(int columns, int rows)
{
    if (!aids_.KeyboardInUse() || aids_.FocusSquare() == Square::None) {
        StartKeyboardPlay();
        return;
    }
    SetFocusSquare(StepOnScreen(aids_.FocusSquare(), columns, rows, look_.WhiteOnTop));
}

void TChessBoard::KeyboardAction()
{
    if (!aids_.KeyboardInUse() || aids_.FocusSquare() == Square::None) {
        StartKeyboardPlay();
        return;
    }
    SquareClicked(aids_.FocusSquare());
}

void TChessBoard::keyPressEvent(QKeyEvent* event)
{
    if (input_.Key(event->key(), event->modifiers()))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

bool TChessBoard::InputHost::DropSelection()
{
    if (board_.aids_.Selected() == Square::None)
        return false;
    board_.ClearSelection();
    return true;
}

bool TChessBoard::InputHost::AnyMouseButtonDown() const
{
    return QGuiApplication::mouseButtons() != Qt::NoButton;
}

void TChessBoard::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    aids_.SetHasKeyboardFocus(true);
    // Reached with Tab: a keyboard user, who needs the frame at once.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        StartKeyboardPlay();
    else
        RefreshMarks();
}

void TChessBoard::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    aids_.SetHasKeyboardFocus(false);
    RefreshMarks();
}
