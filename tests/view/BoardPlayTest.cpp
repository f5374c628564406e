// Playing without dragging: click-to-move, keyboard play with its focus
// square, and the promotion chooser, driven by synthetic mouse and key
// events on the offscreen platform.
#include "PlayTestSupport.h"

#include "tests/board/BoardTestSupport.h"
#include "tests/common/EventPump.h"

#include <QApplication>

#include <gtest/gtest.h>

using namespace playtest;
using boardtest::EventLog;
using boardtest::SetUpFen;

namespace {

QWidget* Chooser(TChessBoard& board)
{
    // A closed chooser may wait for its deletion.
    for (QWidget* w : board.findChildren<QWidget*>(QStringLiteral("promotionChooser"), Qt::FindDirectChildrenOnly))
        if (w->isVisible())
            return w;
    return nullptr;
}

// Gives the board the keyboard in an active window.
void FocusBoard(ShownBoard& b, Qt::FocusReason reason)
{
    b.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(b.window.get()));
    b->clearFocus();
    b->setFocus(reason);
    ASSERT_TRUE(b->hasFocus());
}

// The way Tab gives it.
void TabInto(ShownBoard& b)
{
    FocusBoard(b, Qt::TabFocusReason);
}

} // namespace

TEST(ClickToMove, WhenOffAPlainClickOnAPieceStillReportsAnIllegalMove)
{
    ShownBoard b(400);
    EventLog log(*b);
    ClickOn(*b, Sq("e2"));
    EXPECT_EQ(log.Take(), std::vector<std::string>{"Illegal E2"});
    EXPECT_EQ(b->SelectedSquare(), Square::None);
    ClickOn(*b, Sq("e4"));
    EXPECT_TRUE(log.Take().empty());
    EXPECT_EQ(b->PieceAt(Sq("e2")), 'P');
}

TEST(ClickToMove, TwoClicksMakeTheMoveWithTheEventsOfADrop)
{
    ShownBoard dragged(400);
    EventLog dragLog(*dragged);
    Drag(*dragged, Centre(*dragged, Sq("e2")), Centre(*dragged, Sq("e4")));

    ShownBoard b(400);
    EventLog log(*b);
    b->SetClickToMove(true);
    ClickOn(*b, Sq("e2"));
    EXPECT_EQ(b->SelectedSquare(), Sq("e2"));
    EXPECT_TRUE(log.Take().empty());
    ClickOn(*b, Sq("e4"));
    EXPECT_EQ(b->SelectedSquare(), Square::None);
    EXPECT_EQ(b->PieceAt(Sq("e4")), 'P');
    EXPECT_EQ(log.Take(), dragLog.Take());
    EXPECT_EQ(b->Position(), dragged->Position());

    // A capture: the press lands on the enemy piece.
    ASSERT_TRUE(b->MakeMove(Sq("d7"), Sq("d5")));
    ClickOn(*b, Sq("e4"));
    ClickOn(*b, Sq("d5"));
    EXPECT_EQ(b->PieceAt(Sq("d5")), 'P');
    EXPECT_EQ(log.Take(),
              (std::vector<std::string>{"LegalMove d7d5", "Paint", "LegalMove e4d5", "Capture p", "Paint"}));
}

TEST(ClickToMove, ReselectingClearingAndIllegalTargets)
{
    ShownBoard b(400);
    EventLog log(*b);
    b->SetClickToMove(true);
    const std::string start = b->Position();

    ClickOn(*b, Sq("e2"));
    ClickOn(*b, Sq("g1")); // another own piece: selected instead
    EXPECT_EQ(b->SelectedSquare(), Sq("g1"));
    ClickOn(*b, Sq("g1")); // the selected piece again: dropped
    EXPECT_EQ(b->SelectedSquare(), Square::None);

    ClickOn(*b, Sq("e7")); // not the mover's piece
    EXPECT_EQ(b->SelectedSquare(), Square::None);
    ClickOn(*b, Sq("e5")); // an empty square with nothing selected
    EXPECT_TRUE(log.Take().empty());

    // A square the piece cannot reach: reported like an illegal drop.
    ClickOn(*b, Sq("e2"));
    ClickOn(*b, Sq("e5"));
    EXPECT_EQ(b->SelectedSquare(), Square::None);
    EXPECT_EQ(log.Take(), std::vector<std::string>{"Illegal E2"});
    // Off the board and Escape only clear.
    ClickOn(*b, Sq("e2"));
    ClickAt(*b, QPoint(5, 5));
    EXPECT_EQ(b->SelectedSquare(), Square::None);
    ClickOn(*b, Sq("e2"));
    QTest::keyClick(b.board, Qt::Key_Escape);
    EXPECT_EQ(b->SelectedSquare(), Square::None);
    EXPECT_TRUE(log.Take().empty());
    EXPECT_EQ(b->Position(), start);

    // Dragging still works, and a small wobble is still a click.
    ClickOn(*b, Sq("g1"));
    Drag(*b, Centre(*b, Sq("e2")), Centre(*b, Sq("e4")));
    EXPECT_EQ(b->PieceAt(Sq("e4")), 'P');
    EXPECT_EQ(b->SelectedSquare(), Square::None);
    const QPoint e7 = Centre(*b, Sq("e7"));
    QTest::mousePress(b.board, Qt::LeftButton, Qt::NoModifier, e7);
    QTest::mouseMove(b.board, e7 + QPoint(2, 2));
    QTest::mouseRelease(b.board, Qt::LeftButton, Qt::NoModifier, e7 + QPoint(2, 2));
    EXPECT_EQ(b->SelectedSquare(), Sq("e7"));

    // Switching the option off drops the selection.
    b->SetClickToMove(false);
    EXPECT_EQ(b->SelectedSquare(), Square::None);
}

