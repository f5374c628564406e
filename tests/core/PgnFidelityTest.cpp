// PGN files come back as they went in: the whole game tree (variations
// nested in variations, with their comments and NAGs), set-up positions with
// their move counters, any line end, joined files; whatever the writer makes
// the reader takes; and reading on after broken games stays linear in the
// length of a line.
#include "core/Pgn.h"
#include "tests/common/TestPaths.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string ReadFixture(const std::string& name)
{
    std::ifstream in(SourceDir() + "/tests/core/data/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string ErrorOf(const PgnGame& game)
{
    return std::to_string(game.Line) + ":" + std::to_string(game.Column) + " " + game.Error;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// Everything a file says of a game: tags, start with its counters, every
// move of the tree with its comments and NAGs, the result.
void ExpectSameGame(const Game& a, const Game& b, const std::string& what)
{
    ASSERT_EQ(a.Tags().size(), b.Tags().size()) << what;
    for (std::size_t i = 0; i < a.Tags().size(); ++i) {
        EXPECT_EQ(a.Tags()[i].Name, b.Tags()[i].Name) << what;
        EXPECT_EQ(a.Tags()[i].Value, b.Tags()[i].Value) << what;
    }
    EXPECT_EQ(a.FenAt(0), b.FenAt(0)) << what;
    EXPECT_EQ(a.StartComment(), b.StartComment()) << what;
    EXPECT_TRUE(a.Moves() == b.Moves()) << what;
    EXPECT_EQ(a.Result(), b.Result()) << what;
}

std::vector<Game> ReadAll(const std::string& text)
{
    std::vector<Game> games;
    for (PgnGame& game : ReadPgn(text)) {
        EXPECT_TRUE(game.Ok) << game.Index << ": " << ErrorOf(game);
        games.push_back(std::move(game.Value));
    }
    return games;
}

} // namespace

TEST(CorePgnFidelity, VariationsCommentsNagsAndCountersSurviveAReadAndAWrite)
{
    // CRLF line ends, names beyond ASCII, variations three deep with their
    // own comments and NAGs, two set-up positions with their counters.
    const std::string file = ReadFixture("annotated.pgn");
    ASSERT_NE(file.find("\r\n"), std::string::npos);
    const std::vector<Game> games = ReadAll(file);
    ASSERT_EQ(games.size(), 4u);

    const Game& sicilian = games[0];
    EXPECT_EQ(sicilian.Tag("Black"), "M\xC3\xBCller, Zo\xC3\xAB");
    ASSERT_EQ(sicilian.PlyCount(), 29u);
    const GameMove& c5 = sicilian.Moves()[1];
    EXPECT_EQ(c5.San, "c5");
    EXPECT_EQ(c5.Nags, std::vector<int>{1});
    EXPECT_EQ(c5.Comment, "A siciliana.");
    ASSERT_EQ(c5.Variations.size(), 2u);
    const GameVariation& open = c5.Variations[0];
    ASSERT_EQ(open.Moves.size(), 3u);
    EXPECT_EQ(open.Moves[0].San, "e5");
    EXPECT_EQ(open.Moves[2].San, "Nc6");
    EXPECT_EQ(open.Moves[2].Nags, std::vector<int>{10});
    ASSERT_EQ(open.Moves[1].Variations.size(), 1u);
    const GameVariation& gambit = open.Moves[1].Variations[0];
    ASSERT_EQ(gambit.Moves.size(), 3u);
    EXPECT_EQ(gambit.Moves[0].San, "f4");
    EXPECT_EQ(gambit.Moves[0].Comment, "O gambito do rei.");
    EXPECT_EQ(gambit.Moves[1].Nags, std::vector<int>{6});
    ASSERT_EQ(gambit.Moves[1].Variations.size(), 1u);
    const GameVariation& counter = gambit.Moves[1].Variations[0];
    EXPECT_EQ(counter.Moves.at(0).San, "d5");
    EXPECT_EQ(counter.Moves.at(0).Comment, "contragambito");
    EXPECT_EQ(counter.Moves.at(1).San, "exd5");
    EXPECT_EQ(c5.Variations[1].Moves.at(0).Comment, "Caro-Kann");
    // The main line goes on after its variations.
    EXPECT_EQ(sicilian.Moves()[2].San, "Nf3");
    EXPECT_EQ(sicilian.Moves()[27].Variations.at(0).Moves.at(1).San, "f3");

    const Game& rook = games[1];
    EXPECT_EQ(rook.Tag("Site"), "\xC5\x81\xC3\xB3\x64\xC5\xBA");
    EXPECT_EQ(rook.FenAt(0), "8/5k2/8/8/8/3K4/6R1/8 w - - 98 80");
    EXPECT_EQ(rook.FinalFen(), "8/8/4k1R1/8/8/3K4/8/8 b - - 101 81");
    EXPECT_EQ(rook.Moves()[1].Variations.at(0).Moves.at(1).Variations.at(0).Moves.at(0).San, "Rh5");

    const Game& castles = games[2];
    EXPECT_EQ(castles.StartComment(), "Pretas jogam.");
    EXPECT_EQ(castles.Moves()[1].Variations.at(0).Moves.at(1).Nags, std::vector<int>{4});
    EXPECT_EQ(castles.Moves()[1].Variations.at(0).Moves.at(1).Variations.at(0).Moves.at(0).San, "Ra2+");

    const GameVariation& before = games[3].Moves()[9].Variations.at(0);
    EXPECT_EQ(before.StartComment, "antes");
    EXPECT_EQ(before.Moves.at(0).Comment, "pior");

    // Written and read again: the same games, and the same text a second time.
    for (const Game& game : games) {
        const std::string written = WritePgn(game);
        const std::vector<Game> back = ReadAll(written);
        ASSERT_EQ(back.size(), 1u) << written;
        ExpectSameGame(back[0], game, written);
        EXPECT_EQ(WritePgn(back[0]), written);
        std::istringstream lines(written);
        for (std::string line; std::getline(lines, line);)
            EXPECT_LE(line.size(), 80u) << line;
    }

    // The line ends are only layout.
    for (const char* ending : {"\n", "\r"}) {
        const std::vector<Game> same = ReadAll(Replaced(file, "\r\n", ending));
        ASSERT_EQ(same.size(), games.size());
        for (std::size_t i = 0; i < games.size(); ++i)
            ExpectSameGame(same[i], games[i], "game " + std::to_string(i));
    }
}

TEST(CorePgnFidelity, VariationsAreCheckedLikeTheMainLine)
{
    // A variation's move is read in the position before the move it
    // replaces, and an illegal one makes the game unreadable.
    std::vector<PgnGame> games = ReadPgn("1. e4 e5 (1... e4) 2. Nf3 *\n\n1. e4 (1. e4 e5 2. Ke2) *\n");
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(ErrorOf(games[0]), "1:16 lance ilegal: \"e4\"");
    ASSERT_TRUE(games[1].Ok) << ErrorOf(games[1]);
    EXPECT_EQ(games[1].Value.Moves()[0].Variations.at(0).Moves.at(2).San, "Ke2");

    // A variation before any move has nothing to replace and is passed over;
    // a result inside a variation ends nothing.
    games = ReadPgn("(1. d4) 1. e4 (1. d4 d5 *) e5 1-0");
    ASSERT_EQ(games.size(), 1u);
    ASSERT_TRUE(games[0].Ok) << ErrorOf(games[0]);
    EXPECT_EQ(games[0].Value.PlyCount(), 2u);
    EXPECT_EQ(games[0].Value.Moves()[0].Variations.at(0).Moves.size(), 2u);
    EXPECT_EQ(games[0].Value.Result(), "1-0");
}

TEST(CorePgnFidelity, CrAndCrLfEndLinesAsLfDoes)
{
    const std::string lf = "[Event \"a\"]\n\n1. e4 e5 ; a line comment\n2. Nf3 *\n\n"
                           "[Event \"b\"]\n%escape line\n\n1. d4 d5\n2. Kd3 *\n\n"
                           "[Event \"c\"]\n\n1. c4 *\n";
    for (const char* ending : {"\n", "\r\n", "\r"}) {
        const std::vector<PgnGame> games = ReadPgn(Replaced(lf, "\n", ending));
        ASSERT_EQ(games.size(), 3u) << ending[0];
        ASSERT_TRUE(games[0].Ok) << ErrorOf(games[0]);
        EXPECT_EQ(games[0].Value.PlyCount(), 3u);
        EXPECT_EQ(games[0].Value.Moves()[1].Comment, "a line comment");
        EXPECT_FALSE(games[1].Ok);
        EXPECT_EQ(ErrorOf(games[1]), "10:4 lance ilegal: \"Kd3\"");
        ASSERT_TRUE(games[2].Ok) << ErrorOf(games[2]);
        EXPECT_EQ(games[2].Value.Tag("Event"), "c");
    }
}

TEST(CorePgnFidelity, BrokenGamesOnOneLongLineAreEachReportedAtTheirColumn)
{
    // Reading on after a broken game looks only at what follows it; before,
    // it went back over the whole line once per game.
    const std::string broken = "1. e4 e5 2. Kf3 Nc6 1-0 ";
    std::string text;
    const std::size_t count = 40000;
    for (std::size_t i = 0; i < count; ++i)
        text += broken;
    text += "1. d4 *";
    std::size_t refused = 0;
    bool placesRight = true;
    PgnGame last;
    ReadPgn(text, [&](PgnGame&& game) {
        if (!game.Ok) {
            placesRight =
                placesRight && game.Line == 1 && game.Column == static_cast<int>(refused * broken.size() + 13);
            ++refused;
        }
        last = std::move(game);
    });
    EXPECT_EQ(refused, count);
    EXPECT_TRUE(placesRight);
    ASSERT_TRUE(last.Ok);
    EXPECT_EQ(last.Value.Moves().at(0).San, "d4");
}

TEST(CorePgnFidelity, ByteOrderMarksOfJoinedFilesAreNoGame)
{
    const std::string bom = "\xEF\xBB\xBF";
    for (const std::string& text :
         {bom + "1. e4 *\n\n" + bom + "[Event \"b\"]\n\n1. d4 *\n", bom + "1. e4 *\r\n" + bom + "1. d4 *" + bom,
          bom + "[Event \"a\"]\n1. e4 e5 2. Ke3 *\n" + bom + "[Event \"b\"]\n1. d4 *\n"}) {
        const std::vector<PgnGame> games = ReadPgn(text);
        ASSERT_EQ(games.size(), 2u) << text;
        EXPECT_EQ(games[1].Value.Moves().at(0).San, "d4");
        if (text.find("Ke3") == std::string::npos)
            EXPECT_TRUE(games[0].Ok && games[1].Ok) << ErrorOf(games[0]) << ErrorOf(games[1]);
        else
            EXPECT_TRUE(!games[0].Ok && games[1].Ok) << ErrorOf(games[1]);
    }
}

TEST(CorePgnFidelity, WhatTheWriterWritesTheReaderTakes)
{
    // A game at the limit of tags keeps every one, and the roster is added.
    std::string text;
    for (int i = 0; i < 999; ++i)
        text += "[Tag" + std::to_string(i) + " \"" + std::to_string(i) + "\"]\n";
    text += "\n1. e4 *\n";
    std::vector<PgnGame> games = ReadPgn(text);
    ASSERT_EQ(games.size(), 1u);
    ASSERT_TRUE(games[0].Ok) << ErrorOf(games[0]);
    Game game = games[0].Value;
    game.SetTag("Extra", "one too many");
    game.SetTag("Another", "two too many");
    std::string written = WritePgn(game);
    games = ReadPgn(written);
    ASSERT_EQ(games.size(), 1u);
    ASSERT_TRUE(games[0].Ok) << ErrorOf(games[0]);
    EXPECT_EQ(games[0].Value.Tag("Event"), "?");
    EXPECT_EQ(games[0].Value.Tag("Tag998"), "998");
    EXPECT_EQ(games[0].Value.Tag("Extra"), "one too many");
    EXPECT_FALSE(games[0].Value.Tag("Another").has_value());
    // The reader's own limit still holds for tags of its own.
    EXPECT_TRUE(ReadPgn("[A \"1\"]\n" + text).front().Ok);
    EXPECT_EQ(ReadPgn("[A \"1\"]\n[B \"2\"]\n" + text).front().Error, "tags demais");

    // Comments come back word for word: a closing brace, a word longer than
    // a line, a comment before a variation's first move.
    const std::string url = "https://example.org/" + std::string(100, 'x');
    games = ReadPgn("1. e4 ; um } solto\n{" + url + "} e5 ({antes} ; e } aqui\n1... c5 ; fim }\n) *");
    ASSERT_EQ(games.size(), 1u);
    ASSERT_TRUE(games[0].Ok) << ErrorOf(games[0]);
    game = games[0].Value;
    EXPECT_EQ(game.Moves()[0].Comment, "um } solto " + url);
    EXPECT_EQ(game.Moves()[1].Variations.at(0).StartComment, "antes e } aqui");
    written = WritePgn(game);
    games = ReadPgn(written);
    ASSERT_EQ(games.size(), 1u);
    ASSERT_TRUE(games[0].Ok) << ErrorOf(games[0]) << written;
    EXPECT_TRUE(games[0].Value.Moves() == game.Moves()) << written;

    // Half a million short comments on one move, joined, are written as
    // several comments that read back as the same text.
    std::string notes = "1. e4 ";
    for (int i = 0; i < 500000; ++i)
        notes += ";c\n";
    notes += "*";
    games = ReadPgn(notes);
    ASSERT_EQ(games.size(), 1u);
    ASSERT_TRUE(games[0].Ok) << ErrorOf(games[0]);
    const std::string joined = games[0].Value.Moves()[0].Comment;
    EXPECT_EQ(joined.size(), 500000u * 2 - 1);
    written = WritePgn(games[0].Value);
    games = ReadPgn(written);
    ASSERT_EQ(games.size(), 1u);
    ASSERT_TRUE(games[0].Ok) << ErrorOf(games[0]);
    EXPECT_EQ(games[0].Value.Moves()[0].Comment, joined);
    EXPECT_EQ(WritePgn(games[0].Value), written);
}
