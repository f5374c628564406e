// The review's graph: its points against a known review (White's side,
// clamped, a mate on the edge, the marks, each point's position), where
// they lie and which one a click picks, its painting, the real review's
// graph going to the position clicked, and the score sheet with the graph.
#include "app/EvaluationGraph.h"
#include "AppTestSupport.h"
#include "app/AnalysisController.h"
#include "app/ScoreSheet.h"
#include "app/Unit2.h"
#include "board/ChessBoard.h"
#include "core/MoveExecution.h"
#include "core/San.h"

#include <QAction>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// 1. e4 e5 2. Qh5 Nc6 3. Bc4 Nf6?? 4. Qxf7#, with the scores an engine
// would give before each move and at the mate.
struct KnownReview {
    TGameReview Review;
    KnownReview()
    {
        std::vector<TReviewPosition> positions;
        std::string error;
        FenPosition start;
        EXPECT_TRUE(ReadFen(StandardStartFen, start, error));
        GameState state = start.State;
        for (const char* san : {"e4", "e5", "Qh5", "Nc6", "Bc4", "Nf6", "Qxf7#"}) {
            ChessMove move;
            EXPECT_TRUE(ReadSan(state, san, move, error)) << san;
            positions.push_back({state, state.CurrentMove, state.WhiteToMove, move.From, move.To});
            state = PositionAfter(state, move);
        }
        positions.push_back({state, state.CurrentMove, state.WhiteToMove, Square::None, Square::None});
        // After Nf6 White mates: an engine's mate score, capped.
        Review = BuildReview(positions, {30, 35, -20, 40, 60, 80, 100000, 100000});
    }
};

} // namespace

TEST(EvaluationGraph, ThePointsFollowAKnownReview)
{
    const KnownReview known;
    ASSERT_EQ(known.Review.Moves.size(), 7u);
    const std::vector<EvaluationPoint> curve = EvaluationCurve(known.Review);
    ASSERT_EQ(curve.size(), 8u) << "the start and one point after each move";
    const double expected[] = {0.30, 0.35, -0.20, 0.40, 0.60, 0.80, 10.0, 10.0};
    for (std::size_t i = 0; i < curve.size(); ++i)
        EXPECT_NEAR(curve[i].Pawns(), expected[i], 1e-9) << i;
    // 3... Nf6 lets the mate in: a blunder, on the point after it.
    EXPECT_EQ(curve[6].Mark, TMoveMark::Blunder);
    EXPECT_EQ(curve[4].Mark, TMoveMark::None) << "Qh5 and Nc6 lose little";
    EXPECT_EQ(curve[0].Mark, TMoveMark::None);
    // Each point's position: the start, then after each move.
    EXPECT_EQ(std::make_pair(curve[0].SlotMove, curve[0].SlotWhiteToMove), std::make_pair(1, true));
    EXPECT_EQ(std::make_pair(curve[1].SlotMove, curve[1].SlotWhiteToMove), std::make_pair(1, false));
    EXPECT_EQ(std::make_pair(curve[2].SlotMove, curve[2].SlotWhiteToMove), std::make_pair(2, true));
    EXPECT_EQ(std::make_pair(curve[7].SlotMove, curve[7].SlotWhiteToMove), std::make_pair(4, false));
    EXPECT_TRUE(ShownOnGraph(TMoveMark::Mistake));
    EXPECT_TRUE(ShownOnGraph(TMoveMark::Blunder));
    EXPECT_FALSE(ShownOnGraph(TMoveMark::Dubious));
    EXPECT_TRUE(EvaluationCurve(TGameReview{}).empty());

    // Black's side is clamped as well, and a game that starts with Black's
    // move has its first point at Black's turn.
    TGameReview black;
    black.Moves.push_back({10, false, Square::E7, Square::E5, 0, TMoveMark::None, -50, -2500});
    const std::vector<EvaluationPoint> short_ = EvaluationCurve(black);
    ASSERT_EQ(short_.size(), 2u);
    EXPECT_EQ(std::make_pair(short_[0].SlotMove, short_[0].SlotWhiteToMove), std::make_pair(10, false));
    EXPECT_EQ(std::make_pair(short_[1].SlotMove, short_[1].SlotWhiteToMove), std::make_pair(11, true));
    EXPECT_DOUBLE_EQ(short_[0].Pawns(), -0.5);
    EXPECT_DOUBLE_EQ(short_[1].Pawns(), -EvaluationLimitPawns);
}

