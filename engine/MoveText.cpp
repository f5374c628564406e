// UCI move text.
#include "engine/MoveText.h"

#include "core/GameState.h"
#include "engine/ChessEngine.h"

using namespace engine;

namespace {

std::string SquareName(int s)
{
    return {static_cast<char>('a' + FileIndex(s)), static_cast<char>('8' - RowIndex(s))};
}

int ParseSquare(std::string_view text)
{
    if (text.size() != 2 || text[0] < 'a' || text[0] > 'h' || text[1] < '1' || text[1] > '8')
        return -1;
    return ('8' - text[1]) * 8 + (text[0] - 'a');
}

int PromotionCode(char c)
{
    switch (c | 0x20) { // either case
    case 'n': return Knight;
    case 'b': return Bishop;
    case 'r': return Rook;
    case 'q': return Queen;
    default: return -1;
    }
}

} // namespace

std::string MoveToUci(TEngineMove move, const TChessEngine& engine)
{
    TEngineMove written = move;
    written.To = static_cast<std::uint8_t>(engine.UciTargetSquare(move));
    return MoveToUci(written);
}

std::string MoveToUci(TEngineMove move)
{
    std::string text = SquareName(move.From) + SquareName(move.To);
    if (move.Flags & FlagPromotion)
        text += "?nbrq"[move.Promote <= Queen ? move.Promote : 0];
    return text;
}

MoveTextResult FindLegalMove(TChessEngine& engine, std::string_view text, TEngineMove& move)
{
    if (text.size() != 4 && text.size() != 5)
        return MoveTextResult::Malformed;
    const int from = ParseSquare(text.substr(0, 2));
    const int to = ParseSquare(text.substr(2, 2));
    const int promote = text.size() == 5 ? PromotionCode(text[4]) : 0;
    if (from < 0 || to < 0 || promote < 0)
        return MoveTextResult::Malformed;

    engine.GenerateMoves();
    for (const TMoveEntry& entry : engine.CurrentMoves()) {
        const TEngineMove m = entry.Move;
        const int wanted = (m.Flags & FlagPromotion) ? m.Promote : 0;
        if (m.From != from || engine.UciTargetSquare(m) != to || wanted != promote)
            continue;
        if (!engine.DoMove(m))
            return MoveTextResult::Illegal;
        engine.UndoMove();
        move = m;
        return MoveTextResult::Legal;
    }
    return MoveTextResult::Illegal;
}

MoveTextResult PlayMove(TChessEngine& engine, GameState& state, std::string_view text)
{
    engine.LinkTo(state);
    engine.LoadPosition();
    TEngineMove move;
    const MoveTextResult result = FindLegalMove(engine, text, move);
    if (result != MoveTextResult::Legal)
        return result;
    engine.DoMove(move);
    engine.StorePosition(state);
    return result;
}
