// The game window's help from an engine: "Dica" marks a suggested move,
// "Análise" shows a panel that follows the shown position, "Revisar partida"
// marks the game's mistakes in the move list, and "Opções › Motor de
// análise" chooses the engine. None of it touches the game: the computer
// player keeps its own engine and thread.
#pragma once

#include "core/GameState.h"
#include "enginehelp/AnalysisReport.h"
#include "enginehelp/GameReview.h"

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <QString>

#include <cstdint>
#include <string>

class MoveListText;
class QAction;
class QActionGroup;
class QDockWidget;
class QLabel;
class QListWidget;
class QMainWindow;
class QMenu;
class TAnalysisService;
class TChessBoard;
class TEvaluationGraph;
class TGameReviewer;

// The status tip of a level of "Jogo › Dificuldade" (1 Super Fácil to 5
// Super Difícil): its measured strength in a player's words; empty for a
// number that is no level.
QString DifficultyStatusTip(int level);

class TAnalysisController : public QObject {
    Q_OBJECT

public:
    // Follows `board`; writes moves as `moveText` does and hands it the
    // review. The panel docks in `window`, which grows by it; the commands
    // go at the end of `gameMenu`, the engine's choice at the end of
    // `optionsMenu`.
    TAnalysisController(TChessBoard* board, MoveListText* moveText, QMainWindow* window, QMenu* gameMenu,
                        QMenu* optionsMenu);
    ~TAnalysisController() override;

    // Effort of each feature (tests make them small).
    struct Efforts {
        int HintDepth = 64; // built-in iterations, within HintTimeMs
        int HintTimeMs = 3000;
        int HintUciMoveTimeMs = 2000;
        int PanelDepth = 30;
        int ReviewDepth = 4;
        int ReviewUciMoveTimeMs = 300;
    };
    void SetEfforts(const Efforts& efforts) { efforts_ = efforts; }

    // The shown position as the engines get it.
    GameState ShownState() const;

    // The menu items.
    QAction* HintAction() const { return hintAction_; }
    QAction* AnalysisAction() const { return analysisAction_; }
    QAction* ReviewAction() const { return reviewAction_; }
    QMenu* EngineMenu() const { return engineMenu_; }

    // The panel and the services, for the window and its tests.
    QDockWidget* Panel() const { return dock_; }
    QLabel* ScoreLabel() const { return scoreLabel_; }
    QLabel* DepthLabel() const { return depthLabel_; }
    QLabel* SpeedLabel() const { return speedLabel_; }
    QLabel* LineLabel() const { return lineLabel_; }
    TAnalysisService* PanelService() const { return panelService_; }
    TAnalysisService* HintService() const { return hintService_; }
    TAnalysisService* ReviewService() const { return reviewService_; }
    TGameReviewer* Reviewer() const { return reviewer_; }
    QDialog* ReviewSummary() const { return summary_; }
    QListWidget* ReviewSummaryList() const { return summaryList_; }
    // The summary's graph of the evaluation over the game (while it is open).
    TEvaluationGraph* ReviewGraph() const;
    QProgressDialog* ReviewProgress() const { return progress_; }
    // The last review (kept for the move list's marks and the game file's
    // NAGs), empty before one.
    const TGameReview& LastReview() const;
    // The suggested move shown, None when no hint is shown.
    Square HintFrom() const { return hintFrom_; }
    Square HintTo() const { return hintTo_; }
    // Messages about failed engines, one per engine, in order.
    const QStringList& EngineMessages() const { return engineMessages_; }

    void Hint();
    void StartReview();
    // Uses the engine program (empty: the built-in engine) and remembers it.
    void ChooseEngine(const QString& program);
    // Something may have changed the shown position: the hint goes, the
    // panel starts again, the review's marks are written again.
    void ShownPositionMaybeChanged();
    // Goes to the position a reviewed move was played from.
    void GotoReviewedMove(const TReviewedMove& move);
    // Writes the panel's line and the review's moves in algebraic notation
    // (as the move list with "Notação algébrica") or in coordinates; the
    // line shown is written anew at once.
    void SetAlgebraic(bool on);

signals:
    void HintShown(Square from, Square to);
    void ReviewShown();

private:
    void CreateMenus(QMenu* gameMenu, QMenu* optionsMenu);
    void CreatePanel();
    void FollowBoard();
    void RebuildEngineMenu();
    void AddEngine();
    void ApplyEngine(const QString& program);
    void EngineFailed(const QString& message);
    void PanelVisibilityChanged(bool visible);
    void StartPanelAnalysis();
    void ShowReport(const TAnalysisReport& report, bool finished);
    void ShowHint(Square from, Square to);
    void ClearHint();
    void ReviewDone(const TGameReview& review);
    void ShowReviewSummary();
    void FitWindow();

    TChessBoard* board_;
    MoveListText* moveText_;
    QMainWindow* window_;
    Efforts efforts_;
    TAnalysisService* panelService_ = nullptr;
    TAnalysisService* hintService_ = nullptr;
    TAnalysisService* reviewService_ = nullptr;
    TGameReviewer* reviewer_ = nullptr;
    QAction* hintAction_ = nullptr;
    QAction* analysisAction_ = nullptr;
    QAction* reviewAction_ = nullptr;
    QMenu* engineMenu_ = nullptr;
    QActionGroup* engineGroup_ = nullptr;
    QDockWidget* dock_ = nullptr;
    QLabel* scoreLabel_ = nullptr;
    QLabel* depthLabel_ = nullptr;
    QLabel* speedLabel_ = nullptr;
    QLabel* engineLabel_ = nullptr;
    QLabel* lineLabel_ = nullptr;
    QPointer<QDialog> summary_;
    QListWidget* summaryList_ = nullptr;
    QPointer<TEvaluationGraph> graph_;
    QPointer<QProgressDialog> progress_;
    QStringList engineMessages_;
    QStringList failedPrograms_;
    Square hintFrom_ = Square::None;
    Square hintTo_ = Square::None;
    // The positions the hint was asked for and the panel last saw.
    GameState hintPosition_;
    GameState shownPosition_;
    bool panelVisible_ = false;
    bool algebraic_ = false;
    // The position the panel analyses, and the line it shows of it.
    GameState panelState_;
    QStringList shownLine_;
};
