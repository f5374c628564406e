// Games the engine plays against itself, recorded by the core, written as
// PGN and read back: every position of the game read back must be the one
// the engine played through. Two move generators and two sets of rules
// meet here, so a disagreement on any move also shows.
#include "EngineTestSupport.h"

#include "core/Pgn.h"
#include "core/San.h"

namespace {

struct SelfPlayCase {
    const char* Name;
    const char* Fen;
    std::vector<const char*> Opening; // moves played before the engine takes over
};

// Plays the opening, then the engine's choice at depth 2, until the game
// ends or `plies` half-moves are played. The engine's position after each
// half-move is kept.
Game PlaySelf(const SelfPlayCase& c, int plies, std::vector<GameState>& positions)
{
    LinkedEngine e(c.Fen);
    Game game;
    FenPosition start;
    std::string error;
    EXPECT_TRUE(ReadFen(c.Fen, start, error)) << error;
    game.SetStart(start);
    game.SetTag("Event", std::string("Self-play ") + c.Name);
    game.SetPlayer(true, PlayerType::Program);
    game.SetPlayer(false, PlayerType::Program);
    game.SetLevel(2);
    positions.assign(1, e.State);
    for (int ply = 0; ply < plies; ++ply) {
        if (LegalMoves(game.FinalPosition()).empty())
            break;
        std::string uci;
        if (ply < static_cast<int>(c.Opening.size())) {
            uci = c.Opening[ply];
        } else {
            e->LoadPosition();
            uci = e.Search(2);
        }
        ChessMove move;
        EXPECT_TRUE(ReadCoordinateMove(game.FinalPosition(), uci, move, error))
            << c.Name << " " << uci << ": " << error;
        EXPECT_TRUE(game.AddMove(move, &error)) << error;
        EXPECT_EQ(PlayMove(*e, e.State, uci), MoveTextResult::Legal) << c.Name << " " << uci;
        positions.push_back(e.State);
        if (::testing::Test::HasFailure())
            break;
    }
    game.SetResult("*");
    return game;
}

} // namespace

TEST(SelfPlayPgn, GamesWrittenAndReadBackGiveTheEnginesPositions)
{
    const SelfPlayCase cases[] = {
        {"open game", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", {"e2e4", "e7e5", "g1f3"}},
        {"queen's gambit", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", {"d2d4", "d7d5", "c2c4"}},
        {"sicilian", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", {"e2e4", "c7c5", "g1f3", "d7d6"}},
        {"kiwipete", "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", {}},
        {"promotions", "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1", {}},
        {"pawn race", "8/1p4k1/8/8/8/8/6P1/1K6 w - - 0 40", {}},
    };
    for (const SelfPlayCase& c : cases) {
        std::vector<GameState> positions;
        const Game played = PlaySelf(c, 120, positions);
        ASSERT_FALSE(HasFailure()) << c.Name;
        ASSERT_GE(played.PlyCount(), 10u) << c.Name;

        const std::vector<PgnGame> read = ReadPgn(WritePgn(played));
        ASSERT_EQ(read.size(), 1u) << c.Name;
        ASSERT_TRUE(read[0].Ok) << c.Name << ": " << read[0].Line << ":" << read[0].Column << " " << read[0].Error;
        const Game& game = read[0].Value;
        ASSERT_EQ(game.PlyCount(), played.PlyCount()) << c.Name;
        GameState replay = game.StartState();
        for (std::size_t ply = 0; ply <= game.PlyCount(); ++ply) {
            const GameState& expected = positions[ply];
            EXPECT_EQ(PositionString(replay.Board), PositionString(expected.Board)) << c.Name << " ply " << ply;
            EXPECT_EQ(replay.WhiteToMove, expected.WhiteToMove) << c.Name << " ply " << ply;
            EXPECT_EQ(replay.CastlingAllowed, expected.CastlingAllowed) << c.Name << " ply " << ply;
            EXPECT_EQ(replay.EnPassant, expected.EnPassant) << c.Name << " ply " << ply;
            if (ply < game.PlyCount()) {
                EXPECT_EQ(game.Moves()[ply].San, played.Moves()[ply].San);
                replay = PositionAfter(replay, game.Moves()[ply].Move);
            }
        }
        EXPECT_EQ(game.Player(true), PlayerType::Program);
        EXPECT_EQ(game.Level(), 2);
    }
}
