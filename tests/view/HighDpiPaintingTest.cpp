// The board on a screen of more device pixels than logical ones (run with
// QT_SCALE_FACTOR=2 and 1.5): the canvas has the screen's pixels, squares,
// lines and frames cover exactly the device pixels they cover at one device
// pixel per logical pixel, and pieces, coordinates, arrows and circles are drawn with the
// device's own pixels rather than enlarged in blocks.
#include "ViewTestSupport.h"

#include <QApplication>
#include <QPixmap>
#include <QTest>
#include <QtMath>

#include <gtest/gtest.h>

namespace {

const std::string kEmpty(64, ' ');
const QColor kLight(0xC0, 0xC0, 0xC0);
const QColor kDark(0x80, 0x80, 0x80);

qreal Ratio()
{
    return qApp->devicePixelRatio();
}

#define NEED_DENSE_SCREEN()                                                                                            \
    if (Ratio() <= 1.0)                                                                                                \
    GTEST_SKIP() << "runs with QT_SCALE_FACTOR above 1"
#define NEED_RATIO_TWO()                                                                                               \
    if (Ratio() != 2.0)                                                                                                \
    GTEST_SKIP() << "pixel for pixel checks run with QT_SCALE_FACTOR=2"

// 2 x 2 blocks of device pixels, on the even grid, whose four pixels are not
// all alike: none in a picture enlarged from one device pixel per logical one.
int UnevenBlocks(const QImage& canvas, const QRect& logical)
{
    int n = 0;
    for (int y = 2 * logical.top(); y < 2 * (logical.bottom() + 1); y += 2)
        for (int x = 2 * logical.left(); x < 2 * (logical.right() + 1); x += 2) {
            const QRgb c = canvas.pixel(x, y);
            if (canvas.pixel(x + 1, y) != c || canvas.pixel(x, y + 1) != c || canvas.pixel(x + 1, y + 1) != c)
                ++n;
        }
    return n;
}

bool HasPartlySeeThroughPixels(const QImage& picture)
{
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const int a = qAlpha(picture.pixel(x, y));
            if (a != 0 && a != 255)
                return true;
        }
    return false;
}

} // namespace

TEST(HighDpiPainting, TheCanvasAndAGrabOfTheBoardHaveTheScreensPixels)
{
    NEED_DENSE_SCREEN();
    ShownBoard b(368);
    b->SetDisplayCoords(CoordSet{DisplayCoords::West, DisplayCoords::North});
    const int side = qCeil(368 * Ratio());
    EXPECT_EQ(b->Canvas().size(), QSize(side, side));
    EXPECT_EQ(b->Canvas().devicePixelRatio(), Ratio());
    EXPECT_EQ(b->SizeOfSquare(), 40);

    // The widget shows the canvas pixel for pixel.
    const QPixmap grab = b->grab();
    EXPECT_EQ(grab.devicePixelRatio(), Ratio());
    ASSERT_EQ(grab.size(), b->Canvas().size());
    EXPECT_EQ(grab.toImage().convertToFormat(QImage::Format_RGB32), b->Canvas());

    // Squares keep their colours and places.
    b->SetPosition(kEmpty);
    for (int q = 1; q <= 64; ++q) {
        int x = 0, y = 0;
        b->SquareOrigin(SquareFromOrd(q), x, y);
        const QPoint centre = ((QPointF(x, y) + QPointF(20, 20)) * Ratio()).toPoint();
        EXPECT_EQ(QColor(b->Canvas().pixel(centre)), IsLightSquare(SquareFromOrd(q)) ? kLight : kDark) << q;
    }
}

