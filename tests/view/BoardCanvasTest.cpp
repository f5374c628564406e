// The board's canvas on its own: the picture follows the size and the
// screen's density, is kept while a painter is open, and one painter serves
// every routine until the one that opened it closes it.
#include "board/BoardCanvas.h"

#include <gtest/gtest.h>

TEST(BoardCanvas, ThePictureFollowsSizeAndDensityWithinBounds)
{
    BoardCanvas canvas;
    EXPECT_TRUE(canvas.Fit(QSize(368, 368), 1.0, 4000));
    EXPECT_EQ(canvas.Image().size(), QSize(368, 368));
    EXPECT_EQ(canvas.Image().pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_FALSE(canvas.Fit(QSize(368, 368), 1.0, 4000)); // nothing to do

    EXPECT_TRUE(canvas.Fit(QSize(101, 50), 1.5, 4000));
    EXPECT_EQ(canvas.Image().size(), QSize(152, 75)); // device pixels, rounded up
    EXPECT_EQ(canvas.LogicalSize(), QSize(101, 50));
    EXPECT_EQ(canvas.Ratio(), 1.5);

    canvas.Fit(QSize(0, 9000), 1.0, 4000);
    EXPECT_EQ(canvas.LogicalSize(), QSize(1, 4000));
}

TEST(BoardCanvas, OnePainterAtATimeAndNoNewPictureUnderIt)
{
    BoardCanvas canvas;
    canvas.Fit(QSize(40, 40), 1.0, 4000);
    EXPECT_EQ(canvas.OpenPainter(), nullptr);
    ASSERT_TRUE(canvas.Open());
    QPainter* painter = canvas.OpenPainter();
    ASSERT_NE(painter, nullptr);
    EXPECT_FALSE(canvas.Open()); // a nested routine uses the same one
    EXPECT_EQ(canvas.OpenPainter(), painter);
    EXPECT_FALSE(canvas.Fit(QSize(80, 80), 1.0, 4000));
    EXPECT_EQ(canvas.LogicalSize(), QSize(40, 40));

    painter->fillRect(QRect(0, 0, 10, 10), Qt::red);
    canvas.Close();
    EXPECT_EQ(canvas.OpenPainter(), nullptr);
    EXPECT_EQ(canvas.Image().pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_TRUE(canvas.Fit(QSize(80, 80), 1.0, 4000));
}

TEST(BoardCanvas, ShowingCopiesTheAskedAreaAtTheCanvasDensity)
{
    BoardCanvas canvas;
    canvas.Fit(QSize(20, 20), 2.0, 4000);
    ASSERT_TRUE(canvas.Open());
    canvas.OpenPainter()->fillRect(QRect(10, 0, 10, 20), Qt::white); // logical pixels
    canvas.Close();

    QImage screen(20, 20, QImage::Format_RGB32);
    screen.fill(Qt::blue);
    {
        QPainter painter(&screen);
        canvas.ShowOn(painter, QRect(5, 0, 10, 20));
    }
    EXPECT_EQ(screen.pixel(2, 2), qRgb(0, 0, 255)); // outside the area
    EXPECT_EQ(screen.pixel(7, 2), qRgb(0, 0, 0));
    EXPECT_EQ(screen.pixel(12, 2), qRgb(255, 255, 255));
    EXPECT_EQ(screen.pixel(17, 2), qRgb(0, 0, 255));
}
