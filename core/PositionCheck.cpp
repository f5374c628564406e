// The judgement of a position (see PositionCheck.h).
#include "core/PositionCheck.h"

#include "core/Chess960.h"
#include "core/MoveList.h"
#include "core/PieceLetter.h"

#include <algorithm>
#include <utility>

namespace {

struct CastlingHome {
    CanStillCastle Right;
    char Letter;
    Square King, Rook;
};

constexpr CastlingHome CastlingHomes[4] = {
    {CanStillCastle::WhiteKingSide, 'K', Square::E1, Square::H1},
    {CanStillCastle::WhiteQueenSide, 'Q', Square::E1, Square::A1},
    {CanStillCastle::BlackKingSide, 'k', Square::E8, Square::H8},
    {CanStillCastle::BlackQueenSide, 'q', Square::E8, Square::A8},
};

NotationError Reason(NotationReason reason, std::string text = {})
{
    return NotationError{reason, std::move(text), '\0', 0};
}

// What one side has on the board.
struct Material {
    int Kings = 0, Pawns = 0, Knights = 0, Rooks = 0, Queens = 0;
    int Bishops[2] = {0, 0}; // by the colour of their squares

    // The pieces beyond a side's first set, each of which a pawn must have
    // become: a second queen, a third rook or knight, a second bishop on
    // squares of one colour.
    int Promoted() const
    {
        return std::max(0, Queens - 1) + std::max(0, Rooks - 2) + std::max(0, Knights - 2) +
            std::max(0, Bishops[0] - 1) + std::max(0, Bishops[1] - 1);
    }
};

Material Count(const GameState& state, bool white)
{
    Material m;
    for (int n = 1; n <= 64; ++n) {
        const char c = state.Board[n];
        if (!IsPieceLetter(c) || IsWhitePiece(c) != white)
            continue;
        const Square s = SquareFromOrd(n);
        switch (UpperPiece(c)) {
        case 'K': ++m.Kings; break;
        case 'P': ++m.Pawns; break;
        case 'N': ++m.Knights; break;
        case 'B': ++m.Bishops[(FileOf(s) + RankOf(s)) % 2]; break;
        case 'R': ++m.Rooks; break;
        case 'Q': ++m.Queens; break;
        default: break;
        }
    }
    return m;
}

// What is wrong with the pieces on the board, in the order CheckPosition
// reports it. A side without one king is not asked about promotions.
void AddMaterialProblems(const GameState& state, std::vector<NotationError>& problems)
{
    const Material sides[2] = {Count(state, true), Count(state, false)};
    for (int i = 0; i < 2; ++i) {
        const bool white = i == 0;
        if (sides[i].Kings == 0)
            problems.push_back(Reason(white ? NotationReason::FenWhiteHasNoKing : NotationReason::FenBlackHasNoKing));
        if (sides[i].Kings > 1)
            problems.push_back(
                Reason(white ? NotationReason::FenWhiteHasTwoKings : NotationReason::FenBlackHasTwoKings));
    }
    for (int n = 1; n <= 64; ++n) {
        const Square s = SquareFromOrd(n);
        if (UpperPiece(state.Board[n]) == 'P' && (RankOf(s) == 1 || RankOf(s) == 8))
            problems.push_back(Reason(NotationReason::FenPawnOnEdgeRank, LowerSquareName(s)));
    }
    for (int i = 0; i < 2; ++i) {
        const bool white = i == 0;
        if (sides[i].Pawns > 8)
            problems.push_back(
                Reason(white ? NotationReason::FenWhiteHasTooManyPawns : NotationReason::FenBlackHasTooManyPawns));
        else if (sides[i].Promoted() > 8 - sides[i].Pawns)
            problems.push_back(
                Reason(white ? NotationReason::FenWhiteHasTooManyPieces : NotationReason::FenBlackHasTooManyPieces));
    }
}

bool OneKingEach(const GameState& state)
{
    return Count(state, true).Kings == 1 && Count(state, false).Kings == 1;
}

} // namespace

bool CastlingRightFits(const GameState& state, CanStillCastle right)
{
    if (state.Chess960) {
        // The king on its home rank, the right's rook there too on the
        // right's side of it.
        const bool white = IsWhiteRight(right);
        const Square king = HomeRankKing(state, white);
        const Square rook = CastlingRookSquare(state, right);
        return king != Square::None && state.At(rook) == (white ? 'R' : 'r') &&
            (FileOf(rook) > FileOf(king)) == IsKingSideRight(right);
    }
    for (const CastlingHome& home : CastlingHomes) {
        if (home.Right != right)
            continue;
        const bool white = home.Letter == 'K' || home.Letter == 'Q';
        return state.At(home.King) == (white ? 'K' : 'k') && state.At(home.Rook) == (white ? 'R' : 'r');
    }
    return false;
}

bool CastlingRightsFit(const GameState& state)
{
    for (const CastlingHome& home : CastlingHomes)
        if (state.CastlingAllowed.Contains(home.Right) && !CastlingRightFits(state, home.Right))
            return false;
    return true;
}

bool EnPassantFits(const GameState& state)
{
    const Square square = state.EnPassant;
    if (square == Square::None)
        return false;
    const bool white = state.WhiteToMove;
    const Square pawnSquare = SquareAt(FileOf(square), white ? 5 : 4);
    const Square originSquare = SquareAt(FileOf(square), white ? 7 : 2);
    return RankOf(square) == (white ? 6 : 3) && state.At(pawnSquare) == (white ? 'p' : 'P') &&
        state.At(square) == EmptySquare && state.At(originSquare) == EmptySquare;
}

std::vector<NotationError> PositionProblems(const GameState& state)
{
    std::vector<NotationError> problems;
    AddMaterialProblems(state, problems);
    for (const CastlingHome& home : CastlingHomes) {
        if (state.CastlingAllowed.Contains(home.Right) && !CastlingRightFits(state, home.Right))
            problems.push_back(Reason(NotationReason::FenCastlingRightWithoutPieces, std::string(1, home.Letter)));
    }
    if (state.EnPassant != Square::None && !EnPassantFits(state))
        problems.push_back(Reason(NotationReason::FenEnPassantWithoutDoubleStep, LowerSquareName(state.EnPassant)));
    // The side that has just moved cannot have left its king attacked (asked
    // only where each side has its one king).
    if (OneKingEach(state)) {
        GameState other = state;
        other.WhiteToMove = !other.WhiteToMove;
        if (SideToMoveInCheck(other))
            problems.push_back(
                Reason(state.WhiteToMove ? NotationReason::FenBlackKingInCheck : NotationReason::FenWhiteKingInCheck));
    }
    return problems;
}

NotationError CheckPosition(const GameState& state)
{
    std::vector<NotationError> problems = PositionProblems(state);
    return problems.empty() ? NotationError{} : std::move(problems.front());
}
