// TChessBoard: the chess board component. It holds the game (position, side
// to move, castling rights, en passant square, move history), applies the
// rules, makes moves and reports them through its event slots, drives the
// computer player, and draws itself and takes mouse input.
//
// The position, the rules and the history live in a widget-free core
// (GameState, Rules, GameHistory), kept by the board's game (BoardGameCore); the
// visual properties and piece sets are its look (BoardLook). This class adds
// the events, the view and the thinking controls around its parts.
#pragma once

#include "board/BoardCanvas.h"
#include "board/BoardGameCore.h"
#include "board/BoardInput.h"
#include "board/BoardLook.h"
#include "board/BoardMarks.h"
#include "board/BoardPlayAids.h"
#include "board/ChessBoardTypes.h"
#include "board/GameEnd.h"
#include "board/MoveAnimation.h"
#include "board/PromotionChooser.h"
#include "board/TakeBackLine.h"
#include "core/GameHistory.h"
#include "core/GameState.h"
#include "core/Square.h"
#include "engine/ComputerStyle.h"
#include "platform/ThreadPriority.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
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
    bool WhiteToMove() const { return game_.State().WhiteToMove; }
    void SetWhiteToMove(bool value);
    CastleSet CastlingAllowed() const { return game_.State().CastlingAllowed; }
    void SetCastlingAllowed(CastleSet value);
    // Only squares of ranks 3 and 6 are accepted; anything else is ignored.
    Square EnPassant() const { return game_.State().EnPassant; }
    void SetEnPassant(Square value);
    // Read-only in effect: a written value is discarded.
    int CurrentMove() const { return game_.State().CurrentMove; }
    void SetCurrentMove(int value);
    // Chess960 (false by default: standard chess): castling is the king
    // moving onto its own rook, whose files the rights keep (h, a, h, a
    // until set). ResetGame turns it off.
    bool Chess960() const { return game_.State().Chess960; }
    void SetChess960(bool value);
    std::array<std::uint8_t, 4> CastlingRookFiles() const { return game_.State().CastlingRookFile; }
    void SetCastlingRookFiles(const std::array<std::uint8_t, 4>& files);
    // The letter a promoted pawn becomes; handed to OnPromotion by reference.
    char PromotionPiece() const { return promotionPiece_; }
    void SetPromotionPiece(char value) { promotionPiece_ = value; }
    // Set just before OnMate or OnDraw fires, cleared when MakeMove begins.
    bool EndEventGuard() const { return endEventGuard_; }

    // The placement, indexed by Square; element None holds a filler.
    const BoardArray& Board() const { return game_.State().Board; }
    // The whole position: placement, side to move, castling rights, en
    // passant square and move number.
    const GameState& State() const { return game_.State(); }
    // A blank for a square off the board.
    char PieceAt(Square square) const
    {
        return Ord(square) >= 1 && Ord(square) <= 64 ? game_.State().Board[Ord(square)] : EmptySquare;
    }

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
    // Whether a threefold repetition ends the game: no move is legal in a
    // position that has stood twice before, and OnThreefoldPosition and
    // OnDraw fire (true by default, the board's rule for play). False leaves
    // the draw to be claimed: a game replayed from a record turns it off for
    // the replay, and the option of claimed repetitions turns it off for play.
    bool ThreefoldEndsGame() const { return game_.ThreefoldEndsGame; }
    void SetThreefoldEndsGame(bool value) { game_.ThreefoldEndsGame = value; }
    const GameHistory& History() const { return game_.History(); }

    // ---- Taking moves back and replaying them ----
    // Half-moves of the recorded game that lead to the current position and
    // can be taken back, one by one, down to the game's first position.
    int TakeBackCount() const;
    // Half-moves taken back from here that can be played again; none once
    // another move has been made (or the game restarted, a position loaded,
    // another position of the list shown).
    int RedoCount() const;
    bool CanTakeBack() const { return TakeBackCount() > 0; }
    bool CanRedo() const { return RedoCount() > 0; }
    // Returns to the position halfMoves half-moves before the current one.
    // The recorded game then ends there (the move list stops at it), and the
    // half-moves taken back wait for Redo. The computer player is stopped
    // first and runs again afterwards, so it moves if it is to play.
    // False, with nothing changed, unless 1 <= halfMoves <= TakeBackCount().
    bool TakeBack(int halfMoves);
    // Plays the next halfMoves half-moves taken back again, each through
    // MakeMove with all its events (a promotion becomes the piece it became
    // before). Stops and resumes the computer player like TakeBack. False,
    // with nothing changed, unless 1 <= halfMoves <= RedoCount().
    bool Redo(int halfMoves);

    // ---- Holding the game ----
    // While false no move is legal and the computer player stays stopped: a
    // game ended by something the board's rules do not see (a flag fall, a
    // resignation, a draw agreed or claimed) or a paused game. Setting it
    // false stops the computer player; setting it true leaves resuming to
    // the caller. True by default, and again after ResetGame and a
    // Position write (a new game).
    bool AcceptsMoves() const { return game_.AcceptsMoves; }
    void SetAcceptsMoves(bool value);

    // ---- Computer player controls ----
    bool ComputerPlaysWhite() const { return computerPlaysWhite_; }
    void SetComputerPlaysWhite(bool value);
    bool ComputerPlaysBlack() const { return computerPlaysBlack_; }
    void SetComputerPlaysBlack(bool value);
    // The side to move is one the computer plays.
    bool ComputerToMove() const;
    static constexpr int MaxSearchDepth = 8;
    int SearchDepth() const { return searchDepth_; }
    void SetSearchDepth(int value);
    TThreadPriority ThinkingPriority() const { return thinkingPriority_; }
    void SetThinkingPriority(TThreadPriority value);
    // Milliseconds the computer may think over one move (0: no limit); out
    // of time it plays the best move it has found. Far above what any level
    // takes on a normal position: it only guards against positions whose
    // capture sequences explode.
    static constexpr int DefaultThinkingTimeLimit = 20000;
    int ThinkingTimeLimit() const { return thinkingTimeLimit_; }
    void SetThinkingTimeLimit(int value);
    // How the computer chooses beside its depth: as a beginners' level,
    // from an opening book (engine/ComputerStyle.h). The default is the
    // search alone. Read at the start of each move, like the depth.
    const TComputerStyle& ComputerStyle() const { return computerStyle_; }
    void SetComputerStyle(const TComputerStyle& value) { computerStyle_ = value; }
    bool Thinking() const;
    // The computer's moves come from outside the board (an installed
    // engine): while on, the search thread never searches, and whenever it
    // would, computerMoveWanted is emitted instead and the move is awaited
    // through PlayComputerMove. Off by default: the board's search plays.
    bool ComputerMovesFromOutside() const { return computerMovesFromOutside_; }
    void SetComputerMovesFromOutside(bool value);
    // Plays a move from outside for the computer (the promotion piece a
    // letter in either case, or 0 for PromotionPiece); false, with nothing
    // changed, when the computer is not to move or the move is not legal.
    bool PlayComputerMove(Square from, Square to, char promotion = 0);
    // The search thread (none in design mode), for measurements and tests.
    const TChessThread* ComputerPlayer() const { return searchThread_; }
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
    // The board draws on a canvas of its own, the size of the control, so
    // every drawing routine can run at any time; the widget shows the canvas.
    // The canvas has the screen's device pixels (its devicePixelRatio() is
    // the screen's); the drawing routines speak in logical pixels.
    // Paint draws the whole board at once (firing OnPaint first outside
    // design mode). On a board that is not shown, Paint waits for the first
    // show: that is when the first paint starts the computer player.
    void Paint();
    // The lines between squares, when BoardLines is set.
    void DrawBoardLines();
    // Repaints one square's background without its piece, with the parts of
    // the board lines that cross it.
    void DrawSquare(Square square);
    // Draws the image of a piece letter on a square (nothing for a character
    // that is not a piece letter).
    void DrawPiece(Square square, char piece);
    // Redraws every square whose character differs from oldPosition.
    void RedrawChangedSquares(const std::string& oldPosition);
    // The square under a point of the control; None outside the 8 x 8 area.
    Square PointToSquare(int X, int Y) const;
    // A square's top-left pixel in the control's coordinates.
    void SquareOrigin(Square square, int& X, int& Y) const;
    // Slides the piece on FromSq to ToSq with the moving image, one pixel a
    // step, each step lasting more than Delay ms; processes no messages.
    void AnimateMove(Square FromSq, Square ToSq, int Delay);
    const QImage& Canvas() const { return canvas_.Image(); }
    // Device pixels per logical pixel the board draws for: its screen's.
    qreal DeviceRatio() const;

    // Visual properties. Writers paint at once, except SizeOfSquare and
    // SizeOfBorder, which set the width and let the change of size paint.
    int SizeOfSquare() const { return look_.SizeOfSquare; }
    void SetSizeOfSquare(int value);
    int SizeOfBorder() const { return look_.SizeOfBorder; }
    void SetSizeOfBorder(int value);
    int BoardLeft() const { return look_.BoardLeft; }
    int BoardTop() const { return look_.BoardTop; }
    bool WhiteOnTop() const { return look_.WhiteOnTop; }
    void SetWhiteOnTop(bool value);
    CoordSet DisplayCoords() const { return look_.DisplayCoords; }
    void SetDisplayCoords(CoordSet value);
    const QFont& CoordFont() const { return look_.CoordFont; }
    void SetCoordFont(const QFont& font);
    QColor CoordFontColor() const { return look_.CoordFontColor; }
    void SetCoordFontColor(const QColor& color);
    QColor BorderColor() const { return look_.BorderColor; }
    void SetBorderColor(const QColor& color);
    // Bitmap properties copy the picture; nullptr empties it.
    const QImage& BorderBitmap() const { return look_.BorderBitmap; }
    void SetBorderBitmap(const QImage* bitmap);
    QColor SquareColorDark() const { return look_.SquareColorDark; }
    void SetSquareColorDark(const QColor& color);
    QColor SquareColorLight() const { return look_.SquareColorLight; }
    void SetSquareColorLight(const QColor& color);
    const QImage& SquareDark() const { return look_.SquareDark; }
    void SetSquareDark(const QImage* bitmap);
    const QImage& SquareLight() const { return look_.SquareLight; }
    void SetSquareLight(const QImage* bitmap);
    bool BoardLines() const { return look_.BoardLines; }
    void SetBoardLines(bool value);
    const QPen& LineStyle() const { return look_.LineStyle; }
    void SetLineStyle(const QPen& pen);

    // Piece sets.
    StandardSet StandardSize() const { return look_.StandardSize(); }
    void SetStandardSize(StandardSet value);
    const QImage& CustomPieceSet() const { return look_.CustomPieceSet(); }
    // A sheet that is not valid is refused (nothing changes); nullptr
    // empties the custom sheet.
    void SetCustomPieceSet(const QImage* sheet);
    // The custom sheet's pieces drawn twice as large, for screens of more
    // device pixels than logical ones; used while it is exactly twice the
    // size of the custom sheet, which is otherwise scaled smoothly there.
    // nullptr empties it. At one device pixel per logical pixel it is never
    // read.
    const QImage& CustomPieceSetLarge() const { return look_.CustomPieceSetLarge(); }
    void SetCustomPieceSetLarge(const QImage* sheet);
    const QImage& StandardSetBitmap() const { return look_.StandardSetBitmap(); }
    const TPieceImages& PieceImages() const { return look_.PieceImages(); }
    int PieceSize() const { return look_.PieceSize(); }
    int PieceImageIndex(char piece) const;

    // Mouse play, resizing and animation.
    bool Resizable() const { return input_.Grip.Resizable; }
    void SetResizable(bool value) { input_.Grip.Resizable = value; }
    int ResizeMinSize() const { return input_.Grip.MinSize(); }
    void SetResizeMinSize(int value) { input_.Grip.SetMinSize(value); }
    int ResizeMaxSize() const { return input_.Grip.MaxSize(); }
    void SetResizeMaxSize(int value) { input_.Grip.SetMaxSize(value); }
    bool AnimateMoves() const { return animation_.Enabled; }
    void SetAnimateMoves(bool value) { animation_.Enabled = value; }
    int AnimationDelay() const { return animation_.Delay; }
    void SetAnimationDelay(int value) { animation_.Delay = value; }
    // The pointer over a square that accepts the drop.
    Qt::CursorShape DragCursor() const { return input_.Drag().Cursor; }
    void SetDragCursor(Qt::CursorShape shape) { input_.Drag().Cursor = shape; }
    // The squares of the last drag and of the last accepted drop.
    Square LastDragFrom() const { return input_.Drag().From(); }
    Square LastDropTo() const { return input_.Drag().DropTo(); }
    bool Resizing() const { return input_.Grip.Resizing(); }
    // The moving image (drags and animations).
    const TDragImage& MovingImage() const { return movingImage_; }
    // The points the last animation moved the image through, in the parent
    // window's coordinates.
    const std::vector<QPoint>& LastAnimationPath() const { return animation_.LastPath(); }

    // ---- Play aids: click-to-move, marks, promotion chooser, keyboard ----
    // Each is off by default; the board then looks and plays as without them.
    // A click on one of the mover's pieces selects it, a click on a square
    // it can reach makes the move; dragging works as always.
    bool ClickToMove() const { return aids_.ClickToMove; }
    void SetClickToMove(bool value);
    // The two squares of the move that led to the shown position.
    bool HighlightLastMove() const { return aids_.HighlightLastMove; }
    void SetHighlightLastMove(bool value);
    // The square of the king to move while it is in check.
    bool HighlightCheck() const { return aids_.HighlightCheck; }
    void SetHighlightCheck(bool value);
    // Dots on the empty squares and rings on the captures that the selected
    // or dragged piece can reach.
    bool ShowLegalMoves() const { return aids_.ShowLegalMoves; }
    void SetShowLegalMoves(bool value);
    // A person's promotion opens a chooser over the promotion square.
    bool AskPromotionPiece() const { return aids_.AskPromotionPiece; }
    void SetAskPromotionPiece(bool value);
    // The piece picked up by a click or the keyboard; None when none is.
    Square SelectedSquare() const { return aids_.Selected(); }
    // A suggested move, marked until the next move, GotoMove, NewGame or
    // SetPosition. A square off the board clears it.
    void SetHintMove(Square from, Square to);
    void ClearHintMove();
    Square HintFrom() const { return aids_.HintFrom(); }
    Square HintTo() const { return aids_.HintTo(); }
    // The square the keyboard points at; None until the keyboard is first
    // used on the board. Its frame shows only while the board has the focus.
    Square FocusSquare() const { return aids_.FocusSquare(); }
    // Whether the promotion chooser is open, waiting for a piece.
    bool ChoosingPromotion() const { return chooser_->IsOpen(); }

    // Arrows and circles drawn with the right mouse button (off by default:
    // the right button then picks pieces up as any button does, and nothing
    // is drawn). On, a right-button drag from square to square draws an
    // arrow, a right click circles a square, in the colour of the modifier
    // keys (none green, Shift red, Ctrl blue, Alt yellow); drawing a mark
    // again in its colour removes it; a left click clears them all, and so
    // does every change of the shown position. Turning it off clears them.
    bool DrawsMarks() const { return drawsMarks_; }
    void SetDrawsMarks(bool value);
    // The drawing of the shown position. Setting it does not emit
    // drawingChanged; it shows only while DrawsMarks is on.
    const BoardDrawing& Drawing() const { return marks_.Drawing(); }
    void SetDrawing(const BoardDrawing& drawing);

    // Fired after every change of the shown position: a move, GotoMove,
    // SetPosition, NewGame.
    TNotifyEvent OnShownPositionChanged;
    // Fired when the keyboard's focus square moves, with the new square.
    TOneSquareEvent OnFocusSquareChanged;

    // The inherited mouse and drag events.
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnClick;
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;
    TNotifyEvent OnEndDrag;
    // ---- End of view ----

    // ---- Signals ----
    // The same moments as the event slots, for any number of listeners (the
    // game window's helpers). Each is emitted right after the slot of its
    // moment has run, whether a handler is set or not, so the slot's handler
    // always comes first and the slots behave as without the signals.
