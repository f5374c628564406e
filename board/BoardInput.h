// The board's mouse and keys as one part. It keeps the drag's state and the
// resize grip's, and turns each press, movement, release and key into the
// board's steps, which it asks of its host: the arrows and circles first,
// then the mouse events, click-to-move, the drag and its drop, the keyboard's
// focus square. It draws nothing and holds no widget: the board is its host,
// a test can be another.
#pragma once

#include "board/BoardDrag.h"
#include "board/ChessBoardTypes.h"
#include "core/Square.h"

#include <QPoint>
#include <QSize>
#include <Qt>

#include <optional>

// What the input part asks of the board.
class BoardInputHost {
public:
    virtual ~BoardInputHost() = default;

    virtual bool InsideBoard(QPoint at) const = 0;
    virtual Square SquareAt(QPoint at) const = 0;
    // The mouse is in use again: the keyboard's focus frame goes.
    virtual void PointerInUse() = 0;
    // Arrows and circles: true when the event was theirs.
    virtual bool DrawingPress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at) = 0;
    virtual void DrawingMove(QPoint at) = 0;
    virtual bool DrawingRelease(Qt::MouseButton button, QPoint at) = 0;
    // The board's own mouse operations with their events. The press picks a
    // piece up through BoardInput::PickUp.
    virtual void MouseDown(Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                           QPoint at) = 0;
    virtual void MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint at) = 0;
    virtual void MouseUp(Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                         QPoint at) = 0;
    virtual void Click() = 0;
    // Click-to-move.
    virtual bool ClickToMove() const = 0;
    virtual void SquareClicked(Square square) = 0;
    // The drag: it became active on the piece of `from`; the pointer moved
    // over the board (true: a drop here is accepted) or beside it; it ended,
    // dropped or cancelled; a pending drag was only a click.
    virtual void DragBegins(Square from) = 0;
    // The marks follow what changed (the dragged piece shows its moves).
    virtual void MarksFollow() = 0;
    virtual bool DragOver(QPoint at, TDragState state) = 0;
    virtual void DragBeside(QPoint at) = 0;
    virtual void DragShowsAccepted(bool accepted) = 0;
    virtual void DragEnds(bool wasActive, bool accepted, QPoint at) = 0;
    virtual void PressWasAClick() = 0;
    // The keyboard's play.
    virtual void MoveFocusSquare(int columns, int rows) = 0;
    virtual void KeyboardAction() = 0;
    // True when a selection was there to go.
    virtual bool DropSelection() = 0;
    virtual bool AnyMouseButtonDown() const = 0;
};

// The corner of a Resizable board that resizes it, and the limits of its
// size.
class BoardResizeGrip {
public:
    // What a movement of the pointer asks: the pointer's shape, and a new
    // width when it changes.
    struct Step {
        std::optional<Qt::CursorShape> cursor;
        std::optional<int> width;
    };
    // The pointer moved to `at` over a board of `size` with `buttons` down;
    // `shown` is the pointer's shape now, remembered unless it is one of
    // the grip's.
    Step Move(QSize size, QPoint at, Qt::MouseButtons buttons, Qt::CursorShape shown);
    void Release() { resizing_ = false; }

    bool Resizable = false;
    bool Resizing() const { return resizing_; }
    int MinSize() const { return minSize_; }
    int MaxSize() const { return maxSize_; }
    // Each limit stays on its side of the other.
    void SetMinSize(int value) { minSize_ = value < maxSize_ ? value : maxSize_; }
    void SetMaxSize(int value) { maxSize_ = value > minSize_ ? value : minSize_; }

private:
    bool resizing_ = false;
    Qt::CursorShape normalCursor_ = Qt::ArrowCursor;
    int minSize_ = 100;
    int maxSize_ = 1000;
};

class BoardInput {
public:
    explicit BoardInput(BoardInputHost& host) : host_(host) {}

    void Press(Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint at);
    void Move(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint at, int dragThreshold);
    void Release(Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint at);
    // A key pressed on the board; false when it is not the board's.
    bool Key(int key, Qt::KeyboardModifiers modifiers);

    // A press on the piece of `square`: the drag is pending.
    void PickUp(Square square, QPoint at) { drag_.Press(square, at); }
    // Ends a pending or active drag: the drop when accepted, otherwise the
    // cancellation.
    void EndDrag(bool accepted, QPoint at);
    const BoardDrag& Drag() const { return drag_; }
    BoardDrag& Drag() { return drag_; }
    BoardResizeGrip Grip;

private:
    // The image follows the pointer; the pointer's shape says whether a
    // drop there is accepted.
    void FollowPointer(QPoint at, TDragState state);

    BoardInputHost& host_;
    BoardDrag drag_;
};

// The square `columns` and `rows` screen cells from `square` on a board
// turned as `whiteOnTop` says, held at the board's edges.
Square StepOnScreen(Square square, int columns, int rows, bool whiteOnTop);
