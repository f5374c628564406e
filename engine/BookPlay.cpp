// Playing from an opening book: see BookPlay.h.
#include "engine/BookPlay.h"

#include "core/UciMove.h"

#include <cctype>

int GamePly(const GameState& state)
{
    return (state.CurrentMove - 1) * 2 + (state.WhiteToMove ? 0 : 1);
}

bool ChooseBookMove(const TPolyglotBook& book, const GameState& state, int gamePly, int maxPlies, TWeakRandom& random,
                    ChessMove& move)
{
    if (book.Empty() || gamePly >= maxPlies)
        return false;
    return book.Choose(state, random.Uniform(), move);
}

std::string BookMoveText(const ChessMove& move)
{
    return UciMoveText(move);
}
