// Movement rules, castling, en passant, king-attack tests and mobility,
// computed straight from the placement; nothing is cached between calls.
#include "core/Rules.h"

#include "core/Chess960.h"

#include <cstdlib>

namespace {

bool OnBoard(Square square)
{
    return Ord(square) >= 1 && Ord(square) <= 64;
}

char At(const BoardArray& board, Square square)
{
    return board[Ord(square)];
}

bool IsBlank(const BoardArray& board, Square square)
{
    return At(board, square) == EmptySquare;
}

// Walks from `from` in steps of (fileStep, rankStep) and tells whether `to`
// is reached before the walk meets a piece or leaves the board.
bool SlideReaches(const BoardArray& board, Square from, Square to, int fileStep, int rankStep)
{
    const int file = FileOf(from);
    const int rank = RankOf(from);
    for (int k = 1; k <= 7; ++k) {
        const Square square = SquareAt(file + k * fileStep, rank + k * rankStep);
        if (square == Square::None)
            return false;
        if (square == to)
            return true;
        if (!IsBlank(board, square))
            return false;
    }
    return false;
}

// The first piece met walking from `from` in one direction, and how many
// steps away; a blank character when the walk leaves the board.
struct FirstPiece {
    char piece = EmptySquare;
    int distance = 0;
};

FirstPiece FirstPieceFrom(const BoardArray& board, Square from, int fileStep, int rankStep)
{
    const int file = FileOf(from);
    const int rank = RankOf(from);
    for (int k = 1; k <= 7; ++k) {
        const Square square = SquareAt(file + k * fileStep, rank + k * rankStep);
        if (square == Square::None)
            break;
        if (!IsBlank(board, square))
            return {At(board, square), k};
    }
    return {};
}

bool PieceOn(const BoardArray& board, int file, int rank, char piece)
{
    const Square square = SquareAt(file, rank);
    return square != Square::None && At(board, square) == piece;
}

// Whether the king on `king` is attacked by the pieces of the other side.
// Letters are the attacker's: pawn, knight, bishop, rook, queen, king.
// pawnRankStep is the rank offset from the king at which an attacking pawn
// stands (a White pawn attacks upwards, so it stands one rank below).
bool SquareAttacked(const BoardArray& board, Square king, const char attacker[6], int pawnRankStep)
{
    const int f = FileOf(king);
    const int r = RankOf(king);
    const char pawn = attacker[0], knight = attacker[1], bishop = attacker[2];
    const char rook = attacker[3], queen = attacker[4], enemyKing = attacker[5];

    if (PieceOn(board, f - 1, r + pawnRankStep, pawn) || PieceOn(board, f + 1, r + pawnRankStep, pawn))
        return true;

    static constexpr int knightSteps[8][2] = {{-2, -1}, {2, -1}, {-2, 1}, {2, 1}, {-1, -2}, {1, -2}, {-1, 2}, {1, 2}};
    for (const auto& step : knightSteps)
        if (PieceOn(board, f + step[0], r + step[1], knight))
            return true;

    static constexpr int diagonals[4][2] = {{-1, -1}, {-1, 1}, {1, -1}, {1, 1}};
    for (const auto& d : diagonals) {
        const FirstPiece hit = FirstPieceFrom(board, king, d[0], d[1]);
        if (hit.piece == bishop || hit.piece == queen || (hit.piece == enemyKing && hit.distance == 1))
            return true;
    }

    static constexpr int lines[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (const auto& d : lines) {
        const FirstPiece hit = FirstPieceFrom(board, king, d[0], d[1]);
        if (hit.piece == rook || hit.piece == queen || (hit.piece == enemyKing && hit.distance == 1))
            return true;
    }
    return false;
}

// The placement after the piece on from goes to to, with the pawn taken en
// passant removed; from == to leaves the placement as it stands.
BoardArray PlacementAfter(const GameState& state, Square from, Square to)
{
    BoardArray copy = state.Board;
    if (from == to || !OnBoard(from) || !OnBoard(to))
        return copy;
    if (IsEnPassantCapture(state, from, to))
        copy[Ord(EnPassantVictimSquare(from, to))] = EmptySquare;
    copy[Ord(to)] = copy[Ord(from)];
    copy[Ord(from)] = EmptySquare;
    return copy;
}

Square FindKing(const BoardArray& board, char king)
{
    for (int n = 1; n <= 64; ++n)
        if (board[n] == king)
            return SquareFromOrd(n);
    return Square::None;
}

struct CastlingRow {
    char king;
    Square from, to;
    CanStillCastle right;
    Square corner;
    char rook;
    Square mustBeEmpty[3];
    Square mustBeSafe[3];
};

constexpr Square N = Square::None;
constexpr CastlingRow castlingRows[4] = {
    {'K',
     Square::E1,
     Square::G1,
     CanStillCastle::WhiteKingSide,
     Square::H1,
     'R',
     {Square::G1, Square::F1, N},
     {Square::E1, Square::F1, Square::G1}},
    {'K',
     Square::E1,
     Square::C1,
     CanStillCastle::WhiteQueenSide,
     Square::A1,
     'R',
     {Square::B1, Square::C1, Square::D1},
     {Square::E1, Square::D1, Square::C1}},
    {'k',
     Square::E8,
     Square::G8,
     CanStillCastle::BlackKingSide,
     Square::H8,
     'r',
     {Square::G8, Square::F8, N},
     {Square::E8, Square::F8, Square::G8}},
    {'k',
     Square::E8,
     Square::C8,
     CanStillCastle::BlackQueenSide,
     Square::A8,
     'r',
     {Square::B8, Square::C8, Square::D8},
     {Square::E8, Square::D8, Square::C8}},
};

bool CastlingAllowedBy(const GameState& state, const CastlingRow& row)
{
    if (At(state.Board, row.from) != row.king)
        return false;
    if (!state.CastlingAllowed.Contains(row.right))
        return false;
    if (At(state.Board, row.corner) != row.rook)
        return false;
    for (Square square : row.mustBeEmpty)
        if (square != Square::None && !IsBlank(state.Board, square))
            return false;
    const bool white = row.king == 'K';
    for (Square square : row.mustBeSafe) {
        const bool attacked =
            white ? WhiteKingAttacked(state, row.from, square) : BlackKingAttacked(state, row.from, square);
        if (attacked)
            return false;
    }
    return true;
}

} // namespace

Square EnPassantVictimSquare(Square from, Square to)
{
    return SquareAt(FileOf(to), RankOf(from));
}

bool IsEnPassantCapture(const GameState& state, Square from, Square to)
{
    if (state.EnPassant == Square::None || to != state.EnPassant || !OnBoard(from) || !OnBoard(to))
        return false;
    const char pawn = At(state.Board, from);
    if (pawn != 'P' && pawn != 'p')
        return false;
    const bool white = pawn == 'P';
    const int forward = white ? 1 : -1;
    if (std::abs(FileOf(to) - FileOf(from)) != 1 || RankOf(to) - RankOf(from) != forward)
        return false;
    // The passed square lies behind a pawn that made its double step: rank 6
    // for a Black pawn now on rank 5, rank 3 for a White pawn now on rank 4.
    if (RankOf(to) != (white ? 6 : 3) || !IsBlank(state.Board, to))
        return false;
    return At(state.Board, EnPassantVictimSquare(from, to)) == (white ? 'p' : 'P');
}

bool ValidPawnMove(const GameState& state, Square from, Square to)
{
    const bool white = At(state.Board, from) == 'P';
    const int forward = white ? 1 : -1;
    const int df = FileOf(to) - FileOf(from);
    const int dr = RankOf(to) - RankOf(from);
    if (dr == forward && df == 0)
        return IsBlank(state.Board, to);
    if (dr == forward && std::abs(df) == 1)
        return PieceColor(state.Board, to) == (white ? 0 : 1) || IsEnPassantCapture(state, from, to);
    const int startRank = white ? 2 : 7;
    if (RankOf(from) == startRank && dr == 2 * forward && df == 0) {
        const Square passed = SquareFromOrd((Ord(from) + Ord(to)) / 2);
        return IsBlank(state.Board, to) && IsBlank(state.Board, passed);
    }
    return false;
}

bool ValidKnightMove(const GameState&, Square from, Square to)
{
    const int df = std::abs(FileOf(to) - FileOf(from));
    const int dr = std::abs(RankOf(to) - RankOf(from));
    return (df == 2 && dr == 1) || (df == 1 && dr == 2);
}

bool ValidBishopMove(const GameState& state, Square from, Square to)
{
    for (int fileStep : {-1, 1})
        for (int rankStep : {-1, 1})
            if (SlideReaches(state.Board, from, to, fileStep, rankStep))
                return true;
    return false;
}

bool ValidRookMove(const GameState& state, Square from, Square to)
{
    return SlideReaches(state.Board, from, to, -1, 0) || SlideReaches(state.Board, from, to, 1, 0) ||
        SlideReaches(state.Board, from, to, 0, -1) || SlideReaches(state.Board, from, to, 0, 1);
}

bool ValidQueenMove(const GameState& state, Square from, Square to)
{
    return ValidBishopMove(state, from, to) || ValidRookMove(state, from, to);
}

bool ValidKingMove(const GameState& state, Square from, Square to)
{
    if (std::abs(FileOf(to) - FileOf(from)) <= 1 && std::abs(RankOf(to) - RankOf(from)) <= 1)
        return true;
    // A Chess960 castling is the king moving onto its rook (IsMoveAllowed).
    if (state.Chess960)
        return false;
    for (const CastlingRow& row : castlingRows)
        if (row.from == from && row.to == to)
            return CastlingAllowedBy(state, row);
    return false;
}

bool WhiteKingAttacked(const GameState& state, Square from, Square to)
{
    const BoardArray placement = PlacementAfter(state, from, to);
    const Square king = FindKing(placement, 'K');
    if (king == Square::None)
        return false;
    static constexpr char blackPieces[6] = {'p', 'n', 'b', 'r', 'q', 'k'};
    return SquareAttacked(placement, king, blackPieces, +1);
}

bool BlackKingAttacked(const GameState& state, Square from, Square to)
{
    const BoardArray placement = PlacementAfter(state, from, to);
    const Square king = FindKing(placement, 'k');
    if (king == Square::None)
        return true;
    static constexpr char whitePieces[6] = {'P', 'N', 'B', 'R', 'Q', 'K'};
    return SquareAttacked(placement, king, whitePieces, -1);
}

bool IsMoveAllowed(const GameState& state, Square from, Square to)
{
    if (!OnBoard(from) || !OnBoard(to))
        return false;
    const int colour = PieceColor(state.Board, from);
    if (colour != (state.WhiteToMove ? 1 : 0))
        return false;
    if (state.Chess960) {
        if (const std::optional<CanStillCastle> right = Chess960CastlingRight(state, from, to))
            return Chess960CastlingAllowed(state, *right);
    }
    if (PieceColor(state.Board, to) == colour)
        return false;
    bool byRule = true;
    switch (At(state.Board, from)) {
    case 'P':
    case 'p': byRule = ValidPawnMove(state, from, to); break;
    case 'N':
    case 'n': byRule = ValidKnightMove(state, from, to); break;
    case 'B':
    case 'b': byRule = ValidBishopMove(state, from, to); break;
    case 'R':
    case 'r': byRule = ValidRookMove(state, from, to); break;
    case 'Q':
    case 'q': byRule = ValidQueenMove(state, from, to); break;
    case 'K':
    case 'k': byRule = ValidKingMove(state, from, to); break;
    default: break; // a letter that names no piece has no movement rule
    }
    if (!byRule)
        return false;
    return colour == 1 ? !WhiteKingAttacked(state, from, to) : !BlackKingAttacked(state, from, to);
}

bool HasMobility(const GameState& state)
{
    const int side = state.WhiteToMove ? 1 : 0;
    for (int from = 1; from <= 64; ++from) {
        if (PieceColor(state.Board, SquareFromOrd(from)) != side)
            continue;
        for (int to = 1; to <= 64; ++to)
            if (IsMoveAllowed(state, SquareFromOrd(from), SquareFromOrd(to)))
                return true;
    }
    return false;
}

Square CapturableEnPassant(const GameState& state)
{
    const Square target = state.EnPassant;
    if (target == Square::None || !OnBoard(target))
        return Square::None;
    const int pawnRank = state.WhiteToMove ? 5 : 4;
    for (int fileStep : {-1, 1}) {
        const Square from = SquareAt(FileOf(target) + fileStep, pawnRank);
        if (from != Square::None && IsEnPassantCapture(state, from, target) && IsMoveAllowed(state, from, target))
            return target;
    }
    return Square::None;
}

int MatingMaterial(const BoardArray& board, bool white)
{
    int total = 0;
    for (int n = 1; n <= 64; ++n) {
        const char c = board[n];
        switch (IsWhitePiece(c) == white ? UpperPiece(c) : '\0') {
        case 'B': total += 3; break;
        case 'N': total += 2; break;
        case 'P':
        case 'R':
        case 'Q': total += 5; break;
        default: break;
        }
    }
    return total;
}
