// Chess960 start positions and castling.
#include "core/Chess960.h"

#include "core/Rules.h"

#include <algorithm>

namespace {

// Where the two knights go among the five squares left after the bishops
// and the queen, by the number's knight digit.
constexpr int KnightPlaces[10][2] = {{0, 1}, {0, 2}, {0, 3}, {0, 4}, {1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}};

// Puts `piece` on the n-th (from 0) empty file of the rank.
void PutOnEmpty(std::string& rank, int n, char piece)
{
    for (char& c : rank) {
        if (c != ' ')
            continue;
        if (n-- == 0) {
            c = piece;
            return;
        }
    }
}

int RightIndex(CanStillCastle right)
{
    return static_cast<int>(right);
}

} // namespace

std::string Chess960BackRank(int number)
{
    if (number < 0 || number >= Chess960PositionCount)
        return {};
    std::string rank(8, ' ');
    int n = number;
    rank[static_cast<std::size_t>(2 * (n % 4) + 1)] = 'B'; // the light-squared bishop: b, d, f, h
    n /= 4;
    rank[static_cast<std::size_t>(2 * (n % 4))] = 'B'; // the dark-squared bishop: a, c, e, g
    n /= 4;
    PutOnEmpty(rank, n % 6, 'Q');
    n /= 6;
    // The second knight's place counts the first one's square as empty.
    PutOnEmpty(rank, KnightPlaces[n][1], 'n');
    PutOnEmpty(rank, KnightPlaces[n][0], 'N');
    std::replace(rank.begin(), rank.end(), 'n', 'N');
    PutOnEmpty(rank, 0, 'R');
    PutOnEmpty(rank, 0, 'K');
    PutOnEmpty(rank, 0, 'R');
    return rank;
}

int Chess960Number(std::string_view backRank)
{
    // 960 ranks: looking each up costs nothing worth a table.
    for (int n = 0; n < Chess960PositionCount; ++n)
        if (Chess960BackRank(n) == backRank)
            return n;
    return -1;
}

GameState Chess960StartPosition(int number)
{
    GameState state;
    const std::string rank = Chess960BackRank(number);
    if (rank.empty())
        return state;
    state.Clear();
    for (int file = 1; file <= 8; ++file) {
        const char piece = rank[static_cast<std::size_t>(file - 1)];
        state.Put(SquareAt(file, 1), piece);
        state.Put(SquareAt(file, 2), 'P');
        state.Put(SquareAt(file, 7), 'p');
        state.Put(SquareAt(file, 8), static_cast<char>(piece + 32));
    }
    const auto queenRook = static_cast<int>(rank.find('R')) + 1;
    const auto kingRook = static_cast<int>(rank.rfind('R')) + 1;
    state.Chess960 = true;
    state.CastlingAllowed = CastleSet::All();
    state.CastlingRookFile = {static_cast<std::uint8_t>(kingRook), static_cast<std::uint8_t>(queenRook),
                              static_cast<std::uint8_t>(kingRook), static_cast<std::uint8_t>(queenRook)};
    return state;
}

int Chess960NumberOfPlacement(const GameState& state)
{
    std::string rank(8, ' ');
    for (int file = 1; file <= 8; ++file) {
        const char piece = state.At(SquareAt(file, 1));
        if (state.At(SquareAt(file, 8)) != static_cast<char>(piece + 32) || state.At(SquareAt(file, 2)) != 'P' ||
            state.At(SquareAt(file, 7)) != 'p')
            return -1;
        rank[static_cast<std::size_t>(file - 1)] = piece;
        for (int r = 3; r <= 6; ++r)
            if (state.At(SquareAt(file, r)) != EmptySquare)
                return -1;
    }
    return Chess960Number(rank);
}

int Chess960StartNumber(const GameState& state)
{
    if (!state.Chess960 || state.CurrentMove != 1 || !state.WhiteToMove)
        return -1;
    return Chess960NumberOfPlacement(state);
}

bool IsWhiteRight(CanStillCastle right)
{
    return right == CanStillCastle::WhiteKingSide || right == CanStillCastle::WhiteQueenSide;
}

bool IsKingSideRight(CanStillCastle right)
{
    return right == CanStillCastle::WhiteKingSide || right == CanStillCastle::BlackKingSide;
}

