// The person's exercise rating over the attempts, as a plain line drawn
// with QPainter: one point per rating, left to right, with the rating
// scale in hundreds on the left.
#pragma once

#include <QWidget>

#include <vector>

class TRatingChart : public QWidget {
    Q_OBJECT

public:
    explicit TRatingChart(QWidget* parent = nullptr);

    void SetRatings(std::vector<double> ratings);
    const std::vector<double>& Ratings() const { return ratings_; }
    // The scale shown: the lowest and highest rating on the axis.
    double ScaleLow() const { return low_; }
    double ScaleHigh() const { return high_; }
    // Where a rating's point is drawn (index in Ratings()).
    QPointF PointOf(std::size_t index) const;

    QSize sizeHint() const override { return {420, 220}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF PlotArea() const;

    std::vector<double> ratings_;
    double low_ = 1400;
    double high_ = 1600;
};
