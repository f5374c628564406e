// The Polyglot key of a position: see PolyglotKey.h.
#include "core/PolyglotKey.h"

namespace {

// The format's piece kinds: black pawn 0, white pawn 1, black knight 2, ...
// white king 11; -1 for a blank.
int PieceKind(char piece)
{
    switch (piece) {
    case 'p': return 0;
    case 'P': return 1;
    case 'n': return 2;
    case 'N': return 3;
    case 'b': return 4;
    case 'B': return 5;
    case 'r': return 6;
    case 'R': return 7;
    case 'q': return 8;
    case 'Q': return 9;
    case 'k': return 10;
    case 'K': return 11;
    default: return -1;
    }
}

constexpr int CastleOffset = 768;
constexpr int EnPassantOffset = 772;
constexpr int TurnOffset = 780;

} // namespace

std::uint64_t PolyglotKey(const GameState& state)
{
    std::uint64_t key = 0;
    for (int n = 1; n <= 64; ++n) {
        const Square square = SquareFromOrd(n);
        const int kind = PieceKind(state.At(square));
        if (kind >= 0)
            key ^= PolyglotRandom[static_cast<std::size_t>(64 * kind + 8 * (RankOf(square) - 1) + FileOf(square) - 1)];
    }
    const CanStillCastle rights[] = {CanStillCastle::WhiteKingSide, CanStillCastle::WhiteQueenSide,
                                     CanStillCastle::BlackKingSide, CanStillCastle::BlackQueenSide};
    for (int i = 0; i < 4; ++i) {
        if (state.CastlingAllowed.Contains(rights[i]))
            key ^= PolyglotRandom[static_cast<std::size_t>(CastleOffset + i)];
    }
    // The en passant file counts only when a pawn of the side to move stands
    // beside the pawn that has just made its double step.
    if (state.EnPassant != Square::None) {
        const int file = FileOf(state.EnPassant);
        const int pawnRank = state.WhiteToMove ? 5 : 4;
        const char ownPawn = state.WhiteToMove ? 'P' : 'p';
        const bool capturer = (file > 1 && state.At(SquareAt(file - 1, pawnRank)) == ownPawn) ||
            (file < 8 && state.At(SquareAt(file + 1, pawnRank)) == ownPawn);
        if (capturer)
            key ^= PolyglotRandom[static_cast<std::size_t>(EnPassantOffset + file - 1)];
    }
    if (state.WhiteToMove)
        key ^= PolyglotRandom[TurnOffset];
    return key;
}
