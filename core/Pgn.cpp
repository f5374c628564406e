// PGN import and export.
#include "core/Pgn.h"

#include "core/Chess960.h"
#include "core/PgnCharacters.h"
#include "core/PgnResume.h"

#include "core/San.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <utility>

namespace {

// The start number of a Chess960Number tag: 0..959 written plainly, else
// the usual array's.
int Chess960TagNumber(const Game& game)
{
    const std::string text = game.Tag(Chess960NumberTag).value_or(std::string());
    const char* const end = text.data() + text.size();
    int number = -1;
    const auto [stop, problem] = std::from_chars(text.data(), end, number);
    const bool fits = problem == std::errc() && stop == end && number >= 0 && number < Chess960PositionCount;
    return fits ? number : Chess960StandardNumber;
}

enum class TokenType {
    End,
    LeftBracket,
    RightBracket,
    LeftParen,
    RightParen,
    Period,
    Star,
    String,
    Symbol,
    Nag,
    Comment,
    Error
};

struct Token {
    TokenType Type = TokenType::End;
    std::string Text;      // a string's value, a comment's text, a symbol
    NotationError Problem; // an error's reason
    int Nag = 0;
    std::size_t Offset = 0;
    int Line = 1;
    int Column = 1;
};

using pgnchars::ByteOrderMark;
using pgnchars::EndsLine;
using pgnchars::IsLineBreak;
using pgnchars::IsSpace;
using pgnchars::IsSymbolChar;
using pgnchars::IsSymbolStart;
using pgnchars::LineTextStart;

// A comment's words with single blanks between them: line breaks in a
// comment are the file's layout, not its text.
std::string Trimmed(std::string_view text)
{
    std::string out;
    bool blank = false;
    for (char c : text) {
        if (IsSpace(c)) {
            blank = !out.empty();
            continue;
        }
        if (blank)
            out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

// The NAG a suffix annotation stands for; 0 when it is none of the six.
int SuffixNag(std::string_view text)
{
    static constexpr std::pair<std::string_view, int> suffixes[] = {{"!", 1},  {"?", 2},  {"!!", 3},
                                                                    {"??", 4}, {"!?", 5}, {"?!", 6}};
    for (const auto& [suffix, nag] : suffixes)
        if (suffix == text)
            return nag;
    return 0;
}

std::string Printable(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x21 && byte < 0x7f)
        return std::string("'") + c + "'";
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", byte);
    return hex;
}

class Lexer {
public:
    struct Place {
        std::size_t Pos = 0;
        int Line = 1;
        std::size_t LineStart = 0;
    };

    Lexer(std::string_view text, std::size_t maxToken) : text_(text), maxToken_(maxToken)
    {
        if (text_.substr(0, ByteOrderMark.size()) == ByteOrderMark)
            place_.Pos = place_.LineStart = ByteOrderMark.size();
    }

    Place Where() const { return place_; }
    void Restore(const Place& place) { place_ = place; }
    std::string_view Text() const { return text_; }
    // Steps over one character, counting lines.
    void Skip()
    {
        if (place_.Pos < text_.size())
            Advance();
    }

    Token Next()
    {
        SkipBlanks();
        Token token;
        token.Offset = place_.Pos;
        token.Line = place_.Line;
        token.Column = static_cast<int>(place_.Pos - place_.LineStart) + 1;
        if (place_.Pos >= text_.size())
            return token;
        const char c = text_[place_.Pos];
        auto single = [&](TokenType type) {
            Advance();
            token.Type = type;
            return token;
        };
        switch (c) {
        case '[': return single(TokenType::LeftBracket);
        case ']': return single(TokenType::RightBracket);
        case '(': return single(TokenType::LeftParen);
        case ')': return single(TokenType::RightParen);
        case '.': return single(TokenType::Period);
        case '*': return single(TokenType::Star);
        case '"': return ReadString(token);
        case '{': return ReadBraceComment(token);
        case ';': return ReadLineComment(token);
        case '$': return ReadNag(token);
        case '!':
        case '?': return ReadSuffix(token);
        default: break;
        }
        if (IsSymbolStart(c))
            return ReadSymbol(token);
        if (c == '-' && place_.Pos + 1 < text_.size() && text_[place_.Pos + 1] == '-')
            return Fail(token, NotationReason::PgnNullMove);
        if (c == '<' || c == '>')
            return Fail(token, NotationReason::PgnReservedCharacter, Printable(c));
        return Fail(token, NotationReason::PgnUnexpectedCharacter, Printable(c));
    }

private:
    void Advance()
    {
        if (EndsLine(text_, place_.Pos)) {
            ++place_.Line;
            place_.LineStart = place_.Pos + 1;
        }
        ++place_.Pos;
    }

    void SkipBlanks()
    {
        while (place_.Pos < text_.size()) {
            const char c = text_[place_.Pos];
            if (IsSpace(c)) {
                Advance();
            } else if (text_.substr(place_.Pos, ByteOrderMark.size()) == ByteOrderMark) {
                // Files joined into one keep the mark each began with.
                place_.Pos += ByteOrderMark.size();
            } else if (c == '%' && place_.Pos == LineTextStart(text_, place_.LineStart)) {
                // An escape line: another program's data, ignored whole.
                while (place_.Pos < text_.size() && !IsLineBreak(text_[place_.Pos]))
                    Advance();
            } else {
                break;
            }
        }
    }

    Token Fail(Token token, NotationReason reason, std::string text = {})
    {
        token.Type = TokenType::Error;
        token.Problem = NotationError{reason, std::move(text), '\0', 0};
        return token;
    }

    Token ReadString(Token token)
    {
        Advance();
        while (true) {
            if (place_.Pos >= text_.size() || IsLineBreak(text_[place_.Pos]))
                return Fail(token, NotationReason::PgnUnclosedString);
            char c = text_[place_.Pos];
            if (c == '"') {
                Advance();
                token.Type = TokenType::String;
                return token;
            }
            if (c == '\\' && place_.Pos + 1 < text_.size() && !IsLineBreak(text_[place_.Pos + 1])) {
                Advance();
                c = text_[place_.Pos];
            }
            if (token.Text.size() >= maxToken_)
                return Fail(token, NotationReason::PgnStringTooLong);
            token.Text += c;
            Advance();
        }
    }

    Token ReadBraceComment(Token token)
    {
        Advance();
        const std::size_t start = place_.Pos;
        while (place_.Pos < text_.size() && text_[place_.Pos] != '}') {
            if (place_.Pos - start >= maxToken_)
                return Fail(token, NotationReason::PgnCommentTooLong);
            Advance();
        }
        if (place_.Pos >= text_.size())
            return Fail(token, NotationReason::PgnUnclosedComment);
        token.Text = Trimmed(text_.substr(start, place_.Pos - start));
        Advance();
        token.Type = TokenType::Comment;
        return token;
    }

    Token ReadLineComment(Token token)
    {
        Advance();
        const std::size_t start = place_.Pos;
        while (place_.Pos < text_.size() && !IsLineBreak(text_[place_.Pos])) {
            if (place_.Pos - start >= maxToken_)
                return Fail(token, NotationReason::PgnCommentTooLong);
            Advance();
        }
        token.Text = Trimmed(text_.substr(start, place_.Pos - start));
        token.Type = TokenType::Comment;
        return token;
    }

    Token ReadNag(Token token)
    {
        Advance();
        int value = 0, digits = 0;
        while (place_.Pos < text_.size() && text_[place_.Pos] >= '0' && text_[place_.Pos] <= '9') {
            if (++digits > 3)
                return Fail(token, NotationReason::PgnNagOutOfRange);
            value = value * 10 + (text_[place_.Pos] - '0');
            Advance();
        }
        if (digits == 0)
            return Fail(token, NotationReason::PgnNagWithoutNumber);
        if (value > 255)
            return Fail(token, NotationReason::PgnNagOutOfRange);
        token.Type = TokenType::Nag;
        token.Nag = value;
        return token;
    }

    Token ReadSuffix(Token token)
    {
        const std::size_t start = place_.Pos;
        while (place_.Pos < text_.size() && (text_[place_.Pos] == '!' || text_[place_.Pos] == '?')) {
            if (place_.Pos - start >= 8)
                return Fail(token, NotationReason::PgnAnnotationTooLong);
            Advance();
        }
        token.Type = TokenType::Nag;
        token.Nag = SuffixNag(text_.substr(start, place_.Pos - start));
        if (token.Nag == 0)
            return Fail(token, NotationReason::PgnBadAnnotation, std::string(text_.substr(start, place_.Pos - start)));
        return token;
    }

    Token ReadSymbol(Token token)
    {
        const std::size_t start = place_.Pos;
        while (place_.Pos < text_.size() && IsSymbolChar(text_[place_.Pos]))
            Advance();
        if (place_.Pos - start > 255)
            return Fail(token, NotationReason::PgnSymbolTooLong);
        token.Type = TokenType::Symbol;
        token.Text = std::string(text_.substr(start, place_.Pos - start));
        // Old files mark en passant captures "exd6 e.p." or "exd6e.p.": the
        // mark is dropped (a lone mark reads as a period, which is skipped).
        if (token.Text.back() == 'e' && text_.substr(place_.Pos, 3) == ".p.") {
            for (int i = 0; i < 3; ++i)
                Advance();
            token.Text.pop_back();
            if (token.Text.empty())
                token.Type = TokenType::Period;
        }
        return token;
    }

    std::string_view text_;
    std::size_t maxToken_;
    Place place_;
};

struct GameFailure {
    Token At;
    NotationError Problem;
};

GameFailure Failure(const Token& at, NotationReason reason)
{
    return GameFailure{at, NotationError{reason, {}, '\0', 0}};
}

// The Seven Tag Roster and the set-up tags: a game has each at most once
// (a repeated one replaces the earlier), so they do not count against the
// limit on tags, and the writer can always add them.
bool IsStandardTag(std::string_view name)
{
    static constexpr std::string_view standard[] = {"Event", "Site",   "Date",  "Round", "White",
                                                    "Black", "Result", "SetUp", "FEN"};
    return std::find(std::begin(standard), std::end(standard), name) != std::end(standard);
}

bool AllDigits(std::string_view text)
{
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

class Reader {
public:
    Reader(std::string_view text, const PgnLimits& limits) : lexer_(text, limits.MaxTokenBytes), limits_(limits) {}

    // Reads the next game; false at the end of the text.
    bool ReadGame(PgnGame& out)
    {
        while (true) {
            const Token first = Peek();
            if (first.Type == TokenType::End)
                return false;
            gameStart_ = first.Offset;
            try {
                // Comments and move numbers with no tags, moves or result
                // around them (a note after the last game) are no game.
                if (!ReadOne(out.Value))
                    continue;
                out.Ok = true;
            } catch (const GameFailure& e) {
                out.Ok = false;
                out.Value = Game();
                out.Line = e.At.Line;
                out.Column = e.At.Column;
                out.Problem = e.Problem;
                out.Error = PortugueseReason(e.Problem);
                Recover(e.At);
            }
            return true;
        }
    }

private:
    Token Peek()
    {
        if (!peeked_) {
            peekedToken_ = lexer_.Next();
            peeked_ = true;
        }
        return peekedToken_;
    }

    Token Take()
    {
        Token token = Peek();
        peeked_ = false;
        if (token.Type == TokenType::Error)
            throw GameFailure{token, token.Problem};
        if (token.Offset - gameStart_ > limits_.MaxGameBytes)
            throw Failure(token, NotationReason::PgnGameTooLarge);
        return token;
    }

    Token Expect(TokenType type, NotationReason otherwise)
    {
        Token token = Take();
        if (token.Type != type)
            throw Failure(token, otherwise);
        return token;
    }

    // False when the text held nothing of a game.
    bool ReadOne(Game& game)
    {
        game = Game();
        std::optional<Token> fenTag;
        std::size_t tagCount = 0;
        while (Peek().Type == TokenType::LeftBracket) {
            Take();
            const Token name = Expect(TokenType::Symbol, NotationReason::PgnExpectedTagName);
            const Token value = Expect(TokenType::String, NotationReason::PgnExpectedTagValue);
            Expect(TokenType::RightBracket, NotationReason::PgnExpectedTagEnd);
            if (!IsStandardTag(name.Text) && ++tagCount > limits_.MaxTags)
                throw Failure(name, NotationReason::PgnTooManyTags);
            game.SetTag(name.Text, value.Text);
            if (name.Text == "FEN")
                fenTag = value;
        }
        const bool chess960 = IsChess960Variant(game.Tag("Variant").value_or(std::string()));
        if (fenTag) {
            FenPosition start;
            NotationError error;
            if (!ReadFen(fenTag->Text, start, error, chess960))
                throw GameFailure{*fenTag, error};
            game.SetStart(start);
        } else if (chess960) {
            // Without a FEN tag the number names the start; without either,
            // the usual array.
            FenPosition start;
            start.State = Chess960StartPosition(Chess960TagNumber(game));
            game.SetStart(start);
        }

        return ReadLine(game, nullptr, game.StartState(), nullptr, 0);
    }

    // Where the moves of a line go: the main line through the game (which
    // keeps its final position), a variation in a vector of its own.
    struct LineBeingRead {
        Game& Record;
        GameVariation* Variation; // null for the main line
        GameState Position;       // after the line's last move
        GameState Before;         // before it: where its variations start

        std::vector<GameMove>& Moves() { return Variation ? Variation->Moves : Record.Moves(); }
        void AddComment(const std::string& text)
        {
            if (Moves().empty()) {
                if (Variation) {
                    Join(Variation->StartComment, text);
                } else {
                    std::string comment = Record.StartComment();
                    Join(comment, text);
                    Record.SetStartComment(std::move(comment));
                }
            } else {
                Join(Moves().back().Comment, text);
            }
        }
        static void Join(std::string& target, const std::string& text)
        {
            if (!target.empty())
                target += ' ';
            target += text;
        }
    };

    // Reads the moves of the main line (variation null) to the game's end,
    // or of a variation to its closing parenthesis. False when the main
    // line held nothing of a game.
    bool ReadLine(Game& game, GameVariation* variation, const GameState& start, const Token* open, int depth)
    {
        LineBeingRead line{game, variation, start, start};
        while (true) {
            const Token next = Peek();
            switch (next.Type) {
            case TokenType::End:
            case TokenType::LeftBracket:
                if (variation)
                    throw Failure(*open, NotationReason::PgnUnclosedVariation);
                // No termination marker: the game ends where the text or
                // the next game's tags begin.
                if (const std::optional<std::string> tag = game.Tag("Result"))
                    game.SetResult(*tag);
                return !game.Tags().empty() || game.PlyCount() > 0;
            case TokenType::Star:
                Take();
                if (variation)
                    break; // a variation's own end mark says nothing of the game
                game.SetResult("*");
                return true;
            case TokenType::Period: Take(); break;
            case TokenType::Comment: {
                const Token comment = Take();
                if (!comment.Text.empty())
                    line.AddComment(comment.Text);
                break;
            }
            case TokenType::Nag: {
                const Token nag = Take();
                if (!line.Moves().empty() && line.Moves().back().Nags.size() < 16)
                    line.Moves().back().Nags.push_back(nag.Nag);
                break;
            }
            case TokenType::LeftParen: ReadVariation(line, depth); break;
            case TokenType::RightParen:
                if (!variation)
                    throw Failure(next, NotationReason::PgnUnopenedVariation);
                Take();
                return true;
            case TokenType::Symbol: {
                const Token symbol = Take();
                if (AllDigits(symbol.Text))
                    break; // a move number
                if (Game::IsResultToken(symbol.Text)) {
                    if (variation)
                        break;
                    game.SetResult(symbol.Text);
                    return true;
                }
                if (line.Moves().size() >= limits_.MaxPlies)
                    throw Failure(symbol, NotationReason::PgnGameTooLong);
                ReadMove(line, symbol);
                break;
            }
            default:
                Take();
                throw Failure(next,
                              next.Type == TokenType::String ? NotationReason::PgnStringOutsideTag
                                                             : NotationReason::PgnBracketOutsideTag);
            }
        }
    }

    void ReadMove(LineBeingRead& line, const Token& symbol)
    {
        ChessMove move;
        NotationError error;
        if (!ReadSan(line.Position, symbol.Text, move, error))
            throw GameFailure{symbol, error};
        line.Before = line.Position;
        if (line.Variation) {
            GameMove recorded;
            recorded.Move = move;
            recorded.San = MoveToSan(line.Position, move);
            line.Variation->Moves.push_back(std::move(recorded));
            line.Position = PositionAfter(line.Position, move);
        } else {
            line.Record.AddMove(move);
            line.Position = line.Record.FinalPosition();
        }
    }

    // A variation hangs on the last move of its line and starts where that
    // move was played. One before any move has nothing to replace: it is
    // passed over.
    void ReadVariation(LineBeingRead& line, int depth)
    {
        if (line.Moves().empty()) {
            SkipVariation();
            return;
        }
        const Token open = Take();
        if (depth + 1 > limits_.MaxVariationDepth)
            throw Failure(open, NotationReason::PgnVariationsTooDeep);
        GameVariation variation;
        ReadLine(line.Record, &variation, line.Before, &open, depth + 1);
        line.Moves().back().Variations.push_back(std::move(variation));
    }

    void SkipVariation()
    {
        const Token open = Take();
        int depth = 1;
        while (depth > 0) {
            Token token = Peek();
            if (token.Type == TokenType::End || token.Type == TokenType::LeftBracket)
                throw Failure(open, NotationReason::PgnUnclosedVariation);
            token = Take();
            if (token.Type == TokenType::LeftParen && ++depth > limits_.MaxVariationDepth)
                throw Failure(token, NotationReason::PgnVariationsTooDeep);
            if (token.Type == TokenType::RightParen)
                --depth;
        }
    }

    // After a broken game: past its termination marker, or to the first
    // line of the next tag section, whichever comes first (core/PgnResume.h).
    // A plain scan of the characters from the error on, not of tokens: it
    // keeps no token and looks at each character a bounded number of times,
    // whatever the text holds and however long its lines are.
    void Recover(const Token& at)
    {
        peeked_ = false;
        const std::string_view text = lexer_.Text();
        PgnTextPlace fault;
        fault.Pos = at.Offset;
        fault.Line = static_cast<std::uint32_t>(at.Line);
        fault.LineStart = at.Offset - static_cast<std::size_t>(at.Column - 1);
        fault.PreviousLineStart = fault.LineStart; // not asked: the search leaves the line first
        const PgnTextPlace resume = FindPgnResume(text, fault, unclosedBraceFrom_);
        Lexer::Place place;
        place.Line = static_cast<int>(resume.Line);
        place.LineStart = resume.LineStart;
        place.Pos = resume.Pos;
        lexer_.Restore(place);
    }

    Lexer lexer_;
    PgnLimits limits_;
    bool peeked_ = false;
    Token peekedToken_;
    std::size_t gameStart_ = 0;
    // No closing brace follows this offset (found while recovering).
    std::size_t unclosedBraceFrom_ = std::string_view::npos;
};

} // namespace

std::size_t ReadPgn(std::string_view text, const std::function<void(PgnGame&&)>& sink, const PgnLimits& limits)
{
    Reader reader(text, limits);
    std::size_t index = 0;
    while (true) {
        PgnGame game;
        game.Index = index;
        if (!reader.ReadGame(game))
            break;
        ++index;
        sink(std::move(game));
    }
    return index;
}

std::vector<PgnGame> ReadPgn(std::string_view text, const PgnLimits& limits)
{
    std::vector<PgnGame> games;
    ReadPgn(
        text, [&games](PgnGame&& game) { games.push_back(std::move(game)); }, limits);
    return games;
}

std::string EscapePgnString(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (char c : value) {
        if (c == '"' || c == '\\')
            out += '\\';
        // A string token ends at its line; a line break in a value becomes a
        // blank.
        out += (c == '\n' || c == '\r' || c == '\t') ? ' ' : c;
    }
    return out;
}

namespace {

// The longest brace comment the writer makes: far below what the reader
// takes as one token, so that a longer comment (many joined into one) is
// written as several, which the reader joins again.
constexpr std::size_t MaxWrittenCommentBytes = PgnLimits{}.MaxTokenBytes / 2;

// Ends the export line after the word before it: a ";" comment runs to
// the end of its line.
constexpr std::string_view LineBreakWord = "\n";

// Splits a comment into the words of "{...}", so that the export lines can
// break between them; a word longer than a line stays whole. A comment
// with a closing brace, which would end a brace comment early, is written
// as a ";" comment on the rest of its line, unless it is too long for one
// token (its braces then become parentheses).
void AppendCommentWords(std::string_view comment, std::vector<std::string>& words)
{
    std::vector<std::string> parts;
    std::string current;
    for (char c : comment) {
        if (IsSpace(c)) {
            if (!current.empty())
                parts.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        parts.push_back(std::move(current));
    if (parts.empty())
        return;
    if (comment.find('}') != std::string_view::npos) {
        std::string line = ";";
        for (const std::string& part : parts) {
            if (line.size() > 1)
                line += ' ';
            line += part;
        }
        if (line.size() < MaxWrittenCommentBytes) {
            words.push_back(std::move(line));
            words.emplace_back(LineBreakWord);
            return;
        }
        for (std::string& part : parts)
            std::replace(part.begin(), part.end(), '}', ')');
    }
    std::size_t written = 0; // bytes in the brace comment being written
    for (std::size_t k = 0; k < parts.size(); ++k) {
        if (k == 0 || written + 1 + parts[k].size() > MaxWrittenCommentBytes) {
            if (k > 0)
                words.back() += '}';
            parts[k] = std::string(1, '{').append(parts[k]);
            written = 0;
        }
        written += parts[k].size() + 1;
        words.push_back(std::move(parts[k]));
    }
    words.back() += '}';
}

// Puts a parenthesis at a word, or beside it when the word would then no
// longer fit a line.
void Parenthesize(std::vector<std::string>& words, std::size_t first)
{
    if (first == words.size()) {
        words.push_back("()");
        return;
    }
    // Built by appending: GCC 12 warns falsely (-Wrestrict) on an insertion
    // at the front once it is inlined.
    if (words[first].size() < 80)
        words[first] = std::string(1, '(').append(words[first]);
    else
        words.insert(words.begin() + static_cast<std::ptrdiff_t>(first), "(");
    if (words.back().size() < 80 && words.back() != LineBreakWord)
        words.back() += ')';
    else
        words.push_back(")");
}

// The words of a line of moves that begins with move `number`, White to
// play when `white`, with the variations of each move after it.
void AppendMoveWords(const std::vector<GameMove>& moves, int number, bool white, std::vector<std::string>& words)
{
    bool needNumber = true;
    for (const GameMove& move : moves) {
        // A move number stays on the line of its move.
        if (white)
            words.push_back(std::to_string(number) + ". " + move.San);
        else if (needNumber)
            words.push_back(std::to_string(number) + "... " + move.San);
        else
            words.push_back(move.San);
        for (int nag : move.Nags)
            words.push_back(std::string(1, '$').append(std::to_string(nag)));
        AppendCommentWords(move.Comment, words);
        for (const GameVariation& variation : move.Variations) {
            const std::size_t first = words.size();
            AppendCommentWords(variation.StartComment, words);
            AppendMoveWords(variation.Moves, number, white, words);
            Parenthesize(words, first);
        }
        needNumber = !move.Comment.empty() || !move.Variations.empty();
        if (!white)
            ++number;
        white = !white;
    }
}

} // namespace

std::string WritePgn(const Game& game)
{
    std::string out;
    auto tagLine = [&out](std::string_view name, std::string_view value) {
        out += '[';
        out += name;
        out += " \"";
        out += EscapePgnString(value);
        out += "\"]\n";
    };
    static constexpr std::pair<std::string_view, std::string_view> roster[] = {
        {"Event", "?"}, {"Site", "?"}, {"Date", "????.??.??"}, {"Round", "?"}, {"White", "?"}, {"Black", "?"}};
    for (const auto& [name, fallback] : roster)
        tagLine(name, game.Tag(name).value_or(std::string(fallback)));
    tagLine("Result", game.Result());
    if (!game.StartsFromStandardPosition()) {
        tagLine("SetUp", "1");
        tagLine("FEN", WriteFen(game.StartState(), game.StartHalfMoveClock()));
    }
    // As many other tags as the reader takes: a game holds no more unless
    // tags were added to one read at the limit, and those are dropped.
    std::size_t others = 0;
    for (const GameTag& tag : game.Tags())
        if (!IsStandardTag(tag.Name) && others++ < PgnLimits{}.MaxTags)
            tagLine(tag.Name, tag.Value);
    out += '\n';

    std::vector<std::string> words;
    AppendCommentWords(game.StartComment(), words);
    const GameState& start = game.StartState();
    AppendMoveWords(game.Moves(), start.CurrentMove, start.WhiteToMove, words);
    words.push_back(game.Result());

    std::string line;
    for (const std::string& word : words) {
        if (word == LineBreakWord) {
            out += line;
            out += '\n';
            line.clear();
            continue;
        }
        if (!line.empty() && line.size() + 1 + word.size() > 80) {
            out += line;
            out += '\n';
            line.clear();
        }
        if (!line.empty())
            line += ' ';
        line += word;
    }
    out += line;
    out += "\n\n";
    return out;
}
