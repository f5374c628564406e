// Reading a search's info lines into the best lines: the last complete
// line of each rank, bounds left out, mates read, and the depth at which
// the best move settled.
#include "StockfishAnalyst.h"

#include <gtest/gtest.h>

TEST(InfoLines, TheLastLineOfEachRankAndTheDepthOfTheBestMove)
{
    const std::vector<std::string> lines = {
        "info string NNUE evaluation using nn.nnue enabled",
        "info depth 1 seldepth 1 multipv 1 score cp 30 nodes 20 nps 1000 time 1 pv e2e4",
        "info depth 1 seldepth 1 multipv 2 score cp 10 nodes 20 nps 1000 time 1 pv d2d4",
        "info depth 2 seldepth 2 multipv 1 score cp 35 nodes 40 nps 1000 time 1 pv d2d4 d7d5",
        "info depth 2 seldepth 2 multipv 2 score cp 20 nodes 40 nps 1000 time 1 pv e2e4 e7e5",
        "info depth 3 seldepth 3 multipv 1 score cp 400 lowerbound nodes 60 nps 1000 time 1 pv g1f3",
        "info depth 3 seldepth 3 multipv 1 score cp 40 nodes 80 nps 1000 time 1 pv d2d4 g8f6 c2c4",
        "info depth 3 seldepth 3 multipv 2 score cp -5 nodes 80 nps 1000 time 1 pv e2e4 c7c5",
        "info depth 3 currmove e2e4 currmovenumber 2",
    };
    const TAnalysis analysis = AnalysisFromInfoLines(lines, 2);
    ASSERT_EQ(analysis.Lines.size(), 2u);
    EXPECT_EQ(analysis.Lines[0].Pv, (std::vector<std::string>{"d2d4", "g8f6", "c2c4"}));
    EXPECT_EQ(analysis.Lines[0].ScoreCp, 40);
    EXPECT_EQ(analysis.Lines[1].Pv.front(), "e2e4");
    EXPECT_EQ(analysis.Lines[1].ScoreCp, -5);
    // e2e4 at depth 1, d2d4 from depth 2 on (the bound at depth 3 does not count).
    EXPECT_EQ(analysis.FoundAtDepth, 2);
}

TEST(InfoLines, MatesAndFewerLinesThanAsked)
{
    const std::vector<std::string> lines = {
        "info depth 1 multipv 1 score mate 1 nodes 5 pv d1d8",
        "info depth 2 multipv 1 score mate 1 nodes 9 pv d1d8",
    };
    const TAnalysis analysis = AnalysisFromInfoLines(lines, 2);
    ASSERT_EQ(analysis.Lines.size(), 1u);
    EXPECT_EQ(analysis.Lines[0].MateIn, 1);
    EXPECT_EQ(LineValue(analysis.Lines[0]), MateValueCp - 1);
    EXPECT_EQ(analysis.FoundAtDepth, 1);
    EXPECT_TRUE(AnalysisFromInfoLines({"info depth 1 multipv 1 score mate -2 pv"}, 2).Lines.empty());
    const TAnalysis mated = AnalysisFromInfoLines({"info depth 4 multipv 1 score mate -2 pv g8h8 d1d8"}, 1);
    ASSERT_EQ(mated.Lines.size(), 1u);
    EXPECT_EQ(LineValue(mated.Lines[0]), -MateValueCp + 2);
}
