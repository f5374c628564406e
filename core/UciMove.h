// A move in the UCI protocol's long algebraic form: the two squares in
// lower case and, for a promotion, the new piece's letter in lower case
// ("e2e4", "e7e8q"). Plain C++, no Qt.
#pragma once

#include "core/MoveList.h"

#include <optional>
#include <string>
#include <string_view>

// "e2e4", "e7e8q".
std::string UciMoveText(const ChessMove& move);
// The legal move of the position that `text` names, or nothing when the
// text is not a UCI move or names no legal move (a promotion must name its
// piece, a move that is none must name none).
std::optional<ChessMove> ReadUciMove(const GameState& state, std::string_view text);
