// Reading the lines a UCI engine prints: "info" lines with what a search
// has reached, "bestmove" lines, and the shape of a move in the protocol.
#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>

struct TUciInfo {
    int Depth = -1; // -1: not given
    int SelDepth = -1;
    int MultiPv = 1;
    bool HasScore = false;
    bool Mate = false;  // Score is moves to mate, else centipawns
    int Score = 0;      // from the side to move
    bool Bound = false; // a lowerbound or upperbound, not an exact score
    std::int64_t Nodes = -1;
    std::int64_t Nps = -1;
    int TimeMs = -1;
    QStringList Pv;
};

Q_DECLARE_METATYPE(TUciInfo)

// Reads an "info" line; false for any other line and for "info string ...".
// Unknown fields are skipped as the protocol asks; a field whose value is
// not a number makes the whole line unusable (false).
bool ParseUciInfo(QStringView line, TUciInfo& info);

// Reads "bestmove <move> [ponder <move>]"; false for any other line. The
// move is "0000" or "(none)" when the position had no legal move.
bool ParseUciBestMove(QStringView line, QString& move, QString& ponder);

// "e2e4", "e7e8q": the shape of a move in the protocol.
bool IsUciMoveText(QStringView text);
