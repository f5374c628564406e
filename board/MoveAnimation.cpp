// The path of a sliding piece and the slide itself. See MoveAnimation.h.
#include "board/MoveAnimation.h"

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

void AddStraight(std::vector<QPoint>& path, int from, int to, bool horizontal, int fixed)
{
    const int step = from < to ? 1 : -1;
    for (int v = from;; v += step) {
        path.push_back(horizontal ? QPoint(v, fixed) : QPoint(fixed, v));
        if (v == to)
            break;
    }
}

void AddLine(std::vector<QPoint>& path, QPoint from, QPoint to)
{
    const int X1 = from.x();
    const int Y1 = from.y();
    const int X2 = to.x();
    const int Y2 = to.y();
    if (X1 == X2 && Y1 == Y2)
        return;
    const int dx = std::abs(X2 - X1);
    const int dy = std::abs(Y2 - Y1);
    if (dy > dx) {
        const double du = static_cast<double>(X2 - X1) / dy;
        const int step = Y1 < Y2 ? 1 : -1;
        double u = X1;
        for (int y = Y1;; y += step) {
            path.emplace_back(static_cast<int>(std::trunc(u)), y);
            u += du;
            if (y == Y2)
                break;
        }
    } else {
        const double dv = static_cast<double>(Y2 - Y1) / dx;
        const int step = X1 < X2 ? 1 : -1;
        double v = Y1;
        for (int x = X1;; x += step) {
            path.emplace_back(x, static_cast<int>(std::trunc(v)));
            v += dv;
            if (x == X2)
                break;
        }
    }
}

} // namespace

std::vector<QPoint> MoveAnimation::SlidePath(QPoint from, QPoint to, bool knight)
{
    std::vector<QPoint> path;
    if (knight) {
        AddStraight(path, from.x(), to.x(), true, from.y());
        AddStraight(path, from.y(), to.y(), false, to.x());
    } else {
        AddLine(path, from, to);
    }
    return path;
}

void MoveAnimation::Slide(TDragImage& image, const std::vector<QPoint>& path, int delay)
{
    for (const QPoint& at : path) {
        const std::uint32_t t0 = TickCount();
        image.MoveTo(at);
        image.Show();
        lastPath_.push_back(at);
        if (delay <= 0)
            continue;
        while (static_cast<std::uint32_t>(TickCount() - t0) <= static_cast<std::uint32_t>(delay))
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}
