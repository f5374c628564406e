// The Polyglot opening book: see PolyglotBook.h.
#include "core/PolyglotBook.h"

#include "core/PolyglotKey.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

constexpr std::size_t EntrySize = 16;
// No book of openings is anywhere near this; a larger file is refused
// rather than read whole.
constexpr std::uintmax_t MaxBookBytes = std::uintmax_t{256} << 20;

std::uint64_t ReadBigEndian(const unsigned char* bytes, int count)
{
    std::uint64_t value = 0;
    for (int i = 0; i < count; ++i)
        value = (value << 8) | bytes[i];
    return value;
}

void WriteBigEndian(std::string& out, std::uint64_t value, int count)
{
    for (int i = count - 1; i >= 0; --i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool KeyLess(const TBookEntry& a, const TBookEntry& b)
{
    return a.Key < b.Key;
}

// The move an entry's move field names in the position: castling written
// as the king taking its own rook becomes the king's two-square move.
ChessMove DecodeMove(const GameState& state, std::uint16_t field)
{
    const int toFile = field & 7, toRow = (field >> 3) & 7;
    const int fromFile = (field >> 6) & 7, fromRow = (field >> 9) & 7;
    const int promotion = (field >> 12) & 7;
    ChessMove move;
    move.From = SquareAt(fromFile + 1, fromRow + 1);
    move.To = SquareAt(toFile + 1, toRow + 1);
    const char piece = state.At(move.From);
    const char rook = piece == 'K' ? 'R' : 'r';
    if ((piece == 'K' || piece == 'k') && fromFile == 4 && fromRow == toRow && (fromRow == 0 || fromRow == 7) &&
        (toFile == 7 || toFile == 0) && state.At(move.To) == rook)
        move.To = SquareAt(toFile == 7 ? 7 : 3, toRow + 1);
    static constexpr char Promotions[] = {EmptySquare, 'N', 'B', 'R', 'Q'};
    move.Promotion = promotion < 5 ? Promotions[promotion] : '?';
    return move;
}

} // namespace

TBookError TPolyglotBook::Load(const std::string& path)
{
    entries_.clear();
    // Only a regular file can be a book: opening a FIFO would wait for a
    // writer for ever, and a device or a folder holds no entries.
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!error && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        return TBookError::NotABook;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return TBookError::CannotRead;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0)
        return TBookError::CannotRead;
    if (size == 0 || static_cast<std::uintmax_t>(size) % EntrySize != 0 ||
        static_cast<std::uintmax_t>(size) > MaxBookBytes)
        return TBookError::NotABook;
    in.seekg(0);
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size))
        return TBookError::CannotRead;
    std::vector<TBookEntry> entries(bytes.size() / EntrySize);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const unsigned char* p = bytes.data() + i * EntrySize;
        entries[i] = {ReadBigEndian(p, 8), static_cast<std::uint16_t>(ReadBigEndian(p + 8, 2)),
                      static_cast<std::uint16_t>(ReadBigEndian(p + 10, 2)),
                      static_cast<std::uint32_t>(ReadBigEndian(p + 12, 4))};
    }
    // The lookup needs the file's order; a file out of order is no book.
    if (!std::is_sorted(entries.begin(), entries.end(), KeyLess))
        return TBookError::NotABook;
    entries_ = std::move(entries);
    return TBookError::None;
}

void TPolyglotBook::SetEntries(std::vector<TBookEntry> entries)
{
    std::stable_sort(entries.begin(), entries.end(), KeyLess);
    entries_ = std::move(entries);
}

std::string TPolyglotBook::Serialise(std::vector<TBookEntry> entries)
{
    std::stable_sort(entries.begin(), entries.end(), KeyLess);
    std::string out;
    for (const TBookEntry& entry : entries) {
        WriteBigEndian(out, entry.Key, 8);
        WriteBigEndian(out, entry.Move, 2);
        WriteBigEndian(out, entry.Weight, 2);
        WriteBigEndian(out, entry.Learn, 4);
    }
    return out;
}

std::uint16_t TPolyglotBook::EncodeMove(const GameState& state, const ChessMove& move)
{
    int toFile = FileOf(move.To) - 1;
    const char piece = state.At(move.From);
    if ((piece == 'K' || piece == 'k') && FileOf(move.From) == 5 && RankOf(move.From) == RankOf(move.To) &&
        std::abs(FileOf(move.To) - FileOf(move.From)) == 2)
        toFile = FileOf(move.To) == 7 ? 7 : 0;
    int promotion = 0;
    switch (move.Promotion) {
    case 'N': promotion = 1; break;
    case 'B': promotion = 2; break;
    case 'R': promotion = 3; break;
    case 'Q': promotion = 4; break;
    default: break;
    }
    return static_cast<std::uint16_t>(toFile | (RankOf(move.To) - 1) << 3 | (FileOf(move.From) - 1) << 6 |
                                      (RankOf(move.From) - 1) << 9 | promotion << 12);
}

std::vector<TBookMove> TPolyglotBook::Moves(const GameState& state) const
{
    std::vector<TBookMove> moves;
    TBookEntry probe;
    probe.Key = PolyglotKey(state);
    const auto [first, last] = std::equal_range(entries_.begin(), entries_.end(), probe, KeyLess);
    if (first == last)
        return moves;
    const std::vector<ChessMove> legal = LegalMoves(state);
    for (auto it = first; it != last; ++it) {
        const ChessMove move = DecodeMove(state, it->Move);
        if (std::find(legal.begin(), legal.end(), move) == legal.end())
            continue;
        const auto same = std::find_if(moves.begin(), moves.end(), [&](const TBookMove& m) { return m.Move == move; });
        if (same == moves.end())
            moves.push_back({move, it->Weight});
    }
    return moves;
}

bool TPolyglotBook::Choose(const GameState& state, double uniform, ChessMove& move) const
{
    const std::vector<TBookMove> moves = Moves(state);
    if (moves.empty())
        return false;
    long total = 0;
    for (const TBookMove& m : moves)
        total += m.Weight;
    const bool even = total == 0;
    if (even)
        total = static_cast<long>(moves.size());
    double pick = std::clamp(uniform, 0.0, 1.0) * static_cast<double>(total);
    for (const TBookMove& m : moves) {
        const double weight = even ? 1.0 : m.Weight;
        if (weight <= 0)
            continue;
        move = m.Move;
        if (pick < weight)
            return true;
        pick -= weight;
    }
    return true;
}
