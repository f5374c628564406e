// The clock command of PGN move comments: "[%clk 0:04:58.2]" holds the time
// the mover had left after the move. Reading finds it among any other text
// of the comment; writing puts it in place of an earlier one.
// Plain C++, no Qt.
#pragma once

#include "core/TimeControl.h"

#include <optional>
#include <string>
#include <string_view>

// "h:mm:ss" with tenths when the time has any ("0:04:58.2"); a negative
// time is written as 0.
std::string ClockText(ClockMs ms);
// Reads "h:mm:ss", "h:mm:ss.t" (any number of decimals, kept to the
// millisecond) or "mm:ss"; nullopt for anything else.
std::optional<ClockMs> ParseClockText(std::string_view text);

// The time of the comment's clock command, if it has a readable one.
std::optional<ClockMs> CommentClock(std::string_view comment);
// The comment with its clock command set to `ms` (added at its start when
// it had none).
std::string WithCommentClock(std::string_view comment, ClockMs ms);
// The comment without its clock command (and the blank it leaves).
std::string WithoutCommentClock(std::string_view comment);
