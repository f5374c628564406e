#include "core/TrainingSchedule.h"

#include <algorithm>
#include <array>

int SolvedIntervalDays(int streak)
{
    static constexpr std::array<int, 6> Days{1, 3, 7, 16, 35, 75};
    const int index = std::clamp(streak - 1, 0, static_cast<int>(Days.size()) - 1);
    return Days[static_cast<std::size_t>(index)];
}

TReviewState ScheduleAfterAttempt(const TReviewState& before, bool solved, std::int64_t now)
{
    TReviewState after;
    after.Seen = true;
    if (solved) {
        after.Streak = before.Streak + 1;
        after.DueAt = now + SolvedIntervalDays(after.Streak) * SecondsPerDay;
    } else {
        after.Streak = 0;
        after.DueAt = now + FailedExerciseDelay;
    }
    return after;
}

bool IsDue(const TReviewState& state, std::int64_t now)
{
    return !state.Seen || state.DueAt <= now;
}
