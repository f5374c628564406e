// PGN: famous games read to their known final positions, the features of
// real files, broken input reported with its place and reason while the
// other games are still read, and the export format.
#include "NotationTestSupport.h"

#include "core/Pgn.h"
#include "core/San.h"
#include "tests/common/TestPaths.h"

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

} // namespace

TEST(CorePgn, FamousGamesReachTheirKnownFinalPositions)
{
    const std::vector<PgnGame> games = ReadPgn(ReadFixture("famous.pgn"));
    ASSERT_EQ(games.size(), 4u);
    struct Expected {
        const char* White;
        std::size_t Plies;
        const char* Result;
        const char* Fen;
    };
    const Expected expected[] = {
        // The Opera Game, Paris 1858.
        {"Morphy, Paul", 33, "1-0", "1n1Rkb1r/p4ppp/4q3/4p1B1/4P3/8/PPP2PPP/2K5 b k - 1 17"},
        // The Immortal Game, London 1851.
        {"Anderssen, Adolf", 45, "1-0", "r1bk3r/p2pBpNp/n4n2/1p1NP2P/6P1/3P4/P1P1K3/q5b1 b - - 1 23"},
        // The Evergreen Game, Berlin 1852.
        {"Anderssen, Adolf", 47, "1-0", "1r3kr1/pbpBBp1p/1b3P2/8/8/2P2q2/P4PPP/3R2K1 b - - 0 24"},
        // The Game of the Century, New York 1956.
        {"Byrne, Donald", 82, "0-1", "1Q6/5pk1/2p3p1/1p2N2p/1b5P/1bn5/2r3P1/2K5 w - - 16 42"},
    };
    for (std::size_t i = 0; i < games.size(); ++i) {
        ASSERT_TRUE(games[i].Ok) << i << ": " << ErrorOf(games[i]);
        const Game& game = games[i].Value;
        EXPECT_EQ(games[i].Index, i);
        EXPECT_EQ(game.Tag("White"), expected[i].White);
        EXPECT_EQ(game.PlyCount(), expected[i].Plies);
        EXPECT_EQ(game.Result(), expected[i].Result);
        EXPECT_EQ(game.FinalFen(), expected[i].Fen);
    }
    EXPECT_EQ(games[3].Value.Moves()[21].San, "Na4");
    EXPECT_EQ(games[3].Value.Moves()[21].Nags, std::vector<int>{3});
    EXPECT_EQ(games[2].Value.Moves()[6].Comment, "The Evans Gambit.");
}

TEST(CorePgn, ReadsWhatRealFilesContain)
{
    const std::string text = "\xEF\xBB\xBF% produced by some program\r\n"
                             "[Event \"Club \\\"Rei\\\" \\\\ Blitz\"]\r\n"
                             "[Site \"S\xC3\xA3o Paulo\"]\r\n"
                             "[Result \"1/2-1/2\"]\r\n"
                             "\r\n"
                             "{Opening comment} 1.e4 e5 2 Nf3 ; a comment to the end of the line\r\n"
                             "Nc6!? $14 (2... d6 3. d4 (3. Bc4 {deep} (3. c3) Be7) exd4) 3. Bb5 a6 4. Ba4\r\n"
                             "%an escape line in the middle\r\n"
                             "4... Nf6 5. O-O Be7 6. Re1 b5 7. Bb3 d6 8. c3 0-0 1/2-1/2\r\n"
                             "\r\n"
                             "[Event \"From a position\"]\n"
                             "[SetUp \"1\"]\n"
                             "[FEN \"4k3/P7/8/8/8/8/8/4K3 w - - 3 40\"]\n"
                             "\n"
                             "40. a8Q+ Kd7 41. Qb7+ Ke6 *\n"
                             "\n"
                             "1. e4 d5 2. e5 f5 3. exf6 e.p. e5 4. d4 e4 5. f4 exf3e.p. *\n"
                             "\n"
                             "1. d4 d5 2. c4\n" // no result
                             "{A note after the last game, which is no game}";
    const std::vector<PgnGame> games = ReadPgn(text);
    ASSERT_EQ(games.size(), 4u);
    for (const PgnGame& g : games)
        ASSERT_TRUE(g.Ok) << g.Index << ": " << ErrorOf(g);

    const Game& first = games[0].Value;
    EXPECT_EQ(first.Tag("Event"), "Club \"Rei\" \\ Blitz");
    EXPECT_EQ(first.Tag("Site"), "S\xC3\xA3o Paulo");
    EXPECT_EQ(first.Result(), "1/2-1/2");
    ASSERT_EQ(first.PlyCount(), 16u);
    EXPECT_EQ(first.StartComment(), "Opening comment");
    EXPECT_EQ(first.Moves()[2].Comment, "a comment to the end of the line");
    EXPECT_EQ(first.Moves()[3].San, "Nc6");
    EXPECT_EQ(first.Moves()[3].Nags, (std::vector<int>{5, 14}));
    EXPECT_EQ(first.Moves()[15].San, "O-O");
    EXPECT_EQ(first.FinalFen(), "r1bq1rk1/2p1bppp/p1np1n2/1p2p3/4P3/1BP2N2/PP1P1PPP/RNBQR1K1 w - - 1 9");

    const Game& second = games[1].Value;
    EXPECT_FALSE(second.StartsFromStandardPosition());
    EXPECT_EQ(second.StartHalfMoveClock(), 3);
    EXPECT_EQ(second.Moves()[0].San, "a8=Q+");
    EXPECT_EQ(second.FinalFen(), "8/1Q6/4k3/8/8/8/8/4K3 w - - 3 42");

    EXPECT_EQ(games[2].Value.FinalFen(), "rnbqkbnr/ppp3pp/5P2/3p4/3P4/5p2/PPP3PP/RNBQKBNR w KQkq - 0 6");
    EXPECT_EQ(games[2].Value.Moves()[4].San, "exf6");

    const Game& third = games[3].Value;
    EXPECT_EQ(third.PlyCount(), 3u);
    EXPECT_EQ(third.Result(), "*");
    EXPECT_FALSE(third.Tag("Result").has_value());
}

