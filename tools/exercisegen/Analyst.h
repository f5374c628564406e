// What the exercise finder asks of a chess engine: the best lines of a
// position to a fixed depth. The real one is stockfish over UCI
// (StockfishAnalyst.h); the tests give a fake one.
#pragma once

#include <string>
#include <vector>

struct TPvLine {
    std::vector<std::string> Pv; // UCI moves from the position
    int ScoreCp = 0;             // from the side to move, when MateIn is 0
    int MateIn = 0;              // moves to mate: above 0 the side to move mates, below 0 it is mated
};

struct TAnalysis {
    std::vector<TPvLine> Lines; // the best first
    // The depth from which the first line's move stayed the engine's first
    // choice to the end of the search (1 when it never changed).
    int FoundAtDepth = 1;
};

class TAnalyst {
public:
    virtual ~TAnalyst() = default;
    // The `lines` best lines of the position to `depth` plies; no line
    // when the side to move has no move, or the engine failed.
    virtual TAnalysis Analyse(const std::string& fen, int lines, int depth) = 0;
};

// A mate counts as this minus the moves to it, so that a quicker mate is
// worth more and any mate more than any material.
inline constexpr int MateValueCp = 100000;

// A line's worth in centipawns from the side to move, mates included.
inline int LineValue(const TPvLine& line)
{
    if (line.MateIn > 0)
        return MateValueCp - line.MateIn;
    if (line.MateIn < 0)
        return -MateValueCp - line.MateIn;
    return line.ScoreCp;
}
