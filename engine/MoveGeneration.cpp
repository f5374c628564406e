// The two move generators (all pseudo-legal moves, and the capture set of
// the quiescence search) and the ordering score each move gets when added.
#include "engine/ChessEngine.h"
#include "engine/EngineTables.h"
#include "engine/SquareSets.h"

#include <bit>
#include <utility>

using namespace engine;

using namespace EngineTables;
using namespace SquareSets;

[[gnu::always_inline]] inline TMoveEntry* TChessEngine::AppendEntry(TMoveEntry* out, int from, int to, int promote,
                                                                    int flags, int score)
{
    // The list is shared by all plies and holds the most moves any ply can
    // list (MaxMovesInPosition); should a list ever not fit, the node is
    // noticed by the search (MoveListOverflowed) and scored statically.
    if (out >= MoveList.data() + MoveListSize) {
        MoveListFull = true;
        return out;
    }
    // The four bytes of the move in one store.
    const std::uint32_t bytes = static_cast<std::uint32_t>(from) | static_cast<std::uint32_t>(to) << 8 |
        static_cast<std::uint32_t>(promote) << 16 | static_cast<std::uint32_t>(flags) << 24;
    out->Move = std::bit_cast<TEngineMove>(bytes);
    out->Score = score;
    return out + 1;
}

[[gnu::always_inline]] inline TMoveEntry* TChessEngine::AddMove(TMoveEntry* out, int from, int to, int flags)
{
    if (flags & FlagPawnMove) {
        const bool lastRank = SideToMove == White ? to <= 7 : to >= 56;
        if (lastRank)
            return AddPromotions(out, from, to, flags);
    }
    // Captures: most valuable victim first, then least valuable attacker.
    // En passant lands on an empty square and so scores highest of all.
    const int score =
        (flags & FlagCapture) ? CaptureScoreBase + 10 * SquarePiece[to] - SquarePiece[from] : HistoryScore[from][to];
    return AppendEntry(out, from, to, 0, flags, score);
}

TMoveEntry* TChessEngine::AddPromotions(TMoveEntry* out, int from, int to, int flags)
{
    for (int promote = Knight; promote <= Queen; ++promote)
        out = AppendEntry(out, from, to, promote, flags | FlagPromotion, CaptureScoreBase + 10 * promote);
    return out;
}

// Pawn moves of the piece on s, then the steps of any other piece. With
// capturesOnly, a pawn adds its captures and (from its seventh rank) its
// promotion push, and other pieces only their captures.
template <bool capturesOnly>
[[gnu::always_inline]] inline TMoveEntry* TChessEngine::GeneratePieceMoves(TMoveEntry* out, int s)
{
    const int piece = SquarePiece[s];
    if (piece == Pawn) {
        if (SideToMove == White) {
            if (s < 8) // a pawn on its last rank has nowhere to go
                return out;
            if (FileIndex(s) != 0 && SquareColour[s - 9] == Black)
                out = AddMove(out, s, s - 9, PawnCapture);
            if (FileIndex(s) != 7 && SquareColour[s - 7] == Black)
                out = AddMove(out, s, s - 7, PawnCapture);
            if constexpr (capturesOnly) {
                if (s >= 8 && s <= 15 && SquarePiece[s - 8] == EmptyCode)
                    out = AddMove(out, s, s - 8, PawnStep);
            } else if (SquarePiece[s - 8] == EmptyCode) {
                out = AddMove(out, s, s - 8, PawnStep);
                if (s >= 48 && SquarePiece[s - 16] == EmptyCode)
                    out = AddMove(out, s, s - 16, PawnDoubleStep);
            }
        } else {
            if (s > 55)
                return out;
            if (FileIndex(s) != 0 && SquareColour[s + 7] == White)
                out = AddMove(out, s, s + 7, PawnCapture);
            if (FileIndex(s) != 7 && SquareColour[s + 9] == White)
                out = AddMove(out, s, s + 9, PawnCapture);
            if constexpr (capturesOnly) {
                if (s >= 48 && s <= 55 && SquarePiece[s + 8] == EmptyCode)
                    out = AddMove(out, s, s + 8, PawnStep);
            } else if (SquarePiece[s + 8] == EmptyCode) {
                out = AddMove(out, s, s + 8, PawnStep);
                if (s <= 15 && SquarePiece[s + 16] == EmptyCode)
                    out = AddMove(out, s, s + 16, PawnDoubleStep);
            }
        }
        return out;
    }

    if (!Slides[piece]) {
        // A knight's or king's targets rise with its direction order, so
        // walking the target set in square order keeps that order.
        Mask targets = (piece == Knight ? KnightTargets[s] : KingTargets[s]) & ~Occupancy[SideToMove];
        if constexpr (capturesOnly)
            targets &= Occupancy[Opponent];
        for (; targets != 0; targets &= targets - 1) {
            const int n = std::countr_zero(targets);
            out = AddMove(out, s, n, SquareColour[n] == Opponent ? PieceCapture : QuietMove);
        }
        return out;
    }

    switch (piece) {
    case Bishop: return GenerateSliderMoves<Bishop, capturesOnly>(out, s);
    case Rook: return GenerateSliderMoves<Rook, capturesOnly>(out, s);
    default: return GenerateSliderMoves<Queen, capturesOnly>(out, s);
    }
}

