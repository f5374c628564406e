// Theme recognition (see ExerciseThemes.h).
#include "ExerciseThemes.h"

#include "core/ExerciseSet.h"
#include "core/MoveList.h"
#include "core/PieceLetter.h"
#include "core/Rules.h"
#include "core/UciMove.h"

#include <algorithm>
#include <cstdlib>

namespace {

bool Empty(const BoardArray& board, Square square)
{
    return board[Ord(square)] == EmptySquare;
}

// Nothing stands between two squares on one line (rank, file or diagonal).
bool ClearBetween(const BoardArray& board, Square from, Square to)
{
    const int df = FileOf(to) - FileOf(from);
    const int dr = RankOf(to) - RankOf(from);
    const int stepF = (df > 0) - (df < 0);
    const int stepR = (dr > 0) - (dr < 0);
    const int steps = std::max(std::abs(df), std::abs(dr));
    for (int k = 1; k < steps; ++k)
        if (!Empty(board, SquareAt(FileOf(from) + k * stepF, RankOf(from) + k * stepR)))
            return false;
    return true;
}

bool OnLine(Square a, Square b)
{
    return a != b && (FileOf(a) == FileOf(b) || RankOf(a) == RankOf(b));
}

bool OnDiagonal(Square a, Square b)
{
    return a != b && std::abs(FileOf(a) - FileOf(b)) == std::abs(RankOf(a) - RankOf(b));
}

Square KingSquare(const BoardArray& board, bool white)
{
    const char king = white ? 'K' : 'k';
    for (int n = 1; n <= 64; ++n)
        if (board[n] == king)
            return SquareFromOrd(n);
    return Square::None;
}

bool IsPersonPiece(char piece, bool personWhite)
{
    return IsPieceLetter(piece) && IsWhitePiece(piece) == personWhite;
}

// The slider of the person's that pins the piece on `square` to its king.
bool PinnedToKing(const BoardArray& board, Square square, bool personWhite)
{
    const Square king = KingSquare(board, !personWhite);
    if (king == Square::None || square == king)
        return false;
    const bool line = OnLine(king, square);
    if ((!line && !OnDiagonal(king, square)) || !ClearBetween(board, king, square))
        return false;
    // Walk on beyond the piece, away from the king, to the first piece.
    const int stepF = (FileOf(square) > FileOf(king)) - (FileOf(square) < FileOf(king));
    const int stepR = (RankOf(square) > RankOf(king)) - (RankOf(square) < RankOf(king));
    for (int k = 1; k <= 7; ++k) {
        const Square next = SquareAt(FileOf(square) + k * stepF, RankOf(square) + k * stepR);
        if (next == Square::None)
            return false;
        const char piece = board[Ord(next)];
        if (piece == EmptySquare)
            continue;
        if (!IsPersonPiece(piece, personWhite))
            return false;
        const char kind = UpperPiece(piece);
        return kind == 'Q' || (line ? kind == 'R' : kind == 'B');
    }
    return false;
}

struct PlayedMove {
    GameState Before;
    ChessMove Move;
};

} // namespace

int PieceValueCp(char piece)
{
    switch (UpperPiece(piece)) {
    case 'P': return 100;
    case 'N':
    case 'B': return 300;
    case 'R': return 500;
    case 'Q': return 900;
    default: return 0;
    }
}

int MaterialCp(const BoardArray& board, bool white)
{
    int total = 0;
    for (int n = 1; n <= 64; ++n)
        if (IsPieceLetter(board[n]) && IsWhitePiece(board[n]) == white)
            total += PieceValueCp(board[n]);
    return total;
}

bool IsCheckmate(const GameState& state)
{
    return SideToMoveInCheck(state) && !HasMobility(state);
}

bool Attacks(const BoardArray& board, Square from, Square target)
{
    const char piece = board[Ord(from)];
    if (!IsPieceLetter(piece) || from == target || target == Square::None)
        return false;
    const int df = FileOf(target) - FileOf(from);
    const int dr = RankOf(target) - RankOf(from);
    switch (UpperPiece(piece)) {
    case 'P': return std::abs(df) == 1 && dr == (IsWhitePiece(piece) ? 1 : -1);
    case 'N': return (std::abs(df) == 1 && std::abs(dr) == 2) || (std::abs(df) == 2 && std::abs(dr) == 1);
    case 'K': return std::abs(df) <= 1 && std::abs(dr) <= 1;
    case 'B': return OnDiagonal(from, target) && ClearBetween(board, from, target);
    case 'R': return OnLine(from, target) && ClearBetween(board, from, target);
    case 'Q': return (OnDiagonal(from, target) || OnLine(from, target)) && ClearBetween(board, from, target);
    default: return false;
    }
}

bool AttackedBy(const BoardArray& board, Square square, bool white)
{
    for (int n = 1; n <= 64; ++n)
        if (IsPieceLetter(board[n]) && IsWhitePiece(board[n]) == white && Attacks(board, SquareFromOrd(n), square))
            return true;
    return false;
}

