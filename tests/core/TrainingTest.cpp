// The training corner's rules without a window: the Glicko-2 update
// against Glickman's published example, the repetition schedule and the
// choice of the next exercise on a fixed clock, and one try at an exercise.
#include "core/ExerciseChooser.h"
#include "core/ExerciseSession.h"
#include "core/Fen.h"
#include "core/Glicko2.h"
#include "core/TrainingSchedule.h"

#include <gtest/gtest.h>

namespace {

ChessMove Move(Square from, Square to, char promotion = EmptySquare)
{
    return ChessMove{from, to, promotion};
}

} // namespace

TEST(Glicko2, GlickmansExampleGivesThePublishedFigures)
{
    // "Example of the Glicko-2 system", section 3: 1500/200/0.06 against
    // 1400/30 (won), 1550/100 (lost), 1700/300 (lost), tau 0.5.
    const TGlickoRating after =
        UpdateGlicko({1500.0, 200.0, 0.06}, {{1400, 30, 1}, {1550, 100, 0}, {1700, 300, 0}}, 0.5);
    EXPECT_NEAR(after.Rating, 1464.06, 0.01);
    EXPECT_NEAR(after.Deviation, 151.52, 0.01);
    EXPECT_NEAR(after.Volatility, 0.05999, 0.00001);
}

TEST(Glicko2, WinsRaiseLossesLowerAndAPeriodWithoutGamesOnlyWidensTheDeviation)
{
    const TGlickoRating fresh;
    const TGlickoRating won = UpdateGlicko(fresh, {{1500, 60, 1}});
    const TGlickoRating lost = UpdateGlicko(fresh, {{1500, 60, 0}});
    EXPECT_GT(won.Rating, 1500.0);
    EXPECT_LT(lost.Rating, 1500.0);
    EXPECT_NEAR(won.Rating - 1500.0, 1500.0 - lost.Rating, 1e-6);
    EXPECT_LT(won.Deviation, fresh.Deviation);
    // Beating a far stronger opponent is worth more than beating an equal one.
    EXPECT_GT(UpdateGlicko(fresh, {{1900, 60, 1}}).Rating, won.Rating);

    const TGlickoRating idle = UpdateGlicko({1600, 100, 0.06}, {});
    EXPECT_DOUBLE_EQ(idle.Rating, 1600.0);
    EXPECT_NEAR(idle.Deviation, 100.55, 0.01); // sqrt(phi^2 + sigma^2) on the Glicko-2 scale
    EXPECT_NEAR(GlickoExpectedScore(fresh, 1500, 60), 0.5, 1e-12);
}

TEST(TrainingSchedule, FailedExercisesComeBackSoonerThanSolvedOnesAndSuccessesStretchTheWait)
{
    const std::int64_t now = 1'800'000'000;
    const TReviewState fresh;
    EXPECT_TRUE(IsDue(fresh, now));

    const TReviewState failed = ScheduleAfterAttempt(fresh, false, now);
    EXPECT_EQ(failed.DueAt, now + 600);
    EXPECT_EQ(failed.Streak, 0);
    EXPECT_FALSE(IsDue(failed, now + 599));
    EXPECT_TRUE(IsDue(failed, now + 600));

    TReviewState solved = ScheduleAfterAttempt(fresh, true, now);
    EXPECT_EQ(solved.DueAt, now + SecondsPerDay);
    std::vector<std::int64_t> waits;
    std::int64_t clock = now;
    for (int i = 0; i < 7; ++i) {
        clock = solved.DueAt;
        solved = ScheduleAfterAttempt(solved, true, clock);
        waits.push_back((solved.DueAt - clock) / SecondsPerDay);
    }
    EXPECT_EQ(waits, (std::vector<std::int64_t>{3, 7, 16, 35, 75, 75, 75}));
    // A failure starts the row again.
    const TReviewState again = ScheduleAfterAttempt(solved, false, clock);
    EXPECT_EQ(again.Streak, 0);
    EXPECT_EQ(ScheduleAfterAttempt(again, true, clock).DueAt, clock + SecondsPerDay);
}