TEST(CorePgn, BrokenGamesGiveTheirPlaceAndReasonAndTheOthersAreStillRead)
{
    struct Case {
        const char* Name;
        std::string Broken;
        const char* Error; // line:column reason, the broken game starting on line 5
    };
    const Case cases[] = {
        {"illegal move", "1. e4 e5 2. Ke3 *", "5:13 lance ilegal: \"Ke3\""},
        {"ambiguous move", "1. Nf3 Nf6 2. d4 d5 3. Nd2 *\n", "5:24 lance ambíguo: \"Nd2\""},
        {"garbage move", "1. e4 xyz *", "5:7 lance inválido: \"xyz\""},
        {"unclosed comment", "1. e4 {never closed\n2. d4 *", "5:7 comentário sem '}' de fechamento"},
        {"unclosed variation", "1. e4 (1. d4 d5 *", "5:7 variação sem ')' de fechamento"},
        {"stray parenthesis", "1. e4 ) e5 *", "5:7 ')' sem variação aberta"},
        {"tag without quotes", "[Event Club]\n1. e4 *", "5:8 esperado o valor da tag entre aspas"},
        {"tag without bracket", "[Event \"Club\"\n1. e4 *", "6:1 esperado ']' no fim da tag"},
        {"string not closed", "[Event \"Club]\n1. e4 *", "5:8 texto entre aspas sem as aspas de fechamento"},
        {"bad FEN", "[SetUp \"1\"]\n[FEN \"8/8/8/8/8/8/8/8 w - - 0 1\"]\n1. e4 *", "6:6 FEN: as brancas não têm rei"},
        {"null move", "1. e4 -- 2. d4 *", "5:7 lance nulo (--) não é aceito"},
        {"binary", std::string("1. e4 \x01\xff\x00 e5 *", 14), "5:7 caractere inesperado 0x01"},
        {"bad NAG", "1. e4 $999 *", "5:7 NAG fora do intervalo 0 a 255"},
        {"string in move text", "1. e4 \"e5\" *", "5:7 texto entre aspas fora de uma tag"},
        {"reserved symbol", "1. e4 <e5> *", "5:7 símbolo reservado '<'"},
    };
    for (const Case& c : cases) {
        const std::string text =
            "[Event \"before\"]\n\n1. e4 e5 *\n\n" + c.Broken + "\n\n[Event \"after\"]\n\n1. d4 *\n";
        const std::vector<PgnGame> games = ReadPgn(text);
        ASSERT_EQ(games.size(), 3u) << c.Name;
        EXPECT_TRUE(games[0].Ok) << c.Name;
        EXPECT_FALSE(games[1].Ok) << c.Name;
        EXPECT_EQ(ErrorOf(games[1]), c.Error) << c.Name;
        ASSERT_TRUE(games[2].Ok) << c.Name << ": " << ErrorOf(games[2]);
        EXPECT_EQ(games[2].Index, 2u);
        EXPECT_EQ(games[2].Value.Tag("Event"), "after") << c.Name;
        EXPECT_EQ(games[2].Value.PlyCount(), 1u) << c.Name;
    }
}

