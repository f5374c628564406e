// Shared helpers of the fuzz targets: a check that stops the run with a
// message when an invariant breaks, and the piece alphabet of the board.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzz {

// A broken invariant is a finding: print what broke and abort, so libFuzzer
// saves the input that led here.
[[noreturn]] inline void Fail(const char* file, int line, const std::string& what)
{
    std::fprintf(stderr, "\n%s:%d: invariant broken: %s\n", file, line, what.c_str());
    std::fflush(stderr);
    std::abort();
}

#define FUZZ_CHECK(condition, what)                                                                                    \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            ::fuzz::Fail(__FILE__, __LINE__, (what));                                                                  \
    } while (false)

// The 13 characters a square may hold: a blank and the piece letters.
inline constexpr char SquareAlphabet[] = " PNBRQKpnbrqk";

inline bool IsSquareCharacter(char c)
{
    for (const char* p = SquareAlphabet; *p != '\0'; ++p) {
        if (*p == c)
            return true;
    }
    return false;
}

// Every one of the 64 characters is a blank or a piece letter.
inline bool IsWellFormedPosition(const std::string& position)
{
    if (position.size() != 64)
        return false;
    for (char c : position) {
        if (!IsSquareCharacter(c))
            return false;
    }
    return true;
}

} // namespace fuzz