TEST(HighDpiPainting, SquaresLinesAndFramesCoverWhatTheyCoverAtOneDevicePixel)
{
    NEED_RATIO_TWO();
    ShownBoard b(368);
    b->SetPosition(kEmpty);
    b->SetBorderColor(QColor(0, 0, 200));
    b->SetLineStyle(QPen(QColor(255, 0, 0)));
    b->SetBoardLines(true);
    const int B = 24, S = 40, W = 368;
    const QColor red(255, 0, 0), blue(0, 0, 200);
    // What one logical pixel shows at one device pixel per logical pixel.
    auto expected = [&](int x, int y) {
        const bool frame = x == 0 || y == 0 || x == W - 1 || y == W - 1 ||
            ((x == B - 1 || x == W - B) && y >= B - 1 && y <= W - B) ||
            ((y == B - 1 || y == W - B) && x >= B - 1 && x <= W - B);
        if (frame)
            return red;
        if (x < B || y < B || x >= W - B || y >= W - B)
            return blue;
        const bool line = ((x - B) % S == 0 && x != B) || ((y - B) % S == 0 && y != B);
        if (line)
            return red;
        return ((x - B) / S + (y - B) / S) % 2 == 0 ? kLight : kDark;
    };
    int wrong = 0;
    QPoint first;
    for (int y = 0; y < 2 * W; ++y)
        for (int x = 0; x < 2 * W; ++x)
            if (QColor(b->Canvas().pixel(x, y)) != expected(x / 2, y / 2) && wrong++ == 0)
                first = QPoint(x, y);
    EXPECT_EQ(wrong, 0) << "first at device pixel " << first.x() << "," << first.y();
}

TEST(HighDpiPainting, PiecesAreTheTwiceAsLargeSheetsPixels)
{
    NEED_RATIO_TWO();
    ShownBoard b(368);
    b->SetPosition(std::string(60, ' ') + "K   ");
    QImage sheet = LoadSheetResource(QStringLiteral("SET40@2x"));
    TPieceImages large;
    PieceIndexTable index{};
    ASSERT_EQ(CutPieceSheet(sheet, large, index), 80);
    const QImage& king = large.Masked(PieceImageIndexIn(index, 'K'));
    EXPECT_EQ(b->PieceSize(), 40);
    EXPECT_EQ(b->PieceImages().Masked(b->PieceImageIndex('K')).size(), QSize(80, 80));

    int x = 0, y = 0;
    b->SquareOrigin(Square::E1, x, y);
    const QColor ground = IsLightSquare(Square::E1) ? kLight : kDark;
    int opaque = 0;
    for (int dy = 0; dy < 80; ++dy)
        for (int dx = 0; dx < 80; ++dx) {
            const QRgb piece = king.pixel(dx, dy);
            const QColor shown(b->Canvas().pixel(2 * x + dx, 2 * y + dy));
            if (qAlpha(piece) == 255) {
                ++opaque;
                ASSERT_EQ(shown, QColor(piece)) << dx << "," << dy;
            } else {
                ASSERT_EQ(shown, ground) << dx << "," << dy;
            }
        }
    EXPECT_GT(opaque, 800);
    // Not the one-pixel piece enlarged: its edges step at device pixels.
    EXPECT_GT(UnevenBlocks(b->Canvas(), QRect(x, y, 40, 40)), 40);
}

TEST(HighDpiPainting, CoordinatesAreDrawnWithDevicePixels)
{
    NEED_RATIO_TWO();
    ShownBoard b(368);
    b->SetDisplayCoords(CoordSet{DisplayCoords::West});
    EXPECT_GT(UnevenBlocks(b->Canvas(), QRect(0, 24, 24, 320)), 16);
}

