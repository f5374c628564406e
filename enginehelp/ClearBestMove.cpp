#include "enginehelp/ClearBestMove.h"

#include "core/UciMove.h"
#include "engine/ChessEngine.h"
#include "engine/MoveText.h"

#include <memory>
#include <vector>

namespace {

bool IsMateScore(int score)
{
    return score >= engine::MateScore - engine::MaxPly || score <= -(engine::MateScore - engine::MaxPly);
}

// The engine's score as centipawns, a mate far above any material.
int Centipawns(int score)
{
    if (!IsMateScore(score))
        return score;
    const int plies = score > 0 ? engine::MateScore - score : engine::MateScore + score;
    const int moves = (plies + 1) / 2;
    return score > 0 ? MateValueCp - moves : -(MateValueCp - moves);
}

} // namespace

std::optional<TClearMove> FindClearBestMove(const GameState& state, int depth, const std::atomic<bool>* stop)
{
    const auto stopped = [stop] { return stop && stop->load(); };
    const std::vector<ChessMove> legal = LegalMoves(state);
    if (legal.size() < 2 || stopped())
        return std::nullopt;
    auto engine = std::make_unique<TChessEngine>();
    std::atomic<int> searchDepth{depth};
    engine->LinkTo(state);
    engine->SearchDepthRef = &searchDepth;
    engine->FindBestMove();
    const TEngineMove best = engine->BestMove();
    const int bestScore = engine->LastScore();
    const std::optional<ChessMove> move = ReadUciMove(state, MoveToUci(best));
    if (!move || stopped())
        return std::nullopt;

    // The same search over every other move.
    engine->LoadPosition();
    engine->GenerateMoves();
    std::vector<TEngineMove> others;
    for (const TMoveEntry& entry : engine->CurrentMoves()) {
        if (entry.Move == best || !engine->DoMove(entry.Move))
            continue;
        engine->UndoMove();
        others.push_back(entry.Move);
    }
    if (others.empty())
        return std::nullopt;
    engine->SetRootMoves(others);
    engine->FindBestMove();
    const int secondScore = engine->LastScore();
    if (stopped())
        return std::nullopt;

    TClearMove clear;
    clear.Move = *move;
    clear.BestCp = Centipawns(bestScore);
    clear.SecondCp = Centipawns(secondScore);
    clear.MateIn = IsMateScore(bestScore) && bestScore > 0 ? MateValueCp - clear.BestCp : 0;
    if (clear.BestCp - clear.SecondCp < ClearMoveMarginCp || (clear.MateIn == 0 && clear.BestCp < ClearMoveWinCp))
        return std::nullopt;
    return clear;
}
