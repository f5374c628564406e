// A time control: how much time each side has and how it is given back.
// A control is a list of periods played one after another; a period with
// a move count ends when the side has made that many moves in it, and the
// next period's time is then added. The last period lasts to the end of
// the game. After each move a side gets its period's increment (Fischer)
// or has its time counted only past a delay: simple delay (the clock waits
// before it runs) or Bronstein delay (the time used, up to the delay, is
// given back). No period at all means no clock. Plain C++, no Qt.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Milliseconds, the unit of every clock value.
using ClockMs = std::int64_t;

enum class DelayKind : std::uint8_t {
    Increment, // Fischer: the bonus is added after every move
    Simple,    // the clock starts only after the bonus has passed
    Bronstein, // the time used, up to the bonus, is given back
};

struct TimePeriod {
    // Moves in this period; 0: to the end of the game. A last period with
    // moves starts again once they are made ("40/9000").
    int Moves = 0;
    ClockMs Base = 0;  // time given when the period begins
    ClockMs Bonus = 0; // increment or delay per move
    DelayKind Kind = DelayKind::Increment;

    bool operator==(const TimePeriod&) const = default;
};

struct TimeControl {
    std::vector<TimePeriod> Periods; // empty: no clock

    bool IsNone() const { return Periods.empty(); }
    bool operator==(const TimeControl&) const = default;

    // "1+0" style controls: minutes and a Fischer increment in seconds.
    static TimeControl Blitz(int minutes, int incrementSeconds);
};

// The presets offered to the player, in their order: 1+0, 2+1, ..., 90+30.
const std::vector<TimeControl>& PresetTimeControls();

// PGN's TimeControl tag: "-" for none, and periods separated by ":", each
// "moves/seconds" or "seconds" with "+increment" for a Fischer increment
// ("300+2", "40/5400+30:1800+30"). Delays, which PGN does not name, are
// written "d" (simple) or "b" (Bronstein) in place of "+": "300d5".
// Seconds may carry a fraction (".5"). Unknown ("?") and sandglass ("*")
// controls, and anything malformed, are refused with nullopt.
std::optional<TimeControl> ParseTimeControl(std::string_view text);
std::string TimeControlToPgn(const TimeControl& control);
