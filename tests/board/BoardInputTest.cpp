// The board's input part on its own, with a host that writes down what it
// is asked: which steps a press, a movement, a release and a key lead to,
// in which order, through a drag, a click, a cancelled drag and the keys;
// the focus square's steps on the screen; the resize grip.
#include "board/BoardInput.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Name(Square square)
{
    if (square == Square::None)
        return "none";
    return {static_cast<char>('a' + FileOf(square) - 1), static_cast<char>('0' + RankOf(square))};
}

// A board 400 pixels wide of 50-pixel squares, White at the bottom; what it
// is asked goes into `steps`.
class RecordingHost final : public BoardInputHost {
public:
    std::vector<std::string> steps;
    BoardInput* input = nullptr;
    bool clickToMove = false;
    bool drawingTakes = false;
    bool dropAccepted = true;
    bool selection = false;
    bool buttonDown = false;

    bool InsideBoard(QPoint at) const override { return at.x() >= 0 && at.y() >= 0 && at.x() < 400 && at.y() < 400; }
    Square SquareAt(QPoint at) const override
    {
        return InsideBoard(at) ? ::SquareAt(at.x() / 50 + 1, 8 - at.y() / 50) : Square::None;
    }
    void PointerInUse() override { steps.push_back("pointer"); }
    bool DrawingPress(Qt::MouseButton, Qt::KeyboardModifiers, QPoint) override
    {
        steps.push_back("drawing-press");
        return drawingTakes;
    }
    void DrawingMove(QPoint) override { steps.push_back("drawing-move"); }
    bool DrawingRelease(Qt::MouseButton, QPoint) override
    {
        steps.push_back("drawing-release");
        return drawingTakes;
    }
    void MouseDown(Qt::MouseButton, Qt::MouseButtons, Qt::KeyboardModifiers, QPoint at) override
    {
        steps.push_back("down " + Name(SquareAt(at)));
        // Every square holds a piece here: the press picks it up.
        if (SquareAt(at) != Square::None)
            input->PickUp(SquareAt(at), at);
    }
    void MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, QPoint) override { steps.push_back("move"); }
    void MouseUp(Qt::MouseButton, Qt::MouseButtons, Qt::KeyboardModifiers, QPoint) override { steps.push_back("up"); }
    void Click() override { steps.push_back("click"); }
    bool ClickToMove() const override { return clickToMove; }
    void SquareClicked(Square square) override { steps.push_back("square " + Name(square)); }
    void DragBegins(Square from) override { steps.push_back("begins " + Name(from)); }
    void MarksFollow() override { steps.push_back("marks"); }
    bool DragOver(QPoint at, TDragState state) override
    {
        steps.push_back(std::string(state == TDragState::DragEnter ? "enter " : "over ") + Name(SquareAt(at)));
        return dropAccepted;
    }
    void DragBeside(QPoint) override { steps.push_back("beside"); }
    void DragShowsAccepted(bool accepted) override { steps.push_back(accepted ? "cursor yes" : "cursor no"); }
    void DragEnds(bool wasActive, bool accepted, QPoint) override
    {
        steps.push_back(std::string("ends") + (wasActive ? " active" : " pending") + (accepted ? " drop" : " cancel"));
    }
    void PressWasAClick() override { steps.push_back("was a click"); }
    void MoveFocusSquare(int columns, int rows) override
    {
        steps.push_back("focus " + std::to_string(columns) + "," + std::to_string(rows));
    }
    void KeyboardAction() override { steps.push_back("action"); }
    bool DropSelection() override
    {
        steps.push_back("drop selection");
        return selection;
    }
    bool AnyMouseButtonDown() const override { return buttonDown; }
};

class BoardInputTest : public ::testing::Test {
protected:
    BoardInputTest() { host.input = &input; }

    // Centres of squares, White at the bottom.
    static QPoint At(int file, int rank) { return {(file - 1) * 50 + 25, (8 - rank) * 50 + 25}; }

    void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton) { input.Press(button, button, Qt::NoModifier, at); }
    void MoveTo(QPoint at, Qt::MouseButtons buttons = Qt::LeftButton)
    {
        input.Move(buttons, Qt::NoModifier, at, threshold);
    }
    void Release(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        input.Release(button, Qt::NoButton, Qt::NoModifier, at);
    }
    std::vector<std::string> Take()
    {
        std::vector<std::string> taken;
        taken.swap(host.steps);
        return taken;
    }

    static constexpr int threshold = 10;
    RecordingHost host;
    BoardInput input{host};
};

using Steps = std::vector<std::string>;

} // namespace

