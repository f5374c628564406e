// Whether a position has one clearly best move: the engine searches it at a
// fixed depth, then again without that move; the move is clear when it
// wins (a mate, or at least ClearMoveWinCp) and the second best is at least
// ClearMoveMarginCp worse for the side to move (a mate against none always
// is). A position with a single legal move has no
// answer to find and gives nothing. Deterministic for a given depth. Plain
// C++ over the built-in engine; the caller runs it off the user-interface
// thread.
#pragma once

#include "core/GameState.h"
#include "core/MoveList.h"

#include <atomic>
#include <optional>

inline constexpr int ClearMoveMarginCp = 150;
// What the clear move must win besides, as the shipped exercises' moves do:
// a mate, or this much for the side to move.
inline constexpr int ClearMoveWinCp = 200;

struct TClearMove {
    ChessMove Move;
    // Scores from the side to move's view, in centipawns; a mate in n moves
    // counts as MateValueCp - n.
    int BestCp = 0;
    int SecondCp = 0;
    // Moves to mate for the side to move (0 when the best move does not mate).
    int MateIn = 0;
};

inline constexpr int MateValueCp = 100000;

// Nothing when no move stands out, or when `stop` is set meanwhile.
std::optional<TClearMove> FindClearBestMove(const GameState& state, int depth, const std::atomic<bool>* stop = nullptr);
