// The exercise set the program ships: every line reads (so every solution
// is legal move by move from its position), there are enough of them, ids
// and positions are unique, the themes that can be checked on the board
// hold, and the ratings spread from easy to hard.
#include "core/ExerciseSet.h"
#include "core/Fen.h"
#include "core/MoveList.h"
#include "core/Rules.h"
#include "core/UciMove.h"

#include "TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

namespace {

bool Has(const TExercise& exercise, std::string_view theme)
{
    return std::find(exercise.Themes.begin(), exercise.Themes.end(), theme) != exercise.Themes.end();
}

std::string PositionKey(const std::string& fen)
{
    std::istringstream in(fen);
    std::string key, field;
    for (int i = 0; i < 4 && in >> field; ++i)
        key += field + ' ';
    return key;
}

// The set, read once for all the tests; each test fails when the file
// cannot be read (it is shipped: missing is a fault, not a reason to skip).
struct TShippedSet {
    bool Opened = false;
    std::string Path;
    std::vector<TExercise> Exercises;
    std::vector<std::string> Errors;
};

const TShippedSet& Shipped()
{
    static const TShippedSet set = [] {
        TShippedSet read;
        read.Path = SourceDir() + "/resources/exercises/exercises.tsv";
        std::ifstream in(read.Path, std::ios::binary);
        read.Opened = static_cast<bool>(in);
        std::stringstream text;
        text << in.rdbuf();
        read.Exercises = ReadExerciseSet(text.str(), read.Errors);
        return read;
    }();
    return set;
}

class ShippedExercises : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Shipped().Opened) << "cannot read " << Shipped().Path; }
    const std::vector<TExercise>& exercises_ = Shipped().Exercises;
    const std::vector<std::string>& errors_ = Shipped().Errors;
};

TEST_F(ShippedExercises, EveryLineReadsAndThereAreEnough)
{
    EXPECT_TRUE(errors_.empty()) << errors_.size()
                                 << " bad lines, the first: " << (errors_.empty() ? "" : errors_.front());
    EXPECT_GE(exercises_.size(), 2000u);
}

TEST_F(ShippedExercises, IdsAndPositionsAreUnique)
{
    std::set<std::string> ids, positions;
    for (const TExercise& exercise : exercises_) {
        EXPECT_TRUE(ids.insert(exercise.Id).second) << "id twice: " << exercise.Id;
        EXPECT_TRUE(positions.insert(PositionKey(exercise.Fen)).second) << "position twice: " << exercise.Fen;
    }
}

TEST_F(ShippedExercises, ThemesHoldOnTheBoard)
{
    int checked = 0;
    for (const TExercise& exercise : exercises_) {
        FenPosition start;
        std::string error;
        ASSERT_TRUE(ReadFen(exercise.Fen, start, error)) << exercise.Id << ": " << error;
        GameState state = start.State;
        bool promotes = false;
        for (std::size_t i = 0; i < exercise.Solution.size(); ++i) {
            const std::optional<ChessMove> move = ReadUciMove(state, exercise.Solution[i]);
            ASSERT_TRUE(move.has_value()) << exercise.Id;
            promotes = promotes || (i % 2 == 0 && move->Promotion != EmptySquare);
            state = PositionAfter(state, *move);
        }
        const bool mate = SideToMoveInCheck(state) && !HasMobility(state);
        const int personMoves = static_cast<int>(exercise.Solution.size() + 1) / 2;
        EXPECT_FALSE(exercise.Themes.empty()) << exercise.Id;
        EXPECT_EQ(Has(exercise, "mate"), mate) << exercise.Id;
        EXPECT_EQ(Has(exercise, "material"), !mate) << exercise.Id;
        for (int n = 1; n <= 3; ++n)
            if (Has(exercise, "mateIn" + std::to_string(n))) {
                EXPECT_TRUE(mate) << exercise.Id;
                EXPECT_EQ(personMoves, n) << exercise.Id;
            }
        EXPECT_EQ(Has(exercise, "promotion"), promotes) << exercise.Id;
        if (Has(exercise, "backRank")) {
            EXPECT_TRUE(mate) << exercise.Id;
        }
        if (Has(exercise, "hangingPiece")) {
            EXPECT_TRUE(!mate && personMoves == 1) << exercise.Id;
        }
        ++checked;
    }
    EXPECT_EQ(checked, static_cast<int>(exercises_.size()));
}

TEST_F(ShippedExercises, RatingsSpreadFromEasyToHard)
{
    int easy = 0, middle = 0, hard = 0, lowest = MaxExerciseRating, highest = MinExerciseRating;
    for (const TExercise& exercise : exercises_) {
        lowest = std::min(lowest, exercise.Rating);
        highest = std::max(highest, exercise.Rating);
        if (exercise.Rating < 1000)
            ++easy;
        else if (exercise.Rating < 1500)
            ++middle;
        else
            ++hard;
    }
    EXPECT_GE(easy, 100);
    EXPECT_GE(middle, 100);
    EXPECT_GE(hard, 50);
    EXPECT_LE(lowest, 700);
    EXPECT_GE(highest, 2000);
}

} // namespace
