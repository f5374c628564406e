// The exercise set's line format: a good line read field by field, every
// kind of bad line refused with its reason, comments and blank lines
// skipped quietly, writing and reading back, and a whole file's bad lines
// reported by number.
#include "core/ExerciseSet.h"

#include <gtest/gtest.h>

namespace {

// White mates on the back rank: Rd8#.
constexpr const char* BackRankFen = "6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1";

std::string Line(std::string_view id, std::string_view fen, std::string_view solution, std::string_view rating,
                 std::string_view themes)
{
    return std::string(id) + '\t' + std::string(fen) + '\t' + std::string(solution) + '\t' + std::string(rating) +
        '\t' + std::string(themes);
}

// The reason a line is refused; fails the test when it is accepted.
std::string Refusal(const std::string& line)
{
    std::string error;
    const std::optional<TExercise> exercise = ReadExerciseLine(line, error);
    EXPECT_FALSE(exercise.has_value()) << line;
    EXPECT_FALSE(error.empty()) << line;
    return error;
}

TEST(ExerciseLine, ReadsEveryField)
{
    std::string error;
    const std::optional<TExercise> exercise =
        ReadExerciseLine(Line("br1", BackRankFen, "d1d8", "650", "mateIn1 backRank"), error);
    ASSERT_TRUE(exercise.has_value()) << error;
    EXPECT_TRUE(error.empty());
    EXPECT_EQ(exercise->Id, "br1");
    EXPECT_EQ(exercise->Fen, BackRankFen);
    EXPECT_EQ(exercise->Solution, std::vector<std::string>{"d1d8"});
    EXPECT_EQ(exercise->Rating, 650);
    EXPECT_EQ(exercise->Themes, (std::vector<std::string>{"mateIn1", "backRank"}));
}

TEST(ExerciseLine, ReadsALongerSolutionMoveByMoveAndToleratesMissingThemesAndCrLf)
{
    std::string error;
    const std::string line =
        std::string("s3\trnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1\te2e4  e7e5 g1f3\t1200\r");
    const std::optional<TExercise> exercise = ReadExerciseLine(line, error);
    ASSERT_TRUE(exercise.has_value()) << error;
    EXPECT_EQ(exercise->Solution, (std::vector<std::string>{"e2e4", "e7e5", "g1f3"}));
    EXPECT_EQ(exercise->Rating, 1200);
    EXPECT_TRUE(exercise->Themes.empty());
}

TEST(ExerciseLine, CommentsAndBlankLinesAreNoExercisesAndNoErrors)
{
    for (const char* line : {"", "\r", "# id\tfen\tsolution\trating\tthemes", "#"}) {
        std::string error = "stale";
        EXPECT_FALSE(ReadExerciseLine(line, error).has_value()) << line;
        EXPECT_TRUE(error.empty()) << line;
    }
}

TEST(ExerciseLine, RefusesEachKindOfBadLine)
{
    // Fields.
    EXPECT_NE(Refusal(std::string("a\t") + BackRankFen + "\td1d8").find("5 campos"), std::string::npos);
    Refusal(Line("a", BackRankFen, "d1d8", "650", "mateIn1") + "\textra");
    Refusal(Line("", BackRankFen, "d1d8", "650", ""));
    Refusal(Line("two words", BackRankFen, "d1d8", "650", ""));
    // Position: bad syntax, and a possible syntax of an impossible position.
    EXPECT_NE(Refusal(Line("a", "6k1/5ppp/8/8/8/8/5PPP/3R2K w - - 0 1", "d1d8", "650", "")).find("posição"),
              std::string::npos);
    Refusal(Line("a", "8/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1", "d1d8", "650", ""));
    Refusal(Line("a", "6k1/5ppp/8/8/8/8/5PPP/3R2K1 b - - 0 1", "d1d8", "650", ""));
    // Solution: empty, even, not a move, illegal at the start or later on.
    EXPECT_NE(Refusal(Line("a", BackRankFen, "", "650", "")).find("vazia"), std::string::npos);
    Refusal(Line("a", BackRankFen, "  ", "650", ""));
    EXPECT_NE(Refusal(Line("a", BackRankFen, "d1d7 g8h8", "650", "")).find("ímpar"), std::string::npos);
    Refusal(Line("a", BackRankFen, "Rd8", "650", ""));
    Refusal(Line("a", BackRankFen, "D1D8", "650", ""));
    EXPECT_NE(Refusal(Line("a", BackRankFen, "d1d9", "650", "")).find("lance 1"), std::string::npos);
    Refusal(Line("a", BackRankFen, "g8h8", "650", ""));
    // d1d7 is legal, but then g1h1 is White's move in Black's turn.
    EXPECT_NE(Refusal(Line("a", BackRankFen, "d1d7 g1h1 d7d8", "650", "")).find("lance 2"), std::string::npos);
    // Rating: not an integer, trailing characters, out of range either way.
    for (const char* rating : {"", "abc", "1500x", " 1500", "15.5", "99", "3501", "-200"})
        EXPECT_NE(Refusal(Line("a", BackRankFen, "d1d8", rating, "")).find("dificuldade"), std::string::npos) << rating;
    // Themes: only the fixed keys.
    EXPECT_NE(Refusal(Line("a", BackRankFen, "d1d8", "650", "mateIn1 skewer")).find("skewer"), std::string::npos);
    Refusal(Line("a", BackRankFen, "d1d8", "650", "MateIn1"));
}

TEST(ExerciseLine, RatingEdgesAreAccepted)
{
    for (const char* rating : {"100", "3500"}) {
        std::string error;
        EXPECT_TRUE(ReadExerciseLine(Line("a", BackRankFen, "d1d8", rating, ""), error).has_value()) << error;
    }
}

TEST(ExerciseLine, WritesWhatItReadsBack)
{
    TExercise exercise;
    exercise.Id = "x42";
    exercise.Fen = "r1bqkb1r/pppp1ppp/2n2n2/4p2Q/2B1P3/8/PPPP1PPP/RNB1K1NR w KQkq - 4 4";
    exercise.Solution = {"h5f7"};
    exercise.Rating = 800;
    exercise.Themes = {"mateIn1", "mate"};
    const std::string line = WriteExerciseLine(exercise);
    EXPECT_EQ(line, std::string("x42\t") + exercise.Fen + "\th5f7\t800\tmateIn1 mate");
    std::string error;
    const std::optional<TExercise> back = ReadExerciseLine(line, error);
    ASSERT_TRUE(back.has_value()) << error;
    EXPECT_EQ(back->Id, exercise.Id);
    EXPECT_EQ(back->Fen, exercise.Fen);
    EXPECT_EQ(back->Solution, exercise.Solution);
    EXPECT_EQ(back->Rating, exercise.Rating);
    EXPECT_EQ(back->Themes, exercise.Themes);

    exercise.Themes.clear();
    ASSERT_TRUE(ReadExerciseLine(WriteExerciseLine(exercise), error).has_value()) << error;
}

TEST(ExerciseSetText, SkipsAndNumbersBadLines)
{
    const std::string text = "# header\n" + Line("a", BackRankFen, "d1d8", "650", "mateIn1") + "\n\n" +
        Line("b", BackRankFen, "d1d9", "650", "") + "\n" + Line("c", BackRankFen, "d1d8", "700", "backRank") + "\n";
    std::vector<std::string> errors;
    const std::vector<TExercise> exercises = ReadExerciseSet(text, errors);
    ASSERT_EQ(exercises.size(), 2u);
    EXPECT_EQ(exercises[0].Id, "a");
    EXPECT_EQ(exercises[1].Id, "c");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("linha 4: ", 0), 0u) << errors[0];
}

} // namespace
