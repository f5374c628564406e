// Attack and check tests of the engine position. A square is attacked when
// a piece of the colour could move (or, for a pawn, capture) onto it. The
// test looks out from the square itself with the piece sets: every piece
// movement is symmetric, so finding an attacker from the target gives the
// same answer as trying every piece of the colour, at a fraction of the work.
#include "engine/ChessEngine.h"
#include "engine/SquareSets.h"

using namespace SquareSets;

// The first occupied square along a line decides whether a slider on that
// line attacks the target. Lines whose offset is negative run towards bit
// 0, so their nearest square is the highest set bit.
bool TChessEngine::SliderOnLine(int target, Mask sliders, bool diagonal) const
{
    const Mask occupied = Occupancy[White] | Occupancy[Black];
    for (int d = 0; d < 8; ++d) {
        if (Diagonal(LineOffsets[d]) != diagonal || (Rays[target][d] & sliders) == 0)
            continue;
        const Mask blockers = Rays[target][d] & occupied;
        const int nearest = LineOffsets[d] < 0 ? 63 - std::countl_zero(blockers) : std::countr_zero(blockers);
        if (sliders & Bit(nearest))
            return true;
    }
    return false;
}

bool TChessEngine::SquareAttacked(int target, int byColour) const
{
    const auto& pieces = PieceMask[byColour];
    if ((PawnAttackers[byColour][target] & pieces[Pawn]) || (KnightTargets[target] & pieces[Knight]) ||
        (KingTargets[target] & pieces[King]))
        return true;
    const Mask diagonalSliders = (pieces[Bishop] | pieces[Queen]) & DiagonalLines[target];
    if (diagonalSliders && SliderOnLine(target, diagonalSliders, true))
        return true;
    const Mask straightSliders = (pieces[Rook] | pieces[Queen]) & StraightLines[target];
    return straightSliders && SliderOnLine(target, straightSliders, false);
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