std::vector<std::string> DetectThemes(const GameState& start, const std::vector<std::string>& solution)
{
    const bool personWhite = start.WhiteToMove;
    std::vector<PlayedMove> played;
    GameState state = start;
    for (const std::string& text : solution) {
        const std::optional<ChessMove> move = ReadUciMove(state, text);
        if (!move)
            return {};
        played.push_back({state, *move});
        state = PositionAfter(state, *move);
    }
    if (played.empty())
        return {};
    const int personMoves = static_cast<int>(played.size() + 1) / 2;
    const bool mate = IsCheckmate(state);

    std::vector<std::string> themes;
    const auto add = [&themes](std::string_view key) {
        if (std::find(themes.begin(), themes.end(), key) == themes.end())
            themes.emplace_back(key);
    };

    if (mate) {
        if (personMoves <= 3)
            add(std::string("mateIn") + static_cast<char>('0' + personMoves));
        add("mate");
    } else {
        add("material");
    }

    // The person's moves are the even ones.
    for (std::size_t i = 0; i < played.size(); i += 2) {
        const PlayedMove& now = played[i];
        const BoardArray& before = now.Before.Board;
        const char captured = before[Ord(now.Move.To)];

        // Fork: the piece that moved now attacks two targets and takes one
        // of them on the person's next move.
        if (i + 2 < played.size()) {
            const GameState after = PositionAfter(now.Before, now.Move);
            const char mover = after.At(now.Move.To);
            const int moverValue = PieceValueCp(mover);
            std::vector<Square> targets;
            for (int n = 1; n <= 64; ++n) {
                const char piece = after.Board[n];
                if (!IsPieceLetter(piece) || IsWhitePiece(piece) == personWhite ||
                    !Attacks(after.Board, now.Move.To, SquareFromOrd(n)))
                    continue;
                if (UpperPiece(piece) == 'K' || PieceValueCp(piece) > moverValue ||
                    !AttackedBy(after.Board, SquareFromOrd(n), !personWhite))
                    targets.push_back(SquareFromOrd(n));
            }
            const PlayedMove& next = played[i + 2];
            const char nextTaken = next.Before.At(next.Move.To);
            const bool takesATarget = std::find(targets.begin(), targets.end(), next.Move.To) != targets.end();
            if (UpperPiece(mover) != 'K' && targets.size() >= 2 && next.Move.From == now.Move.To &&
                IsPieceLetter(nextTaken) && takesATarget)
                add("fork");
        }

        // Pin: the piece taken stood pinned to its king.
        if (!mate && IsPieceLetter(captured) && PieceValueCp(captured) >= 300 &&
            PinnedToKing(before, now.Move.To, personWhite))
            add("pin");

        if (now.Move.Promotion != EmptySquare)
            add("promotion");
    }

    // Hanging piece: one move that takes a piece nothing can take back.
    if (!mate && played.size() == 1) {
        const PlayedMove& only = played.front();
        const char captured = only.Before.At(only.Move.To);
        if (IsPieceLetter(captured) && PieceValueCp(captured) >= 300) {
            const std::vector<ChessMove> replies = LegalMoves(state);
            if (std::none_of(replies.begin(), replies.end(),
                             [&](const ChessMove& reply) { return reply.To == only.Move.To; }))
                add("hangingPiece");
        }
    }

    // Back rank: the mated king on its home rank, checked along it by a
    // rook or queen, the rank in front filled by its own pieces.
    if (mate) {
        const bool matedWhite = state.WhiteToMove;
        const Square king = KingSquare(state.Board, matedWhite);
        const int home = matedWhite ? 1 : 8;
        const int front = matedWhite ? 2 : 7;
        if (king != Square::None && RankOf(king) == home) {
            bool rankCheck = false;
            for (int file = 1; file <= 8; ++file) {
                const Square square = SquareAt(file, home);
                const char piece = state.At(square);
                if (IsPersonPiece(piece, !matedWhite) && (UpperPiece(piece) == 'R' || UpperPiece(piece) == 'Q') &&
                    Attacks(state.Board, square, king))
                    rankCheck = true;
            }
            bool walled = true;
            for (int file = FileOf(king) - 1; file <= FileOf(king) + 1; ++file) {
                const Square square = SquareAt(file, front);
                if (square == Square::None)
                    continue;
                const char piece = state.At(square);
                if (!IsPieceLetter(piece) || IsWhitePiece(piece) != matedWhite)
                    walled = false;
            }
            if (rankCheck && walled)
                add("backRank");
        }
    }

    // The fixed order of the keys.
    std::vector<std::string> ordered;
    for (std::string_view key : ExerciseThemeKeys)
        if (std::find(themes.begin(), themes.end(), key) != themes.end())
            ordered.emplace_back(key);
    return ordered;
}
