// The board's accessibility interface: the table and its cells.
#include "board/ChessBoardAccessible.h"

#include "board/BoardWords.h"
#include "board/ChessBoard.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>

#include <array>

namespace {

// Each text is marked with QT_TRANSLATE_NOOP, so that lupdate finds it.
QString Tr(const char* text)
{
    return QCoreApplication::translate("BoardWords", text);
}

// The square shown at a table position: row 0 is the top of the screen.
Square SquareAtCell(const TChessBoard& board, int row, int column)
{
    return board.WhiteOnTop() ? SquareAt(8 - column, row + 1) : SquareAt(column + 1, 8 - row);
}

class SquareCell;

} // namespace

// Row r, column c of the table is cell 8r + c.
int CellIndexOfSquare(const TChessBoard& board, Square square);

namespace {

class BoardTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardTable(TChessBoard* board) : QAccessibleWidget(board, QAccessible::Table) {}
    ~BoardTable() override;

    TChessBoard* Board() const { return static_cast<TChessBoard*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: return Tr(QT_TRANSLATE_NOOP("BoardWords", "Tabuleiro"));
        case QAccessible::Description: return TurnWords(Board()->WhiteToMove());
        default: return QAccessibleWidget::text(t);
        }
    }

    int childCount() const override { return 64; }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (row < 0 || row > 7 || column < 0 || column > 7)
            return nullptr;
        return child(row * 8 + column);
    }
    int selectedCellCount() const override { return SelectedIndex() < 0 ? 0 : 1; }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        const int index = SelectedIndex();
        return index < 0 ? QList<QAccessibleInterface*>() : QList<QAccessibleInterface*>{child(index)};
    }
    QString columnDescription(int column) const override
    {
        const Square square = SquareAtCell(*Board(), 0, column);
        return QString(QChar(u'a' + FileOf(square) - 1));
    }
    QString rowDescription(int row) const override { return QString::number(RankOf(SquareAtCell(*Board(), row, 0))); }
    int columnCount() const override { return 8; }
    int rowCount() const override { return 8; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    // The cell index of a square, in the board's present orientation.
    int IndexOfSquare(Square square) const { return CellIndexOfSquare(*Board(), square); }

private:
    int SelectedIndex() const { return IndexOfSquare(Board()->SelectedSquare()); }

    mutable std::array<QAccessible::Id, 64> cellIds_{};
};

class SquareCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    SquareCell(TChessBoard* board, int index) : board_(board), index_(index) {}

    bool isValid() const override { return !board_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(board_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::Cell; }

    Square CellSquare() const { return board_ ? SquareAtCell(*board_, rowIndex(), columnIndex()) : Square::None; }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !board_)
            return {};
        return SquareWords(board_->Board(), CellSquare());
    }

    QRect rect() const override
    {
        if (!board_)
            return {};
        int x = 0, y = 0;
        board_->SquareOrigin(CellSquare(), x, y);
        const int size = board_->SizeOfSquare();
        return QRect(board_->mapToGlobal(QPoint(x, y)), QSize(size, size));
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!board_)
            return state;
        state.focusable = true;
        state.selectable = true;
        state.focused = board_->hasFocus() && board_->FocusSquare() == CellSquare();
        state.selected = board_->SelectedSquare() == CellSquare();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return nullptr;
    }

    // QAccessibleTableCellInterface
    bool isSelected() const override { return state().selected; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return index_ % 8; }
    int rowIndex() const override { return index_ / 8; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<TChessBoard> board_;
    int index_;
};

BoardTable::~BoardTable()
{
    for (QAccessible::Id id : cellIds_)
        if (id)
            QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* BoardTable::child(int index) const
{
    if (index < 0 || index >= 64)
        return nullptr;
    QAccessible::Id& id = cellIds_[static_cast<std::size_t>(index)];
    if (!id)
        id = QAccessible::registerAccessibleInterface(new SquareCell(Board(), index));
    return QAccessible::accessibleInterface(id);
}

int BoardTable::indexOfChild(const QAccessibleInterface* child) const
{
    for (int index = 0; index < 64; ++index)
        if (cellIds_[static_cast<std::size_t>(index)] &&
            QAccessible::accessibleInterface(cellIds_[static_cast<std::size_t>(index)]) == child)
            return index;
    return -1;
}

QAccessibleInterface* BoardTable::focusChild() const
{
    if (!Board()->hasFocus())
        return nullptr;
    const int index = IndexOfSquare(Board()->FocusSquare());
    return index < 0 ? nullptr : child(index);
}

} // namespace

QAccessibleInterface* BoardAccessibilityFactory(const QString&, QObject* object)
{
    if (auto* board = qobject_cast<TChessBoard*>(object))
        return new BoardTable(board);
    return nullptr;
}

void InstallBoardAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(&BoardAccessibilityFactory);
}

void NotifyFocusSquare(QObject* board, int cellIndex)
{
    if (!QAccessible::isActive() || cellIndex < 0)
        return;
    QAccessibleEvent event(board, QAccessible::Focus);
    event.setChild(cellIndex);
    QAccessible::updateAccessibility(&event);
}

void NotifyPositionChanged(QObject* board)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent description(board, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&description);
    QAccessibleEvent names(board, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&names);
}

int CellIndexOfSquare(const TChessBoard& board, Square square)
{
    if (Ord(square) < 1 || Ord(square) > 64)
        return -1;
    for (int index = 0; index < 64; ++index)
        if (SquareAtCell(board, index / 8, index % 8) == square)
            return index;
    return -1;
}
