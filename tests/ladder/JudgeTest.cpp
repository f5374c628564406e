// The ladder's judge: how much a move lost by the evaluations around it.
#include "Judge.h"

#include <gtest/gtest.h>

TEST(Judge, AMoveLosesWhatTheMoversEvaluationFell)
{
    // Before: +50 for the mover; after: -40 for the opponent, +40 for the mover.
    EXPECT_EQ(EvaluationLoss(50, -40), 10);
    // A piece left hanging: from +100 to the opponent's +250.
    EXPECT_EQ(EvaluationLoss(100, 250), 350);
    EXPECT_GE(EvaluationLoss(100, 250), BlunderCp);
    // A good move gains: no loss.
    EXPECT_LT(EvaluationLoss(-200, -100), 0);
}

TEST(Judge, WonPositionsAndMatesAreCapped)
{
    // Winning by 20 pawns and still by 15: no blunder.
    EXPECT_EQ(EvaluationLoss(2000, -1500), 0);
    // Walking into a mate from an equal position loses the cap.
    EXPECT_EQ(EvaluationLoss(0, TUciPlayer::MateCp), JudgeCapCp);
    // Missing a mate while still winning clearly is no blunder either.
    EXPECT_EQ(EvaluationLoss(TUciPlayer::MateCp, -1200), 0);
}
