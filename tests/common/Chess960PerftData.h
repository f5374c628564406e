// The Chess960 perft counts that tools/perft960/make-perft960.py made with
// Debian's stockfish: each line names its kind ("start518", "setup",
// "after"), a depth, the count, and the position in X-FEN and
// Shredder-FEN.
#pragma once

#include "TestPaths.h"

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

struct Chess960PerftCase {
    std::string Kind;
    int Depth = 0;
    std::uint64_t Nodes = 0;
    std::string XFen;
    std::string ShredderFen;
};

inline std::vector<Chess960PerftCase> LoadChess960PerftCases()
{
    std::vector<Chess960PerftCase> cases;
    std::ifstream in(SourceDir() + "/tests/core/data/chess960_perft.txt");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        Chess960PerftCase c;
        fields >> c.Kind >> c.Depth >> c.Nodes;
        std::string rest;
        std::getline(fields, rest);
        const std::size_t split = rest.find(';');
        if (split == std::string::npos)
            continue;
        c.XFen = rest.substr(1, split - 1);
        c.ShredderFen = rest.substr(split + 1);
        cases.push_back(c);
    }
    return cases;
}
