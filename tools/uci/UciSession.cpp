// UCI commands.
#include "UciSession.h"

#include "engine/ChessEngine.h"
#include "engine/Fen.h"
#include "engine/MoveText.h"
#include "engine/Perft.h"

#include <charconv>
#include <istream>
#include <memory>
#include <ostream>
#include <sstream>

namespace {

std::vector<std::string> SplitWords(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

// A whole word as a number within [low, high].
bool ParseNumber(const std::string& word, int low, int high, int& value)
{
    int parsed = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), parsed);
    if (error != std::errc() || end != word.data() + word.size() || parsed < low || parsed > high)
        return false;
    value = parsed;
    return true;
}

std::string Join(const std::vector<std::string>& words, std::size_t first, std::size_t last)
{
    std::string text;
    for (std::size_t i = first; i < last && i < words.size(); ++i)
        text += (text.empty() ? "" : " ") + words[i];
    return text;
}

} // namespace

TUciSession::TUciSession(std::istream& in, std::ostream& out)
    : in_(in), out_(out), search_([this](const std::string& line) { Write(line); })
{
    // A tied input stream flushes the output before every read, on the
    // reading thread and outside the output lock, racing the search
    // thread's lines. Every line is flushed as it is written anyway.
    in_.tie(nullptr);
}

void TUciSession::Run()
{
    for (std::string line; std::getline(in_, line);) {
        if (!Handle(line))
            break;
    }
    // "quit" ends a search at once; the end of the input lets it finish.
    search_.Finish();
}

void TUciSession::Write(const std::string& line)
{
    std::lock_guard lock(outputMutex_);
    out_ << line << std::endl;
}

bool TUciSession::Handle(const std::string& line)
{
    const std::vector<std::string> words = SplitWords(line);
    if (words.empty())
        return true;
    const std::string& command = words[0];
    if (command == "uci") {
        HandleUci();
    } else if (command == "isready") {
        Write("readyok");
    } else if (command == "ucinewgame") {
        search_.NewGame();
        position_ = GameState::Initial();
    } else if (command == "position") {
        search_.Finish();
        HandlePosition(words);
    } else if (command == "go") {
        search_.Finish();
        HandleGo(words);
    } else if (command == "stop") {
        search_.Stop();
    } else if (command == "setoption") {
        HandleSetOption(words);
    } else if (command == "quit") {
        search_.Stop();
        return false;
    } else if (command == "debug" || command == "register" || command == "ponderhit") {
        // Accepted and without effect here.
    } else {
        Info("unknown command: " + command);
    }
    return true;
}

void TUciSession::HandleUci()
{
    Write("id name Kestravin 2005");
    Write("id author the Kestravin 2005 developers");
    Write("option name Depth type spin default " + std::to_string(DefaultDepth) + " min 1 max " +
          std::to_string(MaxDepthOption));
    Write("uciok");
}

// position startpos | fen <fields> [moves <move>...]
void TUciSession::HandlePosition(const std::vector<std::string>& words)
{
    std::size_t movesAt = words.size();
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (words[i] == "moves") {
            movesAt = i;
            break;
        }
    }

    GameState state;
    if (words.size() >= 2 && words[1] == "startpos") {
        if (words.size() > 2 && movesAt != 2) {
            Info("expected 'moves' after 'position startpos'");
            return;
        }
        state = GameState::Initial();
    } else if (words.size() >= 2 && words[1] == "fen") {
        std::string error;
        if (!ParseFen(Join(words, 2, movesAt), state, error)) {
            Info(error);
            return;
        }
    } else {
        Info("expected 'position startpos' or 'position fen <fen>'");
        return;
    }

    auto engine = std::make_unique<TChessEngine>();
    for (std::size_t i = movesAt + 1; i < words.size(); ++i) {
        const MoveTextResult result = PlayMove(*engine, state, words[i]);
        if (result != MoveTextResult::Legal) {
            Info((result == MoveTextResult::Malformed ? "malformed move: " : "illegal move: ") + words[i] +
                 "; the position stands after the " + std::to_string(i - movesAt - 1) + " moves before it");
            break;
        }
    }
    position_ = state;
}

// go [depth N | perft N | infinite], other limits are ignored.
void TUciSession::HandleGo(const std::vector<std::string>& words)
{
    int depth = depthOption_;
    bool infinite = false;
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (words[i] == "depth" || words[i] == "perft") {
            const int high = words[i] == "perft" ? MaxPerftDepth : MaxDepthOption;
            int value = 0;
            if (i + 1 >= words.size() || !ParseNumber(words[i + 1], 1, high, value)) {
                Info("go " + words[i] + " needs a number from 1 to " + std::to_string(high));
                return;
            }
            if (words[i] == "perft") {
                RunPerft(value);
                return;
            }
            depth = value;
            ++i;
        } else if (words[i] == "infinite") {
            depth = MaxDepthOption;
            infinite = true;
        }
    }
    search_.Start(position_, depth, infinite);
}

void TUciSession::RunPerft(int depth)
{
    auto engine = std::make_unique<TChessEngine>();
    engine->LinkTo(position_);
    engine->LoadPosition();
    std::uint64_t total = 0;
    for (const TDivideEntry& part : PerftDivide(*engine, depth)) {
        Write(MoveToUci(part.Move) + ": " + std::to_string(part.Nodes));
        total += part.Nodes;
    }
    Write("");
    Write("Nodes searched: " + std::to_string(total));
}

// setoption name Depth value N
void TUciSession::HandleSetOption(const std::vector<std::string>& words)
{
    std::size_t valueAt = words.size();
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (words[i] == "value") {
            valueAt = i;
            break;
        }
    }
    if (words.size() < 3 || words[1] != "name") {
        Info("expected 'setoption name <name> value <value>'");
        return;
    }
    const std::string name = Join(words, 2, valueAt);
    if (name != "Depth" && name != "depth") {
        Info("unknown option: " + name);
        return;
    }
    int value = 0;
    if (valueAt + 2 != words.size() || !ParseNumber(words[valueAt + 1], 1, MaxDepthOption, value)) {
        Info("Depth needs a value from 1 to " + std::to_string(MaxDepthOption));
        return;
    }
    depthOption_ = value;
}
