// The drawn arrows and circles (see BoardMarks.h).
#include "board/BoardMarks.h"

#include <QPainterPath>
#include <QtMath>

#include <algorithm>

namespace {

QColor MarkColour(DrawColour colour)
{
    // Translucent, so that the pieces and squares beneath still show.
    switch (colour) {
    case DrawColour::Green: return QColor(21, 130, 50, 170);
    case DrawColour::Red: return QColor(200, 30, 30, 170);
    case DrawColour::Blue: return QColor(20, 80, 200, 170);
    case DrawColour::Yellow: return QColor(235, 175, 0, 180);
    }
    return QColor(21, 130, 50, 170);
}

// An arrow from `start` towards `end` on cells of `side`, its tip a little
// short of the end and its tail `startGap` from the start; one path, so
// that the shaft and the head, filled once, never overlap in a darker tone.
QPainterPath StraightArrowPath(QPointF start, QPointF end, double side, double startGap)
{
    const QPointF delta = end - start;
    const double length = std::hypot(delta.x(), delta.y());
    QPainterPath path;
    if (length <= 0.0)
        return path;
    const double shaft = side * 0.2;
    const double headWidth = side * 0.52;
    const double headLength = std::min(side * 0.45, length * 0.6);
    const double tipGap = side * 0.08;
    const QPointF along = delta / length;
    const QPointF across(-along.y(), along.x());
    const QPointF base = start + along * startGap;
    const QPointF tip = end - along * tipGap;
    const QPointF neck = tip - along * headLength;
    path.moveTo(base + across * (shaft / 2));
    path.lineTo(neck + across * (shaft / 2));
    path.lineTo(neck + across * (headWidth / 2));
    path.lineTo(tip);
    path.lineTo(neck - across * (headWidth / 2));
    path.lineTo(neck - across * (shaft / 2));
    path.lineTo(base - across * (shaft / 2));
    path.closeSubpath();
    return path;
}

// An arrow from the middle of one cell to the middle of another. A knight's
// jump bends as the knight goes: two squares straight on, then one aside.
QPainterPath ArrowPath(const QRectF& from, const QRectF& to)
{
    const double side = from.width();
    const QPointF start = from.center();
    const QPointF end = to.center();
    const int files = qRound(std::abs(end.x() - start.x()) / side);
    const int ranks = qRound(std::abs(end.y() - start.y()) / side);
    if (side <= 0.0 || !((files == 1 && ranks == 2) || (files == 2 && ranks == 1)))
        return StraightArrowPath(start, end, side, side * 0.2);
    const QPointF corner = ranks == 2 ? QPointF(start.x(), end.y()) : QPointF(end.x(), start.y());
    // The first leg runs on past the corner by half the shaft, so that the
    // two legs meet in a square corner.
    const double shaft = side * 0.2;
    const QPointF along = (corner - start) / std::hypot(corner.x() - start.x(), corner.y() - start.y());
    const QPointF across(-along.y(), along.x());
    const QPointF base = start + along * (side * 0.2);
    const QPointF bend = corner + along * (shaft / 2);
    QPainterPath leg;
    leg.moveTo(base + across * (shaft / 2));
    leg.lineTo(bend + across * (shaft / 2));
    leg.lineTo(bend - across * (shaft / 2));
    leg.lineTo(base - across * (shaft / 2));
    leg.closeSubpath();
    return leg.united(StraightArrowPath(corner, end, side, 0.0));
}

void PaintCircle(QPainter& painter, const QRectF& cell, DrawColour colour)
{
    const double width = std::max(2.0, cell.width() * 0.08);
    const double radius = cell.width() / 2 - width / 2 - cell.width() * 0.03;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(MarkColour(colour), width));
    painter.drawEllipse(cell.center(), radius, radius);
}

void PaintArrow(QPainter& painter, const QRectF& from, const QRectF& to, DrawColour colour)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(MarkColour(colour));
    painter.drawPath(ArrowPath(from, to));
}

} // namespace

DrawColour BoardMarks::ColourFor(Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::ShiftModifier)
        return DrawColour::Red;
    if (modifiers & Qt::ControlModifier)
        return DrawColour::Blue;
    if (modifiers & Qt::AltModifier)
        return DrawColour::Yellow;
    return DrawColour::Green;
}

void BoardMarks::SetDrawing(const BoardDrawing& drawing)
{
    drawing_ = drawing;
    Cancel();
}

bool BoardMarks::Clear()
{
    const bool had = HasAnythingToPaint();
    drawing_ = BoardDrawing{};
    Cancel();
    return had;
}

void BoardMarks::Press(Square square, DrawColour colour)
{
    if (Ord(square) < 1 || Ord(square) > 64) {
        Cancel();
        return;
    }
    from_ = to_ = square;
    colour_ = colour;
}

bool BoardMarks::MoveTo(Square square)
{
    if (!InProgress() || square == Square::None || square == to_)
        return false;
    to_ = square;
    return true;
}

bool BoardMarks::Release(Square square)
{
    if (!InProgress())
        return false;
    const Square from = from_;
    // Released off the board: the arrow ends on the last square passed.
    const Square to = square == Square::None ? to_ : square;
    Cancel();
    const BoardDrawing before = drawing_;
    if (from == to)
        drawing_.Toggle(DrawnCircle{from, colour_});
    else
        drawing_.Toggle(DrawnArrow{from, to, colour_});
    return !(drawing_ == before);
}

bool BoardMarks::Cancel()
{
    const bool had = InProgress();
    from_ = to_ = Square::None;
    return had;
}

void BoardMarks::Paint(QPainter& painter, const std::function<QRectF(Square)>& cell) const
{
    if (!HasAnythingToPaint())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const DrawnCircle& circle : drawing_.Circles)
        PaintCircle(painter, cell(circle.At), circle.Colour);
    for (const DrawnArrow& arrow : drawing_.Arrows)
        PaintArrow(painter, cell(arrow.From), cell(arrow.To), arrow.Colour);
    if (InProgress()) {
        if (from_ == to_)
            PaintCircle(painter, cell(from_), colour_);
        else
            PaintArrow(painter, cell(from_), cell(to_), colour_);
    }
    painter.restore();
}
