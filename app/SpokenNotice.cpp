// The notice's face for screen readers and its events.
#include "app/SpokenNotice.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class SpokenNoticeAccessible : public QAccessibleWidget {
public:
    explicit SpokenNoticeAccessible(SpokenNotice* notice) : QAccessibleWidget(notice, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<SpokenNotice*>(widget())->Text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* SpokenNoticeFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("SpokenNotice") && object && object->isWidgetType())
        return new SpokenNoticeAccessible(static_cast<SpokenNotice*>(object));
    return nullptr;
}

} // namespace

SpokenNotice::SpokenNotice(QWidget* parent) : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(&SpokenNoticeFactory);
        return true;
    }();
    (void)installed;
    setObjectName(QStringLiteral("SpokenNotice"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Never shown, so that the window's showing does not announce it (Orca
    // would say "notification" with no words); of no size besides.
    setGeometry(0, 0, 0, 0);
    hide();
}

void SpokenNotice::Tell(const QString& text)
{
    text_ = text;
    if (!QAccessible::isActive())
        return;
    // The name first, so that a reader's cached name is dropped; then the
    // notification "appears", which is what Orca speaks.
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
