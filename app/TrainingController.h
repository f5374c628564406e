// The game window's menu "Treinar": "Exercícios" opens the exercise player
// on the shipped set, "Meus erros" on the exercises made from the person's
// own mistakes, "Progresso" shows the rating and the results by theme.
// After every review of a game ("Revisar partida") the person's marked
// moves are turned into exercises (TMistakeCollector) and kept, with the
// game, in the training record. The record is opened on first use, so a
// person who never trains finds nothing changed and no file written.
#pragma once

#include "app/TrainingDatabase.h"
#include "core/ExerciseSet.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QMenu;
class TAnalysisController;
class TChessBoard;
class TExercisePlayer;
class TMistakeCollector;
class TProgressView;
struct TMistakeExercise;

class TTrainingController : public QObject {
    Q_OBJECT

public:
    // Its items go into `menu`; it reads the game from `board` and hears
    // the reviews of `analysis`. The windows it opens belong to `window`.
    TTrainingController(TChessBoard* board, TAnalysisController* analysis, QMenu* menu, QWidget* window);
    ~TTrainingController() override;

    // The file of the shipped exercises: the one named by the environment
    // variable KESTRAVIN_EXERCISES when set, else exercises/exercises.tsv
    // among the program's data folders.
    static QString ExerciseSetPath();

    QAction* ExercisesAction() const { return exercisesAction_; }
    QAction* MistakesAction() const { return mistakesAction_; }
    QAction* ProgressAction() const { return progressAction_; }
    TExercisePlayer* Player() const;
    TProgressView* ProgressView() const;
    TMistakeCollector* Collector() const { return collector_; }
    // The record, opened on first use; where it is (tests put it elsewhere).
    TTrainingDatabase& Database();
    void SetDatabasePath(const QString& path) { databasePath_ = path; }
    // The clock (seconds since the epoch) and the draw among the nearest
    // exercises; tests fix both.
    void SetClock(std::function<std::int64_t()> clock) { clock_ = std::move(clock); }
    void SetPicker(std::function<std::uint64_t()> picker) { picker_ = std::move(picker); }
    // The depth of the uniqueness test for the mistakes.
    void SetMistakeDepth(int depth) { mistakeDepth_ = depth; }

    void OpenExercises();
    void OpenMistakes();
    void OpenProgress();
    // Shows the next exercise of the current kind in the player.
    void ShowNext();
    // Turns the last review's marked moves of the person into exercises.
    void CollectMistakes();

signals:
    // The mistakes of a review were kept: how many were new.
    void MistakesKept(int added);

private:
    struct Entry {
        TExercise Exercise;
        QString Caption;
    };
    void OpenPlayer(TExerciseSource source);
    std::vector<Entry> Entries(QString& nothingText);
    const std::vector<TExercise>& ShippedSet(QString& error);
    void Attempted(bool solved);
    void KeepMistakes(const std::vector<TMistakeExercise>& found);
    void ShowRating();
    void ShowNotice();

    TChessBoard* board_;
    TAnalysisController* analysis_;
    QWidget* window_;
    QAction* exercisesAction_ = nullptr;
    QAction* mistakesAction_ = nullptr;
    QAction* progressAction_ = nullptr;
    QPointer<TExercisePlayer> player_;
    QPointer<TProgressView> progress_;
    TMistakeCollector* collector_ = nullptr;
    std::unique_ptr<TTrainingDatabase> database_;
    QString databasePath_;
    bool noticeShown_ = false;
    std::optional<std::vector<TExercise>> shipped_;
    QString shippedError_;
    TExerciseSource source_ = TExerciseSource::ShippedSet;
    // The game a collection under way came from, as PGN.
    QString collectingPgn_;
    std::function<std::int64_t()> clock_;
    std::function<std::uint64_t()> picker_;
    int mistakeDepth_ = MistakeDepthDefault;
    static constexpr int MistakeDepthDefault = 5;
};
