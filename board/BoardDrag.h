// The board's drag as one part: its phase, the squares of the last drag and
// of the last accepted drop, where the press was, and the pointer shown
// over a square that accepts the drop. The board feeds it the mouse and
// moves the image; this part only keeps the state and decides when a press
// becomes a drag.
#pragma once

#include "core/Square.h"

#include <QPoint>
#include <Qt>

#include <cstdint>
#include <cstdlib>

class BoardDrag {
public:
    // Idle: no drag. Pending: pressed on a piece, below the drag threshold.
    // Active: the piece follows the pointer. Finished: ended by Escape, the
    // buttons are still down and their release only closes the press.
    enum class Phase : std::uint8_t { Idle, Pending, Active, Finished };

    Phase State() const { return phase_; }
    void SetState(Phase phase) { phase_ = phase; }
    bool InProgress() const { return phase_ == Phase::Pending || phase_ == Phase::Active; }

    // A press on the piece on square at the point: the drag is pending.
    void Press(Square square, QPoint at)
    {
        from_ = square;
        pressPoint_ = at;
        phase_ = Phase::Pending;
    }
    // Whether the pointer at this point has moved the threshold from the
    // press, along either axis.
    bool BeyondThreshold(QPoint at, int threshold) const
    {
        return std::abs(at.x() - pressPoint_.x()) >= threshold || std::abs(at.y() - pressPoint_.y()) >= threshold;
    }

    // The square of the last drag, and of the last accepted drop.
    Square From() const { return from_; }
    Square DropTo() const { return to_; }
    void SetDropTo(Square square) { to_ = square; }

    // The DragCursor property.
    Qt::CursorShape Cursor = Qt::DragMoveCursor;

private:
    Phase phase_ = Phase::Idle;
    Square from_ = Square::None;
    Square to_ = Square::None;
    QPoint pressPoint_;
};
