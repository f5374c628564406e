// Piece pictures from font glyphs. A White glyph of a chess font is an
// outline whose insides are open: filling each of its contours white first
// gives a solid white piece. The same contours filled black give the piece's
// silhouette, which is what a mask is.
#include "SheetPainter.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace {

constexpr double kFontPixels = 1000.0;

// Samples per pixel edge when a piece is drawn.
constexpr int kSubsamples = 8;

// Pawn, knight, bishop, rook, queen, king: the order of the sheet columns.
constexpr std::array<char32_t, 6> kWhiteGlyphs = {0x2659, 0x2658, 0x2657, 0x2656, 0x2655, 0x2654};
constexpr std::array<char32_t, 6> kBlackGlyphs = {0x265F, 0x265E, 0x265D, 0x265C, 0x265B, 0x265A};

const std::array<QRgb, 16> kSixteenColours = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

QPainterPath GlyphPath(const QRawFont& font, char32_t code)
{
    const QString text = QString::fromUcs4(&code, 1);
    const QList<quint32> indexes = font.glyphIndexesForString(text);
    if (indexes.isEmpty() || indexes.first() == 0)
        return {};
    QPainterPath path = font.pathForGlyph(indexes.first());
    path.setFillRule(Qt::WindingFill);
    return path;
}

// Every contour of the path filled on its own: the piece's whole shape,
// insides included.
void FillSilhouette(QPainter& p, const QPainterPath& path, const QBrush& brush)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    for (const QPolygonF& contour : path.toSubpathPolygons())
        p.drawPolygon(contour, Qt::WindingFill);
    p.restore();
}

void FillPath(QPainter& p, const QPainterPath& path, const QBrush& brush)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawPath(path);
    p.restore();
}

int Luminance(QRgb c)
{
    return (qRed(c) * 30 + qGreen(c) * 59 + qBlue(c) * 11) / 100;
}

int Distance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return dr * dr * 3 + dg * dg * 4 + db * db * 2;
}

// Snaps the image cell's pixels to the look's own levels.
void QuantiseCell(QImage& sheet, const QRect& cell, SheetLook look)
{
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x) {
            const int l = Luminance(sheet.pixel(x, y));
            QRgb c;
            if (look == SheetLook::Diagram)
                c = l < 140 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
            else if (l < 70)
                c = qRgb(0, 0, 0);
            else if (l < 150)
                c = qRgb(128, 128, 128);
            else if (l < 225)
                c = qRgb(192, 192, 192);
            else
                c = qRgb(255, 255, 255);
            sheet.setPixel(x, y, c);
        }
}

// The average colour of a pixel's samples on the finer grid, weighted by
// their coverage (so a half-covered edge pixel has the piece's colour, not
// a blend with nothing), and the summed coverage, 255 a sample.
QRgb Average(const QImage& fine, int x, int y, int* coverage)
{
    int a = 0, r = 0, g = 0, b = 0;
    for (int sy = 0; sy < kSubsamples; ++sy) {
        const QRgb* line = reinterpret_cast<const QRgb*>(fine.constScanLine(y * kSubsamples + sy));
        for (int sx = 0; sx < kSubsamples; ++sx) {
            const QRgb c = line[x * kSubsamples + sx];
            a += qAlpha(c);
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
        }
    }
    if (coverage != nullptr)
        *coverage = a;
    return a == 0 ? qRgb(0, 0, 0) : qRgb(r * 255 / a, g * 255 / a, b * 255 / a);
}

} // namespace

SheetPainter::SheetPainter(const QString& fontFile) : font_(fontFile, kFontPixels)
{
    if (!font_.isValid())
        return;
    valid_ = true;
    for (int j = 0; j < 6; ++j) {
        glyphs_[j].outline = GlyphPath(font_, kWhiteGlyphs[j]);
        glyphs_[j].solid = GlyphPath(font_, kBlackGlyphs[j]);
        if (glyphs_[j].outline.isEmpty() || glyphs_[j].solid.isEmpty())
            valid_ = false;
        unionBox_ = unionBox_.united(glyphs_[j].outline.boundingRect()).united(glyphs_[j].solid.boundingRect());
    }
}

