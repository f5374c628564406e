#include "app/PositionEditorPieces.h"

#include <QPainter>

void PositionEditorPieces::Prepare(qreal ratio)
{
    if (ratio == ratio_ && size_ > 0)
        return;
    ratio_ = ratio;
    QImage sheet = LoadSheetResource(QStringLiteral("CUSTOMSET"));
    QImage larger = LoadSheetResource(QStringLiteral("CUSTOMSET@2x"));
    if (!IsValidPieceSet(&sheet)) {
        sheet = LoadSheetResource(StandardSetResourceName(StandardSet::Size40));
        larger = LoadSheetResource(StandardSetResourceName(StandardSet::Size40) + QStringLiteral("@2x"));
    }
    size_ = CutPieceSheetFor(ratio, sheet, larger, images_, index_);
}

void PositionEditorPieces::Draw(QPainter& painter, int x, int y, char piece) const
{
    images_.Draw(painter, x, y, PieceImageIndexIn(index_, piece));
}

QPixmap PositionEditorPieces::Picture(char piece) const
{
    const qreal ratio = ratio_ > 0 ? ratio_ : 1.0;
    QPixmap picture(QSize(size_, size_) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    Draw(painter, 0, 0, piece);
    return picture;
}
