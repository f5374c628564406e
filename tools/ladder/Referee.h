// The arbiter of a ladder game: keeps the position with the core's rules,
// refuses illegal moves and says when the game is over by the rules (mate,
// stalemate, threefold repetition, fifty moves, no mating material).
#pragma once

#include "core/GameState.h"

#include <string>
#include <vector>

enum class TGameEnd { None, Checkmate, Stalemate, Threefold, FiftyMoves, NoMatingMaterial };

const char* GameEndName(TGameEnd end);

class TReferee {
public:
    // A game from the initial position, or from `start` (a Chess960 start:
    // castling is then the king's move onto its own rook, as in UCI).
    TReferee() = default;
    explicit TReferee(const GameState& start) : state_(start), positions_{start} {}

    // Plays a move in UCI notation ("e2e4", "e7e8q") when it is legal in
    // the current position; false (nothing changes) otherwise.
    bool Play(const std::string& uciMove);
    // Whether the game has ended after the last move, and how. A mate on the
    // fiftieth move still counts as a mate.
    TGameEnd End() const { return end_; }

    bool WhiteToMove() const { return state_.WhiteToMove; }
    const GameState& State() const { return state_; }
    // The moves so far, separated by blanks, as "position ... moves" wants.
    const std::string& MoveText() const { return moveText_; }
    int Plies() const { return plies_; }

private:
    void Judge();

    GameState state_ = GameState::Initial();
    // Every position of the game so far, the current one last.
    std::vector<GameState> positions_{state_};
    std::string moveText_;
    int plies_ = 0;
    int quietPlies_ = 0;
    TGameEnd end_ = TGameEnd::None;
};
