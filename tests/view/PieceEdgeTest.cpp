// The edges of the built-in pieces as they land on the board: drawn through
// their masks on light and dark squares and on a picture, no pixel next to
// a piece's outline may carry the sheet's background (white, or the wood and
// green cells of SETORVANE40). Such pixels are the pale fringe that a
// piece drawn anti-aliased against its cell's background leaves on any
// darker square.
#include "board/PieceSet.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const char* const kSheets[] = {"SET16", "SET32", "SET40", "SET64", "SET80", "SETCM36", "SETORVANE40", "CUSTOMSET"};

// The squares the pieces are tried on: the board's own colours, the game
// window's, and a picture with both light and dark pixels.
struct Ground {
    const char* name;
    QColor colour; // invalid: the picture
};

const Ground kGrounds[] = {
    {"board light", QColor(0xC0, 0xC0, 0xC0)},
    {"board dark", QColor(0x80, 0x80, 0x80)},
    {"window light", QColor(0x80, 0x80, 0x00)},
    {"window dark", QColor(0x80, 0x00, 0x00)},
    {"picture", QColor()},
};

QImage Picture(int side)
{
    QImage picture(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            picture.setPixel(x, y, ((x / 3 + y / 5) % 2) ? qRgb(40, 90, 60) : qRgb(170, 120, 70));
    return picture;
}

// The colour a see-through picture pixel of the sheet has: its background.
std::vector<QRgb> Backgrounds(const QImage& sheet)
{
    std::vector<QRgb> found;
    const int P = sheet.height() / 4;
    for (int row = 0; row < 4; row += 2)
        for (int column = 0; column < 6; ++column) {
            const QRgb c = sheet.pixel(column * P, row * P) & 0xFFFFFF;
            if (std::find(found.begin(), found.end(), c) == found.end())
                found.push_back(c);
        }
    return found;
}

// A background's family: the colour itself and what a blend of a piece's
// edge with it, snapped to the sheet's palette, turns into. On white that is
// every pale colour (light greys, pale pinks); on a coloured cell, colours
// close to it.
bool InFamily(QRgb c, const std::vector<QRgb>& backgrounds)
{
    for (QRgb b : backgrounds) {
        if (b == 0xFFFFFF) {
            if (std::min({qRed(c), qGreen(c), qBlue(c)}) >= 176)
                return true;
            continue;
        }
        if (std::abs(qRed(c) - qRed(b)) <= 40 && std::abs(qGreen(c) - qGreen(b)) <= 40 &&
            std::abs(qBlue(c) - qBlue(b)) <= 40)
            return true;
    }
    return false;
}

bool Opaque(const QImage& piece, int x, int y)
{
    return piece.valid(x, y) && qAlpha(piece.pixel(x, y)) != 0;
}

// Pixels on either side of the piece's outline: opaque pixels with a
// see-through neighbour and see-through pixels with an opaque one.
bool OnOutline(const QImage& piece, int x, int y)
{
    const bool self = Opaque(piece, x, y);
    for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
        if (Opaque(piece, x + dx, y + dy) != self)
            return true;
    return false;
}

// Fringe pixels of every piece of a sheet on one ground; "" when none.
std::string Fringe(const QImage& sheet, const Ground& ground)
{
    TPieceImages store;
    PieceIndexTable index{};
    const int P = CutPieceSheet(sheet, store, index);
    const std::vector<QRgb> backgrounds = Backgrounds(sheet);
    const QImage picture = Picture(P + 2);
    std::string found;
    for (int i = 0; i < store.Count(); ++i) {
        QImage square(P + 2, P + 2, QImage::Format_RGB32);
        if (ground.colour.isValid())
            square.fill(ground.colour);
        else
            square = picture;
        QPainter p(&square);
        store.Draw(p, 1, 1, i);
        p.end();
        int count = 0;
        QPoint first;
        for (int y = -1; y <= P; ++y)
            for (int x = -1; x <= P; ++x) {
                if (!OnOutline(store.Masked(i), x, y))
                    continue;
                const QRgb c = square.pixel(x + 1, y + 1) & 0xFFFFFF;
                if (InFamily(c, backgrounds) && !Opaque(store.Masked(i), x, y))
                    continue; // the ground itself, seen beside the piece
                if (InFamily(c, backgrounds) && count++ == 0)
                    first = QPoint(x, y);
            }
        if (count > 0)
            found += "piece " + std::to_string(i) + ": " + std::to_string(count) + " pixels, first at " +
                std::to_string(first.x()) + "," + std::to_string(first.y()) + "; ";
    }
    return found;
}

} // namespace

