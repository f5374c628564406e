// SAN and coordinate moves.
#include "core/San.h"

#include "core/UciMove.h"

#include "core/Chess960.h"
#include "core/MoveExecution.h"
#include "core/Rules.h"

#include <cstdlib>

namespace {

char LetterOf(char kind, const PieceLetters& letters)
{
    switch (kind) {
    case 'K': return letters.King;
    case 'Q': return letters.Queen;
    case 'R': return letters.Rook;
    case 'B': return letters.Bishop;
    case 'N': return letters.Knight;
    default: return '\0';
    }
}

// The English kind a letter of the set names, '\0' for none. Only
// promotion pieces when `promotionOnly`.
char KindOf(char letter, const PieceLetters& letters, bool promotionOnly)
{
    if (!promotionOnly && letter == letters.King)
        return 'K';
    if (letter == letters.Queen)
        return 'Q';
    if (letter == letters.Rook)
        return 'R';
    if (letter == letters.Bishop)
        return 'B';
    if (letter == letters.Knight)
        return 'N';
    return '\0';
}

bool IsCastling(const GameState& state, const ChessMove& move)
{
    if (state.Chess960)
        return Chess960CastlingRight(state, move.From, move.To).has_value();
    return UpperPiece(state.At(move.From)) == 'K' && FileOf(move.From) == 5 &&
        (FileOf(move.To) == 7 || FileOf(move.To) == 3) && RankOf(move.From) == RankOf(move.To);
}

bool IsFile(char c)
{
    return c >= 'a' && c <= 'h';
}

bool IsRank(char c)
{
    return c >= '1' && c <= '8';
}

bool Refuse(NotationError& error, NotationReason reason, std::string_view text, char letter = '\0')
{
    error = NotationError{reason, std::string(text), letter, 0};
    return false;
}

// The Portuguese reason of a reader that says it with a NotationError.
template <typename Reader>
bool WithPortugueseReason(std::string& error, Reader read)
{
    NotationError reason;
    if (read(reason))
        return true;
    error = PortugueseReason(reason);
    return false;
}

} // namespace

std::string MoveToSan(const GameState& state, const ChessMove& move, const PieceLetters& letters)
{
    const char piece = state.At(move.From);
    const char kind = UpperPiece(piece);
    std::string san;
    if (IsCastling(state, move)) {
        san = FileOf(move.To) > FileOf(move.From) ? "O-O" : "O-O-O";
    } else {
        const bool capture = state.At(move.To) != EmptySquare || IsEnPassantCapture(state, move.From, move.To);
        if (kind == 'P') {
            if (capture) {
                san += static_cast<char>('a' + FileOf(move.From) - 1);
                san += 'x';
            }
            san += LowerSquareName(move.To);
            if (move.Promotion != EmptySquare) {
                san += '=';
                san += LetterOf(UpperPiece(move.Promotion), letters);
            }
        } else {
            san += LetterOf(kind, letters);
            bool ambiguous = false, sameFile = false, sameRank = false;
            for (int n = 1; n <= 64; ++n) {
                const Square other = SquareFromOrd(n);
                if (other == move.From || state.At(other) != piece || !IsMoveAllowed(state, other, move.To))
                    continue;
                ambiguous = true;
                sameFile = sameFile || FileOf(other) == FileOf(move.From);
                sameRank = sameRank || RankOf(other) == RankOf(move.From);
            }
            if (ambiguous) {
                const std::string from = LowerSquareName(move.From);
                if (!sameFile)
                    san += from[0];
                else if (!sameRank)
                    san += from[1];
                else
                    san += from;
            }
            if (capture)
                san += 'x';
            san += LowerSquareName(move.To);
        }
    }
    const GameState after = PositionAfter(state, move);
    if (SideToMoveInCheck(after))
        san += HasMobility(after) ? '+' : '#';
    return san;
}