TEST_F(BoardInputTest, APressBecomesADragOnlyPastTheThresholdAndDropsWhereItIsReleased)
{
    Press(At(5, 2));
    EXPECT_EQ(Take(), (Steps{"pointer", "drawing-press", "down e2"}));
    EXPECT_EQ(input.Drag().State(), BoardDrag::Phase::Pending);

    MoveTo(At(5, 2) + QPoint(threshold - 1, 0));
    EXPECT_EQ(Take(), Steps{}) << "below the threshold nothing moves";

    MoveTo(At(5, 2) + QPoint(0, -threshold));
    EXPECT_EQ(Take(), (Steps{"begins e2", "enter e2", "cursor yes", "marks"}));
    EXPECT_EQ(input.Drag().State(), BoardDrag::Phase::Active);

    MoveTo(At(5, 4));
    MoveTo(QPoint(-30, 200));
    EXPECT_EQ(Take(), (Steps{"over e4", "cursor yes", "beside", "cursor no"}));

    Press(At(1, 1), Qt::RightButton);
    EXPECT_EQ(Take(), Steps{}) << "a second button during a drag belongs to the drag";

    Release(At(5, 4));
    EXPECT_EQ(Take(), (Steps{"over e4", "ends active drop"}));
    EXPECT_EQ(input.Drag().State(), BoardDrag::Phase::Idle);
    EXPECT_EQ(input.Drag().From(), Square::E2);
}

TEST_F(BoardInputTest, ADragIsCancelledOffTheBoardOnARefusedSquareOrByAShortPressWithoutClickToMove)
{
    Press(At(5, 2));
    MoveTo(At(5, 4));
    Take();
    Release(QPoint(450, 10));
    EXPECT_EQ(Take(), (Steps{"ends active cancel"})) << "off the board no drop is asked about";

    host.dropAccepted = false;
    Press(At(5, 2));
    MoveTo(At(5, 5));
    Take();
    Release(At(5, 5));
    EXPECT_EQ(Take(), (Steps{"over e5", "ends active cancel"}));

    Press(At(7, 1));
    Take();
    Release(At(7, 1));
    EXPECT_EQ(Take(), (Steps{"ends pending cancel"}));
}

TEST_F(BoardInputTest, WithClickToMoveAShortLeftPressIsAClickOnItsSquareAndOtherButtonsStillCancel)
{
    host.clickToMove = true;
    Press(At(2, 1));
    Take();
    Release(At(2, 1) + QPoint(3, 3));
    EXPECT_EQ(Take(), (Steps{"was a click", "square b1"}));
    EXPECT_EQ(input.Drag().State(), BoardDrag::Phase::Idle);

    Press(At(2, 1), Qt::MiddleButton);
    Take();
    Release(At(2, 1), Qt::MiddleButton);
    EXPECT_EQ(Take(), (Steps{"ends pending cancel"}));

    // A release where no press picked anything up: the mouse's own events,
    // then the click and the square clicked.
    input.Release(Qt::LeftButton, Qt::NoButton, Qt::NoModifier, At(3, 3));
    EXPECT_EQ(Take(), (Steps{"up", "drawing-release", "click", "square c3"}));
    input.Release(Qt::LeftButton, Qt::NoButton, Qt::NoModifier, QPoint(500, 500));
    EXPECT_EQ(Take(), (Steps{"up", "drawing-release", "square none"}))
        << "outside the board there is no click, and the selection goes";
}

TEST_F(BoardInputTest, ArrowsAndCirclesTakeTheirEventsBeforeTheMouseAndTheClick)
{
    host.drawingTakes = true;
    host.clickToMove = true;
    Press(At(4, 4), Qt::RightButton);
    EXPECT_EQ(Take(), (Steps{"pointer", "drawing-press"}));
    EXPECT_EQ(input.Drag().State(), BoardDrag::Phase::Idle);
    MoveTo(At(4, 5), Qt::RightButton);
    EXPECT_EQ(Take(), (Steps{"drawing-move", "move"}));
    input.Release(Qt::RightButton, Qt::NoButton, Qt::NoModifier, At(4, 5));
    EXPECT_EQ(Take(), (Steps{"up", "drawing-release"}));
}

TEST_F(BoardInputTest, EscapeCancelsADragAndTheReleaseOfTheHeldButtonThenOnlyClosesThePress)
{
    Press(At(4, 2));
    MoveTo(At(4, 4));
    Take();
    host.buttonDown = true;
    EXPECT_TRUE(input.Key(Qt::Key_Escape, Qt::NoModifier));
    EXPECT_EQ(Take(), (Steps{"ends active cancel"}));
    EXPECT_EQ(input.Drag().State(), BoardDrag::Phase::Finished);

    MoveTo(At(4, 5));
    EXPECT_FALSE(input.Key(Qt::Key_Left, Qt::NoModifier)) << "no keys while the press lasts";
    input.Release(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier, At(4, 5));
    EXPECT_EQ(input.Drag().State(), BoardDrag::Phase::Finished) << "another button is still down";
    Release(At(4, 5));
    EXPECT_EQ(Take(), Steps{});
    EXPECT_EQ(input.Drag().State(), BoardDrag::Phase::Idle);

    // Escape on a pending drag with the buttons already up: back to idle.
    host.buttonDown = false;
    Press(At(4, 2));
    Take();
    EXPECT_TRUE(input.Key(Qt::Key_Escape, Qt::NoModifier));
    EXPECT_EQ(Take(), (Steps{"ends pending cancel"}));
    EXPECT_EQ(input.Drag().State(), BoardDrag::Phase::Idle);
}

