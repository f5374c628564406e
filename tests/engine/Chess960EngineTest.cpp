// The engine in Chess960: perft against Debian's stockfish for every start
// position and the positions after moves, its legal moves equal to the
// core's, castling written king-takes-rook, and a legal move found at
// every level.
#include "Chess960PerftData.h"
#include "EngineTestSupport.h"

#include "core/Chess960.h"
#include "core/MoveExecution.h"
#include "core/MoveList.h"
#include "core/San.h"
#include "engine/Perft.h"
#include "engine/PlayingLevels.h"
#include "engine/WeakPlay.h"

#include <algorithm>

namespace {

GameState Chess960State(std::string_view fen)
{
    FenPosition position;
    std::string error;
    EXPECT_TRUE(ReadFen(fen, position, error, true)) << fen << ": " << error;
    return position.State;
}

std::vector<std::string> EngineLegalMoves(LinkedEngine& e)
{
    e->GenerateMoves();
    std::vector<TEngineMove> generated;
    for (const TMoveEntry& entry : e->CurrentMoves())
        generated.push_back(entry.Move);
    std::vector<std::string> legal;
    for (TEngineMove move : generated)
        if (e->MoveIsLegal(move))
            legal.push_back(MoveToUci(move, *e));
    std::sort(legal.begin(), legal.end());
    return legal;
}

std::vector<std::string> CoreLegalMoves(const GameState& state)
{
    std::vector<std::string> legal;
    for (const ChessMove& move : LegalMoves(state))
        legal.push_back(MoveToCoordinates(move));
    std::sort(legal.begin(), legal.end());
    return legal;
}

} // namespace

TEST(EngineChess960, PerftMatchesStockfish)
{
    const std::vector<Chess960PerftCase> cases = LoadChess960PerftCases();
    if (cases.empty())
        GTEST_SKIP() << "tests/core/data/chess960_perft.txt not found";
    int depth3 = 0, depth4 = 0;
    for (const Chess960PerftCase& c : cases) {
        // Depth 4 from the Shredder-FEN form, depth 3 from X-FEN.
        FenPosition position;
        NotationError error;
        ASSERT_TRUE(ReadFen(c.Depth == 4 ? c.ShredderFen : c.XFen, position, error, c.Depth == 3)) << c.XFen;
        LinkedEngine e(position.State);
        EXPECT_EQ(Perft(*e, c.Depth), c.Nodes) << c.Kind << " " << c.XFen;
        ++(c.Depth == 4 ? depth4 : depth3);
    }
    EXPECT_GE(depth3, 1000);
    EXPECT_GE(depth4, 60);
}

TEST(EngineChess960, LegalMovesEqualTheCoresAndCastleOntoTheRook)
{
    for (const Chess960PerftCase& c : LoadChess960PerftCases()) {
        if (c.Kind == "start518" || c.Kind.rfind("start", 0) != 0 || c.Depth == 3) {
            const GameState state = Chess960State(c.XFen);
            LinkedEngine e(state);
            EXPECT_EQ(EngineLegalMoves(e), CoreLegalMoves(state)) << c.XFen;
        }
    }
    // The king on b1 castles queen side as b1a1, and the engine's board
    // after it is the core's.
    GameState state = Chess960State("1r2k2r/pppppppp/8/8/8/8/PPPPPPPP/RK2R3 w AEbh - 0 1");
    TChessEngine engine;
    EXPECT_EQ(PlayMove(engine, state, "b1a1"), MoveTextResult::Legal);
    GameState expected = Chess960State("1r2k2r/pppppppp/8/8/8/8/PPPPPPPP/RK2R3 w AEbh - 0 1");
    ApplyMove(expected, Square::B1, Square::A1);
    EXPECT_TRUE(state == expected) << WriteFen(state);
    EXPECT_EQ(WriteFen(state).substr(0, 40), WriteFen(expected).substr(0, 40));
    // Black castles king side with the rook on h8; king e8 to g8.
    EXPECT_EQ(PlayMove(engine, state, "e8h8"), MoveTextResult::Legal);
    EXPECT_EQ(WriteFen(state), "1r3rk1/pppppppp/8/8/8/8/PPPPPPPP/2KRR3 w - - 0 1");
    // In standard chess the king's two-square move stays the castling.
    GameState standard = FenSyntaxState("r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1");
    EXPECT_EQ(PlayMove(engine, standard, "e1h1"), MoveTextResult::Illegal);
    EXPECT_EQ(PlayMove(engine, standard, "e1g1"), MoveTextResult::Legal);
    // The king already on g1: the move is g1h1 and only the rook moves.
    GameState kingHome = Chess960State("6kr/pppppppp/8/8/8/8/PPPPPPPP/6KR w Hh - 0 1");
    EXPECT_EQ(PlayMove(engine, kingHome, "g1h1"), MoveTextResult::Legal);
    EXPECT_EQ(WriteFen(kingHome), "6kr/pppppppp/8/8/8/8/PPPPPPPP/5RK1 b k - 0 1");
}

TEST(EngineChess960, EveryLevelPlaysLegalMoves)
{
    // A few plies at every level from start 0, where both castlings need
    // the pieces between king and rooks moved first.
    for (const TPlayingLevel& level : PlayingLevels()) {
        GameState state = Chess960StartPosition(0);
        TWeakRandom random(7);
        for (int ply = 0; ply < 6; ++ply) {
            LinkedEngine e(state);
            TEngineMove move;
            if (level.Beginner()) {
                ASSERT_TRUE(e->ChooseWeakMove(level.Style, random, move)) << level.PlainName;
            } else {
                e.Depth = std::min(level.SearchDepth, 3);
                e->FindBestMove();
                move = e->BestMove();
            }
            const std::string text = MoveToUci(move, *e);
            ChessMove chosen;
            std::string error;
            ASSERT_TRUE(ReadCoordinateMove(state, text, chosen, error)) << level.PlainName << " " << text;
            state = PositionAfter(state, chosen);
        }
    }
}
