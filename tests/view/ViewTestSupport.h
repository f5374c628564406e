// Helpers of the view tests: a board shown on the offscreen platform inside
// a parent window, reading canvas pixels, and piece sheets made on the spot.
#pragma once

#include "board/ChessBoard.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <memory>

// A parent window with a design-mode board (no search thread) at (10, 20).
struct ShownBoard {
    explicit ShownBoard(int side = 400)
    {
        window = std::make_unique<QWidget>();
        window->resize(side + 40, side + 60);
        board = new TChessBoard(window.get(), true);
        board->move(10, 20);
        board->resize(side, side);
        window->show();
    }
    TChessBoard& operator*() { return *board; }
    TChessBoard* operator->() { return board; }

    std::unique_ptr<QWidget> window;
    TChessBoard* board = nullptr;
};

inline QColor CanvasAt(const TChessBoard& board, int x, int y)
{
    return QColor(board.Canvas().pixel(x, y));
}

// The canvas pixels of one square.
inline QImage SquarePixels(const TChessBoard& board, Square square)
{
    int x = 0, y = 0;
    board.SquareOrigin(square, x, y);
    return board.Canvas().copy(x, y, board.SizeOfSquare(), board.SizeOfSquare());
}

// A sheet of cells P x P whose pictures are solid blocks of one colour per
// cell and whose masks are opaque except for a white frame of `frame`
// pixels, so where each piece lands is easy to see.
inline QImage BlockSheet(int P, int frame = 0)
{
    QImage sheet(6 * P, 4 * P, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    for (int colour = 0; colour < 2; ++colour)
        for (int j = 0; j < 6; ++j) {
            p.fillRect(j * P, 2 * colour * P, P, P, QColor(20 + 30 * j, colour ? 200 : 40, 90));
            p.fillRect(j * P + frame, (2 * colour + 1) * P + frame, P - 2 * frame, P - 2 * frame, Qt::black);
        }
    return sheet;
}