bool ReadSan(const GameState& state, std::string_view text, ChessMove& move, NotationError& error,
             const PieceLetters& letters)
{
    std::string_view san = text;
    // Annotation and check marks are not part of the move.
    while (!san.empty() && (san.back() == '!' || san.back() == '?' || san.back() == '+' || san.back() == '#'))
        san.remove_suffix(1);
    if (san.empty() || san.size() > 12) {
        return Refuse(error, NotationReason::InvalidMove, text);
    }

    char kind = 'P';
    Square to = Square::None;
    int fromFile = 0, fromRank = 0;
    char promotion = EmptySquare;

    const std::string_view castleShort[] = {"O-O", "0-0", "o-o"};
    const std::string_view castleLong[] = {"O-O-O", "0-0-0", "o-o-o"};
    bool castling = false;
    for (std::string_view c : castleLong)
        if (san == c) {
            castling = true;
            to = state.WhiteToMove ? Square::C1 : Square::C8;
        }
    for (std::string_view c : castleShort)
        if (san == c) {
            castling = true;
            to = state.WhiteToMove ? Square::G1 : Square::G8;
        }
    if (castling && state.Chess960) {
        // The king moves onto the rook of the right.
        const bool white = state.WhiteToMove;
        const bool kingSide = FileOf(to) == 7;
        const CanStillCastle right = white
            ? (kingSide ? CanStillCastle::WhiteKingSide : CanStillCastle::WhiteQueenSide)
            : (kingSide ? CanStillCastle::BlackKingSide : CanStillCastle::BlackQueenSide);
        const Square king = HomeRankKing(state, white);
        const Square rook = CastlingRookSquare(state, right);
        if (king == Square::None || !state.CastlingAllowed.Contains(right) || !IsMoveAllowed(state, king, rook))
            return Refuse(error, NotationReason::IllegalMove, text);
        move = {king, rook, EmptySquare};
        return true;
    }
    if (castling) {
        kind = 'K';
        fromFile = 5;
        fromRank = state.WhiteToMove ? 1 : 8;
    } else {
        std::string_view rest = san;
        // Promotion: "=Q", "Q" or "(Q)" after the destination square.
        if (rest.size() >= 3 && rest.back() == ')' && rest[rest.size() - 3] == '(') {
            promotion = KindOf(UpperPiece(rest[rest.size() - 2]), letters, true);
            if (!promotion) {
                return Refuse(error, NotationReason::BadPromotionPiece, text);
            }
            rest.remove_suffix(3);
        } else if (rest.size() >= 3 && !IsRank(rest.back())) {
            promotion = KindOf(UpperPiece(rest.back()), letters, true);
            if (!promotion) {
                return Refuse(error, NotationReason::InvalidMove, text);
            }
            rest.remove_suffix(1);
            if (!rest.empty() && (rest.back() == '=' || rest.back() == '/'))
                rest.remove_suffix(1);
        }
        if (rest.size() < 2 || !IsFile(rest[rest.size() - 2]) || !IsRank(rest.back())) {
            return Refuse(error, NotationReason::InvalidMove, text);
        }
        to = SquareFromName(rest[rest.size() - 2], rest.back());
        rest.remove_suffix(2);
        if (!rest.empty() && (rest.back() == 'x' || rest.back() == ':' || rest.back() == '-'))
            rest.remove_suffix(1);
        if (!rest.empty() && rest.front() >= 'A' && rest.front() <= 'Z') {
            kind = rest.front() == 'P' ? 'P' : KindOf(rest.front(), letters, false);
            if (!kind) {
                return Refuse(error, NotationReason::UnknownPieceLetter, text, rest.front());
            }
            rest.remove_prefix(1);
        }
        if (!rest.empty() && IsFile(rest.front())) {
            fromFile = rest.front() - 'a' + 1;
            rest.remove_prefix(1);
        }
        if (!rest.empty() && IsRank(rest.front())) {
            fromRank = rest.front() - '0';
            rest.remove_prefix(1);
        }
        if (!rest.empty()) {
            return Refuse(error, NotationReason::InvalidMove, text);
        }
        // A pawn move without an origin file is a step along its own file.
        if (kind == 'P' && fromFile == 0)
            fromFile = FileOf(to);
    }

    const char piece = state.WhiteToMove ? kind : static_cast<char>(kind + 32);
    ChessMove found;
    int count = 0;
    for (int n = 1; n <= 64; ++n) {
        const Square from = SquareFromOrd(n);
        if (state.At(from) != piece || (fromFile && FileOf(from) != fromFile) || (fromRank && RankOf(from) != fromRank))
            continue;
        if (castling != (kind == 'K' && std::abs(FileOf(to) - FileOf(from)) == 2) && kind == 'K')
            continue;
        if (kind == 'K' && Chess960CastlingRight(state, from, to)) // written O-O or O-O-O
            continue;
        if (!IsMoveAllowed(state, from, to))
            continue;
        found = {from, to, EmptySquare};
        ++count;
    }
    if (count == 0) {
        return Refuse(error, NotationReason::IllegalMove, text);
    }
    if (count > 1) {
        return Refuse(error, NotationReason::AmbiguousMove, text);
    }
    const bool promotes = kind == 'P' && (RankOf(to) == 8 || RankOf(to) == 1);
    if (promotes && promotion == EmptySquare) {
        return Refuse(error, NotationReason::MissingPromotionPiece, text);
    }
    if (!promotes && promotion != EmptySquare) {
        return Refuse(error, NotationReason::NeedlessPromotion, text);
    }
    found.Promotion = promotion;
    move = found;
    return true;
}

