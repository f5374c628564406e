// The places of a PGN text's games (see PgnIndex.h). The scanner follows the
// reader's tokens (core/Pgn.cpp) without keeping any: it tells tags, move
// text, comments, variations and termination markers apart, and after a
// fault it can see it searches for the next game by the reader's rules.
#include "core/PgnIndex.h"

#include "core/PgnCharacters.h"
#include "core/PgnResume.h"

#include "core/Game.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::size_t ReportEvery = 1 << 20;
constexpr std::size_t MaxSymbolBytes = 255;

using pgnchars::ByteOrderMark;
using pgnchars::IsLineBreak;
using pgnchars::IsSpace;
using pgnchars::IsSymbolChar;
using pgnchars::IsSymbolStart;
using pgnchars::LineOpensTags;
using pgnchars::LineTextStart;

bool AllDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

class Scanner {
public:
    Scanner(std::string_view text, std::vector<PgnGamePlace>& places, const std::function<bool(std::size_t)>& keepGoing,
            const PgnLimits& limits)
        : text_(text)
        , places_(places)
        , keepGoing_(keepGoing)
        , limits_(limits)
    {
    }

    bool Run()
    {
        if (text_.substr(0, ByteOrderMark.size()) == ByteOrderMark)
            pos_ = lineStart_ = ByteOrderMark.size();
        while (true) {
            if (pos_ >= nextReport_) {
                nextReport_ = pos_ + ReportEvery;
                if (keepGoing_ && !keepGoing_(pos_))
                    return false;
            }
            SkipBlanks();
            if (pos_ >= text_.size()) {
                if (open_ && depth_ > 0) {
                    // The reader's variation has no end: it looks for the
                    // next game from the variation's start.
                    Recover(UnclosedVariation());
                    continue;
                }
                Close(false);
                break;
            }
            Step();
        }
        if (keepGoing_)
            keepGoing_(text_.size());
        return true;
    }

private:
    PgnGamePlace Here() const
    {
        PgnGamePlace place;
        place.Offset = pos_;
        place.Line = line_;
        place.Column = static_cast<std::uint32_t>(pos_ - lineStart_ + 1);
        return place;
    }

    // One character on, counting lines (LF, CR and CR LF each end one).
    void Advance()
    {
        const char c = text_[pos_];
        ++pos_;
        furthest_ = std::max(furthest_, pos_);
        if (c == '\r' || (c == '\n' && !(pos_ >= 2 && text_[pos_ - 2] == '\r'))) {
            ++line_;
            previousLineStart_ = lineStart_;
            lineStart_ = pos_;
        } else if (c == '\n') {
            lineStart_ = pos_; // the LF of a CR LF
        }
    }

