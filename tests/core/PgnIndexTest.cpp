// The places of a PGN text's games: each game read from its place alone is
// the game the whole-text reader gives, with the same fault at the same
// line and column, for real games, for every layout the reader takes, for
// broken files, and for texts damaged at random.
#include "core/PgnIndex.h"

#include "tests/common/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string ReadFixture(const std::string& name)
{
    std::ifstream in(SourceDir() + "/tests/core/data/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// "" when the games found from the places are the reader's, else the first
// difference.
std::string Difference(const std::string& text)
{
    const std::vector<PgnGame> whole = ReadPgn(text);
    std::vector<PgnGamePlace> places;
    EXPECT_TRUE(IndexPgn(text, places));
    std::ostringstream out;
    if (places.size() != whole.size()) {
        out << places.size() << " places for " << whole.size() << " games";
        return out.str();
    }
    for (std::size_t i = 0; i < whole.size(); ++i) {
        const PgnGame alone = ReadIndexedGame(GameText(text, places, i), places[i], i);
        const PgnGame& expected = whole[i];
        out.str("");
        out << "game " << i << " at " << places[i].Line << ":" << places[i].Column << ": ";
        if (alone.Index != expected.Index || alone.Ok != expected.Ok) {
            out << "read " << (alone.Ok ? "well" : alone.Error) << ", whole "
                << (expected.Ok ? "well" : expected.Error);
            return out.str();
        }
        if (expected.Ok) {
            if (alone.Value.PlyCount() != expected.Value.PlyCount() ||
                alone.Value.FinalFen() != expected.Value.FinalFen() ||
                alone.Value.Result() != expected.Value.Result() ||
                alone.Value.Tags().size() != expected.Value.Tags().size()) {
                out << alone.Value.PlyCount() << " plies " << alone.Value.Result() << " for "
                    << expected.Value.PlyCount() << " plies " << expected.Value.Result();
                return out.str();
            }
        } else if (alone.Line != expected.Line || alone.Column != expected.Column ||
                   alone.Problem.Reason != expected.Problem.Reason) {
            out << alone.Line << ":" << alone.Column << " " << alone.Error << " for " << expected.Line << ":"
                << expected.Column << " " << expected.Error;
            return out.str();
        }
    }
    return {};
}

// The faults of the characters and of the structure, which the scan sees
// as the reader does.
bool SeenByTheScan(NotationReason reason)
{
    switch (reason) {
    case NotationReason::PgnNullMove:
    case NotationReason::PgnReservedCharacter:
    case NotationReason::PgnUnexpectedCharacter:
    case NotationReason::PgnUnclosedString:
    case NotationReason::PgnStringTooLong:
    case NotationReason::PgnUnclosedComment:
    case NotationReason::PgnCommentTooLong:
    case NotationReason::PgnNagOutOfRange:
    case NotationReason::PgnNagWithoutNumber:
    case NotationReason::PgnAnnotationTooLong:
    case NotationReason::PgnBadAnnotation:
    case NotationReason::PgnSymbolTooLong:
    case NotationReason::PgnExpectedTagName:
    case NotationReason::PgnExpectedTagValue:
    case NotationReason::PgnExpectedTagEnd:
    case NotationReason::PgnTooManyTags:
    case NotationReason::PgnStringOutsideTag:
    case NotationReason::PgnBracketOutsideTag:
    case NotationReason::PgnUnopenedVariation:
    case NotationReason::PgnUnclosedVariation:
    case NotationReason::PgnVariationsTooDeep: return true;
    default: return false;
    }
}

const char* const Layouts[] = {
    // Tags, no termination marker: the next tag section ends the game.
    "[Event \"A\"]\n\n1. e4 e5\n\n[Event \"B\"]\n\n1. d4 d5 *\n",
    // Move text only, comments and escape lines between games.
    "1. e4 e5 1-0 {a note after the game}\n% another program's line\n1. d4 *\n; the end\n",
    // A comment before the tags is no game; a lone result is one.
    "{intro}\n[White \"X\"]\n1. c4 1/2-1/2\n\n0-1\n",
    // Variations, nested, with a result inside that ends nothing.
    "[Event \"V\"]\n1. e4 (1. d4 d5 (1... Nf6 2. c4 1-0) 2. c4) e5 2. Nf3 $1 Nc6!? *\n\n1. a3 *\n",
    // CR LF line ends and a byte-order mark at the start.
    "\xEF\xBB\xBF[Event \"C\"]\r\n[Site \"?\"]\r\n\r\n1. e4 e5\r\n2. Nf3 1-0\r\n\r\n[Event \"D\"]\r\n\r\n1. d4 *\r\n",
    // En passant marks, escaped quotes in a tag, a game that ends the text.
    "[White \"A \\\"B\\\" C\"]\n1. e4 a6 2. e5 d5 3. exd6 e.p. *\n\n[Black \"Z\"]\n1. h3",
    // Tags with comments between them and the moves.
    "[Event \"E\"]\n{before the moves}\n[Site \"S\"]\n1. e4 *\n",
};

const char* const Broken[] = {
    // An illegal move: the game goes on to its termination marker.
    "1. e4 e5 2. Ke3 Nc6 *\n\n[Event \"N\"]\n1. d4 *\n",
    // A broken tag line skips the rest of its tag section.
    "[Event \"A\" junk]\n[Site \"B\"]\n\n1. e4 *\n\n[Event \"C\"]\n1. d4 *\n",
    // A tag that does not end, a string and a bracket outside tags.
    "[Event \"open\n[Site \"x\"]\n1. e4 *\n\n1. d4 \"text\" d5 *\n\n1. c4 ] c5 *\n\n1. Nf3 *\n",
    // Characters PGN has not, a null move, bad annotations.
    "1. e4 <x> e5 *\n\n1. d4 -- d5 *\n\n1. c4 $ c5 *\n\n1. g3 $999 *\n\n1. b3 !!!? *\n\n1. a4 *\n",
    // A variation not closed before the next game, one never opened.
    "1. e4 (1. d4 d5\n\n[Event \"X\"]\n1. c4 *\n\n1. e4 ) e5 *\n\n1. h4 *\n",
    // A brace that nothing closes, and a variation open at the end.
    "1. e4 {never closed 2. d4 1-0\n\n[Event \"Y\"]\n1. f4 *\n\n1. e4 (1. d4",
    // A tag without a name, without a value, a tag at the very end.
    "[ \"x\"]\n1. e4 *\n\n[Event]\n1. d4 *\n\n[Event \"Z\"",
};

} // namespace

TEST(PgnIndex, EveryGameReadFromItsPlaceIsTheReadersGame)
{
    const std::string famous = ReadFixture("famous.pgn");
    ASSERT_FALSE(famous.empty()) << "no fixture (KESTRAVIN_SOURCE_DIR)";
    EXPECT_EQ(Difference(famous), "");
    for (const char* text : Layouts)
        EXPECT_EQ(Difference(text), "") << text;
    for (const char* text : Broken)
        EXPECT_EQ(Difference(text), "") << text;

    // The places themselves: line and column of each game's first token.
    std::vector<PgnGamePlace> places;
    ASSERT_TRUE(IndexPgn("1. e4 *\r\n\r\n  [Event \"B\"]\n1. d4 *\r2. c4", places));
    ASSERT_EQ(places.size(), 3u);
    EXPECT_EQ(places[1].Offset, 13u);
    EXPECT_EQ(places[1].Line, 3u);
    EXPECT_EQ(places[1].Column, 3u);
    EXPECT_EQ(places[2].Line, 5u);
    EXPECT_EQ(places[2].Column, 1u);
}

TEST(PgnIndex, TextsDamagedAtRandomGiveTheReadersGames)
{
    const std::string famous = ReadFixture("famous.pgn");
    ASSERT_FALSE(famous.empty()) << "no fixture (KESTRAVIN_SOURCE_DIR)";
    std::vector<std::string> sources{famous};
    for (const char* text : Layouts)
        sources.emplace_back(text);
    static constexpr char pieces[] = "[]{}()\"*;%\n.$!? e4 1-0 Nf3 \\";
    std::mt19937 random(20261207);
    int differences = 0;
    int compared = 0;
    std::string first;
    const int trials = 600;
    for (int trial = 0; trial < trials; ++trial) {
        std::string text = sources[random() % sources.size()];
        const int damages = 1 + static_cast<int>(random() % 3);
        for (int d = 0; d < damages && !text.empty(); ++d) {
            const std::size_t at = random() % text.size();
            const char piece = pieces[random() % (sizeof pieces - 1)];
            // A tag section begins a line: one in the middle of a line
            // after an illegal move is where the scan and the reader differ
            // (see PgnIndex.h).
            const std::string inserted = piece == '[' ? std::string("\n[") : std::string(1, piece);
            switch (random() % 3) {
            case 0: text.insert(at, inserted); break;
            case 1: text.erase(at, 1 + random() % 4); break;
            default: text.replace(at, 1, inserted); break;
            }
        }
        // A fault in a move (an illegal one, a move past the end of a
        // game) is seen by the reader alone; its search for the next game
        // then passes over variations and a tag section in the middle of
        // a line, which the scan does not (see PgnIndex.h).
        bool movesFault = false;
        for (const PgnGame& game : ReadPgn(text))
            movesFault = movesFault || (!game.Ok && !SeenByTheScan(game.Problem.Reason));
        if (movesFault)
            continue;
        ++compared;
        const std::string difference = Difference(text);
        if (!difference.empty()) {
            ++differences;
            if (first.empty())
                first = difference + "\n" + text;
        }
    }
    EXPECT_EQ(differences, 0) << "of " << compared << "; the first: " << first;
    // Most damaged texts have faults the scan sees.
    EXPECT_GT(compared, trials / 2);
}

TEST(PgnIndex, TheScanReportsItsProgressAndStopsWhenAsked)
{
    std::string text;
    for (int i = 0; i < 40000; ++i)
        text += "[Event \"E" + std::to_string(i) + "\"]\n\n1. e4 e5 2. Nf3 Nc6 *\n\n";
    std::vector<PgnGamePlace> places;
    std::vector<std::size_t> reports;
    ASSERT_TRUE(IndexPgn(text, places, [&](std::size_t scanned) {
        reports.push_back(scanned);
        return true;
    }));
    EXPECT_EQ(places.size(), 40000u);
    ASSERT_GE(reports.size(), 2u);
    EXPECT_EQ(reports.back(), text.size());
    EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));

    places.clear();
    EXPECT_FALSE(IndexPgn(text, places, [](std::size_t scanned) { return scanned < 1000; }));
    EXPECT_LT(places.size(), 40000u);
}
