// Fuzz target: the UCI front end's command reader. The input is a stream of
// command lines served by a real session; every line the session writes must
// be one of the protocol's forms, every "bestmove" must name a move in UCI
// form, and the session must come to an end. Numbers in "go" and
// "setoption" lines are capped before the session reads them, so that the
// searches and perft runs the fuzzer asks for stay shallow; everything else
// reaches the reader as it came.
#include "FuzzSupport.h"

#include "tools/uci/UciSession.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <regex>
#include <sstream>
#include <string>

namespace {

constexpr int DeepestAllowed = 2;

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

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
        if ((number && error == std::errc() && value > DeepestAllowed) || (number && error == std::errc::result_out_of_range))
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A shallow default depth for "go" without one.
    std::string commands = "setoption name Depth value 1\n";
    std::istringstream raw(std::string(reinterpret_cast<const char*>(data), size));
    for (std::string line; std::getline(raw, line);)
        commands += CapNumbers(line) + "\n";

    std::istringstream in(commands);
    std::ostringstream out;
    {
        TUciSession session(in, out);
        session.Run();
    }

    std::istringstream written(out.str());
    for (std::string line; std::getline(written, line);)
        FUZZ_CHECK(IsProtocolLine(line), "the session wrote \"" + line + "\"");
    return 0;
}
