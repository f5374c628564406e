// Loading the engine position from a board state: piece letters, side to
// move, and the castling rights and en passant square it keeps.
#include "EngineTestSupport.h"

#include <algorithm>

using namespace engine;

namespace {

bool Generates(LinkedEngine& e, const std::string& move)
{
    const auto moves = e.GeneratedMoves();
    return std::find(moves.begin(), moves.end(), move) != moves.end();
}

} // namespace

TEST(LoadPosition, ReadsLettersSideAndRights)
{
    GameState state =
        GameState::FromPlacement("rnbqkbnrpppppppp" + std::string(32, ' ') + "PPPPPPPPRNBQKBNR", false,
                                 CastleSet{CanStillCastle::WhiteKingSide, CanStillCastle::BlackQueenSide});
    TChessEngine engine;
    engine.LinkTo(state);
    engine.LoadPosition();
    const int pieces[8] = {Rook, Knight, Bishop, Queen, King, Bishop, Knight, Rook};
    for (int file = 0; file < 8; ++file) {
        EXPECT_EQ(engine.SquarePieceAt(file), pieces[file]);
        EXPECT_EQ(engine.SquareColourAt(file), Black);
        EXPECT_EQ(engine.SquarePieceAt(56 + file), pieces[file]);
        EXPECT_EQ(engine.SquareColourAt(56 + file), White);
        EXPECT_EQ(engine.SquarePieceAt(48 + file), Pawn);
        EXPECT_EQ(engine.SquarePieceAt(32 + file), EmptyCode);
        EXPECT_EQ(engine.SquareColourAt(32 + file), EmptyCode);
    }
    EXPECT_EQ(engine.GetSideToMove(), Black);
    EXPECT_EQ(engine.GetCastleRights(), 1 | 8);
    EXPECT_EQ(engine.GetEnPassantSquare(), -1);
    EXPECT_EQ(engine.CurrentPly(), 0);
}

TEST(LoadPosition, MissingLinksReadAsAnEmptyBoard)
{
    TChessEngine engine;
    engine.LoadPosition();
    engine.GenerateMoves();
    EXPECT_TRUE(engine.CurrentMoves().empty());
    engine.FindBestMove(); // no depth link: no iteration, no crash
    EXPECT_EQ(engine.Nodes(), 0u);
}

// A position written straight into the board keeps the castling rights and
// the en passant square the board held before. The engine must not castle
// with a rook that is not there, nor capture en passant a pawn that never
// passed.
TEST(LoadPosition, DropsCastlingRightsWithoutKingAndRookAtHome)
{
    LinkedEngine e("r3k3/8/8/8/8/8/8/4K2R w KQkq - 0 1");
    // FEN checking keeps the rights as given; the engine trims them.
    EXPECT_EQ(e->GetCastleRights(), 1 | 8);
    EXPECT_TRUE(Generates(e, "e1g1"));
    EXPECT_FALSE(Generates(e, "e1c1"));

    LinkedEngine kingAway("r3k2r/8/8/8/8/8/8/R2K3R w KQkq - 0 1");
    EXPECT_EQ(kingAway->GetCastleRights(), 4 | 8);

    LinkedEngine wrongColour("R3k2r/8/8/8/8/8/8/r3K2R w KQkq - 0 1");
    EXPECT_EQ(wrongColour->GetCastleRights(), 1 | 4);
}

TEST(LoadPosition, DropsAnEnPassantSquareNoPawnPassed)
{
    // No Black pawn on d5: capturing on d6 would erase the knight there.
    LinkedEngine noPawn("4k3/8/8/2Pn4/8/8/8/4K3 w - d6 0 1");
    EXPECT_EQ(noPawn->GetEnPassantSquare(), -1);
    for (const std::string& move : noPawn.GeneratedMoves())
        EXPECT_NE(move, "c5d6");

    // Occupied square, or a pawn of the wrong colour beyond it.
    LinkedEngine occupied("4k3/8/3n4/2Pp4/8/8/8/4K3 w - d6 0 1");
    EXPECT_EQ(occupied->GetEnPassantSquare(), -1);
    LinkedEngine ownPawn("4k3/8/8/2PP4/8/8/8/4K3 w - d6 0 1");
    EXPECT_EQ(ownPawn->GetEnPassantSquare(), -1);

    // A square on the wrong rank for the side to move, given directly.
    GameState state = GameState::FromPlacement(std::string(64, ' '));
    state.Put(Square::E1, 'K');
    state.Put(Square::E8, 'k');
    state.Put(Square::D4, 'P');
    state.EnPassant = Square::D3;
    TChessEngine engine;
    engine.LinkTo(state);
    engine.LoadPosition();
    EXPECT_EQ(engine.GetEnPassantSquare(), -1);
}

TEST(LoadPosition, PositionsReachedByPlayKeepTheirRights)
{
    GameState state = GameState::Initial();
    TChessEngine engine;
    for (const char* move : {"e2e4", "g8f6", "e4e5", "d7d5"})
        ASSERT_EQ(PlayMove(engine, state, move), MoveTextResult::Legal) << move;
    EXPECT_EQ(state.EnPassant, Square::D6);
    engine.LinkTo(state);
    engine.LoadPosition();
    EXPECT_EQ(engine.GetEnPassantSquare(), EngineSq("d6"));
    EXPECT_EQ(engine.GetCastleRights(), 15);
    TEngineMove move;
    EXPECT_EQ(FindLegalMove(engine, "e5d6", move), MoveTextResult::Legal);
    EXPECT_EQ(move.Flags, EnPassantCapture);
}

TEST(LoadPosition, StoreGivesBackWhatWasLoaded)
{
    const std::string fen = "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1";
    LinkedEngine e(fen);
    GameState stored;
    e->StorePosition(stored);
    EXPECT_EQ(WriteFen(stored), fen);
    EXPECT_EQ(stored.Board, e.State.Board);
}
