// Shared helpers of the engine tests: an engine linked to a position given
// as FEN, and engine squares by name.
#pragma once

#include "core/Fen.h"
#include "core/GameState.h"
#include "engine/ChessEngine.h"
#include "engine/MoveText.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Engine square of a name such as "e2".
inline int EngineSq(std::string_view name)
{
    return ('8' - name[1]) * 8 + (name[0] - 'a');
}

inline TEngineMove MakeMove(std::string_view from, std::string_view to, int flags, int promote = 0)
{
    return {static_cast<std::uint8_t>(EngineSq(from)), static_cast<std::uint8_t>(EngineSq(to)),
            static_cast<std::uint8_t>(promote), static_cast<std::uint8_t>(flags)};
}

// The position of a FEN whose syntax is sound, possible or not.
inline GameState FenSyntaxState(std::string_view fen)
{
    FenPosition position;
    NotationError error;
    EXPECT_TRUE(ReadFenSyntax(fen, position, error)) << fen << ": " << PortugueseReason(error);
    return position.State;
}

// An engine with the position it reads and the depth it searches.
struct LinkedEngine {
    GameState State;
    std::atomic<int> Depth{1};
    std::unique_ptr<TChessEngine> Engine = std::make_unique<TChessEngine>();

    // The FEN's syntax is checked, not the position: the engine must cope
    // with whatever it is given.
    explicit LinkedEngine(std::string_view fen = StandardStartFen) : State(FenSyntaxState(fen))
    {
        Engine->LinkTo(State);
        Engine->SearchDepthRef = &Depth;
        Engine->LoadPosition();
    }

    // A board set up by hand, which no FEN may allow (two kings of a
    // colour, pawns on their first rank).
    explicit LinkedEngine(const GameState& state) : State(state)
    {
        Engine->LinkTo(State);
        Engine->SearchDepthRef = &Depth;
        Engine->LoadPosition();
    }

    TChessEngine* operator->() { return Engine.get(); }
    TChessEngine& operator*() { return *Engine; }

    // Searches to the given depth and answers the chosen move as UCI text.
    std::string Search(int depth)
    {
        Depth = depth;
        Engine->FindBestMove();
        return MoveToUci(Engine->BestMove());
    }

    std::vector<std::string> GeneratedMoves()
    {
        Engine->GenerateMoves();
        std::vector<std::string> moves;
        for (const TMoveEntry& entry : Engine->CurrentMoves())
            moves.push_back(MoveToUci(entry.Move));
        return moves;
    }
};
