// Piece sheets: the built-in ones, the validity rule for a caller's sheet,
// cutting a sheet into masked images and finding a piece letter's image.
#include "board/PieceSet.h"
#include "ViewTestSupport.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct BuiltIn {
    StandardSet set;
    const char* name;
    int width, height, maxColours;
};

const BuiltIn kBuiltIns[] = {
    {StandardSet::Size16, "SET16", 94, 64, 16},
    {StandardSet::Size32, "SET32", 192, 128, 16},
    {StandardSet::Size40, "SET40", 240, 160, 16},
    {StandardSet::Size64, "SET64", 384, 256, 16},
    {StandardSet::Size80, "SET80", 480, 320, 16},
    {StandardSet::SizeCm36, "SETCM36", 216, 144, 256},
    {StandardSet::SizeOrvane40, "SETORVANE40", 240, 160, 256},
};

bool IsWhite(QRgb c)
{
    return (c & 0xFFFFFF) == 0xFFFFFF;
}

// Share of a cell's pixels that a mask makes opaque.
double Coverage(const QImage& sheet, int column, int row, int P)
{
    int opaque = 0;
    for (int y = 0; y < P; ++y)
        for (int x = 0; x < P; ++x)
            if (sheet.valid(column * P + x, row * P + y) && !IsWhite(sheet.pixel(column * P + x, row * P + y)))
                ++opaque;
    return double(opaque) / (P * P);
}

} // namespace

TEST(BuiltInSheets, HaveTheirNamesSizesAndColourDepths)
{
    for (const BuiltIn& b : kBuiltIns) {
        SCOPED_TRACE(b.name);
        EXPECT_EQ(StandardSetResourceName(b.set), QString::fromLatin1(b.name));
        const QImage sheet = LoadSheetResource(b.name);
        ASSERT_FALSE(sheet.isNull());
        EXPECT_EQ(sheet.width(), b.width);
        EXPECT_EQ(sheet.height(), b.height);
        ASSERT_EQ(sheet.format(), QImage::Format_Indexed8);
        EXPECT_LE(sheet.colorCount(), b.maxColours);
    }
    EXPECT_TRUE(StandardSetResourceName(static_cast<StandardSet>(7)).isEmpty());
    EXPECT_TRUE(LoadSheetResource("SET99").isNull());
}

TEST(BuiltInSheets, MasksAreSilhouettesOfPlausiblePieces)
{
    for (const BuiltIn& b : kBuiltIns) {
        SCOPED_TRACE(b.name);
        const QImage sheet = LoadSheetResource(b.name);
        const int P = sheet.height() / 4;
        std::set<int> coverages;
        for (int colour = 0; colour < 2; ++colour)
            for (int j = 0; j < 6; ++j) {
                // A chess piece fills a fair part of its cell, never all of it.
                const double c = Coverage(sheet, j, 2 * colour + 1, P);
                EXPECT_GT(c, 0.12) << "piece " << j << " colour " << colour;
                EXPECT_LT(c, 0.75) << "piece " << j << " colour " << colour;
                coverages.insert(int(c * 1000));
                // Masks are black on white; the cell's corner is see-through.
                EXPECT_TRUE(IsWhite(sheet.pixel(j * P, (2 * colour + 1) * P)));
            }
        // Six different shapes, not one picture repeated.
        EXPECT_GE(coverages.size(), 6u);
        // The pawn is the smallest piece, the king or queen among the largest.
        EXPECT_LT(Coverage(sheet, 0, 1, P), Coverage(sheet, 5, 1, P));
    }
}

TEST(BuiltInSheets, DiagramSheetsAreBlackAndWhiteWithBlackSilhouetteMasks)
{
    for (const char* name : {"SET16", "SET64", "SET80"}) {
        SCOPED_TRACE(name);
        const QImage sheet = LoadSheetResource(name);
        for (int y = 0; y < sheet.height(); ++y)
            for (int x = 0; x < sheet.width(); ++x) {
                const QRgb c = sheet.pixel(x, y) & 0xFFFFFF;
                ASSERT_TRUE(c == 0 || c == 0xFFFFFF) << x << "," << y;
            }
    }
}

