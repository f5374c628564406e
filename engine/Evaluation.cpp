// The static evaluation: material and square tables folded together once per
// search from the root position, then a pawn-structure and rook-file
// correction at every scored node.
#include "engine/ChessEngine.h"
#include "engine/EngineTables.h"
#include "engine/EvalTables.h"

#include <algorithm>
#include <bit>

using namespace engine;

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
        auto base = [colour](const Table& table, int s) { return table[colour == White ? s : MirrorSquare(s)]; };
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
    // The running sums and the pawn results follow the new tables.
    RebuildPieceSets();
    for (TPawnCacheEntry& entry : PawnCache)
        entry.Valid = false;
}

int TChessEngine::Evaluate() const
{
    // Material and squares are summed as pieces move (PieceSquareSum), and
    // the pawns per file counted (PawnsOnFile); what is left are the pawn
    // and rook terms.
    int score[2] = {PieceSquareSum[White], PieceSquareSum[Black]};
    const std::array<std::int32_t, 2> pawnTerms = PawnStructure();
    score[White] += pawnTerms[White];
    score[Black] += pawnTerms[Black];
    for (int colour = White; colour <= Black; ++colour) {
        const auto& own = PawnsOnFile[colour];
        const auto& theirs = PawnsOnFile[colour ^ 1];
        for (std::uint64_t rooks = PieceMask[colour][Rook]; rooks != 0; rooks &= rooks - 1) {
            const int f = FileIndex(std::countr_zero(rooks)) + 1;
            if (own[f] == 0) {
                score[colour] += RookOnHalfOpenFileBonus;
                if (theirs[f] == 0)
                    score[colour] += RookOnOpenFileExtra;
            }
        }
    }

    // A static score stays inside the root's window and below every mate
    // score, however lopsided the material: otherwise no move could raise
    // the root's lower bound and the search would choose none.
    constexpr int EvaluationBound = MateScore - MaxPly - 1;
    return std::clamp(score[SideToMove] - score[Opponent], -EvaluationBound, EvaluationBound);
}

// The doubled, isolated and passed pawn terms of each colour. They depend
// only on where the pawns stand (and on the tables, fixed for a search), so
// the last results are kept by pawn placement; most nodes of a search share
// their pawns with many others.
std::array<std::int32_t, 2> TChessEngine::PawnStructure() const
{
    const std::uint64_t whitePawns = PieceMask[White][Pawn];
    const std::uint64_t blackPawns = PieceMask[Black][Pawn];
    const std::uint64_t key = whitePawns * 0x9E3779B97F4A7C15ull ^ blackPawns * 0xC2B2AE3D27D4EB4Full;
    TPawnCacheEntry& entry = PawnCache[key >> (64 - PawnCacheBits)];
    if (entry.Valid && entry.WhitePawns == whitePawns && entry.BlackPawns == blackPawns)
        return entry.Score;

    std::array<std::int32_t, 2> score{};
    for (int colour = White; colour <= Black; ++colour) {
        const auto& own = PawnsOnFile[colour];
        const auto& theirs = PawnsOnFile[colour ^ 1];
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
    }
    entry = {whitePawns, blackPawns, score, true};
    return score;
}
