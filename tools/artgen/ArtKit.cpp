// Shared drawing helpers of artgen. Pieces are drawn four times larger
// than asked and scaled down, which gives clean edges at every size.
#include "ArtKit.h"

#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <random>

namespace {

constexpr int kSupersample = 4;

QString g_glyphFamily = QStringLiteral("FreeSerif");
QString g_titleFamily = QStringLiteral("FreeSerif");
QString g_scriptFamily = QStringLiteral("FreeSerif");
QString g_sansFamily = QStringLiteral("DejaVu Sans");

// Registers the first readable file of `files` and returns its family, or
// `fallback` when none can be read.
QString RegisterFirst(std::initializer_list<const char*> files, const QString& fallback)
{
    for (const char* file : files) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        if (id >= 0) {
            const QStringList families = QFontDatabase::applicationFontFamilies(id);
            if (!families.isEmpty())
                return families.first();
        }
    }
    return fallback;
}

// Black glyphs (U+265A..) are solid silhouettes with the inner lines cut
// out; white glyphs (U+2654..) are the outline and the inner lines alone.
QChar SolidGlyph(PieceType type)
{
    return QChar(0x265A + static_cast<int>(type));
}

QChar OutlineGlyph(PieceType type)
{
    return QChar(0x2654 + static_cast<int>(type));
}

struct Finish {
    QGradientStops body; // left to right across the piece
    QColor detail;       // inner lines
    QColor edge;         // thin contour, transparent for none
    QColor rim;          // rim light along the upper left contour
    bool lightBody;      // the body is the space between the outline's lines
};

Finish FinishOf(PieceFinish finish)
{
    switch (finish) {
    case PieceFinish::Ivory:
        return {{{0.0, QColor(0x8a, 0x70, 0x48)},
                 {0.26, QColor(0xff, 0xf9, 0xea)},
                 {0.48, QColor(0xf0, 0xe1, 0xc2)},
                 {0.82, QColor(0xb3, 0x97, 0x69)},
                 {1.0, QColor(0x6e, 0x58, 0x38)}},
                QColor(0x2a, 0x1c, 0x0e),
                QColor(0, 0, 0, 0),
                QColor(255, 250, 235, 120),
                true};
    case PieceFinish::Ebony:
        return {{{0.0, QColor(0x0a, 0x0a, 0x0c)},
                 {0.24, QColor(0x66, 0x62, 0x5e)},
                 {0.44, QColor(0x2a, 0x27, 0x2c)},
                 {0.8, QColor(0x10, 0x0f, 0x12)},
                 {1.0, QColor(0x04, 0x04, 0x04)}},
                QColor(0xb9, 0xae, 0x98),
                QColor(0, 0, 0, 0),
                QColor(235, 225, 205, 150),
                false};
    }
    return FinishOf(PieceFinish::Ivory);
}

QImage TransparentImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

bool LoadArtFonts()
{
    g_glyphFamily = RegisterFirst({"/usr/share/fonts/truetype/freefont/FreeSerif.ttf"}, QString());
    g_titleFamily = RegisterFirst({"/usr/share/fonts/opentype/urw-base35/P052-Bold.otf",
                                   "/usr/share/fonts/opentype/urw-base35/C059-Bold.otf",
                                   "/usr/share/fonts/truetype/freefont/FreeSerifBold.ttf"},
                                  QStringLiteral("DejaVu Serif"));
    g_scriptFamily = RegisterFirst({"/usr/share/fonts/opentype/urw-base35/Z003-MediumItalic.otf",
                                    "/usr/share/fonts/truetype/freefont/FreeSerifItalic.ttf"},
                                   QStringLiteral("DejaVu Serif"));
    g_sansFamily = RegisterFirst({"/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
                                  "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf"},
                                 QStringLiteral("DejaVu Sans"));
    return !g_glyphFamily.isEmpty();
}

QString GlyphFamily()
{
    return g_glyphFamily;
}
QString TitleFamily()
{
    return g_titleFamily;
}
QString ScriptFamily()
{
    return g_scriptFamily;
}
QString SansFamily()
{
    return g_sansFamily;
}

