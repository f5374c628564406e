// Building board states for programs that run the engine on their own.
#include "engine/BoardState.h"

void TBoardState::Clear()
{
    Board.fill(' ');
    Board[0] = '_';
}

TBoardState TBoardState::Initial()
{
    return FromPlacement("rnbqkbnrpppppppp                                PPPPPPPPRNBQKBNR", true,
                         CastleSet::All(), Square::None);
}

TBoardState TBoardState::FromPlacement(std::string_view placement, bool whiteToMove, CastleSet castling,
                                       Square enPassant)
{
    static constexpr std::string_view PieceLetters = "PNBRQKpnbrqk";
    TBoardState state;
    state.Clear();
    for (std::size_t i = 0; i < placement.size() && i < 64; ++i) {
        if (PieceLetters.find(placement[i]) != std::string_view::npos)
            state.Board[i + 1] = placement[i];
    }
    state.WhiteToMove = whiteToMove;
    state.CastlingAllowed = castling;
    state.EnPassant = enPassant;
    return state;
}
