// The about box's art: the title in gold on the dark wood of the start
// screen, a large knight to the right, and a light name plate behind the
// two blue address labels that the window writes at x 80..388, y 72..101
// (the silver "E-mail:" and "Website:" stand on the dark to their left).
#include "Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace {

constexpr int kWidth = 450;
constexpr int kHeight = 209;

void PaintBackground(QPainter& p)
{
    QLinearGradient wall(0, 0, 0, kHeight);
    wall.setColorAt(0.0, QColor(0x14, 0x0d, 0x08));
    wall.setColorAt(1.0, QColor(0x07, 0x05, 0x03));
    p.fillRect(0, 0, kWidth, kHeight, wall);
    QRadialGradient lamp(QPointF(150, 40), 260);
    lamp.setColorAt(0.0, QColor(0x6a, 0x44, 0x22, 120));
    lamp.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(0, 0, kWidth, kHeight, lamp);
}

// The large knight, half lost in the shadow.
void PaintKnight(QPainter& p)
{
    const QImage knight = ShadedPiece(PieceType::Knight, PieceFinish::Ivory, 190);
    QImage faded = knight;
    {
        QPainter f(&faded);
        f.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        QLinearGradient fade(0, 0, 0, faded.height());
        fade.setColorAt(0.0, QColor(0, 0, 0, 150));
        fade.setColorAt(1.0, QColor(0, 0, 0, 25));
        f.fillRect(faded.rect(), fade);
    }
    p.drawImage(QPointF(kWidth - faded.width() + 34, 26), faded);
}

void PaintTitle(QPainter& p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath title =
        TextPath(QStringLiteral("Kestravin 2005"), PixelFont(TitleFamily(), 38, QFont::Bold), QPointF(22, 44));
    DrawMetalText(p, title, QColor(0xff, 0xe3, 0x96), QColor(0xa8, 0x72, 0x1c), 2.0);

    QLinearGradient rule(22, 0, 330, 0);
    rule.setColorAt(0.0, QColor(0xe8, 0xc0, 0x70, 220));
    rule.setColorAt(1.0, QColor(0xc8, 0x96, 0x40, 0));
    p.fillRect(QRectF(22, 52, 308, 1.2), rule);

    p.setPen(QColor(0xa8, 0xa0, 0x94));
    p.setFont(PixelFont(TitleFamily(), 11, QFont::Normal, true));
    p.drawText(
        QPointF(24, 65),
        ArtWords(QStringLiteral("Xadrez para um ou dois jogadores"), QStringLiteral("Chess for one or two players")));
    p.restore();
}

// The cream plate behind the addresses, set into the wood with a gold edge.
void PaintNamePlate(QPainter& p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plate(76.5, 68.5, 318, 37);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawRoundedRect(plate.translated(2, 3), 5, 5);
    QLinearGradient cream(0, plate.top(), 0, plate.bottom());
    cream.setColorAt(0.0, QColor(0xfb, 0xf4, 0xe2));
    cream.setColorAt(1.0, QColor(0xe6, 0xd8, 0xb8));
    p.setBrush(cream);
    QLinearGradient gold(plate.topLeft(), plate.bottomRight());
    gold.setColorAt(0.0, QColor(0xf4, 0xd2, 0x84));
    gold.setColorAt(1.0, QColor(0x8a, 0x5e, 0x18));
    p.setPen(QPen(QBrush(gold), 1.4));
    p.drawRoundedRect(plate, 5, 5);
    p.restore();
}

void PaintFooter(QPainter& p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(0x9c, 0x94, 0x88));
    p.setFont(PixelFont(SansFamily(), 10, QFont::Normal));
    p.drawText(QPointF(24, 134),
               ArtWords(QStringLiteral("Versão 1.0  \u00b7  2005"), QStringLiteral("Version 1.0  \u00b7  2005")));

    // A row of the six pieces, in gold, as an ornament.
    QString row;
    for (int i = 0; i < 6; ++i)
        row.append(QChar(0x265A + i));
    QFont glyphs = PixelFont(GlyphFamily(), 22);
    glyphs.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    const QPainterPath pieces = TextPath(row, glyphs, QPointF(22, 186));
    QLinearGradient gold(0, 164, 0, 188);
    gold.setColorAt(0.0, QColor(0xf0, 0xcc, 0x80));
    gold.setColorAt(1.0, QColor(0x9a, 0x6a, 0x20));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 140));
    p.drawPath(pieces.translated(1, 2));
    p.setBrush(gold);
    p.drawPath(pieces);
    p.restore();
}

} // namespace

QImage DrawAboutArt()
{
    QImage art(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&art);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    PaintBackground(p);
    PaintKnight(p);
    PaintTitle(p);
    PaintNamePlate(p);
    PaintFooter(p);
    p.end();
    ApplyVignette(art, 0.6, QPointF(kWidth / 2.0, kHeight / 2.0), 300);
    AddGrain(art, 3, 450);
    return art;
}