int HomeRank(CanStillCastle right)
{
    return IsWhiteRight(right) ? 1 : 8;
}

Square CastlingRookSquare(const GameState& state, CanStillCastle right)
{
    return SquareAt(state.CastlingRookFile[static_cast<std::size_t>(RightIndex(right))], HomeRank(right));
}

Square HomeRankKing(const GameState& state, bool white)
{
    const int rank = white ? 1 : 8;
    for (int file = 1; file <= 8; ++file)
        if (state.At(SquareAt(file, rank)) == (white ? 'K' : 'k'))
            return SquareAt(file, rank);
    return Square::None;
}

Square CastledKingSquare(CanStillCastle right)
{
    return SquareAt(IsKingSideRight(right) ? 7 : 3, HomeRank(right));
}

Square CastledRookSquare(CanStillCastle right)
{
    return SquareAt(IsKingSideRight(right) ? 6 : 4, HomeRank(right));
}

std::optional<CanStillCastle> Chess960CastlingRight(const GameState& state, Square from, Square to)
{
    if (!state.Chess960 || from == Square::None || to == Square::None || RankOf(from) != RankOf(to))
        return std::nullopt;
    const bool white = state.WhiteToMove;
    if (state.At(from) != (white ? 'K' : 'k') || state.At(to) != (white ? 'R' : 'r'))
        return std::nullopt;
    const bool kingSide = FileOf(to) > FileOf(from);
    const CanStillCastle right = white ? (kingSide ? CanStillCastle::WhiteKingSide : CanStillCastle::WhiteQueenSide)
                                       : (kingSide ? CanStillCastle::BlackKingSide : CanStillCastle::BlackQueenSide);
    if (RankOf(from) != HomeRank(right) || !state.CastlingAllowed.Contains(right) ||
        CastlingRookSquare(state, right) != to)
        return std::nullopt;
    return right;
}

bool Chess960CastlingAllowed(const GameState& state, CanStillCastle right)
{
    const bool white = IsWhiteRight(right);
    if (white != state.WhiteToMove || !state.CastlingAllowed.Contains(right))
        return false;
    const Square king = HomeRankKing(state, white);
    const Square rook = CastlingRookSquare(state, right);
    if (king == Square::None || state.At(rook) != (white ? 'R' : 'r') ||
        (FileOf(rook) > FileOf(king)) != IsKingSideRight(right))
        return false;
    const Square kingTo = CastledKingSquare(right);
    const Square rookTo = CastledRookSquare(right);
    const int rank = HomeRank(right);
    // Every square the king or the rook crosses or lands on is empty but
    // for the two of them.
    auto spanClear = [&](Square a, Square b) {
        const int low = std::min(FileOf(a), FileOf(b));
        const int high = std::max(FileOf(a), FileOf(b));
        for (int file = low; file <= high; ++file) {
            const Square s = SquareAt(file, rank);
            if (s != king && s != rook && state.At(s) != EmptySquare)
                return false;
        }
        return true;
    };
    if (!spanClear(king, kingTo) || !spanClear(rook, rookTo))
        return false;
    // Not out of check, not through or onto an attacked square.
    auto attackedWithKingOn = [&](Square s) {
        return white ? WhiteKingAttacked(state, king, s) : BlackKingAttacked(state, king, s);
    };
    const int step = FileOf(kingTo) >= FileOf(king) ? 1 : -1;
    for (int file = FileOf(king);; file += step) {
        if (attackedWithKingOn(SquareAt(file, rank)))
            return false;
        if (file == FileOf(kingTo))
            break;
    }
    // The rook may have shielded the king's new square along the rank.
    GameState after = state;
    PlaceChess960Castling(after, right);
    return white ? !WhiteKingAttacked(after, kingTo, kingTo) : !BlackKingAttacked(after, kingTo, kingTo);
}

void PlaceChess960Castling(GameState& state, CanStillCastle right)
{
    const bool white = IsWhiteRight(right);
    const Square king = HomeRankKing(state, white);
    const Square rook = CastlingRookSquare(state, right);
    state.Put(king, EmptySquare);
    state.Put(rook, EmptySquare);
    state.Put(CastledKingSquare(right), white ? 'K' : 'k');
    state.Put(CastledRookSquare(right), white ? 'R' : 'r');
}
