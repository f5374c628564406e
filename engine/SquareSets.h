// Square sets as 64-bit masks (bit s for engine square s, a8 = bit 0) and
// the constant masks the attack test and the evaluation use. Every mask is
// derived at compile time from the mailbox movement tables, so it describes
// exactly the moves the generator makes.
#pragma once

#include "engine/EngineTables.h"

#include <array>
#include <bit>
#include <cstdint>

namespace SquareSets {

using namespace ::engine;

using Mask = std::uint64_t;

constexpr Mask Bit(int s)
{
    return Mask{1} << s;
}

// The eight line directions as frame offsets; the first four lower the
// square number as they go, the last four raise it.
inline constexpr std::array<int, 8> LineOffsets = {-11, -10, -9, -1, 1, 9, 10, 11};
// Of a non-empty set of squares on line `line` from some square, the one
// nearest that square: lines 0 to 3 run towards bit 0, so theirs is the
// highest bit, and the others' the lowest.
constexpr int NearestOnLine(int line, Mask squares)
{
    return line < 4 ? 63 - std::countl_zero(squares) : std::countr_zero(squares);
}
constexpr bool Diagonal(int offset)
{
    return offset == -11 || offset == -9 || offset == 9 || offset == 11;
}
constexpr int LineIndex(int offset)
{
    for (int d = 0; d < 8; ++d) {
        if (LineOffsets[d] == offset)
            return d;
    }
    return -1;
}

// Squares one step of the piece away from s, for knight and king.
constexpr std::array<Mask, 64> MakeStepTargets(int piece)
{
    std::array<Mask, 64> t{};
    for (int s = 0; s < 64; ++s) {
        for (int d = 0; d < EngineTables::DirectionCount[piece]; ++d) {
            const int n = EngineTables::Mailbox120[EngineTables::Square120[s] + EngineTables::Directions[piece][d]];
            if (n != -1)
                t[s] |= Bit(n);
        }
    }
    return t;
}

// For each target square, the squares from which a pawn of the colour
// attacks it: a White pawn on s attacks s - 9 (not from file a) and s - 7
// (not from file h), a Black pawn s + 7 (not from file a) and s + 9 (not
// from file h).
constexpr std::array<std::array<Mask, 64>, 2> MakePawnAttackers()
{
    std::array<std::array<Mask, 64>, 2> t{};
    for (int s = 0; s < 64; ++s) {
        if (FileIndex(s) != 0 && s - 9 >= 0)
            t[0][s - 9] |= Bit(s);
        if (FileIndex(s) != 7 && s - 7 >= 0)
            t[0][s - 7] |= Bit(s);
        if (FileIndex(s) != 0 && s + 7 <= 63)
            t[1][s + 7] |= Bit(s);
        if (FileIndex(s) != 7 && s + 9 <= 63)
            t[1][s + 9] |= Bit(s);
    }
    return t;
}

// The squares along each line direction from s, s itself excluded.
constexpr std::array<std::array<Mask, 8>, 64> MakeRays()
{
    std::array<std::array<Mask, 8>, 64> t{};
    for (int s = 0; s < 64; ++s) {
        for (int d = 0; d < 8; ++d) {
            int n = EngineTables::Mailbox120[EngineTables::Square120[s] + LineOffsets[d]];
            while (n != -1) {
                t[s][d] |= Bit(n);
                n = EngineTables::Mailbox120[EngineTables::Square120[n] + LineOffsets[d]];
            }
        }
    }
    return t;
}

constexpr std::array<Mask, 64> MakeLines(bool diagonal)
{
    constexpr auto rays = MakeRays();
    std::array<Mask, 64> t{};
    for (int s = 0; s < 64; ++s) {
        for (int d = 0; d < 8; ++d) {
            if (Diagonal(LineOffsets[d]) == diagonal)
                t[s] |= rays[s][d];
        }
    }
    return t;
}

constexpr std::array<Mask, 8> MakeFiles()
{
    std::array<Mask, 8> t{};
    for (int s = 0; s < 64; ++s)
        t[FileIndex(s)] |= Bit(s);
    return t;
}

// For each piece code and direction (in the generator's order), the index
// of that direction in LineOffsets.
constexpr std::array<std::array<int, 8>, 6> MakePieceLines()
{
    std::array<std::array<int, 8>, 6> t{};
    for (int piece = 0; piece < 6; ++piece) {
        for (int d = 0; d < EngineTables::DirectionCount[piece]; ++d)
            t[piece][d] = LineIndex(EngineTables::Directions[piece][d]);
    }
    return t;
}

inline constexpr std::array<std::array<int, 8>, 6> PieceLines = MakePieceLines();
inline constexpr std::array<Mask, 64> KnightTargets = MakeStepTargets(Knight);
inline constexpr std::array<Mask, 64> KingTargets = MakeStepTargets(King);
inline constexpr std::array<std::array<Mask, 64>, 2> PawnAttackers = MakePawnAttackers();
inline constexpr std::array<std::array<Mask, 8>, 64> Rays = MakeRays();
inline constexpr std::array<Mask, 64> DiagonalLines = MakeLines(true);
inline constexpr std::array<Mask, 64> StraightLines = MakeLines(false);
inline constexpr std::array<Mask, 8> Files = MakeFiles();

// The index in LineOffsets of the line from s through n, or -1 when the two
// squares share no line.
constexpr std::array<std::array<std::int8_t, 64>, 64> MakeLineTowards()
{
    std::array<std::array<std::int8_t, 64>, 64> t{};
    for (auto& row : t)
        row.fill(-1);
    for (int s = 0; s < 64; ++s) {
        for (int d = 0; d < 8; ++d) {
            for (Mask ray = Rays[s][d]; ray != 0; ray &= ray - 1)
                t[s][std::countr_zero(ray)] = static_cast<std::int8_t>(d);
        }
    }
    return t;
}

inline constexpr std::array<std::array<std::int8_t, 64>, 64> LineTowards = MakeLineTowards();

} // namespace SquareSets
