#include "core/ExerciseChooser.h"

#include <cmath>
#include <limits>

std::vector<std::size_t> NextExerciseChoices(const std::vector<TExerciseCandidate>& exercises, double personRating,
                                             std::int64_t now)
{
    // Repetitions due first, then exercises never tried.
    for (const bool repeated : {true, false}) {
        double closest = std::numeric_limits<double>::infinity();
        for (const TExerciseCandidate& exercise : exercises)
            if (exercise.Review.Seen == repeated && IsDue(exercise.Review, now))
                closest = std::min(closest, std::abs(exercise.Rating - personRating));
        if (std::isinf(closest))
            continue;
        std::vector<std::size_t> choices;
        for (std::size_t i = 0; i < exercises.size(); ++i) {
            const TExerciseCandidate& exercise = exercises[i];
            if (exercise.Review.Seen == repeated && IsDue(exercise.Review, now) &&
                std::abs(exercise.Rating - personRating) <= closest + NearRatingBand)
                choices.push_back(i);
        }
        return choices;
    }
    return {};
}

std::optional<std::size_t> ChooseNextExercise(const std::vector<TExerciseCandidate>& exercises, double personRating,
                                              std::int64_t now, std::uint64_t pick)
{
    const std::vector<std::size_t> choices = NextExerciseChoices(exercises, personRating, now);
    if (choices.empty())
        return std::nullopt;
    return choices[pick % choices.size()];
}