bool ReadCoordinateMove(const GameState& state, std::string_view text, ChessMove& move, NotationError& error,
                        const PieceLetters& letters)
{
    std::string_view rest = text;
    if (rest.size() < 4 || !IsFile(rest[0]) || !IsRank(rest[1])) {
        return Refuse(error, NotationReason::InvalidMove, text);
    }
    const Square from = SquareFromName(rest[0], rest[1]);
    rest.remove_prefix(2);
    if (rest.front() == '-' || rest.front() == 'x')
        rest.remove_prefix(1);
    if (rest.size() < 2 || !IsFile(rest[0]) || !IsRank(rest[1])) {
        return Refuse(error, NotationReason::InvalidMove, text);
    }
    const Square to = SquareFromName(rest[0], rest[1]);
    rest.remove_prefix(2);
    char promotion = EmptySquare;
    if (!rest.empty() && rest.front() == '=')
        rest.remove_prefix(1);
    if (!rest.empty()) {
        promotion = KindOf(UpperPiece(rest.front()), letters, true);
        if (!promotion || rest.size() != 1) {
            return Refuse(error, NotationReason::InvalidMove, text);
        }
    }
    if (!IsMoveAllowed(state, from, to)) {
        return Refuse(error, NotationReason::IllegalMove, text);
    }
    const char piece = state.At(from);
    const bool promotes = (piece == 'P' && RankOf(to) == 8) || (piece == 'p' && RankOf(to) == 1);
    if (promotes && promotion == EmptySquare) {
        return Refuse(error, NotationReason::MissingPromotionPiece, text);
    }
    if (!promotes && promotion != EmptySquare) {
        return Refuse(error, NotationReason::NeedlessPromotion, text);
    }
    move = {from, to, promotion};
    return true;
}

bool ReadMoveText(const GameState& state, std::string_view text, ChessMove& move, NotationError& error,
                  const PieceLetters& letters)
{
    const bool coordinates = text.size() >= 4 && IsFile(text[0]) && IsRank(text[1]) &&
        (IsFile(text[2]) || text[2] == '-' || (text[2] == 'x' && text.size() >= 5 && IsRank(text[4])));
    if (coordinates)
        return ReadCoordinateMove(state, text, move, error, letters);
    return ReadSan(state, text, move, error, letters);
}

std::string MoveToCoordinates(const ChessMove& move)
{
    return UciMoveText(move);
}

bool ReadSan(const GameState& state, std::string_view text, ChessMove& move, std::string& error,
             const PieceLetters& letters)
{
    return WithPortugueseReason(error,
                                [&](NotationError& reason) { return ReadSan(state, text, move, reason, letters); });
}

bool ReadCoordinateMove(const GameState& state, std::string_view text, ChessMove& move, std::string& error,
                        const PieceLetters& letters)
{
    return WithPortugueseReason(
        error, [&](NotationError& reason) { return ReadCoordinateMove(state, text, move, reason, letters); });
}

bool ReadMoveText(const GameState& state, std::string_view text, ChessMove& move, std::string& error,
                  const PieceLetters& letters)
{
    return WithPortugueseReason(
        error, [&](NotationError& reason) { return ReadMoveText(state, text, move, reason, letters); });
}