TEST(ClickToMove, AClickSelectsNothingWhileTheComputerThinks)
{
    QWidget window;
    window.resize(440, 460);
    auto* board = new TChessBoard(&window); // with its search thread
    board->resize(400, 400);
    board->SetClickToMove(true);
    board->SetAnimateMoves(false);
    window.show();
    ClickOn(*board, Sq("e2"));
    ASSERT_EQ(board->SelectedSquare(), Sq("e2"));

    board->SetSearchDepth(8); // long enough to click meanwhile
    board->SetComputerPlaysWhite(true);
    ASSERT_TRUE(PumpUntil([&] { return board->Thinking(); }, 5000));
    EXPECT_EQ(board->SelectedSquare(), Sq("e2")); // kept until the next click
    ClickOn(*board, Sq("e4"));
    EXPECT_EQ(board->SelectedSquare(), Square::None);
    EXPECT_EQ(board->PieceAt(Sq("e2")), 'P');
    ClickOn(*board, Sq("d2"));
    EXPECT_EQ(board->SelectedSquare(), Square::None);
    // Nor does the keyboard pick anything up.
    board->setFocus(Qt::TabFocusReason);
    QTest::keyClick(board, Qt::Key_Return);
    EXPECT_EQ(board->SelectedSquare(), Square::None);
    board->SetComputerPlaysWhite(false);
    EXPECT_FALSE(board->Thinking());
}

