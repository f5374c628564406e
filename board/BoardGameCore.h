// The board's game: the position (GameState), the record of the game
// (GameHistory) with the half-moves taken back and waiting to be played
// again (TakeBackLine), and the bookkeeping that keeps them together: what
// a new game, a placement, going back to a recorded position and taking
// moves back do, when a move is legal on the board, and what a move writes
// into the record. No Qt, no drawing, no events.
//
// The board plays a move in steps between its drawing calls and events: it
// calls BeginMove, runs the core's steps (core/MoveExecution.h) on
// MutableState(), calls TurnPassed right after the turn has passed,
// NotePromotion after a pawn became a piece, and EndMove once the position
// is complete.
#pragma once

#include "board/TakeBackLine.h"
#include "core/GameHistory.h"
#include "core/GameState.h"
#include "core/Square.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class BoardGameCore {
public:
    // While false no move is legal: the game is held (ended by something
    // the rules do not see, or paused). A new game or placement sets it.
    bool AcceptsMoves = true;
    // A threefold repetition ends the game: no move is legal in a position
    // that has stood twice before.
    bool ThreefoldEndsGame = true;

    const GameState& State() const { return state_; }
    // For the core's steps of a move and the board's plain property writers
    // (side to move, castling rights, en passant square).
    GameState& MutableState() { return state_; }
    const GameHistory& History() const { return history_; }

    // The initial position, White to move, move 1, every castling right,
    // standard chess, an empty record; moves are accepted again.
    void Reset();
    // A 64-character placement (see ParsePositionString); moves are
    // accepted again. The record and the rest of the state stay.
    void SetPlacement(const std::string& position);
    // The game's castling rules, kept by the record for its positions too.
    void SetChess960(bool value);
    void SetCastlingRookFiles(const std::array<std::uint8_t, 4>& files);

    // A legal move of the side to move, while moves are accepted and no
    // repetition has ended the game. False for a square off the board.
    bool IsLegalMove(Square from, Square to) const;
    // The current position has stood at least twice before in the record.
    bool ThreefoldRepetition() const;

    // ---- A move, in steps ----
    // Writes the slot the move is played from: the position as it stands
    // and the move.
    void BeginMove(Square from, Square to);
    // The record's end follows the turn, which has just passed.
    void TurnPassed();
    // The pawn of the move just played became the piece now on `square`.
    void NotePromotion(Square square);
    // Writes the reached position into its slot; the record ends there.
    void EndMove();

    // Makes the position of a recorded slot current; false, with nothing
    // changed, when the slot lies outside the recorded game.
    bool Goto(int moveNumber, bool whiteToMove);

    // ---- Taking back and replaying (see TakeBackLine) ----
    int TakeBackCount() const { return TakeBackLine::TakeBackCount(state_, history_); }
    int RedoCount() const { return takeBack_.RedoCount(state_, history_); }
    // Returns halfMoves (1 to TakeBackCount) back; they wait for a replay.
    void TakeBack(int halfMoves);
    // Hands over the moves waiting for a replay; none wait afterwards.
    std::vector<TakeBackLine::Move> ReleaseRedo() { return takeBack_.Release(); }
    // After a replay of some of them: the rest wait from here.
    void KeepRedo(std::vector<TakeBackLine::Move> moves);

private:
    GameState state_;
    GameHistory history_;
    TakeBackLine takeBack_;
};
