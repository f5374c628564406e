// The board's move animation as one part: whether moves slide and how slowly,
// the path a piece slides along, and the sliding itself on the moving image.
// A piece slides from square corner to square corner one pixel a step, a
// knight along its rank and then along the target file; no messages are
// processed while it slides.
#pragma once

#include "platform/DragImage.h"

#include <QPoint>

#include <vector>

class MoveAnimation {
public:
    // The AnimateMoves and AnimationDelay properties.
    bool Enabled = true;
    int Delay = 0;

    // The points the image is shown at, one pixel apart (the minor axis of a
    // slanted line truncated): for a knight first along the row, then along
    // the column, every end included; for any other piece along the line
    // from one corner to the other, nothing when they are the same.
    static std::vector<QPoint> SlidePath(QPoint from, QPoint to, bool knight);

    // Shows the image at each point of path in turn, each step lasting more
    // than delay ms (none when not positive); remembers the path.
    void Slide(TDragImage& image, const std::vector<QPoint>& path, int delay);
    // The points the last slide went through.
    const std::vector<QPoint>& LastPath() const { return lastPath_; }
    void ForgetPath() { lastPath_.clear(); }

private:
    std::vector<QPoint> lastPath_;
};
