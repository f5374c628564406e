// The ladder's arbiter: games end by the rules, and only legal moves count.
#include "Referee.h"

#include "core/MoveList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Plays the moves; the index of the first refused one, or -1.
int PlayAll(TReferee& referee, const std::string& moves)
{
    std::istringstream in(moves);
    int index = 0;
    for (std::string move; in >> move; ++index) {
        if (!referee.Play(move))
            return index;
    }
    return -1;
}

} // namespace

TEST(LadderReferee, EndsGamesByTheRules)
{
    TReferee mate;
    EXPECT_EQ(PlayAll(mate, "f2f3 e7e5 g2g4 d8h4"), -1);
    EXPECT_EQ(mate.End(), TGameEnd::Checkmate);
    EXPECT_TRUE(mate.WhiteToMove());
    // Nothing is played after the end.
    EXPECT_FALSE(mate.Play("a2a3"));

    // Sam Loyd's ten-move stalemate: Black to move, not in check, no move.
    TReferee stalemate;
    EXPECT_EQ(PlayAll(stalemate,
                      "e2e3 a7a5 d1h5 a8a6 h5a5 h7h5 h2h4 a6h6 a5c7 f7f6 c7d7 e8f7 d7b7 d8d3 b7b8 d3h7 "
                      "b8c8 f7g6 c8e6"),
              -1);
    EXPECT_EQ(stalemate.End(), TGameEnd::Stalemate);

    // The initial position a third time, after both knights went out and
    // back twice; not already the second time.
    TReferee repetition;
    EXPECT_EQ(PlayAll(repetition, "g1f3 g8f6 f3g1 f6g8"), -1);
    EXPECT_EQ(repetition.End(), TGameEnd::None);
    EXPECT_EQ(PlayAll(repetition, "g1f3 g8f6 f3g1 f6g8"), -1);
    EXPECT_EQ(repetition.End(), TGameEnd::Threefold);
    EXPECT_EQ(repetition.Plies(), 8);
}

namespace {

// Quiet moves (no pawn, no capture) of the side to move, in random order.
std::vector<std::string> QuietMoves(const GameState& state, std::mt19937& rng)
{
    std::vector<std::string> quiet;
    for (const ChessMove& move : LegalMoves(state)) {
        const char piece = state.At(move.From);
        if (piece != 'P' && piece != 'p' && state.At(move.To) == EmptySquare)
            quiet.push_back(LowerSquareName(move.From) + LowerSquareName(move.To));
    }
    std::shuffle(quiet.begin(), quiet.end(), rng);
    return quiet;
}

// Extends the game by `left` quiet half-moves none of which ends it, the
// last one excepted, which must end it with `last`; backtracks when stuck.
bool Wander(TReferee& referee, int left, TGameEnd last, std::mt19937& rng)
{
    for (const std::string& move : QuietMoves(referee.State(), rng)) {
        TReferee trial = referee;
        if (!trial.Play(move))
            return false;
        if (trial.End() != (left == 1 ? last : TGameEnd::None))
            continue;
        if (left == 1 || Wander(trial, left - 1, last, rng)) {
            referee = trial;
            return true;
        }
    }
    return false;
}

} // namespace

TEST(LadderReferee, FiftyQuietMovesDraw)
{
    // Pieces wander, never a pawn move or a capture, and never into a third
    // repetition or a mate: the hundredth quiet half-move ends the game, not
    // one before (the pawn moves of the opening restart the count).
    std::mt19937 rng(7);
    TReferee referee;
    ASSERT_EQ(PlayAll(referee, "e2e4 e7e5 d2d4 d7d5"), -1);
    ASSERT_TRUE(Wander(referee, 100, TGameEnd::FiftyMoves, rng));
    EXPECT_EQ(referee.End(), TGameEnd::FiftyMoves);
    EXPECT_EQ(referee.Plies(), 104);
}

TEST(LadderReferee, RefusesIllegalAndMalformedMoves)
{
    TReferee referee;
    for (const char* move : {"e2e5", "e7e5", "e1e2", "z9a1", "e2", "e2e4x", "e2e4q", ""})
        EXPECT_FALSE(referee.Play(move)) << move;
    EXPECT_EQ(referee.Plies(), 0);
    EXPECT_TRUE(referee.MoveText().empty());

    // A pawn reaching the last rank must name its piece; an under-promotion
    // is kept as named.
    EXPECT_EQ(PlayAll(referee, "h2h4 g7g5 h4g5 h7h6 g5h6 f8g7 h6g7 b7b6"), -1);
    EXPECT_FALSE(referee.Play("g7h8"));
    EXPECT_FALSE(referee.Play("g7h8k"));
    EXPECT_TRUE(referee.Play("g7h8n"));
    EXPECT_EQ(referee.State().At(Square::H8), 'N');
    EXPECT_EQ(referee.MoveText(), "h2h4 g7g5 h4g5 h7h6 g5h6 f8g7 h6g7 b7b6 g7h8n");
}
