// Fuzz target: the UCI front end's command reader. The input is a stream of
// command lines served by a real session, fed as a chess GUI feeds them:
// after a "go" the feeder waits for the "bestmove", and sends "stop" when
// none comes within 50 ms (a search of a position crowded with
// queens can run for ever; only "stop" ends it). Every line the session
// writes must be one of the protocol's forms, every "bestmove" must name a
// move in UCI form, and the session must come to an end. Numbers in "go"
// and "setoption" lines are capped before the session reads them, so that
// the searches and perft runs stay shallow; everything else reaches the
// reader as it came.
#include "FuzzSupport.h"

#include "tools/uci/UciSession.h"

#include <charconv>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <regex>
#include <sstream>
#include <streambuf>
#include <string>

namespace {

constexpr int DeepestAllowed = 2;

bool StartsWith(const std::string& text, const char* prefix)
{
    return text.rfind(prefix, 0) == 0;
}

// Replaces every whole-number word above DeepestAllowed in "go" and
// "setoption" lines; words are split the way the session splits them.
std::string CapNumbers(const std::string& line)
{
    std::istringstream in(line);
    std::string first;
    in >> first;
    if (first != "go" && first != "setoption")
        return line;
    std::string capped = first;
    for (std::string word; in >> word;) {
        int value = 0;
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
        const bool number = end == word.data() + word.size();
        if ((number && error == std::errc() && value > DeepestAllowed) ||
            (number && error == std::errc::result_out_of_range))
            word = std::to_string(DeepestAllowed);
        capped += " " + word;
    }
    return capped;
}

bool IsUciMove(const std::string& text)
{
    static const std::regex move("[a-h][1-8][a-h][1-8][qrbn]?");
    return std::regex_match(text, move);
}

bool IsNumber(const std::string& text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// The forms the session may write: identification, options, readiness,
// info lines (free text after "info "), best moves, and perft's lines.
bool IsProtocolLine(const std::string& line)
{
    if (line.empty() || line == "uciok" || line == "readyok")
        return true;
    if (StartsWith(line, "id name ") || StartsWith(line, "id author ") || StartsWith(line, "option name ") ||
        StartsWith(line, "info "))
        return true;
    if (StartsWith(line, "bestmove "))
        return line == "bestmove 0000" || IsUciMove(line.substr(9));
    if (StartsWith(line, "Nodes searched: "))
        return IsNumber(line.substr(16));
    const std::size_t colon = line.find(": ");
    return colon != std::string::npos && IsUciMove(line.substr(0, colon)) && IsNumber(line.substr(colon + 2));
}

// The session's output: collects its lines and lets the feeder wait for a
// "bestmove" written by the search thread.
class OutputLines : public std::streambuf {
public:
    std::string Text()
    {
        std::lock_guard lock(mutex_);
        return text_;
    }
    std::size_t Size()
    {
        std::lock_guard lock(mutex_);
        return text_.size();
    }
    // Waits until a "bestmove" line stands after `from`, or the time is up.
    // Every "go" is answered by one; an "info string" about the command (a
    // depth clamped, a word left out) comes before a search, not instead.
    bool WaitForAnswer(std::size_t from, std::chrono::milliseconds limit)
    {
        std::unique_lock lock(mutex_);
        // A line that starts with the word: an "info string" may quote it.
        auto answered = [&] {
            for (std::size_t at = text_.find("bestmove", from); at != std::string::npos;
                 at = text_.find("bestmove", at + 1)) {
                if (at == 0 || text_[at - 1] == '\n')
                    return true;
            }
            return false;
        };
        return written_.wait_for(lock, limit, answered);
    }

protected:
    int_type overflow(int_type c) override
    {
        if (c != traits_type::eof()) {
            const char ch = traits_type::to_char_type(c);
            xsputn(&ch, 1);
        }
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* data, std::streamsize count) override
    {
        {
            std::lock_guard lock(mutex_);
            text_.append(data, static_cast<std::size_t>(count));
        }
        written_.notify_all();
        return count;
    }

private:
    std::mutex mutex_;
    std::condition_variable written_;
    std::string text_;
};

// A "go" that starts a search that ends by itself: not perft (it answers
// with counts, not a bestmove, and the next command waits for it or stops
// it) and not infinite (ended by the next command).
bool StartsSearch(const std::string& line)
{
    std::istringstream in(line);
    std::string word;
    if (!(in >> word) || word != "go")
        return false;
    while (in >> word) {
        if (word == "perft" || word == "infinite")
            return false;
    }
    return true;
}

// The session's input, one line at a time. After a "go" line that started
// a search, the next line is handed over only once the search has answered;
// a search that does not answer in time gets a "stop" first.
class CommandFeed : public std::streambuf {
public:
    CommandFeed(std::deque<std::string> lines, OutputLines& output) : lines_(std::move(lines)), output_(output) {}

protected:
    int_type underflow() override
    {
        if (gptr() < egptr())
            return traits_type::to_int_type(*gptr());
        if (awaitingBestMove_) {
            awaitingBestMove_ = false;
            if (!output_.WaitForAnswer(goOutputAt_, std::chrono::milliseconds(50)))
                lines_.push_front("stop");
        }
        if (lines_.empty())
            return traits_type::eof();
        current_ = lines_.front() + "\n";
        lines_.pop_front();
        if (StartsSearch(current_)) {
            awaitingBestMove_ = true;
            goOutputAt_ = output_.Size();
        }
        setg(current_.data(), current_.data(), current_.data() + current_.size());
        return traits_type::to_int_type(*gptr());
    }

private:
    std::deque<std::string> lines_;
    OutputLines& output_;
    std::string current_;
    bool awaitingBestMove_ = false;
    std::size_t goOutputAt_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A shallow default depth for "go" without one.
    std::deque<std::string> lines{"setoption name Depth value 1"};
    std::istringstream raw(std::string(reinterpret_cast<const char*>(data), size));
    for (std::string line; std::getline(raw, line);)
        lines.push_back(CapNumbers(line));

    OutputLines output;
    CommandFeed feed(std::move(lines), output);
    std::istream in(&feed);
    std::ostream out(&output);
    {
        TUciSession session(in, out);
        session.Run();
    }

    std::istringstream written(output.Text());
    for (std::string line; std::getline(written, line);)
        FUZZ_CHECK(IsProtocolLine(line), "the session wrote \"" + line + "\"");
    return 0;
}
