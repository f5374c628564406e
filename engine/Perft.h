// Perft: counts the leaf positions of the legal move tree below the engine's
// current position, with every move made by DoMove but those of the last
// ply, which are counted with DoMove's own legality test (MoveIsLegal). It
// checks the move generator against published counts and measures its speed.
#pragma once

#include "engine/EngineTypes.h"

#include <atomic>
#include <cstdint>
#include <vector>

class TChessEngine;

struct TDivideEntry {
    TEngineMove Move;
    std::uint64_t Nodes = 0;
};

// How the moves of the last ply are counted: tested without being made, or
// made and taken back like all the others (slower; it measures DoMove).
enum class PerftLeaves { Tested, Made };

// Leaves at the given depth (1 at depth 0). Depths beyond the engine's ply
// tables count as that deepest depth.
std::uint64_t Perft(TChessEngine& engine, int depth, PerftLeaves leafMoves = PerftLeaves::Tested);

// The count below each legal move of the current position, in generation
// order (the form "e2e4: 20" that engines print). When `stop` is given and
// becomes true, the count ends soon after with the moves counted whole so
// far (the position is then restored).
std::vector<TDivideEntry> PerftDivide(TChessEngine& engine, int depth, const std::atomic<bool>* stop = nullptr);
