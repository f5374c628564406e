// kestravin-pgnbench [MEGABYTES]: times the PGN reader over files made in
// memory, so that a reader slower than linear in a file's size or a line's
// length shows at once: broken games all on one line, one per line with
// LF, CR and CRLF line ends, and readable games. Prints one line per case:
// its name, size, games read, games refused, the lines of the first and
// last refusal, and the time.
#include "core/Pgn.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// A game the reader refuses at its third move ("Kf3" is not legal there)
// and recovers from at its result.
constexpr const char* BrokenGame = "1. e4 e5 2. Kf3 Nc6 1-0";
constexpr const char* GoodGame =
    "[Event \"b\"]\n[Result \"1-0\"]\n\n1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 {Ruy} 4. Ba4 Nf6 1-0";

std::string Repeated(const char* game, const char* separator, std::size_t bytes)
{
    std::string text;
    while (text.size() < bytes) {
        text += game;
        text += separator;
    }
    return text;
}

void Measure(const char* name, const std::string& text)
{
    std::size_t games = 0, refused = 0;
    int firstLine = 0, lastLine = 0;
    const auto start = std::chrono::steady_clock::now();
    ReadPgn(text, [&](PgnGame&& game) {
        ++games;
        if (!game.Ok) {
            if (refused++ == 0)
                firstLine = game.Line;
            lastLine = game.Line;
        }
    });
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-28s %9zu bytes %7zu games %7zu refused  lines %d..%d  %10.1f ms\n", name, text.size(), games,
                refused, firstLine, lastLine, ms);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    const double megabytes = argc > 1 ? std::atof(argv[1]) : 1.0;
    if (megabytes <= 0 || megabytes > 256) {
        std::fprintf(stderr, "Uso: kestravin-pgnbench [MEGABYTES]  (0 < MEGABYTES <= 256, padrão 1)\n");
        return 2;
    }
    const auto bytes = static_cast<std::size_t>(megabytes * 1024 * 1024);
    Measure("broken, one line", Repeated(BrokenGame, " ", bytes));
    Measure("broken, LF", Repeated(BrokenGame, "\n", bytes));
    Measure("broken, CR", Repeated(BrokenGame, "\r", bytes));
    Measure("broken, CRLF", Repeated(BrokenGame, "\r\n", bytes));
    Measure("good, LF", Repeated(GoodGame, "\n\n", bytes));
    Measure("good, CRLF", Repeated(GoodGame, "\r\n\r\n", bytes));
    return 0;
}