TEST(EvaluationGraph, RestingOnAPointTellsItsMoveMarkAndScore)
{
    const KnownReview known;
    const std::vector<EvaluationPoint> curve = EvaluationCurve(known.Review);
    ASSERT_EQ(curve.size(), 8u);
    EXPECT_EQ(EvaluationPointText(curve[0]), "Início: +0.30");
    EXPECT_EQ(EvaluationPointText(curve[1]), "1. E2-E4: +0.35");
    EXPECT_EQ(EvaluationPointText(curve[2]), "1... E7-E5: -0.20");
    EXPECT_EQ(EvaluationPointText(curve[6]), "3... G8-F6 ??: vantagem decisiva das Brancas");
    TGameReview black;
    black.Moves.push_back({10, false, Square::E7, Square::E5, 0, TMoveMark::Mistake, -50, -2500});
    const std::vector<EvaluationPoint> short_ = EvaluationCurve(black);
    EXPECT_EQ(EvaluationPointText(short_[0]), "Início: -0.50");
    EXPECT_EQ(EvaluationPointText(short_[1]), "10... E7-E5 ?: vantagem decisiva das Pretas");

    // The widget tells of the point nearest to the pointer; without points
    // it keeps its own tip.
    TEvaluationGraph graph;
    graph.resize(400, 140);
    const QString ownTip = graph.ToolTipAt(200);
    EXPECT_TRUE(ownTip.startsWith("A avaliação ao longo da partida")) << ownTip.toStdString();
    graph.SetCurve(curve);
    const QRectF area = graph.PlotArea();
    EXPECT_EQ(graph.ToolTipAt(area.left()), "Início: +0.30");
    EXPECT_EQ(graph.ToolTipAt(area.right()), EvaluationPointText(curve[7]));
    EXPECT_EQ(graph.ToolTipAt(area.left() + area.width() / 7 + 1), "1. E2-E4: +0.35");
}

TEST(EvaluationGraph, PointsLieAcrossTheAreaAndAClickPicksTheNearest)
{
    const EvaluationGraphGeometry geometry(QRectF(10, 20, 100, 200), 11);
    EXPECT_EQ(geometry.PointAt(0, 10.0), QPointF(10, 20));
    EXPECT_EQ(geometry.PointAt(10, -10.0), QPointF(110, 220));
    EXPECT_EQ(geometry.PointAt(5, 0.0), QPointF(60, 120));
    EXPECT_EQ(geometry.PointAt(5, 99.0), QPointF(60, 20)) << "beyond the limit: on the edge";
    EXPECT_EQ(geometry.NearestIndex(10), 0);
    EXPECT_EQ(geometry.NearestIndex(24), 1);
    EXPECT_EQ(geometry.NearestIndex(26), 2);
    EXPECT_EQ(geometry.NearestIndex(-500), 0);
    EXPECT_EQ(geometry.NearestIndex(500), 10);
    EXPECT_EQ(EvaluationGraphGeometry(QRectF(0, 0, 100, 100), 0).NearestIndex(50), -1);
    EXPECT_EQ(EvaluationGraphGeometry(QRectF(0, 0, 100, 100), 1).NearestIndex(90), 0);
}

TEST(EvaluationGraph, TheWidgetPaintsTheMistakesAndGoesWhereItIsClicked)
{
    const KnownReview known;
    TEvaluationGraph graph;
    graph.resize(400, 140);
    graph.SetCurve(EvaluationCurve(known.Review));
    graph.show();
    QSignalSpy chosen(&graph, &TEvaluationGraph::slotChosen);
    const EvaluationGraphGeometry geometry(graph.PlotArea(), 8);
    QTest::mouseClick(&graph, Qt::LeftButton, Qt::NoModifier, geometry.PointAt(6, 0).toPoint() + QPoint(3, 0));
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 4);
    EXPECT_EQ(chosen.at(0).at(1).toBool(), true);

    // The blunder's dot is red; White's share light, Black's dark.
    const QImage picture = graph.grab().toImage();
    const QColor dot = picture.pixelColor(geometry.PointAt(6, 10.0).toPoint() + QPoint(0, 2));
    EXPECT_GT(dot.red(), 150);
    EXPECT_LT(dot.green(), 80);
    const QPoint nearStart = geometry.PointAt(1, 0.0).toPoint();
    EXPECT_GT(picture.pixelColor(nearStart + QPoint(0, 30)).lightness(), 200) << "below the curve";
    EXPECT_LT(picture.pixelColor(nearStart - QPoint(0, 30)).lightness(), 100) << "above the curve";

    // The shown position is marked by a blue line.
    graph.SetShownSlot(2, true);
    EXPECT_EQ(graph.CurrentIndex(), 2);
    const QImage marked = graph.grab().toImage();
    const QColor line = marked.pixelColor(geometry.PointAt(2, 5.0).toPoint());
    EXPECT_GT(line.blue(), line.red() + 60);
    graph.SetShownSlot(30, true);
    EXPECT_EQ(graph.CurrentIndex(), -1);
}

