// One UCI engine as a child process, spoken to line by line with blocking
// waits: each game of the ladder runs on its own worker thread and owns its
// two players, so no event loop is needed.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

// What a player is: the program, the options it is given after "uci", and
// how it is asked for a move.
struct TPlayerSpec {
    std::string Name; // as the table shows it: "L3", "sf-elo1350"
    QString Program;
    std::vector<std::pair<std::string, std::string>> Options;
    int Depth = 0; // "go depth N" when above 0 (the built-in levels)
    // A reference strength on stockfish's UCI_Elo scale, 0 when none.
    int AnchorElo = 0;
};

// What one spin option of the engine allows ("option name X type spin ...").
struct TSpinRange {
    bool Present = false;
    int Min = 0;
    int Max = 0;
};

class TUciPlayer {
public:
    explicit TUciPlayer(const TPlayerSpec& spec);
    ~TUciPlayer();
    TUciPlayer(const TUciPlayer&) = delete;
    TUciPlayer& operator=(const TUciPlayer&) = delete;

    // Starts the program, waits for "uciok", sets the options and waits for
    // "readyok". False with Error() set when any of it fails in time.
    bool Start(int timeoutMs = 15000);
    // Asks for a move in the position after `moves` from the start. `go` is
    // the rest of the go command ("depth 3", "wtime 9000 btime ..."). An
    // empty result means no move came within timeoutMs (or the engine died);
    // Error() says which. Elapsed() is the time the answer took.
    std::string BestMove(const std::string& moves, const std::string& go, int timeoutMs);
    // The same for a whole "position ..." command ("position fen ..."),
    // keeping the engine's "info" lines in `infoLines` when given.
    std::string Search(const std::string& position, const std::string& go, int timeoutMs,
                       std::vector<std::string>* infoLines = nullptr);
    // "setoption name X value Y", then waits for "readyok"; false when none
    // came in time.
    bool SetOption(const std::string& name, const std::string& value, int timeoutMs = 10000);
    double ElapsedMs() const { return elapsedMs_; }
    // The games' start for BestMove: "position fen <fen> moves ..." when
    // set, else "position startpos moves ...".
    void SetStartFen(const std::string& fen) { startFen_ = fen; }
    // The last score the engine gave while finding that move, from the side
    // to move's view, in centipawns (a mate counts as MateCp); false when it
    // gave none.
    bool LastScore(int& centipawns) const
    {
        centipawns = lastScoreCp_;
        return hasScore_;
    }
    static constexpr int MateCp = 100000;
    const std::string& Error() const { return error_; }
    // A spin option as the engine announced it.
    TSpinRange Spin(const std::string& name) const;
    void Quit();

    const TPlayerSpec& Spec() const { return spec_; }

private:
    void Send(const std::string& line);
    // The next line, or false when none came before the deadline.
    bool ReadLine(std::string& line, std::chrono::steady_clock::time_point deadline);
    bool WaitFor(const std::string& word, std::chrono::steady_clock::time_point deadline);

    TPlayerSpec spec_;
    std::unique_ptr<QProcess> process_;
    std::vector<std::string> optionLines_;
    std::string error_;
    std::string startFen_;
    double elapsedMs_ = 0;
    int lastScoreCp_ = 0;
    bool hasScore_ = false;
};

// Asks the program once for its options ("uci") and returns the range of a
// spin option; used to find the lowest UCI_Elo the reference engine takes.
TSpinRange QuerySpinOption(const QString& program, const std::string& name, std::string& error);
