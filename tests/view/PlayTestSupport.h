// Helpers of the tests of the play aids: pointing at squares, clicking,
// dragging and walking the keyboard's focus square, the board looks the
// marks are checked on, and comparing a board's squares with a reference
// board that shows no marks.
#pragma once

#include "Placement.h"
#include "ViewTestSupport.h"

#include <QTest>

#include <set>
#include <string>

namespace playtest {

inline QPoint Centre(const TChessBoard& board, Square s)
{
    int x = 0, y = 0;
    board.SquareOrigin(s, x, y);
    return QPoint(x + board.SizeOfSquare() / 2, y + board.SizeOfSquare() / 2);
}

// A press and a release on the same point: a click.
inline void ClickAt(TChessBoard& board, QPoint at)
{
    QTest::mousePress(&board, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(&board, Qt::LeftButton, Qt::NoModifier, at);
}

inline void ClickOn(TChessBoard& board, Square s)
{
    ClickAt(board, Centre(board, s));
}

// Press, a few moves past the drag threshold, release.
inline void Drag(TChessBoard& board, QPoint from, QPoint to)
{
    QTest::mousePress(&board, Qt::LeftButton, Qt::NoModifier, from);
    for (int i = 1; i <= 6; ++i)
        QTest::mouseMove(&board, from + (to - from) * i / 6);
    QTest::mouseRelease(&board, Qt::LeftButton, Qt::NoModifier, to);
}

// Walks the focus square to target with the arrow keys, in the board's
// orientation, and presses Enter there.
inline void KeyTo(TChessBoard& board, Square target, Qt::Key action = Qt::Key_Return)
{
    const bool flipped = board.WhiteOnTop();
    for (int guard = 0; guard < 16 && board.FocusSquare() != target; ++guard) {
        const int df = FileOf(target) - FileOf(board.FocusSquare());
        const int dr = RankOf(target) - RankOf(board.FocusSquare());
        if (df != 0)
            QTest::keyClick(&board, (df > 0) != flipped ? Qt::Key_Right : Qt::Key_Left);
        else
            QTest::keyClick(&board, (dr > 0) != flipped ? Qt::Key_Up : Qt::Key_Down);
    }
    QTest::keyClick(&board, action);
}

// The looks marks are checked on: plain colours, square pictures, and a
// custom look (own colours, a custom piece sheet, board lines).
enum class Look { Plain, Pictures, Custom };

inline QImage Gradient(int w, int h, int blue)
{
    QImage picture(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            picture.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, blue));
    return picture;
}

inline void ApplyLook(TChessBoard& board, Look look, bool whiteOnTop)
{
    if (look == Look::Pictures) {
        const QImage dark = Gradient(30, 30, 10);
        const QImage light = Gradient(23, 37, 240);
        board.SetSquareDark(&dark);
        board.SetSquareLight(&light);
    } else if (look == Look::Custom) {
        board.SetSquareColorDark(QColor(110, 70, 40));
        board.SetSquareColorLight(QColor(235, 215, 180));
        const QImage sheet = BlockSheet(36, 6);
        board.SetCustomPieceSet(&sheet);
        board.SetBoardLines(true);
        board.SetLineStyle(QPen(QColor(20, 20, 20)));
    }
    board.SetWhiteOnTop(whiteOnTop);
}

inline const char* LookName(Look look)
{
    return look == Look::Plain ? "plain" : look == Look::Pictures ? "pictures" : "custom";
}

// The squares whose pixels differ between two boards of the same size.
inline std::set<Square> DifferingSquares(const TChessBoard& a, const TChessBoard& b)
{
    std::set<Square> differ;
    for (int q = 1; q <= 64; ++q)
        if (SquarePixels(a, SquareFromOrd(q)) != SquarePixels(b, SquareFromOrd(q)))
            differ.insert(SquareFromOrd(q));
    return differ;
}

inline std::set<Square> Squares(std::initializer_list<const char*> names)
{
    std::set<Square> squares;
    for (const char* n : names)
        squares.insert(Sq(n));
    return squares;
}

// The mean colour change of the pixels of a square that differ from the
// reference: positive red means the square turned redder, and so on.
struct Shift {
    double red = 0, green = 0, blue = 0;
    int pixels = 0;
};
inline Shift ColourShift(const TChessBoard& board, const TChessBoard& reference, Square s)
{
    const QImage a = SquarePixels(board, s);
    const QImage b = SquarePixels(reference, s);
    Shift shift;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p(a.pixel(x, y)), q(b.pixel(x, y));
            if (p == q)
                continue;
            ++shift.pixels;
            shift.red += p.red() - q.red();
            shift.green += p.green() - q.green();
            shift.blue += p.blue() - q.blue();
        }
    if (shift.pixels > 0) {
        shift.red /= shift.pixels;
        shift.green /= shift.pixels;
        shift.blue /= shift.pixels;
    }
    return shift;
}

} // namespace playtest
