// The two move generators (all pseudo-legal moves, and the capture set of
// the quiescence search) and the ordering score each move gets when added.
#include "engine/ChessEngine.h"
#include "engine/EngineTables.h"
#include "engine/SquareSets.h"

#include <bit>

using namespace engine;

using namespace EngineTables;
using namespace SquareSets;

void TChessEngine::AppendEntry(int from, int to, int promote, int flags, int score)
{
    // The list is shared by all plies; a node whose moves do not fit is
    // noticed by the search (MoveListOverflowed) and scored statically.
    if (PlyEnd[Ply] >= MoveListSize) {
        MoveListFull = true;
        return;
    }
    TMoveEntry& entry = MoveList[PlyEnd[Ply]++];
    entry.Move = {static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to),
                  static_cast<std::uint8_t>(promote), static_cast<std::uint8_t>(flags)};
    entry.Score = score;
}

void TChessEngine::AddMove(int from, int to, int flags)
{
    if (flags & FlagPawnMove) {
        const bool lastRank = SideToMove == White ? to <= 7 : to >= 56;
        if (lastRank) {
            AddPromotions(from, to, flags);
            return;
        }
    }
    // Captures: most valuable victim first, then least valuable attacker.
    // En passant lands on an empty square and so scores highest of all.
    const int score = (flags & FlagCapture) ? CaptureScoreBase + 10 * SquarePiece[to] - SquarePiece[from]
                                            : HistoryScore[from][to];
    AppendEntry(from, to, 0, flags, score);
}

void TChessEngine::AddPromotions(int from, int to, int flags)
{
    for (int promote = Knight; promote <= Queen; ++promote)
        AppendEntry(from, to, promote, flags | FlagPromotion, CaptureScoreBase + 10 * promote);
}

// Pawn moves of the piece on s, then the steps of any other piece. With
// capturesOnly, a pawn adds its captures and (from its seventh rank) its
// promotion push, and other pieces only their captures.
void TChessEngine::GeneratePieceMoves(int s, bool capturesOnly)
{
    const int piece = SquarePiece[s];
    if (piece == Pawn) {
        if (SideToMove == White) {
            if (s < 8) // a pawn on its last rank has nowhere to go
                return;
            if (FileIndex(s) != 0 && SquareColour[s - 9] == Black)
                AddMove(s, s - 9, PawnCapture);
            if (FileIndex(s) != 7 && SquareColour[s - 7] == Black)
                AddMove(s, s - 7, PawnCapture);
            if (capturesOnly) {
                if (s >= 8 && s <= 15 && SquarePiece[s - 8] == EmptyCode)
                    AddMove(s, s - 8, PawnStep);
            } else if (SquarePiece[s - 8] == EmptyCode) {
                AddMove(s, s - 8, PawnStep);
                if (s >= 48 && SquarePiece[s - 16] == EmptyCode)
                    AddMove(s, s - 16, PawnDoubleStep);
            }
        } else {
            if (s > 55)
                return;
            if (FileIndex(s) != 0 && SquareColour[s + 7] == White)
                AddMove(s, s + 7, PawnCapture);
            if (FileIndex(s) != 7 && SquareColour[s + 9] == White)
                AddMove(s, s + 9, PawnCapture);
            if (capturesOnly) {
                if (s >= 48 && s <= 55 && SquarePiece[s + 8] == EmptyCode)
                    AddMove(s, s + 8, PawnStep);
            } else if (SquarePiece[s + 8] == EmptyCode) {
                AddMove(s, s + 8, PawnStep);
                if (s <= 15 && SquarePiece[s + 16] == EmptyCode)
                    AddMove(s, s + 16, PawnDoubleStep);
            }
        }
        return;
    }

    if (!Slides[piece]) {
        // A knight's or king's targets rise with its direction order, so
        // walking the target set in square order keeps that order.
        Mask targets = (piece == Knight ? KnightTargets[s] : KingTargets[s]) & ~Occupancy[SideToMove];
        if (capturesOnly)
            targets &= Occupancy[Opponent];
        for (; targets != 0; targets &= targets - 1) {
            const int n = std::countr_zero(targets);
            AddMove(s, n, SquareColour[n] == Opponent ? PieceCapture : QuietMove);
        }
        return;
    }

    // Sliders: along each direction in table order, the empty squares
    // nearest first, then the first piece if it is the opponent's.
    const Mask occupied = Occupancy[White] | Occupancy[Black];
    for (int d = 0; d < DirectionCount[piece]; ++d) {
        const int line = PieceLines[piece][d];
        const bool rising = line >= 4; // the last four lines raise the square number
        const Mask ray = Rays[s][line];
        const Mask blockers = ray & occupied;
        int nearest = -1;
        Mask reach = ray;
        if (blockers != 0) {
            nearest = rising ? std::countr_zero(blockers) : 63 - std::countl_zero(blockers);
            reach &= ~Rays[nearest][line];
        }
        if (!capturesOnly) {
            for (Mask empty = reach & ~occupied; empty != 0;) {
                const int n = rising ? std::countr_zero(empty) : 63 - std::countl_zero(empty);
                AddMove(s, n, QuietMove);
                empty &= ~Bit(n);
            }
        }
        if (nearest != -1 && SquareColour[nearest] == Opponent)
            AddMove(s, nearest, PieceCapture);
    }
}

void TChessEngine::GenerateEnPassant()
{
    const int e = EnPassantSquare;
    if (e == -1)
        return;
    if (SideToMove == White) {
        if (FileIndex(e) != 0 && SquareColour[e + 7] == White && SquarePiece[e + 7] == Pawn)
            AddMove(e + 7, e, EnPassantCapture);
        if (FileIndex(e) != 7 && SquareColour[e + 9] == White && SquarePiece[e + 9] == Pawn)
            AddMove(e + 9, e, EnPassantCapture);
    } else {
        if (FileIndex(e) != 0 && SquareColour[e - 9] == Black && SquarePiece[e - 9] == Pawn)
            AddMove(e - 9, e, EnPassantCapture);
        if (FileIndex(e) != 7 && SquareColour[e - 7] == Black && SquarePiece[e - 7] == Pawn)
            AddMove(e - 7, e, EnPassantCapture);
    }
}

void TChessEngine::GenerateMoves()
{
    PlyEnd[Ply] = PlyStart[Ply];
    MoveListFull = false;
    // The pieces in square order, a8 first.
    for (std::uint64_t pieces = Occupancy[SideToMove]; pieces != 0; pieces &= pieces - 1)
        GeneratePieceMoves(std::countr_zero(pieces), false);
    // Castling needs only the right here; DoMove tests the rest.
    if (SideToMove == White) {
        if (CastleRights & 1)
            AddMove(60, 62, CastleMove);
        if (CastleRights & 2)
            AddMove(60, 58, CastleMove);
    } else {
        if (CastleRights & 4)
            AddMove(4, 6, CastleMove);
        if (CastleRights & 8)
            AddMove(4, 2, CastleMove);
    }
    GenerateEnPassant();
    if (Ply + 1 < MaxPly)
        PlyStart[Ply + 1] = PlyEnd[Ply];
}

void TChessEngine::GenerateCaptures()
{
    PlyEnd[Ply] = PlyStart[Ply];
    MoveListFull = false;
    for (std::uint64_t pieces = Occupancy[SideToMove]; pieces != 0; pieces &= pieces - 1)
        GeneratePieceMoves(std::countr_zero(pieces), true);
    GenerateEnPassant();
    if (Ply + 1 < MaxPly)
        PlyStart[Ply + 1] = PlyEnd[Ply];
}
