// Constant tables of the move generator: the 10 x 12 mailbox frame around
// the board, the direction offsets of each piece, and the castling masks.
// They are computed at compile time and never change.
#pragma once

#include "engine/EngineTypes.h"

#include <array>

namespace EngineTables {

using namespace ::engine;

// Frame index of engine square s: 21 + 10 * row + file.
constexpr std::array<int, 64> MakeSquare120()
{
    std::array<int, 64> t{};
    for (int s = 0; s < 64; ++s)
        t[s] = 21 + 10 * RowIndex(s) + FileIndex(s);
    return t;
}

// The frame: -1 everywhere except the 64 inner entries, which hold their
// engine square.
constexpr std::array<int, 120> MakeMailbox120()
{
    std::array<int, 120> t{};
    for (int& e : t)
        e = -1;
    for (int s = 0; s < 64; ++s)
        t[21 + 10 * RowIndex(s) + FileIndex(s)] = s;
    return t;
}

inline constexpr std::array<int, 64> Square120 = MakeSquare120();
inline constexpr std::array<int, 120> Mailbox120 = MakeMailbox120();

// Movement per piece code; the order of the directions is the order in which
// moves are generated. Pawns are generated separately.
inline constexpr std::array<bool, 6> Slides = {false, false, true, true, true, false};
inline constexpr std::array<int, 6> DirectionCount = {0, 8, 4, 4, 8, 8};
inline constexpr std::array<std::array<int, 8>, 6> Directions = {{
    {0, 0, 0, 0, 0, 0, 0, 0},
    {-21, -19, -12, -8, 8, 12, 19, 21},
    {-11, -9, 9, 11, 0, 0, 0, 0},
    {-10, -1, 1, 10, 0, 0, 0, 0},
    {-11, -10, -9, -1, 1, 9, 10, 11},
    {-11, -10, -9, -1, 1, 9, 10, 11},
}};

// Castling rights kept by a move from or to each square: a move touching a
// king's or rook's home square clears the rights that square guards.
constexpr std::array<int, 64> MakeCastleKeep()
{
    std::array<int, 64> t{};
    for (int& e : t)
        e = 15;
    t[0] = 7;   // a8: Black queen side
    t[4] = 3;   // e8: both Black rights
    t[7] = 11;  // h8: Black king side
    t[56] = 13; // a1: White queen side
    t[60] = 12; // e1: both White rights
    t[63] = 14; // h1: White king side
    return t;
}
inline constexpr std::array<int, 64> CastleKeep = MakeCastleKeep();

// Engine square of the same file on the mirrored rank (a8 <-> a1).
constexpr int MirrorSquare(int s)
{
    return s ^ 56;
}

} // namespace EngineTables
