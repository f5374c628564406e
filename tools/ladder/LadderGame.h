// One game of the ladder between two UCI players, from an opening line,
// with or without a clock, judged by TReferee.
#pragma once

#include "UciPlayer.h"

#include "core/GameState.h"

#include <string>
#include <vector>

struct TTimeControl {
    bool Enabled = false;
    double BaseMs = 0;      // per game
    double IncrementMs = 0; // per move
};

struct TGameSettings {
    TTimeControl Clock;
    // Without a clock: the players that have no depth get "go movetime".
    int MoveTimeMs = 100;
    // Without a clock: a player silent this long has lost on time.
    int MoveTimeoutMs = 60000;
    // How long a player may take to start ("uci" to "readyok").
    int StartTimeoutMs = 15000;
    // A game still going after this many half-moves is a draw.
    int MaxPlies = 600;
    // The start: the initial position when empty, else this position (its
    // Chess960 flag says how castling is written; both players must have
    // been given UCI_Chess960 for a Chess960 one).
    std::string StartFen;
    bool Chess960 = false;
};

enum class TGameOutcome { WhiteWins, Draw, BlackWins };

struct TGameResult {
    TGameOutcome Outcome = TGameOutcome::Draw;
    std::string Reason;   // "checkmate", "illegal move e2e5 by L1", ...
    bool Forfeit = false; // lost by an illegal move, on time or by a broken engine
    bool TimeLoss = false;
    int Plies = 0;
    // With a clock: the least time each side (White, Black) had left after
    // a move, in milliseconds.
    double LeastClockMs[2] = {0, 0};
    std::string Moves; // the whole game in UCI moves
    GameState Final;   // the position the arbiter reached
    std::string Error; // an engine that could not even be started
};

// Plays white against black from the opening (UCI moves, already checked to
// be legal). Each player is started for this game and ended after it.
TGameResult PlayGame(const TPlayerSpec& white, const TPlayerSpec& black, const std::vector<std::string>& opening,
                     const TGameSettings& settings);
