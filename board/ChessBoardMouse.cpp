// Mouse play on the board: a press on a piece arms a drag, which becomes
// active once the pointer has moved the drag threshold; the piece's image
// then follows the pointer and every movement asks DragOver whether a drop
// there is accepted. The release drops (DragDrop) or cancels (DragCanceled);
// Escape cancels. The bottom-right corner resizes a Resizable board.
#include "board/ChessBoard.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>

#include <algorithm>

namespace {

bool IsSizeCursor(Qt::CursorShape shape)
{
    return shape == Qt::SizeFDiagCursor || shape == Qt::SizeHorCursor || shape == Qt::SizeVerCursor;
}

} // namespace

void TChessBoard::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (drag_.State() != DragPhase::Idle)
        return; // a second button during a drag belongs to the drag
    if (aids_.KeyboardInUse()) {
        // Back to the mouse: the keyboard's frame goes until a key is used.
        aids_.SetKeyboardInUse(false);
        RefreshMarks();
    }
    const QPoint at = event->position().toPoint();
    if (DrawingPress(event->button(), event->modifiers(), at))
        return;
    MouseDown(event->button(), event->buttons(), event->modifiers(), at.x(), at.y());
}

void TChessBoard::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    const QPoint at = event->position().toPoint();
    switch (drag_.State()) {
    case DragPhase::Idle:
        DrawingMove(at);
        MouseMove(event->buttons(), event->modifiers(), at.x(), at.y());
        break;
    case DragPhase::Pending: {
        const int threshold = QApplication::startDragDistance();
        if (drag_.BeyondThreshold(at, threshold)) {
            drag_.SetState(DragPhase::Active);
            QGuiApplication::setOverrideCursor(Qt::ForbiddenCursor);
            // A dragged piece replaces any selection and shows its own moves.
            aids_.Select(Square::None);
            aids_.SetDragged(drag_.From());
            DragMoveTo(at.x(), at.y(), TDragState::DragEnter);
            RefreshMarks();
        }
        break;
    }
    case DragPhase::Active: DragMoveTo(at.x(), at.y(), TDragState::DragMove); break;
    case DragPhase::Finished: break;
    }
}

void TChessBoard::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const QPoint at = event->position().toPoint();
    switch (drag_.State()) {
    case DragPhase::Idle:
        MouseUp(event->button(), event->buttons(), event->modifiers(), at.x(), at.y());
        if (DrawingRelease(event->button(), at))
            break;
        if (event->button() == Qt::LeftButton && rect().contains(at))
            Click();
        if (aids_.ClickToMove && event->button() == Qt::LeftButton)
            SquareClicked(PointToSquare(at.x(), at.y()));
        break;
    case DragPhase::Pending:
        // Released before the drag became active: a plain click on a piece.
        if (aids_.ClickToMove && event->button() == Qt::LeftButton) {
            drag_.SetState(DragPhase::Idle);
            releaseKeyboard();
            if (OnEndDrag)
                OnEndDrag(this);
            SquareClicked(drag_.From());
        } else {
            EndDrag(false, at.x(), at.y());
        }
        break;
    case DragPhase::Active: {
        bool accepted = false;
        if (rect().contains(at))
            DragOver(this, at.x(), at.y(), TDragState::DragMove, accepted);
        EndDrag(accepted, at.x(), at.y());
        break;
    }
    case DragPhase::Finished:
        if (event->buttons() == Qt::NoButton)
            drag_.SetState(DragPhase::Idle);
        break;
    }
}

void TChessBoard::DragMoveTo(int X, int Y, TDragState state)
{
    bool accepted = false;
    if (rect().contains(X, Y)) {
        DragOver(this, X, Y, state, accepted);
    } else if (movingImage_.Active()) {
        // Outside the board the image keeps following the pointer.
        QPoint offset;
        ImageHost(offset);
        const int h = look_.SizeOfSquare / 2;
        movingImage_.MoveTo(offset + QPoint(X - h, Y - h));
    }
    QGuiApplication::changeOverrideCursor(accepted ? drag_.Cursor : Qt::ForbiddenCursor);
}

void TChessBoard::EndDrag(bool accepted, int X, int Y)
{
    const bool wasActive = drag_.State() == DragPhase::Active;
    drag_.SetState(DragPhase::Idle);
    aids_.SetDragged(Square::None);
    releaseKeyboard();
    if (wasActive)
        QGuiApplication::restoreOverrideCursor();
    if (accepted)
        DragDrop(this, X, Y);
    else
        DragCanceled();
    RefreshMarks();
    if (OnEndDrag)
        OnEndDrag(this);
}

