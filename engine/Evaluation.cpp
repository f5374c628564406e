// The static evaluation: material and square tables folded together once per
// search from the root position, then a pawn-structure and rook-file
// correction at every scored node.
#include "engine/ChessEngine.h"
#include "engine/EngineTables.h"
#include "engine/EvalTables.h"
#include "engine/SquareSets.h"

#include <bit>

using namespace EvalTables;
using EngineTables::MirrorSquare;

namespace {

constexpr int DoubledPawnPenalty = 5;
constexpr int IsolatedPawnPenalty = 20;
constexpr int IsolatedOnOpenFilePenalty = 10;
constexpr int RookOnHalfOpenFileBonus = 10;
constexpr int RookOnOpenFileExtra = 5;

} // namespace

void TChessEngine::PrepareEvalTables()
{
    for (auto& colourTables : PieceSquare)
        for (auto& table : colourTables)
            table.fill(0);

    for (int colour = White; colour <= Black; ++colour) {
        auto base = [colour](const Table& table, int s) {
            return table[colour == White ? s : MirrorSquare(s)];
        };
        auto& own = PieceSquare[colour];
        for (int s = 0; s < 64; ++s) {
            own[Pawn][s] = base(PawnTable, s) + MaterialValue[Pawn];
            own[Knight][s] = base(MinorPieceTable, s) + MaterialValue[Knight];
            own[Bishop][s] = base(MinorPieceTable, s) + MaterialValue[Bishop];
            own[Rook][s] = MaterialValue[Rook];
            own[Queen][s] = MaterialValue[Queen];
        }

        // The game phase, seen by this colour's king: the opponent's pieces
        // other than pawns and king, on the board at the root.
        const int enemy = colour ^ 1;
        int enemyMaterial = 0;
        int kingSquare = -1;
        for (int s = 0; s < 64; ++s) {
            if (SquareColour[s] == enemy && SquarePiece[s] >= Knight && SquarePiece[s] <= Queen)
                enemyMaterial += MaterialValue[SquarePiece[s]];
            if (kingSquare == -1 && SquareColour[s] == colour && SquarePiece[s] == King)
                kingSquare = s;
        }

        if (enemyMaterial > MiddleGameMaterial) {
            for (int s = 0; s < 64; ++s)
                own[King][s] = base(KingMiddleGameTable, s);
            // The pawns in front of a castled king are worth more.
            const Table* shield = nullptr;
            if (kingSquare != -1 && FileIndex(kingSquare) >= 5)
                shield = &KingSideShieldTable;
            else if (kingSquare != -1 && FileIndex(kingSquare) <= 2)
                shield = &QueenSideShieldTable;
            if (shield) {
                for (int s = 0; s < 64; ++s)
                    own[Pawn][s] += base(*shield, s);
            }
        } else {
            for (int s = 0; s < 64; ++s)
                own[King][s] = base(KingEndgameTable, s);
        }
    }
    // The running sums follow the new tables.
    RebuildPieceSets();
}

int TChessEngine::Evaluate() const
{
    // Material and squares are summed as pieces move (PieceSquareSum); what
    // is left are the pawn and rook terms. Pawns per file, file a at index
    // 1; indexes 0 and 9 stay 0 so that the edge files need no special case.
    int pawnsOnFile[2][10] = {};
    for (int colour = White; colour <= Black; ++colour) {
        for (int file = 0; file < 8; ++file)
            pawnsOnFile[colour][file + 1] = std::popcount(PieceMask[colour][Pawn] & SquareSets::Files[file]);
    }

    int score[2] = {PieceSquareSum[White], PieceSquareSum[Black]};
    for (int colour = White; colour <= Black; ++colour) {
        const int other = colour ^ 1;
        const int* own = pawnsOnFile[colour];
        const int* theirs = pawnsOnFile[other];
        for (std::uint64_t pawns = PieceMask[colour][Pawn]; pawns != 0; pawns &= pawns - 1) {
            const int s = std::countr_zero(pawns);
            const int f = FileIndex(s) + 1;
            if (own[f] > 1)
                score[colour] -= DoubledPawnPenalty;
            if (own[f - 1] == 0 && own[f + 1] == 0) {
                score[colour] -= IsolatedPawnPenalty;
                if (theirs[f] == 0)
                    score[colour] -= IsolatedOnOpenFilePenalty;
            }
            if (theirs[f - 1] == 0 && theirs[f] == 0 && theirs[f + 1] == 0)
                score[colour] += 2 * PieceSquare[colour][Pawn][s];
        }
        for (std::uint64_t rooks = PieceMask[colour][Rook]; rooks != 0; rooks &= rooks - 1) {
            const int f = FileIndex(std::countr_zero(rooks)) + 1;
            if (own[f] == 0) {
                score[colour] += RookOnHalfOpenFileBonus;
                if (theirs[f] == 0)
                    score[colour] += RookOnOpenFileExtra;
            }
        }
    }

    return score[SideToMove] - score[Opponent];
}
