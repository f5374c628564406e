// The record of a game: for every half-move the position it was played from
// and the move itself, with the end marker of the game reached by play. It
// gives the move list, the positions to go back to and the repetition test.
// Plain C++, no Qt.
#pragma once

#include "core/CastleSet.h"
#include "core/GameState.h"
#include "core/Square.h"

#include <string>
#include <vector>

// One half-move slot.
struct MoveInfo {
    std::string Placement;       // position string of the position; empty if never reached
    CastleSet Castling;          // castling rights in that position
    Square OldSq = Square::None; // the half-move played from it
    Square NewSq = Square::None;
    Square EnPassantSq = Square::None; // the en passant square in that position
    // The en passant square when a capture there is actually possible, else
    // None: with the side to move it tells apart positions that look alike.
    Square CapturableEnPassant = Square::None;
    // The piece letter a pawn of this half-move became (EmptySquare when the
    // move was no promotion).
    char Promotion = ' ';
};

class GameHistory {
public:
    // Slot (n, White) is 2(n - 1), slot (n, Black) the one after it.
    static long long SlotIndex(int moveNumber, bool whiteToMove);

    // Writes the slot of the position a half-move is played from, with the
    // move. The slot table grows as the game does.
    void RecordMove(int moveNumber, bool whiteToMove, const MoveInfo& slot);
    // Writes the position of a slot reached by play; its move squares follow
    // when the half-move from it is played.
    void RecordPosition(int moveNumber, bool whiteToMove, const std::string& placement, CastleSet castling,
                        Square enPassant, Square capturableEnPassant);

    // The same two writes for a move played from the position `before`
    // (its slot gets the position as it stands and the move), and for the
    // position `after` it reached, where the record then ends.
    void RecordMoveFrom(const GameState& before, Square from, Square to);
    void RecordReached(const GameState& after);

    // Notes the piece the pawn of the half-move played from slot (n, side)
    // became.
    void RecordPromotion(int moveNumber, bool whiteToMove, char piece);

    // The slot of the last position reached by play.
    void SetEndMarker(int moveNumber, bool whiteToMove);
    int LastMoveNumber() const { return lastMoveNumber_; }
    bool LastWhiteToMove() const { return lastWhiteToMove_; }
    // A new game: the end marker goes to (1, White) and the recorded game is
    // empty. The slots keep their contents until play reaches them again.
    void Restart();

    // Counts the half-moves recorded and the restarts: a value read earlier
    // and still the same means no move has entered the game since.
    unsigned long long Revision() const { return revision_; }

    // The slot, or nullptr when play never reached it.
    const MoveInfo* Slot(int moveNumber, bool whiteToMove) const;
    // The slot lies within the recorded game (up to and including the end
    // marker) and holds a position of it.
    bool HoldsRecordedPosition(int moveNumber, bool whiteToMove) const;

    // One line per half-move of the recorded game: "12. G1-F3" for White,
    // 14 blanks then "E7-E5" for Black. A game begun by Black starts with
    // the line "1. ...". In Chess960 a castling is "O-O" or "O-O-O".
    void GetMoveList(std::vector<std::string>& list) const;

    // The position of slot (moveNumber, side) has stood at least twice
    // before in the recorded game: the same position as GameState's ==
    // counts it (placement, side to move, castling rights and the same en
    // passant capture possibility).
    bool ThreefoldRepetition(int moveNumber, bool whiteToMove) const;

    // The game's castling rules, the same for all its positions: Chess960
    // or not, and the rook files of its rights (GameState's fields; the
    // standard ones until set). A slot's position is the slot's placement,
    // side, rights and en passant square under these rules.
    void SetCastlingRules(const GameState& rules);
    GameState SlotState(const MoveInfo& slot, bool whiteToMove) const;
    // Puts the position of slot (moveNumber, side) on `state`, with that
    // move number; false, and nothing changes, when the slot holds no
    // position of the recorded game.
    bool RestoreSlot(GameState& state, int moveNumber, bool whiteToMove) const;

private:
    MoveInfo& SlotForWriting(long long index);
    // "G1-F3", or a Chess960 castling's "O-O"/"O-O-O".
    std::string MoveText(const MoveInfo& slot, bool white) const;
    // The position a slot holds (its move number left at 1).
    GameState SlotPosition(const MoveInfo& slot, bool whiteToMove) const { return SlotState(slot, whiteToMove); }
    bool chess960_ = false;
    std::array<std::uint8_t, 4> castlingRookFile_ = GameState().CastlingRookFile;

    std::vector<MoveInfo> slots_;
    int lastMoveNumber_ = 1;
    bool lastWhiteToMove_ = true;
    // Index of the first slot of the recorded game, -1 before its first move.
    long long firstIndex_ = -1;
    unsigned long long revision_ = 0;
};