QWidget* TChessBoard::ImageHost(QPoint& offset)
{
    if (QWidget* window = parentWidget()) {
        offset = pos();
        return window;
    }
    offset = QPoint(0, 0);
    return this;
}

void TChessBoard::MouseDown(Qt::MouseButton Button, Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift, int X, int Y)
{
    if (OnMouseDown)
        OnMouseDown(this, Button, Buttons, Shift, X, Y);
    const Square square = PointToSquare(X, Y);
    if (square == Square::None || PieceAt(square) == ' ')
        return;
    // Any button picks the piece up; whether it may go anywhere is the
    // drop test's business.
    drag_.Press(square, QPoint(X, Y));
    grabKeyboard();
}

void TChessBoard::MouseMove(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift, int X, int Y)
{
    if (OnMouseMove)
        OnMouseMove(this, Buttons, Shift, X, Y);
    if (!IsSizeCursor(cursor().shape()))
        NormalCursor = cursor().shape();
    const int W = width();
    const int H = height();
    if (resizable_ && W - 10 <= X && X <= W && H - 10 <= Y && Y <= H) {
        setCursor(Qt::SizeFDiagCursor);
        if (Buttons & Qt::LeftButton)
            resizing_ = true;
    } else if (resizable_ && !resizing_) {
        setCursor(NormalCursor);
    }
    if (resizable_ && resizing_) {
        int v = std::max(X, Y);
        v = std::max(v, resizeMinSize_);
        v = std::min(v, resizeMaxSize_);
        if (v != W)
            resize(v, height());
    }
}

void TChessBoard::MouseUp(Qt::MouseButton Button, Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift, int X, int Y)
{
    if (OnMouseUp)
        OnMouseUp(this, Button, Buttons, Shift, X, Y);
    resizing_ = false;
}

void TChessBoard::Click()
{
    if (OnClick)
        OnClick(this);
}

void TChessBoard::DragOver(QObject* Source, int X, int Y, TDragState State, bool& Accept)
{
    Accept = false;
    if (OnDragOver) {
        Accept = true;
        OnDragOver(this, Source, X, Y, State, Accept);
    }
    const Square square = PointToSquare(X, Y);
    const int h = look_.SizeOfSquare / 2;
    QPoint offset;
    QWidget* host = ImageHost(offset);
    const QPoint at = offset + QPoint(X - h, Y - h);
    if (!movingImage_.Active()) {
        // The piece leaves its square and follows the pointer.
        DrawSquare(drag_.From());
        DrawBoardLines();
        movingImage_.SetImage(look_.PieceImages().Masked(PieceImageIndex(PieceAt(drag_.From()))));
        movingImage_.Attach(host, at);
        movingImage_.Show();
    }
    movingImage_.MoveTo(at);
    if (Source == this && !Thinking() &&
        (IsLegalMove(drag_.From(), PersonTarget(drag_.From(), square)) || square == drag_.From()))
        Accept = true;
}

void TChessBoard::DragDrop(QObject* Source, int X, int Y)
{
    if (OnDragDrop)
        OnDragDrop(this, Source, X, Y);
    movingImage_.Release();
    const Square square = PointToSquare(X, Y);
    drag_.SetDropTo(square);
    if (square == drag_.From()) {
        DrawPiece(drag_.From(), PieceAt(drag_.From()));
        return;
    }
    if (OpenPromotionChooser(drag_.From(), square)) {
        // The pawn waits on its square for the chooser's answer.
        DrawSquare(drag_.From());
        DrawPiece(drag_.From(), PieceAt(drag_.From()));
        DrawBoardLines();
        return;
    }
    if (!PlayerMove(drag_.From(), PersonTarget(drag_.From(), square))) {
        // The position changed after the drop was accepted and the move was
        // refused: show the from-square as it now is.
        DrawSquare(drag_.From());
        DrawPiece(drag_.From(), PieceAt(drag_.From()));
        DrawBoardLines();
    }
}

void TChessBoard::DragCanceled()
{
    movingImage_.Release();
    DrawPiece(drag_.From(), PieceAt(drag_.From()));
    if (OnIllegalMove)
        OnIllegalMove(this, drag_.From());
}
