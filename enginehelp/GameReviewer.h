// Runs a game's review: every position searched in turn at a fixed effort
// by an analysis service, then the review built from the scores.
#pragma once

#include "enginehelp/GameReview.h"

#include <QObject>

#include <cstdint>
#include <vector>

class TAnalysisService;

class TGameReviewer : public QObject {
    Q_OBJECT

public:
    // The service is the caller's; the reviewer uses it until Done or Cancel.
    explicit TGameReviewer(TAnalysisService* service, QObject* parent = nullptr);

    // Effort per position: built-in iterations, or a UCI engine's time.
    void SetEffort(int builtinDepth, int uciMoveTimeMs)
    {
        depth_ = builtinDepth;
        moveTimeMs_ = uciMoveTimeMs;
    }

    void Start(const std::vector<TReviewPosition>& positions);
    void Cancel();
    bool Running() const { return running_; }

signals:
    void Progress(int done, int total);
    void Done(const TGameReview& review);
    void Cancelled();

private:
    void Next();

    TAnalysisService* service_;
    std::vector<TReviewPosition> positions_;
    std::vector<int> scores_;
    TReviewThresholds thresholds_;
    int depth_ = 4;
    int moveTimeMs_ = 300;
    std::uint64_t searchId_ = 0;
    bool running_ = false;
};
