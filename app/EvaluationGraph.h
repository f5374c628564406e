// The graph of the review: the evaluation over the game (EvaluationCurve),
// White's share light below the curve and Black's dark above it, the even
// line across the middle, the mistakes (?) and blunders (??) as orange and
// red dots, and the shown position as a blue line. Painted with QPainter
// in logical units, so it is sharp on any screen and on paper; the widget
// goes to a position when a person clicks on the graph.
#pragma once

#include "app/EvaluationCurve.h"

#include <QPointF>
#include <QRectF>
#include <QWidget>

#include <vector>

class QPainter;

// Where the points of a curve of `count` points lie in `area`: the first
// at the left edge, the last at the right, +10 pawns at the top, -10 at
// the bottom.
class EvaluationGraphGeometry {
public:
    EvaluationGraphGeometry(const QRectF& area, int count) : area_(area), count_(count) {}

    QPointF PointAt(int index, double pawns) const;
    // The index of the point nearest to x (-1 when there are none).
    int NearestIndex(double x) const;

private:
    QRectF area_;
    int count_;
};

// Paints the graph into `area`; `current` is the index of the point to
// mark as shown (-1: none).
void PaintEvaluationGraph(QPainter& painter, const QRectF& area, const std::vector<EvaluationPoint>& curve,
                          int current = -1);

class TEvaluationGraph : public QWidget {
    Q_OBJECT

public:
    explicit TEvaluationGraph(QWidget* parent = nullptr);

    const std::vector<EvaluationPoint>& Curve() const { return curve_; }
    void SetCurve(std::vector<EvaluationPoint> curve);
    // Marks the point of the board's slot as shown (none when no point is
    // that position).
    void SetShownSlot(int moveNumber, bool whiteToMove);
    int CurrentIndex() const { return current_; }
    // The area the curve is drawn in, inside the widget.
    QRectF PlotArea() const;
    // The text of the point nearest to x; the graph's own tip without points.
    QString ToolTipAt(double x) const;

    QSize sizeHint() const override { return QSize(420, 140); }
    QSize minimumSizeHint() const override { return QSize(200, 80); }

signals:
    // A click on the graph: the slot of the nearest point's position.
    void slotChosen(int moveNumber, bool whiteToMove);

protected:
    // Resting on the graph tells of the nearest point.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::vector<EvaluationPoint> curve_;
    int current_ = -1;
};
