// Chess960 in the core: the start positions' numbers, castling in each of
// its shapes, FEN in X-FEN and Shredder-FEN, SAN and PGN, and perft
// against Debian's stockfish for every start position.
#include "Chess960PerftData.h"
#include "NotationTestSupport.h"

#include "core/Chess960.h"
#include "core/MoveExecution.h"
#include "core/MoveList.h"
#include "core/Pgn.h"
#include "core/San.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <set>

namespace {

std::uint64_t Perft(const GameState& state, int depth)
{
    const std::vector<ChessMove> moves = LegalMoves(state);
    if (depth == 1)
        return moves.size();
    std::uint64_t total = 0;
    for (const ChessMove& move : moves)
        total += Perft(PositionAfter(state, move), depth - 1);
    return total;
}

GameState Chess960State(std::string_view fen)
{
    FenPosition position;
    std::string error;
    EXPECT_TRUE(ReadFen(fen, position, error, true)) << fen << ": " << error;
    return position.State;
}

bool HasMove(const GameState& state, Square from, Square to)
{
    const std::vector<ChessMove> moves = LegalMoves(state);
    return std::find(moves.begin(), moves.end(), ChessMove{from, to, EmptySquare}) != moves.end();
}

std::string Placement(const GameState& state)
{
    return WriteFen(state).substr(0, WriteFen(state).find(' '));
}

} // namespace

TEST(Chess960, StartPositionsFollowTheStandardNumbering)
{
    EXPECT_EQ(Chess960BackRank(518), "RNBQKBNR");
    EXPECT_EQ(Chess960BackRank(0), "BBQNNRKR");
    EXPECT_EQ(Chess960BackRank(959), "RKRNNQBB");
    EXPECT_EQ(Chess960BackRank(960), "");
    EXPECT_EQ(Chess960BackRank(-1), "");
    std::set<std::string> seen;
    for (int n = 0; n < Chess960PositionCount; ++n) {
        const std::string rank = Chess960BackRank(n);
        ASSERT_EQ(rank.size(), 8u) << n;
        const std::size_t king = rank.find('K');
        EXPECT_LT(rank.find('R'), king) << rank;
        EXPECT_GT(rank.rfind('R'), king) << rank;
        EXPECT_NE(rank.find('B') % 2, rank.rfind('B') % 2) << rank;
        EXPECT_EQ(Chess960Number(rank), n);
        EXPECT_EQ(Chess960NumberOfPlacement(Chess960StartPosition(n)), n);
        seen.insert(rank);
    }
    EXPECT_EQ(seen.size(), 960u);
    const GameState start = Chess960StartPosition(0);
    EXPECT_TRUE(start.Chess960);
    EXPECT_EQ(WriteFen(start), "bbqnnrkr/pppppppp/8/8/8/8/PPPPPPPP/BBQNNRKR w KQkq - 0 1");
    EXPECT_EQ(Chess960NumberOfPlacement(FenState("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBN1 w Qkq - 0 1")), -1);
}

