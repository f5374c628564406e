// The mistakes of a reviewed game made exercises with the built-in engine
// at a fixed depth: only the person's "?" and "??" moves, only where the
// position before them has one clearly best move.
#include "enginehelp/MistakeExercises.h"
#include "core/Fen.h"
#include "core/MoveList.h"
#include "enginehelp/ClearBestMove.h"

#include <gtest/gtest.h>

namespace {

GameState FromFen(const char* fen)
{
    FenPosition position;
    std::string error;
    EXPECT_TRUE(ReadFen(fen, position, error)) << error;
    return position.State;
}

// 1. e4 e5 2. Qh5 Nc6 3. Bc4 Nf6 4. d3: Black's third move lets the queen
// mate on f7, and White's fourth misses that mate (and leaves the queen en
// prise).
std::vector<TReviewPosition> ScholarsMissedMate()
{
    const std::vector<ChessMove> moves{{Square::E2, Square::E4}, {Square::E7, Square::E5}, {Square::D1, Square::H5},
                                       {Square::B8, Square::C6}, {Square::F1, Square::C4}, {Square::G8, Square::F6},
                                       {Square::D2, Square::D3}};
    std::vector<TReviewPosition> positions;
    GameState state = GameState::Initial();
    for (const ChessMove& move : moves) {
        positions.push_back({state, state.CurrentMove, state.WhiteToMove, move.From, move.To});
        state = PositionAfter(state, move);
    }
    positions.push_back({state, state.CurrentMove, state.WhiteToMove, Square::None, Square::None});
    return positions;
}

TGameReview ReviewOf(const std::vector<TReviewPosition>& positions, std::vector<TMoveMark> marks)
{
    TGameReview review;
    for (std::size_t i = 0; i + 1 < positions.size(); ++i) {
        const TReviewPosition& p = positions[i];
        review.Moves.push_back({p.MoveNumber, p.WhiteToMove, p.From, p.To, 0, marks[i]});
    }
    return review;
}

} // namespace

TEST(ClearBestMove, FindsTheOneMateAndRefusesPositionsWithoutASingleAnswer)
{
    const std::optional<TClearMove> mate = FindClearBestMove(FromFen("6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1"), 4);
    ASSERT_TRUE(mate.has_value());
    EXPECT_EQ(mate->Move, (ChessMove{Square::A1, Square::A8, EmptySquare}));
    EXPECT_EQ(mate->MateIn, 1);
    EXPECT_GE(mate->BestCp - mate->SecondCp, ClearMoveMarginCp);

    // Two rooks that both mate: no single answer.
    EXPECT_FALSE(FindClearBestMove(FromFen("6k1/5ppp/8/8/8/8/8/R2R2K1 w - - 0 1"), 4).has_value());
    EXPECT_FALSE(FindClearBestMove(GameState::Initial(), 4).has_value());
    // A knight fork that wins the queen: clear without a mate.
    const std::optional<TClearMove> fork = FindClearBestMove(FromFen("3q3k/8/8/4N3/8/8/P7/4K3 w - - 0 1"), 4);
    ASSERT_TRUE(fork.has_value());
    EXPECT_EQ(fork->Move, (ChessMove{Square::E5, Square::F7, EmptySquare}));
    EXPECT_EQ(fork->MateIn, 0);
    // Taking back the rook is the one move, but it only wins back what was
    // lost: no exercise.
    EXPECT_FALSE(FindClearBestMove(FromFen("r3k3/8/8/8/8/8/8/3rK2R w - - 0 1"), 4).has_value());
    // A single legal move is no exercise.
    EXPECT_FALSE(FindClearBestMove(FromFen("7k/8/8/8/8/8/5q2/7K w - - 0 1"), 4).has_value());
}

TEST(MistakeExercises, ThePersonsMarkedMovesWithAClearAnswerBecomeExercises)
{
    const std::vector<TReviewPosition> positions = ScholarsMissedMate();
    using M = TMoveMark;
    // The opening move "?" by a faulty review, Nf6 "??" and d3 "??"; a "?!"
    // on Bc4 never counts.
    const TGameReview review =
        ReviewOf(positions, {M::Mistake, M::None, M::None, M::None, M::Dubious, M::Blunder, M::Blunder});

    const std::vector<TMistakeExercise> both = BuildMistakeExercises(positions, review, {true, true}, 4);
    // e4: no single best move at the start. Nf6: several moves defend f7.
    // d3: Qxf7# was the one answer.
    ASSERT_EQ(both.size(), 1u);
    const TMistakeExercise& missedMate = both.front();
    EXPECT_EQ(missedMate.MoveNumber, 4);
    EXPECT_TRUE(missedMate.WhiteMoved);
    EXPECT_EQ(missedMate.Played, "d2d3");
    EXPECT_EQ(missedMate.Exercise.Fen, WriteFen(positions[6].State));
    EXPECT_EQ(missedMate.Exercise.Solution, std::vector<std::string>{"h5f7"});
    EXPECT_EQ(missedMate.Exercise.Themes, (std::vector<std::string>{"mateIn1", "mate"}));
    EXPECT_EQ(missedMate.Exercise.Rating, MistakeExerciseRating);
    EXPECT_EQ(missedMate.Exercise.Id, MistakeExerciseId(missedMate.Exercise.Fen, "h5f7"));
    // The exercise is one the set's reader accepts.
    std::string error;
    EXPECT_TRUE(ReadExerciseLine(WriteExerciseLine(missedMate.Exercise), error).has_value()) << error;

    // Only the person's own side counts.
    EXPECT_EQ(BuildMistakeExercises(positions, review, {true, false}, 4).size(), 1u);
    EXPECT_TRUE(BuildMistakeExercises(positions, review, {false, true}, 4).empty());
    // A stop request ends the work.
    const std::atomic<bool> stop{true};
    EXPECT_TRUE(BuildMistakeExercises(positions, review, {true, true}, 4, &stop).empty());
}

TEST(MistakeExercises, IdsAreStableAndTellExercisesApart)
{
    const std::string fen(StandardStartFen);
    EXPECT_EQ(MistakeExerciseId(fen, "e2e4"), MistakeExerciseId(fen, "e2e4"));
    EXPECT_NE(MistakeExerciseId(fen, "e2e4"), MistakeExerciseId(fen, "d2d4"));
    EXPECT_EQ(MistakeExerciseId(fen, "e2e4").rfind("erro-", 0), 0u);
}
