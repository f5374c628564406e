// Arrows and circles drawn with the right mouse button (DrawsMarks): off, the
// right button picks pieces up as before and nothing is drawn; on, a drag
// draws an arrow and a click a circle in the modifiers' colour, drawing a
// mark again removes it, a left click or a change of position clears them,
// and they are painted over the board in either orientation.
#include "ViewTestSupport.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QPoint Centre(const TChessBoard& board, Square s)
{
    int x = 0, y = 0;
    board.SquareOrigin(s, x, y);
    return QPoint(x + board.SizeOfSquare() / 2, y + board.SizeOfSquare() / 2);
}

void RightDrag(TChessBoard& board, Square from, Square to, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QPoint a = Centre(board, from);
    const QPoint b = Centre(board, to);
    QTest::mousePress(&board, Qt::RightButton, modifiers, a);
    const int steps = 6;
    for (int i = 1; i <= steps; ++i)
        QTest::mouseMove(&board, a + (b - a) * i / steps);
    QTest::mouseRelease(&board, Qt::RightButton, modifiers, b);
}

void RightClick(TChessBoard& board, Square square, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::mouseClick(&board, Qt::RightButton, modifiers, Centre(board, square));
}

// What the widget shows: the canvas with anything painted over it.
QImage Shown(TChessBoard& board)
{
    return board.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A point on the shaft of an arrow between two squares, a third of the way.
QPoint OnTheWay(const TChessBoard& board, Square from, Square to)
{
    const QPoint a = Centre(board, from);
    const QPoint b = Centre(board, to);
    return a + (b - a) / 3;
}

bool Greenish(QColor c)
{
    return c.green() > c.red() + 20 && c.green() > c.blue() + 20;
}

} // namespace

TEST(BoardDrawing, OffTheRightButtonPicksPiecesUpAndNothingIsDrawn)
{
    ShownBoard b(400);
    ASSERT_FALSE(b->DrawsMarks());
    QSignalSpy changed(b.board, &TChessBoard::drawingChanged);
    RightClick(*b, Square::D5);
    EXPECT_TRUE(b->Drawing().Empty());
    RightDrag(*b, Square::E2, Square::E4);
    EXPECT_EQ(b->PieceAt(Square::E4), 'P') << "the right button drags pieces as before";
    EXPECT_TRUE(b->Drawing().Empty());
    EXPECT_EQ(changed.count(), 0);
    // A drawing set while off is kept but not shown.
    BoardDrawing drawing;
    drawing.Arrows = {{Square::B1, Square::C3, DrawColour::Green}};
    b->SetDrawing(drawing);
    EXPECT_EQ(Shown(*b), b->Canvas().convertToFormat(QImage::Format_RGB32));
}

