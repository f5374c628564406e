// Which exercise comes next: one of those due (never tried, or whose time
// has come again), near the person's rating. Exercises that were tried
// before and are due again come first, so that failed ones are repeated;
// among the rest, those in the band closest to the rating (within
// NearRatingBand of the closest) are candidates, and `pick` chooses one of
// them (the caller draws it at random; tests fix it). Plain C++, no Qt.
#pragma once

#include "core/TrainingSchedule.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

struct TExerciseCandidate {
    int Rating = 1500;
    TReviewState Review;
};

inline constexpr int NearRatingBand = 100;

// The candidates' indices that the next exercise is drawn from, in their
// given order; empty when none is due.
std::vector<std::size_t> NextExerciseChoices(const std::vector<TExerciseCandidate>& exercises, double personRating,
                                             std::int64_t now);

// One of NextExerciseChoices (pick modulo their number), or nothing.
std::optional<std::size_t> ChooseNextExercise(const std::vector<TExerciseCandidate>& exercises, double personRating,
                                              std::int64_t now, std::uint64_t pick);
