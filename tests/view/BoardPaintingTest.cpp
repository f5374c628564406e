// The board's geometry and painting, read back from the canvas: squares in
// colours and pictures in both orientations, the border with coordinates and
// frames, board lines, pieces through their masks, single-square repaints.
#include "ViewTestSupport.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

const std::string kEmpty(64, ' ');
const QColor kLight(0xC0, 0xC0, 0xC0);
const QColor kDark(0x80, 0x80, 0x80);

QColor SquareCentre(const TChessBoard& board, Square q)
{
    int x = 0, y = 0;
    board.SquareOrigin(q, x, y);
    return CanvasAt(board, x + board.SizeOfSquare() / 2, y + board.SizeOfSquare() / 2);
}

// A picture whose every pixel tells where it lies in the picture.
QImage Gradient(int w, int h, int blue)
{
    QImage picture(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            picture.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, blue));
    return picture;
}

bool IsBright(QColor c)
{
    return c.red() > 128 && c.green() > 128 && c.blue() > 128;
}

// Bright (label) pixels inside a rectangle of the canvas.
int BrightPixels(const TChessBoard& board, const QRect& area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += IsBright(CanvasAt(board, x, y)) ? 1 : 0;
    return n;
}

} // namespace

TEST(BoardGeometry, SquareSizeFollowsTheMeanOfWidthAndHeight)
{
    ShownBoard b(400);
    EXPECT_EQ(b->SizeOfSquare(), 44);
    EXPECT_EQ(b->size(), QSize(400, 400));
    EXPECT_EQ(b->Canvas().size(), QSize(400, 400));

    b->resize(536, 536);
    EXPECT_EQ(b->SizeOfSquare(), 61);
    EXPECT_EQ(b->size(), QSize(536, 536));

    b->resize(370, 370);
    EXPECT_EQ(b->SizeOfSquare(), 40);
    EXPECT_EQ(b->size(), QSize(368, 368));
    EXPECT_EQ(b->Canvas().size(), QSize(368, 368));
}

TEST(BoardGeometry, SizeWritersSetOnlyTheWidthAndThePaintSquaresTheBoard)
{
    QWidget window;
    auto* board = new TChessBoard(&window, true);
    EXPECT_EQ(board->size(), QSize(368, 368));
    board->SetSizeOfSquare(44);
    EXPECT_EQ(board->size(), QSize(400, 368));
    window.show();
    EXPECT_EQ(board->SizeOfSquare(), 42);
    EXPECT_EQ(board->size(), QSize(384, 384));

    QWidget other;
    auto* second = new TChessBoard(&other, true);
    second->SetSizeOfBorder(10);
    EXPECT_EQ(second->BoardLeft(), 10);
    EXPECT_EQ(second->BoardTop(), 10);
    EXPECT_EQ(second->size(), QSize(340, 368));
    other.show();
    EXPECT_EQ(second->SizeOfSquare(), 41);
    EXPECT_EQ(second->size(), QSize(348, 348));
}

TEST(BoardGeometry, PointToSquareAndSquareOriginInBothOrientations)
{
    ShownBoard b(400);
    const int B = 24, S = 44;
    EXPECT_EQ(b->PointToSquare(B, B), Square::A8);
    EXPECT_EQ(b->PointToSquare(B + 8 * S - 1, B + 8 * S - 1), Square::H1);
    EXPECT_EQ(b->PointToSquare(B + 8 * S, B), Square::None);
    EXPECT_EQ(b->PointToSquare(B - 1, B), Square::None);
    EXPECT_EQ(b->PointToSquare(B + 4 * S + 3, B + 6 * S + 43), Square::E2);
    int x = 0, y = 0;
    b->SquareOrigin(Square::E2, x, y);
    EXPECT_EQ(x, B + 4 * S);
    EXPECT_EQ(y, B + 6 * S);

    b->SetWhiteOnTop(true);
    EXPECT_EQ(b->PointToSquare(B, B), Square::H1);
    EXPECT_EQ(b->PointToSquare(B + 8 * S - 1, B + 8 * S - 1), Square::A8);
    b->SquareOrigin(Square::E2, x, y);
    EXPECT_EQ(x, B + 3 * S);
    EXPECT_EQ(y, B + 1 * S);
    for (int q = 1; q <= 64; ++q) {
        b->SquareOrigin(SquareFromOrd(q), x, y);
        EXPECT_EQ(b->PointToSquare(x + S - 1, y), SquareFromOrd(q));
    }
}

