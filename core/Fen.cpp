// FEN reading and writing.
#include "core/Fen.h"

#include "core/Chess960.h"

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

// The outermost rook of a side on its home rank beyond its king, towards
// the h-file (kingSide) or the a-file; 0 when there is none.
int OutermostRookFile(const BoardArray& board, bool white, bool kingSide)
{
    const int rank = white ? 1 : 8;
    const char king = white ? 'K' : 'k';
    const char rook = white ? 'R' : 'r';
    int kingFile = 0;
    for (int file = 1; file <= 8; ++file)
        if (board[Ord(SquareAt(file, rank))] == king)
            kingFile = file;
    if (kingFile == 0)
        return 0;
    for (int k = 0; k < 8; ++k) {
        const int file = kingSide ? 8 - k : 1 + k;
        if (kingSide ? file <= kingFile : file >= kingFile)
            break;
        if (board[Ord(SquareAt(file, rank))] == rook)
            return file;
    }
    return 0;
}

// The castling field: "KQkq" (X-FEN: K and Q name the outermost rook on
// their side), or Shredder-FEN's rook files "A".."H" and "a".."h", which
// make the position a Chess960 one. In standard chess K and Q keep their
// standard rooks on h and a.
bool ReadCastling(std::string_view field, GameState& state, NotationError& error)
{
    CastleSet& castling = state.CastlingAllowed;
    castling = CastleSet();
    state.CastlingRookFile = {8, 1, 8, 1};
    if (field == "-")
        return true;
    for (char c : field) {
        const std::string_view letter(&c, 1);
        const bool white = c >= 'A' && c <= 'Z';
        const char lower = white ? static_cast<char>(c + 32) : c;
        CanStillCastle right;
        int rookFile = 0;
        if (lower == 'k' || lower == 'q') {
            const bool kingSide = lower == 'k';
            right = white ? (kingSide ? CanStillCastle::WhiteKingSide : CanStillCastle::WhiteQueenSide)
                          : (kingSide ? CanStillCastle::BlackKingSide : CanStillCastle::BlackQueenSide);
            rookFile = kingSide ? 8 : 1;
            if (state.Chess960) {
                const int outermost = OutermostRookFile(state.Board, white, kingSide);
                rookFile = outermost != 0 ? outermost : rookFile;
            }
        } else if (lower >= 'a' && lower <= 'h') {
            rookFile = lower - 'a' + 1;
            const Square king = HomeRankKing(state, white);
            // Without a king at home the side is a guess; the position
            // check refuses the right anyway.
            const bool kingSide = king != Square::None ? rookFile > FileOf(king) : rookFile > 4;
            right = white ? (kingSide ? CanStillCastle::WhiteKingSide : CanStillCastle::WhiteQueenSide)
                          : (kingSide ? CanStillCastle::BlackKingSide : CanStillCastle::BlackQueenSide);
            if (!state.Chess960) {
                // Shredder-FEN: a Chess960 position; the letters read so
                // far are read again with their Chess960 meaning.
                state.Chess960 = true;
                return ReadCastling(field, state, error);
            }
        } else {
            return Refuse(error, NotationReason::FenBadCastlingRight, letter);
        }
        if (castling.Contains(right))
            return Refuse(error, NotationReason::FenRepeatedCastlingRight, letter);
        castling.Include(right);
        state.CastlingRookFile[static_cast<std::size_t>(right)] = static_cast<std::uint8_t>(rookFile);
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

bool ReadFenSyntax(std::string_view text, FenPosition& position, NotationError& error, bool chess960)
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
    read.State.Chess960 = chess960;
    if (!ReadCastling(fields[2], read.State, error) || !ReadEnPassant(fields[3], read.State.EnPassant, error))
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

namespace {

// A position read with a sound syntax, judged: taken when it can stand.
bool TakeIfPossible(const FenPosition& read, FenPosition& position, NotationError& error)
{
    error = CheckPosition(read.State);
    if (error.Reason != NotationReason::None)
        return false;
    position = read;
    return true;
}

} // namespace

bool ReadFen(std::string_view text, FenPosition& position, NotationError& error, bool chess960)
{
    FenPosition read;
    return ReadFenSyntax(text, read, error, chess960) && TakeIfPossible(read, position, error);
}

bool ReadFenSyntaxEitherRules(std::string_view text, FenPosition& position, NotationError& error)
{
    FenPosition read;
    if (!ReadFenSyntax(text, read, error))
        return false;
    if (!read.State.Chess960 && !CastlingRightsFit(read.State)) {
        FenPosition chess960;
        NotationError ignored;
        if (ReadFenSyntax(text, chess960, ignored, true) && CastlingRightsFit(chess960.State))
            read = chess960;
    }
    position = read;
    return true;
}

bool ReadFenEitherRules(std::string_view text, FenPosition& position, NotationError& error)
{
    FenPosition read;
    return ReadFenSyntaxEitherRules(text, read, error) && TakeIfPossible(read, position, error);
}

bool ReadFen(std::string_view text, FenPosition& position, std::string& error, bool chess960)
{
    NotationError reason;
    if (ReadFen(text, position, reason, chess960))
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

namespace {

// X-FEN's letter of a right: K, Q, k or q for the outermost rook on its
// side, else (in Chess960, where another rook stands beyond it) the rook's
// file as Shredder-FEN writes it.
char CastlingLetter(const GameState& state, CanStillCastle right, char letter)
{
    if (!state.Chess960)
        return letter;
    const bool white = IsWhiteRight(right);
    const int file = state.CastlingRookFile[static_cast<std::size_t>(right)];
    if (OutermostRookFile(state.Board, white, IsKingSideRight(right)) == file)
        return letter;
    return static_cast<char>((white ? 'A' : 'a') + file - 1);
}

} // namespace

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
            out += CastlingLetter(state, right, letter);
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