TEST(KeyboardPlay, TheFocusSquareStartsOnTheMoversKingPawnAndFollowsTheArrows)
{
    ShownBoard b(400);
    ShownBoard reference(400);
    std::vector<Square> reported;
    b->OnFocusSquareChanged = [&](QObject*, Square s) { reported.push_back(s); };

    // Focus from a click or the window shows nothing.
    FocusBoard(b, Qt::MouseFocusReason);
    EXPECT_EQ(b->FocusSquare(), Square::None);
    EXPECT_EQ(b->Canvas(), reference->Canvas());

    // The first arrow shows the frame on e2.
    QTest::keyClick(b.board, Qt::Key_Up);
    EXPECT_EQ(b->FocusSquare(), Sq("e2"));
    EXPECT_EQ(DifferingSquares(*b, *reference), Squares({"e2"}));
    int x = 0, y = 0;
    b->SquareOrigin(Sq("e2"), x, y);
    EXPECT_EQ(CanvasAt(*b, x, y), QColor(20, 100, 220));
    QTest::keyClick(b.board, Qt::Key_Up);
    QTest::keyClick(b.board, Qt::Key_Right);
    EXPECT_EQ(b->FocusSquare(), Sq("f3"));
    EXPECT_EQ(DifferingSquares(*b, *reference), Squares({"f3"}));
    EXPECT_EQ(reported, (std::vector<Square>{Sq("e2"), Sq("e3"), Sq("f3")}));

    // At the edge it stays.
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(b.board, Qt::Key_Right);
    EXPECT_EQ(b->FocusSquare(), Sq("h3"));

    // Up goes towards the top of the screen in either orientation.
    b->SetWhiteOnTop(true);
    reference->SetWhiteOnTop(true);
    EXPECT_EQ(DifferingSquares(*b, *reference), Squares({"h3"}));
    QTest::keyClick(b.board, Qt::Key_Up);
    EXPECT_EQ(b->FocusSquare(), Sq("h2"));
    QTest::keyClick(b.board, Qt::Key_Right);
    EXPECT_EQ(b->FocusSquare(), Sq("g2"));

    // The frame goes with the focus, and with a press of the mouse.
    b->clearFocus();
    EXPECT_EQ(b->Canvas(), reference->Canvas());
    b->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(DifferingSquares(*b, *reference), Squares({"g2"}));
    QTest::mousePress(b.board, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(b.board, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(b->Canvas(), reference->Canvas());
    EXPECT_EQ(b->FocusSquare(), Sq("g2"));

    // Tab brings it back; Black to move starts on e7.
    ShownBoard black(400);
    black->SetWhiteToMove(false);
    TabInto(black);
    EXPECT_EQ(black->FocusSquare(), Sq("e7"));
}

TEST(KeyboardPlay, EnterPicksUpAndPutsDownEscapePutsBack)
{
    ShownBoard b(400);
    EventLog log(*b);
    b->SetShowLegalMoves(true);
    TabInto(b);
    ASSERT_EQ(b->FocusSquare(), Sq("e2"));
    QTest::keyClick(b.board, Qt::Key_Space);
    EXPECT_EQ(b->SelectedSquare(), Sq("e2"));
    ShownBoard reference(400);
    // The frame, the selection and the two targets.
    EXPECT_EQ(DifferingSquares(*b, *reference), Squares({"e2", "e3", "e4"}));
    QTest::keyClick(b.board, Qt::Key_Escape);
    EXPECT_EQ(b->SelectedSquare(), Square::None);
    EXPECT_EQ(DifferingSquares(*b, *reference), Squares({"e2"}));

    QTest::keyClick(b.board, Qt::Key_Return);
    KeyTo(*b, Sq("e4"));
    EXPECT_EQ(b->PieceAt(Sq("e4")), 'P');
    EXPECT_EQ(log.Take(), (std::vector<std::string>{"LegalMove e2e4", "Paint"}));
    // The frame stays on the square the piece went to.
    EXPECT_EQ(b->FocusSquare(), Sq("e4"));
    reference->SetPosition(b->Position());
    EXPECT_EQ(DifferingSquares(*b, *reference), Squares({"e4"}));

    // Enter on an empty square or an enemy piece picks nothing up.
    KeyTo(*b, Sq("e5"));
    KeyTo(*b, Sq("d2"));
    EXPECT_EQ(b->SelectedSquare(), Square::None);
    EXPECT_TRUE(log.Take().empty());
}

TEST(KeyboardPlay, AWholeGameToMateByKeys)
{
    ShownBoard b(400);
    EventLog log(*b);
    b->SetWhiteOnTop(true); // the keys follow the screen
    TabInto(b);
    for (const char* move : {"f2f3", "e7e5", "g2g4", "d8h4"}) {
        KeyTo(*b, Sq(move));
        ASSERT_EQ(b->SelectedSquare(), Sq(move)) << move;
        KeyTo(*b, Sq(move + 2));
        ASSERT_EQ(b->SelectedSquare(), Square::None) << move;
    }
    const std::vector<std::string> events = log.Take();
    ASSERT_GE(events.size(), 3u);
    EXPECT_EQ(events[events.size() - 3], "Check");
    EXPECT_EQ(events[events.size() - 2], "Mate");
    EXPECT_EQ(b->PieceAt(Sq("h4")), 'q');
    EXPECT_FALSE(b->HasLegalMove());
}

class PromotionChooserTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        b->SetAskPromotionPiece(true);
        b->OnPromotion = [this](QObject*, Square, Square, char& piece) { promotedTo.push_back(piece); };
        b->OnLegalMove = [this](QObject*, Square, Square) { ++moves; };
        b->OnIllegalMove = [this](QObject*, Square) { ++illegal; };
        SetUpFen(*b, "k7/4P3/8/8/8/8/8/K7 w");
    }
    // The point of chooser cell i (queen 0 to knight 3).
    QPoint Cell(Square promotion, int i)
    {
        int x = 0, y = 0;
        b->SquareOrigin(promotion, x, y);
        const int S = b->SizeOfSquare();
        const bool downwards = y < b->height() / 2;
        return QPoint(x + S / 2, y + S / 2 + (downwards ? i : -i) * S);
    }
    ShownBoard b{400};
    std::vector<char> promotedTo;
    int moves = 0;
    int illegal = 0;
};

