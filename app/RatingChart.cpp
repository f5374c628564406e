#include "app/RatingChart.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

TRatingChart::TRatingChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("RatingChart"));
    setMinimumSize(300, 160);
    setAccessibleName(tr("Pontuação ao longo das tentativas"));
}

void TRatingChart::SetRatings(std::vector<double> ratings)
{
    ratings_ = std::move(ratings);
    low_ = 1400;
    high_ = 1600;
    if (!ratings_.empty()) {
        const auto [lowest, highest] = std::minmax_element(ratings_.begin(), ratings_.end());
        // Whole hundreds around the line, at least two of them.
        low_ = std::floor((*lowest - 20) / 100.0) * 100.0;
        high_ = std::max(std::ceil((*highest + 20) / 100.0) * 100.0, low_ + 200.0);
    }
    update();
}

QRectF TRatingChart::PlotArea() const
{
    return QRectF(48, 10, std::max(10, width() - 60), std::max(10, height() - 30));
}

QPointF TRatingChart::PointOf(std::size_t index) const
{
    const QRectF area = PlotArea();
    const double steps = std::max<double>(1.0, static_cast<double>(ratings_.size()) - 1.0);
    const double x = ratings_.size() == 1 ? area.center().x() : area.left() + area.width() * index / steps;
    const double y = area.bottom() - area.height() * (ratings_[index] - low_) / (high_ - low_);
    return {x, y};
}

void TRatingChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    const QRectF area = PlotArea();
    p.setRenderHint(QPainter::Antialiasing, true);
    // The scale: a line and a label every hundred points.
    for (double r = low_; r <= high_ + 0.5; r += 100.0) {
        const double y = area.bottom() - area.height() * (r - low_) / (high_ - low_);
        p.setPen(QPen(palette().mid().color(), 1, Qt::DotLine));
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        p.setPen(palette().text().color());
        p.drawText(QRectF(0, y - 8, area.left() - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(static_cast<int>(r)));
    }
    p.setPen(QPen(palette().text().color(), 1));
    p.drawLine(area.bottomLeft(), area.bottomRight());
    p.drawText(QRectF(area.left(), area.bottom() + 2, area.width(), 18), Qt::AlignCenter, tr("tentativas"));
    if (ratings_.empty()) {
        p.drawText(area, Qt::AlignCenter, tr("Ainda não há tentativas."));
        return;
    }
    QPainterPath line;
    line.moveTo(PointOf(0));
    for (std::size_t i = 1; i < ratings_.size(); ++i)
        line.lineTo(PointOf(i));
    p.setPen(QPen(QColor(0x80, 0x00, 0x00), 2));
    p.drawPath(line);
    p.setBrush(QColor(0x80, 0x00, 0x00));
    p.drawEllipse(PointOf(ratings_.size() - 1), 3.5, 3.5);
}
