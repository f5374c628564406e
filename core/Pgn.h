// Portable Game Notation: reading the import format (any number of games,
// with everything real files contain) and writing the export format. A
// game that cannot be read is reported with its line, column and reason
// and the reader goes on with the next one. Bounded in depth, token size
// and game size, so that no input makes it crash, hang or grow without end.
#pragma once

#include "core/Game.h"
#include "core/NotationError.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct PgnLimits {
    int MaxVariationDepth = 64;
    std::size_t MaxTokenBytes = 64 * 1024;      // a tag value, a comment, a symbol
    std::size_t MaxGameBytes = 8 * 1024 * 1024; // the text of one game
    std::size_t MaxPlies = 12000;               // beyond the longest game the rules allow
    std::size_t MaxTags = 1000;
};

// One game of a file: read, or the place and reason it could not be.
struct PgnGame {
    std::size_t Index = 0; // its place in the file, from 0
    bool Ok = false;
    Game Value;            // when Ok
    int Line = 0;          // of the error, from 1
    int Column = 0;        // of the error, from 1 (bytes)
    NotationError Problem; // why it could not be read
    std::string Error;     // the same in Portuguese
};

// Reads every game, handing each to `sink` as soon as it is read (so that a
// large file need not be held as games). Returns the number of games.
std::size_t ReadPgn(std::string_view text, const std::function<void(PgnGame&&)>& sink, const PgnLimits& limits = {});
// All games at once.
std::vector<PgnGame> ReadPgn(std::string_view text, const PgnLimits& limits = {});

// One game in export format: the Seven Tag Roster, the other tags, a blank
// line, the move text wrapped at 80 columns ending with the result, and a
// blank line.
std::string WritePgn(const Game& game);

// A tag value with its quotes and backslashes escaped.
std::string EscapePgnString(std::string_view value);
