// The game window on a screen of more device pixels than logical ones (run
// with QT_SCALE_FACTOR=2 and 1.5): the knights beside the player boxes and
// the board's grey and red pieces come from their twice as large drawings.
#include "app/Unit2.h"
#include "board/ChessBoard.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

qreal Ratio()
{
    return qApp->devicePixelRatio();
}

int Device(int logical)
{
    return qRound(logical * Ratio());
}

} // namespace

TEST(GameWindowHighDpi, KnightsAndPiecesHaveTheScreensPixels)
{
    if (Ratio() <= 1.0)
        GTEST_SKIP() << "runs with QT_SCALE_FACTOR above 1";
    TForm2 form{nullptr, true};
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    for (QLabel* knight : {form.Image1, form.Image2}) {
        const QPixmap picture = knight->pixmap();
        EXPECT_EQ(picture.devicePixelRatio(), Ratio());
        EXPECT_EQ(picture.size(), QSize(Device(23), Device(33)));
        EXPECT_EQ(knight->size(), QSize(23, 33));
    }

    const TChessBoard& board = *form.ChessBoard1;
    EXPECT_EQ(board.PieceSize(), 40);
    const QImage& knight = board.PieceImages().Masked(board.PieceImageIndex('n'));
    EXPECT_EQ(knight.size(), QSize(Device(40), Device(40)));
    if (Ratio() == 2.0) {
        // Pixel for pixel the twice as large sheet's knight, not the small
        // one scaled.
        TPieceImages large;
        PieceIndexTable index{};
        ASSERT_EQ(CutPieceSheet(LoadSheetResource(QStringLiteral("CUSTOMSET@2x")), large, index), 80);
        EXPECT_EQ(knight, large.Masked(PieceImageIndexIn(index, 'n')));
    }
}
