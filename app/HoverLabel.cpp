// Pointer and key events of the start screen's labels, and their face for
// screen readers.
#include "app/HoverLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

// A push button named by the label's text, with a press action.
class HoverLabelAccessible : public QAccessibleWidget {
public:
    explicit HoverLabelAccessible(HoverLabel* label) : QAccessibleWidget(label, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<HoverLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = true;
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction())
            static_cast<HoverLabel*>(widget())->Activate();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* HoverLabelFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("HoverLabel") && object && object->isWidgetType())
        return new HoverLabelAccessible(static_cast<HoverLabel*>(object));
    return nullptr;
}

} // namespace

HoverLabel::HoverLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(&HoverLabelFactory);
        return true;
    }();
    (void)installed;
    // By Tab only: a click leaves the focus where it was, so the pointer
    // alone never leaves a word lit.
    setFocusPolicy(Qt::TabFocus);
}

bool HoverLabel::event(QEvent* event)
{
    // Tab never reaches keyPressEvent; every key is reported first.
    if (event->type() == QEvent::KeyPress)
        emit KeyUsed();
    return QLabel::event(event);
}

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

void HoverLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QLabel::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->accept();
        if (!event->isAutoRepeat())
            emit Clicked();
        return;
    case Qt::Key_Down:
    case Qt::Key_Right:
        event->accept();
        focusNextChild();
        return;
    case Qt::Key_Up:
    case Qt::Key_Left:
        event->accept();
        focusPreviousChild();
        return;
    default: QLabel::keyPressEvent(event);
    }
}

void HoverLabel::focusInEvent(QFocusEvent* event)
{
    QLabel::focusInEvent(event);
    emit FocusEntered();
}

void HoverLabel::focusOutEvent(QFocusEvent* event)
{
    QLabel::focusOutEvent(event);
    emit FocusLeft();
}