TEST(BoardPainting, SquaresTakeTheirColoursAndTheTopLeftSquareIsLight)
{
    ShownBoard b(400);
    b->SetPosition(kEmpty);
    for (bool whiteOnTop : {false, true}) {
        b->SetWhiteOnTop(whiteOnTop);
        for (int q = 1; q <= 64; ++q) {
            const Square s = SquareFromOrd(q);
            EXPECT_EQ(SquareCentre(*b, s), IsLightSquare(s) ? kLight : kDark) << q;
        }
        EXPECT_EQ(CanvasAt(*b, 24, 24), kLight);
        EXPECT_EQ(CanvasAt(*b, 24 + 44, 24), kDark);
    }
    b->SetSquareColorDark(QColor(0x80, 0, 0));
    b->SetSquareColorLight(QColor(0x80, 0x80, 0));
    EXPECT_EQ(SquareCentre(*b, Square::A1), QColor(0x80, 0, 0));
    EXPECT_EQ(SquareCentre(*b, Square::H1), QColor(0x80, 0x80, 0));
}

TEST(BoardPainting, BorderAndBothFramesUseTheirColourAndPen)
{
    ShownBoard b(400);
    b->SetBorderColor(QColor(0, 0, 200));
    b->SetLineStyle(QPen(QColor(255, 0, 0)));
    const QColor red(255, 0, 0), blue(0, 0, 200);
    // The outer frame on the control's edge, the inner one just outside the
    // 8 x 8 area (23 and 376 on a border of 24 and squares of 44).
    for (int t : {0, 200, 399}) {
        EXPECT_EQ(CanvasAt(*b, t, 0), red);
        EXPECT_EQ(CanvasAt(*b, 0, t), red);
        EXPECT_EQ(CanvasAt(*b, t, 399), red);
        EXPECT_EQ(CanvasAt(*b, 399, t), red);
    }
    for (int t : {23, 200, 376}) {
        EXPECT_EQ(CanvasAt(*b, t, 23), red);
        EXPECT_EQ(CanvasAt(*b, 23, t), red);
        EXPECT_EQ(CanvasAt(*b, t, 376), red);
        EXPECT_EQ(CanvasAt(*b, 376, t), red);
    }
    EXPECT_EQ(CanvasAt(*b, 10, 200), blue);
    EXPECT_EQ(CanvasAt(*b, 22, 22), blue);
    EXPECT_EQ(CanvasAt(*b, 390, 390), blue);
    // No coordinates by default: the border holds only its colour and frames.
    EXPECT_EQ(BrightPixels(*b, QRect(1, 1, 21, 398)), 0);
}

TEST(BoardPainting, BorderPictureIsTiledFromTheControlsCorner)
{
    ShownBoard b(400);
    const QImage picture = Gradient(17, 13, 50);
    b->SetBorderBitmap(&picture);
    for (QPoint p : {QPoint(5, 5), QPoint(200, 10), QPoint(390, 300), QPoint(12, 388)})
        EXPECT_EQ(CanvasAt(*b, p.x(), p.y()), QColor(picture.pixel(p.x() % 17, p.y() % 13)));
    b->SetBorderBitmap(nullptr);
    EXPECT_EQ(CanvasAt(*b, 5, 5), QColor(Qt::black));
}

