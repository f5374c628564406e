// A text label that reports the pointer entering and leaving it and a
// click on it (press and release of the left button over the label). It
// also serves the keyboard: it takes the focus by Tab (never by a click),
// the arrow keys move the focus to the next or the previous label, Enter
// and Space choose it like a click; screen readers see a push button with
// a press action.
#pragma once

#include <QLabel>

class HoverLabel : public QLabel {
    Q_OBJECT

public:
    explicit HoverLabel(const QString& text, QWidget* parent = nullptr);

    // Chooses the label as a click does (the press action of screen readers).
    void Activate() { emit Clicked(); }

signals:
    void MouseEntered();
    void MouseLeft();
    void Clicked();
    // The keyboard focus came or went.
    void FocusEntered();
    void FocusLeft();
    // A key was pressed while the label had the focus (before it acts).
    void KeyUsed();

protected:
    bool event(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool pressed_ = false;
};
