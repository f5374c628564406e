// The choice of exercises against a fake engine whose answers the tests
// set: the test of one clearly best move at its edges, the screen, the
// solution's length and end, and the rating's direction.
#include "ExerciseFinder.h"

#include "core/Fen.h"

#include <gtest/gtest.h>

#include <map>

namespace {

GameState StateFrom(std::string_view fen)
{
    FenPosition position;
    std::string error;
    EXPECT_TRUE(ReadFen(fen, position, error)) << error;
    return position.State;
}

TPvLine Cp(std::vector<std::string> pv, int cp)
{
    return TPvLine{std::move(pv), cp, 0};
}

TPvLine Mate(std::vector<std::string> pv, int moves)
{
    return TPvLine{std::move(pv), 0, moves};
}

TAnalysis Lines(std::vector<TPvLine> lines, int foundAtDepth = 1)
{
    return TAnalysis{std::move(lines), foundAtDepth};
}

// Answers from a table by position (FEN without its counters); a position
// not in the table has no analysis, as when the engine fails.
class TFakeAnalyst : public TAnalyst {
public:
    void Set(const GameState& state, TAnalysis analysis) { table_[Key(WriteFen(state))] = std::move(analysis); }
    TAnalysis Analyse(const std::string& fen, int lines, int) override
    {
        ++calls;
        const auto found = table_.find(Key(fen));
        if (found == table_.end())
            return {};
        TAnalysis analysis = found->second;
        if (static_cast<int>(analysis.Lines.size()) > lines)
            analysis.Lines.resize(lines);
        return analysis;
    }
    int calls = 0;

private:
    static std::string Key(const std::string& fen) { return fen.substr(0, fen.rfind(' ', fen.rfind(' ') - 1)); }
    std::map<std::string, TAnalysis> table_;
};

TEST(ClearlyBest, WinAndGapAtTheirEdges)
{
    const TFinderSettings settings; // win 200, gap 150, second below 200
    EXPECT_TRUE(IsClearlyBest(Lines({Cp({"a"}, 200), Cp({"b"}, 50)}), settings, true));
    EXPECT_FALSE(IsClearlyBest(Lines({Cp({"a"}, 199), Cp({"b"}, 0)}), settings, true));   // not a win
    EXPECT_FALSE(IsClearlyBest(Lines({Cp({"a"}, 300), Cp({"b"}, 151)}), settings, true)); // gap 149
    EXPECT_TRUE(IsClearlyBest(Lines({Cp({"a"}, 300), Cp({"b"}, 150)}), settings, true));  // gap 150
    // Winning anyway: on the first move no exercise, later on a fine move.
    EXPECT_FALSE(IsClearlyBest(Lines({Cp({"a"}, 600), Cp({"b"}, 200)}), settings, true));
    EXPECT_TRUE(IsClearlyBest(Lines({Cp({"a"}, 600), Cp({"b"}, 200)}), settings, false));
    EXPECT_TRUE(IsClearlyBest(Lines({Cp({"a"}, 600), Cp({"b"}, 199)}), settings, true));
}

TEST(ClearlyBest, MatesForcedMovesAndNothing)
{
    const TFinderSettings settings;
    // A mate is clearly best against any material, even when winning anyway.
    EXPECT_TRUE(IsClearlyBest(Lines({Mate({"a"}, 2), Cp({"b"}, 900)}), settings, true));
    // Two mates: the slower one is no worse by a pawn and a half.
    EXPECT_FALSE(IsClearlyBest(Lines({Mate({"a"}, 1), Mate({"b"}, 3)}), settings, true));
    // Being mated wins nothing.
    EXPECT_FALSE(IsClearlyBest(Lines({Mate({"a"}, -3), Mate({"b"}, -1)}), settings, false));
    // One legal move: no choice to make at the start, but fine further on.
    EXPECT_FALSE(IsClearlyBest(Lines({Cp({"a"}, 500)}), settings, true));
    EXPECT_TRUE(IsClearlyBest(Lines({Cp({"a"}, 500)}), settings, false));
    EXPECT_FALSE(IsClearlyBest(Lines({}), settings, false));
}

TEST(ClearlyBest, TheScreenIsLooserThanTheVerdict)
{
    const TFinderSettings settings;
    const TAnalysis nearly = Lines({Cp({"a"}, 170), Cp({"b"}, 60)});
    EXPECT_TRUE(PassesScreen(nearly, settings));
    EXPECT_FALSE(IsClearlyBest(nearly, settings, true));
    EXPECT_FALSE(PassesScreen(Lines({Cp({"a"}, 140), Cp({"b"}, 0)}), settings));
}

TEST(FindExercise, AMateInOneWithItsThemes)
{
    const GameState start = StateFrom("6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1");
    TFakeAnalyst analyst;
    analyst.Set(start, Lines({Mate({"d1d8"}, 1), Cp({"g1f1"}, 0)}, 1));
    const std::optional<TFoundExercise> found = FindExercise(start, analyst, TFinderSettings());
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->Solution, std::vector<std::string>{"d1d8"});
    EXPECT_TRUE(found->Mate);
    EXPECT_EQ(found->Themes, (std::vector<std::string>{"mateIn1", "mate", "backRank"}));
    EXPECT_GE(found->Rating, MinExerciseRating);
}

