#include "app/MistakeCollector.h"

#include <QMetaObject>

TMistakeCollector::TMistakeCollector(QObject* parent) : QObject(parent) {}

TMistakeCollector::~TMistakeCollector()
{
    Join();
}

void TMistakeCollector::Join()
{
    stop_ = true;
    if (worker_.joinable())
        worker_.join();
    stop_ = false;
}

void TMistakeCollector::Start(std::vector<TReviewPosition> positions, TGameReview review, TPersonSides sides, int depth)
{
    // The stop is seen between two searches: the join takes a moment only.
    Join();
    running_ = true;
    const unsigned generation = ++generation_;
    worker_ =
        std::thread([this, generation, positions = std::move(positions), review = std::move(review), sides, depth] {
            std::vector<TMistakeExercise> found = BuildMistakeExercises(positions, review, sides, depth, &stop_);
            if (stop_)
                return;
            QMetaObject::invokeMethod(
                this,
                [this, generation, found = std::move(found)] {
                    if (generation != generation_)
                        return;
                    running_ = false;
                    emit Found(found);
                },
                Qt::QueuedConnection);
        });
}
