// The exercise player with a real board: the person's moves go through the
// board's PlayerMove (as a drop, a click or a key does); the window answers
// with the reply, takes wrong moves back, marks hints and plays the
// solution. And the menu "Treinar" over a small exercise file, with the
// record in a temporary folder and a fixed clock.
#include "app/ExercisePlayer.h"
#include "app/AnalysisController.h"
#include "app/ProgressView.h"
#include "app/RatingChart.h"
#include "app/TrainingController.h"
#include "app/TrainingDatabase.h"
#include "app/Unit2.h"
#include "board/ChessBoard.h"
#include "core/Fen.h"

#include "AppTestSupport.h"
#include "EventPump.h"
#include "TestPaths.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const TExercise Smothered{
    "t-smothered", "5r1k/6pp/7N/3Q4/8/8/6PP/7K w - - 0 1", {"d5g8", "f8g8", "h6f7"}, 1700, {"mateIn2", "mate"}};
const TExercise BlackBackRank{
    "t-blackrank", "r5k1/8/8/8/8/8/5PPP/6K1 b - - 0 1", {"a8a1"}, 1300, {"mateIn1", "mate", "backRank"}};

class ExercisePlayerTest : public ::testing::Test {
protected:
    ExercisePlayerTest()
    {
        player.SetReplyDelay(0);
        QObject::connect(&player, &TExercisePlayer::Attempted, [this](bool solved) { results.push_back(solved); });
    }

    bool Move(Square from, Square to)
    {
        const bool made = player.Board()->PlayerMove(from, to);
        PumpUntil([this] { return !player.Playing(); }, 5000);
        PumpFor(20);
        return made;
    }

    char At(Square square) const { return player.Board()->PieceAt(square); }

    TExercisePlayer player;
    std::vector<bool> results;
};

} // namespace

TEST_F(ExercisePlayerTest, RightMovesAreAnsweredByTheReplyUntilSolved)
{
    ASSERT_TRUE(player.ShowExercise(Smothered, QStringLiteral("x")));
    EXPECT_EQ(player.TaskLabel()->text(), "Brancas jogam");
    EXPECT_FALSE(player.Board()->WhiteOnTop());
    EXPECT_FALSE(player.NextButton()->isEnabled());

    ASSERT_TRUE(Move(Square::D5, Square::G8));
    // The reply Rxg8 stands on the board, and the person is to move again.
    EXPECT_EQ(At(Square::G8), 'r');
    EXPECT_EQ(At(Square::F8), ' ');
    EXPECT_TRUE(player.Board()->WhiteToMove());
    EXPECT_TRUE(player.Board()->AcceptsMoves());
    EXPECT_TRUE(results.empty());

    ASSERT_TRUE(Move(Square::H6, Square::F7));
    EXPECT_EQ(player.Session().Result(), TExerciseResult::Solved);
    EXPECT_EQ(player.FeedbackLabel()->text(), "Resolvido!");
    EXPECT_EQ(results, std::vector<bool>{true});
    EXPECT_TRUE(player.NextButton()->isEnabled());
    EXPECT_FALSE(player.HintButton()->isEnabled());
    EXPECT_FALSE(player.Board()->AcceptsMoves());
}

TEST_F(ExercisePlayerTest, AWrongMoveIsTakenBackAtOnceAndFailsTheTryOnce)
{
    ASSERT_TRUE(player.ShowExercise(BlackBackRank, QStringLiteral("x")));
    EXPECT_EQ(player.TaskLabel()->text(), "Pretas jogam");
    EXPECT_TRUE(player.Board()->WhiteOnTop()); // Black at the bottom
    const std::string before = player.Board()->Position();

    ASSERT_TRUE(Move(Square::A8, Square::A2));
    EXPECT_TRUE(player.FeedbackLabel()->text().startsWith("Não é esse lance"));
    EXPECT_EQ(player.Board()->Position(), before);
    EXPECT_FALSE(player.Board()->WhiteToMove());
    EXPECT_EQ(results, std::vector<bool>{false});
    ASSERT_TRUE(Move(Square::G8, Square::F8));
    EXPECT_EQ(player.Board()->Position(), before);
    EXPECT_EQ(results, std::vector<bool>{false}); // told once

    // The retry is still taken, the result stays a failure.
    ASSERT_TRUE(Move(Square::A8, Square::A1));
    EXPECT_EQ(At(Square::A1), 'r');
    EXPECT_TRUE(player.Session().Over());
    EXPECT_EQ(player.FeedbackLabel()->text(), "Fim do exercício: desta vez não foi resolvido.");
    EXPECT_EQ(results, std::vector<bool>{false});
}

