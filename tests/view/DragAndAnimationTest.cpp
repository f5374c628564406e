// The drag's state and the move animation's path on their own, without a
// board: when a press becomes a drag, which squares the drag remembers, and
// the points a sliding piece goes through.
#include "board/BoardDrag.h"
#include "board/MoveAnimation.h"

#include <gtest/gtest.h>

#include <vector>

TEST(BoardDrag, APressBecomesADragAtTheThresholdAlongEitherAxis)
{
    BoardDrag drag;
    EXPECT_EQ(drag.State(), BoardDrag::Phase::Idle);
    EXPECT_FALSE(drag.InProgress());
    drag.Press(Square::E2, QPoint(100, 200));
    EXPECT_EQ(drag.State(), BoardDrag::Phase::Pending);
    EXPECT_TRUE(drag.InProgress());
    EXPECT_EQ(drag.From(), Square::E2);
    EXPECT_FALSE(drag.BeyondThreshold(QPoint(103, 197), 4));
    EXPECT_TRUE(drag.BeyondThreshold(QPoint(104, 200), 4));
    EXPECT_TRUE(drag.BeyondThreshold(QPoint(100, 196), 4));

    // The squares outlive the drag: the board reads them after the drop.
    drag.SetDropTo(Square::E4);
    drag.SetState(BoardDrag::Phase::Finished);
    EXPECT_FALSE(drag.InProgress());
    drag.SetState(BoardDrag::Phase::Idle);
    EXPECT_EQ(drag.From(), Square::E2);
    EXPECT_EQ(drag.DropTo(), Square::E4);
}

TEST(MoveAnimation, StraightAndSlantedSlidesGoOnePixelAStepToTheEnd)
{
    const std::vector<QPoint> file = MoveAnimation::SlidePath(QPoint(10, 90), QPoint(10, 50), false);
    ASSERT_EQ(file.size(), 41u);
    for (std::size_t i = 0; i < file.size(); ++i)
        EXPECT_EQ(file[i], QPoint(10, 90 - static_cast<int>(i)));

    // Steep: one pixel a step along y, x truncated.
    const std::vector<QPoint> steep = MoveAnimation::SlidePath(QPoint(0, 0), QPoint(10, 40), false);
    ASSERT_EQ(steep.size(), 41u);
    EXPECT_EQ(steep[1], QPoint(0, 1));
    EXPECT_EQ(steep[4], QPoint(1, 4));
    EXPECT_EQ(steep.back(), QPoint(10, 40));

    // Flat, leftwards and upwards.
    const std::vector<QPoint> flat = MoveAnimation::SlidePath(QPoint(80, 20), QPoint(0, 0), false);
    ASSERT_EQ(flat.size(), 81u);
    EXPECT_EQ(flat[4], QPoint(76, 19));
    EXPECT_EQ(flat.back(), QPoint(0, 0));

    EXPECT_TRUE(MoveAnimation::SlidePath(QPoint(5, 5), QPoint(5, 5), false).empty());
}

TEST(MoveAnimation, AKnightGoesAlongItsRowThenItsColumn)
{
    const std::vector<QPoint> path = MoveAnimation::SlidePath(QPoint(40, 80), QPoint(80, 0), true);
    // 41 points along the row, then 81 down the column, the corner twice.
    ASSERT_EQ(path.size(), 122u);
    EXPECT_EQ(path.front(), QPoint(40, 80));
    EXPECT_EQ(path[40], QPoint(80, 80));
    EXPECT_EQ(path[41], QPoint(80, 80));
    EXPECT_EQ(path[42], QPoint(80, 79));
    EXPECT_EQ(path.back(), QPoint(80, 0));
}

TEST(MoveAnimation, ASlideShowsTheImageAtEveryPointAndRemembersThem)
{
    MoveAnimation animation;
    TDragImage image;
    const std::vector<QPoint> path = MoveAnimation::SlidePath(QPoint(0, 0), QPoint(3, 0), false);
    animation.Slide(image, path, 0);
    EXPECT_EQ(animation.LastPath(), path);
    animation.ForgetPath();
    EXPECT_TRUE(animation.LastPath().empty());
}
