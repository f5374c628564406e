// The game window's engine help: the items of Partida and Opções, the hint
// on a mate in one, the analysis panel following the game and costing
// nothing when hidden, the review of a game that loses its queen, and a
// broken engine reported once while the built-in engine answers.
#include "AppTestSupport.h"
#include "EventPump.h"
#include "app/AnalysisController.h"
#include "app/Application.h"
#include "app/GameFiles.h"
#include "app/MoveListBox.h"
#include "app/Unit2.h"
#include "board/ChessBoard.h"
#include "enginehelp/AnalysisService.h"
#include "enginehelp/GameReviewer.h"

#include <QAction>
#include <QDockWidget>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

#include <sys/resource.h>

namespace {

// White: Ra1, Kg1, pawns f2 g2 h2; Black: Kg8, pawns f7 g7 h7. Ra8 mates.
constexpr const char* BackRankMate = "      k "
                                     "     ppp"
                                     "        "
                                     "        "
                                     "        "
                                     "        "
                                     "     PPP"
                                     "R     K ";

double ProcessCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

QStringList Captions(const QMenu* menu)
{
    QStringList list;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator())
            list.append(action->text());
    }
    return list;
}

class SettingsInTemporaryFolder {
public:
    SettingsInTemporaryFolder() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path()); }

private:
    QTemporaryDir dir_;
};

class AnalysisWindow : public ::testing::Test {
protected:
    AnalysisWindow()
    {
        TAnalysisController::Efforts efforts;
        efforts.HintTimeMs = 2000;
        efforts.ReviewDepth = 3;
        form.Analysis->SetEfforts(efforts);
    }
    void Play(std::initializer_list<std::pair<Square, Square>> moves)
    {
        for (const auto& [from, to] : moves)
            ASSERT_TRUE(form.ChessBoard1->MakeMove(from, to));
    }
    void SetMateInOne()
    {
        form.ChessBoard1->SetPosition(BackRankMate);
        form.ChessBoard1->SetCastlingAllowed(CastleSet());
        form.ChessBoard1->SetWhiteToMove(true);
    }

    SettingsInTemporaryFolder settings;
    CapturedBoxes boxes;
    TForm2 form{nullptr, true};
    TAnalysisController& analysis = *form.Analysis;
};

} // namespace

