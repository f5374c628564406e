// FEN reading and writing.
#include "core/Fen.h"

#include <charconv>
#include <utility>
#include <vector>

namespace {

bool Refuse(NotationError& error, NotationReason reason, std::string_view text = {}, int number = 0)
{
    error = NotationError{reason, std::string(text), '\0', number};
    return false;
}

std::vector<std::string_view> SplitFields(std::string_view text)
{
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
        const std::size_t start = i;
        while (i < text.size() && text[i] != ' ' && text[i] != '\t')
            ++i;
        if (i > start)
            fields.push_back(text.substr(start, i - start));
    }
    return fields;
}

bool ReadPlacement(std::string_view field, BoardArray& board, NotationError& error)
{
    board.fill(EmptySquare);
    board[0] = OffBoardFiller;
    int rank = 8;
    int file = 1;
    bool lastWasDigit = false;
    for (char c : field) {
        if (c == '/') {
            if (file != 9)
                return Refuse(error, NotationReason::FenRankShort, {}, rank);
            if (--rank < 1)
                return Refuse(error, NotationReason::FenTooManyRanks);
            file = 1;
            lastWasDigit = false;
        } else if (c >= '1' && c <= '8') {
            if (lastWasDigit)
                return Refuse(error, NotationReason::FenTwoDigits, {}, rank);
            file += c - '0';
            if (file > 9)
                return Refuse(error, NotationReason::FenRankLong, {}, rank);
            lastWasDigit = true;
        } else if (IsPieceLetter(c)) {
            if (file > 8)
                return Refuse(error, NotationReason::FenRankLong, {}, rank);
            board[Ord(SquareAt(file, rank))] = c;
            ++file;
            lastWasDigit = false;
        } else {
            return Refuse(error, NotationReason::FenBadPlacementCharacter, std::string_view(&c, 1));
        }
    }
    if (rank != 1)
        return Refuse(error, NotationReason::FenTooFewRanks);
    if (file != 9)
        return Refuse(error, NotationReason::FenRankShort, {}, 1);
    return true;
}

bool ReadCastling(std::string_view field, CastleSet& castling, NotationError& error)
{
    castling = CastleSet();
    if (field == "-")
        return true;
    for (char c : field) {
        const std::string_view letter(&c, 1);
        CanStillCastle right;
        switch (c) {
        case 'K': right = CanStillCastle::WhiteKingSide; break;
        case 'Q': right = CanStillCastle::WhiteQueenSide; break;
        case 'k': right = CanStillCastle::BlackKingSide; break;
        case 'q': right = CanStillCastle::BlackQueenSide; break;
        default: return Refuse(error, NotationReason::FenBadCastlingRight, letter);
        }
        if (castling.Contains(right))
            return Refuse(error, NotationReason::FenRepeatedCastlingRight, letter);
        castling.Include(right);
    }
    return true;
}

bool ReadEnPassant(std::string_view field, Square& square, NotationError& error)
{
    square = Square::None;
    if (field == "-")
        return true;
    const Square named = field.size() == 2 && field[0] >= 'a' ? SquareFromName(field[0], field[1]) : Square::None;
    if (named == Square::None)
        return Refuse(error, NotationReason::FenBadEnPassantSquare, field);
    square = named;
    return true;
}

bool ReadCounter(std::string_view field, int minimum, int maximum, int& value)
{
    if (field.empty() || field.size() > 9)
        return false;
    for (char c : field)
        if (c < '0' || c > '9')
            return false;
    int parsed = 0;
    std::from_chars(field.data(), field.data() + field.size(), parsed);
    if (parsed < minimum || parsed > maximum)
        return false;
    value = parsed;
    return true;
}

} // namespace

bool ReadFenSyntax(std::string_view text, FenPosition& position, NotationError& error)
{
    const std::vector<std::string_view> fields = SplitFields(text);
    if (fields.empty())
        return Refuse(error, NotationReason::FenEmpty);
    if (fields.size() != 6 && fields.size() != 4)
        return Refuse(error, NotationReason::FenFieldCount, {}, static_cast<int>(fields.size()));
    FenPosition read;
    if (!ReadPlacement(fields[0], read.State.Board, error))
        return false;
    if (fields[1] != "w" && fields[1] != "b")
        return Refuse(error, NotationReason::FenBadSideToMove, fields[1]);
    read.State.WhiteToMove = fields[1] == "w";
    if (!ReadCastling(fields[2], read.State.CastlingAllowed, error) ||
        !ReadEnPassant(fields[3], read.State.EnPassant, error))
        return false;
    read.HalfMoveClock = 0;
    read.State.CurrentMove = 1;
    if (fields.size() == 6) {
        if (!ReadCounter(fields[4], 0, 2 * MaxFenMoveNumber, read.HalfMoveClock))
            return Refuse(error, NotationReason::FenBadHalfMoveClock, fields[4]);
        if (!ReadCounter(fields[5], 1, MaxFenMoveNumber, read.State.CurrentMove))
            return Refuse(error, NotationReason::FenBadMoveNumber, fields[5]);
    }
    position = read;
    return true;
}

bool ReadFenPlacement(std::string_view field, BoardArray& board, NotationError& error)
{
    BoardArray read;
    if (!ReadPlacement(field, read, error))
        return false;
    board = read;
    return true;
}

bool ReadFen(std::string_view text, FenPosition& position, NotationError& error)
{
    FenPosition read;
    if (!ReadFenSyntax(text, read, error))
        return false;
    error = CheckPosition(read.State);
    if (error.Reason != NotationReason::None)
        return false;
    position = read;
    return true;
}

bool ReadFen(std::string_view text, FenPosition& position, std::string& error)
{
    NotationError reason;
    if (ReadFen(text, position, reason))
        return true;
    error = PortugueseReason(reason);
    return false;
}

std::string FenPlacement(const BoardArray& board)
{
    std::string out;
    out.reserve(71);
    for (int rank = 8; rank >= 1; --rank) {
        int empty = 0;
        for (int file = 1; file <= 8; ++file) {
            const char c = board[Ord(SquareAt(file, rank))];
            if (IsPieceLetter(c)) {
                if (empty)
                    out += static_cast<char>('0' + empty);
                empty = 0;
                out += c;
            } else {
                ++empty;
            }
        }
        if (empty)
            out += static_cast<char>('0' + empty);
        if (rank > 1)
            out += '/';
    }
    return out;
}

std::string WriteFen(const GameState& state, int halfMoveClock)
{
    std::string out = FenPlacement(state.Board);
    out += state.WhiteToMove ? " w " : " b ";
    // A right whose king or rook has left home (a position string set on the
    // board keeps its rights) is written as given up, as ReadFen requires.
    const std::size_t castlingStart = out.size();
    for (auto [right, letter] :
         {std::pair{CanStillCastle::WhiteKingSide, 'K'}, std::pair{CanStillCastle::WhiteQueenSide, 'Q'},
          std::pair{CanStillCastle::BlackKingSide, 'k'}, std::pair{CanStillCastle::BlackQueenSide, 'q'}})
        if (state.CastlingAllowed.Contains(right) && CastlingRightFits(state, right))
            out += letter;
    if (out.size() == castlingStart)
        out += '-';
    out += ' ';
    // Likewise an en passant square whose pawn is not where the double
    // step put it.
    out += EnPassantFits(state) ? LowerSquareName(state.EnPassant) : std::string("-");
    out += ' ';
    out += std::to_string(halfMoveClock);
    out += ' ';
    out += std::to_string(state.CurrentMove);
    return out;
}