TEST_F(PromotionChooserTest, EachPieceCanBeChosenAfterADrop)
{
    const std::string start = b->Position();
    const char expected[] = {'Q', 'R', 'B', 'N'};
    for (int i = 0; i < 4; ++i) {
        b->SetPosition(start);
        b->SetWhiteToMove(true);
        Drag(*b, Centre(*b, Sq("e7")), Centre(*b, Sq("e8")));
        ASSERT_TRUE(b->ChoosingPromotion());
        QWidget* chooser = Chooser(*b);
        ASSERT_NE(chooser, nullptr);
        EXPECT_EQ(b->Position(), start); // nothing happens before the choice
        EXPECT_EQ(b->PieceAt(Sq("e7")), 'P');
        QTest::mouseClick(chooser, Qt::LeftButton, Qt::NoModifier, Cell(Sq("e8"), i));
        EXPECT_FALSE(b->ChoosingPromotion());
        EXPECT_EQ(b->PieceAt(Sq("e8")), expected[i]) << i;
        EXPECT_EQ(b->PieceAt(Sq("e7")), ' ');
        EXPECT_EQ(b->History().Slot(1, true)->Promotion, expected[i]);
    }
    EXPECT_EQ(promotedTo, (std::vector<char>{'q', 'r', 'b', 'n'}));
    EXPECT_EQ(moves, 4);
    EXPECT_EQ(b->PromotionPiece(), 'q');
}

TEST_F(PromotionChooserTest, EscapeOrAClickOutsideCancelsWithoutAnEvent)
{
    const std::string start = b->Position();
    ShownBoard reference(400);
    reference->SetPosition(start);
    // A mouse user's board: no keyboard frame may show up on the way.
    FocusBoard(b, Qt::MouseFocusReason);

    Drag(*b, Centre(*b, Sq("e7")), Centre(*b, Sq("e8")));
    ASSERT_TRUE(b->ChoosingPromotion());
    QTest::keyClick(Chooser(*b), Qt::Key_Escape);
    EXPECT_FALSE(b->ChoosingPromotion());
    EXPECT_EQ(b->Position(), start);
    EXPECT_TRUE(b->WhiteToMove());
    EXPECT_EQ(b->Canvas(), reference->Canvas()); // the pawn is back on e7

    // A click on the board beside the column of pieces.
    Drag(*b, Centre(*b, Sq("e7")), Centre(*b, Sq("e8")));
    ASSERT_TRUE(b->ChoosingPromotion());
    QTest::mouseClick(Chooser(*b), Qt::LeftButton, Qt::NoModifier, Centre(*b, Sq("b3")));
    EXPECT_FALSE(b->ChoosingPromotion());

    // A click in the window outside the board reaches the chooser too.
    Drag(*b, Centre(*b, Sq("e7")), Centre(*b, Sq("e8")));
    ASSERT_TRUE(b->ChoosingPromotion());
    QTest::mouseClick(b.window.get(), Qt::LeftButton, Qt::NoModifier, QPoint(430, 440));
    EXPECT_FALSE(b->ChoosingPromotion());

    EXPECT_EQ(b->Position(), start);
    EXPECT_EQ(b->Canvas(), reference->Canvas());
    EXPECT_TRUE(b->hasFocus());
    EXPECT_EQ(b->FocusSquare(), Square::None);
    EXPECT_TRUE(promotedTo.empty());
    EXPECT_EQ(moves, 0);
    EXPECT_EQ(illegal, 0);
    EXPECT_EQ(b->History().LastMoveNumber(), 1);
}

TEST_F(PromotionChooserTest, ClicksAndKeysOpenItTooAndItsKeysChoose)
{
    b->SetClickToMove(true);
    ClickOn(*b, Sq("e7"));
    ClickOn(*b, Sq("e8"));
    ASSERT_TRUE(b->ChoosingPromotion());
    QTest::keyClick(Chooser(*b), Qt::Key_C); // Cavalo
    EXPECT_EQ(b->PieceAt(Sq("e8")), 'N');

    // Black promotes at the bottom of the board: the column of pieces rises
    // from e1, and Up goes towards the middle.
    SetUpFen(*b, "k7/8/8/8/8/8/4p3/K7 b");
    TabInto(b);
    KeyTo(*b, Sq("e2"));
    KeyTo(*b, Sq("e1"));
    ASSERT_TRUE(b->ChoosingPromotion());
    QTest::keyClick(Chooser(*b), Qt::Key_Down); // already at the queen
    QTest::keyClick(Chooser(*b), Qt::Key_Up);
    QTest::keyClick(Chooser(*b), Qt::Key_Up);
    QTest::keyClick(Chooser(*b), Qt::Key_Return);
    EXPECT_EQ(b->PieceAt(Sq("e1")), 'b');
    EXPECT_TRUE(b->hasFocus());

    // On a flipped board e1 is at the top and the column goes down.
    b->SetWhiteOnTop(true);
    SetUpFen(*b, "k7/8/8/8/8/8/4p3/K7 b");
    Drag(*b, Centre(*b, Sq("e2")), Centre(*b, Sq("e1")));
    ASSERT_TRUE(b->ChoosingPromotion());
    QTest::mouseClick(Chooser(*b), Qt::LeftButton, Qt::NoModifier, Cell(Sq("e1"), 1));
    EXPECT_EQ(b->PieceAt(Sq("e1")), 'r');
    EXPECT_EQ(promotedTo, (std::vector<char>{'n', 'b', 'r'}));
}

