// The marks on the squares, read from the canvas against a reference board
// in the same position without marks: which squares change, in which
// direction their colour goes, in both orientations and all looks, and that
// every routine that draws squares leaves the same picture as a full paint.
#include "PlayTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace playtest;

namespace {

constexpr Look kLooks[] = {Look::Plain, Look::Pictures, Look::Custom};

// A board and an unmarked reference board of the same look.
struct MarkedPair {
    MarkedPair(Look look, bool whiteOnTop)
    {
        ApplyLook(*board, look, whiteOnTop);
        ApplyLook(*reference, look, whiteOnTop);
        board->SetAnimateMoves(true);
    }
    // The reference takes the board's position.
    void Sync() { reference->SetPosition(board->Position()); }
    std::set<Square> Marked()
    {
        Sync();
        return DifferingSquares(*board, *reference);
    }
    // What the board shows agrees with a full paint of itself.
    bool AgreesWithFullPaint()
    {
        const QImage shown = board->Canvas();
        board->Paint();
        return board->Canvas() == shown;
    }
    ShownBoard board{400};
    ShownBoard reference{400};
};

bool Yellowish(const Shift& s)
{
    return s.pixels > 0 && s.blue < s.red - 10 && s.blue < s.green - 10;
}
bool Reddish(const Shift& s)
{
    return s.pixels > 0 && s.red > s.green + 20 && s.red > s.blue + 20;
}
bool Bluish(const Shift& s)
{
    return s.pixels > 0 && s.blue > s.red + 10;
}
bool Darker(const Shift& s)
{
    return s.pixels > 0 && s.red < 0 && s.green < 0;
}

} // namespace

TEST(BoardMarks, EveryAidIsOffByDefaultAndTheBoardLooksAsWithoutThem)
{
    ShownBoard b(400);
    EXPECT_FALSE(b->ClickToMove());
    EXPECT_FALSE(b->HighlightLastMove());
    EXPECT_FALSE(b->HighlightCheck());
    EXPECT_FALSE(b->ShowLegalMoves());
    EXPECT_FALSE(b->AskPromotionPiece());
    EXPECT_EQ(b->SelectedSquare(), Square::None);
    EXPECT_EQ(b->HintFrom(), Square::None);
    EXPECT_EQ(b->FocusSquare(), Square::None);
    EXPECT_EQ(b->focusPolicy(), Qt::StrongFocus);

    // A game with a check, a drag, a click, a focus by mouse and a step back
    // leaves no mark anywhere.
    b.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(b.window.get()));
    b->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(b->hasFocus());
    ASSERT_TRUE(b->MakeMove(Sq("f2"), Sq("f3")));
    ASSERT_TRUE(b->MakeMove(Sq("e7"), Sq("e5")));
    Drag(*b, Centre(*b, Sq("g2")), Centre(*b, Sq("g4")));
    ClickOn(*b, Sq("d8"));
    ASSERT_TRUE(b->MakeMove(Sq("d8"), Sq("h4")));
    ShownBoard reference(400);
    reference->SetPosition(b->Position());
    EXPECT_EQ(b->Canvas(), reference->Canvas());
    ASSERT_TRUE(b->GotoMove(2, true));
    reference->SetPosition(b->Position());
    EXPECT_EQ(b->Canvas(), reference->Canvas());
}

