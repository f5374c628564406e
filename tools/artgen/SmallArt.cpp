// The small pictures: the knights beside the player check boxes, the
// printer glyph of the print button and the program's icon.
#include "Pictures.h"

#include "SheetPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

// The knight of the game window's board (the grey and red set), drawn by the
// sheets' own painter, as large as the picture's width allows and standing on
// its bottom edge. colour: 0 White, 1 Black; ratio: pixels per logical pixel.
QImage DrawSmallKnight(const SheetPainter& pieces, int colour, int ratio)
{
    const QSize size(23 * ratio, 33 * ratio);
    QImage best;
    QRect bestBox;
    for (int P = size.height(); P > 8; --P) {
        const QImage knight = pieces.DrawPiece(1, colour, P, SheetLook::GreyAndRed);
        QRect box;
        for (int y = 0; y < knight.height(); ++y)
            for (int x = 0; x < knight.width(); ++x)
                if (qAlpha(knight.pixel(x, y)) != 0)
                    box |= QRect(x, y, 1, 1);
        if (box.width() <= size.width() && box.height() <= size.height()) {
            best = knight;
            bestBox = box;
            break;
        }
    }
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    const QPoint at((size.width() - bestBox.width()) / 2, size.height() - bestBox.height());
    p.drawImage(at, best, bestBox);
    p.end();
    return picture;
}

QImage DrawPrinterGlyph()
{
    // Drawn pixel by pixel in the manner of the 16-colour toolbar glyphs
    // of the time: hard edges, a light source at the upper left.
    QImage glyph(16, 16, QImage::Format_ARGB32);
    glyph.fill(Qt::transparent);
    QPainter p(&glyph);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor outline(0x30, 0x30, 0x34);
    const QColor paper(0xff, 0xff, 0xff);
    const QColor paperShade(0xd8, 0xd8, 0xdc);
    const QColor bodyLight(0xe4, 0xe4, 0xe8);
    const QColor body(0xc0, 0xc0, 0xc4);
    const QColor bodyDark(0x80, 0x80, 0x88);

    // Sheet waiting in the feeder.
    p.fillRect(4, 1, 8, 5, paper);
    p.fillRect(11, 2, 1, 4, paperShade);
    p.setPen(outline);
    p.drawRect(3, 0, 9, 6);

    // Printer body.
    p.fillRect(1, 6, 14, 6, body);
    p.fillRect(1, 6, 14, 1, bodyLight);
    p.fillRect(1, 6, 1, 6, bodyLight);
    p.fillRect(1, 10, 14, 2, bodyDark);
    p.setPen(outline);
    p.drawLine(1, 5, 14, 5);
    p.drawLine(0, 6, 0, 11);
    p.drawLine(15, 6, 15, 11);
    p.drawLine(1, 12, 14, 12);
    p.fillRect(12, 7, 2, 1, QColor(0x20, 0xc0, 0x30)); // the power light

    // Printed sheet coming out, with two lines of text.
    p.fillRect(4, 9, 8, 6, paper);
    p.setPen(outline);
    p.drawLine(3, 9, 3, 15);
    p.drawLine(12, 9, 12, 15);
    p.drawLine(3, 15, 12, 15);
    p.setPen(QColor(0x70, 0x70, 0x90));
    p.drawLine(5, 11, 10, 11);
    p.drawLine(5, 13, 9, 13);
    return glyph;
}

QImage DrawProgramIcon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);

    const qreal s = size / 128.0;
    const QRectF tile(4 * s, 4 * s, 120 * s, 120 * s);
    QPainterPath rounded;
    rounded.addRoundedRect(tile, 22 * s, 22 * s);

    // A corner of the game's own board: maroon and olive squares.
    p.save();
    p.setClipPath(rounded);
    const qreal cell = tile.width() / 4;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
            p.fillRect(QRectF(tile.left() + col * cell, tile.top() + row * cell, cell, cell),
                       (row + col) % 2 ? QColor(0x80, 0x00, 0x00) : QColor(0x80, 0x80, 0x00));
    QRadialGradient light(tile.center() - QPointF(18 * s, 24 * s), 100 * s);
    light.setColorAt(0.0, QColor(255, 240, 200, 60));
    light.setColorAt(0.5, QColor(0, 0, 0, 40));
    light.setColorAt(1.0, QColor(0, 0, 0, 170));
    p.fillRect(tile, light);
    p.restore();

    // Gold frame.
    QLinearGradient gold(tile.topLeft(), tile.bottomRight());
    gold.setColorAt(0.0, QColor(0xff, 0xe9, 0xa0));
    gold.setColorAt(0.45, QColor(0xc8, 0x96, 0x2e));
    gold.setColorAt(1.0, QColor(0x6a, 0x48, 0x10));
    p.setPen(QPen(QBrush(gold), 5 * s));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rounded);

    // The knight, with a shadow cast to the lower right.
    const QImage knight = ShadedPiece(PieceType::Knight, PieceFinish::Ivory, qRound(96 * s));
    QImage shadow = knight;
    {
        QPainter sp(&shadow);
        sp.setCompositionMode(QPainter::CompositionMode_SourceIn);
        sp.fillRect(shadow.rect(), QColor(0, 0, 0, 150));
    }
    const QPointF at((size - knight.width()) / 2.0, 14 * s);
    p.drawImage(at + QPointF(5 * s, 4 * s), shadow);
    p.drawImage(at, knight);
    return icon;
}