    void SkipBlanks()
    {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (IsSpace(c)) {
                Advance();
            } else if (text_.substr(pos_, ByteOrderMark.size()) == ByteOrderMark) {
                // Files joined into one keep the mark each began with.
                pos_ += ByteOrderMark.size();
                furthest_ = std::max(furthest_, pos_);
            } else if (c == '%' && pos_ == LineTextStart(text_, lineStart_)) {
                // An escape line: another program's data.
                while (pos_ < text_.size() && !IsLineBreak(text_[pos_]))
                    Advance();
            } else {
                break;
            }
        }
    }

    void Open(const PgnGamePlace& at)
    {
        if (open_)
            return;
        open_ = true;
        start_ = at;
        furthest_ = at.Offset;
        content_ = false;
        inMoves_ = false;
        depth_ = 0;
        opens_.clear();
        skipFrom_ = 0;
        lineHasMove_.assign(static_cast<std::size_t>(limits_.MaxVariationDepth) + 2, false);
        tagCount_ = 0;
    }

    // The sequence ends; it is a game when it held a tag, a move or a fault,
    // or when `always` (a termination marker makes one of anything).
    void Close(bool always)
    {
        if (open_ && (always || content_)) {
            start_.Reach = std::max<std::uint64_t>(furthest_, start_.Offset + 1);
            places_.push_back(start_);
        }
        open_ = false;
    }

    // A fault the reader reports at `at`: the game is broken, and the next
    // one is looked for from there.
    void Fault(const PgnGamePlace& at) { Recover(at); }

    void Step()
    {
        const PgnGamePlace here = Here();
        const char c = text_[pos_];
        if (c == '[') {
            // The reader's game sees the bracket that ends it.
            furthest_ = std::max(furthest_, pos_ + 1);
            if (open_ && depth_ > 0) {
                Recover(UnclosedVariation());
                return;
            }
            if (open_ && inMoves_)
                Close(false);
            Open(here);
            ReadTag(here);
            return;
        }
        Open(here);
        inMoves_ = true;
        switch (c) {
        case '(': OpenVariation(here); return;
        case ')':
            if (depth_ == 0) {
                Fault(here);
                return;
            }
            Advance();
            if (skipFrom_ == depth_)
                skipFrom_ = 0;
            else if (skipFrom_ == 0)
                opens_.pop_back();
            --depth_;
            return;
        case '.': Advance(); return;
        case '*':
            Advance();
            if (depth_ == 0)
                Close(true);
            return;
        case '"':
            // A string is a fault outside a tag, and inside a variation
            // passed over only when it does not end on its line.
            if (!SkipString() || skipFrom_ == 0)
                Fault(here);
            return;
        case ']':
            if (skipFrom_ == 0) {
                Fault(here);
                return;
            }
            Advance();
            return;
        case '{':
            if (!SkipBraceComment())
                Fault(here);
            return;
        case ';':
            while (pos_ < text_.size() && !IsLineBreak(text_[pos_]))
                Advance();
            return;
        case '$':
            if (!SkipNag())
                Fault(here);
            return;
        case '!':
        case '?':
            if (!SkipSuffix())
                Fault(here);
            return;
        default: break;
        }
        if (IsSymbolStart(c)) {
            ReadSymbol(here);
            return;
        }
        // "--", '<', '>' and any other character are faults.
        Fault(here);
    }

    // The reader reads the whole token it refuses in a tag (a comment to
    // its end, say): the game's text must hold it.
    void LookAtToken()
    {
        if (pos_ >= text_.size())
            return;
        std::size_t end = pos_ + 1;
        const char c = text_[pos_];
        if (c == '{') {
            const std::size_t close = text_.find('}', pos_ + 1);
            end = close == std::string_view::npos ? text_.size() : close + 1;
        } else if (c == ';' || c == '"') {
            end = pos_ + 1;
            while (end < text_.size() && !IsLineBreak(text_[end]) && !(c == '"' && text_[end] == '"'))
                ++end;
            ++end;
        } else if (IsSymbolStart(c)) {
            while (end < text_.size() && IsSymbolChar(text_[end]))
                ++end;
            end += 3; // an en passant mark looked for
        } else {
            end = pos_ + 2; // "--"
        }
        furthest_ = std::max(furthest_, std::min(end, text_.size()));
    }

    // A variation is read like the main line when its line has a move for
    // it to replace; one before any move is passed over (only parentheses
    // counted, strings and brackets allowed), as the reader does.
    void OpenVariation(const PgnGamePlace& here)
    {
        Advance();
        if (skipFrom_ > 0) {
            if (++depth_ - skipFrom_ + 1 > limits_.MaxVariationDepth)
                Fault(here);
            return;
        }
        if (!lineHasMove_[static_cast<std::size_t>(depth_)]) {
            skipFrom_ = ++depth_;
            skipOpen_ = here;
            return;
        }
        if (depth_ + 1 > limits_.MaxVariationDepth) {
            Fault(here);
            return;
        }
        ++depth_;
        opens_.push_back(here);
        lineHasMove_[static_cast<std::size_t>(depth_)] = false;
    }

    // Where the reader reports a variation that a tag section or the end
    // of the text leaves open.
    PgnGamePlace UnclosedVariation() const { return skipFrom_ > 0 ? skipOpen_ : opens_.back(); }

    // [Name "value"], each part its own token as the reader takes them.
    void ReadTag(const PgnGamePlace& open)
    {
        content_ = true;
        Advance();
        SkipBlanks();
        const PgnGamePlace name = Here();
        if (pos_ >= text_.size() || !IsSymbolStart(text_[pos_])) {
            LookAtToken();
            Fault(pos_ >= text_.size() ? open : name);
            return;
        }
        std::size_t length = 0;
        while (pos_ < text_.size() && IsSymbolChar(text_[pos_])) {
            Advance();
            ++length;
        }
        if (length > MaxSymbolBytes || ++tagCount_ > limits_.MaxTags) {
            Fault(name);
            return;
        }
        SkipBlanks();
        const PgnGamePlace value = Here();
        if (pos_ >= text_.size() || text_[pos_] != '"' || !SkipString()) {
            LookAtToken();
            Fault(value);
            return;
        }
        SkipBlanks();
        const PgnGamePlace end = Here();
        if (pos_ >= text_.size() || text_[pos_] != ']') {
            LookAtToken();
            Fault(end);
            return;
        }
        Advance();
    }

    void ReadSymbol(const PgnGamePlace& here)
    {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && IsSymbolChar(text_[pos_]))
            Advance();
        if (pos_ - start > MaxSymbolBytes) {
            Fault(here);
            return;
        }
        std::string_view symbol = text_.substr(start, pos_ - start);
        // "exd6 e.p.": the mark is dropped, a lone "e" with it is a period.
        if (symbol.back() == 'e' && text_.substr(pos_, 3) == ".p.") {
            for (int i = 0; i < 3; ++i)
                Advance();
            symbol.remove_suffix(1);
        }
        if (symbol.empty() || AllDigits(symbol))
            return;
        // A result ends the game, but in a variation says nothing.
        if (Game::IsResultToken(symbol)) {
            if (depth_ == 0)
                Close(true);
            return;
        }
        lineHasMove_[static_cast<std::size_t>(depth_)] = true;
        if (depth_ == 0)
            content_ = true;
    }

    // From the opening quote; false when the string does not end on its
    // line or is too long.
    bool SkipString()
    {
        Advance();
        std::size_t length = 0;
        while (pos_ < text_.size() && !IsLineBreak(text_[pos_])) {
            char c = text_[pos_];
            if (c == '"') {
                Advance();
                return true;
            }
            if (c == '\\' && pos_ + 1 < text_.size() && !IsLineBreak(text_[pos_ + 1]))
                Advance();
            if (++length > limits_.MaxTokenBytes)
                return false;
            Advance();
        }
        return false;
    }

    bool SkipBraceComment()
    {
        const std::size_t close = text_.find('}', pos_ + 1);
        if (close == std::string_view::npos || close - pos_ - 1 > limits_.MaxTokenBytes)
            return false;
        while (pos_ <= close)
            Advance();
        return true;
    }

    bool SkipNag()
    {
        Advance();
        int value = 0, digits = 0;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            if (++digits > 3)
                return false;
            value = value * 10 + (text_[pos_] - '0');
            Advance();
        }
        return digits > 0 && value <= 255;
    }

    bool SkipSuffix()
    {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && (text_[pos_] == '!' || text_[pos_] == '?')) {
            if (pos_ - start >= 8)
                return false;
            Advance();
        }
        static constexpr std::string_view suffixes[] = {"!", "?", "!!", "??", "!?", "?!"};
        const std::string_view suffix = text_.substr(start, pos_ - start);
        return std::find(std::begin(suffixes), std::end(suffixes), suffix) != std::end(suffixes);
    }

    // Whether the line that begins at `lineStart` begins with a tag; the
    // first line has no line before it.
    bool OpensTags(std::size_t lineStart) const { return lineStart != lineStart_ && LineOpensTags(text_, lineStart); }

    // Puts the scan back at `at` (a place already passed).
    void Restore(const PgnGamePlace& at)
    {
        pos_ = at.Offset;
        line_ = at.Line;
        lineStart_ = at.Offset - (at.Column - 1);
        // The start of the line before (for the test of a tag section's
        // first line).
        previousLineStart_ = lineStart_;
        if (lineStart_ > 0) {
            std::size_t end = lineStart_ - 1; // the line's terminator
            if (end > 0 && text_[end] == '\n' && text_[end - 1] == '\r')
                --end;
            previousLineStart_ = end;
            while (previousLineStart_ > 0 && !IsLineBreak(text_[previousLineStart_ - 1]))
                --previousLineStart_;
        }
    }

    // After a broken game, as the reader does (core/PgnResume.h).
    void Recover(const PgnGamePlace& at)
    {
        content_ = true;
        Restore(at);
        const PgnTextPlace fault{pos_, line_, lineStart_, previousLineStart_};
        const PgnTextPlace resume = FindPgnResume(text_, fault, unclosedBraceFrom_);
        pos_ = resume.Pos;
        line_ = resume.Line;
        lineStart_ = resume.LineStart;
        previousLineStart_ = resume.PreviousLineStart;
        // The reader has looked at the fault's character at least.
        furthest_ = std::max({furthest_, pos_, static_cast<std::size_t>(at.Offset) + 1});
        Close(true);
    }

    std::string_view text_;
    std::vector<PgnGamePlace>& places_;
    const std::function<bool(std::size_t)>& keepGoing_;
    PgnLimits limits_;
    std::size_t nextReport_ = 0;

    std::size_t pos_ = 0;
    std::size_t furthest_ = 0; // the end of what the game under way has looked at
    std::uint32_t line_ = 1;
    std::size_t lineStart_ = 0;
    std::size_t previousLineStart_ = 0;
    std::size_t unclosedBraceFrom_ = std::string_view::npos;

    // The sequence of tokens under way: a game if it holds anything.
    bool open_ = false;
    PgnGamePlace start_;
    bool content_ = false;
    bool inMoves_ = false;
    int depth_ = 0;
    std::vector<PgnGamePlace> opens_; // the variations read like the main line
    int skipFrom_ = 0;                // the depth of the variation passed over, if any
    PgnGamePlace skipOpen_;
    std::vector<bool> lineHasMove_; // at each depth
    std::size_t tagCount_ = 0;
};

} // namespace

