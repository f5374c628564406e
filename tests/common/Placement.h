// Building test positions: a square by its name, and the 64-character
// placement string from a FEN placement field, from a list of pieces, or
// from eight rank lines. Standard C++ on the core alone, so the core's
// tests use it too.
#pragma once

#include "core/Fen.h"
#include "core/GameState.h"
#include "core/Square.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

// The square named "e2" (either case); None for anything else.
inline Square Sq(const char* name)
{
    return name && name[0] ? SquareFromName(name[0], name[1]) : Square::None;
}

// The position string of a FEN placement field ("rnbqkbnr/pppppppp/8/...")
// read by the core's reader. Anything after the field (side to move and the
// rest) is ignored.
inline std::string PlacementFromFen(const std::string& fen)
{
    BoardArray board{};
    NotationError error;
    EXPECT_TRUE(ReadFenPlacement(fen.substr(0, fen.find(' ')), board, error)) << fen << ": " << PortugueseReason(error);
    return PositionString(board);
}

// An otherwise empty board with the given pieces.
inline std::string PlacementOf(std::initializer_list<std::pair<Square, char>> pieces)
{
    std::string placement(64, EmptySquare);
    for (const auto& [square, piece] : pieces)
        placement[static_cast<std::size_t>(Ord(square) - 1)] = piece;
    return placement;
}

// Eight rank lines of eight characters each, rank 8 first.
inline std::string PlacementOfRanks(const std::vector<std::string>& ranks)
{
    std::string placement;
    for (const std::string& rank : ranks)
        placement += rank;
    return placement;
}
