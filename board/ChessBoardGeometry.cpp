// The board's geometry: square size and border, the two orientations, the
// mapping between squares and pixels, and the canvas that follows the
// control's size.
#include "board/ChessBoard.h"

#include <QResizeEvent>
#include <QShowEvent>

#include <algorithm>

namespace {

// Limits that keep the canvas to a sensible size whatever is written.
constexpr int kMaxSquare = 400;
constexpr int kMaxBorder = 400;
constexpr int kMaxCanvasSide = 8 * kMaxSquare + 2 * kMaxBorder;

} // namespace

void TChessBoard::SetSizeOfSquare(int value)
{
    look_.SizeOfSquare = std::clamp(value, 1, kMaxSquare);
    resize(8 * look_.SizeOfSquare + 2 * look_.SizeOfBorder, height());
}

void TChessBoard::SetSizeOfBorder(int value)
{
    look_.SizeOfBorder = std::clamp(value, 0, kMaxBorder);
    look_.BoardLeft = look_.BoardTop = look_.SizeOfBorder;
    resize(8 * look_.SizeOfSquare + 2 * look_.SizeOfBorder, height());
}

void TChessBoard::ScreenCell(Square square, int& column, int& row) const
{
    const int f = FileOf(square);
    const int k = RankOf(square);
    column = look_.WhiteOnTop ? 8 - f : f - 1;
    row = look_.WhiteOnTop ? k - 1 : 8 - k;
}

Square TChessBoard::PointToSquare(int X, int Y) const
{
    const int S = look_.SizeOfSquare;
    const int x = X - look_.BoardLeft;
    const int y = Y - look_.BoardTop;
    if (S <= 0 || x < 0 || x >= 8 * S || y < 0 || y >= 8 * S)
        return Square::None;
    int column = std::min(x / S, 7);
    int row = std::min(y / S, 7);
    if (look_.WhiteOnTop) {
        column = 7 - column;
        row = 7 - row;
    }
    return SquareFromOrd(row * 8 + column + 1);
}

void TChessBoard::SquareOrigin(Square square, int& X, int& Y) const
{
    int column = 0;
    int row = 0;
    ScreenCell(square, column, row);
    X = column * look_.SizeOfSquare + look_.BoardLeft;
    Y = row * look_.SizeOfSquare + look_.BoardTop;
}

qreal TChessBoard::DeviceRatio() const
{
    // The one place that asks: painting, the canvas and the piece images all
    // follow what it says.
    const qreal ratio = devicePixelRatioF();
    return ratio > 1.0 ? ratio : 1.0;
}

void TChessBoard::EnsureCanvas()
{
    canvas_.Fit(size(), DeviceRatio(), kMaxCanvasSide);
}

void TChessBoard::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    EnsureCanvas();
    // Paint squares the board itself and draws right after; any other change
    // of size is a paint.
    if (!inPaint_)
        Paint();
}

void TChessBoard::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (paintPending_)
        Paint();
}

int TChessBoard::SquareSizeFromBounds() const
{
    const long long mean = (static_cast<long long>(width()) + height()) / 2;
    const long long S = (mean - 2LL * look_.SizeOfBorder) / 8;
    return static_cast<int>(std::clamp<long long>(S, 1, kMaxSquare));
}