std::uint64_t GameTextEnd(const std::vector<PgnGamePlace>& places, std::size_t index, std::uint64_t textSize)
{
    const std::uint64_t next = index + 1 < places.size() ? places[index + 1].Offset : textSize;
    return std::min(std::max(next, places[index].Reach), textSize);
}

bool IndexPgn(std::string_view text, std::vector<PgnGamePlace>& places,
              const std::function<bool(std::size_t scanned)>& keepGoing)
{
    return Scanner(text, places, keepGoing, PgnLimits{}).Run();
}

std::string_view GameText(std::string_view text, const std::vector<PgnGamePlace>& places, std::size_t index)
{
    const std::size_t begin = static_cast<std::size_t>(places[index].Offset);
    const std::size_t end = static_cast<std::size_t>(GameTextEnd(places, index, text.size()));
    return text.substr(begin, end - begin);
}

PgnGame ReadIndexedGame(std::string_view gameText, const PgnGamePlace& place, std::size_t index,
                        const PgnLimits& limits)
{
    PgnGame first;
    bool found = false;
    // A game that begins in the middle of a line must not begin one here:
    // a '%' there is a character, not an escape line.
    std::string shifted;
    int shift = 0;
    if (place.Column > 1) {
        shifted.reserve(gameText.size() + 1);
        shifted += ' ';
        shifted += gameText;
        gameText = shifted;
        shift = 1;
    }
    ReadPgn(
        gameText,
        [&](PgnGame&& game) {
            if (!found)
                first = std::move(game);
            found = true;
        },
        limits);
    if (!found) {
        // Nothing of a game where one was found: the file changed since.
        first.Ok = false;
        first.Line = static_cast<int>(place.Line);
        first.Column = static_cast<int>(place.Column);
        first.Problem = NotationError{NotationReason::PgnUnexpectedCharacter, {}, '\0', 0};
        first.Error = PortugueseReason(first.Problem);
    } else if (!first.Ok) {
        if (first.Line == 1)
            first.Column += static_cast<int>(place.Column) - 1 - shift;
        first.Line += static_cast<int>(place.Line) - 1;
    }
    first.Index = index;
    return first;
}