// A slider's moves: along each direction in table order, the empty squares
// nearest first, then the first piece if it is the opponent's. Looking only
// for captures, a line without an opponent's piece is skipped. The piece is
// a template argument so that its directions are constants and the loop
// over them unrolls.
template <int piece, bool capturesOnly>
[[gnu::always_inline]] inline TMoveEntry* TChessEngine::GenerateSliderMoves(TMoveEntry* out, int s)
{
    const Mask occupied = Occupancy[White] | Occupancy[Black];
    if constexpr (capturesOnly) {
        const Mask lines = piece == Bishop ? DiagonalLines[s]
            : piece == Rook                ? StraightLines[s]
                                           : DiagonalLines[s] | StraightLines[s];
        if ((lines & Occupancy[Opponent]) == 0)
            return out;
    }
    [&]<std::size_t... d>(std::index_sequence<d...>)
    {
        ((out = GenerateAlongLine<PieceLines[piece][d], capturesOnly>(out, s, occupied)), ...);
    }
    (std::make_index_sequence<DirectionCount[piece]>{});
    return out;
}

template <int line, bool capturesOnly>
[[gnu::always_inline]] inline TMoveEntry* TChessEngine::GenerateAlongLine(TMoveEntry* out, int s, Mask occupied)
{
    const Mask ray = Rays[s][line];
    if (capturesOnly && (ray & Occupancy[Opponent]) == 0)
        return out;
    const Mask blockers = ray & occupied;
    int nearest = -1;
    Mask reach = ray;
    if (blockers != 0) {
        nearest = NearestOnLine(line, blockers);
        reach &= ~Rays[nearest][line];
    }
    if constexpr (!capturesOnly) {
        for (Mask empty = reach & ~occupied; empty != 0;) {
            const int n = NearestOnLine(line, empty);
            out = AddMove(out, s, n, QuietMove);
            empty &= ~Bit(n);
        }
    }
    if (nearest != -1 && SquareColour[nearest] == Opponent)
        out = AddMove(out, s, nearest, PieceCapture);
    return out;
}

// Castling needs only the right here; DoMove tests the rest.
TMoveEntry* TChessEngine::AddCastlings(TMoveEntry* out)
{
    if (Chess960_) {
        // The king from wherever it stands to g or c.
        const int first = SideToMove == White ? 0 : 2;
        const std::uint64_t kings = PieceMask[SideToMove][King];
        if ((CastleRights & (3 << first)) == 0 || kings == 0)
            return out;
        const int king = std::countr_zero(kings);
        const int row = SideToMove == White ? 56 : 0;
        if (CastleRights & (1 << first))
            out = AddMove(out, king, row + 6, CastleMove);
        if (CastleRights & (2 << first))
            out = AddMove(out, king, row + 2, CastleMove);
        return out;
    }
    if (SideToMove == White) {
        if (CastleRights & 1)
            out = AddMove(out, 60, 62, CastleMove);
        if (CastleRights & 2)
            out = AddMove(out, 60, 58, CastleMove);
    } else {
        if (CastleRights & 4)
            out = AddMove(out, 4, 6, CastleMove);
        if (CastleRights & 8)
            out = AddMove(out, 4, 2, CastleMove);
    }
    return out;
}

TMoveEntry* TChessEngine::GenerateEnPassant(TMoveEntry* out)
{
    const int e = EnPassantSquare;
    if (e == -1)
        return out;
    if (SideToMove == White) {
        if (FileIndex(e) != 0 && SquareColour[e + 7] == White && SquarePiece[e + 7] == Pawn)
            out = AddMove(out, e + 7, e, EnPassantCapture);
        if (FileIndex(e) != 7 && SquareColour[e + 9] == White && SquarePiece[e + 9] == Pawn)
            out = AddMove(out, e + 9, e, EnPassantCapture);
    } else {
        if (FileIndex(e) != 0 && SquareColour[e - 9] == Black && SquarePiece[e - 9] == Pawn)
            out = AddMove(out, e - 9, e, EnPassantCapture);
        if (FileIndex(e) != 7 && SquareColour[e - 7] == Black && SquarePiece[e - 7] == Pawn)
            out = AddMove(out, e - 7, e, EnPassantCapture);
    }
    return out;
}

