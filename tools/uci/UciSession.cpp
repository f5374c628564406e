// UCI commands.
#include "UciSession.h"

#include "core/Fen.h"
#include "engine/BookPlay.h"
#include "engine/ChessEngine.h"
#include "engine/MoveText.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>
#include <random>
#include <set>
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

enum class NumberKind { Exact, Clamped, Malformed };

// A whole word as a number, brought into [low, high]; a number too large
// for any type counts as beyond its end.
NumberKind ParseClamped(const std::string& word, std::int64_t low, std::int64_t high, std::int64_t& value)
{
    std::int64_t parsed = 0;
    const char* first = word.data();
    const char* last = word.data() + word.size();
    const auto [end, error] = std::from_chars(first, last, parsed);
    if (end != last || word.empty())
        return NumberKind::Malformed;
    if (error == std::errc::result_out_of_range)
        parsed = word[0] == '-' ? INT64_MIN : INT64_MAX;
    else if (error != std::errc())
        return NumberKind::Malformed;
    value = std::clamp(parsed, low, high);
    return value == parsed ? NumberKind::Exact : NumberKind::Clamped;
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
    : in_(in)
    , out_(out)
    , bookPath_(DefaultBookPath)
    , search_([this](const std::string& line) { Write(line); })
    , perft_([this](const std::string& line) { Write(line); })
{
    std::random_device device;
    bookRandom_.Seed((std::uint64_t{device()} << 32) ^ device());
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
    // "quit", or the end of the input (the interface has gone): a search
    // or a count ends at once, as in other engines, rather than run on for
    // nobody.
    search_.Stop();
    perft_.Stop();
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
        perft_.Finish();
        search_.NewGame();
        position_ = GameState::Initial();
    } else if (command == "position") {
        search_.Finish();
        perft_.Finish();
        HandlePosition(words);
    } else if (command == "go") {
        search_.Finish();
        perft_.Finish();
        HandleGo(words);
    } else if (command == "stop") {
        search_.Stop();
        perft_.Stop();
    } else if (command == "ponderhit") {
        search_.PonderHit();
    } else if (command == "setoption") {
        HandleSetOption(words);
    } else if (command == "quit") {
        return false;
    } else if (command == "debug" || command == "register") {
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
    // Accepted so that interfaces offer pondering; the engine ponders on
    // "go ponder" whatever its value.
    Write("option name Ponder type check default false");
    // The program's levels, in plain letters for other programs; Livre
    // searches within the limits of each "go".
    std::string levels = "option name Nivel type combo default Livre var Livre";
    for (const TPlayingLevel& level : PlayingLevels())
        levels += " var " + std::string(level.PlainName);
    Write(levels);
    Write("option name OwnBook type check default false");
    Write("option name BookFile type string default " + std::string(DefaultBookPath));
    // Chess960: positions are Chess960 ones and castling is written as the
    // king taking its own rook ("e1h1"), in both directions.
    Write("option name UCI_Chess960 type check default false");
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
        state.Chess960 = chess960_;
    } else if (words.size() >= 2 && words[1] == "fen") {
        // A FEN that is malformed or names an impossible position leaves
        // no position at all: a search would take a king or move a pawn
        // from its first rank. "go" then answers "bestmove 0000".
        FenPosition read;
        std::string error;
        if (!ReadFen(Join(words, 2, movesAt), read, error, chess960_)) {
            position_.reset();
            Info("position refused: " + error);
            return;
        }
        state = read.State;
    } else {
        Info("expected 'position startpos' or 'position fen <fen>'");
        return;
    }

    auto engine = std::make_unique<TChessEngine>();
    int ply = GamePly(state);
    for (std::size_t i = movesAt + 1; i < words.size(); ++i, ++ply) {
        const MoveTextResult result = PlayMove(*engine, state, words[i]);
        if (result != MoveTextResult::Legal) {
            Info((result == MoveTextResult::Malformed ? "malformed move: " : "illegal move: ") + words[i] +
                 "; the position stands after the " + std::to_string(i - movesAt - 1) + " moves before it");
            break;
        }
    }
    position_ = state;
    positionPly_ = ply;
}