TEST_F(AnalysisWindow, PartidaAndOpcoesCarryTheEngineHelp)
{
    const QStringList partida = Captions(form.Partida1);
    for (const char* item : {"Dica", "Análise", "Revisar partida"})
        EXPECT_TRUE(partida.contains(item)) << item;
    EXPECT_EQ(analysis.HintAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
    EXPECT_EQ(analysis.AnalysisAction()->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_TRUE(analysis.AnalysisAction()->isCheckable());
    EXPECT_FALSE(analysis.AnalysisAction()->isChecked());
    EXPECT_TRUE(analysis.Panel()->isHidden());

    EXPECT_TRUE(Captions(form.Opcoes1).contains("Motor de análise"));
    const QStringList engines = Captions(analysis.EngineMenu());
    ASSERT_GE(engines.size(), 2);
    EXPECT_EQ(engines.first(), "Motor interno");
    EXPECT_EQ(engines.last(), "Adicionar motor…");
    // With no stored choice the built-in engine analyses.
    EXPECT_TRUE(analysis.EngineMenu()->actions().first()->isChecked());
    EXPECT_FALSE(analysis.PanelService()->UsingUci());
    for (int level = 1; level <= 5; ++level) {
        EXPECT_EQ(form.Dificuldade1->actions()[level - 1]->statusTip(), DifficultyStatusTip(level));
        // Shown as the item's tool tip, since the window has no status bar.
        EXPECT_EQ(form.Dificuldade1->actions()[level - 1]->toolTip(), DifficultyStatusTip(level));
    }
    EXPECT_TRUE(form.Dificuldade1->toolTipsVisible());
}

TEST(DifficultyTips, EachLevelIsToldInAPlayersWords)
{
    QStringList tips;
    // Engine jargon and bare figures mean nothing to most players; the
    // measured strength is in the guide.
    const QRegularExpression jargon(QStringLiteral("UCI|Elo|motor|escala|pontos|\\d"));
    for (int level = 1; level <= 5; ++level) {
        const QString tip = DifficultyStatusTip(level);
        EXPECT_FALSE(tip.isEmpty()) << level;
        EXPECT_FALSE(tip.contains(jargon)) << tip.toStdString();
        EXPECT_FALSE(tips.contains(tip)) << tip.toStdString();
        tips.append(tip);
    }
    EXPECT_TRUE(tips.first().contains("mais fácil"));
    EXPECT_TRUE(tips.last().contains("mais forte"));
    EXPECT_TRUE(DifficultyStatusTip(0).isEmpty());
    EXPECT_TRUE(DifficultyStatusTip(6).isEmpty());
}

TEST_F(AnalysisWindow, HintMarksTheMateWithoutMovingAPiece)
{
    SetMateInOne();
    const std::string before = form.ChessBoard1->Position();
    QSignalSpy shown(&analysis, &TAnalysisController::HintShown);
    const std::uint64_t idBefore = analysis.HintService()->CurrentId();
    analysis.HintAction()->trigger();
    // A second request while the first searches does nothing.
    analysis.HintAction()->trigger();
    EXPECT_EQ(analysis.HintService()->CurrentId(), idBefore + 1);
    ASSERT_TRUE(PumpUntil([&] { return shown.count() == 1; }, 10000));
    EXPECT_EQ(analysis.HintFrom(), Square::A1);
    EXPECT_EQ(analysis.HintTo(), Square::A8);
    EXPECT_EQ(form.ChessBoard1->Position(), before);
    EXPECT_TRUE(form.ChessBoard1->WhiteToMove());

    // The next move takes the mark away.
    Play({{Square::H2, Square::H3}});
    EXPECT_TRUE(PumpUntil([&] { return analysis.HintFrom() == Square::None; }, 1000));
}

TEST_F(AnalysisWindow, HintForAPositionLeftBehindIsNotShown)
{
    SetMateInOne();
    QSignalSpy shown(&analysis, &TAnalysisController::HintShown);
    analysis.HintAction()->trigger();
    Play({{Square::H2, Square::H3}});
    PumpFor(2500);
    EXPECT_EQ(shown.count(), 0);
    EXPECT_EQ(analysis.HintFrom(), Square::None);
}

TEST_F(AnalysisWindow, PanelFollowsTheGameAndCostsNothingWhenHidden)
{
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QSize closedSize = form.size();
    TAnalysisService& service = *analysis.PanelService();

    analysis.AnalysisAction()->trigger();
    ASSERT_TRUE(PumpUntil([&] { return !analysis.DepthLabel()->text().isEmpty(); }, 10000));
    EXPECT_TRUE(analysis.Panel()->isVisible());
    EXPECT_GT(form.height(), closedSize.height());
    EXPECT_TRUE(service.Searching());
    EXPECT_TRUE(analysis.SpeedLabel()->text().endsWith("nós/s"));
    EXPECT_TRUE(analysis.LineLabel()->text().startsWith("1. ")) << analysis.LineLabel()->text().toStdString();
    EXPECT_TRUE(analysis.ScoreLabel()->text().contains('.')) << analysis.ScoreLabel()->text().toStdString();

    // A move starts the analysis again for Black.
    const std::uint64_t id = service.CurrentId();
    Play({{Square::E2, Square::E4}});
    EXPECT_TRUE(PumpUntil([&] { return service.CurrentId() > id; }, 1000));
    ASSERT_TRUE(PumpUntil([&] { return analysis.LineLabel()->text().startsWith("1... "); }, 10000))
        << analysis.LineLabel()->text().toStdString();

    // Going back through the list starts it again for the earlier position.
    Play({{Square::E7, Square::E5}});
    form.ListBox1->setCurrentRow(0);
    emit form.ListBox1->Click();
    ASSERT_TRUE(PumpUntil([&] { return analysis.LineLabel()->text().startsWith("1... "); }, 10000));

    analysis.AnalysisAction()->trigger();
    EXPECT_FALSE(analysis.Panel()->isVisible());
    EXPECT_FALSE(service.Searching());
    EXPECT_TRUE(PumpUntil([&] { return form.size() == closedSize; }, 2000)) << form.height();
    PumpFor(200);
    const std::uint64_t nodes = service.BuiltinNodes();
    const double cpu = ProcessCpuSeconds();
    PumpFor(2000);
    EXPECT_EQ(service.BuiltinNodes(), nodes);
    EXPECT_LT(ProcessCpuSeconds() - cpu, 0.3);
}

TEST_F(AnalysisWindow, ReviewMarksTheLostQueenAndGoesToItsPosition)
{
    // 1. e4 e5 2. Qh5 Nc6 3. Qxe5+?? Nxe5
    Play({{Square::E2, Square::E4},
          {Square::E7, Square::E5},
          {Square::D1, Square::H5},
          {Square::B8, Square::C6},
          {Square::H5, Square::E5},
          {Square::C6, Square::E5}});
    QSignalSpy shown(&analysis, &TAnalysisController::ReviewShown);
    analysis.ReviewAction()->trigger();
    ASSERT_TRUE(PumpUntil([&] { return shown.count() == 1; }, 30000));

    const QStringList lines = form.ListBox1->Lines();
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[4], "3. H5-E5 ??");
    EXPECT_FALSE(lines[5].contains('?')) << lines[5].toStdString();
    const TReviewedMove* queen = analysis.LastReview().Find(3, true);
    ASSERT_NE(queen, nullptr);
    EXPECT_EQ(queen->Mark, TMoveMark::Blunder);

    QListWidget* worst = analysis.ReviewSummaryList();
    ASSERT_NE(worst, nullptr);
    ASSERT_GE(worst->count(), 1);
    EXPECT_TRUE(worst->item(0)->text().contains("H5-E5")) << worst->item(0)->text().toStdString();
    emit worst->itemClicked(worst->item(0));
    EXPECT_EQ(form.ChessBoard1->CurrentMove(), 3);
    EXPECT_TRUE(form.ChessBoard1->WhiteToMove());
    EXPECT_EQ(form.ChessBoard1->PieceAt(Square::H5), 'Q');

    // The marks stay when the game goes on.
    analysis.ReviewSummary()->close();
}

TEST_F(AnalysisWindow, TheMateBoxAndTheReviewsProgressHaveRoomForTheirTitles)
{
    // Room for the title and the title bar's icon and buttons (about 150
    // pixels with the margins, in the usual window managers).
    const auto roomy = [](QWidget* window) {
        return window->width() >= QFontMetrics(window->font()).horizontalAdvance(window->windowTitle()) + 150;
    };
    std::unique_ptr<QMessageBox> mate(CreateMessageBox(QStringLiteral("Cheque Mate!")));
    mate->show();
    EXPECT_TRUE(roomy(mate.get())) << mate->width();
    mate->hide();

    Play({{Square::E2, Square::E4}, {Square::E7, Square::E5}});
    analysis.ReviewAction()->trigger();
    auto* progress = form.findChild<QProgressDialog*>(QStringLiteral("ReviewProgress"));
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(roomy(progress)) << progress->width();
    QSignalSpy shown(&analysis, &TAnalysisController::ReviewShown);
    ASSERT_TRUE(PumpUntil([&] { return shown.count() == 1; }, 30000));
    analysis.ReviewSummary()->close();
}

TEST_F(AnalysisWindow, ThePanelsLineAndTheReviewFollowTheMoveListsNotation)
{
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QAction* notation = form.GameFiles->NotationAction();
    ASSERT_FALSE(notation->isChecked());
    Play({{Square::E2, Square::E4}});
    analysis.AnalysisAction()->trigger();
    QLabel* line = analysis.LineLabel();
    ASSERT_TRUE(PumpUntil([&] { return line->text().startsWith("1... "); }, 10000)) << line->text().toStdString();

    const QRegularExpression coordinates(QStringLiteral("^[A-H][1-8]-[A-H][1-8](=[DTBC])?$"));
    const QRegularExpression san(QStringLiteral("^([RDTBC]?[a-h]?[1-8]?x?[a-h][1-8](=[DTBC])?|O-O|O-O-O)[+#]?$"));
    const QRegularExpression number(QStringLiteral("^\\d+\\.(\\.\\.)?$"));
    // Every word is a move number or a move written the one way.
    auto writtenAs = [&](const QString& text, const QRegularExpression& move) {
        const QStringList words = text.split(' ');
        for (const QString& word : words)
            if (!number.match(word).hasMatch() && !move.match(word).hasMatch())
                return false;
        return words.size() >= 2;
    };
    EXPECT_TRUE(writtenAs(line->text(), coordinates)) << line->text().toStdString();

    // The switch rewrites the line shown at once, word for word, and the
    // reports that follow come in the same notation.
    const QStringList before = line->text().split(' ');
    notation->trigger();
    EXPECT_EQ(form.ListBox1->Lines().first(), "1. e4");
    const QStringList after = line->text().split(' ');
    EXPECT_TRUE(writtenAs(line->text(), san)) << line->text().toStdString();
    ASSERT_EQ(after.size(), before.size());
    for (int i = 0; i < after.size(); ++i)
        EXPECT_EQ(number.match(after[i]).hasMatch(), number.match(before[i]).hasMatch()) << i;
    const QString depth = analysis.DepthLabel()->text();
    ASSERT_TRUE(PumpUntil([&] { return analysis.DepthLabel()->text() != depth; }, 10000));
    EXPECT_TRUE(writtenAs(line->text(), san)) << line->text().toStdString();

    // 1. e4 e5 2. Qh5 Nc6 3. Qxe5+?? Nxe5: the review names the moves as
    // the list does, and its marks go on the list's own lines.
    analysis.AnalysisAction()->trigger();
    Play({{Square::E7, Square::E5},
          {Square::D1, Square::H5},
          {Square::B8, Square::C6},
          {Square::H5, Square::E5},
          {Square::C6, Square::E5}});
    QSignalSpy shown(&analysis, &TAnalysisController::ReviewShown);
    analysis.ReviewAction()->trigger();
    ASSERT_TRUE(PumpUntil([&] { return shown.count() == 1; }, 30000));
    const QStringList lines = form.ListBox1->Lines();
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], "1. e4");
    EXPECT_EQ(lines[4], "3. Dxe5+ ??");
    QListWidget* worst = analysis.ReviewSummaryList();
    ASSERT_NE(worst, nullptr);
    ASSERT_GE(worst->count(), 1);
    EXPECT_TRUE(worst->item(0)->text().startsWith("3. Dxe5+ ??")) << worst->item(0)->text().toStdString();
    analysis.ReviewSummary()->close();

    // Back in coordinates, the line is written anew at once.
    notation->trigger();
    analysis.AnalysisAction()->trigger();
    ASSERT_TRUE(PumpUntil([&] { return !line->text().isEmpty(); }, 10000));
    EXPECT_TRUE(writtenAs(line->text(), coordinates)) << line->text().toStdString();
    EXPECT_EQ(form.ListBox1->Lines()[4], "3. H5-E5 ??");
}

