// Base tables of the evaluation, from White's point of view in engine square
// order (first row = rank 8). Black reads them through MirrorSquare.
#pragma once

#include <array>

namespace EvalTables {

using Table = std::array<int, 64>;

// Material in hundredths of a pawn, by piece code; the king has none.
inline constexpr std::array<int, 6> MaterialValue = {100, 300, 300, 500, 900, 0};

inline constexpr Table PawnTable = {
    0, 0, 0, 0, 0, 0, 0, 0, 5, 10, 15, 20, 20, 15, 10, 5, 4, 8, 12, 16,  16,  12, 8, 4, 3, 6, 9, 12, 12, 9, 6, 3,
    2, 4, 6, 8, 8, 6, 4, 2, 1, 2,  3,  4,  4,  3,  2,  1, 0, 0, 0,  -20, -20, 0,  0, 0, 0, 0, 0, 0,  0,  0, 0, 0,
};

// One table serves knights and bishops.
inline constexpr Table MinorPieceTable = {
    -10, -10, -10, -10, -10, -10, -10, -10, -10, 0,   0,   0,   0,   0,   0,   -10, -10, 0,   5,   5,   5, 5,
    0,   -10, -10, 0,   5,   10,  10,  5,   0,   -10, -10, 0,   5,   10,  10,  5,   0,   -10, -10, 0,   5, 5,
    5,   5,   0,   -10, -10, 0,   0,   0,   0,   0,   0,   -10, -20, -20, -20, -20, -20, -20, -20, -20,
};

inline constexpr Table KingMiddleGameTable = {
    -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40,
    -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40,
    -40, -40, -40, -40, -20, -20, -20, -20, -20, -20, -20, -20, -10, 0,   10,  -20, 0,   -20, 10,  0,
};

inline constexpr Table KingEndgameTable = {
    -5, -5, -5, -5, -5, -5, -5, -5, -5, 0, 0, 0, 0, 0, 0, -5, -5, 0, 5, 5, 5, 5, 0, -5, -5, 0,  5,  10, 10, 5,  0,  -5,
    -5, 0,  5,  10, 10, 5,  0,  -5, -5, 0, 5, 5, 5, 5, 0, -5, -5, 0, 0, 0, 0, 0, 0, -5, -5, -5, -5, -5, -5, -5, -5, -5,
};

// Bonus for the pawns in front of a castled king.
inline constexpr Table KingSideShieldTable = {
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  0,  0,  0, 0, 0, 0, 0, 0,  0,  0,  0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 5, 5, 5, 0, 0, 0, 0, 0, 10, 10, 10, 0, 0, 0, 0, 0, 20, 20, 20, 0, 0, 0, 0, 0, 0, 0, 0,
};

inline constexpr Table QueenSideShieldTable = {
    0, 0, 0, 0, 0, 0, 0, 0, 0,  0,  0,  0, 0, 0, 0, 0, 0,  0,  0,  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    5, 5, 5, 0, 0, 0, 0, 0, 10, 10, 10, 0, 0, 0, 0, 0, 20, 20, 20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
};

// Opponent material (knights, bishops, rooks, queens) above which a king
// keeps to the middle-game table.
inline constexpr int MiddleGameMaterial = 1400;

} // namespace EvalTables