// go [searchmoves <move>...] [ponder] [wtime N] [btime N] [winc N] [binc N]
//    [movestogo N] [depth N] [nodes N] [mate N] [movetime N] [infinite],
// or go perft N. Every search ends with one "bestmove": a limit that is out
// of range is brought into it, and one that is no number is left out, each
// with an "info string" that says so.
void TUciSession::HandleGo(const std::vector<std::string>& words)
{
    if (!position_) {
        if (std::find(words.begin(), words.end(), "perft") != words.end()) {
            Info("no position to count: the last one was refused");
            return;
        }
        Info("no position to search: the last one was refused");
        Write("bestmove 0000");
        return;
    }
    static const std::set<std::string> keywords = {"searchmoves", "ponder",    "wtime", "btime", "winc",
                                                   "binc",        "movestogo", "depth", "nodes", "mate",
                                                   "movetime",    "infinite",  "perft"};
    TGoLimits limits;
    bool depthGiven = false;
    bool otherLimit = false;
    std::int64_t times[4] = {-1, -1, -1, -1}; // wtime, btime, winc, binc
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string& word = words[i];
        const bool hasValue = i + 1 < words.size() && !keywords.contains(words[i + 1]);
        const std::string value = hasValue ? words[i + 1] : std::string();
        std::int64_t number = 0;
        if (word == "perft") {
            int perftDepth = 0;
            if (!ParseNumber(value, 1, MaxPerftDepth, perftDepth)) {
                Info("go perft needs a number from 1 to " + std::to_string(MaxPerftDepth));
                return;
            }
            perft_.Start(*position_, perftDepth);
            return;
        } else if (word == "infinite") {
            limits.Infinite = true;
            otherLimit = true;
        } else if (word == "ponder") {
            limits.Ponder = true;
        } else if (word == "searchmoves") {
            for (; i + 1 < words.size() && !keywords.contains(words[i + 1]); ++i)
                AddSearchMove(words[i + 1], limits.SearchMoves);
            if (limits.SearchMoves.empty())
                Info("go searchmoves names no legal move; searching all moves");
        } else if (word == "depth") {
            const NumberKind kind = ParseClamped(value, 1, TUciSearch::MaxDepth, number);
            if (kind == NumberKind::Malformed) {
                Info("go depth needs a number from 1 to " + std::to_string(TUciSearch::MaxDepth) +
                     "; searching to depth " + std::to_string(depthOption_));
                number = depthOption_;
            } else if (kind == NumberKind::Clamped) {
                Info("go depth " + value + " is out of range (1 to " + std::to_string(TUciSearch::MaxDepth) +
                     "); searching to depth " + std::to_string(number));
            }
            limits.Depth = static_cast<int>(number);
            depthGiven = true;
        } else if (word == "nodes" || word == "mate" || word == "movetime" || word == "movestogo") {
            const std::int64_t high = word == "mate" ? (TUciSearch::MaxDepth + 1) / 2 : INT64_MAX;
            const NumberKind kind = ParseClamped(value, 1, high, number);
            if (kind == NumberKind::Malformed) {
                Info("go " + word + " needs a number; it is left out");
            } else {
                if (kind == NumberKind::Clamped)
                    Info("go " + word + " " + value + " is out of range; using " + std::to_string(number));
                if (word == "nodes")
                    limits.Nodes = static_cast<std::uint64_t>(number);
                else if (word == "mate")
                    limits.Mate = static_cast<int>(number);
                else if (word == "movetime")
                    limits.MoveTime = number;
                else
                    limits.MovesToGo = static_cast<int>(std::min<std::int64_t>(number, 1000));
                otherLimit = otherLimit || word != "movestogo";
            }
        } else if (word == "wtime" || word == "btime" || word == "winc" || word == "binc") {
            // Interfaces send a negative time when the flag has fallen:
            // that is no time at all.
            const NumberKind kind = ParseClamped(value, 0, INT64_MAX, number);
            if (kind == NumberKind::Malformed) {
                Info("go " + word + " needs a number of milliseconds; it is left out");
            } else {
                const int index = word == "wtime" ? 0 : word == "btime" ? 1 : word == "winc" ? 2 : 3;
                times[index] = number;
            }
        } else {
            Info("go: unknown word " + word + "; it is left out");
            continue;
        }
        if (hasValue && word != "infinite" && word != "ponder" && word != "searchmoves")
            ++i;
    }

    const int side = position_->WhiteToMove ? 0 : 1;
    if (times[side] >= 0) {
        limits.HasClock = true;
        limits.Time = times[side];
        limits.Increment = std::max<std::int64_t>(times[side + 2], 0);
        otherLimit = true;
    }
    // Depth alone, or nothing, searches to the depth asked for or to the
    // Depth option, exactly as ever; other limits search as deep as they
    // allow.
    if (!depthGiven && !otherLimit)
        limits.Depth = depthOption_;
    if (AnswerFromBook(limits))
        return;
    search_.Start(*position_, limits);
}

