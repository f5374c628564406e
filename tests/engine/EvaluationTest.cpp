// The static evaluation: prepared tables, game phase, shield bonus and the
// pawn and rook terms.
#include "EngineTestSupport.h"

using namespace engine;

namespace {

int EvaluateFen(std::string_view fen)
{
    LinkedEngine e(fen);
    e->PrepareEvalTables();
    return e->Evaluate();
}

} // namespace

TEST(Evaluation, InitialPositionIsLevelForEitherSide)
{
    EXPECT_EQ(EvaluateFen("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1"), 0);
    EXPECT_EQ(EvaluateFen("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR b KQkq - 0 1"), 0);
}

TEST(Evaluation, KingsPawnOpeningFromBlacksSide)
{
    // The e-pawn's entry rises from 80 on e2 to 108 on e4.
    EXPECT_EQ(EvaluateFen("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1"), -28);
    EXPECT_EQ(EvaluateFen("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR w KQkq - 0 1"), 28);
}

TEST(Evaluation, LonePassedPawnInTheEndgame)
{
    // 108 for the pawn, -20 isolated, -10 isolated with no Black pawn on its
    // file, +216 passed; both kings -5 on their home squares.
    EXPECT_EQ(EvaluateFen("4k3/8/8/8/4P3/8/8/4K3 w - - 0 1"), 294);
    EXPECT_EQ(EvaluateFen("4k3/8/8/8/4P3/8/8/4K3 b - - 0 1"), -294);
    // Mirrored for Black.
    EXPECT_EQ(EvaluateFen("4k3/8/8/4p3/8/8/8/4K3 b - - 0 1"), 294);
}

TEST(Evaluation, PassedPawnCountsItsWholeEntryTwice)
{
    // e7 (120) passed and isolated: 120 - 30 + 240 = 330, kings cancel.
    EXPECT_EQ(EvaluateFen("k7/4P3/8/8/8/8/8/K7 w - - 0 1"), 330);
    // A Black pawn far behind it on a neighbouring file is enough to stop it
    // being passed, and the reverse: both pawns are isolated on files the
    // other side has no pawn on.
    const int blocked = EvaluateFen("k7/4P3/8/8/8/8/3p4/K7 w - - 0 1");
    EXPECT_EQ(blocked, (120 - 30) - (120 - 30));
    EXPECT_EQ(EvaluateFen("k7/4P3/8/8/8/8/2p5/K7 w - - 0 1"), (120 - 30 + 240) - (115 - 30 + 230));
}

TEST(Evaluation, DoubledPawnsPayEach)
{
    // Two White pawns on e2 and e3, blocked by a Black pawn on e5 that sits
    // beside nothing: both doubled (-5 each), all isolated.
    const int doubled = EvaluateFen("k7/8/8/4p3/8/4P3/4P3/K7 w - - 0 1");
    const int white = (104 - 5 - 20) + (80 - 5 - 20);
    const int black = 108 - 20;
    EXPECT_EQ(doubled, white - black);
}

TEST(Evaluation, RookFileBonuses)
{
    const int base = EvaluateFen("k7/8/8/8/8/8/8/K6R w - - 0 1");
    EXPECT_EQ(base, 500 + 15);
    EXPECT_EQ(EvaluateFen("k7/7p/8/8/8/8/8/K6R w - - 0 1"), (500 + 10) - (100 - 30 + 200));
    EXPECT_EQ(EvaluateFen("k7/8/8/8/8/8/7P/K6R w - - 0 1"), 500 + 100 - 30 + 200);
}

TEST(Evaluation, PhaseThresholdAndShield)
{
    // White king on g1, pawn on g2. Black's pieces are a queen and a rook
    // (1400): endgame table, no shield.
    {
        LinkedEngine e("q3k2r/8/8/8/8/8/6P1/6K1 w - - 0 1");
        e->PrepareEvalTables();
        EXPECT_EQ(e->PieceSquareValue(White, King, EngineSq("g1")), -5);
        EXPECT_EQ(e->PieceSquareValue(White, Pawn, EngineSq("g2")), 100);
    }
    // Adding a knight (1700): middle-game table and the king-side shield.
    {
        LinkedEngine e("q3k1nr/8/8/8/8/8/6P1/6K1 w - - 0 1");
        e->PrepareEvalTables();
        EXPECT_EQ(e->PieceSquareValue(White, King, EngineSq("g1")), 10);
        EXPECT_EQ(e->PieceSquareValue(White, Pawn, EngineSq("g2")), 120);
        EXPECT_EQ(e->PieceSquareValue(White, Pawn, EngineSq("g3")), 100 + 2 + 10);
        EXPECT_EQ(e->PieceSquareValue(White, Pawn, EngineSq("b2")), 100);
        // Black's king has only White's pawn against it: endgame table.
        EXPECT_EQ(e->PieceSquareValue(Black, King, EngineSq("e8")), -5);
    }
    // The king on e1 gets no shield.
    {
        LinkedEngine e("q3k1nr/8/8/8/8/8/6P1/4K3 w - - 0 1");
        e->PrepareEvalTables();
        EXPECT_EQ(e->PieceSquareValue(White, Pawn, EngineSq("g2")), 100);
    }
    // Black's king on b8: queen-side shield on ranks 7 to 5, read mirrored.
    {
        LinkedEngine e("1k6/8/8/8/8/8/8/QR2K1N1 w - - 0 1");
        e->PrepareEvalTables();
        EXPECT_EQ(e->PieceSquareValue(Black, Pawn, EngineSq("a7")), 100 + 20);
        EXPECT_EQ(e->PieceSquareValue(Black, Pawn, EngineSq("c6")), 100 + 3 + 10);
        EXPECT_EQ(e->PieceSquareValue(Black, Pawn, EngineSq("b5")), 100 + 4 + 5);
        EXPECT_EQ(e->PieceSquareValue(Black, King, EngineSq("b8")), 0);
    }
}

TEST(Evaluation, MinorPiecesAndMaterial)
{
    LinkedEngine e("4k3/8/8/8/8/8/8/4K3 w - - 0 1");
    e->PrepareEvalTables();
    EXPECT_EQ(e->PieceSquareValue(White, Knight, EngineSq("d4")), 310);
    EXPECT_EQ(e->PieceSquareValue(White, Bishop, EngineSq("a1")), 280);
    EXPECT_EQ(e->PieceSquareValue(Black, Knight, EngineSq("a8")), 280);
    EXPECT_EQ(e->PieceSquareValue(Black, Queen, EngineSq("h8")), 900);
    EXPECT_EQ(e->PieceSquareValue(Black, Rook, EngineSq("d5")), 500);
}
