// Attack and check tests of the engine position.
#include "engine/ChessEngine.h"
#include "engine/EngineTables.h"

using namespace EngineTables;

bool TChessEngine::SquareAttacked(int target, int byColour) const
{
    for (int s = 0; s < 64; ++s) {
        if (SquareColour[s] != byColour)
            continue;
        const int piece = SquarePiece[s];
        if (piece == Pawn) {
            if (byColour == White) {
                if (FileIndex(s) != 0 && s - 9 == target)
                    return true;
                if (FileIndex(s) != 7 && s - 7 == target)
                    return true;
            } else {
                if (FileIndex(s) != 0 && s + 7 == target)
                    return true;
                if (FileIndex(s) != 7 && s + 9 == target)
                    return true;
            }
            continue;
        }
        for (int d = 0; d < DirectionCount[piece]; ++d) {
            int n = s;
            for (;;) {
                n = Mailbox120[Square120[n] + Directions[piece][d]];
                if (n == -1)
                    break;
                if (n == target)
                    return true;
                if (SquarePiece[n] != EmptyCode || !Slides[piece])
                    break;
            }
        }
    }
    return false;
}

bool TChessEngine::IsInCheck(int colour) const
{
    for (int s = 0; s < 64; ++s) {
        if (SquareColour[s] == colour && SquarePiece[s] == King)
            return SquareAttacked(s, colour ^ 1);
    }
    return false;
}
