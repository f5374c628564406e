// The piece letters: "PNBRQK" for White's pieces, "pnbrqk" for Black's.
#pragma once

inline constexpr bool IsPieceLetter(char c)
{
    switch (c) {
    case 'P':
    case 'N':
    case 'B':
    case 'R':
    case 'Q':
    case 'K':
    case 'p':
    case 'n':
    case 'b':
    case 'r':
    case 'q':
    case 'k': return true;
    default: return false;
    }
}

// The letter in upper case: the kind of piece whatever its colour ('n' and
// 'N' are both 'N'). Any other character is returned as it is.
inline constexpr char UpperPiece(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// The letter of a White piece (upper case). Says nothing of whether the
// character is a piece letter at all.
inline constexpr bool IsWhitePiece(char c)
{
    return c >= 'A' && c <= 'Z';
}
