#include "core/Clock.h"

#include <algorithm>

namespace {

SideClock FreshSide(const TimeControl& control)
{
    SideClock side;
    if (!control.IsNone())
        side.Remaining = control.Periods.front().Base;
    return side;
}

} // namespace

GameClock::GameClock(TimeSource now) : now_(std::move(now)) {}

void GameClock::Start(const TimeControl& white, const TimeControl& black, bool whiteToMove)
{
    white_ = white;
    black_ = black;
    current_ = ClockRecord{FreshSide(white), FreshSide(black)};
    records_.assign(1, current_);
    plies_ = 0;
    whiteToMove_ = whiteToMove;
    paused_ = false;
    stopped_ = false;
    BeginTurn();
}

const TimePeriod* GameClock::PeriodOf(bool white) const
{
    const TimeControl& control = Control(white);
    if (control.IsNone())
        return nullptr;
    return &control.Periods[std::min(Side(white).Period, control.Periods.size() - 1)];
}

int GameClock::MovesToGo(bool white) const
{
    const TimePeriod* period = PeriodOf(white);
    if (period == nullptr || period->Moves == 0)
        return 0;
    return std::max(1, period->Moves - Side(white).MovesInPeriod);
}

bool GameClock::Running() const
{
    return Enabled() && Started() && !paused_ && !stopped_;
}

ClockMs GameClock::TurnElapsed() const
{
    if (!Enabled() || !Started() || stopped_)
        return spentBefore_;
    return spentBefore_ + (paused_ ? 0 : std::max<ClockMs>(0, now_() - turnStart_));
}

ClockMs GameClock::Charge(bool white, ClockMs elapsed) const
{
    const TimePeriod* period = PeriodOf(white);
    if (period == nullptr)
        return 0;
    // A simple delay passes before the clock takes anything.
    if (period->Kind == DelayKind::Simple)
        return std::max<ClockMs>(0, elapsed - period->Bonus);
    return elapsed;
}

ClockMs GameClock::Remaining(bool white) const
{
    const ClockMs stored = Side(white).Remaining;
    if (white != whiteToMove_)
        return stored;
    return stored - Charge(white, TurnElapsed());
}

bool GameClock::FlagFallen() const
{
    return Timed(whiteToMove_) && Started() && Remaining(whiteToMove_) <= 0;
}

bool GameClock::MoveMade()
{
    const bool flagged = FlagFallen();
    EndTurn(whiteToMove_, TurnElapsed(), std::nullopt);
    return !flagged;
}

void GameClock::MoveRecorded(std::optional<ClockMs> remainingAfter)
{
    EndTurn(whiteToMove_, 0, remainingAfter);
}

void GameClock::EndTurn(bool white, ClockMs elapsed, std::optional<ClockMs> remainingAfter)
{
    if (const TimePeriod* period = PeriodOf(white)) {
        SideClock& side = Side(white);
        const bool counting = Started() && !stopped_;
        if (counting) {
            side.Remaining -= Charge(white, elapsed);
            if (period->Kind == DelayKind::Increment)
                side.Remaining += period->Bonus;
            else if (period->Kind == DelayKind::Bronstein)
                side.Remaining += std::min(elapsed, period->Bonus);
        }
        if (remainingAfter)
            side.Remaining = *remainingAfter;
        // The period's last move brings the next period's time (a last
        // period with a move count begins again).
        if (period->Moves > 0 && ++side.MovesInPeriod >= period->Moves) {
            const TimeControl& control = Control(white);
            if (side.Period + 1 < control.Periods.size())
                ++side.Period;
            side.MovesInPeriod = 0;
            if (!remainingAfter)
                side.Remaining += control.Periods[side.Period].Base;
        }
    }
    ++plies_;
    whiteToMove_ = !whiteToMove_;
    records_.resize(plies_);
    records_.push_back(current_);
    BeginTurn();
}

void GameClock::BeginTurn()
{
    turnStart_ = now_();
    spentBefore_ = 0;
}

bool GameClock::RestorePly(std::size_t ply)
{
    if (ply >= records_.size())
        return false;
    // The side to move alternates with every half-move from the start.
    if ((plies_ + ply) % 2 != 0)
        whiteToMove_ = !whiteToMove_;
    plies_ = ply;
    current_ = records_[ply];
    stopped_ = false;
    BeginTurn();
    return true;
}

void GameClock::SetRemaining(bool white, ClockMs ms)
{
    Side(white).Remaining = ms;
    if (white == whiteToMove_)
        BeginTurn();
}

void GameClock::Pause()
{
    if (paused_)
        return;
    spentBefore_ = TurnElapsed();
    paused_ = true;
}

void GameClock::Resume()
{
    if (!paused_)
        return;
    paused_ = false;
    turnStart_ = now_();
}

void GameClock::Stop()
{
    if (stopped_)
        return;
    // The side to move keeps what its clock shows now.
    Side(whiteToMove_).Remaining = Remaining(whiteToMove_);
    spentBefore_ = 0;
    stopped_ = true;
}

ClockMs GameClock::MoveBudget() const
{
    const TimePeriod* period = PeriodOf(whiteToMove_);
    if (period == nullptr)
        return 0;
    const SideClock& side = Side(whiteToMove_);
    const ClockMs left = Remaining(whiteToMove_);
    // Moves still to make before more time comes; a game to its end is
    // thought of as some thirty moves more.
    const int movesToGo = period->Moves > 0 ? std::max(1, period->Moves - side.MovesInPeriod) : 30;
    // What the clock's own bookkeeping, the move's animation and the
    // window's events may take after the search has ended.
    constexpr ClockMs Overhead = 150;
    ClockMs budget = left / (movesToGo + 2);
    if (period->Kind == DelayKind::Simple)
        budget += period->Bonus;
    else
        budget += period->Bonus * 3 / 4;
    // Never more than half of what is left, and always a reserve.
    budget = std::min({budget, left / 2, left - Overhead - left / 10});
    return std::max<ClockMs>(budget, 10);
}
