// The readers' reasons: each has its own Portuguese wording, and the
// readers report the reason with the values its wording needs.
#include "core/NotationError.h"
#include "NotationTestSupport.h"
#include "core/Fen.h"
#include "core/Pgn.h"
#include "core/San.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(CoreNotationError, EveryReasonHasAPortugueseWordingOfItsOwn)
{
    EXPECT_EQ(PortugueseReason(NotationError{}), "");
    std::set<std::string> seen;
    for (int code = 1; code < static_cast<int>(NotationReason::Count); ++code) {
        const std::string text = PortugueseReason(NotationError{static_cast<NotationReason>(code), "e9", 'Z', 3});
        EXPECT_FALSE(text.empty()) << code;
        EXPECT_TRUE(seen.insert(text).second) << code << ": " << text;
    }
}

TEST(CoreNotationError, ReadersReportTheReasonWithItsValues)
{
    FenPosition position;
    NotationError error;
    EXPECT_FALSE(ReadFen("rnbqkbnr/ppppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", position, error));
    EXPECT_EQ(error.Reason, NotationReason::FenRankLong);
    EXPECT_EQ(error.Number, 7);
    EXPECT_FALSE(ReadFen("4k3/8/8/8/8/8/8/4K3 w - e3 0 1", position, error));
    EXPECT_EQ(error.Reason, NotationReason::FenEnPassantWithoutDoubleStep);
    EXPECT_EQ(error.Text, "e3");

    ChessMove move;
    EXPECT_FALSE(ReadMoveText(GameState::Initial(), "Zf3", move, error, PortugueseLetters));
    EXPECT_EQ(error.Reason, NotationReason::UnknownPieceLetter);
    EXPECT_EQ(error.Letter, 'Z');
    EXPECT_EQ(error.Text, "Zf3");
    EXPECT_FALSE(ReadMoveText(GameState::Initial(), "e2e5", move, error));
    EXPECT_EQ(error.Reason, NotationReason::IllegalMove);
    EXPECT_EQ(error.Text, "e2e5");

    // A game's reason is the FEN reader's or the move reader's when the
    // fault lies in its FEN tag or a move.
    const std::vector<PgnGame> games =
        ReadPgn("[FEN \"8/8/8/8/8/8/8/8 w - - 0 1\"]\n*\n\n1. e4 e5 2. Ke2 Ke7 3. Kxe7 *\n");
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(games[0].Problem.Reason, NotationReason::FenWhiteHasNoKing);
    EXPECT_EQ(games[0].Error, "FEN: as brancas não têm rei");
    EXPECT_EQ(games[1].Problem.Reason, NotationReason::IllegalMove);
    EXPECT_EQ(games[1].Problem.Text, "Kxe7");
    EXPECT_EQ(games[1].Error, PortugueseReason(games[1].Problem));
}

} // namespace
