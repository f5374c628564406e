// The board's legality answers are the core's: IsLegalMove, HasLegalMove
// and the king-attack tests give what core/Rules.h gives for the position
// the board holds (the rule cases themselves are tables in the core's
// tests), and squares off the board are refused without harm.
#include "BoardTestSupport.h"

#include "core/Rules.h"

#include <gtest/gtest.h>

using namespace boardtest;

namespace {

TEST(Legality, SquaresOffTheBoardAreRefused)
{
    TChessBoard board(nullptr, true);
    EXPECT_FALSE(board.IsLegalMove(Square::None, Square::E4));
    EXPECT_FALSE(board.IsLegalMove(Square::E2, Square::None));
    EXPECT_FALSE(board.IsLegalMove(Square::E2, SquareFromOrd(65)));
    EXPECT_FALSE(board.IsLegalMove(SquareFromOrd(200), Square::E4));
    EXPECT_FALSE(board.MakeMove(Square::E2, SquareFromOrd(99)));
}

TEST(Legality, TheBoardAnswersAsTheCoreRules)
{
    // Castling, en passant, pins, pawn attacks and positions without a king.
    const char* positions[] = {
        "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -",
        "r3k2r/8/8/8/8/8/6p1/R3K2R w KQkq -",
        "r3k2r/8/8/8/8/8/8/3RK3 b kq -",
        "4k3/8/8/3Pp3/8/8/8/4K3 w - e6",
        "4k3/4r3/8/8/8/8/4B3/4K3 w - -",
        "8/8/8/8/8/3p4/4K3/7k w - -",
        "8/4p3/8/8/8/8/4P3/4K3 b - -",
        "4k3/4p3/8/8/8/8/4P3/8 w - -",
    };
    for (const char* fen : positions) {
        TChessBoard board(nullptr, true);
        SetUpFen(board, fen);
        const GameState& state = board.State();
        EXPECT_EQ(board.HasLegalMove(), HasMobility(state)) << fen;
        for (int from = 1; from <= 64; ++from) {
            const Square f = SquareFromOrd(from);
            EXPECT_EQ(board.WhiteKingAttacked(f, f), WhiteKingAttacked(state, f, f)) << fen;
            EXPECT_EQ(board.BlackKingAttacked(f, f), BlackKingAttacked(state, f, f)) << fen;
            for (int to = 1; to <= 64; ++to) {
                const Square t = SquareFromOrd(to);
                ASSERT_EQ(board.IsLegalMove(f, t), IsMoveAllowed(state, f, t))
                    << fen << ": " << SquareName(f) << SquareName(t);
            }
        }
    }
}

} // namespace