TEST(Chess960, CastlingInEachShape)
{
    // The king on b1 castles queen side with the rook on a1: the king goes
    // to c1, the rook to d1.
    GameState b1 = Chess960State("1r2k2r/pppppppp/8/8/8/8/PPPPPPPP/RK2R3 w AEbh - 0 1");
    ASSERT_TRUE(HasMove(b1, Square::B1, Square::A1));
    EXPECT_EQ(MoveToSan(b1, {Square::B1, Square::A1}), "O-O-O");
    EXPECT_TRUE(HasMove(b1, Square::B1, Square::C1)); // an ordinary king step beside it
    ApplyMove(b1, Square::B1, Square::A1);
    EXPECT_EQ(Placement(b1), "1r2k2r/pppppppp/8/8/8/8/PPPPPPPP/2KRR3");
    EXPECT_FALSE(b1.CastlingAllowed.Contains(CanStillCastle::WhiteKingSide));
    EXPECT_FALSE(b1.CastlingAllowed.Contains(CanStillCastle::WhiteQueenSide));
    EXPECT_TRUE(b1.CastlingAllowed.Contains(CanStillCastle::BlackKingSide));

    // King f1 and rook g1 swap places.
    GameState swap = Chess960State("r4kr1/pppppppp/8/8/8/8/PPPPPPPP/R4KR1 w AGag - 0 1");
    ASSERT_TRUE(HasMove(swap, Square::F1, Square::G1));
    EXPECT_EQ(MoveToSan(swap, {Square::F1, Square::G1}), "O-O");
    ApplyMove(swap, Square::F1, Square::G1);
    EXPECT_EQ(Placement(swap), "r4kr1/pppppppp/8/8/8/8/PPPPPPPP/R4RK1");

    // The rook already on its destination d1; the king e1 goes to c1.
    GameState rookHome = Chess960State("3rk3/pppppppp/8/8/8/8/PPPPPPPP/3RK3 w Dd - 0 1");
    ASSERT_TRUE(HasMove(rookHome, Square::E1, Square::D1));
    EXPECT_EQ(MoveToSan(rookHome, {Square::E1, Square::D1}), "O-O-O");
    ApplyMove(rookHome, Square::E1, Square::D1);
    EXPECT_EQ(Placement(rookHome), "3rk3/pppppppp/8/8/8/8/PPPPPPPP/2KR4");
    // And on the king side: rook f1, the king b1 crosses it to g1.
    GameState rookHomeKingSide = Chess960State("1k3r2/pppppppp/8/8/8/8/PPPPPPPP/1K3R2 w Ff - 0 1");
    ASSERT_TRUE(HasMove(rookHomeKingSide, Square::B1, Square::F1));
    ApplyMove(rookHomeKingSide, Square::B1, Square::F1);
    EXPECT_EQ(Placement(rookHomeKingSide), "1k3r2/pppppppp/8/8/8/8/PPPPPPPP/5RK1");

    // The king already on its destination g1: only the rook moves.
    GameState kingHome = Chess960State("6kr/pppppppp/8/8/8/8/PPPPPPPP/6KR w Hh - 0 1");
    ASSERT_TRUE(HasMove(kingHome, Square::G1, Square::H1));
    ApplyMove(kingHome, Square::G1, Square::H1);
    EXPECT_EQ(Placement(kingHome), "6kr/pppppppp/8/8/8/8/PPPPPPPP/5RK1");

    // A knight on e1 stands on the path of the rook a1 to d1; the king on
    // f1 has to cross e1 as well.
    const GameState blocked = Chess960State("r3nk2/pppppppp/8/8/8/8/PPPPPPPP/R3NK2 w Aa - 0 1");
    EXPECT_FALSE(HasMove(blocked, Square::F1, Square::A1));
    // Only the rook's path blocked: king g1, rook a1, a knight on b1.
    const GameState rookPath = Chess960State("6k1/8/8/8/8/8/8/RN4K1 w A - 0 1");
    EXPECT_FALSE(HasMove(rookPath, Square::G1, Square::A1));
    EXPECT_TRUE(HasMove(Chess960State("6k1/8/8/8/8/8/8/R5K1 w A - 0 1"), Square::G1, Square::A1));

    // The castling rook b1 shields c1 from the rook on a1.
    EXPECT_FALSE(HasMove(Chess960State("k7/8/8/8/8/8/8/rRK5 w B - 0 1"), Square::C1, Square::B1));
    // The king b1 would cross e1, attacked by the rook on e3.
    EXPECT_FALSE(HasMove(Chess960State("1k6/8/8/8/8/4r3/8/1K4R1 w G - 0 1"), Square::B1, Square::G1));
    EXPECT_TRUE(HasMove(Chess960State("1k6/8/8/8/8/r7/8/1K4R1 w G - 0 1"), Square::B1, Square::G1));
    // Not out of check.
    EXPECT_FALSE(HasMove(Chess960State("1k6/8/8/8/8/8/1r6/1K4R1 w G - 0 1"), Square::B1, Square::G1));
    // A right whose rook was taken is gone.
    GameState taken = Chess960State("1k4r1/8/8/8/8/8/8/1K4R1 b Gg - 0 1");
    ApplyMove(taken, Square::G8, Square::G1);
    EXPECT_FALSE(taken.CastlingAllowed.Contains(CanStillCastle::WhiteKingSide));
    EXPECT_FALSE(taken.CastlingAllowed.Contains(CanStillCastle::BlackKingSide));
}

