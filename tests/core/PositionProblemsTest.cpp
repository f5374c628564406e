// Every reason a position cannot stand, listed at once for a position
// editor, and the first of them being CheckPosition's.
#include "core/Fen.h"
#include "core/PositionCheck.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

GameState Read(const char* fen)
{
    FenPosition position;
    NotationError error;
    EXPECT_TRUE(ReadFenSyntax(fen, position, error)) << fen << ": " << PortugueseReason(error);
    return position.State;
}

// "reason:text" for each problem, in order.
std::vector<std::string> Listed(const GameState& state)
{
    std::vector<std::string> listed;
    for (const NotationError& problem : PositionProblems(state))
        listed.push_back(std::to_string(static_cast<int>(problem.Reason)) + ":" + problem.Text);
    return listed;
}

std::string Entry(NotationReason reason, const std::string& text = {})
{
    return std::to_string(static_cast<int>(reason)) + ":" + text;
}

} // namespace

TEST(CorePositionProblems, ListsEveryProblemInCheckPositionsOrder)
{
    // No White king, two Black kings, pawns on a1 and h8, nine Black pawns,
    // a right without its rook and an en passant square without a pawn.
    const GameState state = Read("k3k2P/pppppppp/p7/8/8/8/8/P7 w K e6 0 1");
    EXPECT_EQ(Listed(state),
              (std::vector<std::string>{
                  Entry(NotationReason::FenWhiteHasNoKing),
                  Entry(NotationReason::FenBlackHasTwoKings),
                  Entry(NotationReason::FenPawnOnEdgeRank, "h8"),
                  Entry(NotationReason::FenPawnOnEdgeRank, "a1"),
                  Entry(NotationReason::FenBlackHasTooManyPawns),
                  Entry(NotationReason::FenCastlingRightWithoutPieces, "K"),
                  Entry(NotationReason::FenEnPassantWithoutDoubleStep, "e6"),
              }));
    EXPECT_EQ(CheckPosition(state).Reason, NotationReason::FenWhiteHasNoKing);
}

TEST(CorePositionProblems, AsksAboutCheckOnlyWithOneKingEach)
{
    // Black is in check with White to move, and White has too many queens:
    // both are said, the material first.
    const GameState crowded = Read("4k3/8/8/8/8/8/QQQQQ3/QQQQQK2 w - - 0 1");
    EXPECT_EQ(Listed(crowded),
              (std::vector<std::string>{Entry(NotationReason::FenWhiteHasTooManyPieces),
                                        Entry(NotationReason::FenBlackKingInCheck)}));
    // A rook that would give check, but Black has a second king: the kings
    // are the problem, and whose check it is cannot be asked.
    const GameState twoKings = Read("R3k2k/8/8/8/8/8/8/4K3 w - - 0 1");
    EXPECT_EQ(Listed(twoKings), (std::vector<std::string>{Entry(NotationReason::FenBlackHasTwoKings)}));
    // Nor without a king at all.
    EXPECT_EQ(Listed(Read("8/8/8/8/8/8/8/R3K3 w - - 0 1")),
              (std::vector<std::string>{Entry(NotationReason::FenBlackHasNoKing)}));
}

TEST(CorePositionProblems, APossiblePositionHasNone)
{
    EXPECT_TRUE(PositionProblems(Read(StandardStartFen.data())).empty());
    EXPECT_TRUE(PositionProblems(Read("rnbqkbnr/pppp1ppp/8/4p3/8/8/PPPPPPPP/RNBQKBNR w KQkq e6 0 2")).empty());
    EXPECT_EQ(CheckPosition(Read("8/8/8/7k/8/QQQ5/QQQ5/QQQK4 w - - 0 1")).Reason, NotationReason::None);
}
