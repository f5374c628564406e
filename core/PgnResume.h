// Where reading goes on after a broken game of a PGN text: past the game's
// termination marker, or at the first line of the next tag section (a line
// that begins with '[' after one that does not), whichever comes first.
// Comments, strings and escape lines are stepped over whole. The game
// reader and the one-pass index of a file's games both look here, so they
// find the same next game.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// A place in the text and the lines around it; lines ended by LF, CR or
// CR LF alike.
struct PgnTextPlace {
    std::size_t Pos = 0;
    std::uint32_t Line = 1;
    std::size_t LineStart = 0;
    // The start of the line before (LineStart on the first line).
    std::size_t PreviousLineStart = 0;
};

// Where reading goes on after the fault at `fault` (a character that is not
// a line break, or the end of the text): just past the termination marker,
// at the first character of the tag section's line (after a byte-order
// mark), or at the end of the text. `unclosedBraceFrom` remembers, from one search to the
// next, from where on no closing brace follows (a brace that nothing closes
// is only a character).
PgnTextPlace FindPgnResume(std::string_view text, const PgnTextPlace& fault, std::size_t& unclosedBraceFrom);
