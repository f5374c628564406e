// The ladder's arithmetic: Elo from a score, its error bar, and ratings
// fitted on an anchored scale.
#include "Rating.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(LadderRating, ScoreToEloAndErrorBar)
{
    // 3 to 1 is about 191 Elo; an even score none; a sweep is unbounded.
    EXPECT_NEAR(EloFromScore(0.75), 190.85, 0.01);
    EXPECT_DOUBLE_EQ(EloFromScore(0.5), 0.0);
    EXPECT_TRUE(std::isinf(EloFromScore(1.0)) && EloFromScore(1.0) > 0);
    EXPECT_TRUE(std::isinf(EloFromScore(0.0)) && EloFromScore(0.0) < 0);
    EXPECT_NEAR(ExpectedScore(EloFromScore(0.3)), 0.3, 1e-12);

    // 60 wins, 20 draws, 20 losses: s = 0.7, per-game variance
    // (60*0.09 + 20*0.04 + 20*0.49) / 100 = 0.16, standard error 0.04.
    const TEloEstimate estimate = EstimateElo({60, 20, 20});
    EXPECT_NEAR(estimate.Elo, EloFromScore(0.7), 1e-9);
    EXPECT_NEAR(estimate.Low, EloFromScore(0.7 - 1.96 * 0.04), 1e-9);
    EXPECT_NEAR(estimate.High, EloFromScore(0.7 + 1.96 * 0.04), 1e-9);
    // Draws narrow the bar: the same score from draws alone is surer.
    const TEloEstimate drawish = EstimateElo({40, 60, 0});
    EXPECT_NEAR(drawish.Elo, estimate.Elo, 1e-9);
    EXPECT_LT(drawish.High - drawish.Low, estimate.High - estimate.Low);
    EXPECT_EQ(FormatEstimate({0.2, -10.4, 10.6}), "0 [-10, +11]");
}

TEST(LadderRating, FitsRatingsOnTheAnchoredScale)
{
    // Player 1 scores 30 of 40 against the anchor at 1500: with the virtual
    // draw, 30.5 of 41.
    const std::vector<double> anchors{1500, 0, 0, 0};
    std::vector<TPairingScore> pairings{{1, 0, {30, 0, 10}}};
    std::vector<double> ratings = FitRatings(4, anchors, pairings);
    EXPECT_DOUBLE_EQ(ratings[0], 1500);
    EXPECT_NEAR(ratings[1], 1500 + EloFromScore(30.5 / 41), 0.1);
    // Players without games against the anchored ones have no rating.
    EXPECT_TRUE(std::isnan(ratings[2]) && std::isnan(ratings[3]));

    // Player 2 met only player 1 and scored an even result: the same rating;
    // player 3 lost everything to player 2 and sits below it, finitely.
    pairings.push_back({2, 1, {5, 10, 5}});
    pairings.push_back({3, 2, {0, 0, 10}});
    ratings = FitRatings(4, anchors, pairings);
    EXPECT_NEAR(ratings[2], ratings[1], 1.0);
    EXPECT_LT(ratings[3], ratings[2] - 200);
    EXPECT_TRUE(std::isfinite(ratings[3]));
}
