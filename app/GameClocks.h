// The clocks of a timed game in the game window: two labels beside the
// player boxes (the running one marked, tenths below ten seconds, a look of
// its own when time runs short), the core's GameClock on the window's
// monotonic timer, the flag, and the computer's thinking time on a clock.
// With no time control nothing is shown and nothing changes: the labels
// stay hidden and the board keeps its own thinking time limit.
#pragma once

#include "core/Clock.h"

#include <QElapsedTimer>
#include <QObject>
#include <QRect>
#include <QString>

#include <functional>

class Game;
class QLabel;
class QTimer;
class QWidget;
class TChessBoard;

class GameClocks : public QObject {
    Q_OBJECT

public:
    using Announce = std::function<void(const QString&)>;
    // The labels are made in `parent` at the two places given (White's
    // beside the White player, Black's beside the Black player); `announce`
    // tells screen readers when a side reaches one minute and ten seconds.
    GameClocks(TChessBoard* board, QWidget* parent, const QRect& whitePlace, const QRect& blackPlace, Announce announce,
               QObject* owner = nullptr);

    // A new game from the board's position under these controls.
    void StartGame(const TimeControl& white, const TimeControl& black);
    // A recorded game put on the board: its controls from its TimeControl
    // tags and its clocks from the %clk commands of its moves. A restored
    // game starts paused when `paused`.
    void StartFromRecord(const Game& game, bool paused);
    // The board's controls for a game record: TimeControl (and
    // WhiteTimeControl/BlackTimeControl for a handicap) and each move's
    // %clk, or none of them without a clock.
    void AddToRecord(Game& game) const;

    // The side to move made its move (the board's moveMade, to which the
    // clocks listen).
    void MoveMade();
    // After a take-back: the clocks as they stood at the board's position.
    void FollowBoard();
    // While on, moves replayed by the board (a redo) take no time; turning
    // it off puts the clocks where they stood at the board's position.
    void SetReplaying(bool on);

    void Pause();
    void Resume();
    bool Paused() const { return clock_.Paused(); }
    // Who plays changed: the computer's thinking time follows.
    void PlayersChanged() { BudgetComputer(); }
    // The game is over: the clocks stop where they are.
    void Stop();

    bool Enabled() const { return clock_.Enabled(); }
    const GameClock& Clock() const { return clock_; }
    QLabel* Label(bool white) const { return white ? whiteLabel_ : blackLabel_; }
    // What a clock shows: "4:58", "1:02:03", "0:09.3".
    static QString DisplayText(ClockMs ms);
    // Its accessible name: "Relógio das brancas: 4 minutos e 58 segundos".
    static QString SpokenText(bool white, ClockMs ms);

    // The time source (tests drive it by hand; by default the window's
    // monotonic timer).
    void SetTimeSource(GameClock::TimeSource now);
    // Looks at the flag and refreshes the labels now (the timer's work).
    void Tick();

signals:
    // The side's time ran out; the clocks have stopped.
    void FlagFell(bool white);
    // Twice a second while a clock runs, so that the autosave keeps up.
    void SecondPassed();
    // The side's running clock passed ten seconds left: once each time it
    // runs from above ten seconds to ten or below. Time given back by a
    // take-back, a redo or a restored game is not a clock passing.
    void TenSecondsLeft(bool white);

private:
    void Refresh();
    void RefreshLabel(bool white);
    void UpdateTimer();
    void BudgetComputer();
    void AnnounceLowTime(bool white);
    std::size_t BoardPly() const;
    // The board's own rules have ended the game in its position.
    bool BoardEndedGame() const;
    int lastSecond_ = -1;

    TChessBoard* board_;
    Announce announce_;
    QElapsedTimer monotonic_;
    GameClock::TimeSource source_;
    GameClock clock_;
    QLabel* whiteLabel_ = nullptr;
    QLabel* blackLabel_ = nullptr;
    QTimer* tick_ = nullptr;
    // The board's own thinking limit, given back when no clock runs.
    int boardTimeLimit_ = 0;
    // What each clock showed when last looked at, to tell when it passes
    // one minute and ten seconds (set anew when the clocks follow the board).
    ClockMs announcedWhite_ = 0;
    ClockMs announcedBlack_ = 0;
    bool replaying_ = false;
};