TEST(BoardPainting, SquarePicturesAreTiledAndASingleRepaintMatchesAFullPaint)
{
    ShownBoard b(400);
    const QImage dark = Gradient(30, 30, 10);
    const QImage light = Gradient(23, 37, 240);
    b->SetSquareDark(&dark);
    b->SetSquareLight(&light);
    b->SetBoardLines(true);
    for (bool whiteOnTop : {false, true}) {
        b->SetWhiteOnTop(whiteOnTop);
        b->SetPosition("init");
        // Every dark square shows the part of the picture under it.
        int x = 0, y = 0;
        b->SquareOrigin(Square::A1, x, y);
        EXPECT_EQ(CanvasAt(*b, x + 5, y + 20), QColor(dark.pixel((x + 5) % 30, (y + 20) % 30)));
        b->SquareOrigin(Square::D5, x, y);
        EXPECT_EQ(CanvasAt(*b, x + 40, y + 7), QColor(light.pixel((x + 40) % 23, (y + 7) % 37)));

        // Repaint each square alone and compare with the full paint.
        for (int q = 1; q <= 64; ++q) {
            const Square s = SquareFromOrd(q);
            const QImage full = SquarePixels(*b, s);
            b->DrawPiece(s, 'Q');
            b->DrawSquare(s);
            b->DrawPiece(s, b->PieceAt(s));
            EXPECT_EQ(SquarePixels(*b, s), full) << "square " << q << " whiteOnTop " << whiteOnTop;
        }
    }
}

TEST(BoardPainting, BoardLinesCoverTheFirstPixelOfColumnsAndRowsOneToSeven)
{
    ShownBoard b(400);
    b->SetPosition(kEmpty);
    const QColor green(0, 160, 0);
    b->SetLineStyle(QPen(green));
    b->SetBoardLines(true);
    const int B = 24, S = 44;
    for (int i = 1; i <= 7; ++i) {
        EXPECT_EQ(CanvasAt(*b, B + i * S, B + 10), green) << i;
        EXPECT_EQ(CanvasAt(*b, B + 10, B + i * S), green) << i;
        EXPECT_EQ(CanvasAt(*b, B + i * S, B + 8 * S - 1), green) << i;
        EXPECT_NE(CanvasAt(*b, B + i * S - 1, B + 10), green) << i;
        EXPECT_NE(CanvasAt(*b, B + 10, B + i * S - 1), green) << i;
        EXPECT_NE(CanvasAt(*b, B + i * S + 1, B + 10), green) << i;
    }
    // Column 0 and row 0 carry no line.
    EXPECT_NE(CanvasAt(*b, B, B + 10), green);
    EXPECT_NE(CanvasAt(*b, B + 10, B), green);

    // A square repainted alone keeps its part of the lines.
    b->DrawSquare(Square::E4);
    int x = 0, y = 0;
    b->SquareOrigin(Square::E4, x, y);
    EXPECT_EQ(CanvasAt(*b, x, y + 20), green);
    EXPECT_EQ(CanvasAt(*b, x + 20, y), green);
    EXPECT_NE(CanvasAt(*b, x + 20, y + 20), green);

    b->SetBoardLines(false);
    EXPECT_EQ(CanvasAt(*b, B + S, B + 10), kDark);
}

