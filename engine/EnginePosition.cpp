// The engine position: loading it from the linked board state, writing it
// back, and making and taking back moves inside the search.
#include "core/GameState.h"
#include "engine/ChessEngine.h"
#include "engine/EngineTables.h"
#include "engine/SquareSets.h"

#include <bit>

using namespace engine;

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
    case 'p':
    case 'P': return Pawn;
    case 'n':
    case 'N': return Knight;
    case 'b':
    case 'B': return Bishop;
    case 'r':
    case 'R': return Rook;
    case 'q':
    case 'Q': return Queen;
    case 'k':
    case 'K': return King;
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

void TChessEngine::LinkTo(const GameState& state)
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
    SideInCheck[0] = -1;
}

// A board position set directly can hold castling rights whose king or rook
// has left home; castling on them would conjure a rook. Keep a right only
// while its king and rook stand on their home squares.
void TChessEngine::KeepSoundCastleRights()
{
    auto holds = [this](int s, int colour, int piece) { return SquareColour[s] == colour && SquarePiece[s] == piece; };
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

void TChessEngine::StorePosition(GameState& state) const
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
    PawnsOnFile = {};
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
bool TChessEngine::SideToMoveInCheck()
{
    if (SideInCheck[Ply] < 0) {
        SideInCheck[Ply] = IsInCheck(SideToMove) ? 1 : 0;
        if (SideInCheck[Ply])
            EvasionTargets[Ply] = CheckEvasionTargets();
    }
    return SideInCheck[Ply] != 0;
}

// A move can leave its own king attacked only if the king was attacked
// already, or the king itself moves, or a square on one of the king's lines
// is vacated (the moving piece's, or the pawn taken en passant). Other moves
// need no test after they are made.
bool TChessEngine::MoveNeedsCheckTest(int from, int flags)
{
    const std::uint64_t kings = PieceMask[SideToMove][King];
    if (kings == 0)
        return false; // without a king there is no check
    if ((flags & (FlagCastle | FlagEnPassant)) || SquarePiece[from] == King)
        return true;
    const int king = std::countr_zero(kings);
    return ((SquareSets::DiagonalLines[king] | SquareSets::StraightLines[king]) & SquareSets::Bit(from)) != 0 ||
        SideToMoveInCheck();
}

bool TChessEngine::CastlingAllowedNow(int to)
{
    if (SideToMoveInCheck())
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

// Everything DoMove checks before it changes the position: true when the
// move is refused. testCheck tells whether a castling must be tested once
// made.
[[gnu::always_inline]] inline bool TChessEngine::RefusedBeforeMaking(TEngineMove move, bool& testCheck)
{
    const int from = move.From;
    const int to = move.To;
    const int flags = move.Flags;

    // Only a piece of the side to move can move, and not onto its own men.
    if (from > 63 || to > 63 || SquareColour[from] != SideToMove || SquareColour[to] == SideToMove)
        return true;
    if (CannotAnswerCheck(move))
        return true;
    if ((flags & FlagCastle) && !CastlingAllowedNow(to))
        return true;
    // Castlings are tested once made; other moves are tested beforehand on
    // the piece sets, so that a refused move changes nothing at all.
    testCheck = MoveNeedsCheckTest(from, flags);
    return testCheck && !(flags & FlagCastle) && MoveLeavesKingAttacked(from, to, flags);
}

bool TChessEngine::MoveIsLegal(TEngineMove move)
{
    if (move.Flags & FlagCastle) {
        if (!DoMove(move))
            return false;
        UndoMove();
        return true;
    }
    bool testCheck = false;
    return !RefusedBeforeMaking(move, testCheck);
}

[[gnu::flatten]] bool TChessEngine::DoMove(TEngineMove move)
{
    bool testCheck = false;
    if (RefusedBeforeMaking(move, testCheck))
        return false;

    const int from = move.From;
    const int to = move.To;
    const int flags = move.Flags;
    const int piece = SquarePiece[from];
    const int captured = SquarePiece[to];
    UndoStack[Ply] = {move, captured, CastleRights, EnPassantSquare};
    ++Ply;

    if (flags & FlagCastle) {
        switch (to) {
        case 62: MovePiece(63, 61, Rook, Rook); break;
        case 58: MovePiece(56, 59, Rook, Rook); break;
        case 6: MovePiece(7, 5, Rook, Rook); break;
        case 2: MovePiece(0, 3, Rook, Rook); break;
        default: break;
        }
    }

    CastleRights &= CastleKeep[from] & CastleKeep[to];
    if (flags & FlagDoubleStep)
        EnPassantSquare = SideToMove == White ? to + 8 : to - 8;
    else
        EnPassantSquare = -1;

    if (captured != EmptyCode)
        ClearSquare(to);
    MovePiece(from, to, piece, (flags & FlagPromotion) ? move.Promote : piece);

    if (flags & FlagEnPassant)
        ClearSquare(SideToMove == White ? to + 8 : to - 8);

    SwapSides();
    SideInCheck[Ply] = -1;
    if (testCheck && (flags & FlagCastle) && IsInCheck(Opponent)) {
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

    const int piece = SquarePiece[to];
    MovePiece(to, from, piece, (flags & FlagPromotion) ? Pawn : piece);
    if (undo.Captured != EmptyCode)
        PutPiece(to, Opponent, undo.Captured);

    if (flags & FlagCastle) {
        switch (to) {
        case 62: MovePiece(61, 63, Rook, Rook); break;
        case 58: MovePiece(59, 56, Rook, Rook); break;
        case 6: MovePiece(5, 7, Rook, Rook); break;
        case 2: MovePiece(3, 0, Rook, Rook); break;
        default: break;
        }
    }

    if (flags & FlagEnPassant)
        PutPiece(SideToMove == White ? to + 8 : to - 8, Opponent, Pawn);
}