bool TUciSession::AnswerFromBook(const TGoLimits& limits)
{
    // A search that must wait for "stop" or keep to chosen moves is searched.
    // The book's castlings are standard ones.
    if (!ownBook_ || position_->Chess960 || limits.Infinite || limits.Ponder || !limits.SearchMoves.empty() ||
        !BookReady())
        return false;
    const TPlayingLevel* level = search_.Level();
    const int plies = level ? level->BookPlies : INT_MAX;
    ChessMove move;
    if (!ChooseBookMove(book_, *position_, positionPly_, plies, bookRandom_, move))
        return false;
    Info("book move");
    Write("bestmove " + BookMoveText(move));
    return true;
}

bool TUciSession::BookReady()
{
    if (!bookTried_) {
        bookTried_ = true;
        const TBookError error = book_.Load(bookPath_);
        if (error == TBookError::CannotRead)
            Info("cannot read the book file " + bookPath_ + "; playing without a book");
        else if (error == TBookError::NotABook)
            Info(bookPath_ + " is not a Polyglot opening book; playing without a book");
    }
    return !book_.Empty();
}

void TUciSession::AddSearchMove(const std::string& text, std::vector<TEngineMove>& moves)
{
    auto engine = std::make_unique<TChessEngine>();
    engine->LinkTo(*position_);
    engine->LoadPosition();
    TEngineMove move;
    const MoveTextResult result = FindLegalMove(*engine, text, move);
    if (result != MoveTextResult::Legal) {
        Info("go searchmoves: " + std::string(result == MoveTextResult::Malformed ? "malformed" : "illegal") +
             " move " + text + " is left out");
        return;
    }
    if (std::find(moves.begin(), moves.end(), move) == moves.end())
        moves.push_back(move);
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
    if (name == "Ponder" || name == "ponder") {
        if (valueAt + 2 != words.size() || (words[valueAt + 1] != "true" && words[valueAt + 1] != "false"))
            Info("Ponder needs the value true or false");
        return;
    }
    if (name == "OwnBook" || name == "ownbook") {
        if (valueAt + 2 != words.size() || (words[valueAt + 1] != "true" && words[valueAt + 1] != "false")) {
            Info("OwnBook needs the value true or false");
            return;
        }
        ownBook_ = words[valueAt + 1] == "true";
        return;
    }
    if (name == "UCI_Chess960" || name == "uci_chess960") {
        if (valueAt + 2 != words.size() || (words[valueAt + 1] != "true" && words[valueAt + 1] != "false")) {
            Info("UCI_Chess960 needs the value true or false");
            return;
        }
        chess960_ = words[valueAt + 1] == "true";
        return;
    }
    if (name == "BookFile" || name == "bookfile") {
        // A path may hold spaces: all the words after "value".
        const std::string path = Join(words, valueAt + 1, words.size());
        if (path.empty()) {
            Info("BookFile needs the path of a Polyglot book");
            return;
        }
        bookPath_ = path;
        bookTried_ = false;
        book_ = TPolyglotBook();
        return;
    }
    if (name == "Nivel" || name == "nivel") {
        search_.Finish();
        const std::string value = Join(words, valueAt + 1, words.size());
        if (value == "Livre" || value == "livre") {
            search_.SetLevel(nullptr);
        } else if (const TPlayingLevel* level = FindPlayingLevel(value); level && valueAt < words.size()) {
            search_.SetLevel(level);
        } else {
            std::string names = "Livre";
            for (const TPlayingLevel& known : PlayingLevels())
                names += ", " + std::string(known.PlainName);
            Info("Nivel needs one of the values " + names);
        }
        return;
    }
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