QImage SheetPainter::Draw(int P, SheetLook look, int width) const
{
    QImage sheet(6 * P, 4 * P, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    for (int colour = 0; colour < 2; ++colour)
        for (int column = 0; column < 6; ++column) {
            // A sheet narrower than 6P loses the right edge of its king
            // cells; the king is centred on what is left of them.
            const int usable = (width > 0 && column == 5) ? std::min(P, width - 5 * P) : P;
            DrawCell(sheet, column, colour, P, look, usable);
        }
    if (width > 0 && width < sheet.width())
        sheet = sheet.copy(0, 0, width, sheet.height());
    return sheet;
}

void SheetPainter::RenderFine(int column, int colour, int P, SheetLook look, int usableWidth, QImage& fine,
                              QImage& rim) const
{
    const Glyph& g = glyphs_[column];
    const QPainterPath& shape = colour == 0 ? g.outline : g.solid;

    // One scale for every piece, so a pawn stays smaller than a king; small
    // cells get a thinner margin to keep the pieces legible.
    const double margin = P <= 20 ? 0.5 : P * 0.06;
    const double scale = std::min((P - 2 * margin) / unionBox_.height(), (P - 2 * margin) / unionBox_.width());
    const QRectF own = shape.boundingRect();
    const double dx = (usableWidth - own.width() * scale) / 2.0 - own.left() * scale;
    const double dy = (P - unionBox_.height() * scale) / 2.0 - unionBox_.top() * scale;

    fine = QImage(P * kSubsamples, P * kSubsamples, QImage::Format_ARGB32_Premultiplied);
    fine.fill(Qt::transparent);
    rim = fine.copy();
    QPainter p(&fine);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(kSubsamples, kSubsamples);
    p.translate(dx, dy);
    p.scale(scale, scale);
    QBrush edge;
    const QRectF box = shape.boundingRect();
    if (colour == 0) {
        QBrush body = Qt::white;
        QBrush ink = Qt::black;
        if (look == SheetLook::CreamAndRed) {
            QLinearGradient shade(box.topLeft(), box.bottomRight());
            shade.setColorAt(0, QColor(255, 250, 222));
            shade.setColorAt(1, QColor(214, 186, 124));
            body = shade;
            ink = QColor(70, 40, 10);
        } else if (look == SheetLook::WoodAndGreen) {
            QLinearGradient shade(box.topLeft(), box.bottomRight());
            shade.setColorAt(0, QColor(255, 255, 255));
            shade.setColorAt(1, QColor(176, 176, 168));
            body = shade;
        } else if (look == SheetLook::GreyAndRed) {
            body = QColor(192, 192, 192);
        }
        FillSilhouette(p, g.outline, body);
        FillPath(p, g.outline, ink);
        edge = ink;
    } else {
        QBrush body = Qt::black;
        QBrush detail = Qt::white;
        if (look == SheetLook::CreamAndRed) {
            QLinearGradient shade(box.topLeft(), box.bottomRight());
            shade.setColorAt(0, QColor(236, 64, 40));
            shade.setColorAt(1, QColor(120, 0, 0));
            body = shade;
            detail = QColor(255, 214, 190);
        } else if (look == SheetLook::WoodAndGreen) {
            QLinearGradient shade(box.topLeft(), box.bottomRight());
            shade.setColorAt(0, QColor(96, 96, 96));
            shade.setColorAt(1, QColor(0, 0, 0));
            body = shade;
            detail = QColor(200, 200, 200);
        } else if (look == SheetLook::GreyAndRed) {
            body = QColor(255, 0, 0);
            detail = QColor(128, 0, 0);
        }
        FillSilhouette(p, g.solid, detail);
        FillPath(p, g.solid, body);
        edge = body;
    }
    const QTransform placed = p.transform();
    p.end();
    p.begin(&rim);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setTransform(placed);
    FillSilhouette(p, shape, edge);
    p.end();
}

QImage SheetPainter::DrawPiece(int column, int colour, int P, SheetLook look) const
{
    QImage fine, rim;
    RenderFine(column, colour, P, look, P, fine, rim);
    QImage piece(P, P, QImage::Format_ARGB32);
    for (int y = 0; y < P; ++y)
        for (int x = 0; x < P; ++x) {
            int coverage = 0;
            const QRgb c = Average(fine, x, y, &coverage);
            piece.setPixel(x, y, qRgba(qRed(c), qGreen(c), qBlue(c), coverage / (kSubsamples * kSubsamples)));
        }
    return piece;
}

void SheetPainter::DrawCell(QImage& sheet, int column, int colour, int P, SheetLook look, int usableWidth) const
{
    const QRect imageCell(column * P, 2 * colour * P, P, P);
    const QRect maskCell(column * P, (2 * colour + 1) * P, P, P);

    QColor background = Qt::white;
    if (look == SheetLook::WoodAndGreen)
        background = ((column + colour) % 2 == 0) ? QColor(139, 90, 43) : QColor(200, 228, 176);

    // The piece is drawn alone on a transparent, finer grid and averaged
    // down: an edge pixel then takes the colour of the piece's own edge,
    // never a blend with the cell's background, which would show as a pale
    // fringe on any darker square. The piece's outermost pixels are all of
    // its edge colour (the White pieces' ink, the Black pieces' body), so
    // that no light inside shows at the rim where a line of the glyph is
    // thinner than a pixel.
    QImage fine, rim;
    RenderFine(column, colour, P, look, usableWidth, fine, rim);

    // A pixel belongs to the piece when the piece covers at least half of it.
    constexpr int kSamples = kSubsamples * kSubsamples;
    std::vector<bool> opaque(std::size_t(P) * std::size_t(P));
    std::vector<QRgb> inside(opaque.size());
    for (int y = 0; y < P; ++y)
        for (int x = 0; x < P; ++x) {
            int coverage = 0;
            inside[std::size_t(y * P + x)] = Average(fine, x, y, &coverage);
            opaque[std::size_t(y * P + x)] = 2 * coverage >= 255 * kSamples;
        }
    auto isOpaque = [&](int x, int y) { return x >= 0 && y >= 0 && x < P && y < P && opaque[std::size_t(y * P + x)]; };
    for (int y = 0; y < P; ++y)
        for (int x = 0; x < P; ++x) {
            const bool in = isOpaque(x, y);
            QRgb picture = background.rgb();
            if (in) {
                const bool outermost =
                    !isOpaque(x - 1, y) || !isOpaque(x + 1, y) || !isOpaque(x, y - 1) || !isOpaque(x, y + 1);
                picture = outermost ? Average(rim, x, y, nullptr) : inside[std::size_t(y * P + x)];
            }
            sheet.setPixel(imageCell.topLeft() + QPoint(x, y), picture);
            // Mask pixels are pure black or white; where the mask is a copy
            // of the picture, the picture's see-through pixels are white.
            const QRgb cover = look == SheetLook::GreyAndRed ? picture : (in ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
            sheet.setPixel(maskCell.topLeft() + QPoint(x, y), cover);
        }

    if (look == SheetLook::Diagram || look == SheetLook::DiagramGrey)
        QuantiseCell(sheet, imageCell, look);
}

QImage ToSixteenColours(const QImage& sheet)
{
    QImage out(sheet.size(), QImage::Format_Indexed8);
    QList<QRgb> table(kSixteenColours.begin(), kSixteenColours.end());
    out.setColorTable(table);
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x) {
            const QRgb c = sheet.pixel(x, y);
            int best = 0;
            for (int i = 1; i < 16; ++i)
                if (Distance(c, kSixteenColours[i]) < Distance(c, kSixteenColours[best]))
                    best = i;
            out.setPixel(x, y, uint(best));
        }
    return out;
}

QImage ToTwoHundredFiftySixColours(const QImage& sheet)
{
    // The most frequent colours, at 5 bits a channel, make the palette;
    // pure black and white are always in it.
    auto key = [](QRgb c) { return ((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3); };
    std::map<int, std::pair<int, QRgb>> counts;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x) {
            const QRgb c = sheet.pixel(x, y);
            auto& entry = counts[key(c)];
            if (entry.first++ == 0)
                entry.second = c;
        }
    std::vector<std::pair<int, QRgb>> ranked;
    for (const auto& [k, v] : counts)
        ranked.push_back(v);
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first > b.first; });

    QList<QRgb> table = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    for (const auto& [count, colour] : ranked) {
        if (table.size() >= 256)
            break;
        if (!table.contains(colour | 0xFF000000))
            table.append(colour | 0xFF000000);
    }
    QImage out(sheet.size(), QImage::Format_Indexed8);
    out.setColorTable(table);
    std::map<QRgb, int> nearest;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x) {
            const QRgb c = sheet.pixel(x, y) | 0xFF000000;
            auto found = nearest.find(c);
            if (found == nearest.end()) {
                int best = 0;
                for (int i = 1; i < table.size(); ++i)
                    if (Distance(c, table[i]) < Distance(c, table[best]))
                        best = i;
                found = nearest.emplace(c, best).first;
            }
            out.setPixel(x, y, uint(found->second));
        }
    return out;
}
