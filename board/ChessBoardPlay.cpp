// Playing without dragging: click-to-move and the keyboard. Both pick a
// piece up (the selection) and put it down on a square it can reach through
// PlayerMove, like a drop. The keyboard moves a focus square with the arrow
// keys, in the board's orientation; Enter or Space acts on it, Escape puts
// the piece back. The focus frame shows only once the keyboard has been used
// and while the board has the focus, so mouse users never see it.
#include "board/ChessBoard.h"
#include "board/ChessBoardAccessible.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>

#include <algorithm>

void TChessBoard::SetClickToMove(bool value)
{
    clickToMove_ = value;
    if (!value)
        ClearSelection();
}

void TChessBoard::SetHighlightLastMove(bool value)
{
    highlightLastMove_ = value;
    RefreshMarks();
}

void TChessBoard::SetHighlightCheck(bool value)
{
    highlightCheck_ = value;
    RefreshMarks();
}

void TChessBoard::SetShowLegalMoves(bool value)
{
    showLegalMoves_ = value;
    RefreshMarks();
}

void TChessBoard::SetAskPromotionPiece(bool value)
{
    askPromotionPiece_ = value;
    if (!value)
        ClosePromotionChooser();
}

void TChessBoard::SetHintMove(Square from, Square to)
{
    auto onBoard = [](Square s) { return Ord(s) >= 1 && Ord(s) <= 64; };
    if (onBoard(from) && onBoard(to) && from != to) {
        hintFrom_ = from;
        hintTo_ = to;
    } else {
        hintFrom_ = hintTo_ = Square::None;
    }
    RefreshMarks();
}

void TChessBoard::ClearHintMove()
{
    hintFrom_ = hintTo_ = Square::None;
    RefreshMarks();
}

void TChessBoard::ShownPositionChanged()
{
    ClosePromotionChooser();
    selected_ = Square::None;
    hintFrom_ = hintTo_ = Square::None;
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
    return white == game_.WhiteToMove;
}

void TChessBoard::SelectSquare(Square square)
{
    selected_ = square;
    RefreshMarks();
}

void TChessBoard::ClearSelection()
{
    if (selected_ == Square::None)
        return;
    selected_ = Square::None;
    RefreshMarks();
}

void TChessBoard::SquareClicked(Square square)
{
    if (Thinking() || chooser_ != nullptr) {
        ClearSelection();
        return;
    }
    if (selected_ == Square::None) {
        if (IsMoversPiece(square))
            SelectSquare(square);
        return;
    }
    if (square == selected_) {
        ClearSelection();
        return;
    }
    if (IsMoversPiece(square)) {
        SelectSquare(square);
        return;
    }
    const Square from = selected_;
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
    if (square == focusSquare_)
        return;
    focusSquare_ = square;
    RefreshMarks();
    NotifyFocusSquare(this, CellIndexOfSquare(*this, square));
    if (OnFocusSquareChanged) {
        const TOneSquareEvent handler = OnFocusSquareChanged;
        handler(this, square);
    }
}

void TChessBoard::StartKeyboardPlay()
{
    keyboardInUse_ = true;
    if (focusSquare_ == Square::None)
        SetFocusSquare(game_.WhiteToMove ? Square::E2 : Square::E7);
    RefreshMarks();
}

void TChessBoard::MoveFocusSquare(int columns, int rows)
{
    if (!keyboardInUse_ || focusSquare_ == Square::None) {
        StartKeyboardPlay();
        return;
    }
    int column = 0;
    int row = 0;
    ScreenCell(focusSquare_, column, row);
    column = std::clamp(column + columns, 0, 7);
    row = std::clamp(row + rows, 0, 7);
    // ScreenCell's inverse.
    const int file = whiteOnTop_ ? 8 - column : column + 1;
    const int rank = whiteOnTop_ ? row + 1 : 8 - row;
    SetFocusSquare(SquareAt(file, rank));
}

void TChessBoard::KeyboardAction()
{
    if (!keyboardInUse_ || focusSquare_ == Square::None) {
        StartKeyboardPlay();
        return;
    }
    SquareClicked(focusSquare_);
}

void TChessBoard::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && (dragPhase_ == DragPhase::Pending || dragPhase_ == DragPhase::Active)) {
        EndDrag(false, 0, 0);
        if (QGuiApplication::mouseButtons() != Qt::NoButton)
            dragPhase_ = DragPhase::Finished;
        event->accept();
        return;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier && dragPhase_ == DragPhase::Idle) {
        switch (event->key()) {
        case Qt::Key_Left:
            MoveFocusSquare(-1, 0);
            event->accept();
            return;
        case Qt::Key_Right:
            MoveFocusSquare(1, 0);
            event->accept();
            return;
        case Qt::Key_Up:
            MoveFocusSquare(0, -1);
            event->accept();
            return;
        case Qt::Key_Down:
            MoveFocusSquare(0, 1);
            event->accept();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            KeyboardAction();
            event->accept();
            return;
        case Qt::Key_Escape:
            if (selected_ != Square::None) {
                ClearSelection();
                event->accept();
                return;
            }
            break;
        default: break;
        }
    }
    QWidget::keyPressEvent(event);
}

void TChessBoard::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    hasKeyboardFocus_ = true;
    // Reached with Tab: a keyboard user, who needs the frame at once.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        StartKeyboardPlay();
    else
        RefreshMarks();
}

void TChessBoard::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    hasKeyboardFocus_ = false;
    RefreshMarks();
}
