// MakeMove: the one routine through which every move enters the game. It
// checks the move, records it, moves the piece, carries out promotion, en
// passant and castling, updates the game state and fires the board's events
// in their fixed order: OnLegalMove, OnCapture, OnPromotion, OnCapture (en
// passant), OnCastle, OnCheck, OnMate or OnStaleMate, OnNoMatingMaterial,
// OnThreefoldPosition, OnDraw, OnPaint.
#include "board/ChessBoard.h"

#include "board/Rules.h"

namespace {

// Calls a handler when one is set. The handler is copied first, so that it
// may replace or clear its own slot while it runs.
template <typename Handler, typename... Args>
void Fire(const Handler& slot, Args&&... args)
{
    if (!slot)
        return;
    Handler handler = slot;
    handler(std::forward<Args>(args)...);
}

char UpperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

} // namespace

bool TChessBoard::PlayerMove(Square oldSq, Square newSq)
{
    StopThinking();
    const bool made = MakeMove(oldSq, newSq);
    ResumeThinking();
    return made;
}

bool TChessBoard::MakeMove(Square oldSq, Square newSq)
{
    endEventGuard_ = false;
    if (!IsLegalMove(oldSq, newSq))
        return false;

    const bool capturesEnPassant = IsEnPassantCapture(game_, oldSq, newSq);
    history_.RecordMove(game_.CurrentMove, game_.WhiteToMove,
                        MoveInfo{Position(), game_.CastlingAllowed, oldSq, newSq, game_.EnPassant,
                                 CapturableEnPassant(game_)});

    DrawSquare(oldSq);
    if (AnimateMoves() && (oldSq != DragFromSquare || newSq != DragToSquare)) {
        DrawBoardLines();
        AnimateMove(oldSq, newSq, AnimationDelay());
    }

    const char captured = game_.Board[Ord(newSq)];
    game_.Board[Ord(newSq)] = game_.Board[Ord(oldSq)];
    game_.Board[Ord(oldSq)] = EmptySquare;
    DrawSquare(newSq);
    DrawPiece(newSq, game_.Board[Ord(newSq)]);
    DrawBoardLines();

    if (!game_.WhiteToMove)
        ++game_.CurrentMove;
    game_.WhiteToMove = !game_.WhiteToMove;
    history_.SetEndMarker(game_.CurrentMove, game_.WhiteToMove);
    NotifySearchThread();

    Fire(OnLegalMove, this, oldSq, newSq);
    if (captured != EmptySquare)
        Fire(OnCapture, this, oldSq, newSq, captured);

    CarryOutPromotion(oldSq, newSq);
    if (capturesEnPassant)
        CarryOutEnPassant(oldSq, newSq);
    UpdateEnPassantSquare(oldSq, newSq);
    CarryOutCastling(oldSq, newSq);
    UpdateCastlingRights(oldSq, newSq);

    bool draw = AnnounceMateOrStalemate(oldSq, newSq);
    if (MatingMaterial(game_.Board, true) < 5 && MatingMaterial(game_.Board, false) < 5) {
        Fire(OnNoMatingMaterial, this);
        draw = true;
    }

    RecordCurrentPosition();
    history_.SetEndMarker(game_.CurrentMove, game_.WhiteToMove);
    if (ThreefoldRepetition()) {
        Fire(OnThreefoldPosition, this);
        draw = true;
    }
    if (draw && OnDraw) {
        endEventGuard_ = true;
        Fire(OnDraw, this);
    }
    Fire(OnPaint, this);
    return true;
}

void TChessBoard::CarryOutPromotion(Square oldSq, Square newSq)
{
    const char piece = game_.Board[Ord(newSq)];
    if ((piece != 'P' && piece != 'p') || (RankOf(newSq) != 8 && RankOf(newSq) != 1))
        return;
    Fire(OnPromotion, this, oldSq, newSq, promotionPiece_);
    PromotePawn(newSq);
}

void TChessBoard::PromotePawn(Square square)
{
    const char upper = UpperAscii(promotionPiece_);
    game_.Board[Ord(square)] = RankOf(square) == 8 ? upper : static_cast<char>(upper + 32);
    DrawSquare(square);
    DrawPiece(square, game_.Board[Ord(square)]);
    DrawBoardLines();
}

