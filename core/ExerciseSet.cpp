// Reading and writing the exercise set's lines (see ExerciseSet.h).
#include "core/ExerciseSet.h"

#include "core/Fen.h"
#include "core/UciMove.h"

#include <algorithm>
#include <charconv>

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        if (end == std::string_view::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

// Words separated by one or more spaces.
std::vector<std::string> Words(std::string_view text)
{
    std::vector<std::string> words;
    for (std::string_view part : Split(text, ' '))
        if (!part.empty())
            words.emplace_back(part);
    return words;
}

bool HasBlank(std::string_view text)
{
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

std::string Join(const std::vector<std::string>& words)
{
    std::string out;
    for (const std::string& word : words) {
        if (!out.empty())
            out += ' ';
        out += word;
    }
    return out;
}

} // namespace

bool IsExerciseThemeKey(std::string_view key)
{
    return std::find(ExerciseThemeKeys.begin(), ExerciseThemeKeys.end(), key) != ExerciseThemeKeys.end();
}

std::optional<TExercise> ReadExerciseLine(std::string_view line, std::string& error)
{
    error.clear();
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (line.empty() || line.front() == '#')
        return std::nullopt;

    const std::vector<std::string_view> fields = Split(line, '\t');
    if (fields.size() != 4 && fields.size() != 5) {
        error = "o exercício deve ter 5 campos separados por tabulação (tem " + std::to_string(fields.size()) + ")";
        return std::nullopt;
    }
    TExercise exercise;
    if (fields[0].empty() || HasBlank(fields[0])) {
        error = "identificador vazio ou com espaços";
        return std::nullopt;
    }
    exercise.Id = std::string(fields[0]);

    FenPosition start;
    std::string fenError;
    if (!ReadFen(fields[1], start, fenError)) {
        error = "posição inválida: " + fenError;
        return std::nullopt;
    }
    exercise.Fen = std::string(fields[1]);

    exercise.Solution = Words(fields[2]);
    if (exercise.Solution.empty()) {
        error = "solução vazia";
        return std::nullopt;
    }
    if (exercise.Solution.size() % 2 == 0) {
        error = "a solução deve terminar com um lance de quem resolve (número ímpar de lances)";
        return std::nullopt;
    }
    GameState state = start.State;
    for (std::size_t i = 0; i < exercise.Solution.size(); ++i) {
        const std::optional<ChessMove> move = ReadUciMove(state, exercise.Solution[i]);
        if (!move) {
            error = "lance " + std::to_string(i + 1) + " da solução ilegal: \"" + exercise.Solution[i] + "\"";
            return std::nullopt;
        }
        state = PositionAfter(state, *move);
    }

    const std::string_view rating = fields[3];
    const char* end = rating.data() + rating.size();
    const auto [stop, code] = std::from_chars(rating.data(), end, exercise.Rating);
    if (rating.empty() || code != std::errc() || stop != end || exercise.Rating < MinExerciseRating ||
        exercise.Rating > MaxExerciseRating) {
        error = "dificuldade inválida: \"" + std::string(rating) + "\" (um inteiro de " +
            std::to_string(MinExerciseRating) + " a " + std::to_string(MaxExerciseRating) + ")";
        return std::nullopt;
    }

    if (fields.size() == 5) {
        exercise.Themes = Words(fields[4]);
        for (const std::string& theme : exercise.Themes)
            if (!IsExerciseThemeKey(theme)) {
                error = "tema desconhecido: \"" + theme + "\"";
                return std::nullopt;
            }
    }
    return exercise;
}

std::string WriteExerciseLine(const TExercise& exercise)
{
    return exercise.Id + '\t' + exercise.Fen + '\t' + Join(exercise.Solution) + '\t' + std::to_string(exercise.Rating) +
        '\t' + Join(exercise.Themes);
}

std::vector<TExercise> ReadExerciseSet(std::string_view text, std::vector<std::string>& errors)
{
    std::vector<TExercise> exercises;
    int lineNumber = 0;
    for (std::string_view line : Split(text, '\n')) {
        ++lineNumber;
        std::string error;
        std::optional<TExercise> exercise = ReadExerciseLine(line, error);
        if (exercise)
            exercises.push_back(std::move(*exercise));
        else if (!error.empty())
            errors.push_back("linha " + std::to_string(lineNumber) + ": " + error);
    }
    return exercises;
}
