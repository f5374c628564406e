// Helpers of the window tests: clicking a widget, with the shared waits and
// sound files.
#pragma once

#include "EventPump.h"
#include "WavFile.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QString>
#include <QWidget>

// A left-button press and release in the middle of `widget`.
inline void Click(QWidget* widget)
{
    const QPointF at = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}
