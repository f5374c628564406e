// Where each game of a PGN text begins, found in one pass over the
// characters without reading a move: enough to list a large file's games and
// then read only the one chosen, instead of holding every game of the file.
//
// The games begin where ReadPgn's do: a game ends at its termination marker
// or where the next tag section begins; comments and move numbers with no
// tag, move or result around them are no game; after a fault the scanner
// can see (a character PGN has not, a broken tag, a string outside a tag,
// an unopened or unclosed variation...) it looks for the next game as the
// reader does after a broken one. A fault it cannot see (an illegal move)
// leaves the game where the characters end it, which is where the reader's
// search for the next game ends too, unless a tag section begins in the
// middle of a line.
//
//     std::vector<PgnGamePlace> places;
//     IndexPgn(text, places);
//     PgnGame third = ReadIndexedGame(GameText(text, places, 2), places[2], 2);
#pragma once

#include "core/Pgn.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

// Where a game's first token is; lines and columns from 1, lines ended by
// LF, CR or CR LF alike. Reach: the end of the text the reader looks at
// while reading the game (beyond the next game's start when the reader
// goes back after a fault).
struct PgnGamePlace {
    std::uint64_t Offset = 0;
    std::uint64_t Reach = 0;
    std::uint32_t Line = 1;
    std::uint32_t Column = 1;
};

// Appends the place of every game of `text` to `places`. `keepGoing`, when
// given, is asked now and then with the bytes scanned so far; the scan ends
// when it answers false, and so does IndexPgn (true once the text is done).
bool IndexPgn(std::string_view text, std::vector<PgnGamePlace>& places,
              const std::function<bool(std::size_t scanned)>& keepGoing = {});

// The text of game `index`: from its place to where the next one begins,
// or further, to all the reader looks at while reading it (the tag section
// that shows a variation unclosed, a comment's far end).
std::string_view GameText(std::string_view text, const std::vector<PgnGamePlace>& places, std::size_t index);
// Where that text ends.
std::uint64_t GameTextEnd(const std::vector<PgnGamePlace>& places, std::size_t index, std::uint64_t textSize);

// Reads the game whose text is `gameText`, found at `place` as game `index`
// of its file: lines and columns of a fault are those of the whole file.
PgnGame ReadIndexedGame(std::string_view gameText, const PgnGamePlace& place, std::size_t index,
                        const PgnLimits& limits = {});