void TChessEngine::GenerateMoves()
{
    MoveListFull = false;
    TMoveEntry* out = MoveList.data() + PlyStart[Ply];
    // The pieces in square order, a8 first.
    for (std::uint64_t pieces = Occupancy[SideToMove]; pieces != 0; pieces &= pieces - 1)
        out = GeneratePieceMoves<false>(out, std::countr_zero(pieces));
    out = AddCastlings(out);
    out = GenerateEnPassant(out);
    PlyEnd[Ply] = static_cast<std::int32_t>(out - MoveList.data());
    if (Ply + 1 < MaxPly)
        PlyStart[Ply + 1] = PlyEnd[Ply];
}

void TChessEngine::GenerateCaptures()
{
    MoveListFull = false;
    TMoveEntry* out = MoveList.data() + PlyStart[Ply];
    for (std::uint64_t pieces = Occupancy[SideToMove]; pieces != 0; pieces &= pieces - 1)
        out = GeneratePieceMoves<true>(out, std::countr_zero(pieces));
    out = GenerateEnPassant(out);
    PlyEnd[Ply] = static_cast<std::int32_t>(out - MoveList.data());
    if (Ply + 1 < MaxPly)
        PlyStart[Ply + 1] = PlyEnd[Ply];
}

bool TChessEngine::GenerateCheckAnswers()
{
    MoveListFull = false;
    TMoveEntry* out = MoveList.data() + PlyStart[Ply];
    PlyEnd[Ply] = PlyStart[Ply];
    if (!SideToMoveInCheck() || EvasionTargets[Ply] == ~Mask{0})
        return false;
    const Mask own = Occupancy[SideToMove];
    const std::array<Mask, 6>& ours = PieceMask[SideToMove];
    const int king = std::countr_zero(ours[King]);
    for (Mask steps = KingTargets[king] & ~own; steps != 0; steps &= steps - 1) {
        const int n = std::countr_zero(steps);
        out = AddMove(out, king, n, SquareColour[n] == Opponent ? PieceCapture : QuietMove);
    }
    out = AddCastlings(out);

    // The other pieces that reach a square of the evasion set: the checker's
    // square, or one between it and the king.
    const Mask occupied = own | Occupancy[Opponent];
    const int ahead = SideToMove == White ? -8 : 8;
    for (Mask targets = EvasionTargets[Ply]; targets != 0; targets &= targets - 1) {
        const int t = std::countr_zero(targets);
        const bool taking = SquareColour[t] == Opponent;
        if (taking) {
            // PawnAttackers[colour][t] holds the squares from which a pawn
            // of that colour attacks t.
            for (Mask pawns = PawnAttackers[SideToMove][t] & ours[Pawn]; pawns != 0; pawns &= pawns - 1)
                out = AddMove(out, std::countr_zero(pawns), t, PawnCapture);
        } else {
            const int from = t - ahead;
            if (from >= 0 && from < 64 && (ours[Pawn] & Bit(from))) {
                out = AddMove(out, from, t, PawnStep);
            } else if (from >= 0 && from < 64 && SquareColour[from] == EmptyCode) {
                const int start = from - ahead;
                // From the first two ranks, as the generator allows on a
                // board set up by hand.
                const bool doubleStep = SideToMove == White ? start >= 48 && start < 64 : start >= 0 && start <= 15;
                if (doubleStep && (ours[Pawn] & Bit(start)))
                    out = AddMove(out, start, t, PawnDoubleStep);
            }
        }
        const int flags = taking ? PieceCapture : QuietMove;
        for (Mask knights = KnightTargets[t] & ours[Knight]; knights != 0; knights &= knights - 1)
            out = AddMove(out, std::countr_zero(knights), t, flags);
        const Mask diagonal = (ours[Bishop] | ours[Queen]) & DiagonalLines[t];
        const Mask straight = (ours[Rook] | ours[Queen]) & StraightLines[t];
        if ((diagonal | straight) == 0)
            continue;
        for (int line = 0; line < 8; ++line) {
            const Mask sliders = Diagonal(LineOffsets[line]) ? diagonal : straight;
            const Mask blockers = Rays[t][line] & occupied;
            if ((Rays[t][line] & sliders) == 0 || blockers == 0)
                continue;
            const int nearest = NearestOnLine(line, blockers);
            if (sliders & Bit(nearest))
                out = AddMove(out, nearest, t, flags);
        }
    }
    out = GenerateEnPassant(out);
    PlyEnd[Ply] = static_cast<std::int32_t>(out - MoveList.data());
    if (Ply + 1 < MaxPly)
        PlyStart[Ply + 1] = PlyEnd[Ply];
    return true;
}
