// The game window's helpers hear the board through its signals: a handler
// set on one of the board's event slots later (as any user of the board may
// do) leaves the move announcer, the analysis panel and the autosave
// following the game.
#include "AppTestSupport.h"
#include "app/AnalysisController.h"
#include "app/GameRecord.h"
#include "app/MoveAnnouncer.h"
#include "app/Unit2.h"
#include "board/ChessBoard.h"
#include "enginehelp/AnalysisService.h"

#include <QAction>
#include <QFile>
#include <gtest/gtest.h>

TEST(WindowHelpers, AHandlerSetOnTheBoardLaterUnhooksNoHelper)
{
    CapturedBoxes boxes;
    RemoveAutosave();
    TForm2 form(nullptr, true);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    TAnalysisController& analysis = *form.Analysis;
    analysis.AnalysisAction()->trigger();
    TAnalysisService& panel = *analysis.PanelService();
    ASSERT_TRUE(PumpUntil([&] { return panel.Searching(); }, 5000));

    int moves = 0;
    int shown = 0;
    form.ChessBoard1->OnLegalMove = [&moves](QObject*, Square, Square) { ++moves; };
    form.ChessBoard1->OnShownPositionChanged = [&shown](QObject*) { ++shown; };

    std::uint64_t id = panel.CurrentId();
    ASSERT_TRUE(form.ChessBoard1->PlayerMove(Square::E2, Square::E4));
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(PumpUntil([&] { return form.Announcer->LastAnnouncement() == "Brancas: peão e2 para e4"; }, 2000))
        << form.Announcer->LastAnnouncement().toStdString();
    EXPECT_TRUE(PumpUntil([&] { return panel.CurrentId() > id; }, 2000));
    ASSERT_TRUE(PumpUntil([&] { return QFile::exists(AutosaveFileName()); }, 2000));
    const std::optional<Game> saved = ReadAutosave();
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->PlyCount(), 1u);

    // Going back to the start: the panel analyses it again.
    id = panel.CurrentId();
    ASSERT_TRUE(form.ChessBoard1->GotoMove(1, true));
    EXPECT_EQ(shown, 2);
    EXPECT_TRUE(PumpUntil([&] { return panel.CurrentId() > id; }, 2000));
    analysis.AnalysisAction()->trigger();
    RemoveAutosave();
}