TEST(ExerciseChooser, ChoosesAmongDueExercisesNearTheRatingAndRepeatsFirst)
{
    const std::int64_t now = 1'000'000;
    std::vector<TExerciseCandidate> set{{1200, {}}, {1480, {}}, {1560, {}}, {1950, {}}, {1510, {}}};
    EXPECT_EQ(NextExerciseChoices(set, 1500, now), (std::vector<std::size_t>{1, 2, 4}));
    EXPECT_EQ(ChooseNextExercise(set, 1500, now, 1), 2u);
    EXPECT_EQ(ChooseNextExercise(set, 1500, now, 5), 4u); // 5 modulo the three
    EXPECT_EQ(NextExerciseChoices(set, 1950, now), (std::vector<std::size_t>{3}));

    // Solved ones wait; a failed one that is due again comes before new ones,
    // even far from the rating.
    set[1].Review = ScheduleAfterAttempt({}, true, now);
    set[2].Review = ScheduleAfterAttempt({}, true, now);
    set[4].Review = ScheduleAfterAttempt({}, true, now);
    EXPECT_EQ(NextExerciseChoices(set, 1500, now), (std::vector<std::size_t>{0}));
    set[3].Review = ScheduleAfterAttempt({}, false, now);
    EXPECT_EQ(NextExerciseChoices(set, 1500, now + 60), (std::vector<std::size_t>{0}));
    EXPECT_EQ(NextExerciseChoices(set, 1500, now + 600), (std::vector<std::size_t>{3}));

    for (TExerciseCandidate& exercise : set)
        exercise.Review = ScheduleAfterAttempt({}, true, now);
    EXPECT_FALSE(ChooseNextExercise(set, 1500, now + 10, 0).has_value());
}

TEST(ExerciseSession, RightMovesBringTheRepliesUntilSolved)
{
    TExerciseSession session;
    std::string error;
    // Smothered mate: Qg8+ Rxg8 Nf7#.
    ASSERT_TRUE(session.Start("5r1k/6pp/7N/3Q4/8/8/6PP/7K w - - 0 1", {"d5g8", "f8g8", "h6f7"}, error)) << error;
    EXPECT_TRUE(session.PersonPlaysWhite());
    EXPECT_EQ(session.ExpectedMove(), Move(Square::D5, Square::G8));

    const TExerciseAnswer first = session.Play(Move(Square::D5, Square::G8));
    EXPECT_EQ(first.Verdict, TMoveVerdict::Right);
    EXPECT_EQ(first.Reply, Move(Square::F8, Square::G8));
    EXPECT_EQ(session.Position().At(Square::G8), 'r');
    EXPECT_EQ(session.Result(), TExerciseResult::Open);

    const TExerciseAnswer last = session.Play(Move(Square::H6, Square::F7));
    EXPECT_EQ(last.Verdict, TMoveVerdict::Solved);
    EXPECT_FALSE(last.Reply.has_value());
    EXPECT_EQ(session.Result(), TExerciseResult::Solved);
    EXPECT_TRUE(session.Over());
    EXPECT_EQ(session.Play(Move(Square::H1, Square::G1)).Verdict, TMoveVerdict::Over);
}

TEST(ExerciseSession, AWrongMoveChangesNothingButFailsTheTry)
{
    TExerciseSession session;
    std::string error;
    ASSERT_TRUE(session.Start("5r1k/6pp/7N/3Q4/8/8/6PP/7K w - - 0 1", {"d5g8", "f8g8", "h6f7"}, error));
    const GameState before = session.Position();
    // Legal but not the move, and not legal at all.
    EXPECT_EQ(session.Play(Move(Square::H6, Square::F7)).Verdict, TMoveVerdict::Wrong);
    EXPECT_EQ(session.Play(Move(Square::D5, Square::D1)).Verdict, TMoveVerdict::Wrong);
    EXPECT_EQ(session.Play(Move(Square::D5, Square::A1)).Verdict, TMoveVerdict::Wrong);
    EXPECT_TRUE(session.Position() == before);
    EXPECT_EQ(session.WrongMoves(), 3);
    EXPECT_EQ(session.Result(), TExerciseResult::Failed);
    // The retry goes on to the end, still failed.
    EXPECT_EQ(session.Play(Move(Square::D5, Square::G8)).Verdict, TMoveVerdict::Right);
    EXPECT_EQ(session.Play(Move(Square::H6, Square::F7)).Verdict, TMoveVerdict::Solved);
    EXPECT_EQ(session.Result(), TExerciseResult::Failed);
}

