// One board, games played by the computer against itself through the real
// TChessBoard and its search thread. Each game starts from part of an
// opening line and a few random legal moves (or a loaded position), hands
// both sides to the computer at one level, may go back in the history or
// load another position on the way, and ends with mate, a draw or the move
// cap. After the game the history is walked back and forward again and must
// return to the final position.
#pragma once

#include "SoakOptions.h"
#include "Watchdog.h"

#include "board/ChessBoard.h"

#include <climits>
#include <random>
#include <string>
#include <vector>

class QEventLoop;

enum class TGameResult { WhiteMates, BlackMates, Stalemate, Threefold, NoMatingMaterial, MoveCap, NoMoveAfterLoad };

const char* ResultName(TGameResult result);

struct TGameRecord {
    int Level = 1;
    std::string Start; // the opening line or the loaded position
    int Plies = 0;     // half-moves made, the opening's included
    int ComputerPlies = 0;
    int HistoryJumps = 0;
    int PositionLoads = 0;
    TGameResult Result = TGameResult::MoveCap;
    double Seconds = 0;
};

class TSelfPlay {
public:
    TSelfPlay(TChessBoard& board, const TSoakOptions& options, TWatchdog& watchdog, unsigned seed);

    TGameRecord PlayGame(int gameNumber);

    // What went wrong so far (refused opening moves, a history that does not
    // lead back to the final position); empty when all was sound.
    const std::vector<std::string>& Faults() const { return faults_; }

private:
    void WireEvents();
    void StartGame(TGameRecord& record);
    void PlayOpening(TGameRecord& record);
    void LoadPosition(TGameRecord& record, bool atStart);
    void GoBackInHistory(TGameRecord& record);
    // The event loop runs until the game ends; the timer checks its state.
    void RunUntilGameEnds(TGameRecord& record);
    // Looks at the game: ends it, or takes a mid-game step when its ply has
    // come. Runs on the event loop, never inside a move's events.
    void Tick();
    void ScheduleTick();
    void ComputerPlaysBoth(bool value);
    void CheckHistoryLeadsBack();
    bool RandomLegalMove(Square& from, Square& to);
    void Fault(const std::string& what);
    void Progress(const std::string& what);
    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

    TChessBoard& board_;
    const TSoakOptions& options_;
    TWatchdog& watchdog_;
    std::mt19937 rng_;
    std::vector<std::string> faults_;

    int gameNumber_ = 0;
    int plies_ = 0;
    bool computerPlaying_ = false;
    int computerPlies_ = 0;
    bool ended_ = false;
    TGameResult result_ = TGameResult::MoveCap;
    // Whether the placement on the board was loaded after the last move.
    bool loadedSinceLastMove_ = false;
    // Plies at which the game goes back in its history or loads a position.
    int jumpAt_ = INT_MAX;
    int loadAt_ = INT_MAX;
    bool busy_ = false;
    QEventLoop* loop_ = nullptr;
    TGameRecord* record_ = nullptr;
    bool tickPending_ = false;
};
