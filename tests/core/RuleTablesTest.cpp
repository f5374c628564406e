// The rules of chess on the core alone, as tables of positions and the
// answers the rules give: which moves are allowed, which king is attacked,
// what a move does to the castling rights and the en passant square, and
// when a position has stood three times. The board only asks these.
#include "NotationTestSupport.h"
#include "core/GameHistory.h"
#include "core/MoveList.h"
#include "core/Rules.h"
#include "core/San.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

// A position set up by hand, possible or not (a side may lack its king).
GameState Position(std::string_view fen)
{
    FenPosition position;
    NotationError error;
    EXPECT_TRUE(ReadFenSyntax(fen, position, error)) << fen << ": " << PortugueseReason(error);
    return position.State;
}

Square Named(std::string_view text, std::size_t at)
{
    return SquareFromName(text[at], text[at + 1]);
}

// The position after the moves ("e2e4 e7e5"), each read as a legal move.
GameState Played(GameState state, const std::string& moves)
{
    std::istringstream in(moves);
    for (std::string text; in >> text;) {
        ChessMove move;
        std::string error;
        EXPECT_TRUE(ReadMoveText(state, text, move, error)) << text << ": " << error;
        state = PositionAfter(state, move);
    }
    return state;
}

TEST(CoreRuleTables, MovesAllowedByTheRulesOfMovement)
{
    struct Case {
        const char* Fen;
        const char* Moves; // played first
        const char* Move;
        bool Allowed;
    };
    const std::string start(StandardStartFen);
    const Case cases[] = {
        {start.c_str(), "", "e2e4", true},
        {start.c_str(), "", "e2e3", true},
        {start.c_str(), "", "g1f3", true},
        {start.c_str(), "", "e2e5", false},
        {start.c_str(), "", "e7e5", false}, // not Black's turn
        {start.c_str(), "", "a1a2", false}, // onto its own piece
        {start.c_str(), "", "f1c4", false}, // through its own pawn
        {start.c_str(), "", "e1g1", false}, // castling through pieces
        {start.c_str(), "", "e3e4", false}, // no piece there
        // Pawns never move straight onto or over a piece.
        {"4k3/8/8/8/8/4n3/4P3/4K3 w - -", "", "e2e4", false},
        {"4k3/8/8/8/8/4n3/4P3/4K3 w - -", "", "e2e3", false},
        {"4k3/8/8/8/4n3/8/4P3/4K3 w - -", "", "e2e3", true},
        {"4k3/8/8/8/4n3/8/4P3/4K3 w - -", "", "e2e4", false},
        // En passant only on the very next move.
        {start.c_str(), "e2e4 a7a6 e4e5 d7d5", "e5d6", true},
        {start.c_str(), "e2e4 a7a6 e4e5 d7d5 g1f3 a6a5", "e5d6", false},
        // An en passant capture that opens the rank to the king.
        {"7k/2p5/8/KP5r/8/8/8/8 b - -", "c7c5", "b5c6", false},
        {"7k/2p5/8/KP5r/8/8/8/8 b - -", "c7c5", "b5b6", true},
        // A stale en passant square: no pawn beside it that passed it.
        {"4k3/8/8/3nP3/8/8/8/4K3 w - d6", "", "e5d6", false},
        {"4k3/8/8/8/8/8/3Pp3/4K3 w - e3", "", "d2e3", false},  // the wrong rank for White
        {"4k3/8/3r4/3pP3/8/8/8/4K3 w - d6", "", "e5d6", true}, // an ordinary capture
        {"4k3/8/8/3Pp3/8/8/8/4K3 w - e6", "", "d5e6", true},
        // Pins, and kings that may not stand next to each other.
        {"4k3/4r3/8/8/8/8/4B3/4K3 w - -", "", "e2d3", false},
        {"8/8/8/3k4/8/3K4/8/8 w - -", "", "d3d4", false},
        {"8/8/8/3k4/8/3K4/8/8 w - -", "", "d3e4", false},
        {"8/8/8/3k4/8/3K4/8/8 w - -", "", "d3d2", true},
        // Castling needs the right, its own rook, empty and safe squares.
        {"4k3/8/8/8/8/8/8/R3K2R w KQ -", "", "e1g1", true},
        {"4k3/8/8/8/8/8/8/R3K2R w KQ -", "", "e1c1", true},
        {"4k3/8/8/8/8/8/8/R3K2R w Q -", "", "e1g1", false},
        {"4k3/8/8/8/8/8/8/RN2K1NR w KQ -", "", "e1c1", false}, // b1 occupied
        {"4k3/8/8/8/8/8/8/RN2K1NR w KQ -", "", "e1g1", false},
        {"4k3/8/8/8/8/8/8/4K2B w K -", "", "e1g1", false},   // no rook in the corner
        {"4k3/8/8/8/8/8/6p1/4K2R w K -", "", "e1g1", false}, // f1 attacked by the pawn
        {"4k3/8/8/8/8/8/8/r3K3 w Q -", "", "e1c1", false},   // its own rook, not Black's
        {"r3k2r/8/8/8/8/8/8/4K3 b kq -", "", "e8g8", true},
        {"r3k2r/8/8/8/8/8/8/4K3 b kq -", "", "e8c8", true},
        {"r3k2r/8/8/8/8/8/8/3RK3 b kq -", "", "e8c8", false}, // d8 attacked
        {"r3k2r/8/8/8/8/8/8/3RK3 b kq -", "", "e8g8", true},
        // A rook captured in its corner takes its right along, even when
        // another rook comes to the corner.
        {"4k3/8/8/8/8/7R/6b1/4K2R b K -", "g2h1 h3h1 e8d8", "e1g1", false},
        // Without its king a side has no move; the other side moves freely.
        {"8/4p3/8/8/8/8/4P3/4K3 b - -", "", "e7e6", false},
        {"4k3/4p3/8/8/8/8/4P3/8 w - -", "", "e2e4", true},
    };
    for (const Case& c : cases) {
        const GameState state = Played(Position(c.Fen), c.Moves);
        EXPECT_EQ(IsMoveAllowed(state, Named(c.Move, 0), Named(c.Move, 2)), c.Allowed)
            << c.Fen << " after '" << c.Moves << "': " << c.Move;
    }
    // Squares off the board are refused.
    const GameState initial = GameState::Initial();
    EXPECT_FALSE(IsMoveAllowed(initial, Square::None, Square::E4));
    EXPECT_FALSE(IsMoveAllowed(initial, Square::E2, Square::None));
    EXPECT_FALSE(IsMoveAllowed(initial, Square::E2, SquareFromOrd(65)));
    EXPECT_FALSE(IsMoveAllowed(initial, SquareFromOrd(200), Square::E4));
}

