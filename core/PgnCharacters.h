// The character classes of PGN's import format, shared by the game reader
// and the one-pass index of a file's games.
#pragma once

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

} // namespace pgnchars
