// The position editor in the game window: "Partida › Montar posição…" opens
// it on the shown position, a game starts from what it sets up through
// "Nova partida…" (whose start offers the position) and is saved with its
// SetUp and FEN tags, and the analysis starts there between two people.
#include "AppTestSupport.h"
#include "app/AnalysisController.h"
#include "app/GameFiles.h"
#include "app/NewGameDialog.h"
#include "app/PositionEditorDialog.h"
#include "app/PositionEditorModel.h"
#include "app/Unit2.h"
#include "board/ChessBoard.h"
#include "core/Pgn.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A rook ending, Black to move.
const char* const Ending = "8/5k2/8/3r4/8/8/4PK2/3R4 b - - 4 41";

class PositionEditorWindow : public ::testing::Test {
protected:
    CapturedBoxes boxes;
    TForm2 form{nullptr, true};
};

} // namespace

TEST_F(PositionEditorWindow, TheMenuItemOpensTheEditorOnTheShownPosition)
{
    const QList<QAction*> items = form.Partida1->actions();
    ASSERT_NE(form.MontarPosicao1, nullptr);
    EXPECT_EQ(form.MontarPosicao1->text(), "Montar posição…");
    EXPECT_EQ(items.indexOf(form.MontarPosicao1), items.indexOf(form.NovaPartida1) + 1);
    EXPECT_EQ(form.MontarPosicao1->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));

    ASSERT_TRUE(form.ChessBoard1->MakeMove(Square::E2, Square::E4));
    const QString before = form.GameFiles->ShownFen();
    ASSERT_TRUE(before.startsWith("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq ")) << before.toStdString();
    QString shownFen;
    bool analysed = false;
    // The editor opens modal; a look at it, then "Analisar".
    QTimer::singleShot(0, [&] {
        auto* editor = qobject_cast<PositionEditorDialog*>(QApplication::activeModalWidget());
        if (editor == nullptr)
            return;
        shownFen = editor->FenField->text();
        analysed = editor->AnalyseButton->isEnabled();
        editor->AnalyseButton->click();
    });
    form.MontarPosicao1->trigger();
    EXPECT_EQ(shownFen, before);
    EXPECT_TRUE(analysed);
    // The analysis: the position between two people, the panel shown.
    EXPECT_FALSE(form.ChessBoard1->ComputerPlaysWhite());
    EXPECT_FALSE(form.ChessBoard1->ComputerPlaysBlack());
    EXPECT_TRUE(form.Analysis->AnalysisAction()->isChecked());
    EXPECT_EQ(form.GameFiles->ShownFen(), before);
    EXPECT_EQ(form.ChessBoard1->Position(),
              PositionString(GameState::Initial().Board).replace(52, 1, " ").replace(36, 1, "P"));
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
}

TEST_F(PositionEditorWindow, AGameStartsFromTheSetUpPositionAndIsSavedWithItsFen)
{
    std::optional<NewGameChoices> asked;
    form.SetNewGameAsker([&](const NewGameChoices& current) {
        asked = current;
        NewGameChoices chosen = current;
        chosen.ComputerWhite = true;
        chosen.ComputerBlack = false;
        return std::optional<NewGameChoices>(chosen);
    });
    form.PlayFromPosition(Ending);
    ASSERT_TRUE(asked.has_value());
    EXPECT_EQ(asked->StartFen, Ending);
    EXPECT_EQ(form.GameFiles->ShownFen(), Ending);
    EXPECT_TRUE(form.ChessBoard1->ComputerPlaysWhite());
    EXPECT_FALSE(form.ChessBoard1->ComputerPlaysBlack());

    // Black's move, and the game as saved carries where it began.
    ASSERT_TRUE(form.ChessBoard1->MakeMove(Square::D5, Square::D1));
    PumpFor(20);
    const std::string pgn = WritePgn(form.GameFiles->CurrentGame());
    EXPECT_NE(pgn.find("[SetUp \"1\"]"), std::string::npos) << pgn;
    EXPECT_NE(pgn.find(std::string("[FEN \"") + Ending + "\"]"), std::string::npos) << pgn;
    EXPECT_NE(pgn.find("41... Rxd1"), std::string::npos) << pgn;
    const std::vector<PgnGame> back = ReadPgn(pgn);
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back.front().Value.PlyCount(), 1u);

    // A cancelled dialog leaves the game as it is.
    form.SetNewGameAsker([](const NewGameChoices&) { return std::optional<NewGameChoices>(); });
    form.PlayFromPosition(QString::fromLatin1(StandardStartFen.data()));
    EXPECT_EQ(form.GameFiles->ShownFen(), "8/5k2/8/8/8/8/4PK2/3r4 w - - 0 42");
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
}

TEST(NewGameDialogStart, OffersTheSetUpPositionBesideTheUsualStart)
{
    NewGameChoices current;
    // Without a set-up position: the usual start and Chess960 alone.
    EXPECT_EQ(NewGameDialog(current).Start->count(), 2);
    EXPECT_EQ(NewGameDialog(current).Start->findText("Posição montada"), -1);
    EXPECT_TRUE(NewGameDialog(current).Choices().StartFen.empty());

    current.StartFen = Ending;
    NewGameDialog dialog(current);
    ASSERT_EQ(dialog.Start->count(), 3);
    EXPECT_EQ(dialog.Start->currentText(), "Posição montada");
    EXPECT_EQ(dialog.Choices().StartFen, Ending);
    dialog.Start->setCurrentIndex(0);
    EXPECT_TRUE(dialog.Choices().StartFen.empty());
}
