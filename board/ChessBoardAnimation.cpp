// Move animation: the moving image slides the piece from square corner to
// square corner one pixel a step, a knight along its rank and then along the
// target file. No messages are processed while it slides; the screen is
// brought up to date at each step directly.
#include "board/ChessBoard.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <thread>

namespace {

// The system's millisecond tick count, modulo 2^32.
std::uint32_t TickCount()
{
    using namespace std::chrono;
    return static_cast<std::uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

} // namespace

void TChessBoard::AnimateMove(Square FromSq, Square ToSq, int Delay)
{
    animationPath_.clear();
    if (!movingImage_.Active()) {
        const char piece = PieceAt(FromSq);
        movingImage_.SetImage(pieceImages_.Masked(PieceImageIndex(piece)));
        QPoint offset;
        QWidget* host = ImageHost(offset);
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        SquareOrigin(FromSq, x1, y1);
        SquareOrigin(ToSq, x2, y2);
        x1 += offset.x();
        y1 += offset.y();
        x2 += offset.x();
        y2 += offset.y();
        // The from-square has just been drawn empty on the canvas; show it
        // now, as no message will be processed until the slide ends.
        if (isVisible())
            repaint();
        movingImage_.Attach(host, QPoint(x1, y1));
        movingImage_.Show();
        if (piece == 'N' || piece == 'n') {
            SlideHorizontal(x1, x2, y1, Delay);
            SlideVertical(y1, y2, x2, Delay);
        } else {
            SlideLine(x1, y1, x2, y2, Delay);
        }
    }
    movingImage_.Release();
}

void TChessBoard::AnimationStep(int x, int y, int Delay)
{
    const std::uint32_t t0 = TickCount();
    movingImage_.MoveTo(QPoint(x, y));
    movingImage_.Show();
    animationPath_.emplace_back(x, y);
    if (Delay <= 0)
        return;
    while (static_cast<std::uint32_t>(TickCount() - t0) <= static_cast<std::uint32_t>(Delay))
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void TChessBoard::SlideHorizontal(int X1, int X2, int Y, int Delay)
{
    const int step = X1 < X2 ? 1 : -1;
    for (int x = X1;; x += step) {
        AnimationStep(x, Y, Delay);
        if (x == X2)
            break;
    }
}

void TChessBoard::SlideVertical(int Y1, int Y2, int X, int Delay)
{
    const int step = Y1 < Y2 ? 1 : -1;
    for (int y = Y1;; y += step) {
        AnimationStep(X, y, Delay);
        if (y == Y2)
            break;
    }
}

void TChessBoard::SlideLine(int X1, int Y1, int X2, int Y2, int Delay)
{
    if (X1 == X2 && Y1 == Y2)
        return;
    const int dx = std::abs(X2 - X1);
    const int dy = std::abs(Y2 - Y1);
    if (dy > dx) {
        const double du = static_cast<double>(X2 - X1) / dy;
        const int step = Y1 < Y2 ? 1 : -1;
        double u = X1;
        for (int y = Y1;; y += step) {
            AnimationStep(static_cast<int>(std::trunc(u)), y, Delay);
            u += du;
            if (y == Y2)
                break;
        }
    } else {
        const double dv = static_cast<double>(Y2 - Y1) / dx;
        const int step = X1 < X2 ? 1 : -1;
        double v = Y1;
        for (int x = X1;; x += step) {
            AnimationStep(x, static_cast<int>(std::trunc(v)), Delay);
            v += dv;
            if (x == X2)
                break;
        }
    }
}
