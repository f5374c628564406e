// The promotion chooser: while a person's pawn waits on its way to the last
// rank, four pieces (queen, rook, bishop, knight) stand in a column from the
// promotion square towards the middle of the board. A click on one, or the
// keyboard, chooses it; Escape or a click anywhere else cancels.
//
// It is a child widget of its host (the board) that covers the host with a
// veil and is hidden while closed. Open, it holds the mouse and the
// keyboard, so a click outside the host reaches it too. It keeps the move it
// waits for and reports the answer through its signals, closed already; the
// host decides what a choice does. Where the promotion square stands and
// what a piece looks like are asked of the host each time, so a resize or a
// flip of the board while it waits is followed.
#pragma once

#include "core/Square.h"

#include <QImage>
#include <QRect>
#include <QWidget>

#include <array>
#include <functional>

class PromotionChooser : public QWidget {
    Q_OBJECT

public:
    // Where the chooser stands on its host as the host is drawn now.
    struct Place {
        // The promotion square's cell, in the host's coordinates.
        QRect Cell;
        // The column of pieces runs down from the cell (it is in the top
        // half of the board), else up.
        bool Downwards = true;
        // A piece image's offset from its cell's top-left corner, both ways.
        int PieceOffset = 0;
    };
    using PlaceOf = std::function<Place(Square promotion)>;
    // The image the host draws a piece letter with.
    using PieceImageOf = std::function<const QImage&(char piece)>;

    PromotionChooser(QWidget& host, PlaceOf place, PieceImageOf pieceImage);
    ~PromotionChooser() override;

    PromotionChooser(const PromotionChooser&) = delete;
    PromotionChooser& operator=(const PromotionChooser&) = delete;

    // Opens over the host for a pawn of that colour going from -> to, the
    // queen marked; an open chooser is closed first, silently.
    void Open(Square from, Square to, bool white);
    // Closes without an answer and without a signal (a change of position,
    // the option turned off). Nothing happens when it is closed.
    void Close();
    bool IsOpen() const { return open_; }
    // The move waited for; None while closed.
    Square From() const { return from_; }
    Square To() const { return to_; }

    // The four cells, queen first, as the host stands now.
    std::array<QRect, 4> Cells() const;

signals:
    // A piece was chosen for the move from -> to: 'q', 'r', 'b' or 'n'.
    // The chooser is closed when it is emitted.
    void chosen(Square from, Square to, char piece);
    // Escape or a click beside the pieces; closed as well.
    void cancelled(Square from, Square to);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The cell under a point of the chooser, -1 for none.
    int CellAt(QPoint at) const;
    // Closes, then reports: a piece letter, or 0 for a cancellation.
    void Answer(char piece);

    QWidget& host_;
    PlaceOf place_;
    PieceImageOf pieceImage_;
    bool open_ = false;
    Square from_ = Square::None;
    Square to_ = Square::None;
    // The pieces shown, queen first, in the mover's colour.
    std::array<char, 4> pieces_{};
    // The cell the keyboard or the pointer marks.
    int current_ = 0;
};
