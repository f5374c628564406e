// The board's look on its own, without a widget: which sheet its piece
// images come from, at which size and density, and that it is a value.
#include "board/BoardLook.h"

#include "ViewTestSupport.h"

#include <gtest/gtest.h>

namespace {

// The colour BlockSheet gives a piece (slots pawn, knight, bishop, rook,
// queen, king).
QRgb BlockColour(int slot, bool black)
{
    return QColor(20 + 30 * slot, black ? 200 : 40, 90).rgb();
}

QRgb Middle(const QImage& image)
{
    return image.pixel(image.width() / 2, image.height() / 2);
}

TEST(BoardLook, ThePiecesComeFromTheCustomSheetWhileOneIsValidElseFromTheBuiltInSet)
{
    BoardLook look;
    look.CutPieces(1.0);
    const QImage builtInQueen = look.PieceImage('Q');
    ASSERT_FALSE(builtInQueen.isNull());
    EXPECT_EQ(look.PieceSize(), 40);
    EXPECT_EQ(builtInQueen.size(), QSize(40, 40));
    EXPECT_TRUE(look.PieceImage('x').isNull());

    const QImage sheet = BlockSheet(30);
    ASSERT_TRUE(look.SetCustomPieceSet(&sheet, 1.0));
    EXPECT_EQ(look.PieceSize(), 30);
    EXPECT_EQ(Middle(look.PieceImage('Q')), BlockColour(4, false));
    EXPECT_EQ(Middle(look.PieceImage('n')), BlockColour(1, true));

    // A sheet of the wrong proportions is refused and changes nothing.
    const QImage wrong(100, 100, QImage::Format_RGB32);
    EXPECT_FALSE(look.SetCustomPieceSet(&wrong, 1.0));
    EXPECT_EQ(look.CustomPieceSet(), sheet);
    EXPECT_EQ(Middle(look.PieceImage('Q')), BlockColour(4, false));

    // Another standard size is remembered but hidden by the custom sheet
    // until that is emptied.
    look.SetStandardSize(StandardSet::Size64, 1.0);
    EXPECT_EQ(look.PieceSize(), 30);
    ASSERT_TRUE(look.SetCustomPieceSet(nullptr, 1.0));
    EXPECT_EQ(look.StandardSize(), StandardSet::Size64);
    EXPECT_EQ(look.PieceSize(), 64);
    look.SetStandardSize(StandardSet::Size40, 1.0);
    EXPECT_EQ(look.PieceImage('Q'), builtInQueen);
}

TEST(BoardLook, OnADenserScreenThePiecesGetItsPixelsFromTheLargerSheet)
{
    BoardLook look;
    const QImage sheet = BlockSheet(20);
    ASSERT_TRUE(look.SetCustomPieceSet(&sheet, 1.0));
    // At one device pixel a logical pixel the larger sheet is never read.
    const QImage large = BlockSheet(40, 4);
    EXPECT_FALSE(look.SetCustomPieceSetLarge(&large, 1.0));
    EXPECT_EQ(look.PieceImage('Q').size(), QSize(20, 20));

    EXPECT_TRUE(look.SetCustomPieceSetLarge(&large, 2.0));
    EXPECT_EQ(look.PiecesRatio(), 2.0);
    EXPECT_EQ(look.PieceSize(), 20);
    const QImage queen = look.PieceImage('Q');
    EXPECT_EQ(queen.size(), QSize(40, 40));
    EXPECT_EQ(queen.devicePixelRatio(), 2.0);
    // The larger sheet's frame of 4 see-through pixels shows: it was used.
    EXPECT_EQ(qAlpha(queen.pixel(1, 1)), 0);
    EXPECT_EQ(queen.pixel(20, 20), BlockColour(4, false));

    // Back on a plain screen the images are cut from the plain sheet.
    look.CutPieces(1.0);
    EXPECT_EQ(look.PiecesRatio(), 1.0);
    EXPECT_EQ(look.PieceImage('Q').size(), QSize(20, 20));
    EXPECT_EQ(qAlpha(look.PieceImage('Q').pixel(1, 1)), 255);
}

TEST(BoardLook, ACopyIsAValueOfItsOwn)
{
    BoardLook look;
    look.CutPieces(1.0);
    BoardLook copy = look;
    const QImage sheet = BlockSheet(30);
    ASSERT_TRUE(copy.SetCustomPieceSet(&sheet, 1.0));
    copy.SquareColorDark = Qt::red;
    copy.CoordFont.setPointSize(12);
    EXPECT_TRUE(look.CustomPieceSet().isNull());
    EXPECT_EQ(look.PieceSize(), 40);
    EXPECT_NE(Middle(look.PieceImage('Q')), BlockColour(4, false));
    EXPECT_EQ(look.SquareColorDark, QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(look.CoordFont.pointSize(), 7);
}

} // namespace
