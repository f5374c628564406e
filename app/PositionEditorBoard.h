// The board of the position editor: it shows the model's placement and
// changes it. With the mouse, a click puts the palette's chosen piece, a
// right click empties the square, and a piece dragged goes where it is
// dropped (off the board, it is taken away); a piece dragged from the
// palette is put where it lands. With the keyboard, the arrows move a
// square cursor, a piece letter puts that piece (KQRBNP White, kqrbnp
// Black), Enter puts the palette's piece, and Delete, Backspace or Space
// empties the square. Screen readers hear the square under the cursor.
#pragma once

#include "app/PositionEditorPieces.h"
#include "core/Square.h"

#include <QPoint>
#include <QRect>
#include <QWidget>

class PositionEditorModel;
class QMimeData;

// The drag of a piece: its letter, then the square it left ("" from the
// palette).
inline constexpr const char* PieceMimeType = "application/x-kestravin-piece";

class PositionEditorBoard : public QWidget {
    Q_OBJECT

public:
    explicit PositionEditorBoard(PositionEditorModel* model, QWidget* parent = nullptr);

    static constexpr int SquareSize = 44;
    static constexpr int Border = 18;

    // White at the top (the board turned over).
    bool WhiteOnTop() const { return whiteOnTop_; }
    void SetWhiteOnTop(bool on);
    // The piece a click or Enter puts (EmptySquare: none chosen).
    char ChosenPiece() const { return chosen_; }
    void SetChosenPiece(char piece) { chosen_ = piece; }
    // The keyboard's square.
    Square Cursor() const { return cursor_; }
    void SetCursor(Square square);

    // Where a square stands in the widget, and the square at a point
    // (Square::None off the squares).
    QRect SquareRect(Square square) const;
    Square SquareAtPoint(QPoint point) const;

    // A piece dropped at a point: one that left a square of this board
    // moves from there, any other is put. False when the data is no piece
    // or the point no square.
    bool DropPiece(const QMimeData* mime, QPoint at, bool fromThisBoard);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    // The cursor moved (the words a screen reader hears changed).
    void cursorMoved(Square square);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void StartDrag(Square from);
    void MoveCursor(int fileStep, int rankStep);
    void DescribeCursor();

    PositionEditorModel* model_;
    PositionEditorPieces pieces_;
    bool whiteOnTop_ = false;
    char chosen_ = ' ';
    Square cursor_ = Square::E1;
    Square pressed_ = Square::None;
    QPoint pressPoint_;
    // The square a drag from this board left, while its piece travels.
    Square dragFrom_ = Square::None;
};