TEST(BoardPainting, CoordinatesStandOnTheChosenSidesAtTheirOffsets)
{
    ShownBoard b(400);
    const int B = 24, S = 44;
    b->SetDisplayCoords(CoordSet{DisplayCoords::West});
    EXPECT_GT(BrightPixels(*b, QRect(0, 0, B, 400)), 0);
    EXPECT_EQ(BrightPixels(*b, QRect(B, 0, 400 - B, B)), 0);
    EXPECT_EQ(BrightPixels(*b, QRect(400 - B, 0, B, 400)), 0);
    EXPECT_EQ(BrightPixels(*b, QRect(B, 400 - B, 400 - 2 * B, B)), 0);
    // Each rank number starts at x = 9 and at its row's y + 18.
    for (int i = 0; i < 8; ++i) {
        EXPECT_GT(BrightPixels(*b, QRect(9, B + i * S + 18, B - 9, 14)), 0) << i;
        EXPECT_EQ(BrightPixels(*b, QRect(0, B + i * S + 18, 9, 14)), 0) << i;
        EXPECT_EQ(BrightPixels(*b, QRect(1, B + i * S + 1, B - 2, 16)), 0) << i;
    }
    // The top row reads 8 with White at the bottom and 1 with White on top,
    // and the bottom row the other way round.
    const QRect top(0, B + 10, B, 30), bottom(0, B + 7 * S + 10, B, 30);
    const QImage eightAtTop = b->Canvas().copy(top);
    const QImage oneAtBottom = b->Canvas().copy(bottom);
    b->SetWhiteOnTop(true);
    EXPECT_EQ(b->Canvas().copy(bottom), eightAtTop);
    EXPECT_EQ(b->Canvas().copy(top), oneAtBottom);
    EXPECT_NE(eightAtTop, oneAtBottom);

    b->SetWhiteOnTop(false);
    b->SetDisplayCoords(CoordSet{DisplayCoords::North, DisplayCoords::South});
    EXPECT_EQ(BrightPixels(*b, QRect(0, B, B, 400 - 2 * B)), 0);
    EXPECT_EQ(BrightPixels(*b, QRect(400 - B, B, B, 400 - 2 * B)), 0);
    EXPECT_GT(BrightPixels(*b, QRect(B, 0, 400 - 2 * B, B)), 0);
    EXPECT_GT(BrightPixels(*b, QRect(B, 400 - B, 400 - 2 * B, B)), 0);
    const QImage aAtLeft = b->Canvas().copy(QRect(B, 0, S, B));
    b->SetWhiteOnTop(true);
    EXPECT_EQ(b->Canvas().copy(QRect(B + 7 * S, 0, S, B)), aAtLeft);

    b->SetDisplayCoords(CoordSet{DisplayCoords::East});
    EXPECT_GT(BrightPixels(*b, QRect(400 - B, B, B, 400 - 2 * B)), 0);
    EXPECT_EQ(BrightPixels(*b, QRect(0, B, B, 400 - 2 * B)), 0);
}

TEST(BoardPainting, PiecesAreDrawnThroughTheirMasks)
{
    ShownBoard b(400);
    const int P = b->PieceSize();
    ASSERT_EQ(P, 40);
    for (char piece : {'K', 'n', 'P', 'q'}) {
        b->SetPosition(kEmpty);
        b->DrawPiece(Square::E4, piece);
        const QImage& image = b->PieceImages().Masked(b->PieceImageIndex(piece));
        int x = 0, y = 0;
        b->SquareOrigin(Square::E4, x, y);
        const QColor square = IsLightSquare(Square::E4) ? kLight : kDark;
        int seeThrough = 0, opaque = 0;
        for (int v = 0; v < P; ++v)
            for (int u = 0; u < P; ++u) {
                const QRgb m = image.pixel(u, v);
                const QColor shown = CanvasAt(*b, x + 2 + u, y + 2 + v);
                if (qAlpha(m) == 0) {
                    ++seeThrough;
                    ASSERT_EQ(shown, square) << piece << " " << u << "," << v;
                } else {
                    ++opaque;
                    ASSERT_EQ(shown, QColor(m)) << piece << " " << u << "," << v;
                }
            }
        EXPECT_GT(seeThrough, 0);
        EXPECT_GT(opaque, 0);
    }
    // Not a piece letter: nothing drawn.
    b->SetPosition(kEmpty);
    const QImage before = SquarePixels(*b, Square::E4);
    b->DrawPiece(Square::E4, 'x');
    b->DrawPiece(Square::E4, ' ');
    EXPECT_EQ(SquarePixels(*b, Square::E4), before);
}

