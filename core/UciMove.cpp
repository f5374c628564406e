// UCI move text (see UciMove.h).
#include "core/UciMove.h"

#include "core/PieceLetter.h"

std::string UciMoveText(const ChessMove& move)
{
    std::string text = LowerSquareName(move.From) + LowerSquareName(move.To);
    if (move.Promotion != EmptySquare)
        text += static_cast<char>(UpperPiece(move.Promotion) - 'A' + 'a');
    return text;
}

std::optional<ChessMove> ReadUciMove(const GameState& state, std::string_view text)
{
    if (text.size() != 4 && text.size() != 5)
        return std::nullopt;
    if (text[0] < 'a' || text[0] > 'h' || text[2] < 'a' || text[2] > 'h')
        return std::nullopt;
    ChessMove move;
    move.From = SquareFromName(text[0], text[1]);
    move.To = SquareFromName(text[2], text[3]);
    if (move.From == Square::None || move.To == Square::None)
        return std::nullopt;
    if (text.size() == 5) {
        const char piece = text[4];
        if (piece != 'q' && piece != 'r' && piece != 'b' && piece != 'n')
            return std::nullopt;
        move.Promotion = UpperPiece(piece);
    }
    if (!IsLegalMove(state, move))
        return std::nullopt;
    return move;
}
