// Turns a reviewed game's mistakes into exercises on a thread of its own
// (BuildMistakeExercises searches each mistake's position twice), so that
// the window never waits for it. One collection at a time; a new one or
// the collector's end stops the one under way.
#pragma once

#include "enginehelp/MistakeExercises.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <thread>
#include <vector>

class TMistakeCollector : public QObject {
    Q_OBJECT

public:
    explicit TMistakeCollector(QObject* parent = nullptr);
    ~TMistakeCollector() override;

    void Start(std::vector<TReviewPosition> positions, TGameReview review, TPersonSides sides, int depth);
    bool Running() const { return running_; }

signals:
    // On the user-interface thread, when the collection is complete.
    void Found(const std::vector<TMistakeExercise>& exercises);

private:
    void Join();

    std::thread worker_;
    std::atomic<bool> stop_{false};
    bool running_ = false;
    unsigned generation_ = 0;
};
