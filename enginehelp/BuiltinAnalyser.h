// The program's own engine as an analyst: a TChessEngine of its own on a
// thread of its own, searching a copy of a position by iterative deepening
// and reporting each finished iteration. It shares nothing with the
// computer player; a stop request ends the search at once.
#pragma once

#include "core/GameState.h"
#include "enginehelp/AnalysisReport.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <thread>

class TChessEngine;

class TBuiltinAnalyser : public QObject {
    Q_OBJECT

public:
    explicit TBuiltinAnalyser(QObject* parent = nullptr);
    ~TBuiltinAnalyser() override;

    // Searches a copy of the state to maxDepth iterations, or until
    // timeLimitMs (0: no limit) or Stop. A search still running is stopped
    // first; its signals no longer arrive. Reports carry the id.
    void Start(const GameState& state, int maxDepth, int timeLimitMs, std::uint64_t id);
    // Asks the running search to end; Finished follows.
    void Stop();
    bool Searching() const { return searching_.load(); }
    // Nodes searched by all searches so far (read while one runs, too).
    std::uint64_t TotalNodes() const { return totalNodes_.load(); }

signals:
    void Iteration(std::uint64_t id, const TAnalysisReport& report);
    // The last finished iteration's move in UCI text; empty when the
    // position has no legal move.
    void Finished(std::uint64_t id, const QString& bestMove);

private:
    class Observer;
    void Run(std::uint64_t id);
    void Join();

    std::unique_ptr<TChessEngine> engine_;
    std::unique_ptr<Observer> observer_;
    GameState state_;
    std::atomic<int> depth_{1};
    std::thread worker_;
    QTimer deadline_;
    std::atomic<bool> searching_{false};
    std::atomic<std::uint64_t> totalNodes_{0};
};