TEST(CoreRuleTables, KingsAttackedWithAndWithoutAMove)
{
    struct Case {
        const char* Fen;
        bool WhiteKing;
        const char* Move; // "e8e8": the position as it stands
        bool Attacked;
    };
    const Case cases[] = {
        {"4k3/8/8/8/8/8/4R3/4K3 b - -", false, "e8e8", true},
        {"4k3/8/8/8/8/8/4R3/4K3 b - -", false, "e8d8", false},
        {"4k3/8/8/8/8/8/4r3/4K3 w - -", true, "e1e1", true},
        {"4k3/8/8/8/8/8/4r3/4K3 w - -", true, "e1d1", false},
        // A pawn attacks diagonally forward only.
        {"8/8/8/8/8/3p4/4K3/7k w - -", true, "e2e2", true},
        {"8/8/8/8/8/8/4K3/3p3k w - -", true, "e2e2", false},
        // A missing Black king counts as attacked, a missing White king not.
        {"8/4p3/8/8/8/8/4P3/4K3 b - -", false, "e7e7", true},
        {"4k3/4p3/8/8/8/8/4P3/8 w - -", true, "e2e2", false},
    };
    for (const Case& c : cases) {
        const GameState state = Position(c.Fen);
        const Square from = Named(c.Move, 0), to = Named(c.Move, 2);
        EXPECT_EQ(c.WhiteKing ? WhiteKingAttacked(state, from, to) : BlackKingAttacked(state, from, to), c.Attacked)
            << c.Fen << ": " << c.Move;
    }
    EXPECT_FALSE(HasMobility(Position("8/4p3/8/8/8/8/4P3/4K3 b - -")));
}

