// The board's canvas and its shared painter. See BoardCanvas.h.
#include "board/BoardCanvas.h"

#include <QtMath>

bool BoardCanvas::Fit(QSize logicalSize, qreal ratio, int maxSide)
{
    if (painter_ != nullptr)
        return false; // never swap the picture under an active painter
    const QSize wanted = logicalSize.expandedTo(QSize(1, 1)).boundedTo(QSize(maxSide, maxSide));
    if (logicalSize_ == wanted && image_.devicePixelRatio() == ratio)
        return false;
    logicalSize_ = wanted;
    if (ratio == 1.0) {
        image_ = QImage(wanted, QImage::Format_RGB32);
    } else {
        const QSize device(qCeil(wanted.width() * ratio), qCeil(wanted.height() * ratio));
        image_ = QImage(device, QImage::Format_RGB32);
        image_.setDevicePixelRatio(ratio);
    }
    image_.fill(Qt::black);
    return true;
}

bool BoardCanvas::Open()
{
    if (painter_ != nullptr)
        return false;
    own_.emplace(&image_);
    painter_ = &*own_;
    return true;
}

void BoardCanvas::Close()
{
    if (!own_)
        return;
    own_->end();
    own_.reset();
    painter_ = nullptr;
}

void BoardCanvas::ShowOn(QPainter& painter, const QRect& area) const
{
    const qreal ratio = image_.devicePixelRatio();
    if (ratio == 1.0) {
        painter.drawImage(area.topLeft(), image_, area);
        return;
    }
    const QRectF source(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio);
    painter.drawImage(QRectF(area), image_, source);
}
