// When an exercise comes back: a simple spaced-repetition schedule. A
// solved exercise waits longer after each success in a row (1, 3, 7, 16,
// 35, then 75 days); a failed one starts the row again and comes back after
// ten minutes, so that it is seen again in the same sitting. Times are
// seconds since the epoch, given by the caller (tests use a fixed clock).
// Plain C++, no Qt.
#pragma once

#include <cstdint>

struct TReviewState {
    int Streak = 0;         // successes in a row
    std::int64_t DueAt = 0; // when it is due again
    bool Seen = false;      // tried at least once
};

inline constexpr std::int64_t SecondsPerDay = 24 * 60 * 60;
inline constexpr std::int64_t FailedExerciseDelay = 10 * 60;

// The days a solved exercise waits after `streak` successes in a row (1 or more).
int SolvedIntervalDays(int streak);

// The state after an attempt at `now`.
TReviewState ScheduleAfterAttempt(const TReviewState& before, bool solved, std::int64_t now);

// Whether the exercise may be offered at `now`: never tried, or due.
bool IsDue(const TReviewState& state, std::int64_t now);
