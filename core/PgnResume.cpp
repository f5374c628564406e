// The search for the next game after a broken one. See PgnResume.h.
#include "core/PgnResume.h"

#include "core/PgnCharacters.h"

#include <algorithm>

using namespace pgnchars;

namespace {

bool IsTermination(std::string_view symbol)
{
    return symbol == "1-0" || symbol == "0-1" || symbol == "1/2-1/2";
}

// The scan's place with whether its line and the one before open tags.
class Scan {
public:
    Scan(std::string_view text, const PgnTextPlace& from)
        : text_(text)
        , here_(from)
        , lineOpensTags_(LineOpensTags(text, from.LineStart))
        , previousOpensTags_(from.PreviousLineStart != from.LineStart && LineOpensTags(text, from.PreviousLineStart))
    {
    }

    bool AtEnd() const { return here_.Pos >= text_.size(); }
    char Char() const { return text_[here_.Pos]; }
    std::size_t Pos() const { return here_.Pos; }
    const PgnTextPlace& Place() const { return here_; }
    bool AtLineText() const { return here_.Pos == LineTextStart(text_, here_.LineStart); }
    bool PreviousOpensTags() const { return previousOpensTags_; }

    void Step()
    {
        if (EndsLine(text_, here_.Pos)) {
            ++here_.Line;
            here_.PreviousLineStart = here_.LineStart;
            here_.LineStart = here_.Pos + 1;
            previousOpensTags_ = lineOpensTags_;
            lineOpensTags_ = LineOpensTags(text_, here_.LineStart);
        }
        ++here_.Pos;
    }

private:
    std::string_view text_;
    PgnTextPlace here_;
    bool lineOpensTags_;
    bool previousOpensTags_;
};

} // namespace

PgnTextPlace FindPgnResume(std::string_view text, const PgnTextPlace& fault, std::size_t& unclosedBraceFrom)
{
    Scan scan(text, fault);
    if (!scan.AtEnd())
        scan.Step(); // past the fault's character
    enum class Inside { Nothing, Brace, Line, String };
    Inside inside = Inside::Nothing;
    while (!scan.AtEnd()) {
        const char c = scan.Char();
        switch (inside) {
        case Inside::Brace:
            if (c == '}')
                inside = Inside::Nothing;
            scan.Step();
            continue;
        case Inside::Line:
            if (IsLineBreak(c))
                inside = Inside::Nothing;
            scan.Step();
            continue;
        case Inside::String:
            if (c == '"' || IsLineBreak(c))
                inside = Inside::Nothing;
            else if (c == '\\' && scan.Pos() + 1 < text.size() && !IsLineBreak(text[scan.Pos() + 1]))
                scan.Step();
            scan.Step();
            continue;
        case Inside::Nothing: break;
        }
        const bool lineText = scan.AtLineText();
        if (lineText && c == '[' && !scan.PreviousOpensTags())
            return scan.Place();
        if (lineText && c == '%') {
            inside = Inside::Line;
        } else if (c == ';') {
            inside = Inside::Line;
        } else if (c == '"') {
            inside = Inside::String;
        } else if (c == '{') {
            if (scan.Pos() >= unclosedBraceFrom || text.find('}', scan.Pos() + 1) == std::string_view::npos)
                unclosedBraceFrom = std::min(unclosedBraceFrom, scan.Pos());
            else
                inside = Inside::Brace;
        } else if (c == '*') {
            scan.Step();
            return scan.Place();
        } else if (IsSymbolStart(c)) {
            const std::size_t start = scan.Pos();
            while (!scan.AtEnd() && IsSymbolChar(scan.Char()))
                scan.Step(); // a symbol holds no line break
            if (IsTermination(text.substr(start, scan.Pos() - start)))
                return scan.Place();
            continue;
        }
        scan.Step();
    }
    return scan.Place();
}
