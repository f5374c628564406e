// A set of tactics exercises as the program ships them: one exercise a line,
// five fields separated by tabs:
//   id  FEN  solution  rating  themes
// The solution is UCI moves separated by spaces, the person's move first,
// then the reply, the person's next move and so on, ending with the
// person's move (an odd count). The rating is the exercise's difficulty on
// the players' rating scale (100..3500); the themes are keys of
// ExerciseThemeKeys separated by spaces (the field may be empty). Empty
// lines and lines starting with '#' are no exercises. Plain C++, no Qt.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TExercise {
    std::string Id;
    std::string Fen;
    std::vector<std::string> Solution; // UCI moves, the person's first
    int Rating = 1500;
    std::vector<std::string> Themes;
};

inline constexpr int MinExerciseRating = 100;
inline constexpr int MaxExerciseRating = 3500;

// The theme keys a line may carry; fixed English words, translated where
// they are shown.
inline constexpr std::array<std::string_view, 10> ExerciseThemeKeys = {
    "mateIn1", "mateIn2", "mateIn3", "mate", "material", "fork", "pin", "hangingPiece", "promotion", "backRank",
};
bool IsExerciseThemeKey(std::string_view key);

// One line. An empty line or a comment gives nothing with `error` empty; a
// line that is no valid exercise gives nothing with the reason in `error`
// (Portuguese): fields missing, an empty id or one with blanks, a FEN that
// cannot be read or an impossible position, a solution move that is not
// legal in its turn, an even or empty solution, a rating that is no integer
// in range, an unknown theme.
std::optional<TExercise> ReadExerciseLine(std::string_view line, std::string& error);
// The line for an exercise, without a line end.
std::string WriteExerciseLine(const TExercise& exercise);

// Reads a whole file's text. A bad line is skipped and reported in `errors`
// as "linha N: reason".
std::vector<TExercise> ReadExerciseSet(std::string_view text, std::vector<std::string>& errors);
