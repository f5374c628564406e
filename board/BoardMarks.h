// The arrows and circles a person draws on the board with the right mouse
// button, as one part of the board: the drawing of the shown position, the
// mark being drawn while the button is down, and their painting. A press
// and release on one square circles it, a drag from square to square draws
// an arrow; drawing a mark again in its colour removes it. The colour comes
// from the modifier keys held at the press: none green, Shift red, Ctrl
// blue, Alt yellow. The part knows nothing of the widget: the board hands
// it squares and, for painting, where each square lies.
#pragma once

#include "core/DrawingComment.h"

#include <QPainter>
#include <QRectF>

#include <functional>

class BoardMarks {
public:
    static DrawColour ColourFor(Qt::KeyboardModifiers modifiers);

    const BoardDrawing& Drawing() const { return drawing_; }
    // Replaces the drawing (and drops a mark being drawn).
    void SetDrawing(const BoardDrawing& drawing);
    // True when there was anything to clear.
    bool Clear();

    // The right button: pressed on a square (off the board: nothing
    // starts), moved over another, released. Release returns true when the
    // drawing changed.
    void Press(Square square, DrawColour colour);
    // True when the mark being drawn changed.
    bool MoveTo(Square square);
    bool Release(Square square);
    bool InProgress() const { return from_ != Square::None; }
    // Drops the mark being drawn; true when there was one.
    bool Cancel();

    // Draws every mark, and the one being drawn, translucent and smooth;
    // `cell` gives a square's place on the painter.
    void Paint(QPainter& painter, const std::function<QRectF(Square)>& cell) const;
    bool HasAnythingToPaint() const { return !drawing_.Empty() || InProgress(); }

private:
    BoardDrawing drawing_;
    Square from_ = Square::None;
    Square to_ = Square::None;
    DrawColour colour_ = DrawColour::Green;
};
