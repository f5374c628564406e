// The start screen's title art: a polished board in perspective under a
// warm light, ivory pieces on the left, ebony on the right, and the title
// lettered in gold. The middle is kept dark and calm, since the start
// screen writes its three large silver labels there (x 168..462,
// y 136..435); the window shows the top-left 632 x 446 pixels.
#include "Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr qreal kShownWidth = 632;

struct PlacedPiece {
    PieceType type;
    PieceFinish finish;
    qreal file;   // board units, 0 = left edge
    qreal rank;   // board units, 0 = far edge
    qreal height; // in square widths at that depth
    bool mirrored;
};

// Far row narrow and high, near row wide and below the picture.
QTransform BoardProjection()
{
    const QPolygonF board({QPointF(0, 0), QPointF(8, 0), QPointF(8, 8), QPointF(0, 8)});
    const QPolygonF screen({QPointF(196, 246), QPointF(436, 246), QPointF(900, 640), QPointF(-268, 640)});
    QTransform projection;
    QTransform::quadToQuad(board, screen, projection);
    return projection;
}

qreal SquareWidthAt(const QTransform& projection, qreal file, qreal rank)
{
    return QLineF(projection.map(QPointF(file, rank)), projection.map(QPointF(file + 1, rank))).length();
}

void PaintBackdrop(QPainter& p)
{
    QLinearGradient wall(0, 0, 0, kHeight);
    wall.setColorAt(0.0, QColor(0x07, 0x05, 0x04));
    wall.setColorAt(0.5, QColor(0x1c, 0x12, 0x0b));
    wall.setColorAt(1.0, QColor(0x0c, 0x08, 0x05));
    p.fillRect(0, 0, kWidth, kHeight, wall);

    // The lamp above the table.
    QRadialGradient lamp(QPointF(kShownWidth / 2, 170), 360);
    lamp.setColorAt(0.0, QColor(0x6a, 0x44, 0x22, 150));
    lamp.setColorAt(0.45, QColor(0x3a, 0x22, 0x10, 90));
    lamp.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(0, 0, kWidth, kHeight, lamp);
}

void PaintBoard(QPainter& p, const QTransform& projection)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setTransform(projection);
    p.setPen(Qt::NoPen);

    // Frame of dark wood with a thin gold inlay.
    p.fillRect(QRectF(-0.55, -0.55, 9.1, 9.1), QColor(0x22, 0x13, 0x0a));
    p.setPen(QPen(QColor(0xb0, 0x84, 0x3c), 0.035));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(-0.18, -0.18, 8.36, 8.36));
    p.setPen(Qt::NoPen);

    for (int rank = 0; rank < 8; ++rank) {
        for (int file = 0; file < 8; ++file) {
            const bool light = (rank + file) % 2 == 0;
            QLinearGradient wood(file, rank, file + 1, rank + 1);
            if (light) {
                wood.setColorAt(0.0, QColor(0x9a, 0x77, 0x4a));
                wood.setColorAt(1.0, QColor(0x7a, 0x5a, 0x36));
            } else {
                wood.setColorAt(0.0, QColor(0x3a, 0x22, 0x14));
                wood.setColorAt(1.0, QColor(0x26, 0x16, 0x0c));
            }
            p.fillRect(QRectF(file, rank, 1, 1), wood);
            // A few faint grain lines along each square.
            p.setPen(QPen(QColor(0, 0, 0, light ? 28 : 22), 0.012));
            for (int line = 1; line < 6; ++line) {
                const qreal y = rank + line / 6.0 + 0.03 * std::sin(file * 3.1 + line * 1.7);
                p.drawLine(QPointF(file + 0.02, y), QPointF(file + 0.98, y + 0.04 * std::cos(rank + line)));
            }
            p.setPen(Qt::NoPen);
        }
    }
    p.restore();

    // Varnish: the lamp's reflection beside each army, and the far side
    // lost in the dark. Only the board itself is touched.
    p.save();
    QPainterPath board;
    board.addPolygon(projection.map(QPolygonF(QRectF(-0.55, -0.55, 9.1, 9.1))));
    p.setClipPath(board);
    for (const qreal x : {90.0, 545.0}) {
        QRadialGradient sheen(QPointF(x, 360), 170);
        sheen.setColorAt(0.0, QColor(0xff, 0xd8, 0xa0, 40));
        sheen.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.fillRect(0, 230, kWidth, kHeight - 230, sheen);
    }
    QLinearGradient haze(0, 230, 0, 340);
    haze.setColorAt(0.0, QColor(0x0a, 0x06, 0x04, 240));
    haze.setColorAt(1.0, QColor(0x0a, 0x06, 0x04, 0));
    p.fillRect(0, 230, kWidth, 110, haze);
    p.restore();
}

// A darker pool in the middle, where the silver labels are written.
void PaintLabelShade(QPainter& p)
{
    p.save();
    p.translate(kShownWidth / 2 - 2, 300);
    p.scale(1.15, 0.9);
    QRadialGradient pool(QPointF(0, 0), 215);
    pool.setColorAt(0.0, QColor(0, 0, 0, 185));
    pool.setColorAt(0.55, QColor(0, 0, 0, 150));
    pool.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(-330, -260, 660, 520), pool);
    p.restore();
}

QImage Tinted(const QImage& image, QColor colour)
{
    QImage result = image;
    QPainter p(&result);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(result.rect(), colour);
    return result;
}

