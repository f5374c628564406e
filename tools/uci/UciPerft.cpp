// "go perft N" on a thread of its own (see UciPerft.h).
#include "UciPerft.h"

#include "engine/ChessEngine.h"
#include "engine/MoveText.h"
#include "engine/Perft.h"

#include <cstdint>
#include <memory>

TUciPerft::TUciPerft(LineWriter write) : write_(std::move(write)) {}

TUciPerft::~TUciPerft()
{
    Stop();
}

void TUciPerft::Start(const GameState& state, int depth)
{
    Finish();
    stop_ = false;
    worker_ = std::thread(&TUciPerft::Run, this, state, depth);
}

void TUciPerft::Stop()
{
    stop_ = true;
    Finish();
}

void TUciPerft::Finish()
{
    if (worker_.joinable())
        worker_.join();
}

void TUciPerft::Run(GameState state, int depth)
{
    auto engine = std::make_unique<TChessEngine>();
    engine->LinkTo(state);
    engine->LoadPosition();
    std::uint64_t total = 0;
    const std::vector<TDivideEntry> parts = PerftDivide(*engine, depth, &stop_);
    for (const TDivideEntry& part : parts) {
        write_(MoveToUci(part.Move, *engine) + ": " + std::to_string(part.Nodes));
        total += part.Nodes;
    }
    write_("");
    // A stop that came just as the last move was counted stops nothing.
    if (stop_ && parts.size() < PerftDivide(*engine, 1).size())
        write_("info string perft stopped: " + std::to_string(parts.size()) + " moves counted whole, " +
               std::to_string(total) + " nodes");
    else
        write_("Nodes searched: " + std::to_string(total));
}
