// Pointer events of the start screen's labels.
#include "app/HoverLabel.h"

#include <QMouseEvent>

HoverLabel::HoverLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void HoverLabel::enterEvent(QEnterEvent* event)
{
    QLabel::enterEvent(event);
    emit MouseEntered();
}

void HoverLabel::leaveEvent(QEvent* event)
{
    QLabel::leaveEvent(event);
    emit MouseLeft();
}

void HoverLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void HoverLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit Clicked();
}
