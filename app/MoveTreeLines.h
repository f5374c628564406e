// The move list's lines for a game with variations: the main line as the
// list writes it ("12. G1-F3", or "12. Cf3" in algebraic notation), and
// after each move the variations played instead of it, one move a line,
// indented by their depth, in brackets and always in algebraic notation
// with Portuguese letters ("  (12... Cc6"). Each line knows the line of
// play it belongs to and how far into it its position lies, so that a
// click can show that position.
#pragma once

#include "core/Game.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <vector>

struct MoveTreeLine {
    QString Text;
    std::vector<ChessMove> Line; // from the game's start to the end of the line the move is on
    std::size_t Ply = 0;         // half-moves of Line that lead to the position shown for it
    bool MainLine = true;
};

// Whether any move of the game has a variation.
bool HasVariations(const Game& game);

// Whether `line` (moves from the game's start) follows the game's tree: each
// move is the next one of the line it is on, or the first of a variation
// there. `leavesMainLine` tells whether it went into a variation.
bool FollowsTree(const Game& game, const std::vector<ChessMove>& line, bool* leavesMainLine = nullptr);

// The lines; `algebraic` chooses the main line's notation. A game begun by
// Black has the line "N. ..." first, showing the start.
std::vector<MoveTreeLine> MoveTreeLines(const Game& game, bool algebraic);

QStringList TextOf(const std::vector<MoveTreeLine>& lines);
