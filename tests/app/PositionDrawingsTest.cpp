// The arrows and circles of the game window: the switch in "Opções", the
// drawing kept for the position it was drawn on and shown again when the
// move list goes there, written into the move's comment as %csl and %cal,
// read back from a file (the start's comment and a variation too), and
// forgotten by a new game.
#include "app/PositionDrawings.h"
#include "AppTestSupport.h"
#include "app/GameFiles.h"
#include "app/GameRecord.h"
#include "app/MoveListBox.h"
#include "app/Unit2.h"
#include "board/ChessBoard.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

QPoint Centre(const TChessBoard& board, Square s)
{
    int x = 0, y = 0;
    board.SquareOrigin(s, x, y);
    return QPoint(x + board.SizeOfSquare() / 2, y + board.SizeOfSquare() / 2);
}

void RightDrag(TChessBoard& board, Square from, Square to)
{
    QTest::mousePress(&board, Qt::RightButton, Qt::NoModifier, Centre(board, from));
    QTest::mouseMove(&board, Centre(board, to));
    QTest::mouseRelease(&board, Qt::RightButton, Qt::NoModifier, Centre(board, to));
}

void GoToLine(TForm2& form, int row)
{
    form.ListBox1->setCurrentRow(row);
    form.ListBox1Click(form.ListBox1);
    PumpFor(20);
}

QString ReadText(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

BoardDrawing KnightAndCentre()
{
    BoardDrawing drawing;
    drawing.Arrows = {{Square::G1, Square::F3, DrawColour::Green}};
    drawing.Circles = {{Square::D4, DrawColour::Red}};
    return drawing;
}

} // namespace

TEST(PositionDrawings, TheSwitchIsOffAtFirstAndRemembered)
{
    {
        TForm2 form(nullptr, true);
        QAction* item = form.Drawings->SwitchAction();
        ASSERT_NE(item, nullptr);
        EXPECT_TRUE(form.Opcoes1->actions().contains(item));
        EXPECT_FALSE(item->isChecked());
        EXPECT_FALSE(form.ChessBoard1->DrawsMarks());
        item->trigger();
        EXPECT_TRUE(form.ChessBoard1->DrawsMarks());
    }
    TForm2 again(nullptr, true);
    EXPECT_TRUE(again.Drawings->SwitchAction()->isChecked());
    EXPECT_TRUE(again.ChessBoard1->DrawsMarks());
    again.Drawings->SwitchAction()->trigger();
    EXPECT_FALSE(again.ChessBoard1->DrawsMarks());
}

TEST(PositionDrawings, ADrawingStaysWithItsPositionAndGoesThroughAFile)
{
    CapturedBoxes boxes;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("setas.pgn");
    {
        TForm2 form(nullptr, true);
        form.show();
        form.Drawings->SwitchAction()->setChecked(true);
        TChessBoard& board = *form.ChessBoard1;
        for (const auto& [from, to] : {std::pair{Square::E2, Square::E4},
                                       {Square::E7, Square::E5},
                                       {Square::G1, Square::F3},
                                       {Square::B8, Square::C6}})
            ASSERT_TRUE(board.MakeMove(from, to));
        PumpFor(20);

        // Drawn on the position after 1... e5.
        GoToLine(form, 1);
        RightDrag(board, Square::G1, Square::F3);
        QTest::mouseClick(&board, Qt::RightButton, Qt::ShiftModifier, Centre(board, Square::D4));
        ASSERT_EQ(board.Drawing(), KnightAndCentre());
        // Another position shows its own (none); back again, the drawing returns.
        GoToLine(form, 3);
        EXPECT_TRUE(board.Drawing().Empty());
        GoToLine(form, 1);
        EXPECT_EQ(board.Drawing(), KnightAndCentre());

        form.GameFiles->SaveGame(file);
        const QString text = ReadText(file);
        EXPECT_TRUE(text.contains("1. e4 e5 {[%csl Rd4] [%cal Gg1f3]} 2. Nf3 Nc6")) << text.toStdString();
        // The autosave keeps them as well.
        form.GameFiles->AutosaveNow();
        const QString autosave = ReadText(AutosaveFileName());
        EXPECT_TRUE(autosave.contains("{[%csl Rd4] [%cal Gg1f3]}")) << autosave.toStdString();
        RemoveAutosave();
    }
    {
        TForm2 form(nullptr, true);
        form.show();
        form.Drawings->SwitchAction()->setChecked(true);
        TChessBoard& board = *form.ChessBoard1;
        ASSERT_TRUE(form.GameFiles->OpenGame(file));
        PumpFor(20);
        EXPECT_TRUE(board.Drawing().Empty()) << "the last position has none";
        GoToLine(form, 1);
        EXPECT_EQ(board.Drawing(), KnightAndCentre());

        // A left click clears it, and the saved game loses the commands.
        QTest::mouseClick(&board, Qt::LeftButton, Qt::NoModifier, Centre(board, Square::H5));
        EXPECT_TRUE(board.Drawing().Empty());
        const Game game = form.GameFiles->CurrentGame();
        EXPECT_EQ(game.Moves()[1].Comment, "");

        // A new game forgets every drawing.
        RightDrag(board, Square::A2, Square::A4);
        form.NovoJogo1->trigger();
        PumpFor(20);
        EXPECT_TRUE(board.Drawing().Empty());
        EXPECT_TRUE(form.Drawings->DrawingAt(game, 2).Empty());
    }
}

TEST(PositionDrawings, TheStartCommentAndVariationsKeepTheirOwn)
{
    CapturedBoxes boxes;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("variantes.pgn");
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("[Event \"x\"]\n\n{[%csl Ye4] start} 1. e4 {[%cal Ge7e5] a comment} e5 "
              "(1... c5 {[%cal Rg1f3,Bb1c3] [%csl Gd4]}) 2. Nf3 *\n");
    out.close();

    TForm2 form(nullptr, true);
    form.Drawings->SwitchAction()->setChecked(true);
    ASSERT_TRUE(form.GameFiles->OpenGame(file));
    const Game game = form.GameFiles->CurrentGame();
    TPositionDrawings& drawings = *form.Drawings;
    EXPECT_EQ(drawings.DrawingAt(game, 0).Circles, (std::vector<DrawnCircle>{{Square::E4, DrawColour::Yellow}}));
    EXPECT_EQ(drawings.DrawingAt(game, 1).Arrows,
              (std::vector<DrawnArrow>{{Square::E7, Square::E5, DrawColour::Green}}));
    EXPECT_TRUE(drawings.DrawingAt(game, 2).Empty());
    // The variation's position is known by its own moves.
    Game sicilian;
    for (const ChessMove& move : {ChessMove{Square::E2, Square::E4, ' '}, ChessMove{Square::C7, Square::C5, ' '}})
        ASSERT_TRUE(sicilian.AddMove(move));
    const BoardDrawing variation = drawings.DrawingAt(sicilian, 2);
    EXPECT_EQ(variation.Arrows.size(), 2u);
    EXPECT_EQ(variation.Circles.size(), 1u);

    // Written back as it came, the other text of the comments kept.
    std::string text = WritePgn(game);
    std::replace(text.begin(), text.end(), '\n', ' '); // the writer wraps long lines
    for (const char* expected : {"{[%csl Ye4] start}", "{[%cal Ge7e5] a comment}", "{[%csl Gd4] [%cal Rg1f3,Bb1c3]}"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;

    // Going to the first move shows its drawing on the board.
    form.show();
    GoToLine(form, 0);
    EXPECT_EQ(form.ChessBoard1->Drawing(), drawings.DrawingAt(game, 1));
}