TEST(PieceEdges, NoSheetLeavesItsBackgroundAroundItsPieces)
{
    for (const char* name : kSheets)
        for (const char* variant : {"", "@2x"}) {
            const QString resource = QString::fromLatin1(name) + QString::fromLatin1(variant);
            SCOPED_TRACE(resource.toStdString());
            const QImage sheet = LoadSheetResource(resource);
            ASSERT_FALSE(sheet.isNull());
            for (const Ground& ground : kGrounds)
                EXPECT_EQ(Fringe(sheet, ground), "") << ground.name;
        }
}

TEST(PieceEdges, TheCheckFindsAPaleRimAroundAPiece)
{
    // A red disc whose outer ring of pixels was blended with the white of
    // its cell, the way an anti-aliased piece on white turns out.
    const int P = 20;
    QImage sheet(6 * P, 4 * P, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 4; ++row)
        for (int j = 0; j < 6; ++j) {
            const QRectF disc(j * P + 3, row * P + 3, P - 6, P - 6);
            p.setBrush(row % 2 ? QColor(Qt::black) : QColor(255, 190, 190));
            p.drawEllipse(disc);
            p.setBrush(row % 2 ? QColor(Qt::black) : QColor(Qt::red));
            p.drawEllipse(disc.adjusted(1, 1, -1, -1));
        }
    p.end();
    EXPECT_NE(Fringe(sheet, kGrounds[1]), "");
}

TEST(PieceEdges, TwiceAsLargeSheetsKeepTheFormat)
{
    for (const char* name : kSheets) {
        SCOPED_TRACE(name);
        const QImage one = LoadSheetResource(QString::fromLatin1(name));
        const QImage two = LoadSheetResource(QString::fromLatin1(name) + QStringLiteral("@2x"));
        ASSERT_FALSE(two.isNull());
        EXPECT_EQ(two.size(), 2 * one.size());
        EXPECT_EQ(two.format(), one.format());
        EXPECT_LE(two.colorCount(), one.colorCount() <= 16 ? 16 : 256);
        // A sheet is a grid of pixels, whatever "@2x" in its name says.
        EXPECT_EQ(two.devicePixelRatio(), 1.0);
    }
}

TEST(PieceEdges, ASheetIsCutPixelForPixelWhateverRatioItCarries)
{
    // An image read from a file named "...@2x" says its ratio is 2; the
    // cells are still P x P pixels of it.
    QImage sheet(120, 80, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    for (int j = 0; j < 6; ++j)
        for (int row = 0; row < 4; row += 2) {
            p.fillRect(j * 20, row * 20, 20, 20, QColor(40 * j, 100, row * 50));
            p.fillRect(j * 20 + 2, (row + 1) * 20 + 2, 16, 16, Qt::black);
        }
    p.end();
    TPieceImages plain, marked;
    PieceIndexTable index{};
    ASSERT_EQ(CutPieceSheet(sheet, plain, index), 20);
    sheet.setDevicePixelRatio(2.0);
    ASSERT_EQ(CutPieceSheet(sheet, marked, index), 20);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(marked.Masked(i), plain.Masked(i)) << i;
    EXPECT_EQ(qAlpha(marked.Masked(5).pixel(18, 18)), 0);
    EXPECT_EQ(QColor(marked.Masked(5).pixel(17, 17)), QColor(200, 100, 0));
}
