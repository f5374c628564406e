#include "enginehelp/GameReviewer.h"

#include "enginehelp/AnalysisService.h"

TGameReviewer::TGameReviewer(TAnalysisService* service, QObject* parent) : QObject(parent), service_(service)
{
    connect(service_, &TAnalysisService::Finished, this,
            [this](std::uint64_t id, const QString&, const TAnalysisReport& last) {
                if (!running_ || id != searchId_)
                    return;
                scores_.push_back(last.Score.CappedCentipawns(thresholds_.MateCapCp));
                emit Progress(static_cast<int>(scores_.size()), static_cast<int>(positions_.size()));
                Next();
            });
}

void TGameReviewer::Start(const std::vector<TReviewPosition>& positions)
{
    Cancel();
    positions_ = positions;
    scores_.clear();
    running_ = true;
    emit Progress(0, static_cast<int>(positions_.size()));
    Next();
}

void TGameReviewer::Cancel()
{
    if (!running_)
        return;
    running_ = false;
    service_->Stop();
    emit Cancelled();
}

void TGameReviewer::Next()
{
    if (scores_.size() >= positions_.size()) {
        running_ = false;
        emit Done(BuildReview(positions_, scores_, thresholds_));
        return;
    }
    TAnalysisRequest request;
    request.State = positions_[scores_.size()].State;
    request.MaxDepth = depth_;
    request.UciMoveTimeMs = moveTimeMs_;
    searchId_ = service_->Start(request);
}
