// Shared helpers of the notation tests: positions from FEN and the standard
// positions whose move trees are published.
#pragma once

#include "core/Fen.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

inline GameState FenState(std::string_view fen)
{
    FenPosition position;
    std::string error;
    EXPECT_TRUE(ReadFen(fen, position, error)) << fen << ": " << error;
    return position.State;
}

struct NamedFen {
    const char* Name;
    const char* Fen;
};

// The start position and the usual perft suite: every kind of move,
// castling through and out of attacks, promotions, pins and en passant.
inline constexpr NamedFen StandardPositions[] = {
    {"Initial", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1"},
    {"Kiwipete", "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1"},
    {"EndgameWithEnPassantPins", "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1"},
    {"PromotionsAndCastling", "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1"},
    {"DiscoveredChecks", "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8"},
    {"SymmetricMiddlegame", "r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10"},
};
