// A UCI chess engine run as a child process. Everything is asynchronous:
// commands are written when the engine is ready for them, answers arrive as
// signals, and every wait has a time limit, so that an engine that hangs,
// crashes or answers nonsense is reported (Failed, once) and ended, and the
// caller's thread never blocks on it.
#pragma once

#include "enginehelp/UciInfo.h"
#include "enginehelp/UciStrength.h"

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class TUciClient : public QObject {
    Q_OBJECT

public:
    enum class State {
        NotRunning, // never started, or ended
        Starting,   // "uci" sent, waiting for "uciok" and then "readyok"
        Ready,      // idle, the engine answered everything
        Searching,  // a "go" is running
        Stopping,   // "stop" sent, waiting for its "bestmove"
        Quitting,   // "quit" sent, waiting for the process to end
        Failed,     // reported and ended; Start again to retry
    };

    struct TimeLimits {
        int HandshakeMs = 10000; // "uci" to "uciok", "isready" to "readyok"
        int StopMs = 3000;       // "stop" (or the end of a timed search) to "bestmove"
        int QuitGraceMs = 1000;  // "quit" to the end; then terminate, then kill
    };

    explicit TUciClient(QObject* parent = nullptr);
    // Ends the engine at once (kill) if it still runs; no process is left behind.
    ~TUciClient() override;

    void SetTimeLimits(const TimeLimits& limits) { limits_ = limits; }
    const TimeLimits& Limits() const { return limits_; }

    // Decides the options sent once the engine has listed what it offers,
    // before its first "isready" (kept for later starts).
    using OptionChooser =
        std::function<std::vector<std::pair<QString, QString>>(const QMap<QString, TUciOption>& offered)>;
    void SetOptionChooser(OptionChooser chooser) { optionChooser_ = std::move(chooser); }
    // What the engine offered in its last handshake.
    const QMap<QString, TUciOption>& OfferedOptions() const { return offered_; }

    // Starts the program and the handshake; Ready follows, or Failed.
    void Start(const QString& program, const QStringList& arguments = {});
    // Asks for a new game (ucinewgame, isready) before the next search.
    void NewGame();
    // Searches a position: "position fen <fen> moves ...", "go <goArguments>"
    // ("depth 12", "movetime 2000", "infinite"). A search already running is
    // stopped first and its answer dropped. expectedMs, when not negative,
    // is how long the search may take before it is stopped (and then it must
    // answer within StopMs).
    void Go(const QString& fen, const QStringList& moves, const QString& goArguments, int expectedMs = -1);
    // Stops the running search; its BestMove still arrives.
    void Stop();
    // Ends the engine politely: quit, then terminate and kill after the grace
    // periods. Ended follows.
    void Quit();

    State CurrentState() const { return state_; }
    bool Running() const { return process_.state() != QProcess::NotRunning; }
    qint64 ProcessId() const { return process_.processId(); }
    // The program given to Start, and the name the engine gave ("id name").
    QString Program() const { return program_; }
    QString EngineName() const { return engineName_.isEmpty() ? program_ : engineName_; }
    // What went wrong, after Failed.
    QString FailureMessage() const { return failure_; }

signals:
    void Ready();
    void Info(const TUciInfo& info);
    void BestMove(const QString& move, const QString& ponder);
    void Failed(const QString& message);
    void Ended();

private:
    void ReadOutput();
    void HandleLine(const QString& line);
    void ProcessFinished();
    void ProcessError(QProcess::ProcessError error);
    void WatchdogFired();
    void Send(const QString& line);
    void SendPendingSearch();
    void Fail(const QString& message);
    void ArmWatchdog(int ms);
    // Sends the signal to the engine's whole process group (SIGTERM is
    // "terminate", SIGKILL "kill").
    void SignalEngine(int signal);
    // Kills what is left of the group once the engine's program has ended.
    void EndGroup();

    struct TSearch {
        QString Fen;
        QStringList Moves;
        QString GoArguments;
        int ExpectedMs = -1;
    };

    QProcess process_;
    QTimer watchdog_;
    QTimer endTimer_;
    TimeLimits limits_;
    State state_ = State::NotRunning;
    QString program_;
    QString engineName_;
    QString failure_;
    OptionChooser optionChooser_;
    QMap<QString, TUciOption> offered_;
    bool handshakeDone_ = false; // uciok seen
    bool readyAnnounced_ = false;
    bool newGamePending_ = false;
    bool awaitingReady_ = false;
    int unknownLines_ = 0;  // lines that are not UCI, before uciok
    int answersToDrop_ = 0; // bestmoves of searches that were replaced
    std::optional<TSearch> pending_;
    int endStep_ = 0; // 0 quit sent, 1 terminate sent, 2 kill sent
    int group_ = 0;   // the engine's process group, while it may have members
};
