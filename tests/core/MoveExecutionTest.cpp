// What a move does to a position, without any board around it: the rook of
// a castling, the pawn an en passant capture takes, promotion to each piece,
// the en passant square and the castling rights afterwards, the turn and
// the move number.
#include "core/MoveExecution.h"
#include "core/Rules.h"

#include <gtest/gtest.h>

namespace {

GameState From(std::initializer_list<std::pair<Square, char>> pieces, bool whiteToMove = true,
               CastleSet castling = CastleSet::All())
{
    GameState state = GameState::FromPlacement(std::string(64, ' '), whiteToMove, castling);
    for (const auto& [square, piece] : pieces)
        state.Put(square, piece);
    return state;
}

TEST(MoveExecution, EachCastlingBringsItsRookAndEndsItsSidesRights)
{
    struct Case {
        Square kingFrom, kingTo, rookFrom, rookTo;
        bool white;
    } cases[] = {
        {Square::E1, Square::G1, Square::H1, Square::F1, true},
        {Square::E1, Square::C1, Square::A1, Square::D1, true},
        {Square::E8, Square::G8, Square::H8, Square::F8, false},
        {Square::E8, Square::C8, Square::A8, Square::D8, false},
    };
    for (const Case& c : cases) {
        GameState state = From({{Square::E1, 'K'},
                                {Square::A1, 'R'},
                                {Square::H1, 'R'},
                                {Square::E8, 'k'},
                                {Square::A8, 'r'},
                                {Square::H8, 'r'}},
                               c.white);
        ASSERT_TRUE(IsMoveAllowed(state, c.kingFrom, c.kingTo)) << SquareName(c.kingTo);
        const MoveOutcome outcome = ApplyMove(state, c.kingFrom, c.kingTo);
        EXPECT_TRUE(outcome.castled);
        EXPECT_EQ(state.At(c.rookTo), c.white ? 'R' : 'r');
        EXPECT_EQ(state.At(c.rookFrom), EmptySquare);
        EXPECT_EQ(state.At(c.kingTo), c.white ? 'K' : 'k');
        const CastleSet left = c.white ? CastleSet{CanStillCastle::BlackKingSide, CanStillCastle::BlackQueenSide}
                                       : CastleSet{CanStillCastle::WhiteKingSide, CanStillCastle::WhiteQueenSide};
        EXPECT_EQ(state.CastlingAllowed, left) << SquareName(c.kingTo);
    }
}

TEST(MoveExecution, AKingStepThatIsNoCastlingMovesNoRook)
{
    GameState state = From({{Square::E1, 'K'}, {Square::H1, 'R'}, {Square::E8, 'k'}});
    const MoveOutcome outcome = ApplyMove(state, Square::E1, Square::F1);
    EXPECT_FALSE(outcome.castled);
    EXPECT_EQ(state.At(Square::H1), 'R');
}

TEST(MoveExecution, EnPassantTakesThePawnBesideAndTheSquareLastsOneMove)
{
    GameState state = From({{Square::E1, 'K'}, {Square::E8, 'k'}, {Square::E2, 'P'}, {Square::D4, 'p'}});
    ApplyMove(state, Square::E2, Square::E4);
    EXPECT_EQ(state.EnPassant, Square::E3);
    const MoveOutcome outcome = ApplyMove(state, Square::D4, Square::E3);
    EXPECT_TRUE(outcome.enPassant);
    EXPECT_EQ(outcome.captured, 'P');
    EXPECT_EQ(state.At(Square::E4), EmptySquare);
    EXPECT_EQ(state.At(Square::E3), 'p');
    EXPECT_EQ(state.EnPassant, Square::None);

    // A single step sets no square, and neither does a piece moving two ranks.
    GameState quiet = From({{Square::E1, 'K'}, {Square::E8, 'k'}, {Square::A2, 'P'}, {Square::B1, 'R'}});
    ApplyMove(quiet, Square::A2, Square::A3);
    EXPECT_EQ(quiet.EnPassant, Square::None);
    quiet.WhiteToMove = true;
    ApplyMove(quiet, Square::B1, Square::B3);
    EXPECT_EQ(quiet.EnPassant, Square::None);
}

TEST(MoveExecution, PromotionGivesTheChosenPieceInTheMoversColour)
{
    for (char piece : {'Q', 'R', 'B', 'N', 'q', 'n'}) {
        GameState white = From({{Square::E1, 'K'}, {Square::H8, 'k'}, {Square::A7, 'P'}});
        const MoveOutcome outcome = ApplyMove(white, Square::A7, Square::A8, piece);
        EXPECT_EQ(white.At(Square::A8), static_cast<char>(piece & ~0x20)) << piece;
        EXPECT_EQ(outcome.promotedTo, white.At(Square::A8));
        EXPECT_EQ(outcome.moved, 'P');

        GameState black = From({{Square::E1, 'K'}, {Square::H8, 'k'}, {Square::B2, 'p'}}, false);
        ApplyMove(black, Square::B2, Square::B1, piece);
        EXPECT_EQ(black.At(Square::B1), static_cast<char>(piece | 0x20)) << piece;
    }
    // A pawn or a king is no promotion: the pawn becomes a queen.
    for (char wrong : {'P', 'K', 'x', ' '}) {
        GameState state = From({{Square::E1, 'K'}, {Square::H8, 'k'}, {Square::A7, 'P'}});
        ApplyMove(state, Square::A7, Square::A8, wrong);
        EXPECT_EQ(state.At(Square::A8), 'Q') << wrong;
    }
}

TEST(MoveExecution, RightsGoWithTheKingTheRookOrTheRooksCorner)
{
    GameState rookMoves = From({{Square::E1, 'K'}, {Square::H1, 'R'}, {Square::A1, 'R'}, {Square::E8, 'k'}});
    ApplyMove(rookMoves, Square::H1, Square::H4);
    EXPECT_FALSE(rookMoves.CastlingAllowed.Contains(CanStillCastle::WhiteKingSide));
    EXPECT_TRUE(rookMoves.CastlingAllowed.Contains(CanStillCastle::WhiteQueenSide));

    GameState kingMoves = From({{Square::E1, 'K'}, {Square::E8, 'k'}});
    ApplyMove(kingMoves, Square::E1, Square::D2);
    EXPECT_EQ(kingMoves.CastlingAllowed, (CastleSet{CanStillCastle::BlackKingSide, CanStillCastle::BlackQueenSide}));

    // A bishop takes the rook on a8: Black's queen-side right goes with it.
    GameState corner = From({{Square::E1, 'K'}, {Square::E8, 'k'}, {Square::A8, 'r'}, {Square::G2, 'B'}});
    const MoveOutcome outcome = ApplyMove(corner, Square::G2, Square::A8);
    EXPECT_EQ(outcome.captured, 'r');
    EXPECT_FALSE(corner.CastlingAllowed.Contains(CanStillCastle::BlackQueenSide));
    EXPECT_TRUE(corner.CastlingAllowed.Contains(CanStillCastle::BlackKingSide));
}

TEST(MoveExecution, TheTurnPassesAndBlacksMoveEndsTheFullMove)
{
    GameState state = GameState::Initial();
    ApplyMove(state, Square::E2, Square::E4);
    EXPECT_FALSE(state.WhiteToMove);
    EXPECT_EQ(state.CurrentMove, 1);
    ApplyMove(state, Square::E7, Square::E5);
    EXPECT_TRUE(state.WhiteToMove);
    EXPECT_EQ(state.CurrentMove, 2);
}

} // namespace