TEST(EvaluationGraph, TheReviewShowsTheGraphAndAClickGoesToThePosition)
{
    CapturedBoxes boxes;
    TForm2 form(nullptr, true);
    TAnalysisController::Efforts efforts;
    efforts.ReviewDepth = 3;
    form.Analysis->SetEfforts(efforts);
    // 1. e4 e5 2. Qh5 Nc6 3. Qxe5+?? Nxe5
    for (const auto& [from, to] : {std::pair{Square::E2, Square::E4},
                                   {Square::E7, Square::E5},
                                   {Square::D1, Square::H5},
                                   {Square::B8, Square::C6},
                                   {Square::H5, Square::E5},
                                   {Square::C6, Square::E5}})
        ASSERT_TRUE(form.ChessBoard1->MakeMove(from, to));
    QSignalSpy shown(form.Analysis, &TAnalysisController::ReviewShown);
    form.Analysis->ReviewAction()->trigger();
    ASSERT_TRUE(PumpUntil([&] { return shown.count() == 1; }, 30000));
    TEvaluationGraph* graph = form.Analysis->ReviewGraph();
    ASSERT_NE(graph, nullptr);
    ASSERT_EQ(graph->Curve().size(), 7u);
    EXPECT_EQ(graph->Curve(), EvaluationCurve(form.Analysis->LastReview()));
    EXPECT_EQ(graph->Curve()[5].Mark, TMoveMark::Blunder) << "the queen lost";
    EXPECT_LT(graph->Curve()[6].Pawns(), -5.0) << "Black a queen up";
    EXPECT_EQ(graph->CurrentIndex(), 6) << "the last position is shown";

    emit graph->slotChosen(graph->Curve()[3].SlotMove, graph->Curve()[3].SlotWhiteToMove);
    EXPECT_EQ(form.ChessBoard1->CurrentMove(), 2);
    EXPECT_FALSE(form.ChessBoard1->WhiteToMove());
    EXPECT_EQ(form.ChessBoard1->PieceAt(Square::H5), 'Q');
    EXPECT_EQ(graph->CurrentIndex(), 3);
    form.Analysis->ReviewSummary()->close();
}

TEST(EvaluationGraph, TheScoreSheetCarriesTheGraphWhenThereIsOne)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed (poppler-utils)";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Game game;
    for (const char* san : {"e4", "e5", "Qh5", "Nc6", "Bc4", "Nf6", "Qxf7#"}) {
        ChessMove move;
        std::string error;
        ASSERT_TRUE(ReadSan(game.FinalPosition(), san, move, error));
        game.AddMove(move);
    }
    const KnownReview known;
    const auto text = [&](const std::vector<EvaluationPoint>& curve, const char* name) {
        const QString pdf = dir.filePath(name);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        EXPECT_EQ(PrintScoreSheet(game, printer, curve), 1);
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", pdf, "-"});
        EXPECT_TRUE(pdftotext.waitForFinished(30000));
        return QString::fromUtf8(pdftotext.readAllStandardOutput());
    };
    const QString with = text(EvaluationCurve(known.Review), "com.pdf");
    EXPECT_TRUE(with.contains(QString::fromUtf8("Avaliação"))) << with.toStdString();
    EXPECT_TRUE(with.contains("Qxf7#") || with.contains("Dxf7#")) << with.toStdString();
    const QString without = text({}, "sem.pdf");
    EXPECT_FALSE(without.contains(QString::fromUtf8("Avaliação"))) << without.toStdString();
}
