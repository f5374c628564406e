// The move list's lines and its click signal.
#include "app/MoveListBox.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {
constexpr int LineHeight = 13;
}

MoveListBox::MoveListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void MoveListBox::SetLines(const QStringList& lines)
{
    // Rebuilding must not count as the user's choice of a line.
    const QSignalBlocker quiet(this);
    clear();
    for (const QString& line : lines) {
        auto* item = new QListWidgetItem(line, this);
        item->setSizeHint(QSize(1, LineHeight));
    }
    setCurrentRow(-1);
    clearSelection();
    scrollToTop();
    viewport()->update();
}

QStringList MoveListBox::Lines() const
{
    QStringList lines;
    for (int i = 0; i < count(); ++i)
        lines.append(item(i)->text());
    return lines;
}

void MoveListBox::mouseReleaseEvent(QMouseEvent* event)
{
    QListWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && itemAt(event->position().toPoint()))
        emit Click();
}

void MoveListBox::keyPressEvent(QKeyEvent* event)
{
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentRow() >= 0)
        emit Click();
}