TEST(BoardPainting, PiecesAreCentredWithASignedOffset)
{
    ShownBoard b(368);
    b->SetPosition(kEmpty);
    const QImage small = BlockSheet(16);
    b->SetCustomPieceSet(&small);
    EXPECT_EQ(b->PieceSize(), 16);
    b->DrawPiece(Square::A8, 'R');
    const QColor rook(20 + 30 * 3, 40, 90);
    EXPECT_EQ(CanvasAt(*b, 24 + 12, 24 + 12), rook);
    EXPECT_EQ(CanvasAt(*b, 24 + 27, 24 + 27), rook);
    EXPECT_EQ(CanvasAt(*b, 24 + 11, 24 + 12), kLight);
    EXPECT_EQ(CanvasAt(*b, 24 + 28, 24 + 28), kLight);

    // 80-pixel pieces on squares of 44 start 18 pixels up and left of the
    // square and overlap the border.
    b->resize(400, 400);
    const QImage large = BlockSheet(80);
    b->SetCustomPieceSet(&large);
    b->SetPosition("init");
    EXPECT_EQ(b->PieceSize(), 80);
    const QColor blackRook(20 + 30 * 3, 200, 90);
    EXPECT_EQ(CanvasAt(*b, 6, 6), blackRook);
    EXPECT_EQ(CanvasAt(*b, 5, 5), QColor(Qt::black));
}

TEST(BoardPieceSets, CustomSheetWinsAndIsRefusedWhenMalformed)
{
    ShownBoard b(400);
    EXPECT_EQ(b->StandardSize(), StandardSet::Size40);
    b->SetStandardSize(StandardSet::Size80);
    EXPECT_EQ(b->PieceSize(), 80);
    EXPECT_EQ(b->StandardSetBitmap().size(), QSize(480, 320));
    b->SetStandardSize(StandardSet::Size16);
    EXPECT_EQ(b->PieceSize(), 16);

    const QImage sheet = BlockSheet(50);
    b->SetCustomPieceSet(&sheet);
    EXPECT_EQ(b->PieceSize(), 50);
    b->SetStandardSize(StandardSet::Size80);
    EXPECT_EQ(b->PieceSize(), 50);

    // A refused sheet changes nothing and does not repaint: a piece drawn
    // by hand on an empty square stays.
    b->DrawPiece(Square::E4, 'Q');
    const QImage marked = b->Canvas();
    const QImage crooked(240, 161, QImage::Format_RGB32);
    const QImage empty;
    b->SetCustomPieceSet(&crooked);
    b->SetCustomPieceSet(&empty);
    EXPECT_EQ(b->PieceSize(), 50);
    EXPECT_EQ(b->Canvas(), marked);

    // No sheet at all brings back the built-in one of StandardSize.
    b->SetCustomPieceSet(nullptr);
    EXPECT_EQ(b->PieceSize(), 80);
    EXPECT_TRUE(b->CustomPieceSet().isNull());
    EXPECT_NE(b->Canvas(), marked);

    const QImage odd = BlockSheet(41);
    b->SetCustomPieceSet(&odd);
    EXPECT_EQ(b->PieceSize(), 41);
    EXPECT_EQ(b->PieceImageIndex('k'), 11);
}

TEST(BoardPainting, ChangedSquaresAreRedrawnAfterAWholesaleChange)
{
    ShownBoard b(400);
    const std::string before = b->Position();
    b->SetPosition(kEmpty);
    const QImage emptyE2 = SquarePixels(*b, Square::E2);
    b->SetPosition(before);
    const QImage pawnE2 = SquarePixels(*b, Square::E2);
    ASSERT_NE(emptyE2, pawnE2);
    b->DrawSquare(Square::E2); // stale picture: e2 drawn empty
    b->RedrawChangedSquares(kEmpty);
    EXPECT_EQ(SquarePixels(*b, Square::E2), pawnE2);
}

TEST(BoardPainting, DegenerateSizesDrawWithoutFailing)
{
    ShownBoard b(30);
    EXPECT_GE(b->SizeOfSquare(), 1);
    EXPECT_EQ(b->width(), 8 * b->SizeOfSquare() + 48);
    EXPECT_EQ(b->Canvas().size(), b->size());

    QFont huge(QStringLiteral("Arial"));
    huge.setPointSize(72);
    b->SetCoordFont(huge);
    b->SetDisplayCoords(CoordSet::All());
    b->SetBoardLines(true);
    b->SetSizeOfBorder(2);
    b->SetSizeOfSquare(-5);
    EXPECT_GE(b->SizeOfSquare(), 1);
    b->SetSizeOfSquare(1000000);
    EXPECT_LE(b->width(), 4000);
    b->SetSizeOfBorder(-3);
    EXPECT_EQ(b->SizeOfBorder(), 0);
    b->DrawSquare(Square::None);
    b->DrawPiece(Square::None, 'K');
    EXPECT_EQ(b->PointToSquare(-1, -1), Square::None);
    b->SetSizeOfBorder(24);
    b->SetSizeOfSquare(44);
    b->resize(400, 400);
    EXPECT_EQ(b->size(), QSize(400, 400));
}

