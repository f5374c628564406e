// The steps of a move on a GameState.
#include "core/MoveExecution.h"

#include "core/Chess960.h"
#include "core/Rules.h"

char MovePiece(GameState& state, Square from, Square to)
{
    const char captured = state.Board[Ord(to)];
    state.Board[Ord(to)] = state.Board[Ord(from)];
    state.Board[Ord(from)] = EmptySquare;
    return captured;
}

void PassTurn(GameState& state)
{
    if (!state.WhiteToMove)
        ++state.CurrentMove;
    state.WhiteToMove = !state.WhiteToMove;
}

bool NeedsPromotion(const GameState& state, Square square)
{
    const char piece = state.Board[Ord(square)];
    return (piece == 'P' || piece == 'p') && (RankOf(square) == 8 || RankOf(square) == 1);
}

void PromotePawn(GameState& state, Square square, char piece)
{
    const char upper = UpperPiece(piece);
    state.Board[Ord(square)] = RankOf(square) == 8 ? upper : static_cast<char>(upper + 32);
}

char RemoveEnPassantVictim(GameState& state, Square from, Square to)
{
    const Square victim = EnPassantVictimSquare(from, to);
    const char taken = state.Board[Ord(victim)];
    state.Board[Ord(victim)] = EmptySquare;
    return taken;
}

void UpdateEnPassantSquare(GameState& state, Square from, Square to)
{
    const char piece = state.Board[Ord(to)];
    const bool whiteDoubleStep = piece == 'P' && RankOf(from) == 2 && RankOf(to) == 4;
    const bool blackDoubleStep = piece == 'p' && RankOf(from) == 7 && RankOf(to) == 5;
    state.EnPassant = (whiteDoubleStep || blackDoubleStep) ? SquareFromOrd((Ord(from) + Ord(to)) / 2) : Square::None;
}

std::optional<CastlingRookMove> MoveCastlingRook(GameState& state, Square kingFrom, Square kingTo)
{
    struct Castling {
        char king;
        Square kingFrom, kingTo;
        CastlingRookMove rook;
    };
    if (state.Chess960)
        return std::nullopt; // made whole by ApplyMove
    static constexpr Castling castlings[4] = {
        {'K', Square::E1, Square::G1, {Square::H1, Square::F1, 'R'}},
        {'K', Square::E1, Square::C1, {Square::A1, Square::D1, 'R'}},
        {'k', Square::E8, Square::G8, {Square::H8, Square::F8, 'r'}},
        {'k', Square::E8, Square::C8, {Square::A8, Square::D8, 'r'}},
    };
    for (const Castling& c : castlings) {
        if (state.Board[Ord(kingTo)] != c.king || kingFrom != c.kingFrom || kingTo != c.kingTo)
            continue;
        state.Board[Ord(c.rook.to)] = c.rook.rook;
        state.Board[Ord(c.rook.from)] = EmptySquare;
        return c.rook;
    }
    return std::nullopt;
}

void UpdateCastlingRights(GameState& state, Square from, Square to)
{
    if (state.Chess960) {
        // The rights go with a king's move, and with anything leaving or
        // landing on their rook's square.
        const char moved = state.At(to);
        for (int i = 0; i < 4; ++i) {
            const auto right = static_cast<CanStillCastle>(i);
            const Square rook = CastlingRookSquare(state, right);
            if (from == rook || to == rook || moved == (IsWhiteRight(right) ? 'K' : 'k'))
                state.CastlingAllowed.Exclude(right);
        }
        return;
    }
    auto removeFor = [&state](Square square, bool cornersOnly) {
        CastleSet& rights = state.CastlingAllowed;
        switch (square) {
        case Square::A1: rights.Exclude(CanStillCastle::WhiteQueenSide); break;
        case Square::H1: rights.Exclude(CanStillCastle::WhiteKingSide); break;
        case Square::A8: rights.Exclude(CanStillCastle::BlackQueenSide); break;
        case Square::H8: rights.Exclude(CanStillCastle::BlackKingSide); break;
        case Square::E1:
            if (!cornersOnly) {
                rights.Exclude(CanStillCastle::WhiteQueenSide);
                rights.Exclude(CanStillCastle::WhiteKingSide);
            }
            break;
        case Square::E8:
            if (!cornersOnly) {
                rights.Exclude(CanStillCastle::BlackQueenSide);
                rights.Exclude(CanStillCastle::BlackKingSide);
            }
            break;
        default: break;
        }
    };
    removeFor(from, false);
    removeFor(to, true);
}

MoveOutcome ApplyMove(GameState& state, Square from, Square to, char promotion)
{
    MoveOutcome outcome;
    outcome.moved = state.Board[Ord(from)];
    if (const std::optional<CanStillCastle> right = Chess960CastlingRight(state, from, to)) {
        const bool white = IsWhiteRight(*right);
        PlaceChess960Castling(state, *right);
        PassTurn(state);
        state.EnPassant = Square::None;
        state.CastlingAllowed.Exclude(white ? CanStillCastle::WhiteKingSide : CanStillCastle::BlackKingSide);
        state.CastlingAllowed.Exclude(white ? CanStillCastle::WhiteQueenSide : CanStillCastle::BlackQueenSide);
        outcome.castled = true;
        return outcome;
    }
    outcome.enPassant = IsEnPassantCapture(state, from, to);
    outcome.captured = MovePiece(state, from, to);
    PassTurn(state);
    if (NeedsPromotion(state, to)) {
        switch (UpperPiece(promotion)) {
        case 'N':
        case 'B':
        case 'R':
        case 'Q': break;
        default: promotion = 'Q'; break;
        }
        PromotePawn(state, to, promotion);
        outcome.promotedTo = state.Board[Ord(to)];
    }
    if (outcome.enPassant)
        outcome.captured = RemoveEnPassantVictim(state, from, to);
    UpdateEnPassantSquare(state, from, to);
    outcome.castled = MoveCastlingRook(state, from, to).has_value();
    UpdateCastlingRights(state, from, to);
    return outcome;
}