TEST(CoreRuleTables, WhatAMoveDoesToRightsAndEnPassant)
{
    using C = CanStillCastle;
    struct Case {
        const char* Fen;
        const char* Moves;
        CastleSet Castling;
        Square EnPassant;
        const char* Placement;
    };
    const std::string start(StandardStartFen);
    const Case cases[] = {
        {start.c_str(), "e2e4 a7a6 e4e5 d7d5", CastleSet::All(), Square::D6,
         "rnbqkbnr/1pp1pppp/p7/3pP3/8/8/PPPP1PPP/RNBQKBNR"},
        {start.c_str(), "e2e4 a7a6 e4e5 d7d5 g1f3 a6a5", CastleSet::All(), Square::None,
         "rnbqkbnr/1pp1pppp/8/p2pP3/8/5N2/PPPP1PPP/RNBQKB1R"},
        {"7k/2p5/8/KP5r/8/8/8/8 b - -", "c7c5", CastleSet(), Square::C6, "7k/8/8/KPp4r/8/8/8/8"},
        // A rook taken in its corner takes its right along.
        {"4k3/8/8/8/8/7R/6b1/4K2R b K -", "g2h1", CastleSet(), Square::None, "4k3/8/8/8/8/7R/8/4K2b"},
        {"4k3/8/8/8/8/7R/6b1/4K2R b K -", "g2h1 h3h1 e8d8", CastleSet(), Square::None, "3k4/8/8/8/8/8/8/4K2R"},
        {"r3k2r/1B6/8/8/8/8/6b1/R3K2R w KQkq -", "b7a8",
         CastleSet{C::WhiteKingSide, C::WhiteQueenSide, C::BlackKingSide}, Square::None, "B3k2r/8/8/8/8/8/6b1/R3K2R"},
        {"r3k2r/1B6/8/8/8/8/6b1/R3K2R w KQkq -", "b7a8 g2h1", CastleSet{C::WhiteQueenSide, C::BlackKingSide},
         Square::None, "B3k2r/8/8/8/8/8/8/R3K2b"},
        // An ordinary capture onto a stale en passant square takes one piece.
        {"4k3/8/3r4/3pP3/8/8/8/4K3 w - d6", "e5d6", CastleSet(), Square::None, "4k3/8/3P4/3p4/8/8/8/4K3"},
        // A real en passant capture takes the pawn that passed the square.
        {"4k3/8/8/3Pp3/8/8/8/4K3 w - e6", "d5e6", CastleSet(), Square::None, "4k3/8/4P3/8/8/8/8/4K3"},
    };
    for (const Case& c : cases) {
        const GameState state = Played(Position(c.Fen), c.Moves);
        EXPECT_EQ(state.CastlingAllowed, c.Castling) << c.Fen << " after " << c.Moves;
        EXPECT_EQ(state.EnPassant, c.EnPassant) << c.Fen << " after " << c.Moves;
        EXPECT_EQ(FenPlacement(state.Board), c.Placement) << c.Fen << " after " << c.Moves;
    }
}

// The game recorded as the board records it: the position each half-move
// is played from, then the position reached.
GameHistory Recorded(GameState state, const std::string& moves, GameState& final)
{
    GameHistory history;
    std::istringstream in(moves);
    for (std::string text; in >> text;) {
        ChessMove move;
        std::string error;
        EXPECT_TRUE(ReadMoveText(state, text, move, error)) << text << ": " << error;
        history.RecordMoveFrom(state, move.From, move.To);
        state = PositionAfter(state, move);
        history.RecordReached(state);
    }
    final = state;
    return history;
}

