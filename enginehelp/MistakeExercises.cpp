#include "enginehelp/MistakeExercises.h"

#include "core/Fen.h"
#include "core/UciMove.h"
#include "enginehelp/ClearBestMove.h"

#include <cstdint>
#include <cstdio>

namespace {

bool IsPersonsMistake(const TReviewedMove& move, TPersonSides sides)
{
    const bool marked = move.Mark == TMoveMark::Mistake || move.Mark == TMoveMark::Blunder;
    return marked && (move.WhiteMoved ? sides.White : sides.Black);
}

std::vector<std::string> ThemesOf(const TClearMove& clear)
{
    if (clear.MateIn == 0)
        return {};
    if (clear.MateIn <= 3)
        return {"mateIn" + std::to_string(clear.MateIn), "mate"};
    return {"mate"};
}

} // namespace

std::string MistakeExerciseId(const std::string& fen, const std::string& solution)
{
    // FNV-1a, 64 bits: stable across runs and builds.
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : fen + ' ' + solution) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    char text[32];
    std::snprintf(text, sizeof text, "erro-%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::vector<TMistakeExercise> BuildMistakeExercises(const std::vector<TReviewPosition>& positions,
                                                    const TGameReview& review, TPersonSides sides, int depth,
                                                    const std::atomic<bool>* stop)
{
    std::vector<TMistakeExercise> exercises;
    for (const TReviewedMove& move : review.Moves) {
        if (stop && stop->load())
            break;
        if (!IsPersonsMistake(move, sides))
            continue;
        const TReviewPosition* before = nullptr;
        for (const TReviewPosition& position : positions)
            if (position.MoveNumber == move.MoveNumber && position.WhiteToMove == move.WhiteMoved)
                before = &position;
        if (!before)
            continue;
        const std::optional<TClearMove> clear = FindClearBestMove(before->State, depth, stop);
        // Playing the clearly best move is no mistake, whatever the marks say.
        if (!clear || (clear->Move.From == move.From && clear->Move.To == move.To))
            continue;
        TMistakeExercise mistake;
        TExercise& exercise = mistake.Exercise;
        exercise.Fen = WriteFen(before->State);
        exercise.Solution = {UciMoveText(clear->Move)};
        exercise.Id = MistakeExerciseId(exercise.Fen, exercise.Solution.front());
        exercise.Rating = MistakeExerciseRating;
        exercise.Themes = ThemesOf(*clear);
        mistake.MoveNumber = move.MoveNumber;
        mistake.WhiteMoved = move.WhiteMoved;
        mistake.Played = LowerSquareName(move.From) + LowerSquareName(move.To);
        exercises.push_back(std::move(mistake));
    }
    return exercises;
}
