// The engine service of the game window: analyses a position on request
// with the built-in engine or a UCI engine, apart from the computer player.
// A UCI engine that fails (does not start, crashes, hangs, answers
// nonsense) is reported once through EngineFailed, and the service goes on
// with the built-in engine, the running request included.
#pragma once

#include "core/GameState.h"
#include "enginehelp/AnalysisReport.h"
#include "enginehelp/MoveLine.h"
#include "enginehelp/UciClient.h"

#include <QObject>
#include <QString>

#include <cstdint>

class TBuiltinAnalyser;

struct TAnalysisRequest {
    GameState State;
    // The built-in engine: iterations to search, and a time limit (0 none).
    int MaxDepth = 30;
    int TimeLimitMs = 0;
    // A UCI engine: a fixed time per search when positive, else MaxDepth.
    int UciMoveTimeMs = 0;
};

class TAnalysisService : public QObject {
    Q_OBJECT

public:
    explicit TAnalysisService(QObject* parent = nullptr);
    ~TAnalysisService() override;

    // The UCI engine program to use; empty for the built-in engine. A
    // program that failed before is tried again when chosen again.
    void SetUciEngine(const QString& program);
    QString UciEngine() const { return uciProgram_; }
    // Whether searches now go to the UCI engine (chosen and not failed).
    bool UsingUci() const { return !uciProgram_.isEmpty() && !uciFailed_; }
    QString EngineName() const;
    // The waits allowed to a UCI engine (tests shorten them).
    void SetUciTimeLimits(const TUciClient::TimeLimits& limits) { uciLimits_ = limits; }
    // The running UCI client, if any (tests look at its process).
    const TUciClient* UciClient() const { return uci_; }

    // The notation of the reports' PvText, from the next report on (and
    // in the last one that Finished will carry).
    void SetNotation(TMoveNotation notation);
    TMoveNotation Notation() const { return notation_; }

    // Leaves the UCI engine for the built-in one without a message (another
    // service already reported the same engine); a running request goes on.
    void FallBackToBuiltin();

    // Starts a search; a running one is stopped and its signals no longer
    // arrive. The id identifies its reports. A position no engine can be
    // asked about (no king of a colour) is not searched: Finished follows
    // with an empty move and 0 as the depth.
    std::uint64_t Start(const TAnalysisRequest& request);
    // Stops the running search; nothing more of it arrives.
    void Stop();
    bool Searching() const { return searching_; }
    std::uint64_t CurrentId() const { return id_; }
    // Nodes the built-in engine has searched for this service, all told.
    std::uint64_t BuiltinNodes() const;

signals:
    void Report(std::uint64_t id, const TAnalysisReport& report);
    // The search ended by itself or by its limits: the best move in UCI
    // text (empty when the position has none) and the last report.
    void Finished(std::uint64_t id, const QString& bestMove, const TAnalysisReport& last);
    void EngineFailed(const QString& message);

private:
    void StartBuiltin();
    void StartUci();
    void UciFailed(const QString& message);
    void LeaveUciEngine();
    void EnsureUciClient();

    TBuiltinAnalyser* builtin_ = nullptr;
    TUciClient* uci_ = nullptr;
    QString uciProgram_;
    bool uciFailed_ = false;
    bool searching_ = false;
    std::uint64_t id_ = 0;
    TUciClient::TimeLimits uciLimits_;
    TAnalysisRequest request_;
    TAnalysisReport last_;
    TMoveNotation notation_ = TMoveNotation::Coordinates;
};
