// FEN reading and writing.
#include "core/Fen.h"

#include "core/MoveList.h"
#include "core/Rules.h"

#include <charconv>
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

bool CheckMaterial(const BoardArray& board, NotationError& error)
{
    int kings[2] = {0, 0}, pawns[2] = {0, 0}, pieces[2] = {0, 0};
    for (int n = 1; n <= 64; ++n) {
        const char c = board[n];
        if (c == EmptySquare)
            continue;
        const int side = PieceColor(board, SquareFromOrd(n));
        ++pieces[side];
        if (c == 'K' || c == 'k')
            ++kings[side];
        if (c == 'P' || c == 'p') {
            ++pawns[side];
            const int rank = RankOf(SquareFromOrd(n));
            if (rank == 1 || rank == 8)
                return Refuse(error, NotationReason::FenPawnOnEdgeRank, LowerSquareName(SquareFromOrd(n)));
        }
    }
    for (int side : {1, 0}) {
        const bool white = side == 1;
        if (kings[side] == 0)
            return Refuse(error, white ? NotationReason::FenWhiteHasNoKing : NotationReason::FenBlackHasNoKing);
        if (kings[side] > 1)
            return Refuse(error, white ? NotationReason::FenWhiteHasTwoKings : NotationReason::FenBlackHasTwoKings);
        if (pawns[side] > 8 || pieces[side] > 16)
            return Refuse(error,
                          white ? NotationReason::FenWhiteHasTooManyPieces : NotationReason::FenBlackHasTooManyPieces);
    }
    return true;
}

bool ReadCastling(std::string_view field, GameState& state, NotationError& error)
{
    state.CastlingAllowed = CastleSet();
    if (field == "-")
        return true;
    struct Right {
        char letter;
        CanStillCastle right;
        Square king, rook;
        char kingPiece, rookPiece;
    };
    static constexpr Right rights[4] = {
        {'K', CanStillCastle::WhiteKingSide, Square::E1, Square::H1, 'K', 'R'},
        {'Q', CanStillCastle::WhiteQueenSide, Square::E1, Square::A1, 'K', 'R'},
        {'k', CanStillCastle::BlackKingSide, Square::E8, Square::H8, 'k', 'r'},
        {'q', CanStillCastle::BlackQueenSide, Square::E8, Square::A8, 'k', 'r'},
    };
    for (char c : field) {
        const Right* found = nullptr;
        for (const Right& r : rights)
            if (r.letter == c)
                found = &r;
        const std::string_view letter(&c, 1);
        if (!found)
            return Refuse(error, NotationReason::FenBadCastlingRight, letter);
        if (state.CastlingAllowed.Contains(found->right))
            return Refuse(error, NotationReason::FenRepeatedCastlingRight, letter);
        if (state.At(found->king) != found->kingPiece || state.At(found->rook) != found->rookPiece)
            return Refuse(error, NotationReason::FenCastlingRightWithoutPieces, letter);
        state.CastlingAllowed.Include(found->right);
    }
    return true;
}

bool ReadEnPassant(std::string_view field, GameState& state, NotationError& error)
{
    state.EnPassant = Square::None;
    if (field == "-")
        return true;
    const Square square = field.size() == 2 ? SquareFromName(field[0], field[1]) : Square::None;
    if (square == Square::None || field[0] < 'a')
        return Refuse(error, NotationReason::FenBadEnPassantSquare, field);
    // The pawn that just made its double step stands in front of the square
    // (from the mover's view, behind it), and the square it came from and
    // the one it passed over are empty.
    const bool white = state.WhiteToMove;
    const int passedRank = white ? 6 : 3;
    const Square pawnSquare = SquareAt(FileOf(square), white ? 5 : 4);
    const Square originSquare = SquareAt(FileOf(square), white ? 7 : 2);
    if (RankOf(square) != passedRank || state.At(pawnSquare) != (white ? 'p' : 'P') ||
        state.At(square) != EmptySquare || state.At(originSquare) != EmptySquare)
        return Refuse(error, NotationReason::FenEnPassantWithoutDoubleStep, field);
    state.EnPassant = square;
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

bool ReadFen(std::string_view text, FenPosition& position, NotationError& error)
{
    const std::vector<std::string_view> fields = SplitFields(text);
    if (fields.empty())
        return Refuse(error, NotationReason::FenEmpty);
    if (fields.size() != 6 && fields.size() != 4)
        return Refuse(error, NotationReason::FenFieldCount, {}, static_cast<int>(fields.size()));
    FenPosition read;
    if (!ReadPlacement(fields[0], read.State.Board, error) || !CheckMaterial(read.State.Board, error))
        return false;
    if (fields[1] != "w" && fields[1] != "b")
        return Refuse(error, NotationReason::FenBadSideToMove, fields[1]);
    read.State.WhiteToMove = fields[1] == "w";
    if (!ReadCastling(fields[2], read.State, error) || !ReadEnPassant(fields[3], read.State, error))
        return false;
    read.HalfMoveClock = 0;
    read.State.CurrentMove = 1;
    if (fields.size() == 6) {
        if (!ReadCounter(fields[4], 0, 2 * MaxFenMoveNumber, read.HalfMoveClock))
            return Refuse(error, NotationReason::FenBadHalfMoveClock, fields[4]);
        if (!ReadCounter(fields[5], 1, MaxFenMoveNumber, read.State.CurrentMove))
            return Refuse(error, NotationReason::FenBadMoveNumber, fields[5]);
    }
    // The side that has just moved cannot have left its king attacked.
    GameState other = read.State;
    other.WhiteToMove = !other.WhiteToMove;
    if (SideToMoveInCheck(other))
        return Refuse(
            error, read.State.WhiteToMove ? NotationReason::FenBlackKingInCheck : NotationReason::FenWhiteKingInCheck);
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
    std::string castling;
    auto add = [&](CanStillCastle right, Square king, char kingPiece, Square rook, char rookPiece, char letter) {
        if (state.CastlingAllowed.Contains(right) && state.At(king) == kingPiece && state.At(rook) == rookPiece)
            castling += letter;
    };
    add(CanStillCastle::WhiteKingSide, Square::E1, 'K', Square::H1, 'R', 'K');
    add(CanStillCastle::WhiteQueenSide, Square::E1, 'K', Square::A1, 'R', 'Q');
    add(CanStillCastle::BlackKingSide, Square::E8, 'k', Square::H8, 'r', 'k');
    add(CanStillCastle::BlackQueenSide, Square::E8, 'k', Square::A8, 'r', 'q');
    out += castling.empty() ? "-" : castling;
    out += ' ';
    // Likewise an en passant square whose pawn is not where the double
    // step put it.
    GameState check = state;
    NotationError ignored;
    const std::string square = LowerSquareName(state.EnPassant);
    out += (state.EnPassant != Square::None && ReadEnPassant(square, check, ignored)) ? square : "-";
    out += ' ' + std::to_string(halfMoveClock) + ' ' + std::to_string(state.CurrentMove);
    return out;
}
