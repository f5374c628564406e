#include "enginehelp/BuiltinAnalyser.h"

#include "engine/ChessEngine.h"
#include "engine/MoveText.h"
#include "enginehelp/MoveLine.h"

#include <QCoreApplication>
#include <QMetaObject>

class TBuiltinAnalyser::Observer : public TSearchObserver {
public:
    Observer(TBuiltinAnalyser& owner) : owner_(owner) {}

    void Begin(std::uint64_t id)
    {
        id_ = id;
        start_ = std::chrono::steady_clock::now();
        best_.clear();
        lastNodes_ = 0;
    }

    // On the search thread, after each finished iteration: the line is read
    // while it is still the one of this iteration.
    void IterationDone(int depth, int score, std::uint64_t nodes) override
    {
        TChessEngine& engine = *owner_.engine_;
        TAnalysisReport report;
        report.Depth = depth;
        const bool mate = score >= engine::MateScore - engine::MaxPly || score <= -(engine::MateScore - engine::MaxPly);
        int value = score;
        if (mate)
            value = score > 0 ? (engine::MateScore - score + 1) / 2 : -((engine::MateScore + score) / 2);
        report.Score = TAnalysisScore::FromSideToMove(owner_.state_.WhiteToMove, mate, value);
        report.Nodes = nodes;
        const auto micros =
            std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start_).count();
        report.ElapsedMs = static_cast<int>(micros / 1000);
        report.NodesPerSecond = micros > 0 ? nodes * 1000000 / static_cast<std::uint64_t>(micros) : 0;
        for (const TEngineMove& move : engine.PrincipalVariation())
            report.PvUci.append(QString::fromStdString(MoveToUci(move, engine)));
        report.EngineName = BuiltinEngineName();
        if (!report.PvUci.isEmpty())
            best_ = report.PvUci.first();
        owner_.totalNodes_ += nodes - lastNodes_;
        lastNodes_ = nodes;
        const std::uint64_t id = id_;
        QMetaObject::invokeMethod(
            &owner_, [owner = &owner_, id, report] { emit owner->Iteration(id, report); }, Qt::QueuedConnection);
        // A mate found is the shortest one: deeper iterations add nothing.
        if (mate)
            engine.StopRequested = true;
    }

    QString Best() const { return best_; }

private:
    TBuiltinAnalyser& owner_;
    std::uint64_t id_ = 0;
    std::chrono::steady_clock::time_point start_;
    QString best_;
    std::uint64_t lastNodes_ = 0;
};

TBuiltinAnalyser::TBuiltinAnalyser(QObject* parent)
    : QObject(parent)
    , engine_(std::make_unique<TChessEngine>())
    , observer_(std::make_unique<Observer>(*this))
{
    engine_->LinkTo(state_);
    engine_->SearchDepthRef = &depth_;
    engine_->Observer = observer_.get();
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, [this] { engine_->StopRequested = true; });
}

TBuiltinAnalyser::~TBuiltinAnalyser()
{
    Join();
}

void TBuiltinAnalyser::Join()
{
    deadline_.stop();
    engine_->StopRequested = true;
    if (worker_.joinable())
        worker_.join();
}

void TBuiltinAnalyser::Start(const GameState& state, int maxDepth, int timeLimitMs, std::uint64_t id)
{
    // The stop is seen at the next node: the join takes a moment only.
    Join();
    state_ = state;
    depth_ = maxDepth;
    engine_->StopRequested = false;
    searching_ = true;
    if (timeLimitMs > 0)
        deadline_.start(timeLimitMs);
    worker_ = std::thread(&TBuiltinAnalyser::Run, this, id);
}

void TBuiltinAnalyser::Stop()
{
    deadline_.stop();
    engine_->StopRequested = true;
}

void TBuiltinAnalyser::Run(std::uint64_t id)
{
    observer_->Begin(id);
    TChessEngine& engine = *engine_;
    engine.LoadPosition();
    engine.GenerateMoves();
    QString firstLegal;
    for (const TMoveEntry& entry : engine.CurrentMoves()) {
        if (engine.DoMove(entry.Move)) {
            engine.UndoMove();
            firstLegal = QString::fromStdString(MoveToUci(entry.Move, engine));
            break;
        }
    }
    QString best;
    if (firstLegal.isEmpty()) {
        // Mate or stalemate: the position's value is known without a search.
        TAnalysisReport report;
        const bool inCheck = engine.IsInCheck(engine.GetSideToMove());
        report.Score = TAnalysisScore::FromSideToMove(state_.WhiteToMove, inCheck, 0);
        report.EngineName = BuiltinEngineName();
        QMetaObject::invokeMethod(
            this, [this, id, report] { emit Iteration(id, report); }, Qt::QueuedConnection);
    } else {
        engine.FindBestMove();
        best = observer_->Best().isEmpty() ? firstLegal : observer_->Best();
    }
    searching_ = false;
    QMetaObject::invokeMethod(
        this, [this, id, best] { emit Finished(id, best); }, Qt::QueuedConnection);
}