TEST(BoardMarks, TheLastMoveIsTintedAndFollowsGotoMove)
{
    for (Look look : kLooks)
        for (bool whiteOnTop : {false, true}) {
            SCOPED_TRACE(std::string(LookName(look)) + (whiteOnTop ? " white on top" : ""));
            MarkedPair m(look, whiteOnTop);
            m.board->SetHighlightLastMove(true);
            EXPECT_TRUE(m.Marked().empty());

            // Animated: the slide leaves the marks right.
            ASSERT_TRUE(m.board->MakeMove(Sq("e2"), Sq("e4")));
            EXPECT_FALSE(m.board->LastAnimationPath().empty());
            EXPECT_EQ(m.Marked(), Squares({"e2", "e4"}));
            if (look != Look::Pictures) {
                EXPECT_TRUE(Yellowish(ColourShift(*m.board, *m.reference, Sq("e2"))));
            }
            EXPECT_TRUE(m.AgreesWithFullPaint());

            ASSERT_TRUE(m.board->MakeMove(Sq("g8"), Sq("f6")));
            EXPECT_EQ(m.Marked(), Squares({"g8", "f6"}));
            EXPECT_TRUE(m.AgreesWithFullPaint());

            // Back to the position after 1. e4, then to the start.
            ASSERT_TRUE(m.board->GotoMove(1, false));
            EXPECT_EQ(m.Marked(), Squares({"e2", "e4"}));
            EXPECT_TRUE(m.AgreesWithFullPaint());
            ASSERT_TRUE(m.board->GotoMove(1, true));
            EXPECT_TRUE(m.Marked().empty());
            ASSERT_TRUE(m.board->GotoMove(2, true));
            EXPECT_EQ(m.Marked(), Squares({"g8", "f6"}));

            // A take-back shows the move before, a replay the move again.
            ASSERT_TRUE(m.board->TakeBack(1));
            EXPECT_EQ(m.Marked(), Squares({"e2", "e4"}));
            ASSERT_TRUE(m.board->Redo(1));
            EXPECT_EQ(m.Marked(), Squares({"g8", "f6"}));
            EXPECT_TRUE(m.AgreesWithFullPaint());

            // A position written from outside has no last move.
            m.board->SetPosition(m.board->Position());
            EXPECT_TRUE(m.Marked().empty());

            // Switching the option off takes the marks away at once.
            ASSERT_TRUE(m.board->MakeMove(Sq("d2"), Sq("d4")));
            EXPECT_EQ(m.Marked(), Squares({"d2", "d4"}));
            m.board->SetHighlightLastMove(false);
            EXPECT_TRUE(m.Marked().empty());
        }
}

TEST(BoardMarks, TheKingInCheckGlowsRed)
{
    for (Look look : kLooks)
        for (bool whiteOnTop : {false, true}) {
            SCOPED_TRACE(std::string(LookName(look)) + (whiteOnTop ? " white on top" : ""));
            MarkedPair m(look, whiteOnTop);
            m.board->SetHighlightCheck(true);
            for (const char* move : {"e2e4", "f7f6", "d2d4", "g7g5"})
                ASSERT_TRUE(m.board->MakeMove(Sq(move), Sq(move + 2)));
            EXPECT_TRUE(m.Marked().empty());
            ASSERT_TRUE(m.board->MakeMove(Sq("d1"), Sq("h5"))); // mate
            EXPECT_EQ(m.Marked(), Squares({"e8"}));
            if (look != Look::Pictures) {
                EXPECT_TRUE(Reddish(ColourShift(*m.board, *m.reference, Sq("e8"))));
            }
            EXPECT_TRUE(m.AgreesWithFullPaint());

            // Stepping back out of the check takes the glow away.
            ASSERT_TRUE(m.board->GotoMove(3, true));
            EXPECT_TRUE(m.Marked().empty());
            ASSERT_TRUE(m.board->GotoMove(3, false));
            EXPECT_EQ(m.Marked(), Squares({"e8"}));
            m.board->SetHighlightCheck(false);
            EXPECT_TRUE(m.Marked().empty());
        }
}

