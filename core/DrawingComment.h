// Arrows and circles drawn on the board, and how PGN move comments hold
// them: "[%cal Ge2e4,Rd8d1]" lists the arrows, "[%csl Gd5]" the circled
// squares, each entry a colour letter (G green, R red, B blue, Y yellow) and
// its squares. A drawing belongs to the position after the move whose
// comment holds it. Reading skips whatever entry it cannot understand and
// never fails; writing puts the commands in place of earlier ones.
// Plain C++, no Qt.
#pragma once

#include "core/Square.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class DrawColour : std::uint8_t { Green, Red, Blue, Yellow };

// 'G', 'R', 'B', 'Y'.
char DrawColourLetter(DrawColour colour);
// The colour of a letter (either case), nullopt for any other character.
std::optional<DrawColour> DrawColourFromLetter(char letter);

struct DrawnArrow {
    Square From = Square::None;
    Square To = Square::None;
    DrawColour Colour = DrawColour::Green;
    friend bool operator==(const DrawnArrow&, const DrawnArrow&) = default;
};

struct DrawnCircle {
    Square At = Square::None;
    DrawColour Colour = DrawColour::Green;
    friend bool operator==(const DrawnCircle&, const DrawnCircle&) = default;
};

// The arrows and circles of one position, in the order they were drawn;
// at most one arrow per pair of squares and one circle per square.
struct BoardDrawing {
    std::vector<DrawnArrow> Arrows;
    std::vector<DrawnCircle> Circles;

    bool Empty() const { return Arrows.empty() && Circles.empty(); }
    // Drawing a mark again: the same colour removes it, another colour
    // recolours it, a new one is added. Squares off the board and arrows
    // from a square to itself are ignored.
    void Toggle(const DrawnArrow& arrow);
    void Toggle(const DrawnCircle& circle);

    friend bool operator==(const BoardDrawing&, const BoardDrawing&) = default;
};

// Every arrow and circle of the comment's %cal and %csl commands (any number
// of each, anywhere in the text); unreadable entries and commands without
// their closing bracket are skipped, a repeated square keeps its last colour.
BoardDrawing CommentDrawing(std::string_view comment);
// The comment without its %cal and %csl commands (and the blanks they leave).
std::string WithoutCommentDrawing(std::string_view comment);
// The comment with its drawing set: the old commands go, and "[%csl ...]"
// and "[%cal ...]" for what `drawing` holds come at its start.
std::string WithCommentDrawing(std::string_view comment, const BoardDrawing& drawing);