TEST(Chess960, StandardPositionsKeepTheStandardCastling)
{
    GameState standard = FenState("r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1");
    EXPECT_FALSE(standard.Chess960);
    EXPECT_TRUE(HasMove(standard, Square::E1, Square::G1));
    EXPECT_FALSE(HasMove(standard, Square::E1, Square::H1));
    // The same position as a Chess960 one castles onto the rook.
    GameState fischer = Chess960State("r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1");
    EXPECT_TRUE(HasMove(fischer, Square::E1, Square::H1));
    EXPECT_FALSE(HasMove(fischer, Square::E1, Square::G1));
    EXPECT_EQ(WriteFen(fischer), "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1");
}

TEST(Chess960, FenReadsBothFormsAndWritesXFen)
{
    // Shredder letters make a Chess960 position by themselves.
    FenPosition shredder;
    NotationError error;
    ASSERT_TRUE(ReadFen("rr2k1rr/8/8/8/8/8/8/RR2K1RR w BGbg - 0 1", shredder, error));
    EXPECT_TRUE(shredder.State.Chess960);
    // The inner rooks need their files; the outer ones would be K and Q.
    EXPECT_EQ(WriteFen(shredder.State), "rr2k1rr/8/8/8/8/8/8/RR2K1RR w GBgb - 0 1");
    FenPosition outer;
    ASSERT_TRUE(ReadFen("rr2k1rr/8/8/8/8/8/8/RR2K1RR w HAha - 0 1", outer, error));
    EXPECT_EQ(WriteFen(outer.State), "rr2k1rr/8/8/8/8/8/8/RR2K1RR w KQkq - 0 1");
    EXPECT_FALSE(outer.State == shredder.State);
    // A letter on the wrong side of nothing: no king at home.
    EXPECT_FALSE(ReadFen("4k3/8/8/8/8/8/4K3/R6R w A - 0 1", outer, error));
    EXPECT_EQ(error.Reason, NotationReason::FenCastlingRightWithoutPieces);
    // Without Chess960, K still needs the king on e1 and the rook on h1.
    EXPECT_FALSE(ReadFen("4k3/8/8/8/8/8/8/5KR1 w K - 0 1", outer, error));
    EXPECT_TRUE(ReadFen("4k3/8/8/8/8/8/8/5KR1 w K - 0 1", outer, error, true));

    // Every position of the stockfish data in both forms reads to one
    // state, written back as the X-FEN form.
    for (const Chess960PerftCase& c : LoadChess960PerftCases()) {
        FenPosition x;
        ASSERT_TRUE(ReadFen(c.XFen, x, error, true)) << c.XFen;
        FenPosition s;
        ASSERT_TRUE(ReadFen(c.ShredderFen, s, error)) << c.ShredderFen;
        EXPECT_TRUE(x.State == s.State) << c.XFen;
        EXPECT_EQ(WriteFen(x.State, x.HalfMoveClock), c.XFen);
        EXPECT_EQ(WriteFen(s.State, s.HalfMoveClock), c.XFen);
    }
}

