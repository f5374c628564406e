// Running the engine for the UCI front end.
#include "UciSearch.h"

#include "engine/MoveText.h"

TUciSearch::TUciSearch(LineWriter write) : write_(std::move(write))
{
    engine_->LinkTo(state_);
    engine_->SearchDepthRef = &depth_;
    engine_->Observer = this;
}

TUciSearch::~TUciSearch() { Stop(); }

void TUciSearch::Start(const GameState& state, int depth, bool infinite)
{
    Finish();
    state_ = state;
    depth_ = depth;
    infinite_ = infinite;
    engine_->StopRequested = false;
    anyIterationDone_ = false;
    start_ = std::chrono::steady_clock::now();
    worker_ = std::thread(&TUciSearch::Run, this);
}

void TUciSearch::Stop()
{
    if (!worker_.joinable())
        return;
    engine_->StopRequested = true;
    worker_.join();
}

void TUciSearch::Finish()
{
    if (infinite_)
        Stop();
    else if (worker_.joinable())
        worker_.join();
}

void TUciSearch::NewGame()
{
    Finish();
    engine_ = std::make_unique<TChessEngine>();
    engine_->LinkTo(state_);
    engine_->SearchDepthRef = &depth_;
    engine_->Observer = this;
}

void TUciSearch::Run()
{
    // With no legal move there is nothing to search.
    engine_->LoadPosition();
    engine_->GenerateMoves();
    TEngineMove firstLegal;
    bool anyLegal = false;
    for (const TMoveEntry& entry : engine_->CurrentMoves()) {
        if (engine_->DoMove(entry.Move)) {
            engine_->UndoMove();
            firstLegal = entry.Move;
            anyLegal = true;
            break;
        }
    }
    if (!anyLegal) {
        write_("bestmove 0000");
        return;
    }

    engine_->FindBestMove();
    // A stopped iteration's choice is not trusted: the last finished one
    // counts, or any legal move when none finished.
    const TEngineMove best = anyIterationDone_ ? lastCompletedMove_ : firstLegal;
    write_("bestmove " + MoveToUci(best));
}

void TUciSearch::IterationDone(int depth, int score, std::uint64_t nodes)
{
    anyIterationDone_ = true;
    lastCompletedMove_ = engine_->BestMove();
    const auto micros =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start_).count();
    const auto elapsed = micros / 1000;
    const std::uint64_t nps = micros > 0 ? nodes * 1000000 / static_cast<std::uint64_t>(micros) : 0;
    std::string line = "info depth " + std::to_string(depth) + " score " + UciScore(score) + " nodes " +
                       std::to_string(nodes) + " nps " + std::to_string(nps) + " time " + std::to_string(elapsed) +
                       " pv";
    for (const TEngineMove& move : engine_->PrincipalVariation())
        line += " " + MoveToUci(move);
    write_(line);
}

std::string UciScore(int score)
{
    if (score >= MateScore - MaxPly)
        return "mate " + std::to_string((MateScore - score + 1) / 2);
    if (score <= -(MateScore - MaxPly))
        return "mate -" + std::to_string((MateScore + score) / 2);
    return "cp " + std::to_string(score);
}