TEST_F(ExercisePlayerTest, HintsMarkThePieceThenTheMove)
{
    ASSERT_TRUE(player.ShowExercise(Smothered, QStringLiteral("x")));
    player.HintButton()->click();
    EXPECT_EQ(player.MarkedPieceSquare(), Square::D5);
    const QWidget* mark = player.Board()->findChild<QWidget*>(QStringLiteral("ExercisePieceMark"));
    ASSERT_NE(mark, nullptr);
    EXPECT_TRUE(mark->isVisibleTo(player.Board()));
    int x = 0;
    int y = 0;
    player.Board()->SquareOrigin(Square::D5, x, y);
    EXPECT_EQ(mark->geometry(), QRect(x, y, player.Board()->SizeOfSquare(), player.Board()->SizeOfSquare()));
    EXPECT_EQ(player.Board()->HintFrom(), Square::None);
    EXPECT_TRUE(results.empty()); // the piece alone still counts as solved

    player.HintButton()->click();
    EXPECT_FALSE(mark->isVisibleTo(player.Board()));
    EXPECT_EQ(player.Board()->HintFrom(), Square::D5);
    EXPECT_EQ(player.Board()->HintTo(), Square::G8);
    EXPECT_FALSE(player.HintButton()->isEnabled());
    EXPECT_EQ(results, std::vector<bool>{false});
}

TEST_F(ExercisePlayerTest, TheSolutionIsPlayedOnTheBoard)
{
    ASSERT_TRUE(player.ShowExercise(Smothered, QStringLiteral("x")));
    ASSERT_TRUE(Move(Square::D5, Square::G8));
    player.SolutionButton()->click();
    PumpUntil([this] { return !player.Playing(); }, 5000);
    EXPECT_EQ(At(Square::F7), 'N');
    EXPECT_EQ(At(Square::H6), ' ');
    EXPECT_TRUE(player.Session().Over());
    EXPECT_EQ(results, std::vector<bool>{false});
    EXPECT_TRUE(player.NextButton()->isEnabled());
    EXPECT_FALSE(player.SolutionButton()->isEnabled());
    // Moves made now are not the person's.
    EXPECT_FALSE(player.Board()->AcceptsMoves());
}

TEST_F(ExercisePlayerTest, ABrokenExerciseIsSaidAndNotPlayed)
{
    const TExercise broken{"quebrado", "8/8/8/8/8/8/8/8 w - - 0 1", {"e2e4"}, 1500, {}};
    EXPECT_FALSE(player.ShowExercise(broken, QStringLiteral("x")));
    EXPECT_TRUE(player.FeedbackLabel()->text().contains("quebrado"));
    EXPECT_FALSE(player.Board()->AcceptsMoves());
    EXPECT_FALSE(player.HintButton()->isEnabled());
}

namespace {

class TrainingMenuTest : public ::testing::Test {
protected:
    TrainingMenuTest()
    {
        qputenv("KESTRAVIN_EXERCISES",
                QString::fromStdString(SourceDir() + "/tests/app/data/exercises-small.tsv").toLocal8Bit());
        training = form.Training;
        training->SetDatabasePath(dir.filePath(QStringLiteral("treino.sqlite")));
        training->SetClock([this] { return now; });
        training->SetPicker([] { return 0; });
        training->SetMistakeDepth(4);
    }
    ~TrainingMenuTest() override { qunsetenv("KESTRAVIN_EXERCISES"); }

    void Solve(TExercisePlayer& player)
    {
        for (const std::string& uci : player.Exercise().Solution) {
            if (player.Session().Over())
                break;
            const std::optional<ChessMove> expected = player.Session().ExpectedMove();
            ASSERT_TRUE(expected.has_value()) << uci;
            ASSERT_TRUE(player.Board()->PlayerMove(expected->From, expected->To));
            PumpUntil([&player] { return !player.Playing(); }, 5000);
            PumpFor(20);
        }
    }

    QTemporaryDir dir;
    CapturedBoxes boxes;
    TForm2 form{nullptr, true};
    TTrainingController* training = nullptr;
    std::int64_t now = 1'800'000'000;
};

} // namespace

