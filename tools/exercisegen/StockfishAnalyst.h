// The finder's engine: a UCI engine (stockfish) as a child process, asked
// "go depth N" with MultiPV, its "info" lines read into the best lines and
// the depth at which the best move settled.
#pragma once

#include "Analyst.h"
#include "UciPlayer.h"

#include <memory>

class TStockfishAnalyst : public TAnalyst {
public:
    // `program` is the engine; Threads 1 and a small hash, to share the
    // machine.
    explicit TStockfishAnalyst(const QString& program, int hashMb = 16);
    bool Start(std::string& error);
    TAnalysis Analyse(const std::string& fen, int lines, int depth) override;
    // The engine as a player: its move at `skill` (0..20) within `moveTimeMs`.
    std::string PlayMove(const std::string& fen, int skill, int moveTimeMs);
    const std::string& Error() const { return player_->Error(); }

private:
    std::unique_ptr<TUciPlayer> player_;
    int multiPv_ = 1;
    int skill_ = 20;
};

// Reads the info lines of one search into an analysis (tested apart).
TAnalysis AnalysisFromInfoLines(const std::vector<std::string>& infoLines, int lines);
