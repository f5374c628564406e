// TChessBoard: the chess board component. It holds the game (position, side
// to move, castling rights, en passant square, move history), applies the
// rules, makes moves and reports them through its event slots, drives the
// computer player, and draws itself and takes mouse input.
//
// The position, the rules and the history live in a widget-free core
// (GameState, Rules, GameHistory); this class adds the events, the view and
// the thinking controls around it.
#pragma once

#include "board/GameState.h"
#include "board/History.h"
#include "board/Square.h"
#include "board/ThreadPriority.h"

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class TChessThread;

// Event handler types. An empty slot is skipped.
using TNotifyEvent = std::function<void(QObject* Sender)>;
using TMoveEvent = std::function<void(QObject* Sender, Square oldSq, Square newSq)>;
using TCaptureEvent = std::function<void(QObject* Sender, Square oldSq, Square newSq, char CapturedPiece)>;
using TPromotionEvent = std::function<void(QObject* Sender, Square oldSq, Square newSq, char& NewPiece)>;
using TOneSquareEvent = std::function<void(QObject* Sender, Square square)>;

class TChessBoard : public QWidget {
    Q_OBJECT

public:
    // designMode true builds the board without a search thread.
    explicit TChessBoard(QWidget* parent = nullptr, bool designMode = false);
    ~TChessBoard() override;

    TChessBoard(const TChessBoard&) = delete;
    TChessBoard& operator=(const TChessBoard&) = delete;

    bool DesignMode() const { return designMode_; }

    // ---- Position and game state ----
    // 64 characters, A8 to H1; writing accepts "init"/"newgame" (any case),
    // short, long and malformed strings, and repaints.
    std::string Position() const;
    void SetPosition(const std::string& position);
    bool WhiteToMove() const { return game_.WhiteToMove; }
    void SetWhiteToMove(bool value);
    CastleSet CastlingAllowed() const { return game_.CastlingAllowed; }
    void SetCastlingAllowed(CastleSet value);
    // Only squares of ranks 3 and 6 are accepted; anything else is ignored.
    Square EnPassant() const { return game_.EnPassant; }
    void SetEnPassant(Square value);
    // Read-only in effect: a written value is discarded.
    int CurrentMove() const { return game_.CurrentMove; }
    void SetCurrentMove(int value);
    // The letter a promoted pawn becomes; handed to OnPromotion by reference.
    char PromotionPiece() const { return promotionPiece_; }
    void SetPromotionPiece(char value) { promotionPiece_ = value; }
    // Set just before OnMate or OnDraw fires, cleared when MakeMove begins.
    bool EndEventGuard() const { return endEventGuard_; }

    // The placement, indexed by Square; element None holds a filler.
    const BoardArray& Board() const { return game_.Board; }
    char PieceAt(Square square) const { return game_.Board[Ord(square)]; }

    // The fields the search thread reads at the start of a search. They stay
    // at the same address for the board's lifetime.
    const BoardArray* BoardLink() const { return &game_.Board; }
    const bool* WhiteToMoveLink() const { return &game_.WhiteToMove; }
    const CastleSet* CastlingAllowedLink() const { return &game_.CastlingAllowed; }
    const Square* EnPassantLink() const { return &game_.EnPassant; }

    // ResetGame then a full repaint.
    void NewGame();
    // Initial position, White to move, move 1, all castling rights, empty
    // recorded game. Keeps PromotionPiece and EndEventGuard.
    void ResetGame();

    // ---- Rules ----
    bool IsLegalMove(Square oldSq, Square newSq) const;
    // Whether the side to move can play by the rules of movement.
    bool HasLegalMove() const;
    // Whether the king is attacked after the piece on oldSq goes to newSq
    // (oldSq == newSq asks about the position as it stands).
    bool WhiteKingAttacked(Square oldSq, Square newSq) const;
    bool BlackKingAttacked(Square oldSq, Square newSq) const;

    // ---- Moves ----
    // Makes a legal move with all its events; false (and nothing changed but
    // EndEventGuard) for an illegal one.
    bool MakeMove(Square oldSq, Square newSq);
    // A person's move: stop the computer player, MakeMove, resume it.
    bool PlayerMove(Square oldSq, Square newSq);

