// Running the engine for the UCI front end, and sharing out the clock.
#include "UciSearch.h"

#include "engine/MoveText.h"

#include <algorithm>
#include <random>

TTimeBudget PlanMoveTime(std::int64_t remaining, std::int64_t increment, int movesToGo)
{
    remaining = std::max<std::int64_t>(remaining, 0);
    increment = std::max<std::int64_t>(increment, 0);
    // The answer must reach the interface before the flag falls: keep a
    // margin, a quarter of the time when little is left.
    const std::int64_t available = std::max<std::int64_t>(remaining - std::min<std::int64_t>(50, remaining / 4), 1);
    // Without a number of moves to the next control, plan as if thirty
    // remained: the game rarely lasts longer, and the increment comes back.
    const std::int64_t moves = movesToGo > 0 ? std::min(movesToGo, 50) : 30;
    const std::int64_t target = std::clamp<std::int64_t>(remaining / moves + increment * 3 / 4, 1, available);
    // An iteration that outgrows its forecast may run on past the target,
    // up to three times it, but never beyond what is left.
    const std::int64_t hard = std::min(target * 3, available);
    return {std::chrono::milliseconds(target), std::chrono::milliseconds(hard)};
}

TUciSearch::TUciSearch(LineWriter write) : write_(std::move(write))
{
    // Each session of a beginners' level plays its own games.
    std::random_device device;
    random_.Seed((std::uint64_t{device()} << 32) ^ device());
    CreateEngine();
}

TUciSearch::~TUciSearch()
{
    Stop();
}

void TUciSearch::CreateEngine()
{
    engine_ = std::make_unique<TChessEngine>();
    engine_->LinkTo(state_);
    engine_->SearchDepthRef = &depth_;
    engine_->Observer = this;
}

void TUciSearch::Start(const GameState& state, const TGoLimits& limits)
{
    Finish();
    state_ = state;
    limits_ = limits;
    int depth = limits.Depth > 0 ? std::min(limits.Depth, MaxDepth) : MaxDepth;
    // A mate in n moves lies 2n - 1 plies away; a full-width search of
    // that depth finds it when it exists.
    if (limits.Mate > 0)
        depth = std::min(depth, 2 * limits.Mate - 1);
    if (level_)
        depth = std::max(level_->SearchDepth, 1);
    depth_ = depth;
    engine_->StopRequested = false;
    engine_->SetNodeLimit(level_ ? 0 : limits.Nodes);
    engine_->SetDeadline(Clock::time_point::max());
    engine_->SetRootMoves(limits.SearchMoves);
    start_ = Clock::now();
    {
        std::lock_guard lock(mutex_);
        waitForRelease_ = limits.Infinite || limits.Ponder;
        pondering_ = limits.Ponder;
        clockRunning_ = false;
        lastIterationEnd_ = start_;
        lastIterationTime_ = Clock::duration::zero();
        if (!pondering_)
            StartClock(start_);
    }
    worker_ = std::thread(&TUciSearch::Run, this);
}

void TUciSearch::StartClock(Clock::time_point now)
{
    clockStart_ = now;
    clockRunning_ = limits_.HasClock || limits_.MoveTime > 0;
    if (!clockRunning_)
        return;
    budget_ = {std::chrono::milliseconds::max(), std::chrono::milliseconds::max()};
    if (limits_.HasClock)
        budget_ = PlanMoveTime(limits_.Time, limits_.Increment, limits_.MovesToGo);
    if (limits_.MoveTime > 0) {
        // A fixed time is used to the full: no iteration is given up early.
        const std::chrono::milliseconds fixed(limits_.MoveTime);
        budget_.Hard = std::min(budget_.Hard, fixed);
        budget_.Target = budget_.Hard;
    }
    engine_->SetDeadline(now + budget_.Hard);
}

void TUciSearch::Stop()
{
    if (!worker_.joinable())
        return;
    {
        std::lock_guard lock(mutex_);
        waitForRelease_ = false;
        pondering_ = false;
    }
    released_.notify_all();
    engine_->StopRequested = true;
    worker_.join();
}

