// Mouse play driven with synthetic mouse events: drags that make moves,
// drops that are refused, plain clicks, Escape, the moving image, the resize
// corner, and the slides of the move animation.
#include "ViewTestSupport.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Recorder {
    std::vector<Square> illegal;
    std::vector<std::pair<Square, Square>> legal;
    void Attach(TChessBoard& board)
    {
        board.OnIllegalMove = [this](QObject*, Square s) { illegal.push_back(s); };
        board.OnLegalMove = [this](QObject*, Square a, Square b) { legal.emplace_back(a, b); };
    }
};

QPoint Centre(const TChessBoard& board, Square s)
{
    int x = 0, y = 0;
    board.SquareOrigin(s, x, y);
    return QPoint(x + board.SizeOfSquare() / 2, y + board.SizeOfSquare() / 2);
}

// Press on one point, move in a few steps past the drag threshold, release
// on another.
void Drag(TChessBoard& board, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(&board, button, Qt::NoModifier, from);
    const int steps = 6;
    for (int i = 1; i <= steps; ++i)
        QTest::mouseMove(&board, from + (to - from) * i / steps);
    QTest::mouseRelease(&board, button, Qt::NoModifier, to);
}

} // namespace

TEST(BoardMouse, ALegalDragMakesTheMoveWithoutAnimatingIt)
{
    ShownBoard b(400);
    Recorder r;
    r.Attach(*b);
    Drag(*b, Centre(*b, Square::E2), Centre(*b, Square::E4));
    ASSERT_EQ(r.legal.size(), 1u);
    EXPECT_EQ(r.legal[0], std::make_pair(Square::E2, Square::E4));
    EXPECT_TRUE(r.illegal.empty());
    EXPECT_EQ(b->PieceAt(Square::E4), 'P');
    EXPECT_EQ(b->PieceAt(Square::E2), ' ');
    EXPECT_EQ(b->LastDragFrom(), Square::E2);
    EXPECT_EQ(b->LastDropTo(), Square::E4);
    EXPECT_TRUE(b->LastAnimationPath().empty());
    EXPECT_FALSE(b->MovingImage().Active());

    // The picture agrees with a full paint of the new position.
    const QImage afterMove = b->Canvas();
    b->Paint();
    EXPECT_EQ(b->Canvas(), afterMove);
}

TEST(BoardMouse, AnIllegalDropAndAPlainClickRaiseOnIllegalMove)
{
    ShownBoard b(400);
    Recorder r;
    r.Attach(*b);
    const std::string start = b->Position();
    const QImage picture = b->Canvas();

    Drag(*b, Centre(*b, Square::E2), Centre(*b, Square::E5));
    ASSERT_EQ(r.illegal.size(), 1u);
    EXPECT_EQ(r.illegal[0], Square::E2);
    EXPECT_EQ(b->Position(), start);
    EXPECT_EQ(b->Canvas(), picture);

    // A release before the drag threshold: a click on the piece.
    const QPoint g1 = Centre(*b, Square::G1);
    QTest::mousePress(b.board, Qt::LeftButton, Qt::NoModifier, g1);
    QTest::mouseMove(b.board, g1 + QPoint(2, 3));
    QTest::mouseRelease(b.board, Qt::LeftButton, Qt::NoModifier, g1 + QPoint(2, 3));
    ASSERT_EQ(r.illegal.size(), 2u);
    EXPECT_EQ(r.illegal[1], Square::G1);

    // Off the board and onto the border are refused as well.
    Drag(*b, Centre(*b, Square::D2), QPoint(10, 200));
    ASSERT_EQ(r.illegal.size(), 3u);
    EXPECT_EQ(r.illegal[2], Square::D2);
    Drag(*b, Centre(*b, Square::D2), QPoint(500, 200));
    EXPECT_EQ(r.illegal.size(), 4u);
    EXPECT_EQ(b->Position(), start);
    EXPECT_EQ(b->Canvas(), picture);
    EXPECT_TRUE(r.legal.empty());

    // A Black piece while White is to move can only go back.
    Drag(*b, Centre(*b, Square::E7), Centre(*b, Square::E5));
    EXPECT_EQ(r.illegal.size(), 5u);
}

