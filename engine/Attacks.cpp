// Attack and check tests of the engine position. A square is attacked when
// a piece of the colour could move (or, for a pawn, capture) onto it. The
// test looks out from the square itself: every piece movement is symmetric,
// so finding the attacker from the target gives the same answer as trying
// every piece of the colour, at a fraction of the work.
#include "engine/ChessEngine.h"
#include "engine/EngineTables.h"

#include <bit>

using namespace EngineTables;

namespace {

constexpr int KnightOffsets[8] = {-21, -19, -12, -8, 8, 12, 19, 21};
constexpr int KingOffsets[8] = {-11, -10, -9, -1, 1, 9, 10, 11};
constexpr int DiagonalOffsets[4] = {-11, -9, 9, 11};
constexpr int StraightOffsets[4] = {-10, -1, 1, 10};

} // namespace

bool TChessEngine::SquareAttacked(int target, int byColour) const
{
    auto holds = [this, byColour](int s, int piece) {
        return SquareColour[s] == byColour && SquarePiece[s] == piece;
    };

    // A White pawn on s attacks s - 9 (not from file a) and s - 7 (not from
    // file h); a Black pawn s + 7 (not from file a) and s + 9 (not from h).
    if (byColour == White) {
        if (target + 9 <= 63 && FileIndex(target + 9) != 0 && holds(target + 9, Pawn))
            return true;
        if (target + 7 <= 63 && FileIndex(target + 7) != 7 && holds(target + 7, Pawn))
            return true;
    } else {
        if (target - 7 >= 0 && FileIndex(target - 7) != 0 && holds(target - 7, Pawn))
            return true;
        if (target - 9 >= 0 && FileIndex(target - 9) != 7 && holds(target - 9, Pawn))
            return true;
    }

    const int frame = Square120[target];
    for (int offset : KnightOffsets) {
        const int n = Mailbox120[frame + offset];
        if (n != -1 && holds(n, Knight))
            return true;
    }
    for (int offset : KingOffsets) {
        const int n = Mailbox120[frame + offset];
        if (n != -1 && holds(n, King))
            return true;
    }

    // Sliders: the first piece along each line decides.
    auto slidingAttack = [&](const int (&offsets)[4], int slider) {
        for (int offset : offsets) {
            int n = Mailbox120[frame + offset];
            while (n != -1 && SquareColour[n] == EmptyCode)
                n = Mailbox120[Square120[n] + offset];
            if (n != -1 && SquareColour[n] == byColour && (SquarePiece[n] == slider || SquarePiece[n] == Queen))
                return true;
        }
        return false;
    };
    return slidingAttack(DiagonalOffsets, Bishop) || slidingAttack(StraightOffsets, Rook);
}

// The king checked is the first of that colour from a8 onwards (a position
// set up by hand may hold more than one); without a king there is no check.
bool TChessEngine::IsInCheck(int colour) const
{
    const std::uint64_t kings = KingMask[colour];
    if (kings == 0)
        return false;
    return SquareAttacked(std::countr_zero(kings), colour ^ 1);
}