TEST(BoardDrawing, ARightDragDrawsAnArrowAndARightClickACircle)
{
    ShownBoard b(400);
    b->SetDrawsMarks(true);
    QSignalSpy changed(b.board, &TChessBoard::drawingChanged);
    RightDrag(*b, Square::E2, Square::E4);
    EXPECT_EQ(b->PieceAt(Square::E2), 'P') << "no move with the right button";
    EXPECT_EQ(b->PieceAt(Square::E4), ' ');
    ASSERT_EQ(b->Drawing().Arrows.size(), 1u);
    EXPECT_EQ(b->Drawing().Arrows[0], (DrawnArrow{Square::E2, Square::E4, DrawColour::Green}));
    RightClick(*b, Square::D5);
    ASSERT_EQ(b->Drawing().Circles.size(), 1u);
    EXPECT_EQ(b->Drawing().Circles[0], (DrawnCircle{Square::D5, DrawColour::Green}));
    EXPECT_EQ(changed.count(), 2);
    // An empty square and a square off the board start nothing.
    QTest::mouseClick(b.board, Qt::RightButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_EQ(changed.count(), 2);
}

TEST(BoardDrawing, TheModifiersPickTheColourAndTheSameMarkRemovesIt)
{
    ShownBoard b(400);
    b->SetDrawsMarks(true);
    RightClick(*b, Square::A3, Qt::ShiftModifier);
    RightClick(*b, Square::B3, Qt::ControlModifier);
    RightClick(*b, Square::C3, Qt::AltModifier);
    RightClick(*b, Square::D3);
    const std::vector<DrawnCircle> expected{{Square::A3, DrawColour::Red},
                                            {Square::B3, DrawColour::Blue},
                                            {Square::C3, DrawColour::Yellow},
                                            {Square::D3, DrawColour::Green}};
    EXPECT_EQ(b->Drawing().Circles, expected);
    // Again in its colour: gone; in another: recoloured.
    RightClick(*b, Square::A3, Qt::ShiftModifier);
    RightClick(*b, Square::B3);
    EXPECT_EQ(b->Drawing().Circles,
              (std::vector<DrawnCircle>{
                  {Square::B3, DrawColour::Green}, {Square::C3, DrawColour::Yellow}, {Square::D3, DrawColour::Green}}));
    RightDrag(*b, Square::G1, Square::F3, Qt::ControlModifier);
    ASSERT_EQ(b->Drawing().Arrows.size(), 1u);
    EXPECT_EQ(b->Drawing().Arrows[0].Colour, DrawColour::Blue);
    RightDrag(*b, Square::G1, Square::F3, Qt::ControlModifier);
    EXPECT_TRUE(b->Drawing().Arrows.empty());
}

TEST(BoardDrawing, ALeftClickAMoveAndAnotherPositionClearTheMarks)
{
    ShownBoard b(400);
    b->SetDrawsMarks(true);
    QSignalSpy changed(b.board, &TChessBoard::drawingChanged);
    RightDrag(*b, Square::E2, Square::E4);
    QTest::mouseClick(b.board, Qt::LeftButton, Qt::NoModifier, Centre(*b, Square::D5));
    EXPECT_TRUE(b->Drawing().Empty());
    EXPECT_EQ(changed.count(), 2) << "the person cleared them";

    // A move and GotoMove clear them without a word: the drawing belonged
    // to the position left.
    RightDrag(*b, Square::E2, Square::E4);
    changed.clear();
    ASSERT_TRUE(b->MakeMove(Square::E2, Square::E4));
    EXPECT_TRUE(b->Drawing().Empty());
    RightClick(*b, Square::E4);
    changed.clear();
    ASSERT_TRUE(b->GotoMove(1, true));
    EXPECT_TRUE(b->Drawing().Empty());
    EXPECT_EQ(changed.count(), 0);

    // Turning the switch off clears them too.
    RightClick(*b, Square::E4);
    b->SetDrawsMarks(false);
    EXPECT_TRUE(b->Drawing().Empty());
}

TEST(BoardDrawing, TheMarksArePaintedOverTheBoardInBothOrientations)
{
    for (const bool whiteOnTop : {false, true}) {
        SCOPED_TRACE(whiteOnTop ? "White on top" : "White below");
        ShownBoard b(400);
        b->SetWhiteOnTop(whiteOnTop);
        b->SetDrawsMarks(true);
        // On with nothing drawn, the board shows exactly its canvas.
        const QImage plain = Shown(*b);
        ASSERT_EQ(plain, b->Canvas().convertToFormat(QImage::Format_RGB32));

        RightDrag(*b, Square::B1, Square::B6);
        RightClick(*b, Square::G5);
        const QImage drawn = Shown(*b);
        const QPoint shaft = OnTheWay(*b, Square::B1, Square::B6);
        EXPECT_TRUE(Greenish(drawn.pixelColor(shaft))) << drawn.pixelColor(shaft).name().toStdString();
        EXPECT_NE(drawn.pixelColor(shaft), plain.pixelColor(shaft));
        // The circle runs along the square's edge, its middle left alone.
        int x = 0, y = 0;
        b->SquareOrigin(Square::G5, x, y);
        const int S = b->SizeOfSquare();
        const QPoint ring(x + S / 2, y + S * 9 / 100);
        EXPECT_TRUE(Greenish(drawn.pixelColor(ring))) << drawn.pixelColor(ring).name().toStdString();
        EXPECT_EQ(drawn.pixelColor(x + S / 2, y + S / 2), plain.pixelColor(x + S / 2, y + S / 2));
        // Far from any mark nothing changed, and the canvas itself holds
        // no mark.
        const QPoint far = Centre(*b, Square::H8);
        EXPECT_EQ(drawn.pixelColor(far), plain.pixelColor(far));
        EXPECT_EQ(b->Canvas().convertToFormat(QImage::Format_RGB32), plain);
        // Translucent: the square beneath the shaft shows through.
        const QColor under = plain.pixelColor(shaft);
        const QColor over = drawn.pixelColor(shaft);
        EXPECT_NE(over, QColor(21, 130, 50)) << "not opaque";
        EXPECT_GT(std::abs(over.red() - under.red()) + std::abs(over.blue() - under.blue()), 10);

        // Cleared, the picture is the plain one again.
        QTest::mouseClick(b.board, Qt::LeftButton, Qt::NoModifier, Centre(*b, Square::D4));
        EXPECT_EQ(Shown(*b), plain);
    }
}

TEST(BoardDrawing, AKnightsArrowBendsAsTheKnightGoes)
{
    for (const bool whiteOnTop : {false, true}) {
        SCOPED_TRACE(whiteOnTop ? "White on top" : "White below");
        ShownBoard b(400);
        b->SetWhiteOnTop(whiteOnTop);
        b->SetDrawsMarks(true);
        const QImage plain = Shown(*b);
        // g1-f3: two squares up the g file, then one to f; b1-d2: two
        // along the first rank, then one up.
        RightDrag(*b, Square::G1, Square::F3);
        RightDrag(*b, Square::B1, Square::D2);
        const QImage drawn = Shown(*b);
        for (const Square corner : {Square::G3, Square::D1}) {
            const QPoint at = Centre(*b, corner);
            EXPECT_TRUE(Greenish(drawn.pixelColor(at))) << SquareName(corner);
        }
        const QPoint onTheWayUp = Centre(*b, Square::G2);
        EXPECT_NE(drawn.pixelColor(onTheWayUp), plain.pixelColor(onTheWayUp));
        // Where a straight arrow would run, halfway between the squares,
        // the board is as it was.
        for (const auto& [from, to] : {std::pair{Square::G1, Square::F3}, std::pair{Square::B1, Square::D2}}) {
            const QPoint middle = (Centre(*b, from) + Centre(*b, to)) / 2;
            EXPECT_EQ(drawn.pixelColor(middle), plain.pixelColor(middle)) << SquareName(from) << SquareName(to);
        }
        // Other arrows stay straight: a rook's along its file.
        RightDrag(*b, Square::A2, Square::A5);
        const QImage straight = Shown(*b);
        const QPoint shaft = OnTheWay(*b, Square::A2, Square::A5);
        EXPECT_TRUE(Greenish(straight.pixelColor(shaft)));
    }
}