void TUciSearch::PonderHit()
{
    {
        std::lock_guard lock(mutex_);
        if (!worker_.joinable() || !pondering_)
            return;
        pondering_ = false;
        waitForRelease_ = limits_.Infinite;
        StartClock(Clock::now());
    }
    released_.notify_all();
}

void TUciSearch::Finish()
{
    bool waits = false;
    {
        std::lock_guard lock(mutex_);
        waits = waitForRelease_;
    }
    if (waits)
        Stop();
    else if (worker_.joinable())
        worker_.join();
}

void TUciSearch::NewGame()
{
    Finish();
    CreateEngine();
}

void TUciSearch::Run()
{
    // With no legal move there is nothing to search.
    engine_->LoadPosition();
    engine_->GenerateMoves();
    bool anyLegal = false;
    for (const TMoveEntry& entry : engine_->CurrentMoves()) {
        if (engine_->DoMove(entry.Move)) {
            engine_->UndoMove();
            anyLegal = true;
            break;
        }
    }

    TEngineMove best;
    bool found = false;
    if (anyLegal && level_ && level_->Beginner()) {
        found = engine_->ChooseWeakMove(level_->Style, random_, best);
        if (found) {
            const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start_).count();
            write_("info depth " + std::to_string(level_->Style.Depth) + " score " + UciScore(engine_->LastScore()) +
                   " nodes " + std::to_string(engine_->Nodes()) + " time " + std::to_string(elapsed) + " pv " +
                   MoveToUci(best, *engine_));
        }
    } else if (anyLegal) {
        engine_->FindBestMove();
        // Stopped inside an iteration, its best move so far counts: it was
        // searched in full and beat the previous iteration's choice.
        found = engine_->MoveToPlay(best, true);
    }

    // An infinite or pondering search answers only when told to.
    {
        std::unique_lock lock(mutex_);
        released_.wait(lock, [this] { return !waitForRelease_; });
    }
    write_("bestmove " + (found ? MoveToUci(best, *engine_) : std::string("0000")));
}

void TUciSearch::IterationDone(int depth, int score, std::uint64_t nodes)
{
    const auto now = Clock::now();
    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(now - start_).count();
    const auto elapsed = micros / 1000;
    const std::uint64_t nps = micros > 0 ? nodes * 1000000 / static_cast<std::uint64_t>(micros) : 0;
    std::string line = "info depth " + std::to_string(depth) + " score " + UciScore(score) + " nodes " +
        std::to_string(nodes) + " nps " + std::to_string(nps) + " time " + std::to_string(elapsed) + " pv";
    // Two appends, not " " + move: GCC 12 warns falsely (-Wrestrict) on the
    // insertion at the front that operator+ makes once it is inlined.
    for (const TEngineMove& move : engine_->PrincipalVariation()) {
        line += ' ';
        line += MoveToUci(move, *engine_);
    }
    write_(line);

    std::lock_guard lock(mutex_);
    const Clock::duration iteration = now - lastIterationEnd_;
    const Clock::duration previous = lastIterationTime_;
    lastIterationEnd_ = now;
    lastIterationTime_ = iteration;
    if (pondering_ || limits_.Infinite)
        return;
    bool enough = false;
    if (limits_.Mate > 0 && score >= engine::MateScore - (2 * limits_.Mate - 1))
        enough = true;
    if (clockRunning_ && budget_.Target < budget_.Hard) {
        // The next iteration is expected to take as many times longer than
        // this one as this one took over the one before (at least twice,
        // at most eight times).
        const double growth = previous.count() > 0
            ? std::clamp(static_cast<double>(iteration.count()) / previous.count(), 2.0, 8.0)
            : 4.0;
        const auto expectedEnd = now + std::chrono::duration_cast<Clock::duration>(iteration * growth);
        if (expectedEnd > clockStart_ + budget_.Target)
            enough = true;
    }
    if (enough)
        engine_->StopRequested = true;
}

std::string UciScore(int score)
{
    if (score >= engine::MateScore - engine::MaxPly)
        return "mate " + std::to_string((engine::MateScore - score + 1) / 2);
    if (score <= -(engine::MateScore - engine::MaxPly))
        return "mate -" + std::to_string((engine::MateScore + score) / 2);
    return "cp " + std::to_string(score);
}
