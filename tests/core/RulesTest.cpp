// The widget-free core on its own: game state, rules and history work with
// no board component around them.
#include "core/Rules.h"
#include "core/GameHistory.h"
#include "core/GameState.h"

#include "Placement.h"

#include <gtest/gtest.h>

namespace {

GameState StateFrom(const std::string& placement, bool whiteToMove)
{
    GameState state;
    ParsePositionString(state.Board, placement);
    state.WhiteToMove = whiteToMove;
    state.CastlingAllowed = CastleSet();
    return state;
}

TEST(CoreRules, MobilityTellsStalemateFromMate)
{
    // Black king h8, White king g6: with a queen on f7 Black cannot move
    // and is not in check; with the queen on g7 it is mate.
    GameState stalemate = StateFrom(PlacementOf({{Square::H8, 'k'}, {Square::G6, 'K'}, {Square::F7, 'Q'}}), false);
    EXPECT_FALSE(HasMobility(stalemate));
    EXPECT_FALSE(BlackKingAttacked(stalemate, Square::H8, Square::H8));
    GameState mate = StateFrom(PlacementOf({{Square::H8, 'k'}, {Square::G6, 'K'}, {Square::G7, 'Q'}}), false);
    EXPECT_FALSE(HasMobility(mate));
    EXPECT_TRUE(BlackKingAttacked(mate, Square::H8, Square::H8));
}

TEST(CoreRules, CapturableEnPassantNeedsALegalCapture)
{
    GameState state =
        StateFrom(PlacementOf({{Square::E8, 'k'}, {Square::E1, 'K'}, {Square::D5, 'P'}, {Square::E5, 'p'}}), true);
    state.EnPassant = Square::E6;
    EXPECT_EQ(CapturableEnPassant(state), Square::E6);
    // Both pawns leaving the rank would open it to the rook: no capture.
    state.Board[Ord(Square::E1)] = ' ';
    state.Board[Ord(Square::A5)] = 'K';
    state.Board[Ord(Square::H5)] = 'r';
    EXPECT_EQ(CapturableEnPassant(state), Square::None);
    state.EnPassant = Square::None;
    EXPECT_EQ(CapturableEnPassant(state), Square::None);
}

TEST(CoreRules, MatingMaterialCounts)
{
    BoardArray board{};
    ParsePositionString(board,
                        PlacementOf({{Square::A1, 'B'},
                                     {Square::B1, 'N'},
                                     {Square::C1, 'n'},
                                     {Square::D1, 'n'},
                                     {Square::E1, 'K'},
                                     {Square::E8, 'k'},
                                     {Square::A8, 'q'}}));
    EXPECT_EQ(MatingMaterial(board, true), 5);
    EXPECT_EQ(MatingMaterial(board, false), 9);
}

TEST(CoreHistory, SlotsGrowAndRecordedGameBounds)
{
    GameHistory history;
    EXPECT_FALSE(history.HoldsRecordedPosition(1, true));
    const std::string placement(64, ' ');
    for (int move = 1; move <= 400; ++move) {
        history.RecordMove(move, true,
                           MoveInfo{placement, CastleSet(), Square::A2, Square::A3, Square::None, Square::None});
        history.RecordMove(move, false,
                           MoveInfo{placement, CastleSet(), Square::H7, Square::H6, Square::None, Square::None});
        history.SetEndMarker(move + 1, true);
        history.RecordPosition(move + 1, true, placement, CastleSet(), Square::None, Square::None);
    }
    EXPECT_TRUE(history.HoldsRecordedPosition(401, true));
    EXPECT_FALSE(history.HoldsRecordedPosition(401, false));
    EXPECT_TRUE(history.HoldsRecordedPosition(300, false));
    ASSERT_NE(history.Slot(300, false), nullptr);
    EXPECT_EQ(history.Slot(300, false)->NewSq, Square::H6);
    std::vector<std::string> lines;
    history.GetMoveList(lines);
    EXPECT_EQ(lines.size(), 800u);
    EXPECT_EQ(lines[798], "400. A2-A3");

    history.Restart();
    lines.clear();
    history.GetMoveList(lines);
    EXPECT_TRUE(lines.empty());
    EXPECT_FALSE(history.HoldsRecordedPosition(1, true));
    ASSERT_NE(history.Slot(2, true), nullptr); // slots keep their contents
}

TEST(CoreHistory, SquareNames)
{
    EXPECT_EQ(SquareName(Square::A8), "A8");
    EXPECT_EQ(SquareName(Square::H1), "H1");
    EXPECT_EQ(SquareName(Square::E4), "E4");
    EXPECT_EQ(SquareName(Square::None), "??");
}

} // namespace