TEST(CoreRuleTables, RepetitionCountsWholePositions)
{
    const std::string knights = " b8c6 g1f3 c6b8 f3g1 b8c6 g1f3 c6b8 f3g1";
    struct Case {
        const char* Why;
        std::string Fen;
        std::string Moves;
        bool Threefold;
    };
    const Case cases[] = {
        // The kings triangulate so that the placement returns with the
        // other side to move: three times the placement, twice the position.
        {"side to move", "7k/8/8/8/3R4/8/8/K7 w - -", "a1a2 h8h7 a2b1 h7h8 b1a1 h8h7 a1a2 h7h8 a2a1", false},
        {"side to move", "7k/8/8/8/3R4/8/8/K7 w - -", "a1a2 h8h7 a2b1 h7h8 b1a1 h8h7 a1a2 h7h8 a2a1 h8h7", false},
        {"side to move", "7k/8/8/8/3R4/8/8/K7 w - -", "a1a2 h8h7 a2b1 h7h8 b1a1 h8h7 a1a2 h7h8 a2a1 h8h7 a1a2", false},
        {"side to move", "7k/8/8/8/3R4/8/8/K7 w - -", "a1a2 h8h7 a2b1 h7h8 b1a1 h8h7 a1a2 h7h8 a2a1 h8h7 a1a2 h7h8",
         false},
        {"side to move", "7k/8/8/8/3R4/8/8/K7 w - -",
         "a1a2 h8h7 a2b1 h7h8 b1a1 h8h7 a1a2 h7h8 a2a1 h8h7 a1a2 h7h8 a2a1", true},
        // The rook's trip to g1 and back costs White the king-side right.
        {"castling rights", std::string(StandardStartFen), "g1f3 g8f6 h1g1 f6g8 g1h1 g8f6 f3g1 f6g8 g1f3 g8f6", false},
        {"castling rights", std::string(StandardStartFen),
         "g1f3 g8f6 h1g1 f6g8 g1h1 g8f6 f3g1 f6g8 g1f3 g8f6 f3g1 f6g8 g1f3", true},
        // After e2-e4 the d4 pawn could take en passant; later not.
        {"en passant capture", "1n2k3/8/8/8/3p4/8/4P3/4K1N1 w - -", "e2e4" + knights, false},
        // An en passant square no pawn can take on is no difference.
        {"no en passant capture", "1n2k3/8/8/8/8/8/4P3/4K1N1 w - -", "e2e4" + knights, true},
    };
    for (const Case& c : cases) {
        GameState final;
        const GameHistory history = Recorded(Position(c.Fen), c.Moves, final);
        EXPECT_EQ(history.ThreefoldRepetition(final.CurrentMove, final.WhiteToMove), c.Threefold)
            << c.Why << ": " << c.Moves;
        // GameState's == is the same count: the final position and every
        // earlier one equal to it.
        GameState state = Position(c.Fen);
        int times = state == final ? 1 : 0;
        std::istringstream in(c.Moves);
        for (std::string text; in >> text;) {
            state = Played(state, text);
            times += state == final;
        }
        EXPECT_EQ(times >= 3, c.Threefold) << c.Why << ": " << c.Moves;
    }
}

TEST(CoreRuleTables, SamePositionIgnoresTheMoveNumberAndAnUncapturableEnPassantSquare)
{
    const GameState a = Position("4k3/8/8/3Pp3/8/8/8/4K3 w - e6 0 1");
    GameState b = a;
    b.CurrentMove = 40;
    EXPECT_EQ(a, b);
    b.EnPassant = Square::None; // d5 could take on e6: a different position
    EXPECT_NE(a, b);
    const GameState c = Position("4k3/8/8/4p3/8/8/8/4K3 w - e6 0 1");
    GameState d = c;
    d.EnPassant = Square::None; // nothing can take on e6
    EXPECT_EQ(c, d);
    d.WhiteToMove = false;
    EXPECT_NE(c, d);
    d = c;
    d.CastlingAllowed = CastleSet{CanStillCastle::WhiteKingSide};
    EXPECT_NE(c, d);
}

} // namespace