TEST(BoardMarks, LegalMovesShowDotsAndRingsForTheSelectedPiece)
{
    for (Look look : kLooks)
        for (bool whiteOnTop : {false, true}) {
            SCOPED_TRACE(std::string(LookName(look)) + (whiteOnTop ? " white on top" : ""));
            MarkedPair m(look, whiteOnTop);
            m.board->SetClickToMove(true);
            ASSERT_TRUE(m.board->MakeMove(Sq("e2"), Sq("e4")));
            ASSERT_TRUE(m.board->MakeMove(Sq("d7"), Sq("d5")));

            // Without ShowLegalMoves only the selected square is marked.
            ClickOn(*m.board, Sq("e4"));
            ASSERT_EQ(m.board->SelectedSquare(), Sq("e4"));
            EXPECT_EQ(m.Marked(), Squares({"e4"}));
            m.board->SetShowLegalMoves(true);
            EXPECT_EQ(m.Marked(), Squares({"e4", "e5", "d5"}));
            EXPECT_TRUE(m.AgreesWithFullPaint());
            // A dot in the middle of the empty square; a ring round the
            // capture leaves the piece's middle alone.
            const QPoint e5 = Centre(*m.board, Sq("e5"));
            const QPoint d5 = Centre(*m.board, Sq("d5"));
            EXPECT_NE(CanvasAt(*m.board, e5.x(), e5.y()), CanvasAt(*m.reference, e5.x(), e5.y()));
            EXPECT_EQ(CanvasAt(*m.board, d5.x(), d5.y()), CanvasAt(*m.reference, d5.x(), d5.y()));
            const int edge = d5.x() - m.board->SizeOfSquare() / 2 + 2;
            EXPECT_NE(CanvasAt(*m.board, edge, d5.y()), CanvasAt(*m.reference, edge, d5.y()));
            if (look == Look::Plain) {
                EXPECT_TRUE(Darker(ColourShift(*m.board, *m.reference, Sq("e5"))));
            }

            // Another piece: its own targets.
            ClickOn(*m.board, Sq("g1"));
            EXPECT_EQ(m.Marked(), Squares({"g1", "e2", "f3", "h3"}));
            // Escape drops it.
            QTest::keyClick(m.board.board, Qt::Key_Escape);
            EXPECT_EQ(m.board->SelectedSquare(), Square::None);
            EXPECT_TRUE(m.Marked().empty());
        }
}

TEST(BoardMarks, ADraggedPieceShowsItsTargetsWhileItMoves)
{
    for (bool whiteOnTop : {false, true}) {
        MarkedPair m(Look::Plain, whiteOnTop);
        m.board->SetShowLegalMoves(true);
        const QPoint g1 = Centre(*m.board, Sq("g1"));
        QTest::mousePress(m.board.board, Qt::LeftButton, Qt::NoModifier, g1);
        QTest::mouseMove(m.board.board, g1 + QPoint(0, -20));
        ASSERT_TRUE(m.board->MovingImage().Active());
        // The piece's square is empty and tinted, its targets dotted.
        EXPECT_EQ(m.Marked(), Squares({"g1", "f3", "h3"}));
        EXPECT_EQ(m.board->SelectedSquare(), Square::None);
        QTest::mouseMove(m.board.board, Centre(*m.board, Sq("f3")));
        QTest::mouseRelease(m.board.board, Qt::LeftButton, Qt::NoModifier, Centre(*m.board, Sq("f3")));
        EXPECT_EQ(m.board->PieceAt(Sq("f3")), 'N');
        EXPECT_TRUE(m.Marked().empty());
        EXPECT_TRUE(m.AgreesWithFullPaint());

        // A cancelled drag takes its marks away as well.
        const QPoint e7 = Centre(*m.board, Sq("e7"));
        Drag(*m.board, e7, Centre(*m.board, Sq("e4")));
        EXPECT_TRUE(m.Marked().empty());
        EXPECT_EQ(m.board->PieceAt(Sq("e7")), 'p');
    }
}