    // ---- History ----
    // Appends one line per half-move of the recorded game.
    void GetMoveList(std::vector<std::string>& List) const;
    // Makes the position of slot (MoveNumber, side) current; false when the
    // slot lies outside the recorded game.
    bool GotoMove(int MoveNumber, bool WhiteToMove);
    // The current position has stood at least twice before in the recorded
    // game (same placement, side to move, castling rights and en passant).
    bool ThreefoldRepetition() const;
    const GameHistory& History() const { return history_; }

    // ---- Computer player controls ----
    bool ComputerPlaysWhite() const { return computerPlaysWhite_; }
    void SetComputerPlaysWhite(bool value);
    bool ComputerPlaysBlack() const { return computerPlaysBlack_; }
    void SetComputerPlaysBlack(bool value);
    static constexpr int MaxSearchDepth = 8;
    int SearchDepth() const { return searchDepth_; }
    void SetSearchDepth(int value);
    TThreadPriority ThinkingPriority() const { return thinkingPriority_; }
    void SetThinkingPriority(TThreadPriority value);
    bool Thinking() const;
    void SetThinking(bool) {}
    // Makes the search thread stand still before the position changes.
    void StopThinking();
    // Lets the search thread run its next pass.
    void ResumeThinking();
    // The board's half of the end of a thinking pass.
    void ThinkingPassDone();

    // ---- Events ----
    TMoveEvent OnLegalMove;
    TCaptureEvent OnCapture;
    TPromotionEvent OnPromotion;
    TMoveEvent OnCastle;
    TMoveEvent OnCheck;
    TMoveEvent OnMate;
    TMoveEvent OnStaleMate;
    TOneSquareEvent OnIllegalMove;
    TNotifyEvent OnNoMatingMaterial;
    TNotifyEvent OnThreefoldPosition;
    TNotifyEvent OnDraw;
    TNotifyEvent OnPaint;

    // ---- View: painting, piece sets, mouse and animation ----
    // Draws the whole board at once (fires OnPaint first outside design mode).
    void Paint();
    bool AnimateMoves() const;
    void SetAnimateMoves(bool value);
    int AnimationDelay() const;
    void SetAnimationDelay(int value);
    // ---- End of view ----

private:
    // Writes the history slot of the current position (its placement,
    // rights and en passant square).
    void RecordCurrentPosition();
    // Turns the pawn on square into PromotionPiece (upper case on rank 8,
    // lower case on rank 1) and redraws it.
    void PromotePawn(Square square);
    // MakeMove's steps after the piece has moved, each firing its events.
    void CarryOutPromotion(Square oldSq, Square newSq);
    void CarryOutEnPassant(Square oldSq, Square newSq);
    void UpdateEnPassantSquare(Square oldSq, Square newSq);
    void CarryOutCastling(Square oldSq, Square newSq);
    void UpdateCastlingRights(Square oldSq, Square newSq);
    // OnCheck, then OnMate or OnStaleMate; true for a stalemate (a draw).
    bool AnnounceMateOrStalemate(Square oldSq, Square newSq);

    GameState game_;
    GameHistory history_;
    char promotionPiece_ = 'q';
    bool endEventGuard_ = false;
    bool designMode_ = false;

    bool computerPlaysWhite_ = false;
    bool computerPlaysBlack_ = false;
    int searchDepth_ = 1;
    TThreadPriority thinkingPriority_ = TThreadPriority::tpNormal;
    // The search thread, owned by the board; none in design mode.
    TChessThread* SearchThread = nullptr;
    // Creates the search thread outside design mode (constructor) and
    // suspends and frees it (destructor).
    void CreateSearchThread();
    void DestroySearchThread();

    // ---- View: painting, piece sets, mouse and animation ----
    // Sets up the view's state; called once by the constructor.
    void InitView();
    // Called by the destructor before the board's own state goes.
    void DoneView();
    void DrawBoardLines();
    // Repaints one square's background without its piece.
    void DrawSquare(Square square);
    // Draws the image of a piece letter on a square.
    void DrawPiece(Square square, char piece);
    // Redraws every square whose character differs from oldPosition.
    void RedrawChangedSquares(const std::string& oldPosition);
    // Slides the piece on FromSq to ToSq.
    void AnimateMove(Square FromSq, Square ToSq, int Delay);

    Square DragFromSquare = Square::None;
    Square DragToSquare = Square::None;
    bool FirstPaintDone = false;
    bool animateMoves_ = true;
    int animationDelay_ = 0;
    // ---- End of view ----
};
