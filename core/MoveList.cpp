// The legal move list, built on the rules' own legality test so that
// notation, game files and the board can never disagree about a move.
#include "core/MoveList.h"

#include "core/MoveExecution.h"
#include "core/Rules.h"

namespace {

bool IsPawn(char piece)
{
    return piece == 'P' || piece == 'p';
}

bool ReachesLastRank(char piece, Square to)
{
    return (piece == 'P' && RankOf(to) == 8) || (piece == 'p' && RankOf(to) == 1);
}

} // namespace

void AppendLegalMovesFrom(const GameState& state, Square from, std::vector<ChessMove>& moves)
{
    if (Ord(from) < 1 || Ord(from) > 64 || PieceColor(state.Board, from) != (state.WhiteToMove ? 1 : 0))
        return;
    const char piece = state.At(from);
    for (int n = 1; n <= 64; ++n) {
        const Square to = SquareFromOrd(n);
        if (!IsMoveAllowed(state, from, to))
            continue;
        if (IsPawn(piece) && ReachesLastRank(piece, to)) {
            for (char promotion : {'Q', 'R', 'B', 'N'})
                moves.push_back({from, to, promotion});
        } else {
            moves.push_back({from, to, EmptySquare});
        }
    }
}

std::vector<ChessMove> LegalMoves(const GameState& state)
{
    std::vector<ChessMove> moves;
    moves.reserve(64);
    for (int n = 1; n <= 64; ++n)
        AppendLegalMovesFrom(state, SquareFromOrd(n), moves);
    return moves;
}

bool SideToMoveInCheck(const GameState& state)
{
    return state.WhiteToMove ? WhiteKingAttacked(state, Square::A1, Square::A1)
                             : BlackKingAttacked(state, Square::A1, Square::A1);
}

bool IsLegalMove(const GameState& state, const ChessMove& move)
{
    if (!IsMoveAllowed(state, move.From, move.To))
        return false;
    const bool promotes = IsPawn(state.At(move.From)) && ReachesLastRank(state.At(move.From), move.To);
    if (!promotes)
        return move.Promotion == EmptySquare;
    switch (move.Promotion) {
    case 'Q':
    case 'R':
    case 'B':
    case 'N': return true;
    default: return false;
    }
}

GameState PositionAfter(const GameState& state, const ChessMove& move)
{
    GameState next = state;
    ApplyMove(next, move.From, move.To, move.Promotion == EmptySquare ? 'Q' : move.Promotion);
    return next;
}