signals:
    // Beside OnLegalMove: the move's first event. The piece stands on `to`
    // and the turn has passed; promotion, en passant and castling follow.
    void moveMade(Square from, Square to);
    // Beside OnShownPositionChanged: a move, GotoMove, SetPosition, NewGame,
    // a take-back.
    void shownPositionChanged();
    // Beside OnMate (TGameEnd::Mate) and OnDraw (the draw's reason).
    void gameEnded(TGameEnd end);
    // The computer player began a search (true) or ended it (false), told on
    // the user-interface thread. Never emitted in design mode.
    void thinkingChanged(bool thinking);
    // A person drew, removed or cleared arrows or circles with the mouse
    // (not a change of position, which clears them silently).
    void drawingChanged();
    // The computer is to move and its moves come from outside
    // (ComputerMovesFromOutside): emitted on the user-interface thread at
    // each pass of the computer player that would have searched, so also
    // again for the same position after a pause.
    void computerMoveWanted();

private:
    // Emits thinkingChanged when `thinking` differs from what was last told.
    void TellThinking(bool thinking);
    bool thinkingTold_ = false;

    // What follows every change of the shown position: the chooser closes,
    // the selection and the hint go, the marks follow, and
    // OnShownPositionChanged fires.
    void ShownPositionChanged();

    // Turns the pawn on square into PromotionPiece (upper case on rank 8,
    // lower case on rank 1) and redraws it.
    void PromotePawn(Square square);
    // MakeMove's steps after the piece has moved, each firing its events.
    void CarryOutPromotion(Square oldSq, Square newSq);
    void CarryOutEnPassant(Square oldSq, Square newSq);
    void CarryOutCastling(Square oldSq, Square newSq);
    // OnCheck, then OnMate or OnStaleMate; true for a stalemate (a draw).
    bool AnnounceMateOrStalemate(Square oldSq, Square newSq);

    // The position, the record with the moves taken back, and whether moves
    // are accepted (board/BoardGameCore.h).
    BoardGameCore game_;
    char promotionPiece_ = 'q';
    bool endEventGuard_ = false;
    bool designMode_ = false;

    bool computerPlaysWhite_ = false;
    bool computerPlaysBlack_ = false;
    int searchDepth_ = 1;
    TThreadPriority thinkingPriority_ = TThreadPriority::tpNormal;
    int thinkingTimeLimit_ = DefaultThinkingTimeLimit;
    TComputerStyle computerStyle_;
    bool computerMovesFromOutside_ = false;
    // The search thread, owned by the board; none in design mode.
    TChessThread* searchThread_ = nullptr;
    // Creates the search thread outside design mode (constructor) and
    // suspends and frees it (destructor).
    void CreateSearchThread();
    void DestroySearchThread();
    // Tells the search thread that something a pass reads may have changed.
    void NotifySearchThread();

    // ---- View: painting, piece sets, mouse and animation ----
    // Sets up the view's state; called once by the constructor.
    void InitView();
    // Called by the destructor before the board's own state goes.
    void DoneView();

    // The control's mouse and drag operations.
    virtual void MouseDown(Qt::MouseButton Button, Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift, int X, int Y);
    virtual void MouseMove(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift, int X, int Y);
    virtual void MouseUp(Qt::MouseButton Button, Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift, int X, int Y);
    virtual void Click();
    virtual void DragOver(QObject* Source, int X, int Y, TDragState State, bool& Accept);
    virtual void DragDrop(QObject* Source, int X, int Y);
    virtual void DragCanceled();

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    // The three stages of Paint.
    void DrawBorder();
    void DrawSquares();
    void DrawPieces();

    // Drawing helpers.
    class CanvasPainter;
    void EnsureCanvas();
    // Paint's square size: the mean of width and height less the borders.
    int SquareSizeFromBounds() const;
    void ScreenCell(Square square, int& column, int& row) const;
    void FillArea(QPainter& painter, const QImage& picture, const QColor& color, const QRect& area);
    void DrawLinesWith(QPainter& painter);
    // Sets LineStyle on the painter so that lines and frames cover the
    // device pixels they cover at one device pixel per logical pixel.
    void UseLinePen(QPainter& painter) const;
    // The window the moving image is shown over and the board's offset in it.
    QWidget* ImageHost(QPoint& offset);

    // Marks (board/ChessBoardMarks.cpp). Which marks a square should show
    // is the play aids' answer; the canvas remembers which it shows on each
    // square (aids_.ShownMarks()), so RefreshMarks redraws only the squares
    // whose marks changed.
    MarkContext CurrentMarkContext() const { return aids_.ContextFor(game_.State(), game_.History()); }
    // The marks beneath the piece, clipped to the cell.
    void DrawMarks(QPainter& painter, const QRect& cell, std::uint8_t marks);
    void DrawFocusFrame(QPainter& painter, const QRect& cell);
    // A full paint's marks: those beneath the board lines, or the focus
    // frame above them.
    void DrawAllMarks(QPainter& painter, bool focusFrame);
    // Redraws the squares whose marks differ from those on the canvas.
    void RefreshMarks();
    // A square's background, marks and piece (not the piece being dragged).
    void RedrawSquare(Square square);

    // Arrows and circles (board/ChessBoardDrawing.cpp). Each mouse handler
    // asks them first; true means the event was theirs.
    bool DrawingPress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at);
    bool DrawingMove(QPoint at);
    bool DrawingRelease(Qt::MouseButton button, QPoint at);
    // The drawing goes with the position it was drawn on.
    void LeaveDrawing();
    // Paints them over the canvas's picture, clipped to `area`.
    void PaintDrawing(QPainter& painter, const QRect& area) const;
    BoardMarks marks_;
    bool drawsMarks_ = false;

    // Click-to-move and the keyboard (board/ChessBoardPlay.cpp).
    bool IsMoversPiece(Square square) const;
    // Chess960: the square a person's move from `from` to `to` means. The
    // king onto its destination g or c (not an ordinary legal step there)
    // is the castling onto that side's rook; anything else stays.
    Square PersonTarget(Square from, Square to) const;
    void SquareClicked(Square square);
    void SelectSquare(Square square);
    void ClearSelection();
    // A person's move chosen by a click or the keyboard: refused while the
    // computer thinks; a promotion may open the chooser first.
    void PersonMove(Square from, Square to);
    void SetFocusSquare(Square square);
    void MoveFocusSquare(int columns, int rows);
    // Shows the focus frame at its starting square the first time.
    void StartKeyboardPlay();
    void KeyboardAction();

    // The promotion chooser (board/ChessBoardPromotion.cpp): created with
    // the view, shown while it waits for a person's piece.
    void CreatePromotionChooser();
    // Opens the chooser when a person's legal move from -> to promotes and
    // AskPromotionPiece is set; true when it opened.
    bool OpenPromotionChooser(Square from, Square to);
    // The chooser's answer: the move with that piece (a lower-case letter).
    void PromotionChosen(Square from, Square to, char piece);
    void ClosePromotionChooser() { chooser_->Close(); }

    // The switches of the play aids, the selection, the hint, the keyboard's
    // focus square and the marks shown.
    BoardPlayAids aids_;
    // A child widget, owned by the board as its Qt parent.
    PromotionChooser* chooser_ = nullptr;

    BoardCanvas canvas_;
    bool paintPending_ = true;
    bool inPaint_ = false;
    bool firingOnPaint_ = false;

    // The visual properties and the piece sets.
    BoardLook look_;

    bool firstPaintDone_ = false;
    // The mouse and the keys: the drag's state and the resize grip's. The
    // board is the part's host (board/ChessBoardInputHost.h).
    class InputHost;
    std::unique_ptr<InputHost> inputHost_;
    BoardInput input_;
    // The move animation, and the moving image it and the drag use.
    MoveAnimation animation_;
    TDragImage movingImage_;
    // ---- End of view ----
};
