// Attack and check tests of the engine position. A square is attacked when
// a piece of the colour could move (or, for a pawn, capture) onto it. The
// test looks out from the square itself with the piece sets: every piece
// movement is symmetric, so finding an attacker from the target gives the
// same answer as trying every piece of the colour, at a fraction of the work.
#include "engine/ChessEngine.h"
#include "engine/SquareSets.h"

#include <bit>

using namespace engine;

using namespace SquareSets;

// The first occupied square along a line decides whether a slider on that
// line attacks the target. Lines whose offset is negative run towards bit
// 0, so their nearest square is the highest set bit.
bool TChessEngine::SliderOnLine(int target, Mask sliders, bool diagonal, Mask occupied) const
{
    for (int d = 0; d < 8; ++d) {
        if (Diagonal(LineOffsets[d]) != diagonal || (Rays[target][d] & sliders) == 0)
            continue;
        const Mask blockers = Rays[target][d] & occupied;
        const int nearest = NearestOnLine(d, blockers);
        if (sliders & Bit(nearest))
            return true;
    }
    return false;
}

bool TChessEngine::SquareAttacked(int target, int byColour) const
{
    return AttackedBy(target, PieceMask[byColour], byColour, Occupancy[White] | Occupancy[Black], 0);
}

// Whether any of the pieces (the masks of byColour, less the squares in
// removed) attacks the target, with the board occupied as given.
bool TChessEngine::AttackedBy(int target, const std::array<Mask, 6>& pieces, int byColour, Mask occupied,
                              Mask removed) const
{
    const Mask kept = ~removed;
    if ((PawnAttackers[byColour][target] & pieces[Pawn] & kept) || (KnightTargets[target] & pieces[Knight] & kept) ||
        (KingTargets[target] & pieces[King] & kept))
        return true;
    const Mask diagonalSliders = (pieces[Bishop] | pieces[Queen]) & kept & DiagonalLines[target];
    if (diagonalSliders && SliderOnLine(target, diagonalSliders, true, occupied))
        return true;
    const Mask straightSliders = (pieces[Rook] | pieces[Queen]) & kept & StraightLines[target];
    return straightSliders && SliderOnLine(target, straightSliders, false, occupied);
}

// Whether the side to move's king would stand attacked after the move,
// worked out on the piece sets without making it: the same answer as
// making the move and asking IsInCheck. Not for castling.
bool TChessEngine::MoveLeavesKingAttacked(int from, int to, int flags) const
{
    const Mask fromBit = Bit(from);
    const Mask toBit = Bit(to);
    Mask occupied = ((Occupancy[White] | Occupancy[Black]) & ~fromBit) | toBit;
    Mask taken = toBit;
    if (flags & FlagEnPassant) {
        const Mask passed = Bit(SideToMove == White ? to + 8 : to - 8);
        occupied &= ~passed;
        taken |= passed;
    }
    Mask kings = PieceMask[SideToMove][King];
    if (kings & fromBit)
        kings = (kings & ~fromBit) | toBit;
    if (kings == 0)
        return false;
    const int king = std::countr_zero(kings);
    // A king known to stand unattacked, that stays where it is, can only be
    // uncovered along the line from it through the square left (en passant
    // empties a second square, so it gets the whole test).
    if (SideInCheck[Ply] == 0 && taken == toBit && (kings & toBit) == 0) {
        const int line = LineTowards[king][from];
        if (line < 0)
            return false;
        const Mask blockers = Rays[king][line] & occupied;
        if (blockers == 0)
            return false;
        const int nearest = NearestOnLine(line, blockers);
        const std::array<Mask, 6>& theirs = PieceMask[Opponent];
        const Mask sliders =
            Diagonal(LineOffsets[line]) ? theirs[Bishop] | theirs[Queen] : theirs[Rook] | theirs[Queen];
        // A slider taken on the target square attacks nothing.
        return (sliders & ~toBit & Bit(nearest)) != 0;
    }
    return AttackedBy(king, PieceMask[Opponent], Opponent, occupied, taken);
}

// The king checked is the first of that colour from a8 onwards (a position
// set up by hand may hold more than one); without a king there is no check.
bool TChessEngine::IsInCheck(int colour) const
{
    const Mask kings = PieceMask[colour][King];
    if (kings == 0)
        return false;
    return SquareAttacked(std::countr_zero(kings), colour ^ 1);
}

// The squares where a piece other than the king can answer a check: the one
// checker's square and the squares between it and the king; none when two
// pieces give check. With no king, or more than one, every square is kept,
// so that the full test decides.
Mask TChessEngine::CheckEvasionTargets() const
{
    const Mask kings = PieceMask[SideToMove][King];
    if (kings == 0 || (kings & (kings - 1)) != 0)
        return ~Mask{0};
    const int king = std::countr_zero(kings);
    const std::array<Mask, 6>& theirs = PieceMask[Opponent];
    Mask checkers = (PawnAttackers[Opponent][king] & theirs[Pawn]) | (KnightTargets[king] & theirs[Knight]) |
        (KingTargets[king] & theirs[King]);
    Mask targets = checkers;
    const Mask occupied = Occupancy[White] | Occupancy[Black];
    const Mask diagonalSliders = (theirs[Bishop] | theirs[Queen]) & DiagonalLines[king];
    const Mask straightSliders = (theirs[Rook] | theirs[Queen]) & StraightLines[king];
    for (int d = 0; d < 8; ++d) {
        const Mask sliders = Diagonal(LineOffsets[d]) ? diagonalSliders : straightSliders;
        const Mask blockers = Rays[king][d] & occupied;
        if ((Rays[king][d] & sliders) == 0 || blockers == 0)
            continue;
        const int nearest = NearestOnLine(d, blockers);
        if (sliders & Bit(nearest)) {
            checkers |= Bit(nearest);
            targets |= Rays[king][d] & ~Rays[nearest][d];
        }
    }
    return (checkers & (checkers - 1)) != 0 ? 0 : targets;
}