TEST(Chess960, SanAndPgnKeepAChess960Game)
{
    Game game;
    FenPosition start;
    start.State = Chess960StartPosition(0); // bbqnnrkr
    game.SetStart(start);
    for (const char* san : {"Nd3", "Nd6", "Ne3", "Ne6", "c3", "c6", "Qc2", "Qc7", "O-O-O", "O-O-O"}) {
        ChessMove move;
        std::string error;
        ASSERT_TRUE(ReadSan(game.FinalPosition(), san, move, error)) << san << ": " << error;
        ASSERT_TRUE(game.AddMove(move, &error)) << error;
    }
    EXPECT_EQ(game.Moves()[8].Move, (ChessMove{Square::G1, Square::F1, EmptySquare}));
    EXPECT_EQ(game.Moves()[8].San, "O-O-O");
    // The rook on f1 stands on the king side castling's path.
    ChessMove shortCastle;
    NotationError refused;
    EXPECT_FALSE(ReadSan(game.PositionAt(8), "O-O", shortCastle, refused));
    const std::string text = WritePgn(game);
    EXPECT_NE(text.find("[Variant \"Chess960\"]"), std::string::npos) << text;
    EXPECT_NE(text.find("[SetUp \"1\"]"), std::string::npos);
    EXPECT_NE(text.find("[FEN \"bbqnnrkr/pppppppp/8/8/8/8/PPPPPPPP/BBQNNRKR w KQkq - 0 1\"]"), std::string::npos);
    EXPECT_NE(text.find("5. O-O-O O-O-O"), std::string::npos) << text;
    const std::vector<PgnGame> read = ReadPgn(text);
    ASSERT_EQ(read.size(), 1u);
    ASSERT_TRUE(read[0].Ok) << read[0].Error;
    EXPECT_TRUE(read[0].Value.StartState().Chess960);
    EXPECT_EQ(read[0].Value.FinalFen(), game.FinalFen());
    EXPECT_EQ(Placement(read[0].Value.FinalPosition()), "bbkr3r/ppqppppp/2pnn3/8/8/2PNN3/PPQPPPPP/BBKR3R");

    // The usual array as a Chess960 game keeps its tags too.
    Game usual;
    start.State = Chess960StartPosition(518);
    usual.SetStart(start);
    EXPECT_NE(WritePgn(usual).find("[Variant \"Chess960\"]"), std::string::npos);
    EXPECT_NE(WritePgn(usual).find("[FEN "), std::string::npos);
    // A Variant tag without FEN is the usual array as Chess960.
    const std::vector<PgnGame> tagged = ReadPgn("[Variant \"Chess960\"]\n\n1. e4 *\n");
    ASSERT_TRUE(tagged[0].Ok);
    EXPECT_TRUE(tagged[0].Value.StartState().Chess960);
}

TEST(Chess960, TheStartNumberIsWrittenAndReadAsATag)
{
    const auto numberTag = [](const Game& game) { return game.Tag(Chess960NumberTag).value_or("none"); };
    Game game;
    FenPosition start;
    start.State = Chess960StartPosition(747);
    game.SetStart(start);
    EXPECT_EQ(numberTag(game), "747");
    const std::string text = WritePgn(game);
    EXPECT_NE(text.find("[Chess960Number \"747\"]"), std::string::npos) << text;
    // A standard game, a Chess960 position that is no start, and a start
    // with Black to move carry no number.
    start.State = GameState::Initial();
    game.SetStart(start);
    EXPECT_EQ(numberTag(game), "none");
    start.State = Chess960StartPosition(747);
    start.State.Put(Square::E2, EmptySquare);
    start.State.Put(Square::E4, 'P');
    game.SetStart(start);
    EXPECT_EQ(numberTag(game), "none");
    start.State = Chess960StartPosition(747);
    start.State.WhiteToMove = false;
    game.SetStart(start);
    EXPECT_EQ(numberTag(game), "none");

    // Read back: the FEN decides, and the tag follows it; without a FEN the
    // number names the start; a number out of range or not a number is the
    // usual array.
    const auto startOf = [](const std::string& pgn) {
        const std::vector<PgnGame> read = ReadPgn(pgn);
        EXPECT_EQ(read.size(), 1u);
        EXPECT_TRUE(read.front().Ok) << read.front().Error;
        return read.front().Value;
    };
    const Game back = startOf(text);
    EXPECT_EQ(back.StartState(), Chess960StartPosition(747));
    EXPECT_EQ(numberTag(back), "747");
    const Game wrongTag = startOf("[Variant \"Chess960\"]\n[Chess960Number \"3\"]\n[SetUp \"1\"]\n[FEN \"" +
                                  WriteFen(Chess960StartPosition(12)) + "\"]\n\n*\n");
    EXPECT_EQ(numberTag(wrongTag), "12");
    EXPECT_EQ(startOf("[Variant \"Chess960\"]\n[Chess960Number \"0\"]\n\n1. Nd3 *\n").StartState(),
              Chess960StartPosition(0));
    for (const char* bad : {"960", "-1", "5x", "", "9999"})
        EXPECT_EQ(startOf(std::string("[Variant \"Chess960\"]\n[Chess960Number \"") + bad + "\"]\n\n*\n").StartState(),
                  Chess960StartPosition(518))
            << bad;
}