TEST(ExerciseSession, HintsNameThePieceThenTheMoveAndTheSolutionEndsTheTry)
{
    TExerciseSession session;
    std::string error;
    ASSERT_TRUE(session.Start("3q3k/8/8/4N3/8/8/P7/4K3 w - - 0 1", {"e5f7", "h8g7", "f7d8"}, error));
    EXPECT_EQ(session.HintFrom(), Square::None);
    EXPECT_EQ(session.NextHint(), 1);
    EXPECT_EQ(session.HintFrom(), Square::E5);
    EXPECT_EQ(session.HintTo(), Square::None);
    EXPECT_EQ(session.Result(), TExerciseResult::Open); // the piece alone is allowed
    EXPECT_EQ(session.NextHint(), 2);
    EXPECT_EQ(session.HintTo(), Square::F7);
    EXPECT_EQ(session.NextHint(), 2);
    EXPECT_EQ(session.Result(), TExerciseResult::Failed);
    // A move played clears the hint for the next one.
    EXPECT_EQ(session.Play(Move(Square::E5, Square::F7)).Verdict, TMoveVerdict::Right);
    EXPECT_EQ(session.HintLevel(), 0);
    EXPECT_EQ(session.HintFrom(), Square::None);

    TExerciseSession other;
    ASSERT_TRUE(other.Start("3q3k/8/8/4N3/8/8/P7/4K3 w - - 0 1", {"e5f7", "h8g7", "f7d8"}, error));
    ASSERT_EQ(other.Play(Move(Square::E5, Square::F7)).Verdict, TMoveVerdict::Right);
    const std::vector<ChessMove> rest = other.ShowSolution();
    EXPECT_EQ(rest, (std::vector<ChessMove>{Move(Square::F7, Square::D8)}));
    EXPECT_EQ(other.Result(), TExerciseResult::Failed);
    EXPECT_TRUE(other.Over());
    EXPECT_EQ(other.Position().At(Square::D8), 'N');
}

TEST(ExerciseSession, AnotherMateIsRightAndPromotionsMustNameThePiece)
{
    TExerciseSession session;
    std::string error;
    // Two rooks: the solution names Rd1-d8, Ra1-a8 mates as well.
    ASSERT_TRUE(session.Start("6k1/5ppp/8/8/8/8/8/R2R2K1 w - - 0 1", {"d1d8"}, error));
    EXPECT_EQ(session.Play(Move(Square::A1, Square::A8)).Verdict, TMoveVerdict::Solved);
    EXPECT_EQ(session.Result(), TExerciseResult::Solved);

    TExerciseSession promotion;
    ASSERT_TRUE(promotion.Start("8/4P1k1/8/8/8/8/8/4K3 w - - 0 1", {"e7e8q"}, error));
    EXPECT_EQ(promotion.Play(Move(Square::E7, Square::E8, 'N')).Verdict, TMoveVerdict::Wrong);
    EXPECT_EQ(promotion.Play(Move(Square::E7, Square::E8, 'Q')).Verdict, TMoveVerdict::Solved);
}

TEST(ExerciseSession, RefusesBrokenExercisesWithTheReason)
{
    TExerciseSession session;
    std::string error;
    EXPECT_FALSE(session.Start("not a fen", {"e2e4"}, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(session.Start(std::string(StandardStartFen), {}, error));
    EXPECT_FALSE(session.Start(std::string(StandardStartFen), {"e2e4", "e2e4"}, error));
    EXPECT_NE(error.find("e2e4"), std::string::npos);
    EXPECT_TRUE(session.Over());
    EXPECT_FALSE(session.ExpectedMove().has_value());
}
