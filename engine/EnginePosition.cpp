// The engine position: loading it from the linked board state, writing it
// back, and making and taking back moves inside the search.
#include "engine/BoardState.h"
#include "engine/ChessEngine.h"
#include "engine/EngineTables.h"

using EngineTables::CastleKeep;

namespace {

constexpr int CastleWhiteKingSide = 1;
constexpr int CastleWhiteQueenSide = 2;
constexpr int CastleBlackKingSide = 4;
constexpr int CastleBlackQueenSide = 8;

// Colour code of a board character: "B".."R" White, "b".."r" Black.
int ColourOfLetter(char c)
{
    if (c >= 'B' && c <= 'R')
        return White;
    if (c >= 'b' && c <= 'r')
        return Black;
    return EmptyCode;
}

int PieceOfLetter(char c)
{
    switch (c) {
    case 'p': case 'P': return Pawn;
    case 'n': case 'N': return Knight;
    case 'b': case 'B': return Bishop;
    case 'r': case 'R': return Rook;
    case 'q': case 'Q': return Queen;
    case 'k': case 'K': return King;
    default: return EmptyCode;
    }
}

char LetterOf(int colour, int piece)
{
    static constexpr char Letters[] = "pnbrqk";
    if (piece < Pawn || piece > King || (colour != White && colour != Black))
        return ' ';
    const char c = Letters[piece];
    return colour == White ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

void TChessEngine::LinkTo(const TBoardState& state)
{
    BoardRef = &state.Board;
    WhiteToMoveRef = &state.WhiteToMove;
    CastlingAllowedRef = &state.CastlingAllowed;
    EnPassantRef = &state.EnPassant;
}

void TChessEngine::LoadPosition()
{
    for (int s = 0; s < 64; ++s) {
        const char c = BoardRef ? (*BoardRef)[s + 1] : ' ';
        const int colour = ColourOfLetter(c);
        const int piece = PieceOfLetter(c);
        // A character that is not a piece letter leaves the square empty.
        const bool empty = colour == EmptyCode || piece == EmptyCode;
        SquareColour[s] = empty ? EmptyCode : colour;
        SquarePiece[s] = empty ? EmptyCode : piece;
    }
    RebuildPieceSets();
    SideToMove = (WhiteToMoveRef && *WhiteToMoveRef) ? White : Black;
    Opponent = SideToMove ^ 1;
    CastleRights = CastlingAllowedRef ? CastlingAllowedRef->Bits() : 0;
    EnPassantSquare = EnPassantRef ? Ord(*EnPassantRef) - 1 : -1;
    KeepSoundCastleRights();
    KeepSoundEnPassant();
    Ply = 0;
    PlyStart[0] = 0;
    MoveListFull = false;
}

// A board position set directly can hold castling rights whose king or rook
// has left home; castling on them would conjure a rook. Keep a right only
// while its king and rook stand on their home squares.
void TChessEngine::KeepSoundCastleRights()
{
    auto holds = [this](int s, int colour, int piece) {
        return SquareColour[s] == colour && SquarePiece[s] == piece;
    };
    if (!holds(60, White, King) || !holds(63, White, Rook))
        CastleRights &= ~CastleWhiteKingSide;
    if (!holds(60, White, King) || !holds(56, White, Rook))
        CastleRights &= ~CastleWhiteQueenSide;
    if (!holds(4, Black, King) || !holds(7, Black, Rook))
        CastleRights &= ~CastleBlackKingSide;
    if (!holds(4, Black, King) || !holds(0, Black, Rook))
        CastleRights &= ~CastleBlackQueenSide;
}

// Likewise an en passant square is kept only where the opponent's pawn has
// just passed it: on the sixth rank (seen from the side to move), empty, with
// that pawn right beyond it. Otherwise capturing there would erase a piece.
void TChessEngine::KeepSoundEnPassant()
{
    const int e = EnPassantSquare;
    if (e < 0 || e > 63) {
        EnPassantSquare = -1;
        return;
    }
    const int passedRow = SideToMove == White ? 2 : 5;
    const int pawnSquare = SideToMove == White ? e + 8 : e - 8;
    const bool sound = RowIndex(e) == passedRow && SquarePiece[e] == EmptyCode &&
                       SquareColour[pawnSquare] == Opponent && SquarePiece[pawnSquare] == Pawn;
    if (!sound)
        EnPassantSquare = -1;
}

void TChessEngine::StorePosition(TBoardState& state) const
{
    state.Clear();
    for (int s = 0; s < 64; ++s)
        state.Board[s + 1] = LetterOf(SquareColour[s], SquarePiece[s]);
    state.WhiteToMove = SideToMove == White;
    state.CastlingAllowed = CastleSet(static_cast<std::uint8_t>(CastleRights));
    state.EnPassant = EnPassantSquare >= 0 ? SquareFromOrd(EnPassantSquare + 1) : Square::None;
}

void TChessEngine::RebuildPieceSets()
{
    Occupancy = {};
    PieceMask = {};
    PieceSquareSum = {};
    for (int s = 0; s < 64; ++s) {
        if (SquareColour[s] != EmptyCode)
            AddToSets(s);
    }
}

void TChessEngine::SwapSides()
{
    SideToMove ^= 1;
    Opponent ^= 1;
}

// The squares a castling king crosses must be empty, and those it passes or
// lands on not attacked; the king must not be in check.
bool TChessEngine::CastlingAllowedNow(int to) const
{
    if (IsInCheck(SideToMove))
        return false;
    auto empty = [this](int s) { return SquarePiece[s] == EmptyCode; };
    auto safe = [this](int s) { return !SquareAttacked(s, Opponent); };
    switch (to) {
    case 62: return empty(61) && empty(62) && safe(61) && safe(62);
    case 58: return empty(57) && empty(58) && empty(59) && safe(58) && safe(59);
    case 6: return empty(5) && empty(6) && safe(5) && safe(6);
    case 2: return empty(1) && empty(2) && empty(3) && safe(2) && safe(3);
    default: return false;
    }
}

bool TChessEngine::DoMove(TEngineMove move)
{
    const int from = move.From;
    const int to = move.To;
    const int flags = move.Flags;

    if ((flags & FlagCastle) && !CastlingAllowedNow(to))
        return false;

    UndoStack[Ply] = {move, SquarePiece[to], CastleRights, EnPassantSquare};
    ++Ply;

    if (flags & FlagCastle) {
        switch (to) {
        case 62: PutPiece(61, White, Rook); ClearSquare(63); break;
        case 58: PutPiece(59, White, Rook); ClearSquare(56); break;
        case 6: PutPiece(5, Black, Rook); ClearSquare(7); break;
        case 2: PutPiece(3, Black, Rook); ClearSquare(0); break;
        default: break;
        }
    }

    CastleRights &= CastleKeep[from] & CastleKeep[to];
    if (flags & FlagDoubleStep)
        EnPassantSquare = SideToMove == White ? to + 8 : to - 8;
    else
        EnPassantSquare = -1;

    PutPiece(to, SideToMove, (flags & FlagPromotion) ? move.Promote : SquarePiece[from]);
    ClearSquare(from);

    if (flags & FlagEnPassant)
        ClearSquare(SideToMove == White ? to + 8 : to - 8);

    SwapSides();
    if (IsInCheck(Opponent)) {
        UndoMove();
        return false;
    }
    return true;
}

void TChessEngine::UndoMove()
{
    SwapSides();
    --Ply;
    const TUndoRecord& undo = UndoStack[Ply];
    CastleRights = undo.CastleRights;
    EnPassantSquare = undo.EnPassantSquare;

    const int from = undo.Move.From;
    const int to = undo.Move.To;
    const int flags = undo.Move.Flags;

    PutPiece(from, SideToMove, (flags & FlagPromotion) ? Pawn : SquarePiece[to]);
    if (undo.Captured == EmptyCode)
        ClearSquare(to);
    else
        PutPiece(to, Opponent, undo.Captured);

    if (flags & FlagCastle) {
        switch (to) {
        case 62: PutPiece(63, White, Rook); ClearSquare(61); break;
        case 58: PutPiece(56, White, Rook); ClearSquare(59); break;
        case 6: PutPiece(7, Black, Rook); ClearSquare(5); break;
        case 2: PutPiece(0, Black, Rook); ClearSquare(3); break;
        default: break;
        }
    }

    if (flags & FlagEnPassant)
        PutPiece(SideToMove == White ? to + 8 : to - 8, Opponent, Pawn);
}
