#include "core/ClockComment.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr std::string_view Command = "[%clk";

// Where the command stands: from its "[" to past its "]".
struct CommandPlace {
    std::size_t Begin = 0;
    std::size_t End = 0;
};

std::optional<CommandPlace> FindCommand(std::string_view comment)
{
    const std::size_t begin = comment.find(Command);
    if (begin == std::string_view::npos)
        return std::nullopt;
    const std::size_t close = comment.find(']', begin);
    if (close == std::string_view::npos)
        return std::nullopt;
    return CommandPlace{begin, close + 1};
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\n'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\n'))
        text.remove_suffix(1);
    return text;
}

std::optional<long long> Digits(std::string_view text, std::size_t maxDigits)
{
    if (text.empty() || text.size() > maxDigits)
        return std::nullopt;
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::string ClockText(ClockMs ms)
{
    ms = std::max<ClockMs>(ms, 0);
    const long long tenths = ms / 100;
    const long long seconds = tenths / 10;
    char text[48];
    if (tenths % 10 != 0)
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld.%lld", seconds / 3600, seconds / 60 % 60, seconds % 60,
                      tenths % 10);
    else
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

std::optional<ClockMs> ParseClockText(std::string_view text)
{
    text = Trimmed(text);
    ClockMs fraction = 0;
    if (const std::size_t dot = text.find('.'); dot != std::string_view::npos) {
        std::string_view decimals = text.substr(dot + 1);
        if (decimals.empty() || decimals.size() > 9)
            return std::nullopt;
        const std::string_view millis = decimals.substr(0, 3);
        const auto value = Digits(decimals, 9);
        if (!value)
            return std::nullopt;
        fraction = *Digits(millis, 3);
        for (std::size_t i = millis.size(); i < 3; ++i)
            fraction *= 10;
        text = text.substr(0, dot);
    }
    long long fields[3] = {0, 0, 0};
    int count = 0;
    while (true) {
        const std::size_t colon = text.find(':');
        if (count == 3)
            return std::nullopt;
        const auto value = Digits(text.substr(0, colon), count == 0 ? 6 : 2);
        if (!value)
            return std::nullopt;
        fields[count++] = *value;
        if (colon == std::string_view::npos)
            break;
        text.remove_prefix(colon + 1);
    }
    if (count < 2)
        return std::nullopt;
    const long long hours = count == 3 ? fields[0] : 0;
    const long long minutes = count == 3 ? fields[1] : fields[0];
    const long long seconds = count == 3 ? fields[2] : fields[1];
    if (seconds > 59 || (count == 3 && minutes > 59))
        return std::nullopt;
    return ((hours * 60 + minutes) * 60 + seconds) * 1000 + fraction;
}

std::optional<ClockMs> CommentClock(std::string_view comment)
{
    const auto place = FindCommand(comment);
    if (!place)
        return std::nullopt;
    const std::size_t from = place->Begin + Command.size();
    return ParseClockText(comment.substr(from, place->End - 1 - from));
}

std::string WithoutCommentClock(std::string_view comment)
{
    const auto place = FindCommand(comment);
    if (!place)
        return std::string(comment);
    std::string rest(comment.substr(0, place->Begin));
    std::string_view after = comment.substr(place->End);
    if (!after.empty() && after.front() == ' ')
        after.remove_prefix(1);
    else if (!rest.empty() && rest.back() == ' ')
        rest.pop_back();
    rest += after;
    return rest;
}

std::string WithCommentClock(std::string_view comment, ClockMs ms)
{
    const std::string command = std::string(Command) + ' ' + ClockText(ms) + ']';
    if (const auto place = FindCommand(comment))
        return std::string(comment.substr(0, place->Begin)) + command + std::string(comment.substr(place->End));
    if (Trimmed(comment).empty())
        return command;
    return command + ' ' + std::string(comment);
}