QFont PixelFont(const QString& family, qreal pixelSize, int weight, bool italic)
{
    QFont font(family);
    font.setPixelSize(qRound(pixelSize));
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QPainterPath TextPath(const QString& text, const QFont& font, QPointF origin)
{
    QPainterPath path;
    path.addText(origin, font, text);
    return path;
}

QImage ShadedPiece(PieceType type, PieceFinish finish, int height, bool mirrored)
{
    const Finish look = FinishOf(finish);
    const QFont font = PixelFont(g_glyphFamily, 400);
    const QPainterPath solidRaw = TextPath(QString(SolidGlyph(type)), font);
    const QPainterPath outlineRaw = TextPath(QString(OutlineGlyph(type)), font);
    const QRectF box = solidRaw.boundingRect().united(outlineRaw.boundingRect());

    const int pad = 2 * kSupersample;
    const qreal scale = (height * kSupersample - 2.0 * pad) / box.height();
    const int bigWidth = static_cast<int>(std::ceil(box.width() * scale)) + 2 * pad;
    const int bigHeight = height * kSupersample;
    QTransform place;
    if (mirrored) {
        place.translate(bigWidth - pad + box.left() * scale, pad - box.top() * scale);
        place.scale(-scale, scale);
    } else {
        place.translate(pad - box.left() * scale, pad - box.top() * scale);
        place.scale(scale, scale);
    }
    const QPainterPath solid = place.map(solidRaw);
    const QPainterPath outline = place.map(outlineRaw);

    // The silhouette: every contour of both glyphs filled on its own, so
    // the cut-out inner lines of the solid glyph are closed.
    QImage silhouette = TransparentImage(bigWidth, bigHeight);
    {
        QPainter p(&silhouette);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        for (const QPolygonF& contour : solid.toSubpathPolygons())
            p.drawPolygon(contour);
        for (const QPolygonF& contour : outline.toSubpathPolygons())
            p.drawPolygon(contour);
    }

    const QRectF bounds = solid.boundingRect().united(outline.boundingRect());
    QLinearGradient across(bounds.left(), 0, bounds.right(), 0);
    across.setStops(look.body);
    QLinearGradient down(0, bounds.top(), 0, bounds.bottom());
    down.setColorAt(0.0, QColor(255, 255, 255, 40));
    down.setColorAt(0.35, QColor(0, 0, 0, 0));
    down.setColorAt(0.75, QColor(0, 0, 0, 30));
    down.setColorAt(1.0, QColor(0, 0, 0, 110));

    // The body layer: the lit surface without the inner lines.
    QImage body = silhouette;
    {
        QPainter p(&body);
        p.setRenderHint(QPainter::Antialiasing);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(body.rect(), across);
        p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        p.fillRect(body.rect(), down);
        p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        if (look.lightBody) {
            // Keep the surface between the outline glyph's lines.
            p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
            p.fillPath(outline, Qt::black);
        } else {
            QImage solidMask = TransparentImage(bigWidth, bigHeight);
            QPainter m(&solidMask);
            m.setRenderHint(QPainter::Antialiasing);
            m.fillPath(solid, Qt::black);
            m.end();
            p.drawImage(0, 0, solidMask);
        }
    }

    QImage big = silhouette;
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(big.rect(), look.detail);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.drawImage(0, 0, body);

        // Contour and rim light, kept inside the silhouette.
        QPainterPath contour;
        for (const QPolygonF& polygon : solid.toSubpathPolygons())
            contour.addPolygon(polygon);
        p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        p.setBrush(Qt::NoBrush);
        if (look.rim.alpha() > 0) {
            QLinearGradient rim(bounds.topLeft(), bounds.bottomRight());
            rim.setColorAt(0.0, look.rim);
            rim.setColorAt(0.55, QColor(look.rim.red(), look.rim.green(), look.rim.blue(), look.rim.alpha() / 4));
            rim.setColorAt(1.0, QColor(0, 0, 0, 0));
            p.setPen(QPen(QBrush(rim), 2.2 * kSupersample * std::max(1.0, height / 60.0)));
            p.drawPath(contour);
        }
        if (look.edge.alpha() > 0) {
            p.setPen(QPen(look.edge, 1.6 * kSupersample));
            p.drawPath(contour);
        }
    }
    return big.scaled(big.width() / kSupersample, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void DrawMetalText(QPainter& painter, const QPainterPath& text, QColor light, QColor dark, qreal edgeWidth)
{
    const QRectF box = text.boundingRect();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    // Soft shadow: a few widening, fading strokes below the letters.
    for (int i = 6; i >= 1; --i) {
        painter.setPen(QPen(QColor(0, 0, 0, 26), edgeWidth + 2.0 * i, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(QColor(0, 0, 0, 26));
        painter.drawPath(text.translated(2.0, 3.0));
    }

    // Bevel edge.
    painter.setPen(QPen(dark.darker(260), edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(text);

    QLinearGradient face(0, box.top(), 0, box.bottom());
    face.setColorAt(0.0, light.lighter(115));
    face.setColorAt(0.42, light);
    face.setColorAt(0.50, dark);
    face.setColorAt(0.62, dark.lighter(120));
    face.setColorAt(1.0, light.darker(115));
    painter.setPen(Qt::NoPen);
    painter.setBrush(face);
    painter.drawPath(text);

    // A thin highlight along the upper edges.
    painter.setClipPath(text);
    painter.setPen(QPen(QColor(255, 255, 255, 110), edgeWidth * 0.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(text.translated(0.6, 0.9));
    painter.restore();
}

void ApplyVignette(QImage& image, qreal strength, QPointF centre, qreal radius)
{
    QPainter p(&image);
    QRadialGradient shade(centre, radius);
    shade.setColorAt(0.0, QColor(0, 0, 0, 0));
    shade.setColorAt(0.55, QColor(0, 0, 0, 0));
    shade.setColorAt(1.0, QColor(0, 0, 0, static_cast<int>(255 * std::clamp(strength, 0.0, 1.0))));
    p.fillRect(image.rect(), shade);
}

void AddGrain(QImage& image, int amplitude, unsigned seed)
{
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(QImage::Format_RGB32);
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> noise(-amplitude, amplitude);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = noise(random);
            const QRgb c = line[x];
            line[x] = qRgba(std::clamp(qRed(c) + n, 0, 255), std::clamp(qGreen(c) + n, 0, 255),
                            std::clamp(qBlue(c) + n, 0, 255), qAlpha(c));
        }
    }
}

namespace {
bool artInEnglish = false;
}

void SetArtInEnglish(bool english)
{
    artInEnglish = english;
}

QString ArtWords(const QString& portuguese, const QString& english)
{
    return artInEnglish ? english : portuguese;
}