TEST(HighDpiPainting, ACustomSheetIsScaledSmoothlyUnlessItsLargeOneIsGiven)
{
    NEED_DENSE_SCREEN();
    ShownBoard b(368);
    const QImage custom = LoadSheetResource(QStringLiteral("CUSTOMSET"));
    const QImage large = LoadSheetResource(QStringLiteral("CUSTOMSET@2x"));
    const int side = qRound(40 * Ratio());
    b->SetCustomPieceSet(&custom);
    EXPECT_EQ(b->PieceSize(), 40);
    const QImage& scaled = b->PieceImages().Masked(b->PieceImageIndex('n'));
    EXPECT_EQ(scaled.size(), QSize(side, side));
    EXPECT_EQ(scaled.devicePixelRatio(), Ratio());
    EXPECT_TRUE(HasPartlySeeThroughPixels(scaled));

    // A large sheet of the wrong size is not used.
    const QImage wrong = large.copy(0, 0, 300, 200);
    b->SetCustomPieceSetLarge(&wrong);
    EXPECT_TRUE(HasPartlySeeThroughPixels(b->PieceImages().Masked(b->PieceImageIndex('n'))));

    b->SetCustomPieceSetLarge(&large);
    const QImage& sharp = b->PieceImages().Masked(b->PieceImageIndex('n'));
    EXPECT_EQ(sharp.size(), QSize(side, side));
    if (Ratio() == 2.0) {
        TPieceImages store;
        PieceIndexTable index{};
        CutPieceSheet(large, store, index);
        EXPECT_EQ(sharp, store.Masked(PieceImageIndexIn(index, 'n')));
        EXPECT_FALSE(HasPartlySeeThroughPixels(sharp));
    }
    // Emptying the custom sheet brings the built-in one back, from its own
    // large sheet.
    b->SetCustomPieceSet(nullptr);
    EXPECT_EQ(b->PieceImages().Masked(b->PieceImageIndex('n')).size(), QSize(side, side));
}

TEST(HighDpiPainting, TheMovingImageShowsThePieceWithDevicePixels)
{
    NEED_RATIO_TWO();
    ShownBoard b(368);
    int x = 0, y = 0;
    b->SquareOrigin(Square::E2, x, y);
    const QPoint e2(x + 20, y + 20);
    QTest::mousePress(b.board, Qt::LeftButton, Qt::NoModifier, e2);
    QTest::mouseMove(b.board, e2 + QPoint(0, -10));
    QTest::mouseMove(b.board, e2 + QPoint(0, -30));
    ASSERT_TRUE(b->MovingImage().Visible());
    const QImage shown = b.window->grab().toImage();
    const QImage& pawn = b->PieceImages().Masked(b->PieceImageIndex('P'));
    ASSERT_EQ(pawn.size(), QSize(80, 80));
    const QPoint at = b->MovingImage().Position() * 2;
    int same = 0, opaque = 0;
    for (int dy = 0; dy < 80; ++dy)
        for (int dx = 0; dx < 80; ++dx)
            if (qAlpha(pawn.pixel(dx, dy)) == 255) {
                ++opaque;
                same += QColor(shown.pixel(at.x() + dx, at.y() + dy)) == QColor(pawn.pixel(dx, dy)) ? 1 : 0;
            }
    EXPECT_GT(opaque, 400);
    EXPECT_EQ(same, opaque);
    QTest::mouseRelease(b.board, Qt::LeftButton, Qt::NoModifier, e2);
}

TEST(HighDpiPainting, DrawnArrowsAndCirclesHaveTheScreensPixels)
{
    NEED_RATIO_TWO();
    ShownBoard b(368);
    b->SetPosition(kEmpty);
    b->SetDrawsMarks(true);
    BoardDrawing drawing;
    drawing.Arrows = {{Square::B1, Square::G6, DrawColour::Red}};
    drawing.Circles = {{Square::D4, DrawColour::Blue}};
    b->SetDrawing(drawing);
    const QImage shown = b->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), b->Canvas().size());
    // The arrow's slanted edges and the circle's round one are smoothed with
    // device pixels: an arrow drawn at one device pixel and enlarged would
    // leave every 2 x 2 block even.
    int x = 0, y = 0;
    b->SquareOrigin(Square::C2, x, y);
    EXPECT_GT(UnevenBlocks(shown, QRect(x, y, 40, 40)), 10);
    b->SquareOrigin(Square::D4, x, y);
    EXPECT_GT(UnevenBlocks(shown, QRect(x, y, 40, 40)), 10);
    // The empty canvas beneath has none.
    EXPECT_EQ(UnevenBlocks(b->Canvas(), QRect(x, y, 40, 40)), 0);
}
