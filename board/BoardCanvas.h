// The board's canvas as one part: the picture the board draws on, the size
// of the control in logical pixels with the screen's device pixels, and the
// one painter that every drawing routine shares while it is open. The
// outermost routine opens the painter, the routines it calls draw with the
// same one, and the picture is never swapped while it is open.
#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>

#include <optional>

class BoardCanvas {
public:
    BoardCanvas() = default;
    BoardCanvas(const BoardCanvas&) = delete;
    BoardCanvas& operator=(const BoardCanvas&) = delete;

    // Makes the picture logicalSize (at least 1 x 1, at most maxSide on
    // either side) at ratio device pixels per logical pixel, filled with
    // black. Keeps the picture as it is when size and ratio are already
    // those, or while the painter is open. True when it made a new one.
    bool Fit(QSize logicalSize, qreal ratio, int maxSide);

    const QImage& Image() const { return image_; }
    // The picture's size in logical pixels.
    QSize LogicalSize() const { return logicalSize_; }
    qreal Ratio() const { return image_.devicePixelRatio(); }

    // The open painter, or nullptr.
    QPainter* OpenPainter() const { return painter_; }
    // Opens the painter on the picture; false (nothing opened) when it is
    // open already.
    bool Open();
    // Closes the painter Open opened.
    void Close();

    // Copies the part area of the control (logical pixels) to painter.
    void ShowOn(QPainter& painter, const QRect& area) const;

private:
    QImage image_;
    QSize logicalSize_;
    std::optional<QPainter> own_;
    QPainter* painter_ = nullptr;
};