TEST(Chess960, AFenThatDoesNotSayItsRulesIsReadByTheRulesItsCastlingFits)
{
    FenPosition read;
    NotationError error;
    // The usual start stays standard chess.
    ASSERT_TRUE(ReadFenEitherRules(StandardStartFen, read, error));
    EXPECT_FALSE(read.State.Chess960);
    // A Chess960 start in X-FEN: KQkq fits only its own rooks.
    ASSERT_TRUE(ReadFenEitherRules(WriteFen(Chess960StartPosition(747)), read, error)) << int(error.Reason);
    EXPECT_EQ(read.State, Chess960StartPosition(747));
    // In Shredder-FEN it says so itself.
    ASSERT_TRUE(ReadFenEitherRules("rknnbqrb/pppppppp/8/8/8/8/PPPPPPPP/RKNNBQRB w GAga - 0 1", read, error));
    EXPECT_EQ(read.State, Chess960StartPosition(747));
    // Rights that fit neither rules: read as standard (its syntax is sound),
    // refused as a position, with the right that does not fit.
    const char* const lonely = "4k3/8/8/8/8/8/8/4K3 w K - 0 1";
    ASSERT_TRUE(ReadFenSyntaxEitherRules(lonely, read, error));
    EXPECT_FALSE(read.State.Chess960);
    EXPECT_FALSE(ReadFenEitherRules(lonely, read, error));
    EXPECT_EQ(error.Reason, NotationReason::FenCastlingRightWithoutPieces);
    // A bad syntax is refused by both.
    EXPECT_FALSE(ReadFenSyntaxEitherRules("rknnbqrb/pppppppp/8/8 w KQkq - 0 1", read, error));
}

TEST(Chess960, CorePerftMatchesStockfish)
{
    const std::vector<Chess960PerftCase> cases = LoadChess960PerftCases();
    if (cases.empty())
        GTEST_SKIP() << "tests/core/data/chess960_perft.txt not found";
    const auto began = std::chrono::steady_clock::now();
    int checked = 0;
    for (const Chess960PerftCase& c : cases) {
        if (c.Depth != 3)
            continue; // depth 4 is the engine's and kestravin-uci's to check
        const GameState state = Chess960State(c.XFen);
        if (c.Kind.rfind("start", 0) == 0) {
            EXPECT_EQ(Chess960NumberOfPlacement(state), std::stoi(c.Kind.substr(5))) << c.XFen;
        }
        EXPECT_EQ(Perft(state, c.Depth), c.Nodes) << c.Kind << " " << c.XFen;
        ++checked;
    }
    EXPECT_GT(checked, 1000);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    std::printf("core perft: %d Chess960 positions at depth 3 in %.1f s\n", checked, seconds);
}