TEST(CorePgn, HostileInputIsBounded)
{
    EXPECT_TRUE(ReadPgn("").empty());
    EXPECT_TRUE(ReadPgn("\xEF\xBB\xBF  \r\n% nothing\n").empty());
    EXPECT_TRUE(ReadPgn("{just a comment} ; and another\n 1. ...").empty());
    EXPECT_EQ(ReadPgn("*").size(), 1u);

    // Variations nested beyond the limit.
    std::string deep = "1. e4 ";
    for (int i = 0; i < 100000; ++i)
        deep += "( 1. d4 ";
    std::vector<PgnGame> games = ReadPgn(deep);
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(ErrorOf(games[0]), "1:" + std::to_string(7 + 8 * 64) + " variações aninhadas demais");

    // A comment larger than a token may be.
    PgnLimits limits;
    limits.MaxTokenBytes = 1000;
    games = ReadPgn("1. e4 {" + std::string(5000, 'a') + "} e5 *\n\n1. d4 *", limits);
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(ErrorOf(games[0]), "1:7 comentário longo demais");
    EXPECT_TRUE(games[1].Ok);

    // Too many half-moves, and too much text, for one game.
    std::string shuffle;
    for (int i = 0; i < 100; ++i)
        shuffle += "Nf3 Nf6 Ng1 Ng8 ";
    limits = PgnLimits();
    limits.MaxPlies = 250;
    games = ReadPgn(shuffle + "*", limits);
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(ErrorOf(games[0]), "1:1001 partida longa demais");
    limits = PgnLimits();
    limits.MaxGameBytes = 200;
    games = ReadPgn(shuffle + "*", limits);
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].Error, "partida grande demais");

    // Reading on after an error looks at each character a bounded number of
    // times: a megabyte of unclosed braces, or of semicolons on one line,
    // would otherwise be scanned once per character (minutes, not
    // milliseconds).
    games = ReadPgn("1. e4 {" + std::string(1 << 20, '{') + "\n[Event \"after\"]\n1. d4 *\n");
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(ErrorOf(games[0]), "1:7 comentário longo demais");
    EXPECT_TRUE(games[1].Ok);
    games = ReadPgn("1. e4 {" + std::string(1 << 20, ';') + "\n[Event \"after\"]\n1. d4 *\n");
    ASSERT_EQ(games.size(), 2u);
    EXPECT_TRUE(games[1].Ok);

    // A very long line of moves without any line break is read.
    games = ReadPgn(shuffle + shuffle + "*");
    ASSERT_EQ(games.size(), 1u);
    ASSERT_TRUE(games[0].Ok) << ErrorOf(games[0]);
    EXPECT_EQ(games[0].Value.PlyCount(), 800u);
    EXPECT_EQ(games[0].Value.FinalFen(), "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 800 401");
}

