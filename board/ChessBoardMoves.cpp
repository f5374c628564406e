// MakeMove: the one routine through which every move enters the game. It
// checks the move, records it, moves the piece, carries out promotion, en
// passant and castling, updates the game state and fires the board's events
// in their fixed order: OnLegalMove, OnCapture, OnPromotion, OnCapture (en
// passant), OnCastle, OnCheck, OnMate or OnStaleMate, OnNoMatingMaterial,
// OnThreefoldPosition, OnDraw, OnPaint; each signal right after its slot.
#include "board/ChessBoard.h"
#include "board/ChessBoardAccessible.h"

#include "core/Chess960.h"
#include "core/MoveExecution.h"
#include "core/Rules.h"

#include <optional>

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

    // The position changes through the core's steps, run on the game's state
    // between the drawing calls and the events.
    GameState& state = game_.MutableState();
    const bool capturesEnPassant = IsEnPassantCapture(state, oldSq, newSq);
    game_.BeginMove(oldSq, newSq);
    // The selection, the hint and a waiting chooser belong to the position
    // being left; their marks go before the piece slides.
    ClosePromotionChooser();
    aids_.LeavePosition();
    LeaveDrawing();
    RefreshMarks();

    // A Chess960 castling: the king moves onto its own rook's square.
    const std::optional<CanStillCastle> castling960 = Chess960CastlingRight(state, oldSq, newSq);
    const Square kingTo = castling960 ? CastledKingSquare(*castling960) : newSq;
    DrawSquare(oldSq);
    if (AnimateMoves() && (oldSq != input_.Drag().From() || newSq != input_.Drag().DropTo())) {
        DrawBoardLines();
        AnimateMove(oldSq, kingTo, AnimationDelay());
    }

    char captured = EmptySquare;
    if (castling960) {
        PlaceChess960Castling(state, *castling960);
        for (Square s : {oldSq, newSq, kingTo, CastledRookSquare(*castling960)}) {
            DrawSquare(s);
            if (state.Board[Ord(s)] != EmptySquare)
                DrawPiece(s, state.Board[Ord(s)]);
        }
        const bool white = IsWhiteRight(*castling960);
        state.CastlingAllowed.Exclude(white ? CanStillCastle::WhiteKingSide : CanStillCastle::BlackKingSide);
        state.CastlingAllowed.Exclude(white ? CanStillCastle::WhiteQueenSide : CanStillCastle::BlackQueenSide);
    } else {
        captured = MovePiece(state, oldSq, newSq);
        DrawSquare(newSq);
        DrawPiece(newSq, state.Board[Ord(newSq)]);
    }
    DrawBoardLines();

    PassTurn(state);
    game_.TurnPassed();
    aids_.SetPositionFromPlay(true);
    NotifySearchThread();

    Fire(OnLegalMove, this, oldSq, newSq);
    emit moveMade(oldSq, newSq);
    if (captured != EmptySquare)
        Fire(OnCapture, this, oldSq, newSq, captured);

    CarryOutPromotion(oldSq, newSq);
    if (capturesEnPassant)
        CarryOutEnPassant(oldSq, newSq);
    UpdateEnPassantSquare(state, oldSq, newSq);
    if (castling960)
        Fire(OnCastle, this, oldSq, newSq);
    else
        CarryOutCastling(oldSq, newSq);
    UpdateCastlingRights(state, oldSq, newSq);
    // The new position is complete: its marks (last move, check) show
    // before the handlers of what it means run.
    RefreshMarks();

    std::optional<TGameEnd> draw;
    if (AnnounceMateOrStalemate(oldSq, newSq))
        draw = TGameEnd::Stalemate;
    if (MatingMaterial(state.Board, true) < 5 && MatingMaterial(state.Board, false) < 5) {
        Fire(OnNoMatingMaterial, this);
        draw = draw.value_or(TGameEnd::NoMatingMaterial);
    }

    game_.EndMove();
    if (game_.ThreefoldEndsGame && ThreefoldRepetition()) {
        Fire(OnThreefoldPosition, this);
        draw = draw.value_or(TGameEnd::ThreefoldRepetition);
    }
    if (draw && OnDraw) {
        endEventGuard_ = true;
        Fire(OnDraw, this);
    }
    if (draw)
        emit gameEnded(*draw);
    Fire(OnPaint, this);
    NotifyPositionChanged(this);
    Fire(OnShownPositionChanged, this);
    emit shownPositionChanged();
    return true;
}

void TChessBoard::CarryOutPromotion(Square oldSq, Square newSq)
{
    if (!NeedsPromotion(game_.State(), newSq))
        return;
    Fire(OnPromotion, this, oldSq, newSq, promotionPiece_);
    PromotePawn(newSq);
    game_.NotePromotion(newSq);
}

void TChessBoard::PromotePawn(Square square)
{
    ::PromotePawn(game_.MutableState(), square, promotionPiece_);
    DrawSquare(square);
    DrawPiece(square, PieceAt(square));
    DrawBoardLines();
}

void TChessBoard::CarryOutEnPassant(Square oldSq, Square newSq)
{
    const Square victim = EnPassantVictimSquare(oldSq, newSq);
    Fire(OnCapture, this, oldSq, newSq, PieceAt(victim));
    RemoveEnPassantVictim(game_.MutableState(), oldSq, newSq);
    DrawSquare(victim);
    DrawBoardLines();
}

void TChessBoard::CarryOutCastling(Square oldSq, Square newSq)
{
    const std::optional<CastlingRookMove> rook = MoveCastlingRook(game_.MutableState(), oldSq, newSq);
    if (!rook)
        return;
    DrawSquare(rook->from);
    DrawPiece(rook->to, rook->rook);
    DrawBoardLines();
    Fire(OnCastle, this, oldSq, newSq);
}

bool TChessBoard::AnnounceMateOrStalemate(Square oldSq, Square newSq)
{
    const GameState& state = game_.State();
    const bool check =
        state.WhiteToMove ? ::WhiteKingAttacked(state, newSq, newSq) : ::BlackKingAttacked(state, newSq, newSq);
    const bool canMove = HasMobility(state);
    if (check) {
        Fire(OnCheck, this, oldSq, newSq);
        if (!canMove && OnMate) {
            endEventGuard_ = true;
            Fire(OnMate, this, oldSq, newSq);
        }
        if (!canMove)
            emit gameEnded(TGameEnd::Mate);
        return false;
    }
    if (!canMove) {
        Fire(OnStaleMate, this, oldSq, newSq);
        return true;
    }
    return false;
}
