// A text label that reports the pointer entering and leaving it and a
// click on it (press and release of the left button over the label).
#pragma once

#include <QLabel>

class HoverLabel : public QLabel {
    Q_OBJECT

public:
    explicit HoverLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void MouseEntered();
    void MouseLeft();
    void Clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};