TEST(CorePgn, ExportFormat)
{
    Game game;
    game.SetTag("Annotator", "Kestravin");
    game.SetTag("White", "Ana \"a Rainha\" \\ Souza");
    game.SetTag("Event", "Torneio");
    game.SetPlayer(true, PlayerType::Human);
    game.SetPlayer(false, PlayerType::Program);
    game.SetLevel(3);
    game.SetStartComment("Uma abertura {clássica}");
    const char* moves[] = {"e2e4", "e7e5", "g1f3", "b8c6", "f1b5", "a7a6", "b5a4", "g8f6", "e1g1", "f8e7",
                           "f1e1", "b7b5", "a4b3", "d7d6", "c2c3", "e8g8", "h2h3", "c6b8", "d2d4", "b8d7"};
    for (const char* text : moves) {
        ChessMove move;
        std::string error;
        ASSERT_TRUE(ReadMoveText(game.FinalPosition(), text, move, error)) << error;
        ASSERT_TRUE(game.AddMove(move, &error)) << error;
    }
    game.Moves()[4].Nags = {1, 14};
    game.Moves()[4].Comment = "A espanhola, com um comentário longo o bastante para que a linha quebre em algum lugar";
    game.SetResult("1/2-1/2");

    const std::string pgn = WritePgn(game);
    std::istringstream lines(pgn);
    std::vector<std::string> all;
    for (std::string line; std::getline(lines, line);)
        all.push_back(line);
    ASSERT_GE(all.size(), 14u);
    const std::vector<std::string> head(all.begin(), all.begin() + 12);
    EXPECT_EQ(head,
              (std::vector<std::string>{"[Event \"Torneio\"]", "[Site \"?\"]", "[Date \"????.??.??\"]", "[Round \"?\"]",
                                        "[White \"Ana \\\"a Rainha\\\" \\\\ Souza\"]", "[Black \"?\"]",
                                        "[Result \"1/2-1/2\"]", "[Annotator \"Kestravin\"]", "[WhiteType \"human\"]",
                                        "[BlackType \"program\"]", "[KestravinLevel \"3\"]", ""}));
    for (const std::string& line : all)
        EXPECT_LE(line.size(), 80u) << line;
    // A closing brace would end a brace comment: the comment goes to the end
    // of its line instead.
    EXPECT_NE(pgn.find("\n;Uma abertura {clássica}\n1. e4 e5 2. Nf3 Nc6 3. Bb5 $1 $14 {A espanhola,"),
              std::string::npos)
        << pgn;
    EXPECT_NE(pgn.find("lugar} 3... a6 4. Ba4 Nf6 5. O-O Be7\n6. Re1"), std::string::npos) << pgn;
    EXPECT_EQ(pgn.substr(pgn.size() - 9), "1/2-1/2\n\n");

    // Read back: the same tags, moves, annotations and position.
    const std::vector<PgnGame> back = ReadPgn(pgn);
    ASSERT_EQ(back.size(), 1u);
    ASSERT_TRUE(back[0].Ok) << ErrorOf(back[0]);
    const Game& read = back[0].Value;
    EXPECT_EQ(read.Tag("White"), game.Tag("White"));
    EXPECT_EQ(read.Player(true), PlayerType::Human);
    EXPECT_EQ(read.Player(false), PlayerType::Program);
    EXPECT_EQ(read.Level(), 3);
    EXPECT_EQ(read.Moves()[4].Nags, (std::vector<int>{1, 14}));
    EXPECT_EQ(read.Moves()[4].Comment, game.Moves()[4].Comment);
    EXPECT_EQ(read.StartComment(), game.StartComment());
    EXPECT_EQ(read.FinalFen(), game.FinalFen());
    EXPECT_EQ(WritePgn(read), pgn);
}

TEST(CorePgn, ExportFromAPositionWritesSetUpAndBlackMoveNumbers)
{
    Game game;
    FenPosition start;
    std::string error;
    ASSERT_TRUE(ReadFen("4k3/8/8/8/8/8/8/R3K3 b Q - 5 30", start, error)) << error;
    game.SetStart(start);
    ChessMove move;
    ASSERT_TRUE(ReadMoveText(game.FinalPosition(), "Kd7", move, error)) << error;
    ASSERT_TRUE(game.AddMove(move));
    ASSERT_TRUE(ReadMoveText(game.FinalPosition(), "O-O-O+", move, error)) << error;
    ASSERT_TRUE(game.AddMove(move));
    const std::string pgn = WritePgn(game);
    EXPECT_NE(pgn.find("[Result \"*\"]\n[SetUp \"1\"]\n[FEN \"4k3/8/8/8/8/8/8/R3K3 b Q - 5 30\"]\n\n30... Kd7 "
                       "31. O-O-O+ *\n"),
              std::string::npos)
        << pgn;
    EXPECT_EQ(game.FinalFen(), "8/3k4/8/8/8/8/8/2KR4 b - - 7 31");
    EXPECT_EQ(game.HalfMoveClockAt(1), 6);
    EXPECT_EQ(game.FenAt(0), "4k3/8/8/8/8/8/8/R3K3 b Q - 5 30");
    game.Truncate(1);
    EXPECT_EQ(game.FinalFen(), "8/3k4/8/8/8/8/8/R3K3 w Q - 6 31");
}

TEST(CoreGame, TheRulesGiveTheResultOfMateStalemateAndBareKings)
{
    EXPECT_EQ(Game::RulesResult(FenState("rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR w KQkq - 1 3")), "0-1");
    EXPECT_EQ(Game::RulesResult(FenState("6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1")), "*");
    EXPECT_EQ(Game::RulesResult(FenState("R5k1/5ppp/8/8/8/8/8/6K1 b - - 0 1")), "1-0");
    EXPECT_EQ(Game::RulesResult(FenState("7k/5Q2/6K1/8/8/8/8/8 b - - 0 1")), "1/2-1/2");
    EXPECT_EQ(Game::RulesResult(FenState("7k/8/6K1/8/8/8/8/5B2 b - - 0 1")), "1/2-1/2");
    EXPECT_EQ(Game::RulesResult(GameState::Initial()), "*");
}
