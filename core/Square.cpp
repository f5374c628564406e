// Square names.
#include "core/Square.h"

std::string SquareName(Square square)
{
    const int n = Ord(square);
    if (n < 1 || n > 64)
        return "??";
    return {static_cast<char>('A' + FileOf(square) - 1), static_cast<char>('0' + RankOf(square))};
}

std::string LowerSquareName(Square square)
{
    const int n = Ord(square);
    if (n < 1 || n > 64)
        return "-";
    return {static_cast<char>('a' + FileOf(square) - 1), static_cast<char>('0' + RankOf(square))};
}

Square SquareFromName(char file, char rank)
{
    if (file >= 'A' && file <= 'H')
        file = static_cast<char>(file - 'A' + 'a');
    if (file < 'a' || file > 'h' || rank < '1' || rank > '8')
        return Square::None;
    return SquareAt(file - 'a' + 1, rank - '0');
}
