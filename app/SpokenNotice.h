// A notice for screen readers: an unseen object (hidden, of no size)
// that screen readers know as a notification. Each Tell names it with the
// text and reports it shown, which Orca speaks at once whatever has the
// focus; a change of another object's description, by contrast, is only
// spoken for the focused object.
#pragma once

#include <QString>
#include <QWidget>

class SpokenNotice : public QWidget {
    Q_OBJECT

public:
    explicit SpokenNotice(QWidget* parent);

    // Hands the text to screen readers.
    void Tell(const QString& text);
    QString Text() const { return text_; }

private:
    QString text_;
};
