// Fuzz target: the engine's LoadPosition and a shallow search on arbitrary
// boards: no kings, many kings, pawns on the first and last ranks, any
// castling bits and any en passant value. The search must finish inside its
// fixed tables and leave the engine's position as it found it; and on a
// legal position (one king each, no pawn on rank 1 or 8, the side not to
// move not in check) with a legal move, the chosen move must be legal by the
// board's rules.
#include "FuzzSupport.h"

#include "core/GameHistory.h"
#include "core/GameState.h"
#include "core/Rules.h"
#include "engine/ChessEngine.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

std::unique_ptr<TChessEngine> fuzzEngine;

// Stops a search that runs past its deadline, so that a position that makes
// the search explode costs a moment, not the whole run. A stopped search
// is not checked for its move.
std::atomic<Clock::rep> deadline{0};

void WatchDeadlines()
{
    for (;;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        const Clock::rep limit = deadline.load();
        if (limit != 0 && Clock::now().time_since_epoch().count() > limit)
            fuzzEngine->StopRequested.store(true);
    }
}

bool IsLegalPosition(const GameState& state)
{
    int whiteKings = 0, blackKings = 0;
    for (int n = 1; n <= 64; ++n) {
        const char c = state.Board[n];
        whiteKings += c == 'K';
        blackKings += c == 'k';
        const int rank = RankOf(SquareFromOrd(n));
        if ((c == 'P' || c == 'p') && (rank == 1 || rank == 8))
            return false;
    }
    if (whiteKings != 1 || blackKings != 1)
        return false;
    // The side that has just moved may not stand in check.
    return state.WhiteToMove ? !BlackKingAttacked(state, Square::A1, Square::A1)
                             : !WhiteKingAttacked(state, Square::A1, Square::A1);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzEngine = std::make_unique<TChessEngine>();
    std::thread(WatchDeadlines).detach();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    GameState state;
    state.Clear();
    // About one square in three holds a piece, as in a game; crowded boards
    // still come from the seeds and from mutation.
    for (int n = 1; n <= 64; ++n) {
        const auto b = input.ConsumeIntegralInRange<int>(0, 38);
        state.Board[n] = b < 13 ? fuzz::SquareAlphabet[b] : ' ';
    }
    state.WhiteToMove = input.ConsumeBool();
    state.CastlingAllowed = CastleSet(input.ConsumeIntegral<std::uint8_t>());
    state.EnPassant = static_cast<Square>(input.ConsumeIntegral<std::uint8_t>());
    std::atomic<int> depth{input.ConsumeIntegralInRange<int>(1, 3)};

    fuzzEngine->LinkTo(state);
    fuzzEngine->SearchDepthRef = &depth;
    fuzzEngine->StopRequested.store(false);

    // Loading alone keeps the placement and the side to move.
    fuzzEngine->LoadPosition();
    GameState loaded;
    fuzzEngine->StorePosition(loaded);
    for (int n = 1; n <= 64; ++n)
        FUZZ_CHECK(loaded.Board[n] == state.Board[n], "LoadPosition changed the placement");
    FUZZ_CHECK(loaded.WhiteToMove == state.WhiteToMove, "LoadPosition changed the side to move");

    deadline.store((Clock::now() + std::chrono::milliseconds(250)).time_since_epoch().count());
    fuzzEngine->FindBestMove();
    deadline.store(0);
    const bool stopped = fuzzEngine->StopRequested.load();

    FUZZ_CHECK(fuzzEngine->CurrentPly() == 0, "the search did not return to the root");
    GameState after;
    fuzzEngine->StorePosition(after);
    for (int n = 1; n <= 64; ++n)
        FUZZ_CHECK(after.Board[n] == state.Board[n], "the search left the position changed");
    FUZZ_CHECK(after.WhiteToMove == state.WhiteToMove, "the search left the side to move changed");

    GameState game;
    game.Board = state.Board;
    game.WhiteToMove = state.WhiteToMove;
    game.CastlingAllowed = state.CastlingAllowed;
    game.EnPassant = IsEnPassantRankSquare(state.EnPassant) ? state.EnPassant : Square::None;
    if (stopped || !IsLegalPosition(game) || !HasMobility(game))
        return 0;
    const TEngineMove best = fuzzEngine->BestMove();
    FUZZ_CHECK(best.From < 64 && best.To < 64, "the chosen move is off the board");
    FUZZ_CHECK(IsMoveAllowed(game, SquareFromOrd(best.From + 1), SquareFromOrd(best.To + 1)),
               "the chosen move " + SquareName(SquareFromOrd(best.From + 1)) + "-" +
                   SquareName(SquareFromOrd(best.To + 1)) + " is illegal by the board's rules");
    return 0;
}
