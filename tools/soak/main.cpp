// kestravin-soak: the computer plays itself, game after game, through the
// real board component and its search thread on Qt's offscreen platform,
// and reports games, moves, results and memory. Exit status: 0 all sound,
// 1 a fault in play or history, 2 memory grew, 3 a game hung, 64 bad usage.
#include "MemoryProbe.h"
#include "SelfPlay.h"
#include "SoakOptions.h"
#include "SoakReport.h"
#include "Watchdog.h"

#include "board/ChessBoard.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

void PrepareOffscreenPlatform()
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        const std::string dir = "/tmp/kestravin-runtime-" + std::to_string(getuid());
        mkdir(dir.c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
    }
}

} // namespace

int main(int argc, char** argv)
{
    std::string error;
    const auto options = ParseSoakOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::fprintf(stderr, "kestravin-soak: %s\n%s", error.c_str(), SoakUsage);
        return 64;
    }
    PrepareOffscreenPlatform();
    QApplication app(argc, argv);

    TWatchdog watchdog{std::chrono::seconds(options->WatchdogSeconds)};
    TChessBoard board;
    // Shown, so that its first paint starts the search thread.
    board.show();
    QCoreApplication::processEvents();

    TSelfPlay play(board, *options, watchdog, options->Seed);
    TSoakReport report(*options);
    std::printf("kestravin-soak: %d games, levels %d to %d, at most %d half-moves a game, seed %u\n", options->Games,
                options->MinLevel, options->MaxLevel, options->MaxPlies, options->Seed);
    for (int game = 1; game <= options->Games; ++game) {
        const TGameRecord record = play.PlayGame(game);
        report.GameDone(record, SampleMemory());
        std::printf("game %d, level %d, %s: %s after %d half-moves (%.1f s)\n", game, record.Level,
                    record.Start.c_str(), ResultName(record.Result), record.Plies, record.Seconds);
        if (game % options->ReportEvery == 0)
            std::printf("-- %s\n", report.ProgressLine().c_str());
        std::fflush(stdout);
    }

    std::printf("\n%s", report.Summary().c_str());
    for (const std::string& fault : play.Faults())
        std::printf("FAULT: %s\n", fault.c_str());
    if (!play.Faults().empty())
        return 1;
    if (report.MemoryGrew()) {
        std::printf("FAULT: resident memory grew by more than the bound\n");
        return 2;
    }
    std::printf("soak passed\n");
    return 0;
}
