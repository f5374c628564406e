// The %cal and %csl commands of move comments: read, written, read back,
// and bad input skipped without harm to the rest of the comment.
#include "core/DrawingComment.h"
#include "core/Pgn.h"

#include <gtest/gtest.h>

namespace {

BoardDrawing Sample()
{
    BoardDrawing drawing;
    drawing.Arrows = {{Square::E2, Square::E4, DrawColour::Green}, {Square::D8, Square::D1, DrawColour::Red}};
    drawing.Circles = {{Square::D5, DrawColour::Green}, {Square::H7, DrawColour::Yellow}};
    return drawing;
}

TEST(DrawingComment, ReadsTheCommandsAmongOtherText)
{
    const BoardDrawing drawing = CommentDrawing("a fine move [%clk 0:01:00] [%cal Ge2e4,Rd8d1] [%csl Gd5,Yh7] indeed");
    EXPECT_EQ(drawing, Sample());
    // Blanks after the commas, lower-case colours and several commands.
    const BoardDrawing loose = CommentDrawing("[%cal Ge2e4, rd8d1][%csl gd5] [%csl Yh7]");
    EXPECT_EQ(loose, Sample());
    EXPECT_TRUE(CommentDrawing("no drawing here [%clk 0:01:00]").Empty());
}

TEST(DrawingComment, WritesTheCommandsAndReadsThemBack)
{
    EXPECT_EQ(WithCommentDrawing("", Sample()), "[%csl Gd5,Yh7] [%cal Ge2e4,Rd8d1]");
    EXPECT_EQ(WithCommentDrawing("good", Sample()), "[%csl Gd5,Yh7] [%cal Ge2e4,Rd8d1] good");
    // Earlier commands are replaced, the rest of the comment stays.
    BoardDrawing blue;
    blue.Arrows = {{Square::A1, Square::H8, DrawColour::Blue}};
    const std::string replaced = WithCommentDrawing("[%clk 0:00:09] [%cal Ge2e4] note [%csl Rd5]", blue);
    EXPECT_EQ(replaced, "[%cal Ba1h8] [%clk 0:00:09] note");
    EXPECT_EQ(CommentDrawing(replaced), blue);
    // An empty drawing removes the commands, with the blanks they leave.
    EXPECT_EQ(WithCommentDrawing("before [%cal Ge2e4] after", BoardDrawing{}), "before after");
    EXPECT_EQ(WithoutCommentDrawing("[%csl Gd5] [%cal Ge2e4]"), "");
    EXPECT_EQ(WithoutCommentDrawing("text [%csl Gd5]"), "text");

    // Through a whole game file: written in the move's comment and read back.
    Game game;
    ASSERT_TRUE(game.AddMove({Square::E2, Square::E4, ' '}));
    ASSERT_TRUE(game.AddMove({Square::E7, Square::E5, ' '}));
    game.Moves()[0].Comment = WithCommentDrawing("the centre", Sample());
    game.Moves()[1].Comment = WithCommentDrawing("", blue);
    const std::vector<PgnGame> read = ReadPgn(WritePgn(game));
    ASSERT_EQ(read.size(), 1U);
    ASSERT_TRUE(read[0].Ok);
    EXPECT_EQ(CommentDrawing(read[0].Value.Moves()[0].Comment), Sample());
    EXPECT_EQ(WithoutCommentDrawing(read[0].Value.Moves()[0].Comment), "the centre");
    EXPECT_EQ(CommentDrawing(read[0].Value.Moves()[1].Comment), blue);
}

TEST(DrawingComment, SkipsWhatItCannotRead)
{
    // Unknown colours, squares off the board, wrong lengths, an arrow to its
    // own square, a command of another name: skipped, the good entries kept.
    const BoardDrawing drawing =
        CommentDrawing("[%cal Xe2e4,Ge2e9,Gi2e4,Ge2e4e6,Ge2e2,,Ge2,Ge2e4] [%csl Gz5,G5d,Gd55,Rd5] [%call Gc1c3]");
    ASSERT_EQ(drawing.Arrows.size(), 1U);
    EXPECT_EQ(drawing.Arrows[0], (DrawnArrow{Square::E2, Square::E4, DrawColour::Green}));
    ASSERT_EQ(drawing.Circles.size(), 1U);
    EXPECT_EQ(drawing.Circles[0], (DrawnCircle{Square::D5, DrawColour::Red}));
    // A repeated square keeps its last colour, once.
    const BoardDrawing repeated = CommentDrawing("[%csl Gd5,Rd5] [%cal Ge2e4] [%cal Be2e4]");
    EXPECT_EQ(repeated.Circles, (std::vector<DrawnCircle>{{Square::D5, DrawColour::Red}}));
    EXPECT_EQ(repeated.Arrows, (std::vector<DrawnArrow>{{Square::E2, Square::E4, DrawColour::Blue}}));
    // A command that is never closed is no command; the text stays as it is.
    EXPECT_TRUE(CommentDrawing("[%cal Ge2e4").Empty());
    EXPECT_EQ(WithoutCommentDrawing("[%cal Ge2e4"), "[%cal Ge2e4");
    for (const char* odd : {"", "[", "[%", "[%cal", "[%cal]", "[%csl ]", "]]]]", "[%cal ,,,]", "[%csl G"})
        EXPECT_TRUE(CommentDrawing(odd).Empty()) << odd;
}

TEST(DrawingComment, DrawingAMarkAgainRemovesOrRecoloursIt)
{
    BoardDrawing drawing;
    drawing.Toggle(DrawnArrow{Square::E2, Square::E4, DrawColour::Green});
    drawing.Toggle(DrawnCircle{Square::D5, DrawColour::Red});
    ASSERT_EQ(drawing.Arrows.size(), 1U);
    ASSERT_EQ(drawing.Circles.size(), 1U);
    // Another colour recolours; the reverse arrow is another arrow.
    drawing.Toggle(DrawnArrow{Square::E2, Square::E4, DrawColour::Blue});
    drawing.Toggle(DrawnArrow{Square::E4, Square::E2, DrawColour::Blue});
    ASSERT_EQ(drawing.Arrows.size(), 2U);
    EXPECT_EQ(drawing.Arrows[0].Colour, DrawColour::Blue);
    // The same colour removes.
    drawing.Toggle(DrawnArrow{Square::E2, Square::E4, DrawColour::Blue});
    drawing.Toggle(DrawnCircle{Square::D5, DrawColour::Red});
    EXPECT_EQ(drawing.Arrows, (std::vector<DrawnArrow>{{Square::E4, Square::E2, DrawColour::Blue}}));
    EXPECT_TRUE(drawing.Circles.empty());
    // Nothing off the board, no arrow to its own square.
    drawing.Toggle(DrawnArrow{Square::E2, Square::E2, DrawColour::Green});
    drawing.Toggle(DrawnArrow{Square::None, Square::E2, DrawColour::Green});
    drawing.Toggle(DrawnCircle{Square::None, DrawColour::Green});
    EXPECT_EQ(drawing.Arrows.size(), 1U);
    EXPECT_TRUE(drawing.Circles.empty());
}

} // namespace
