// Mouse play on the board: a press on a piece arms a drag, which becomes
// active once the pointer has moved the drag threshold; the piece's image
// then follows the pointer and every movement asks whether a drop there is
// accepted. The release drops or cancels; Escape cancels. With click-to-move
// a press released before the threshold is a click on its square. The
// keyboard moves a focus square with the arrow keys, in the board's
// orientation; Enter or Space acts on it, Escape puts a picked piece back.
#include "board/BoardInput.h"

#include <algorithm>

namespace {

bool IsGripCursor(Qt::CursorShape shape)
{
    return shape == Qt::SizeFDiagCursor || shape == Qt::SizeHorCursor || shape == Qt::SizeVerCursor;
}

// The part of the board that resizes it: its last ten pixels each way.
constexpr int GripSize = 10;

} // namespace

BoardResizeGrip::Step BoardResizeGrip::Move(QSize size, QPoint at, Qt::MouseButtons buttons, Qt::CursorShape shown)
{
    Step step;
    if (!IsGripCursor(shown))
        normalCursor_ = shown;
    const int w = size.width();
    const int h = size.height();
    const bool overGrip = w - GripSize <= at.x() && at.x() <= w && h - GripSize <= at.y() && at.y() <= h;
    if (Resizable && overGrip) {
        step.cursor = Qt::SizeFDiagCursor;
        if (buttons & Qt::LeftButton)
            resizing_ = true;
    } else if (Resizable && !resizing_) {
        step.cursor = normalCursor_;
    }
    if (Resizable && resizing_) {
        const int wanted = std::clamp(std::max(at.x(), at.y()), minSize_, maxSize_);
        if (wanted != w)
            step.width = wanted;
    }
    return step;
}

void BoardInput::Press(Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint at)
{
    if (drag_.State() != BoardDrag::Phase::Idle)
        return; // a second button during a drag belongs to the drag
    host_.PointerInUse();
    if (host_.DrawingPress(button, modifiers, at))
        return;
    host_.MouseDown(button, buttons, modifiers, at);
}

void BoardInput::Move(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint at, int dragThreshold)
{
    switch (drag_.State()) {
    case BoardDrag::Phase::Idle:
        host_.DrawingMove(at);
        host_.MouseMove(buttons, modifiers, at);
        break;
    case BoardDrag::Phase::Pending:
        if (drag_.BeyondThreshold(at, dragThreshold)) {
            drag_.SetState(BoardDrag::Phase::Active);
            host_.DragBegins(drag_.From());
            FollowPointer(at, TDragState::DragEnter);
            host_.MarksFollow();
        }
        break;
    case BoardDrag::Phase::Active: FollowPointer(at, TDragState::DragMove); break;
    case BoardDrag::Phase::Finished: break;
    }
}

void BoardInput::Release(Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint at)
{
    const bool leftClick = button == Qt::LeftButton;
    switch (drag_.State()) {
    case BoardDrag::Phase::Idle:
        host_.MouseUp(button, buttons, modifiers, at);
        if (host_.DrawingRelease(button, at))
            break;
        if (leftClick && host_.InsideBoard(at))
            host_.Click();
        if (leftClick && host_.ClickToMove())
            host_.SquareClicked(host_.SquareAt(at));
        break;
    case BoardDrag::Phase::Pending:
        // Released before the drag became active: a plain click on a piece.
        if (leftClick && host_.ClickToMove()) {
            drag_.SetState(BoardDrag::Phase::Idle);
            host_.PressWasAClick();
            host_.SquareClicked(drag_.From());
        } else {
            EndDrag(false, at);
        }
        break;
    case BoardDrag::Phase::Active: {
        const bool accepted = host_.InsideBoard(at) && host_.DragOver(at, TDragState::DragMove);
        EndDrag(accepted, at);
        break;
    }
    case BoardDrag::Phase::Finished:
        if (buttons == Qt::NoButton)
            drag_.SetState(BoardDrag::Phase::Idle);
        break;
    }
}

bool BoardInput::Key(int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_Escape && drag_.InProgress()) {
        EndDrag(false, QPoint(0, 0));
        // The buttons still down close the press when they come up.
        if (host_.AnyMouseButtonDown())
            drag_.SetState(BoardDrag::Phase::Finished);
        return true;
    }
    if ((modifiers & ~Qt::KeypadModifier) != Qt::NoModifier || drag_.State() != BoardDrag::Phase::Idle)
        return false;
    switch (key) {
    case Qt::Key_Left: host_.MoveFocusSquare(-1, 0); return true;
    case Qt::Key_Right: host_.MoveFocusSquare(1, 0); return true;
    case Qt::Key_Up: host_.MoveFocusSquare(0, -1); return true;
    case Qt::Key_Down: host_.MoveFocusSquare(0, 1); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: host_.KeyboardAction(); return true;
    case Qt::Key_Escape: return host_.DropSelection();
    default: return false;
    }
}

void BoardInput::EndDrag(bool accepted, QPoint at)
{
    const bool wasActive = drag_.State() == BoardDrag::Phase::Active;
    drag_.SetState(BoardDrag::Phase::Idle);
    host_.DragEnds(wasActive, accepted, at);
}

void BoardInput::FollowPointer(QPoint at, TDragState state)
{
    bool accepted = false;
    if (host_.InsideBoard(at))
        accepted = host_.DragOver(at, state);
    else
        host_.DragBeside(at);
    host_.DragShowsAccepted(accepted);
}

Square StepOnScreen(Square square, int columns, int rows, bool whiteOnTop)
{
    // Screen cells count from the top-left corner as the board is turned.
    const int file = FileOf(square);
    const int rank = RankOf(square);
    const int column = std::clamp((whiteOnTop ? 8 - file : file - 1) + columns, 0, 7);
    const int row = std::clamp((whiteOnTop ? rank - 1 : 8 - rank) + rows, 0, 7);
    return SquareAt(whiteOnTop ? 8 - column : column + 1, whiteOnTop ? row + 1 : 8 - row);
}
