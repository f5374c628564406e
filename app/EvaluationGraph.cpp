// The review's graph (see EvaluationGraph.h).
#include "app/EvaluationGraph.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

const QColor kWhiteShare(238, 238, 232);
const QColor kBlackShare(70, 70, 76);
const QColor kEvenLine(150, 150, 150);
const QColor kCurveLine(30, 30, 30);
const QColor kMistake(235, 140, 20);
const QColor kBlunder(215, 25, 25);
const QColor kShown(30, 100, 220);

} // namespace

QPointF EvaluationGraphGeometry::PointAt(int index, double pawns) const
{
    const double step = count_ > 1 ? area_.width() / (count_ - 1) : 0.0;
    const double share = (EvaluationLimitPawns - std::clamp(pawns, -EvaluationLimitPawns, EvaluationLimitPawns)) /
        (2 * EvaluationLimitPawns);
    return QPointF(area_.left() + index * step, area_.top() + share * area_.height());
}

int EvaluationGraphGeometry::NearestIndex(double x) const
{
    if (count_ <= 0)
        return -1;
    if (count_ == 1 || area_.width() <= 0)
        return 0;
    const double step = area_.width() / (count_ - 1);
    const long index = std::lround((x - area_.left()) / step);
    return static_cast<int>(std::clamp<long>(index, 0, count_ - 1));
}

void PaintEvaluationGraph(QPainter& painter, const QRectF& area, const std::vector<EvaluationPoint>& curve, int current)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(area, kBlackShare);
    const int count = static_cast<int>(curve.size());
    const EvaluationGraphGeometry geometry(area, count);
    const double unit = std::max(1.0, area.height() / 100.0);
    if (count > 0) {
        // White's share: from the bottom edge up to the curve.
        QPainterPath share;
        share.moveTo(area.bottomLeft());
        for (int i = 0; i < count; ++i)
            share.lineTo(geometry.PointAt(i, curve[static_cast<std::size_t>(i)].Pawns()));
        share.lineTo(count > 1 ? area.bottomRight() : geometry.PointAt(0, -EvaluationLimitPawns));
        share.closeSubpath();
        painter.setPen(Qt::NoPen);
        painter.setBrush(kWhiteShare);
        painter.drawPath(share);
    }
    painter.setPen(QPen(kEvenLine, unit, Qt::DashLine));
    const double middle = area.center().y();
    painter.drawLine(QPointF(area.left(), middle), QPointF(area.right(), middle));
    if (count > 0) {
        QPainterPath line;
        line.moveTo(geometry.PointAt(0, curve.front().Pawns()));
        for (int i = 1; i < count; ++i)
            line.lineTo(geometry.PointAt(i, curve[static_cast<std::size_t>(i)].Pawns()));
        painter.setPen(QPen(kCurveLine, 1.5 * unit));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(line);
    }
    if (current >= 0 && current < count) {
        const double x = geometry.PointAt(current, 0).x();
        painter.setPen(QPen(kShown, 2 * unit));
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    }
    const double radius = std::max(3.0, area.height() / 28.0);
    for (int i = 0; i < count; ++i) {
        const EvaluationPoint& point = curve[static_cast<std::size_t>(i)];
        if (!ShownOnGraph(point.Mark))
            continue;
        painter.setPen(QPen(Qt::white, unit));
        painter.setBrush(point.Mark == TMoveMark::Blunder ? kBlunder : kMistake);
        painter.drawEllipse(geometry.PointAt(i, point.Pawns()), radius, radius);
    }
    painter.setPen(QPen(kEvenLine, unit));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
    painter.restore();
}

TEvaluationGraph::TEvaluationGraph(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("EvaluationGraph"));
    setAccessibleName(tr("Gráfico da avaliação"));
    setToolTip(tr("A avaliação ao longo da partida, do lado das Brancas (até 10 peões; um mate fica na borda). "
                  "Os pontos laranja são erros (?) e os vermelhos, erros graves (?\?). Clique para ver a posição."));
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMinimumHeight(minimumSizeHint().height());
    setFixedHeight(sizeHint().height());
}

void TEvaluationGraph::SetCurve(std::vector<EvaluationPoint> curve)
{
    curve_ = std::move(curve);
    current_ = -1;
    update();
}

void TEvaluationGraph::SetShownSlot(int moveNumber, bool whiteToMove)
{
    int found = -1;
    for (std::size_t i = 0; i < curve_.size(); ++i)
        if (curve_[i].SlotMove == moveNumber && curve_[i].SlotWhiteToMove == whiteToMove)
            found = static_cast<int>(i);
    if (found != current_) {
        current_ = found;
        update();
    }
}

QRectF TEvaluationGraph::PlotArea() const
{
    return QRectF(rect()).adjusted(4, 4, -4, -4);
}

QString TEvaluationGraph::ToolTipAt(double x) const
{
    if (curve_.empty())
        return toolTip();
    const int index = EvaluationGraphGeometry(PlotArea(), static_cast<int>(curve_.size())).NearestIndex(x);
    return EvaluationPointText(curve_[static_cast<std::size_t>(index)]);
}

bool TEvaluationGraph::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && !curve_.empty()) {
        const auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(help->globalPos(), ToolTipAt(help->pos().x()), this);
        return true;
    }
    return QWidget::event(event);
}

void TEvaluationGraph::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintEvaluationGraph(painter, PlotArea(), curve_, current_);
}

void TEvaluationGraph::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || curve_.empty())
        return;
    const int index =
        EvaluationGraphGeometry(PlotArea(), static_cast<int>(curve_.size())).NearestIndex(event->position().x());
    const EvaluationPoint& point = curve_[static_cast<std::size_t>(index)];
    emit slotChosen(point.SlotMove, point.SlotWhiteToMove);
}
