// The board as screen readers see it: a table of 64 cells named by square
// and piece in the order they stand on the screen (turned with the board),
// the turn in its description, the keyboard's focus square as the focused
// cell and the selected piece as the selected cell.
#include "ViewTestSupport.h"

#include "board/ChessBoard.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QString CellName(QAccessibleTableInterface* table, int row, int column)
{
    QAccessibleInterface* cell = table->cellAt(row, column);
    return cell ? cell->text(QAccessible::Name) : QStringLiteral("(none)");
}

TEST(BoardAccessibility, ATableOfSixtyFourNamedCellsFollowsMovesAndTurning)
{
    ShownBoard board;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(board.board);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::Table);
    EXPECT_EQ(face->childCount(), 64);
    EXPECT_EQ(face->text(QAccessible::Description), "Vez das Brancas.");
    QAccessibleTableInterface* table = face->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 8);
    EXPECT_EQ(table->columnCount(), 8);
    EXPECT_EQ(CellName(table, 0, 0), "a8, torre preta");
    EXPECT_EQ(CellName(table, 7, 4), "e1, rei branco");
    EXPECT_EQ(CellName(table, 4, 4), "e4, vazia");
    EXPECT_EQ(face->child(63)->role(), QAccessible::Cell);
    EXPECT_EQ(face->indexOfChild(face->child(10)), 10);

    board->SetAnimateMoves(false);
    ASSERT_TRUE(board->MakeMove(Square::E2, Square::E4));
    EXPECT_EQ(CellName(table, 4, 4), "e4, peão branco");
    EXPECT_EQ(CellName(table, 6, 4), "e2, vazia");
    EXPECT_EQ(face->text(QAccessible::Description), "Vez das Pretas.");

    // Turned over: the top-left cell is h1.
    board->SetWhiteOnTop(true);
    EXPECT_EQ(CellName(table, 0, 0), "h1, torre branca");
    EXPECT_EQ(table->columnDescription(0), "h");
    EXPECT_EQ(table->rowDescription(0), "1");
}

TEST(BoardAccessibility, TheFocusSquareIsTheFocusedCellAndASelectionIsSelected)
{
    ShownBoard board;
    board.window->activateWindow();
    board->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return board->hasFocus(); }, 2000));
    QTest::keyClick(board.board, Qt::Key_Up); // keyboard play starts on e2
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(board.board);
    QAccessibleInterface* focused = face->focusChild();
    ASSERT_NE(focused, nullptr);
    EXPECT_TRUE(focused->state().focused);
    const QString focusName = focused->text(QAccessible::Name);
    EXPECT_TRUE(focusName.startsWith(QString::fromStdString(LowerSquareName(board->FocusSquare()))))
        << focusName.toStdString();

    // Pick up the piece on the focus square: its cell is the selected one.
    while (board->PieceAt(board->FocusSquare()) != 'P')
        QTest::keyClick(board.board, Qt::Key_Down);
    QTest::keyClick(board.board, Qt::Key_Space);
    ASSERT_NE(board->SelectedSquare(), Square::None);
    QAccessibleTableInterface* table = face->tableInterface();
    ASSERT_EQ(table->selectedCellCount(), 1);
    EXPECT_TRUE(table->selectedCells().front()->text(QAccessible::Name).contains("peão branco"));
}

} // namespace
