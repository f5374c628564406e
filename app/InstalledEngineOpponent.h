// "Motor instalado": an installed UCI engine (stockfish, or a program the
// person picks) plays the computer's side at a chosen rating, through the
// program's UCI client. The board's own search stands aside while it plays
// (ComputerMovesFromOutside); the board asks for each move and the engine's
// answer is played if the board still shows the position it was asked about.
// With a clock, the engine gets both sides' time and bonus. If the engine
// cannot start, dies, hangs or answers nonsense, the person is told and the
// board's own level takes over the game at once.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class GameClock;
class TChessBoard;
class TUciClient;

class TInstalledEngineOpponent : public QObject {
    Q_OBJECT

public:
    TInstalledEngineOpponent(TChessBoard* board, QObject* owner);
    ~TInstalledEngineOpponent() override;

    // Plays the computer's moves with this program at this rating (see
    // UciStrength.h) from now on; the engine starts at once.
    void Start(const QString& program, int elo);
    // The board's own search plays again; the engine is ended.
    void Stop();
    bool Active() const { return active_; }
    QString Program() const { return program_; }
    int Elo() const { return elo_; }
    // The engine's own name once it has given it, else its program.
    QString EngineName() const;
    // A new game: the engine is told to forget the last one.
    void NewGame();

    // The clocks whose times the engine gets; none (the default): a fixed
    // time per move.
    void SetClock(const GameClock* clock) { clock_ = clock; }
    // The time per move without a clock.
    void SetMoveTime(int ms) { moveTimeMs_ = ms; }
    // The UCI client, for tests (its waits can be shortened).
    TUciClient* Client() const { return client_; }

    // The "go" arguments for a search under these clocks: both sides'
    // time and bonus, and the moves to the next time control.
    static QString GoArguments(const GameClock& clock);

signals:
    // The engine failed; the board's own level plays on. The message says
    // what happened, in the interface language.
    void Failed(const QString& message);

private:
    void MoveWanted();
    void BestMoveArrived(const QString& move);
    void EngineFailed(const QString& reason);
    // The game from its start in the protocol's terms: the first position
    // and the moves to the board's position.
    bool CurrentRequest(QString& fen, QStringList& moves) const;

    TChessBoard* board_;
    TUciClient* client_;
    const GameClock* clock_ = nullptr;
    QString program_;
    int elo_ = 0;
    int moveTimeMs_ = 1000;
    bool active_ = false;
    bool searching_ = false;
    QString askedFen_;
    QStringList askedMoves_;
};