TEST(BoardMouse, DroppingOnTheOwnSquareRaisesNothing)
{
    ShownBoard b(400);
    Recorder r;
    r.Attach(*b);
    const QImage picture = b->Canvas();
    const QPoint e2 = Centre(*b, Square::E2);
    Drag(*b, e2, e2 + QPoint(12, 0)); // still on e2, past the threshold
    EXPECT_TRUE(r.illegal.empty());
    EXPECT_TRUE(r.legal.empty());
    EXPECT_EQ(b->Canvas(), picture);
    EXPECT_EQ(b->LastDropTo(), Square::E2);
}

TEST(BoardMouse, PressesOffThePiecesStartNoDrag)
{
    ShownBoard b(400);
    Recorder r;
    r.Attach(*b);
    int downs = 0, clicks = 0;
    b->OnMouseDown = [&](QObject*, Qt::MouseButton, Qt::MouseButtons, Qt::KeyboardModifiers, int, int) { ++downs; };
    b->OnClick = [&](QObject*) { ++clicks; };
    Drag(*b, Centre(*b, Square::E4), Centre(*b, Square::E5));
    Drag(*b, QPoint(5, 5), QPoint(60, 60));
    EXPECT_EQ(downs, 2);
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(r.illegal.empty());
    EXPECT_FALSE(b->MovingImage().Active());
}

TEST(BoardMouse, TheMovingImageFollowsThePointerAboveTheParentWindow)
{
    ShownBoard b(400);
    Recorder r;
    r.Attach(*b);
    const QPoint e2 = Centre(*b, Square::E2);
    QTest::mousePress(b.board, Qt::LeftButton, Qt::NoModifier, e2);
    QTest::mouseMove(b.board, e2 + QPoint(0, -10));
    ASSERT_TRUE(b->MovingImage().Active());
    EXPECT_EQ(b->MovingImage().Window(), b.window.get());
    EXPECT_TRUE(b->MovingImage().Visible());
    // Half a square above and left of the pointer, in the window's terms.
    const QPoint pointer = e2 + QPoint(0, -30);
    QTest::mouseMove(b.board, pointer);
    EXPECT_EQ(b->MovingImage().Position(), b->pos() + pointer - QPoint(22, 22));
    // The from-square is painted empty while the piece is away.
    ShownBoard reference(400);
    reference->SetPosition(std::string(64, ' '));
    EXPECT_EQ(SquarePixels(*b, Square::E2), SquarePixels(*reference, Square::E2));
    // The window shows the piece where the image is.
    const QImage shown = b.window->grab().toImage();
    const QImage& pawn = b->PieceImages().Masked(b->PieceImageIndex('P'));
    const QPoint at = b->MovingImage().Position();
    int same = 0, opaque = 0;
    for (int y = 0; y < pawn.height(); ++y)
        for (int x = 0; x < pawn.width(); ++x)
            if (qAlpha(pawn.pixel(x, y)) == 255) {
                ++opaque;
                same += QColor(shown.pixel(at.x() + x, at.y() + y)) == QColor(pawn.pixel(x, y)) ? 1 : 0;
            }
    EXPECT_GT(opaque, 0);
    EXPECT_EQ(same, opaque);

    // Escape cancels: the piece goes back and the event reports its square.
    QTest::keyClick(b.board, Qt::Key_Escape);
    EXPECT_FALSE(b->MovingImage().Active());
    ASSERT_EQ(r.illegal.size(), 1u);
    EXPECT_EQ(r.illegal[0], Square::E2);
    QTest::mouseRelease(b.board, Qt::LeftButton, Qt::NoModifier, pointer);
    EXPECT_EQ(r.illegal.size(), 1u);
    EXPECT_EQ(b->PieceAt(Square::E2), 'P');
    EXPECT_EQ(SquarePixels(*b, Square::E2), SquarePixels(*ShownBoard(400), Square::E2));
}

TEST(BoardMouse, AnAcceptedDropThatMakeMoveRefusesPutsThePieceBack)
{
    ShownBoard b(400);
    Recorder r;
    r.Attach(*b);
    const QImage picture = b->Canvas();
    // The position changes between the last DragOver and the drop.
    b->OnDragDrop = [&](QObject*, QObject*, int, int) { b->SetWhiteToMove(false); };
    Drag(*b, Centre(*b, Square::E2), Centre(*b, Square::E4));
    EXPECT_TRUE(r.legal.empty());
    EXPECT_EQ(b->PieceAt(Square::E2), 'P');
    EXPECT_EQ(SquarePixels(*b, Square::E2), SquarePixels(*ShownBoard(400), Square::E2));
    EXPECT_EQ(b->Canvas(), picture);
}

