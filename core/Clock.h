// The two clocks of a timed game. The time comes from a source the owner
// injects (the window's monotonic timer, a test's counter), so the clocks
// can be driven without waiting. The clocks start once each side has made
// its first move, as on the online servers; until then no time is taken.
// Every half-move leaves a record of both clocks, so that taking moves back
// and playing them again puts the clocks back where they stood.
// Plain C++, no Qt.
#pragma once

#include "core/TimeControl.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

// One side's clock between moves.
struct SideClock {
    ClockMs Remaining = 0;
    std::size_t Period = 0; // index into the side's control
    int MovesInPeriod = 0;  // moves made in that period
    bool operator==(const SideClock&) const = default;
};

// Both clocks after a number of half-moves.
struct ClockRecord {
    SideClock White;
    SideClock Black;
    bool operator==(const ClockRecord&) const = default;
};

class GameClock {
public:
    using TimeSource = std::function<ClockMs()>;
    explicit GameClock(TimeSource now);

    // A new game under these controls (none for either: no clock at all),
    // with this side to move first. Nothing runs until each side has moved.
    void Start(const TimeControl& white, const TimeControl& black, bool whiteToMove);
    bool Enabled() const { return !white_.IsNone() || !black_.IsNone(); }
    const TimeControl& Control(bool white) const { return white ? white_ : black_; }
    // A side without a control (a handicap game may time only one side)
    // never runs out of time.
    bool Timed(bool white) const { return !Control(white).IsNone(); }

    // The time left, counting the turn in progress.
    ClockMs Remaining(bool white) const;
    // The period a side's clock is in (none for a side without a control),
    // and the moves the side must still make in it (0: to the end).
    const TimePeriod* CurrentPeriod(bool white) const { return PeriodOf(white); }
    int MovesToGo(bool white) const;
    bool WhiteToMove() const { return whiteToMove_; }
    // Counting now: enabled, started, neither paused nor stopped.
    bool Running() const;
    bool Started() const { return plies_ >= 2; }
    // The side to move has no time left (only while it is timed).
    bool FlagFallen() const;

    // The side to move has made its move: the turn's time is charged, the
    // bonus given, the period advanced and the turn passes. Returns false
    // when the mover's time had run out before the move was made.
    bool MoveMade();
    // A move read from a record: the mover's clock is set to what the
    // record says it showed after the move (or, without it, only gets its
    // bonus); no time is charged.
    void MoveRecorded(std::optional<ClockMs> remainingAfter);
    // Half-moves made since the start.
    std::size_t Ply() const { return plies_; }
    const ClockRecord& Record(std::size_t ply) const { return records_.at(ply); }
    // The last half-move with a record (beyond Ply() after going back).
    std::size_t RecordedPlies() const { return records_.size() - 1; }
    // Sets what a side's clock holds now (a game restored with the clocks
    // it had when it was left).
    void SetRemaining(bool white, ClockMs ms);
    // Puts both clocks where they stood after `ply` half-moves (earlier, or
    // later again after going back); false when that ply was never
    // recorded. The turn of the side to move there begins now.
    bool RestorePly(std::size_t ply);

    void Pause();
    void Resume();
    bool Paused() const { return paused_; }
    // The game is over: the clocks keep their values and stop for good
    // (until the next Start or RestorePly).
    void Stop();
    bool Stopped() const { return stopped_; }

    // How long the side to move may think on this move so as never to lose
    // on time: a share of its time for the moves still to come plus most of
    // its bonus, leaving a reserve for the move's own delivery.
    ClockMs MoveBudget() const;

private:
    SideClock& Side(bool white) { return white ? current_.White : current_.Black; }
    const SideClock& Side(bool white) const { return white ? current_.White : current_.Black; }
    const TimePeriod* PeriodOf(bool white) const;
    // The time the turn in progress has cost its side so far.
    ClockMs TurnElapsed() const;
    ClockMs Charge(bool white, ClockMs elapsed) const;
    void EndTurn(bool white, ClockMs elapsed, std::optional<ClockMs> remainingAfter);
    void BeginTurn();

    TimeSource now_;
    TimeControl white_;
    TimeControl black_;
    ClockRecord current_;
    std::vector<ClockRecord> records_; // after 0, 1, 2 ... half-moves
    std::size_t plies_ = 0;
    bool whiteToMove_ = true;
    bool paused_ = false;
    bool stopped_ = false;
    ClockMs turnStart_ = 0;   // when the running part of the turn began
    ClockMs spentBefore_ = 0; // the turn's time before a pause
};