TEST(BuiltInSheets, CustomSheetMasksAreCopiesOfItsPictures)
{
    const QImage sheet = LoadSheetResource("CUSTOMSET");
    ASSERT_EQ(sheet.size(), QSize(240, 160));
    EXPECT_LE(sheet.colorCount(), 16);
    EXPECT_TRUE(IsValidPieceSet(&sheet));
    for (int row = 0; row < 2; ++row)
        EXPECT_EQ(sheet.copy(0, 80 * row, 240, 40), sheet.copy(0, 80 * row + 40, 240, 40));
    // Grey White pieces and red Black pieces.
    bool grey = false, red = false;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 240; ++x) {
            const QColor w(sheet.pixel(x, y));
            const QColor b(sheet.pixel(x, 80 + y));
            grey |= w.red() == w.green() && w.green() == w.blue() && w.red() > 100 && w.red() < 250;
            red |= b.red() > 120 && b.green() < 40 && b.blue() < 40;
        }
    EXPECT_TRUE(grey);
    EXPECT_TRUE(red);
}

TEST(PieceSetValidity, AcceptsThreeToTwoSheetsAndRefusesTheRest)
{
    for (QSize ok : {QSize(300, 200), QSize(90, 60), QSize(246, 164), QSize(30, 20), QSize(240, 160)}) {
        const QImage sheet(ok, QImage::Format_RGB32);
        EXPECT_TRUE(IsValidPieceSet(&sheet)) << ok.width() << "x" << ok.height();
    }
    for (QSize bad : {QSize(240, 161), QSize(241, 160), QSize(160, 240), QSize(3, 1)}) {
        const QImage sheet(bad, QImage::Format_RGB32);
        EXPECT_FALSE(IsValidPieceSet(&sheet)) << bad.width() << "x" << bad.height();
    }
    const QImage empty;
    EXPECT_FALSE(IsValidPieceSet(&empty));
    EXPECT_FALSE(IsValidPieceSet(nullptr));
}

TEST(PieceImages, CutsTwelveMaskedImagesInLetterOrder)
{
    const QImage sheet = BlockSheet(10, 2);
    TPieceImages store;
    PieceIndexTable index{};
    EXPECT_EQ(CutPieceSheet(sheet, store, index), 10);
    EXPECT_EQ(store.Count(), 12);
    EXPECT_EQ(store.ImageSize(), 10);

    EXPECT_EQ(PieceImageIndexIn(index, 'P'), 0);
    EXPECT_EQ(PieceImageIndexIn(index, 'K'), 5);
    EXPECT_EQ(PieceImageIndexIn(index, 'p'), 6);
    EXPECT_EQ(PieceImageIndexIn(index, 'k'), 11);
    for (char c : {' ', '_', '\0', 'x', 'A', '1'})
        EXPECT_EQ(PieceImageIndexIn(index, c), -1) << int(c);

    // The Black rook: its own colour where the mask is black, transparent
    // where the mask is white.
    const QImage& rook = store.Masked(PieceImageIndexIn(index, 'r'));
    ASSERT_EQ(rook.size(), QSize(10, 10));
    EXPECT_EQ(QColor(rook.pixel(5, 5)), QColor(20 + 30 * 3, 200, 90));
    EXPECT_EQ(qAlpha(rook.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(rook.pixel(1, 9)), 0);
    EXPECT_EQ(qAlpha(rook.pixel(2, 2)), 255);
    EXPECT_TRUE(store.Masked(12).isNull());
    EXPECT_TRUE(store.Masked(-1).isNull());
}

TEST(PieceImages, CellsBeyondANarrowSheetAreSeeThrough)
{
    // SET16's king cells lack their two rightmost columns.
    const QImage sheet = LoadSheetResource("SET16");
    TPieceImages store;
    PieceIndexTable index{};
    ASSERT_EQ(CutPieceSheet(sheet, store, index), 16);
    const QImage& king = store.Masked(PieceImageIndexIn(index, 'K'));
    for (int y = 0; y < 16; ++y) {
        EXPECT_EQ(qAlpha(king.pixel(14, y)), 0);
        EXPECT_EQ(qAlpha(king.pixel(15, y)), 0);
    }
}

TEST(PieceImages, ANullSheetGivesEmptyImagesAndSizeZero)
{
    TPieceImages store;
    PieceIndexTable index{};
    EXPECT_EQ(CutPieceSheet(QImage(), store, index), 0);
    EXPECT_EQ(store.Count(), 12);
    EXPECT_EQ(PieceImageIndexIn(index, 'Q'), 4);
    QImage target(4, 4, QImage::Format_RGB32);
    target.fill(Qt::blue);
    QPainter p(&target);
    store.Draw(p, 0, 0, 4); // nothing to draw, and no crash
    p.end();
    EXPECT_EQ(QColor(target.pixel(1, 1)), QColor(Qt::blue));
}