TEST(BoardMouse, ADragOverHandlerCanAcceptButTheBoardNeverRefusesForIt)
{
    ShownBoard b(400);
    Recorder r;
    r.Attach(*b);
    int calls = 0;
    b->OnDragOver = [&](QObject*, QObject* source, int, int, TDragState, bool& accept) {
        ++calls;
        EXPECT_EQ(source, b.board);
        accept = false;
    };
    Drag(*b, Centre(*b, Square::E2), Centre(*b, Square::E4));
    EXPECT_GT(calls, 1);
    EXPECT_EQ(r.legal.size(), 1u); // the board accepts a legal move itself
}

TEST(BoardMouse, TheResizeCornerFollowsThePointerWithinItsLimits)
{
    ShownBoard b(400);
    std::vector<int> widths; // the width each paint starts from
    b->OnPaint = [&](QObject*) { widths.push_back(b->width()); };
    b->SetResizable(true);
    b->setCursor(Qt::PointingHandCursor);
    QWindow* window = b.window->windowHandle();
    ASSERT_NE(window, nullptr);
    const QPoint origin = b->pos();

    QTest::mouseMove(window, origin + QPoint(395, 395));
    EXPECT_EQ(b->cursor().shape(), Qt::SizeFDiagCursor);
    QTest::mouseMove(window, origin + QPoint(200, 200));
    EXPECT_EQ(b->cursor().shape(), Qt::PointingHandCursor);

    // The design-mode board fires no OnPaint; the widths are read from the
    // size after each step instead.
    QTest::mousePress(b.board, Qt::LeftButton, Qt::NoModifier, QPoint(395, 395));
    QTest::mouseMove(b.board, QPoint(396, 396));
    EXPECT_TRUE(b->Resizing());
    QTest::mouseMove(b.board, QPoint(500, 300));
    // The width became 500, and the paint squared the board from the mean.
    EXPECT_EQ(b->width(), 8 * (((500 + 392) / 2 - 48) / 8) + 48);
    EXPECT_EQ(b->height(), b->width());
    EXPECT_EQ(b->cursor().shape(), Qt::SizeFDiagCursor);

    QTest::mouseMove(b.board, QPoint(1500, 20));
    const int afterBig = b->width();
    EXPECT_EQ(afterBig, 8 * (((1000 + 440) / 2 - 48) / 8) + 48);
    QTest::mouseMove(b.board, QPoint(50, 60));
    EXPECT_EQ(b->width(), 8 * (((100 + afterBig) / 2 - 48) / 8) + 48);
    QTest::mouseRelease(b.board, Qt::LeftButton, Qt::NoModifier, QPoint(50, 60));
    EXPECT_FALSE(b->Resizing());
    const QSize settled = b->size();
    QTest::mouseMove(b.board, QPoint(300, 300));
    EXPECT_EQ(b->size(), settled);
}