TEST_F(AnalysisWindow, ABrokenEngineIsReportedOnceAndTheHintStillComes)
{
    QTemporaryDir dir;
    const QString crash = dir.filePath("crashing-engine");
    QFile script(crash);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/bash\nwhile read -r line; do case \"$line\" in uci) echo uciok;; isready) echo readyok;; "
                 "go*) kill -SEGV $$;; esac; done\n");
    script.close();
    script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    analysis.ChooseEngine(crash);
    EXPECT_TRUE(analysis.HintService()->UsingUci());
    SetMateInOne();
    QSignalSpy shown(&analysis, &TAnalysisController::HintShown);
    form.show();
    analysis.AnalysisAction()->trigger();
    analysis.HintAction()->trigger();
    ASSERT_TRUE(PumpUntil([&] { return shown.count() == 1; }, 15000));
    EXPECT_EQ(analysis.HintTo(), Square::A8);
    ASSERT_TRUE(PumpUntil([&] { return analysis.ScoreLabel()->text() == "#1"; }, 10000))
        << analysis.ScoreLabel()->text().toStdString();
    PumpFor(300);
    ASSERT_EQ(analysis.EngineMessages().size(), 1);
    EXPECT_TRUE(analysis.EngineMessages().first().contains("crashing-engine"));
    EXPECT_FALSE(analysis.PanelService()->UsingUci());
    EXPECT_FALSE(analysis.HintService()->UsingUci());
    // The choice is remembered all the same: the next start tries it again.
    EXPECT_EQ(QSettings("Kestravin", "Kestravin 2005").value("analysis/engine").toString(), crash);
}