TEST_F(BoardInputTest, TheKeysMoveTheFocusActOnItAndPutAPickedPieceBack)
{
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        bool taken;
        const char* step;
    };
    const Case cases[] = {
        {Qt::Key_Left, Qt::NoModifier, true, "focus -1,0"}, {Qt::Key_Right, Qt::NoModifier, true, "focus 1,0"},
        {Qt::Key_Up, Qt::NoModifier, true, "focus 0,-1"},   {Qt::Key_Down, Qt::KeypadModifier, true, "focus 0,1"},
        {Qt::Key_Return, Qt::NoModifier, true, "action"},   {Qt::Key_Enter, Qt::KeypadModifier, true, "action"},
        {Qt::Key_Space, Qt::NoModifier, true, "action"},    {Qt::Key_Left, Qt::ControlModifier, false, nullptr},
        {Qt::Key_Space, Qt::ShiftModifier, false, nullptr}, {Qt::Key_A, Qt::NoModifier, false, nullptr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(input.Key(c.key, c.modifiers), c.taken) << c.key;
        EXPECT_EQ(Take(), c.step ? Steps{c.step} : Steps{}) << c.key;
    }

    EXPECT_FALSE(input.Key(Qt::Key_Escape, Qt::NoModifier)) << "nothing picked: Escape goes on to the window";
    host.selection = true;
    EXPECT_TRUE(input.Key(Qt::Key_Escape, Qt::NoModifier));
    EXPECT_EQ(Take(), (Steps{"drop selection", "drop selection"}));

    Press(At(1, 2));
    Take();
    EXPECT_FALSE(input.Key(Qt::Key_Right, Qt::NoModifier)) << "a pending drag keeps the arrows from the focus";
    EXPECT_EQ(Take(), Steps{});
}

TEST(BoardInputFocus, TheFocusSquareStepsAsTheScreenShowsTheBoardAndStopsAtItsEdges)
{
    struct Case {
        Square from;
        int columns;
        int rows;
        bool whiteOnTop;
        Square expected;
    };
    const Case cases[] = {
        {Square::E2, 0, -1, false, Square::E3}, {Square::E2, 0, -1, true, Square::E1},
        {Square::E2, 1, 0, false, Square::F2},  {Square::E2, 1, 0, true, Square::D2},
        {Square::A1, -1, 1, false, Square::A1}, {Square::H8, 1, -1, false, Square::H8},
        {Square::A1, -1, -1, true, Square::B1}, {Square::H8, 7, -7, true, Square::A1},
        {Square::D4, -9, 0, false, Square::A4},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StepOnScreen(c.from, c.columns, c.rows, c.whiteOnTop), c.expected)
            << Name(c.from) << " by " << c.columns << "," << c.rows << (c.whiteOnTop ? " turned" : "");
}

TEST(BoardResizeGrip, OnlyAResizableBoardsCornerResizesAndTheSizeKeepsWithinItsLimits)
{
    BoardResizeGrip grip;
    const QSize size(400, 400);
    BoardResizeGrip::Step step = grip.Move(size, QPoint(395, 395), Qt::LeftButton, Qt::ArrowCursor);
    EXPECT_FALSE(step.cursor || step.width) << "a board that is not Resizable ignores its corner";

    grip.Resizable = true;
    grip.SetMinSize(200);
    grip.SetMaxSize(500);
    step = grip.Move(size, QPoint(200, 200), Qt::NoButton, Qt::PointingHandCursor);
    EXPECT_EQ(step.cursor, Qt::PointingHandCursor) << "away from the corner the board's own pointer";
    step = grip.Move(size, QPoint(391, 399), Qt::NoButton, Qt::PointingHandCursor);
    EXPECT_EQ(step.cursor, Qt::SizeFDiagCursor);
    EXPECT_FALSE(step.width);
    EXPECT_FALSE(grip.Resizing());

    grip.Move(size, QPoint(395, 395), Qt::LeftButton, Qt::SizeFDiagCursor);
    EXPECT_TRUE(grip.Resizing());
    step = grip.Move(size, QPoint(700, 20), Qt::LeftButton, Qt::SizeFDiagCursor);
    EXPECT_EQ(step.width, 500) << "held at the largest size";
    EXPECT_FALSE(step.cursor) << "the grip's pointer stays while resizing";
    step = grip.Move(size, QPoint(10, 150), Qt::LeftButton, Qt::SizeFDiagCursor);
    EXPECT_EQ(step.width, 200) << "held at the smallest size";
    step = grip.Move(QSize(300, 300), QPoint(300, 120), Qt::LeftButton, Qt::SizeFDiagCursor);
    EXPECT_FALSE(step.width) << "no change of size asked for the size it has";

    grip.Release();
    step = grip.Move(size, QPoint(100, 100), Qt::NoButton, Qt::SizeFDiagCursor);
    EXPECT_EQ(step.cursor, Qt::PointingHandCursor) << "the grip's own pointer is never taken for the board's";

    grip.SetMinSize(900);
    EXPECT_EQ(grip.MinSize(), 500) << "the smallest size stays below the largest";
    grip.SetMaxSize(50);
    EXPECT_EQ(grip.MaxSize(), 500);
}
