// Where reading goes on after a broken game: what ends the search (a
// marker, a tag section, the end), what it steps over whole, and the lines
// it counts on the way.
#include "core/PgnResume.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

// The search from the first character of `text`, on its first line.
PgnTextPlace From(std::string_view text)
{
    std::size_t unclosed = std::string_view::npos;
    return FindPgnResume(text, PgnTextPlace{}, unclosed);
}

// What follows the place the search stopped at.
std::string After(std::string_view text, const PgnTextPlace& resume)
{
    return std::string(text.substr(resume.Pos));
}

} // namespace

TEST(PgnResume, EachEndOfTheSearchIsFoundAndWhatHidesOneIsSteppedOverWhole)
{
    struct Case {
        const char* text;
        const char* rest;
        bool tags;
    };
    const Case cases[] = {
        {"X e4 1-0 d4 *", " d4 *", false},
        {"X e4 1/2-1/2", "", false},
        {"X e4 * 1-0", " 1-0", false},
        {"X 1-00 e4 0-1\n", "\n", false},                                 // a longer symbol is no marker
        {"X e4\n[Event \"B\"]\n1. d4 *", "[Event \"B\"]\n1. d4 *", true}, // the next tag section
        {"X e4 [Event \"B\"] *", "", false},                              // a bracket inside a line
        {"X {1-0 * \n[Event \"C\"]} e4 0-1 d4", " d4", false},            // a comment
        {"X ; 1-0\n% *\n e5 1-0", "", false},                             // escape lines
        {"X \"a \\\" * \" 0-1.", ".", false},                             // a string with an escape
        {"X { 1-0 never closed", " never closed", false},                 // an unclosed brace is a character
        {"X e4 e5", "", false},
    };
    for (const Case& c : cases) {
        const PgnTextPlace resume = From(c.text);
        EXPECT_EQ(After(c.text, resume), c.rest) << c.text;
        if (c.tags) {
            EXPECT_EQ(resume.Pos, resume.LineStart) << "a tag section begins its line: " << c.text;
        }
    }
}

TEST(PgnResume, ATagLineRightAfterAnotherIsPartOfTheSameSectionAndLinesAreCounted)
{
    // A tag line after the fault's line begins a section; one after a move
    // line does.
    const std::string text = "X\r\n1. e4\r[C \"3\"]\n1. d4 *";
    const PgnTextPlace resume = From(text);
    EXPECT_EQ(After(text, resume), "[C \"3\"]\n1. d4 *");
    EXPECT_EQ(resume.Line, 3u) << "CR LF counts once, a lone CR once";
    EXPECT_EQ(resume.LineStart, resume.Pos);
    EXPECT_EQ(text.substr(resume.PreviousLineStart, 5), "1. e4");

    // A fault on a tag line: the tag line after it still belongs to its
    // section, and the search goes on to the marker.
    const std::string second = "[Z \"0\"] X\n[D \"4\"]\n1. c4 *";
    const PgnTextPlace onTags = From(second);
    EXPECT_EQ(After(second, onTags), "");
    EXPECT_EQ(onTags.Line, 3u);
}

TEST(PgnResume, AFaultAtTheEndOfTheTextStaysThere)
{
    const std::string text = "1. e4 (";
    std::size_t unclosed = std::string_view::npos;
    PgnTextPlace fault;
    fault.Pos = text.size();
    EXPECT_EQ(FindPgnResume(text, fault, unclosed).Pos, text.size());
}
