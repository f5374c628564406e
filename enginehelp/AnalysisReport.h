// What an analysis says about a position, whichever engine made it: the
// score from White's side, the depth reached, the speed and the line the
// engine expects. Scores of both engines are turned into this one form.
#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>

#include <cstdint>

struct TAnalysisScore {
    // Mate: Value is the number of moves to mate, positive when White mates,
    // negative when Black mates; 0 when the side to move is mated already.
    // Otherwise Value is in centipawns, positive when White stands better.
    bool Mate = false;
    int Value = 0;
    // Only for Mate with Value 0: whether it is White that is mated.
    bool WhiteMated = false;

    // The score as centipawns, mates counted as the cap (a loss measured on
    // it stays finite and a mate in 3 is as good as one in 5).
    int CappedCentipawns(int cap = 1000) const;
    // "+0.35", "-1.20", "0.00", "#3", "#-2", "#0" (the side to move is mated).
    QString Text() const;

    // From a score of the side to move: centipawns or a mate distance in moves.
    static TAnalysisScore FromSideToMove(bool whiteToMove, bool mate, int value);
};

struct TAnalysisReport {
    int Depth = 0;
    TAnalysisScore Score;
    std::uint64_t Nodes = 0;
    std::uint64_t NodesPerSecond = 0;
    int ElapsedMs = 0;
    // The expected line in UCI long algebraic notation ("e2e4", "e7e8q").
    QStringList PvUci;
    // The same line as the move list writes it, in the service's notation
    // ("12. G1-F3 B8-C6", "12. Cf3 Cc6").
    QString PvText;
    // Which engine gave it ("Motor interno", or the UCI engine's name).
    QString EngineName;
};

Q_DECLARE_METATYPE(TAnalysisScore)
Q_DECLARE_METATYPE(TAnalysisReport)