TEST_F(TrainingMenuTest, ExercisesComeNearTheRatingAndTheRecordFollowsEachAttempt)
{
    training->ExercisesAction()->trigger();
    TExercisePlayer* player = training->Player();
    ASSERT_NE(player, nullptr);
    player->SetReplyDelay(0);
    EXPECT_TRUE(player->isVisible());
    // A new person (1500) gets the 1500 exercise first (picker 0 of the
    // band 1500..1600).
    EXPECT_EQ(player->Exercise().Id, "t-backrank");
    Solve(*player);
    EXPECT_EQ(player->Session().Result(), TExerciseResult::Solved);
    const double afterWin = training->Database().Rating().Rating;
    EXPECT_GT(afterWin, 1500.0);
    EXPECT_TRUE(player->findChild<QLabel*>(QStringLiteral("ExerciseRating"))
                    ->text()
                    .startsWith(QStringLiteral("Sua pontuação: %1").arg(std::lround(afterWin))));

    player->NextButton()->click();
    const std::string second = player->Exercise().Id;
    EXPECT_NE(second, "t-backrank"); // solved: it waits a day
    // A wrong move: the queen's rook's pawn a step.
    const GameState& position = player->Session().Position();
    const std::vector<ChessMove> moves = LegalMoves(position);
    const std::optional<ChessMove> expected = player->Session().ExpectedMove();
    ASSERT_TRUE(expected.has_value());
    ChessMove wrong = moves.front().From == expected->From && moves.front().To == expected->To ? moves[1] : moves[0];
    ASSERT_TRUE(player->Board()->PlayerMove(wrong.From, wrong.To));
    PumpFor(50);
    EXPECT_LT(training->Database().Rating().Rating, afterWin);
    EXPECT_EQ(training->Database().AttemptCount(), 2);
    EXPECT_EQ(training->Database().ReviewStates().at(second).DueAt, now + FailedExerciseDelay);

    // Ten minutes later the failed one comes back before any new one.
    player->ShowSolution();
    PumpUntil([player] { return !player->Playing(); }, 5000);
    now += FailedExerciseDelay;
    player->NextButton()->click();
    EXPECT_EQ(player->Exercise().Id, second);

    // The progress view: one point per rated attempt, the themes counted.
    player->ProgressButton()->click();
    TProgressView* view = training->ProgressView();
    ASSERT_NE(view, nullptr);
    // From 1500 up after the success, then down after the failure.
    ASSERT_EQ(view->Chart()->Ratings().size(), 3u);
    EXPECT_DOUBLE_EQ(view->Chart()->Ratings()[1], afterWin);
    EXPECT_GT(view->Chart()->PointOf(0).y(), view->Chart()->PointOf(1).y());
    EXPECT_LT(view->Chart()->PointOf(1).y(), view->Chart()->PointOf(2).y());
    EXPECT_LE(view->Chart()->ScaleLow(), 1500.0);
    EXPECT_GE(view->Chart()->ScaleHigh(), afterWin);
    std::map<QString, std::pair<QString, QString>> rows;
    for (int row = 0; row < view->ThemeTable()->rowCount(); ++row)
        rows[view->ThemeTable()->item(row, 0)->text()] = {view->ThemeTable()->item(row, 1)->text(),
                                                          view->ThemeTable()->item(row, 2)->text()};
    EXPECT_EQ(rows.at("Mate na última fileira").first, "1");
    EXPECT_EQ(rows.at("Mate em 1").first, "1");
    EXPECT_EQ(view->Summary()->text().count("tentativas: 2"), 1);
    view->close();
    player->close();
}

TEST_F(TrainingMenuTest, MeusErrosIsEmptyUntilAReviewedGameGivesItsMistakes)
{
    training->MistakesAction()->trigger();
    TExercisePlayer* player = training->Player();
    ASSERT_NE(player, nullptr);
    EXPECT_TRUE(player->FeedbackLabel()->text().startsWith("Ainda não há exercícios dos seus erros"));
    EXPECT_FALSE(player->Board()->AcceptsMoves());

    // 1. e4 e5 2. Qh5 Nc6 3. Bc4 Nf6 4. d3, both sides played by people,
    // reviewed with d3 marked as a blunder: Qxf7# was the one answer.
    form.Humano1->click();
    TChessBoard& board = *form.ChessBoard1;
    ASSERT_FALSE(board.ComputerPlaysBlack());
    for (const auto& [from, to] : std::vector<std::pair<Square, Square>>{{Square::E2, Square::E4},
                                                                         {Square::E7, Square::E5},
                                                                         {Square::D1, Square::H5},
                                                                         {Square::B8, Square::C6},
                                                                         {Square::F1, Square::C4},
                                                                         {Square::G8, Square::F6},
                                                                         {Square::D2, Square::D3}})
        ASSERT_TRUE(board.MakeMove(from, to));
    int kept = -1;
    QObject::connect(training, &TTrainingController::MistakesKept, [&kept](int added) { kept = added; });
    TAnalysisController::Efforts efforts;
    efforts.ReviewDepth = 3;
    form.Analysis->SetEfforts(efforts);
    form.Analysis->StartReview();
    ASSERT_TRUE(PumpUntil([&kept] { return kept >= 0; }, 60000));
    EXPECT_GE(kept, 1);
    const std::vector<TStoredMistake> mistakes = training->Database().Mistakes();
    const auto missedMate = std::find_if(mistakes.begin(), mistakes.end(),
                                         [](const TStoredMistake& m) { return m.MoveNumber == 4 && m.WhiteMoved; });
    ASSERT_NE(missedMate, mistakes.end());
    EXPECT_EQ(missedMate->Exercise.Solution, std::vector<std::string>{"h5f7"});
    EXPECT_EQ(missedMate->Played, "d2d3");
    EXPECT_TRUE(missedMate->GamePgn.contains("4. d3")) << missedMate->GamePgn.toStdString();

    player->NextButton()->setEnabled(true);
    player->NextButton()->click();
    EXPECT_TRUE(player->Board()->AcceptsMoves());
    EXPECT_EQ(player->Exercise().Id, mistakes.front().Exercise.Id);
    // The only clear answer of the game was Qxf7#; the caption names the move played instead.
    EXPECT_EQ(mistakes.size(), 1u);
    const QString caption = player->findChild<QLabel*>(QStringLiteral("ExerciseCaption"))->text();
    EXPECT_TRUE(caption.endsWith("você jogou 4. d3")) << caption.toStdString();
    if (auto* summary = form.Analysis->ReviewSummary())
        summary->close();
    player->close();
}