TEST(FindExercise, AForkGoesOnUntilTheMaterialIsWonAndKept)
{
    const GameState start = StateFrom("r3k3/pp6/8/1N6/8/8/5PPP/6K1 w - - 0 1");
    const GameState afterCheck = StateFrom("r7/ppNk4/8/8/8/8/5PPP/6K1 w - - 2 2");
    TFakeAnalyst analyst;
    analyst.Set(start, Lines({Cp({"b5c7", "e8d7", "c7a8"}, 450), Cp({"g2g3"}, 0)}, 4));
    analyst.Set(afterCheck, Lines({Cp({"c7a8", "b7b6"}, 480), Cp({"c7b5"}, 20)}));
    TFinderSettings settings;
    int deep = 0;
    const std::optional<TFoundExercise> found = FindExercise(start, analyst, settings, nullptr, &deep);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->Solution, (std::vector<std::string>{"b5c7", "e8d7", "c7a8"}));
    EXPECT_FALSE(found->Mate);
    EXPECT_EQ(found->MaterialGainCp, 500);
    EXPECT_EQ(found->FoundAtDepth, 4);
    EXPECT_EQ(found->Themes, (std::vector<std::string>{"material", "fork"}));
    EXPECT_EQ(deep, 2);

    // The person's second move not unique: no exercise.
    analyst.Set(afterCheck, Lines({Cp({"c7a8", "b7b6"}, 480), Cp({"c7b5"}, 400)}));
    EXPECT_FALSE(FindExercise(start, analyst, settings).has_value());
    // Not won within the moves allowed: no exercise.
    analyst.Set(afterCheck, Lines({Cp({"c7a8", "b7b6"}, 480), Cp({"c7b5"}, 20)}));
    settings.MaxPersonMoves = 1;
    EXPECT_FALSE(FindExercise(start, analyst, settings).has_value());
}

TEST(FindExercise, TakingBackWhatWasJustTakenWinsNothing)
{
    // The queen takes the knight that has just taken a White knight.
    const GameState start = StateFrom("4k3/8/8/3n4/8/8/8/3QK3 w - - 0 1");
    const GameState before = StateFrom("4k3/8/8/3N4/8/8/8/3QK3 b - - 0 1");
    TFakeAnalyst analyst;
    analyst.Set(start, Lines({Cp({"d1d5", "e8e7"}, 1200), Cp({"e1e2"}, 0)}));
    TFinderSettings settings;
    settings.SecondBestBelowCp = 100000;
    const std::optional<TFoundExercise> alone = FindExercise(start, analyst, settings);
    ASSERT_TRUE(alone.has_value());
    EXPECT_EQ(alone->Themes, (std::vector<std::string>{"material", "hangingPiece"}));
    EXPECT_FALSE(FindExercise(start, analyst, settings, &before).has_value());
}

TEST(FindExercise, TheScreenSavesTheDeepSearch)
{
    const GameState start = StateFrom("6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1");
    TFakeAnalyst analyst;
    analyst.Set(start, Lines({Cp({"d1d2"}, 20), Cp({"g1f1"}, 0)}));
    int deep = 0;
    EXPECT_FALSE(FindExercise(start, analyst, TFinderSettings(), nullptr, &deep).has_value());
    EXPECT_EQ(deep, 0);
    EXPECT_EQ(analyst.calls, 1);
    // An engine line whose move is not legal is refused, not trusted.
    analyst.Set(start, Lines({Mate({"d1d9"}, 1), Cp({"g1f1"}, 0)}));
    EXPECT_FALSE(FindExercise(start, analyst, TFinderSettings()).has_value());
}

TEST(EstimateRating, GrowsWithLengthDepthAndQuietMoves)
{
    const GameState start = StateFrom("r3k3/pp6/8/1N6/8/8/5PPP/6K1 w - - 0 1");
    TFoundExercise found;
    found.Solution = {"b5c7", "e8d7", "c7a8"};
    found.MaterialGainCp = 500;
    found.FoundAtDepth = 2;
    const int shallow = EstimateRating(start, found);
    found.FoundAtDepth = 10;
    const int deep = EstimateRating(start, found);
    EXPECT_GT(deep, shallow);

    // A mate in one by a rook move is harder than taking a hanging piece.
    const GameState mateBoard = StateFrom("6k1/5pp1/8/8/4B3/8/5PPP/3R2K1 w - - 0 1");
    TFoundExercise mate;
    mate.Solution = {"d1d8"};
    mate.Mate = true;
    const GameState hanging = StateFrom("4k3/8/8/3n4/8/8/8/3QK3 w - - 0 1");
    TFoundExercise take;
    take.Solution = {"d1d5"};
    take.MaterialGainCp = 300;
    take.Themes = {"material", "hangingPiece"};
    EXPECT_GT(EstimateRating(mateBoard, mate), EstimateRating(hanging, take));
    // Other captures to choose from, and a piece taking backwards, make
    // the same hanging knight harder to see.
    const GameState choices = StateFrom("4k3/8/8/3n3p/p7/8/8/3QK3 w - - 0 1");
    EXPECT_GT(EstimateRating(choices, take), EstimateRating(hanging, take));
    const GameState backwards = StateFrom("4k3/8/8/3Q4/8/3n4/8/7K w - - 0 1");
    TFoundExercise back = take;
    back.Solution = {"d5d3"};
    const GameState forwards = StateFrom("4k3/8/8/8/8/3n4/8/3Q3K w - - 0 1");
    TFoundExercise ahead = take;
    ahead.Solution = {"d1d3"};
    EXPECT_EQ(EstimateRating(forwards, ahead) + 150, EstimateRating(backwards, back));
    // A longer solution rates higher than the one-mover, and all stay in range.
    EXPECT_GT(shallow, EstimateRating(mateBoard, mate));
    for (int rating : {shallow, deep, EstimateRating(hanging, take)}) {
        EXPECT_GE(rating, MinExerciseRating);
        EXPECT_LE(rating, MaxExerciseRating);
    }
}

} // namespace
