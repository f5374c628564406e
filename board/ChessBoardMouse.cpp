// The board's side of mouse play: the Qt events go to the input part
// (board/BoardInput.h), which asks for the steps below; the drag's image,
// the pointer's shape and the keyboard grab are the widget's. The
// bottom-right corner resizes a Resizable board.
#include "board/ChessBoard.h"
#include "board/ChessBoardInputHost.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>

void TChessBoard::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    input_.Press(event->button(), event->buttons(), event->modifiers(), event->position().toPoint());
}

void TChessBoard::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    input_.Move(event->buttons(), event->modifiers(), event->position().toPoint(), QApplication::startDragDistance());
}

void TChessBoard::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    input_.Release(event->button(), event->buttons(), event->modifiers(), event->position().toPoint());
}

void TChessBoard::InputHost::PointerInUse()
{
    if (board_.aids_.KeyboardInUse()) {
        // Back to the mouse: the keyboard's frame goes until a key is used.
        board_.aids_.SetKeyboardInUse(false);
        board_.RefreshMarks();
    }
}

void TChessBoard::InputHost::DragBegins(Square from)
{
    QGuiApplication::setOverrideCursor(Qt::ForbiddenCursor);
    // A dragged piece replaces any selection and shows its own moves.
    board_.aids_.Select(Square::None);
    board_.aids_.SetDragged(from);
}

void TChessBoard::InputHost::DragBeside(QPoint at)
{
    if (!board_.movingImage_.Active())
        return;
    // Outside the board the image keeps following the pointer.
    QPoint offset;
    board_.ImageHost(offset);
    const int h = board_.look_.SizeOfSquare / 2;
    board_.movingImage_.MoveTo(offset + at - QPoint(h, h));
}

void TChessBoard::InputHost::DragShowsAccepted(bool accepted)
{
    QGuiApplication::changeOverrideCursor(accepted ? board_.input_.Drag().Cursor : Qt::ForbiddenCursor);
}

void TChessBoard::InputHost::DragEnds(bool wasActive, bool accepted, QPoint at)
{
    board_.aids_.SetDragged(Square::None);
    board_.releaseKeyboard();
    if (wasActive)
        QGuiApplication::restoreOverrideCursor();
    if (accepted)
        board_.DragDrop(&board_, at.x(), at.y());
    else
        board_.DragCanceled();
    board_.RefreshMarks();
    if (board_.OnEndDrag)
        board_.OnEndDrag(&board_);
}

void TChessBoard::InputHost::PressWasAClick()
{
    board_.releaseKeyboard();
    if (board_.OnEndDrag)
        board_.OnEndDrag(&board_);
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
    input_.PickUp(square, QPoint(X, Y));
    grabKeyboard();
}

void TChessBoard::MouseMove(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift, int X, int Y)
{
    if (OnMouseMove)
        OnMouseMove(this, Buttons, Shift, X, Y);
    const BoardResizeGrip::Step step = input_.Grip.Move(size(), QPoint(X, Y), Buttons, cursor().shape());
    if (step.cursor)
        setCursor(*step.cursor);
    if (step.width)
        resize(*step.width, height());
}

void TChessBoard::MouseUp(Qt::MouseButton Button, Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift, int X, int Y)
{
    if (OnMouseUp)
        OnMouseUp(this, Button, Buttons, Shift, X, Y);
    input_.Grip.Release();
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
    const Square from = input_.Drag().From();
    const Square square = PointToSquare(X, Y);
    const int h = look_.SizeOfSquare / 2;
    QPoint offset;
    QWidget* host = ImageHost(offset);
    const QPoint at = offset + QPoint(X - h, Y - h);
    if (!movingImage_.Active()) {
        // The piece leaves its square and follows the pointer.
        DrawSquare(from);
        DrawBoardLines();
        movingImage_.SetImage(look_.PieceImages().Masked(PieceImageIndex(PieceAt(from))));
        movingImage_.Attach(host, at);
        movingImage_.Show();
    }
    movingImage_.MoveTo(at);
    if (Source == this && !Thinking() && (IsLegalMove(from, PersonTarget(from, square)) || square == from))
        Accept = true;
}

void TChessBoard::DragDrop(QObject* Source, int X, int Y)
{
    if (OnDragDrop)
        OnDragDrop(this, Source, X, Y);
    movingImage_.Release();
    const Square from = input_.Drag().From();
    const Square square = PointToSquare(X, Y);
    input_.Drag().SetDropTo(square);
    if (square == from) {
        DrawPiece(from, PieceAt(from));
        return;
    }
    if (OpenPromotionChooser(from, square)) {
        // The pawn waits on its square for the chooser's answer.
        DrawSquare(from);
        DrawPiece(from, PieceAt(from));
        DrawBoardLines();
        return;
    }
    if (!PlayerMove(from, PersonTarget(from, square))) {
        // The position changed after the drop was accepted and the move was
        // refused: show the from-square as it now is.
        DrawSquare(from);
        DrawPiece(from, PieceAt(from));
        DrawBoardLines();
    }
}

void TChessBoard::DragCanceled()
{
    movingImage_.Release();
    const Square from = input_.Drag().From();
    DrawPiece(from, PieceAt(from));
    if (OnIllegalMove)
        OnIllegalMove(this, from);
}
