// The pictures of the pieces in the position editor: the game window's own
// set (the custom sheet, the standard 40-pixel set where it is missing),
// cut for the screen's density, for the editing board and the palette.
#pragma once

#include "board/PieceSet.h"

#include <QPixmap>

class PositionEditorPieces {
public:
    // Cuts the pictures for `ratio` device pixels a logical pixel, unless
    // they are already cut for it.
    void Prepare(qreal ratio);
    // The pictures' edge in logical pixels (0 before Prepare).
    int Size() const { return size_; }
    // Draws a piece letter's picture with its top-left corner at (x, y).
    void Draw(QPainter& painter, int x, int y, char piece) const;
    // The piece alone on a transparent picture of Size() logical pixels.
    QPixmap Picture(char piece) const;

private:
    TPieceImages images_;
    PieceIndexTable index_{};
    qreal ratio_ = 0;
    int size_ = 0;
};
