// The squares of the board and their coordinates, shared by every layer.
// Header-only, standard C++ only.
#pragma once

#include <array>
#include <cstdint>
#include <string>

// 65 values: None, then A8..H8, A7..H7, ... A1..H1 (rank 8 first, files a to
// h within a rank). Ordinals 0 to 64; None means no square or off the board.
enum class Square : std::uint8_t {
    None,
    A8,
    B8,
    C8,
    D8,
    E8,
    F8,
    G8,
    H8,
    A7,
    B7,
    C7,
    D7,
    E7,
    F7,
    G7,
    H7,
    A6,
    B6,
    C6,
    D6,
    E6,
    F6,
    G6,
    H6,
    A5,
    B5,
    C5,
    D5,
    E5,
    F5,
    G5,
    H5,
    A4,
    B4,
    C4,
    D4,
    E4,
    F4,
    G4,
    H4,
    A3,
    B3,
    C3,
    D3,
    E3,
    F3,
    G3,
    H3,
    A2,
    B2,
    C2,
    D2,
    E2,
    F2,
    G2,
    H2,
    A1,
    B1,
    C1,
    D1,
    E1,
    F1,
    G1,
    H1,
};

constexpr int Ord(Square s)
{
    return static_cast<int>(s);
}
constexpr Square SquareFromOrd(int n)
{
    return static_cast<Square>(n);
}

// File 1 (a) to 8 (h) of a square 1..64.
constexpr int FileOf(Square s)
{
    return ((Ord(s) - 1) % 8) + 1;
}
// Rank 1 to 8 of a square 1..64.
constexpr int RankOf(Square s)
{
    return 8 - ((Ord(s) - 1) / 8);
}
// The square on file, rank (both 1..8), None when either is off the board.
constexpr Square SquareAt(int file, int rank)
{
    if (file < 1 || file > 8 || rank < 1 || rank > 8)
        return Square::None;
    return SquareFromOrd((8 - rank) * 8 + file);
}
// A8 and H1 are light, A1 and H8 dark.
constexpr bool IsLightSquare(Square s)
{
    return ((Ord(s) - 1) % 2) == (((Ord(s) - 1) / 8) % 2);
}

// One character per square, indexed by Square ordinal; element 0 (None) is a
// filler that is never a piece letter, so lookups that fall off the board
// read as empty.
using BoardArray = std::array<char, 65>;

// "E2" for E2; "??" for None.
std::string SquareName(Square square);
// "e2" for E2, as algebraic notation writes it; "-" for None.
std::string LowerSquareName(Square square);
// The square named by two characters "a1".."h8" (either case), else None.
Square SquareFromName(char file, char rank);
