// The play aids on their own, without a widget: which marks each square
// should show for a position, a history, a selection, a hint and the
// keyboard's focus square, with each switch on or off.
#include "board/BoardPlayAids.h"

#include "core/MoveExecution.h"

#include "Placement.h"

#include <gtest/gtest.h>

#include <string>

namespace {

GameState StateOf(const char* fen, bool whiteToMove = true)
{
    return GameState::FromPlacement(PlacementFromFen(fen), whiteToMove);
}

// The squares that carry a mark bit.
std::string SquaresWith(const BoardPlayAids& aids, const GameState& game, const GameHistory& history, std::uint8_t bit)
{
    const MarkContext context = aids.ContextFor(game, history);
    std::string names;
    for (int q = 1; q <= 64; ++q) {
        const Square square = SquareFromOrd(q);
        if (aids.MarksAt(context, game, square) & bit) {
            names += static_cast<char>('a' + FileOf(square) - 1);
            names += static_cast<char>('0' + RankOf(square));
            names += ' ';
        }
    }
    return names;
}

} // namespace

TEST(BoardPlayAids, WithEverySwitchOffOnlyAChosenHintOrSelectionIsMarked)
{
    BoardPlayAids aids;
    const GameState game = StateOf("4k3/8/8/8/8/8/4r3/4K3"); // White in check
    GameHistory history;
    for (int q = 1; q <= 64; ++q)
        EXPECT_EQ(aids.MarksAt(aids.ContextFor(game, history), game, SquareFromOrd(q)), 0) << q;

    aids.Select(Square::E1);
    EXPECT_EQ(SquaresWith(aids, game, history, MarkSelected), "e1 ");
    EXPECT_EQ(SquaresWith(aids, game, history, MarkTarget | MarkCapture), ""); // targets need their switch
    EXPECT_EQ(SquaresWith(aids, game, history, MarkCheck), "");
}

TEST(BoardPlayAids, TargetsAreTheLegalMovesWithCapturesApart)
{
    BoardPlayAids aids;
    aids.ShowLegalMoves = true;
    // The e5 pawn may take d5 en passant, go to e6 or take f6.
    GameState game = StateOf("4k3/8/5n2/3pP3/8/8/8/4K3");
    game.EnPassant = Square::D6;
    GameHistory history;
    aids.Select(Square::E5);
    EXPECT_EQ(SquaresWith(aids, game, history, MarkTarget), "e6 ");
    EXPECT_EQ(SquaresWith(aids, game, history, MarkCapture), "d6 f6 ");

    // A dragged piece shows its targets only with the switch; a selection
    // comes first.
    aids.ClearSelection();
    aids.SetDragged(Square::E1);
    EXPECT_EQ(SquaresWith(aids, game, history, MarkSelected), "e1 ");
    aids.ShowLegalMoves = false;
    EXPECT_EQ(SquaresWith(aids, game, history, MarkSelected), "");
}

TEST(BoardPlayAids, CheckAndLastMoveFollowTheirSwitches)
{
    BoardPlayAids aids;
    GameState game = StateOf("4k3/8/8/8/8/8/8/R3K3");
    GameHistory history;
    history.RecordMoveFrom(game, Square::A1, Square::A8);
    MovePiece(game, Square::A1, Square::A8);
    PassTurn(game);
    history.RecordReached(game);

    aids.HighlightCheck = true;
    aids.HighlightLastMove = true;
    EXPECT_EQ(SquaresWith(aids, game, history, MarkCheck), "e8 ");
    // The last move shows only for a position reached by play.
    EXPECT_EQ(SquaresWith(aids, game, history, MarkLastMove), "");
    aids.SetPositionFromPlay(true);
    EXPECT_EQ(SquaresWith(aids, game, history, MarkLastMove), "a8 a1 ");
    aids.HighlightCheck = false;
    EXPECT_EQ(SquaresWith(aids, game, history, MarkCheck), "");
}

TEST(BoardPlayAids, AHintNeedsTwoDifferentSquaresOnTheBoard)
{
    BoardPlayAids aids;
    aids.SetHint(Square::G1, Square::F3);
    EXPECT_EQ(aids.HintFrom(), Square::G1);
    EXPECT_EQ(aids.HintTo(), Square::F3);
    aids.SetHint(Square::G1, Square::G1);
    EXPECT_EQ(aids.HintFrom(), Square::None);
    aids.SetHint(Square::G1, Square::F3);
    aids.SetHint(Square::None, Square::F3);
    EXPECT_EQ(aids.HintTo(), Square::None);

    aids.SetHint(Square::G1, Square::F3);
    aids.Select(Square::E2);
    aids.LeavePosition();
    EXPECT_EQ(aids.HintFrom(), Square::None);
    EXPECT_EQ(aids.Selected(), Square::None);
    EXPECT_FALSE(aids.ClearSelection());
}

TEST(BoardPlayAids, TheFocusFrameNeedsTheKeyboardInUseAndTheFocus)
{
    BoardPlayAids aids;
    const GameState game;
    const GameHistory history;
    aids.SetFocusSquare(Square::E2);
    EXPECT_EQ(SquaresWith(aids, game, history, MarkFocus), "");
    aids.SetKeyboardInUse(true);
    EXPECT_EQ(SquaresWith(aids, game, history, MarkFocus), "");
    aids.SetHasKeyboardFocus(true);
    EXPECT_EQ(SquaresWith(aids, game, history, MarkFocus), "e2 ");
    aids.SetKeyboardInUse(false);
    EXPECT_FALSE(aids.FocusFrameShown());
}
