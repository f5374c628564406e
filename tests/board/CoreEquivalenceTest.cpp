// The board makes its moves step by step between drawing calls and events;
// the core's ApplyMove makes them in one go for game files and notation.
// Along seeded random games both must reach the same position, side to
// move, castling rights, en passant square and move number.
#include "BoardTestSupport.h"

#include "core/MoveExecution.h"
#include "core/Rules.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

using namespace boardtest;

namespace {

std::vector<std::pair<Square, Square>> LegalMoves(const GameState& state)
{
    std::vector<std::pair<Square, Square>> moves;
    for (int from = 1; from <= 64; ++from)
        for (int to = 1; to <= 64; ++to)
            if (IsMoveAllowed(state, SquareFromOrd(from), SquareFromOrd(to)))
                moves.emplace_back(SquareFromOrd(from), SquareFromOrd(to));
    return moves;
}

TEST(CoreEquivalence, BoardMovesAndApplyMoveAgreeAlongRandomGames)
{
    const char promotions[] = {'Q', 'R', 'B', 'N'};
    std::mt19937 random(20261207);
    int plies = 0;
    for (int game = 0; game < 40; ++game) {
        TChessBoard board(nullptr, true);
        board.SetAnimateMoves(false);
        GameState core = GameState::Initial();
        for (int ply = 0; ply < 160; ++ply) {
            const auto moves = LegalMoves(core);
            if (moves.empty())
                break;
            const auto [from, to] = moves[random() % moves.size()];
            const char promotion = promotions[random() % 4];
            board.SetPromotionPiece(promotion);
            ASSERT_TRUE(board.MakeMove(from, to)) << SquareName(from) << SquareName(to);
            ApplyMove(core, from, to, promotion);
            ++plies;
            ASSERT_EQ(board.Position(), PositionString(core.Board)) << "game " << game << " ply " << ply;
            ASSERT_EQ(board.WhiteToMove(), core.WhiteToMove);
            ASSERT_EQ(board.CastlingAllowed(), core.CastlingAllowed);
            ASSERT_EQ(board.EnPassant(), core.EnPassant);
            ASSERT_EQ(board.CurrentMove(), core.CurrentMove);
            if (board.EndEventGuard())
                break; // the board ends the game on its own rules
        }
    }
    EXPECT_GT(plies, 2000);
}

} // namespace