TEST(BoardMouse, WithoutResizableTheCursorIsNeverChanged)
{
    ShownBoard b(400);
    b->setCursor(Qt::CrossCursor);
    QTest::mousePress(b.board, Qt::LeftButton, Qt::NoModifier, QPoint(395, 395));
    QTest::mouseMove(b.board, QPoint(396, 397));
    QTest::mouseMove(b.board, QPoint(500, 500));
    QTest::mouseRelease(b.board, Qt::LeftButton, Qt::NoModifier, QPoint(500, 500));
    EXPECT_EQ(b->cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(b->size(), QSize(400, 400));
}

TEST(BoardResizeLimits, MinimumNeverExceedsMaximum)
{
    TChessBoard board(nullptr, true);
    EXPECT_EQ(board.ResizeMinSize(), 100);
    EXPECT_EQ(board.ResizeMaxSize(), 1000);
    board.SetResizeMinSize(2000);
    EXPECT_EQ(board.ResizeMinSize(), 1000);
    board.SetResizeMinSize(100);
    board.SetResizeMaxSize(50);
    EXPECT_EQ(board.ResizeMaxSize(), 100);
    board.SetResizeMaxSize(100);
    EXPECT_EQ(board.ResizeMaxSize(), 100);
}

TEST(BoardAnimation, AKnightSlidesAlongItsRankThenDownTheFile)
{
    ShownBoard b(400);
    ASSERT_EQ(b->SizeOfSquare(), 44);
    ASSERT_TRUE(b->MakeMove(Square::E2, Square::E4));
    EXPECT_EQ(b->LastAnimationPath().size(), 89u); // e2-e4: straight up
    ASSERT_TRUE(b->MakeMove(Square::G8, Square::F6));
    const auto& path = b->LastAnimationPath();
    ASSERT_EQ(path.size(), 45u + 89u);
    int gx = 0, gy = 0, fx = 0, fy = 0;
    b->SquareOrigin(Square::G8, gx, gy);
    b->SquareOrigin(Square::F6, fx, fy);
    const QPoint offset = b->pos();
    EXPECT_EQ(path.front(), offset + QPoint(gx, gy));
    EXPECT_EQ(path[44], offset + QPoint(fx, gy));
    EXPECT_EQ(path[45], offset + QPoint(fx, gy)); // the corner twice
    EXPECT_EQ(path.back(), offset + QPoint(fx, fy));
    for (std::size_t i = 1; i < path.size(); ++i)
        EXPECT_LE(std::abs(path[i].x() - path[i - 1].x()) + std::abs(path[i].y() - path[i - 1].y()), 1);
    EXPECT_FALSE(b->MovingImage().Active());

    ASSERT_TRUE(b->MakeMove(Square::D2, Square::D4));
    ASSERT_TRUE(b->MakeMove(Square::E7, Square::E5));
    ASSERT_EQ(b->LastAnimationPath().size(), 89u);
    for (const QPoint& p : b->LastAnimationPath())
        EXPECT_EQ(p.x(), b->LastAnimationPath().front().x());

    // A diagonal slide: one step per pixel of the longer side.
    ASSERT_TRUE(b->MakeMove(Square::F1, Square::B5));
    EXPECT_EQ(b->LastAnimationPath().size(), 4u * 44u + 1u);

    // The picture after the slides agrees with a full paint.
    const QImage afterMoves = b->Canvas();
    b->Paint();
    EXPECT_EQ(b->Canvas(), afterMoves);
}

TEST(BoardAnimation, NoSlideWhenAnimationIsOffOrForTheLastDraggedMove)
{
    ShownBoard b(400);
    b->SetAnimateMoves(false);
    ASSERT_TRUE(b->MakeMove(Square::E2, Square::E4));
    EXPECT_TRUE(b->LastAnimationPath().empty());
    b->SetAnimateMoves(true);
    ASSERT_TRUE(b->MakeMove(Square::E7, Square::E5));
    EXPECT_EQ(b->LastAnimationPath().size(), 89u);
}

TEST(BoardAnimation, EachStepLastsLongerThanTheDelay)
{
    ShownBoard b(368);
    b->SetAnimationDelay(2);
    QElapsedTimer timer;
    timer.start();
    b->AnimateMove(Square::A2, Square::A3, 2); // 41 steps
    EXPECT_EQ(b->LastAnimationPath().size(), 41u);
    EXPECT_GE(timer.elapsed(), 41 * 3 - 5);
    EXPECT_FALSE(b->MovingImage().Active());
}

TEST(BoardMouse, ThePointerShowsWhetherTheSquareBelowAcceptsTheDrop)
{
    ShownBoard b(400);
    const QPoint e2 = Centre(*b, Square::E2);
    QTest::mousePress(b.board, Qt::LeftButton, Qt::NoModifier, e2);
    QTest::mouseMove(b.board, Centre(*b, Square::E3));
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::DragMoveCursor);
    QTest::mouseMove(b.board, Centre(*b, Square::E5));
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ForbiddenCursor);
    QTest::mouseMove(b.board, Centre(*b, Square::E2));
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::DragMoveCursor);
    QTest::mouseMove(b.board, QPoint(-30, 10));
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ForbiddenCursor);
    QTest::mouseRelease(b.board, Qt::LeftButton, Qt::NoModifier, QPoint(-30, 10));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
