// The game window's move list: a plain list box whose Click signal fires
// as a list box's click does, on a mouse click on a line (also the line
// already selected) and when the keyboard moves the selection.
#pragma once

#include <QListWidget>

class MoveListBox : public QListWidget {
    Q_OBJECT

public:
    explicit MoveListBox(QWidget* parent = nullptr);

    // Replaces every line; no line is selected afterwards and the list
    // shows its first lines.
    void SetLines(const QStringList& lines);
    QStringList Lines() const;

signals:
    void Click();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
