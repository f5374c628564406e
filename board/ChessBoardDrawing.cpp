// Arrows and circles drawn with the right mouse button (see DrawsMarks in
// ChessBoard.h; the marks themselves are board/BoardMarks). They are painted
// over the canvas's picture when the widget shows it, never into the canvas,
// so the board's own drawing and its partial repaints stay as they are.
#include "board/ChessBoard.h"

#include <QPainter>

void TChessBoard::SetDrawsMarks(bool value)
{
    if (drawsMarks_ == value)
        return;
    drawsMarks_ = value;
    if (!value)
        marks_.Clear();
    update();
}

void TChessBoard::SetDrawing(const BoardDrawing& drawing)
{
    marks_.SetDrawing(drawing);
    if (drawsMarks_)
        update();
}

void TChessBoard::LeaveDrawing()
{
    if (marks_.Clear() && drawsMarks_)
        update();
}

bool TChessBoard::DrawingPress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at)
{
    if (!drawsMarks_)
        return false;
    if (button == Qt::RightButton) {
        if (OnMouseDown)
            OnMouseDown(this, button, button, modifiers, at.x(), at.y());
        marks_.Press(PointToSquare(at.x(), at.y()), BoardMarks::ColourFor(modifiers));
        update();
        return true;
    }
    if (button == Qt::LeftButton && marks_.Clear()) {
        // The left button goes on to do what it always does.
        update();
        emit drawingChanged();
    }
    return false;
}

bool TChessBoard::DrawingMove(QPoint at)
{
    if (!drawsMarks_ || !marks_.InProgress())
        return false;
    if (marks_.MoveTo(PointToSquare(at.x(), at.y())))
        update();
    return true;
}

bool TChessBoard::DrawingRelease(Qt::MouseButton button, QPoint at)
{
    if (!drawsMarks_ || button != Qt::RightButton || !marks_.InProgress())
        return false;
    const bool changed = marks_.Release(PointToSquare(at.x(), at.y()));
    update();
    if (changed)
        emit drawingChanged();
    return true;
}

void TChessBoard::PaintDrawing(QPainter& painter, const QRect& area) const
{
    if (!drawsMarks_ || !marks_.HasAnythingToPaint())
        return;
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    marks_.Paint(painter, [this](Square square) {
        int x = 0;
        int y = 0;
        SquareOrigin(square, x, y);
        return QRectF(x, y, look_.SizeOfSquare, look_.SizeOfSquare);
    });
    painter.restore();
}
