// The character classes of PGN's import format, shared by the game reader
// and the one-pass index of a file's games.
#pragma once

#include <cstddef>
#include <string_view>

namespace pgnchars {

inline constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

inline bool IsSymbolStart(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

inline bool IsSymbolChar(char c)
{
    switch (c) {
    case '_':
    case '+':
    case '#':
    case '=':
    case ':':
    case '-':
    case '/': return true;
    default: return IsSymbolStart(c);
    }
}

inline bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

inline bool IsLineBreak(char c)
{
    return c == '\n' || c == '\r';
}

// CR, LF and CRLF all end a line: a line ends at a LF, or at a CR that no
// LF follows.
inline bool EndsLine(std::string_view text, std::size_t pos)
{
    return text[pos] == '\n' || (text[pos] == '\r' && (pos + 1 >= text.size() || text[pos + 1] != '\n'));
}

// Where a line's text begins: after a byte-order mark at its start, which
// files joined into one carry at the start of each.
inline std::size_t LineTextStart(std::string_view text, std::size_t lineStart)
{
    return text.substr(lineStart, ByteOrderMark.size()) == ByteOrderMark ? lineStart + ByteOrderMark.size() : lineStart;
}

// Whether the line that begins at lineStart begins a tag section.
inline bool LineOpensTags(std::string_view text, std::size_t lineStart)
{
    const std::size_t first = LineTextStart(text, lineStart);
    return first < text.size() && text[first] == '[';
}

} // namespace pgnchars