void TChessBoard::CarryOutEnPassant(Square oldSq, Square newSq)
{
    const Square victim = EnPassantVictimSquare(oldSq, newSq);
    Fire(OnCapture, this, oldSq, newSq, game_.Board[Ord(victim)]);
    game_.Board[Ord(victim)] = EmptySquare;
    DrawSquare(victim);
    DrawBoardLines();
}

void TChessBoard::UpdateEnPassantSquare(Square oldSq, Square newSq)
{
    const char piece = game_.Board[Ord(newSq)];
    const bool whiteDoubleStep = piece == 'P' && RankOf(oldSq) == 2 && RankOf(newSq) == 4;
    const bool blackDoubleStep = piece == 'p' && RankOf(oldSq) == 7 && RankOf(newSq) == 5;
    game_.EnPassant = (whiteDoubleStep || blackDoubleStep) ? SquareFromOrd((Ord(oldSq) + Ord(newSq)) / 2)
                                                          : Square::None;
}

void TChessBoard::CarryOutCastling(Square oldSq, Square newSq)
{
    struct RookMove {
        char king;
        Square kingFrom, kingTo, rookFrom, rookTo;
        char rook;
    };
    static constexpr RookMove rookMoves[4] = {
        {'K', Square::E1, Square::G1, Square::H1, Square::F1, 'R'},
        {'K', Square::E1, Square::C1, Square::A1, Square::D1, 'R'},
        {'k', Square::E8, Square::G8, Square::H8, Square::F8, 'r'},
        {'k', Square::E8, Square::C8, Square::A8, Square::D8, 'r'},
    };
    for (const RookMove& m : rookMoves) {
        if (game_.Board[Ord(newSq)] != m.king || oldSq != m.kingFrom || newSq != m.kingTo)
            continue;
        game_.Board[Ord(m.rookTo)] = m.rook;
        game_.Board[Ord(m.rookFrom)] = EmptySquare;
        DrawSquare(m.rookFrom);
        DrawPiece(m.rookTo, m.rook);
        DrawBoardLines();
        Fire(OnCastle, this, oldSq, newSq);
        return;
    }
}

void TChessBoard::UpdateCastlingRights(Square oldSq, Square newSq)
{
    // A right goes when its king or rook leaves home, and when anything lands
    // on the rook's corner (the rook there has been taken).
    auto removeFor = [this](Square square, bool cornersOnly) {
        switch (square) {
        case Square::A1: game_.CastlingAllowed.Exclude(CanStillCastle::WhiteQueenSide); break;
        case Square::H1: game_.CastlingAllowed.Exclude(CanStillCastle::WhiteKingSide); break;
        case Square::A8: game_.CastlingAllowed.Exclude(CanStillCastle::BlackQueenSide); break;
        case Square::H8: game_.CastlingAllowed.Exclude(CanStillCastle::BlackKingSide); break;
        case Square::E1:
            if (!cornersOnly) {
                game_.CastlingAllowed.Exclude(CanStillCastle::WhiteQueenSide);
                game_.CastlingAllowed.Exclude(CanStillCastle::WhiteKingSide);
            }
            break;
        case Square::E8:
            if (!cornersOnly) {
                game_.CastlingAllowed.Exclude(CanStillCastle::BlackQueenSide);
                game_.CastlingAllowed.Exclude(CanStillCastle::BlackKingSide);
            }
            break;
        default: break;
        }
    };
    removeFor(oldSq, false);
    removeFor(newSq, true);
}

bool TChessBoard::AnnounceMateOrStalemate(Square oldSq, Square newSq)
{
    const bool check = game_.WhiteToMove ? ::WhiteKingAttacked(game_, newSq, newSq)
                                         : ::BlackKingAttacked(game_, newSq, newSq);
    const bool canMove = HasMobility(game_);
    if (check) {
        Fire(OnCheck, this, oldSq, newSq);
        if (!canMove && OnMate) {
            endEventGuard_ = true;
            Fire(OnMate, this, oldSq, newSq);
        }
        return false;
    }
    if (!canMove) {
        Fire(OnStaleMate, this, oldSq, newSq);
        return true;
    }
    return false;
}
