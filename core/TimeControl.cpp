#include "core/TimeControl.h"

#include <charconv>

TimeControl TimeControl::Blitz(int minutes, int incrementSeconds)
{
    return TimeControl{
        {TimePeriod{0, ClockMs{minutes} * 60000, ClockMs{incrementSeconds} * 1000, DelayKind::Increment}}};
}

const std::vector<TimeControl>& PresetTimeControls()
{
    static const std::vector<TimeControl> presets = {
        TimeControl::Blitz(1, 0),   TimeControl::Blitz(2, 1),  TimeControl::Blitz(3, 0),   TimeControl::Blitz(3, 2),
        TimeControl::Blitz(5, 0),   TimeControl::Blitz(5, 3),  TimeControl::Blitz(10, 0),  TimeControl::Blitz(10, 5),
        TimeControl::Blitz(15, 10), TimeControl::Blitz(30, 0), TimeControl::Blitz(30, 20), TimeControl::Blitz(90, 30),
    };
    return presets;
}

namespace {

// Seconds with at most three decimals, as milliseconds; nullopt when the
// text is anything else or absurdly large (over a year).
std::optional<ClockMs> ParseSeconds(std::string_view text)
{
    const std::size_t dot = text.find('.');
    const std::string_view whole = text.substr(0, dot);
    const std::string_view fraction = dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
    if (whole.empty() || whole.size() > 8 || fraction.size() > 3 || (dot != std::string_view::npos && fraction.empty()))
        return std::nullopt;
    ClockMs value = 0;
    for (const char c : whole) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    ClockMs millis = 0;
    int scale = 100;
    for (const char c : fraction) {
        if (c < '0' || c > '9')
            return std::nullopt;
        millis += (c - '0') * scale;
        scale /= 10;
    }
    if (value > 366LL * 24 * 3600)
        return std::nullopt;
    return value * 1000 + millis;
}

std::optional<TimePeriod> ParsePeriod(std::string_view text)
{
    TimePeriod period;
    if (const std::size_t slash = text.find('/'); slash != std::string_view::npos) {
        const std::string_view moves = text.substr(0, slash);
        const auto [end, error] = std::from_chars(moves.data(), moves.data() + moves.size(), period.Moves);
        if (error != std::errc() || end != moves.data() + moves.size() || period.Moves <= 0 || period.Moves > 1000)
            return std::nullopt;
        text.remove_prefix(slash + 1);
    }
    const std::size_t mark = text.find_first_of("+db");
    if (mark != std::string_view::npos) {
        period.Kind = text[mark] == '+' ? DelayKind::Increment
            : text[mark] == 'd'         ? DelayKind::Simple
                                        : DelayKind::Bronstein;
        const auto bonus = ParseSeconds(text.substr(mark + 1));
        if (!bonus)
            return std::nullopt;
        period.Bonus = *bonus;
    }
    const auto base = ParseSeconds(text.substr(0, mark));
    if (!base)
        return std::nullopt;
    period.Base = *base;
    return period;
}

void AppendSeconds(std::string& out, ClockMs ms)
{
    out += std::to_string(ms / 1000);
    if (const ClockMs fraction = ms % 1000; fraction != 0) {
        std::string digits = std::to_string(1000 + fraction).substr(1);
        while (digits.back() == '0')
            digits.pop_back();
        out += '.' + digits;
    }
}

} // namespace

std::optional<TimeControl> ParseTimeControl(std::string_view text)
{
    if (text == "-")
        return TimeControl{};
    TimeControl control;
    while (true) {
        const std::size_t colon = text.find(':');
        const auto period = ParsePeriod(text.substr(0, colon));
        if (!period)
            return std::nullopt;
        control.Periods.push_back(*period);
        if (colon == std::string_view::npos)
            break;
        // Only the last period may run to the end of the game.
        if (period->Moves == 0 || control.Periods.size() >= 16)
            return std::nullopt;
        text.remove_prefix(colon + 1);
    }
    // A control that gives no time at all cannot be played.
    if (control.Periods.front().Base == 0 && control.Periods.front().Bonus == 0)
        return std::nullopt;
    return control;
}

std::string TimeControlToPgn(const TimeControl& control)
{
    if (control.IsNone())
        return "-";
    std::string out;
    for (const TimePeriod& period : control.Periods) {
        if (!out.empty())
            out += ':';
        if (period.Moves > 0)
            out += std::to_string(period.Moves) + '/';
        AppendSeconds(out, period.Base);
        if (period.Bonus > 0 || period.Kind != DelayKind::Increment) {
            out += period.Kind == DelayKind::Increment ? '+' : period.Kind == DelayKind::Simple ? 'd' : 'b';
            AppendSeconds(out, period.Bonus);
        }
    }
    return out;
}
