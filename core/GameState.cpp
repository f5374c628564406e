// Position string reading and writing, and the colour of a square's piece.
#include "core/GameState.h"

#include "core/Rules.h"

#include <algorithm>
#include <cctype>

BoardArray GameState::InitialBoard()
{
    BoardArray board{};
    board[0] = OffBoardFiller;
    for (int i = 1; i <= 64; ++i)
        board[i] = InitialPositionString[i - 1];
    return board;
}

GameState GameState::FromPlacement(std::string_view placement, bool whiteToMove, CastleSet castling, Square enPassant)
{
    GameState state;
    state.Clear();
    for (std::size_t i = 0; i < placement.size() && i < 64; ++i) {
        if (IsPieceLetter(placement[i]))
            state.Board[i + 1] = placement[i];
    }
    state.WhiteToMove = whiteToMove;
    state.CastlingAllowed = castling;
    state.EnPassant = enPassant;
    return state;
}

bool operator==(const GameState& a, const GameState& b)
{
    if (a.Board != b.Board || a.WhiteToMove != b.WhiteToMove || a.CastlingAllowed != b.CastlingAllowed)
        return false;
    for (std::size_t i = 0; i < a.CastlingRookFile.size(); ++i)
        if (a.CastlingAllowed.Contains(static_cast<CanStillCastle>(i)) &&
            a.CastlingRookFile[i] != b.CastlingRookFile[i])
            return false;
    if (a.EnPassant == b.EnPassant)
        return true;
    return CapturableEnPassant(a) == CapturableEnPassant(b);
}

void GameState::Clear()
{
    Board.fill(EmptySquare);
    Board[0] = OffBoardFiller;
}

int PieceColor(const BoardArray& board, Square square)
{
    if (Ord(square) > 64)
        return -1;
    const char c = board[Ord(square)];
    if (c >= 'B' && c <= 'R')
        return 1;
    if (c >= 'b' && c <= 'r')
        return 0;
    return -1;
}

std::string PositionString(const BoardArray& board)
{
    return std::string(board.begin() + 1, board.end());
}

namespace {

std::string AsciiLower(const std::string& text)
{
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : static_cast<char>(c);
    });
    return lower;
}

} // namespace

void ParsePositionString(BoardArray& board, const std::string& text)
{
    for (int i = 1; i <= 64; ++i)
        board[i] = EmptySquare;
    const int length = static_cast<int>(std::min<std::size_t>(64, text.size()));
    for (int i = 1; i <= length; ++i) {
        const char c = text[i - 1];
        if (c == '\0')
            break;
        if (c == EmptySquare || IsPieceLetter(c))
            board[i] = c;
    }
    const std::string lower = AsciiLower(text);
    if (lower == "init" || lower == "newgame")
        board = GameState::InitialBoard();
}

bool IsEnPassantRankSquare(Square square)
{
    const int n = Ord(square);
    return (n >= 17 && n <= 24) || (n >= 41 && n <= 48);
}