TEST(BoardPainting, AHiddenBoardPaintsAtItsFirstShow)
{
    QWidget window;
    auto* board = new TChessBoard(&window, true);
    board->SetSquareColorDark(QColor(1, 2, 3));
    window.show();
    EXPECT_EQ(SquareCentre(*board, Square::A3), QColor(1, 2, 3));
    EXPECT_EQ(board->Canvas().size(), QSize(368, 368));
}

TEST(BoardPainting, OnPaintComesBeforeTheDrawingAndOnlyOutsideDesignMode)
{
    QWidget window;
    auto* board = new TChessBoard(&window, false);
    board->SetPosition(kEmpty);
    int paints = 0;
    board->OnPaint = [&](QObject* sender) {
        EXPECT_EQ(sender, board);
        ++paints;
        board->DrawPiece(Square::E4, 'Q'); // painted over by the paint
    };
    EXPECT_EQ(paints, 0); // nothing is painted before the first show
    window.show();
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(SquareCentre(*board, Square::E4), IsLightSquare(Square::E4) ? kLight : kDark);
    board->SetBoardLines(true);
    board->SetWhiteOnTop(true);
    EXPECT_EQ(paints, 3);
    board->OnPaint = nullptr;

    ShownBoard design(400);
    int designPaints = 0;
    design->OnPaint = [&](QObject*) { ++designPaints; };
    design->SetBoardLines(true);
    EXPECT_EQ(designPaints, 0);
}

TEST(BoardDefaults, VisualPropertiesStartAtTheirDefaults)
{
    TChessBoard board(nullptr, true);
    EXPECT_EQ(board.size(), QSize(368, 368));
    EXPECT_EQ(board.SizeOfSquare(), 40);
    EXPECT_EQ(board.SizeOfBorder(), 24);
    EXPECT_EQ(board.BoardLeft(), 24);
    EXPECT_EQ(board.BoardTop(), 24);
    EXPECT_FALSE(board.WhiteOnTop());
    EXPECT_TRUE(board.DisplayCoords().Empty());
    EXPECT_EQ(board.CoordFont().family(), QStringLiteral("Arial"));
    EXPECT_EQ(board.CoordFont().pointSize(), 7);
    EXPECT_EQ(board.CoordFontColor(), QColor(Qt::white));
    EXPECT_EQ(board.BorderColor(), QColor(Qt::black));
    EXPECT_TRUE(board.BorderBitmap().isNull());
    EXPECT_EQ(board.SquareColorDark(), kDark);
    EXPECT_EQ(board.SquareColorLight(), kLight);
    EXPECT_TRUE(board.SquareDark().isNull());
    EXPECT_TRUE(board.SquareLight().isNull());
    EXPECT_FALSE(board.BoardLines());
    EXPECT_EQ(board.LineStyle().color(), QColor(Qt::black));
    EXPECT_EQ(board.LineStyle().width(), 1);
    EXPECT_EQ(board.LineStyle().style(), Qt::SolidLine);
    EXPECT_EQ(board.StandardSize(), StandardSet::Size40);
    EXPECT_EQ(board.StandardSetBitmap().size(), QSize(240, 160));
    EXPECT_TRUE(board.CustomPieceSet().isNull());
    EXPECT_EQ(board.PieceSize(), 40);
    EXPECT_EQ(board.PieceImages().Count(), 12);
    EXPECT_FALSE(board.Resizable());
    EXPECT_TRUE(board.AnimateMoves());
    EXPECT_EQ(board.AnimationDelay(), 0);
    EXPECT_EQ(board.LastDragFrom(), Square::None);
    EXPECT_EQ(board.LastDropTo(), Square::None);
}
