// The engine position: loading it from the linked board state, writing it
// back, and making and taking back moves inside the search.
#include "core/GameState.h"
#include "engine/ChessEngine.h"
#include "engine/EngineTables.h"
#include "engine/SquareSets.h"

#include <algorithm>
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
    Chess960Ref = &state.Chess960;
    CastlingRookFileRef = &state.CastlingRookFile;
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
    Chess960_ = Chess960Ref != nullptr && *Chess960Ref;
    if (Chess960_)
        PrepareChess960Castling();
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
    if (Chess960_)
        return; // PrepareChess960Castling did it
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

// Chess960: the rooks' squares, the paths and the squares each move of the
// king or a rook clears rights on. A right is kept only while its king
// stands on its first rank with the rook there on the right's side.
void TChessEngine::PrepareChess960Castling()
{
    static constexpr std::array<int, 4> defaultFiles{8, 1, 8, 1};
    CastleKeep960_.fill(15);
    for (int right = 0; right < 4; ++right) {
        const int bit = 1 << right;
        const int colour = right < 2 ? White : Black;
        const int row = colour == White ? 56 : 0;
        const bool kingSide = (right & 1) == 0;
        const int file = CastlingRookFileRef ? (*CastlingRookFileRef)[static_cast<std::size_t>(right)]
                                             : defaultFiles[static_cast<std::size_t>(right)];
        const int rook = row + std::clamp(file, 1, 8) - 1;
        CastleRookSquare_[static_cast<std::size_t>(right)] = rook;
        int king = -1;
        for (int s = row; s < row + 8; ++s)
            if (SquareColour[s] == colour && SquarePiece[s] == King)
                king = s;
        CastleKingSquare_[static_cast<std::size_t>(right)] = king;
        const bool sound =
            king >= 0 && SquareColour[rook] == colour && SquarePiece[rook] == Rook && (rook > king) == kingSide;
        if (!sound) {
            CastleRights &= ~bit;
            CastlePathMask_[static_cast<std::size_t>(right)] = 0;
            CastleSafeMask_[static_cast<std::size_t>(right)] = 0;
            continue;
        }
        CastleKeep960_[static_cast<std::size_t>(rook)] &= ~bit;
        CastleKeep960_[static_cast<std::size_t>(king)] &= colour == White ? ~3 : ~12;
        const int kingTo = row + (kingSide ? 6 : 2);
        const int rookTo = row + (kingSide ? 5 : 3);
        std::uint64_t path = 0;
        std::uint64_t safe = 0;
        for (int s = std::min(king, kingTo); s <= std::max(king, kingTo); ++s) {
            path |= std::uint64_t{1} << s;
            if (s != king)
                safe |= std::uint64_t{1} << s;
        }
        for (int s = std::min(rook, rookTo); s <= std::max(rook, rookTo); ++s)
            path |= std::uint64_t{1} << s;
        path &= ~((std::uint64_t{1} << king) | (std::uint64_t{1} << rook));
        CastlePathMask_[static_cast<std::size_t>(right)] = path;
        CastleSafeMask_[static_cast<std::size_t>(right)] = safe;
    }
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
    state.Chess960 = Chess960_;
    if (Chess960_)
        for (std::size_t right = 0; right < 4; ++right)
            state.CastlingRookFile[right] = static_cast<std::uint8_t>(FileIndex(CastleRookSquare_[right]) + 1);
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

bool TChessEngine::Chess960CastlingAllowedNow(int from, int to)
{
    if (SideToMoveInCheck())
        return false;
    const int right = CastleRightOf(TEngineMove{0, static_cast<std::uint8_t>(to), 0, 0});
    const bool ours = SideToMove == White ? right < 2 : right >= 2;
    // The right held, the king on the move's From and the destination on
    // the king's first rank (To is g or c there).
    if (!ours || !(CastleRights & (1 << right)) || from != CastleKingSquare_[static_cast<std::size_t>(right)] ||
        (FileIndex(to) != 6 && FileIndex(to) != 2) || RowIndex(to) != (SideToMove == White ? 7 : 0) ||
        RowIndex(from) != RowIndex(to))
        return false;
    const std::uint64_t occupied = Occupancy[White] | Occupancy[Black];
    if (occupied & CastlePathMask_[static_cast<std::size_t>(right)])
        return false;
    for (std::uint64_t safe = CastleSafeMask_[static_cast<std::size_t>(right)]; safe != 0; safe &= safe - 1)
        if (SquareAttacked(std::countr_zero(safe), Opponent))
            return false;
    return true;
}

// King and rook leave their squares and take their new ones; the king
// must not stand attacked there (the rook may have shielded it along the
// first rank before it moved).
bool TChessEngine::DoChess960Castling(TEngineMove move)
{
    const int right = CastleRightOf(move);
    const int rook = CastleRookSquare_[static_cast<std::size_t>(right)];
    const int rookTo = move.To + ((right & 1) ? 1 : -1);
    UndoStack[Ply] = {move, EmptyCode, CastleRights, EnPassantSquare};
    ++Ply;
    ClearSquare(move.From);
    ClearSquare(rook);
    PutPiece(move.To, SideToMove, King);
    PutPiece(rookTo, SideToMove, Rook);
    CastleRights &= CastleKeep960_[move.From];
    EnPassantSquare = -1;
    SwapSides();
    SideInCheck[Ply] = -1;
    if (IsInCheck(Opponent)) {
        UndoMove();
        return false;
    }
    return true;
}

// Called by UndoMove with the sides already swapped back.
void TChessEngine::UndoChess960Castling(TEngineMove move)
{
    const int right = CastleRightOf(move);
    const int rook = CastleRookSquare_[static_cast<std::size_t>(right)];
    const int rookTo = move.To + ((right & 1) ? 1 : -1);
    ClearSquare(move.To);
    ClearSquare(rookTo);
    PutPiece(move.From, SideToMove, King);
    PutPiece(rook, SideToMove, Rook);
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

    // Only a piece of the side to move can move, and not onto its own men
    // (a Chess960 castling may end on its own king's or rook's square).
    if (from > 63 || to > 63 || SquareColour[from] != SideToMove)
        return true;
    if (Chess960_ && (flags & FlagCastle))
        return !Chess960CastlingAllowedNow(from, to);
    if (SquareColour[to] == SideToMove)
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
    if (Chess960_ && (move.Flags & FlagCastle))
        return DoChess960Castling(move);

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

    if (Chess960_)
        CastleRights &= CastleKeep960_[from] & CastleKeep960_[to];
    else
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
    if (Chess960_ && (flags & FlagCastle)) {
        UndoChess960Castling(undo.Move);
        return;
    }

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