TEST(BoardMarks, AHintMarksItsSquaresUntilThePositionChanges)
{
    for (Look look : kLooks)
        for (bool whiteOnTop : {false, true}) {
            SCOPED_TRACE(std::string(LookName(look)) + (whiteOnTop ? " white on top" : ""));
            MarkedPair m(look, whiteOnTop);
            m.board->SetHintMove(Sq("g1"), Sq("f3"));
            EXPECT_EQ(m.board->HintFrom(), Sq("g1"));
            EXPECT_EQ(m.board->HintTo(), Sq("f3"));
            EXPECT_EQ(m.Marked(), Squares({"g1", "f3"}));
            if (look == Look::Plain) {
                EXPECT_TRUE(Bluish(ColourShift(*m.board, *m.reference, Sq("f3"))));
            }
            EXPECT_TRUE(m.AgreesWithFullPaint());
            // The next move clears it, whichever move it is.
            ASSERT_TRUE(m.board->MakeMove(Sq("e2"), Sq("e4")));
            EXPECT_EQ(m.board->HintFrom(), Square::None);
            EXPECT_TRUE(m.Marked().empty());

            m.board->SetHintMove(Sq("e7"), Sq("e5"));
            ASSERT_TRUE(m.board->GotoMove(1, true));
            EXPECT_TRUE(m.Marked().empty());
            m.board->SetHintMove(Sq("e2"), Sq("e4"));
            m.board->NewGame();
            EXPECT_TRUE(m.Marked().empty());
            m.board->SetHintMove(Sq("e2"), Sq("e4"));
            m.board->SetPosition("init");
            EXPECT_EQ(m.board->HintTo(), Square::None);
            m.board->SetHintMove(Sq("e2"), Sq("e4"));
            m.board->ClearHintMove();
            EXPECT_TRUE(m.Marked().empty());
            // A square off the board clears it too.
            m.board->SetHintMove(Sq("e2"), Sq("e4"));
            m.board->SetHintMove(Square::None, Sq("e4"));
            EXPECT_EQ(m.board->HintTo(), Square::None);
            EXPECT_TRUE(m.Marked().empty());
        }
}

TEST(BoardMarks, EveryRoutineThatDrawsSquaresKeepsTheMarks)
{
    // All marks on through castling, en passant, a promotion and a check,
    // with a hint and a selection standing: after every step the picture is
    // that of a full paint, also after a change of size and orientation.
    for (Look look : kLooks) {
        SCOPED_TRACE(LookName(look));
        MarkedPair m(look, false);
        TChessBoard& b = *m.board;
        b.SetHighlightLastMove(true);
        b.SetHighlightCheck(true);
        b.SetShowLegalMoves(true);
        b.SetClickToMove(true);
        const char* moves[] = {"e2e4", "d7d5", "e4e5", "f7f5", "e5f6", "e8f7", "g1f3", "b8c6", "f1c4", "c8e6",
                               "e1g1", "a7a6", "f6g7", "f7f6", "g7h8", "f6f7", "d1e2", "a6a5", "e2e6"};
        for (const char* move : moves) {
            b.SetHintMove(Sq(move + 2), Sq(move));
            ClickOn(b, Sq(move));
            ASSERT_TRUE(b.MakeMove(Sq(move), Sq(move + 2))) << move;
            ASSERT_TRUE(m.AgreesWithFullPaint()) << move;
        }
        EXPECT_EQ(b.PieceAt(Sq("h8")), 'Q');
        // 10. Qxe6+: the last move and the king in check.
        EXPECT_EQ(m.Marked(), Squares({"e2", "e6", "f7"}));
        b.resize(480, 480);
        EXPECT_EQ(m.board->SizeOfSquare(), 54);
        m.reference->resize(480, 480);
        EXPECT_EQ(m.Marked(), Squares({"e2", "e6", "f7"}));
        b.SetWhiteOnTop(true);
        m.reference->SetWhiteOnTop(true);
        EXPECT_EQ(m.Marked(), Squares({"e2", "e6", "f7"}));
        for (int n = 1; n <= 10; ++n)
            for (bool white : {true, false})
                if (b.GotoMove(n, white)) {
                    ASSERT_TRUE(m.AgreesWithFullPaint()) << n << white;
                }
    }
}

