// The board for screen readers (Orca through Qt's accessibility bridge): a
// table of 8 x 8 cells in the order they stand on the screen, each named by
// its square and piece ("e4, peão branco", "e4, vazia"); the board's
// description tells whose turn it is, and the focus square (keyboard play)
// is the focused cell.
#pragma once

#include "core/Square.h"

class QAccessibleInterface;
class TChessBoard;
class QObject;
class QString;

// Installs the factory that gives every TChessBoard this interface; the
// board's constructor calls it, and calls after the first do nothing.
void InstallBoardAccessibility();

// Tells screen readers that the board's focus square moved to `square`
// (the focused cell changed) and that the position changed (every cell's
// name and the board's description).
void NotifyFocusSquare(QObject* board, int cellIndex);
void NotifyPositionChanged(QObject* board);

// The table cell (8 x row + column, row 0 at the top of the screen) that
// shows a square; -1 for None.
int CellIndexOfSquare(const TChessBoard& board, Square square);

// The factory itself (exposed for the tests).
QAccessibleInterface* BoardAccessibilityFactory(const QString& className, QObject* object);