TEST_F(PromotionChooserTest, OffOrForTheComputerThePawnBecomesThePromotionPiece)
{
    // MakeMove is the computer's way in: it never asks.
    ASSERT_TRUE(b->MakeMove(Sq("e7"), Sq("e8")));
    EXPECT_FALSE(b->ChoosingPromotion());
    EXPECT_EQ(b->PieceAt(Sq("e8")), 'Q');

    SetUpFen(*b, "k7/4P3/8/8/8/8/8/K7 w");
    b->SetAskPromotionPiece(false);
    b->SetPromotionPiece('n');
    Drag(*b, Centre(*b, Sq("e7")), Centre(*b, Sq("e8")));
    EXPECT_FALSE(b->ChoosingPromotion());
    EXPECT_EQ(b->PieceAt(Sq("e8")), 'N');

    // A change of position closes a waiting chooser.
    b->SetAskPromotionPiece(true);
    SetUpFen(*b, "k7/4P3/8/8/8/8/8/K7 w");
    Drag(*b, Centre(*b, Sq("e7")), Centre(*b, Sq("e8")));
    ASSERT_TRUE(b->ChoosingPromotion());
    b->NewGame();
    EXPECT_FALSE(b->ChoosingPromotion());
}

TEST_F(PromotionChooserTest, TheChooserFollowsAResizeOrAFlipOfTheBoard)
{
    Drag(*b, Centre(*b, Sq("e7")), Centre(*b, Sq("e8")));
    ASSERT_TRUE(b->ChoosingPromotion());
    b->resize(480, 480);
    b->SetWhiteOnTop(true);
    QWidget* chooser = Chooser(*b);
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->geometry(), b->rect());
    // e8 is now at the bottom: the rook stands one square above it.
    QTest::mouseClick(chooser, Qt::LeftButton, Qt::NoModifier, Cell(Sq("e8"), 1));
    EXPECT_EQ(b->PieceAt(Sq("e8")), 'R');
}

TEST(ClickToMove, Chess960CastlingByTheKingOntoItsRookOrItsDestination)
{
    // King b1, rooks a1 and e1 (both rights); Black likewise on the 8th.
    const auto setUp = [](TChessBoard& board) {
        board.SetPosition(std::string(" r  k  r") + "pppppppp" + std::string(32, ' ') + "PPPPPPPP" + "RK  R   ");
        board.SetCastlingAllowed(CastleSet::All());
        board.SetCastlingRookFiles({5, 1, 8, 2});
        board.SetChess960(true);
    };
    ShownBoard b(400);
    setUp(*b);
    b->SetClickToMove(true);
    // The king, then its own rook a1: castled queen side (king c1, rook d1).
    ClickOn(*b, Sq("b1"));
    ClickOn(*b, Sq("a1"));
    EXPECT_EQ(b->PieceAt(Sq("c1")), 'K');
    EXPECT_EQ(b->PieceAt(Sq("d1")), 'R');
    EXPECT_EQ(b->PieceAt(Sq("a1")), ' ');
    EXPECT_FALSE(b->WhiteToMove());
    // Black's king e8 dragged onto its destination g8 (no ordinary step
    // there): castled king side with the rook h8.
    Drag(*b, Centre(*b, Sq("e8")), Centre(*b, Sq("g8")));
    EXPECT_EQ(b->PieceAt(Sq("g8")), 'k');
    EXPECT_EQ(b->PieceAt(Sq("f8")), 'r');
    EXPECT_EQ(b->PieceAt(Sq("h8")), ' ');

    // In standard chess a click on one's own rook still selects it.
    ShownBoard standard(400);
    standard->SetClickToMove(true);
    standard->SetPosition(std::string("r   k  r") + std::string(48, ' ') + "R   K  R");
    ClickOn(*standard, Sq("e1"));
    ClickOn(*standard, Sq("h1"));
    EXPECT_EQ(standard->SelectedSquare(), Sq("h1"));
    EXPECT_EQ(standard->PieceAt(Sq("e1")), 'K');
}