namespace {

double Luminance(QRgb c)
{
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double Contrast(QRgb a, QRgb b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The share of a mark's pixels (those that differ from the unmarked
// square) that stand out from the unmarked square at 3:1 or more.
double StandingOut(const QImage& marked, const QImage& plain)
{
    int changed = 0, standing = 0;
    for (int y = 0; y < marked.height(); ++y)
        for (int x = 0; x < marked.width(); ++x) {
            if (marked.pixel(x, y) == plain.pixel(x, y))
                continue;
            ++changed;
            if (Contrast(marked.pixel(x, y), plain.pixel(x, y)) >= 3.0)
                ++standing;
        }
    return changed == 0 ? 0.0 : double(standing) / changed;
}

// The looks the program ships: its game window's maroon and olive squares,
// and the board's own grey ones; with the test looks beside them.
struct MarkLook {
    const char* name;
    QColor dark, light;
};
constexpr double kEnoughStandingOut = 0.2;

std::string Placed(std::initializer_list<std::pair<const char*, char>> pieces)
{
    std::string position(64, ' ');
    for (const auto& [square, piece] : pieces)
        position[static_cast<std::size_t>(Ord(Sq(square)) - 1)] = piece;
    return position;
}

} // namespace

TEST(BoardMarks, DotsRingsAndTheCheckFrameStandOutOnBothSquareColoursOfEveryLook)
{
    const MarkLook looks[] = {{"window", QColor(0x80, 0x00, 0x00), QColor(0x80, 0x80, 0x00)},
                              {"board", QColor(0x80, 0x80, 0x80), QColor(0xC0, 0xC0, 0xC0)},
                              {"custom", QColor(110, 70, 40), QColor(235, 215, 180)}};
    for (const MarkLook& look : looks) {
        SCOPED_TRACE(look.name);
        MarkedPair m(Look::Plain, false);
        for (TChessBoard* b : {m.board.board, m.reference.board}) {
            b->SetSquareColorDark(look.dark);
            b->SetSquareColorLight(look.light);
            b->SetCastlingAllowed(CastleSet());
        }
        m.board->SetClickToMove(true);
        m.board->SetShowLegalMoves(true);
        m.board->SetHighlightCheck(true);

        // The queen on d4 takes on d5 (light) and e5 (dark) and may go to
        // c4 (light) and c3 (dark).
        m.board->SetPosition(Placed({{"d4", 'Q'}, {"h1", 'K'}, {"d5", 'p'}, {"e5", 'p'}, {"a8", 'k'}}));
        m.board->SetWhiteToMove(true);
        m.Sync();
        ClickOn(*m.board, Sq("d4"));
        ASSERT_EQ(m.board->SelectedSquare(), Sq("d4"));
        m.Sync();
        for (const char* square : {"d5", "e5", "c4", "c3"}) {
            SCOPED_TRACE(square);
            const double share =
                StandingOut(SquarePixels(*m.board, Sq(square)), SquarePixels(*m.reference, Sq(square)));
            EXPECT_GE(share, kEnoughStandingOut);
        }
        QTest::keyClick(m.board.board, Qt::Key_Escape);

        // The king in check on a light square (e8) and on a dark one (d8),
        // for each colour of king: the frame stands out and the king, in the
        // middle of the square, looks as without it.
        for (const bool whiteKing : {false, true})
            for (const char* square : {"e8", "d8"}) {
                SCOPED_TRACE(std::string(square) + (whiteKing ? " white king" : " black king"));
                const std::string rookSquare = std::string(1, square[0]) + "1";
                m.board->SetPosition(whiteKing ? Placed({{square, 'K'}, {rookSquare.c_str(), 'r'}, {"h1", 'k'}})
                                               : Placed({{square, 'k'}, {rookSquare.c_str(), 'R'}, {"h1", 'K'}}));
                m.board->SetWhiteToMove(whiteKing);
                m.board->Paint();
                m.Sync();
                const QImage marked = SquarePixels(*m.board, Sq(square));
                const QImage plain = SquarePixels(*m.reference, Sq(square));
                ASSERT_NE(marked, plain);
                EXPECT_GE(StandingOut(marked, plain), kEnoughStandingOut);
                const int inset = marked.width() / 5;
                const QRect middle = marked.rect().adjusted(inset, inset, -inset, -inset);
                EXPECT_EQ(marked.copy(middle), plain.copy(middle));
            }
    }
}