void PaintPiece(QPainter& p, const QTransform& projection, const PlacedPiece& piece)
{
    const QPointF base = projection.map(QPointF(piece.file + 0.5, piece.rank + 0.5));
    const qreal square = SquareWidthAt(projection, piece.file, piece.rank + 0.5);
    const int height = qRound(piece.height * square);
    const QImage image = ShadedPiece(piece.type, piece.finish, height, piece.mirrored);
    const QPointF topLeft(base.x() - image.width() / 2.0, base.y() - image.height() + square * 0.06);

    // Reflection in the varnish, fading downwards.
    QImage reflection = image.mirrored(false, true);
    {
        QPainter r(&reflection);
        r.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        QLinearGradient fade(0, 0, 0, reflection.height());
        fade.setColorAt(0.0, QColor(0, 0, 0, 70));
        fade.setColorAt(0.45, QColor(0, 0, 0, 0));
        r.fillRect(reflection.rect(), fade);
    }
    p.drawImage(QPointF(topLeft.x(), topLeft.y() + image.height() - square * 0.02), reflection);

    // Contact shadow, then a long soft shadow away from the lamp.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient contact(base, square * 0.55);
    contact.setColorAt(0.0, QColor(0, 0, 0, 160));
    contact.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(contact);
    p.drawEllipse(base, square * 0.55, square * 0.2);
    p.restore();

    const QImage shadow = Tinted(image, QColor(0, 0, 0, 70));
    p.save();
    p.translate(base);
    p.shear(base.x() < kShownWidth / 2 ? -0.9 : 0.9, 0);
    p.scale(1.0, 0.35);
    p.drawImage(QPointF(-image.width() / 2.0, -image.height()), shadow);
    p.restore();

    p.drawImage(topLeft, image);
}

void PaintTitle(QPainter& p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);

    // A small spaced heading above the title.
    QFont small = PixelFont(SansFamily(), 13, QFont::Bold);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 7);
    const QString heading = ArtWords(QStringLiteral("XADREZ"), QStringLiteral("CHESS"));
    QPainterPath headingPath = TextPath(heading, small);
    headingPath.translate(kShownWidth / 2 - headingPath.boundingRect().center().x(), 30);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9c, 0x94, 0x88));
    p.drawPath(headingPath);
    const QRectF headingBox = headingPath.boundingRect();
    QLinearGradient leftRule(headingBox.left() - 90, 0, headingBox.left() - 12, 0);
    leftRule.setColorAt(0.0, QColor(0x9c, 0x94, 0x88, 0));
    leftRule.setColorAt(1.0, QColor(0x9c, 0x94, 0x88, 200));
    p.fillRect(QRectF(headingBox.left() - 90, headingBox.center().y(), 78, 1), leftRule);
    QLinearGradient rightRule(headingBox.right() + 12, 0, headingBox.right() + 90, 0);
    rightRule.setColorAt(0.0, QColor(0x9c, 0x94, 0x88, 200));
    rightRule.setColorAt(1.0, QColor(0x9c, 0x94, 0x88, 0));
    p.fillRect(QRectF(headingBox.right() + 12, headingBox.center().y(), 78, 1), rightRule);

    // The title itself.
    const QFont titleFont = PixelFont(TitleFamily(), 64, QFont::Bold);
    QPainterPath title = TextPath(QStringLiteral("Kestravin 2005"), titleFont);
    title.translate(kShownWidth / 2 - title.boundingRect().center().x(), 98);
    DrawMetalText(p, title, QColor(0xff, 0xe3, 0x96), QColor(0xa8, 0x72, 0x1c), 3.0);

    // Ornamental rule under the title, with a diamond in the middle.
    const qreal y = 118;
    QLinearGradient rule(kShownWidth / 2 - 170, 0, kShownWidth / 2 + 170, 0);
    rule.setColorAt(0.0, QColor(0xc8, 0x96, 0x40, 0));
    rule.setColorAt(0.5, QColor(0xe8, 0xc0, 0x70, 230));
    rule.setColorAt(1.0, QColor(0xc8, 0x96, 0x40, 0));
    p.fillRect(QRectF(kShownWidth / 2 - 170, y, 340, 1.4), rule);
    QPolygonF diamond({QPointF(kShownWidth / 2, y - 5), QPointF(kShownWidth / 2 + 6, y + 0.7),
                       QPointF(kShownWidth / 2, y + 6.4), QPointF(kShownWidth / 2 - 6, y + 0.7)});
    p.setPen(QPen(QColor(0x5a, 0x3a, 0x10), 1));
    p.setBrush(QColor(0xf0, 0xcc, 0x80));
    p.drawPolygon(diamond);
    p.restore();
}

} // namespace

QImage DrawTitleArt()
{
    QImage art(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&art);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QTransform projection = BoardProjection();

    PaintBackdrop(p);
    PaintBoard(p, projection);

    // Far pieces first, so nearer ones cover them.
    const PlacedPiece pieces[] = {
        {PieceType::King, PieceFinish::Ivory, 0, 3.5, 2.05, false},
        {PieceType::Queen, PieceFinish::Ebony, 7, 3.5, 1.95, false},
        {PieceType::Knight, PieceFinish::Ivory, 0, 5.3, 1.4, true},
        {PieceType::Knight, PieceFinish::Ebony, 7, 5.3, 1.4, false},
        {PieceType::Pawn, PieceFinish::Ivory, 1.4, 5.5, 1.0, false},
        {PieceType::Pawn, PieceFinish::Ebony, 5.6, 5.5, 1.0, false},
    };
    for (const PlacedPiece& piece : pieces)
        PaintPiece(p, projection, piece);

    PaintLabelShade(p);
    PaintTitle(p);
    p.end();

    ApplyVignette(art, 0.8, QPointF(kShownWidth / 2, 250), 470);
    AddGrain(art, 3, 2005);
    return art;
}
