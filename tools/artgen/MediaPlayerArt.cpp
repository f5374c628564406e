// The media player's face: a panel of dark brushed metal. On the left a
// recessed plate for the silver "ABRIR" label (x 16..93, y 24..53) and a
// slot for the play, pause and stop bar (x 16..101, y 80..108), both
// placed by the window; on the right a glowing display with a spectrum and
// a speaker grille.
#include "Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <random>

namespace {

constexpr int kWidth = 274;
constexpr int kHeight = 116;

void PaintBrushedMetal(QImage& image)
{
    QPainter p(&image);
    QLinearGradient base(0, 0, 0, kHeight);
    base.setColorAt(0.0, QColor(0x4a, 0x4c, 0x52));
    base.setColorAt(0.5, QColor(0x2c, 0x2e, 0x33));
    base.setColorAt(1.0, QColor(0x1a, 0x1b, 0x1f));
    p.fillRect(image.rect(), base);

    // Horizontal brushing: thin lines of random brightness.
    std::mt19937 random(274);
    std::uniform_int_distribution<int> shade(-14, 14);
    for (int y = 0; y < kHeight; ++y) {
        const int s = shade(random);
        p.setPen(s > 0 ? QColor(255, 255, 255, s) : QColor(0, 0, 0, -s));
        p.drawLine(0, y, kWidth, y);
    }

    // Bevel around the whole face.
    p.setPen(QColor(255, 255, 255, 70));
    p.drawLine(0, 0, kWidth - 1, 0);
    p.drawLine(0, 0, 0, kHeight - 1);
    p.setPen(QColor(0, 0, 0, 160));
    p.drawLine(0, kHeight - 1, kWidth - 1, kHeight - 1);
    p.drawLine(kWidth - 1, 0, kWidth - 1, kHeight - 1);
}

// A dark hollow pressed into the metal.
void PaintRecess(QPainter& p, const QRectF& area, qreal radius)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient hollow(0, area.top(), 0, area.bottom());
    hollow.setColorAt(0.0, QColor(0x08, 0x08, 0x0a));
    hollow.setColorAt(1.0, QColor(0x1c, 0x1d, 0x22));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawRoundedRect(area.adjusted(-1, -1, 1, 1.5), radius + 1, radius + 1);
    p.setBrush(hollow);
    p.drawRoundedRect(area, radius, radius);
    p.setPen(QPen(QColor(0, 0, 0, 180), 1));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(area.left() + radius, area.top() + 0.5), QPointF(area.right() - radius, area.top() + 0.5));
    p.restore();
}

void PaintDisplay(QPainter& p, const QRectF& screen)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    PaintRecess(p, screen.adjusted(-3, -3, 3, 3), 5);
    QLinearGradient glass(0, screen.top(), 0, screen.bottom());
    glass.setColorAt(0.0, QColor(0x0a, 0x26, 0x30));
    glass.setColorAt(1.0, QColor(0x04, 0x12, 0x18));
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawRoundedRect(screen, 3, 3);

    const QColor glow(0x6a, 0xe8, 0xff);
    p.setPen(glow);
    p.setFont(PixelFont(SansFamily(), 9, QFont::Bold));
    p.drawText(QPointF(screen.left() + 7, screen.top() + 13), QStringLiteral("KESTRAVIN"));
    p.setPen(QColor(0x6a, 0xe8, 0xff, 170));
    p.setFont(PixelFont(SansFamily(), 8, QFont::Normal));
    p.drawText(QPointF(screen.right() - 44, screen.top() + 13),
               ArtWords(QStringLiteral("M\u00daSICA"), QStringLiteral("MUSIC")));

    // Spectrum bars, lit segment by segment.
    const int bars = 18;
    const qreal barWidth = (screen.width() - 14) / bars;
    const qreal floor = screen.bottom() - 6;
    for (int i = 0; i < bars; ++i) {
        const qreal level = 0.25 + 0.7 * std::fabs(std::sin(i * 0.73 + 0.6) * std::cos(i * 0.31));
        const int segments = static_cast<int>(level * 9);
        for (int s = 0; s < segments; ++s) {
            const QRectF cell(screen.left() + 7 + i * barWidth, floor - (s + 1) * 3.4, barWidth - 2, 2.4);
            QColor c = s > 6 ? QColor(0xff, 0xc8, 0x50) : glow;
            c.setAlpha(120 + 15 * s);
            p.fillRect(cell, c);
        }
    }

    // Glass reflection.
    QLinearGradient shine(screen.topLeft(), QPointF(screen.left(), screen.center().y()));
    shine.setColorAt(0.0, QColor(255, 255, 255, 40));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(shine);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(screen.left(), screen.top(), screen.width(), screen.height() / 2), 3, 3);
    p.restore();
}

void PaintGrille(QPainter& p, const QRectF& area)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (qreal y = area.top() + 3; y < area.bottom() - 2; y += 5) {
        for (qreal x = area.left() + 3; x < area.right() - 2; x += 5) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 45));
            p.drawEllipse(QPointF(x + 0.5, y + 0.6), 1.5, 1.5);
            p.setBrush(QColor(0x05, 0x05, 0x06));
            p.drawEllipse(QPointF(x, y), 1.4, 1.4);
        }
    }
    p.restore();
}

} // namespace

QImage DrawMediaPlayerArt()
{
    QImage art(kWidth, kHeight, QImage::Format_RGB32);
    PaintBrushedMetal(art);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);

    PaintRecess(p, QRectF(10, 18, 92, 40), 6); // behind "ABRIR"
    PaintRecess(p, QRectF(11, 75, 96, 38), 5); // the button bar's slot
    PaintDisplay(p, QRectF(122, 12, 142, 58));
    PaintGrille(p, QRectF(122, 80, 90, 28));

    // A small knight as the maker's badge, beside the grille.
    const QImage badge = ShadedPiece(PieceType::Knight, PieceFinish::Ivory, 24);
    p.drawImage(QPointF(246 - badge.width() / 2.0, 82), badge);

    p.setPen(QColor(0xb8, 0xb8, 0xc0));
    p.setFont(PixelFont(SansFamily(), 7, QFont::Bold));
    p.drawText(QPointF(12, 12), QStringLiteral("MEDIA PLAYER"));
    p.end();
    return art;
}
