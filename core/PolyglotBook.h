// An opening book in the Polyglot format: 16-byte entries sorted by position
// key (key, move, weight, learn; big-endian). The book is read whole into
// memory; its moves for a position are found by a binary search, checked
// against the position's legal moves, and one is chosen with a probability
// in proportion to its weight.
#pragma once

#include "core/MoveList.h"

#include <cstdint>
#include <string>
#include <vector>

struct TBookEntry {
    std::uint64_t Key = 0;
    std::uint16_t Move = 0;
    std::uint16_t Weight = 0;
    std::uint32_t Learn = 0;
};

struct TBookMove {
    ChessMove Move;
    int Weight = 0;
};

enum class TBookError {
    None,
    CannotRead, // the file cannot be opened or read
    NotABook,   // no regular file, empty, not a whole number of entries, or its keys out of order
};

class TPolyglotBook {
public:
    // Reads a book file; on failure the book is left empty.
    TBookError Load(const std::string& path);
    // A book from entries (in any order; they are sorted).
    void SetEntries(std::vector<TBookEntry> entries);
    // The bytes of a book file holding these entries, in the file's order.
    static std::string Serialise(std::vector<TBookEntry> entries);
    // The move field of an entry for a move (castling as the king taking
    // its own rook).
    static std::uint16_t EncodeMove(const GameState& state, const ChessMove& move);

    bool Empty() const { return entries_.empty(); }
    std::size_t Size() const { return entries_.size(); }

    // The book's legal moves for the position, in the book's order, each
    // once; entries that name no legal move are passed over.
    std::vector<TBookMove> Moves(const GameState& state) const;
    // Chooses among them by weight with `uniform` in [0, 1) (moves of
    // weight 0 only when all are 0). False when the book has no move here.
    bool Choose(const GameState& state, double uniform, ChessMove& move) const;

private:
    std::vector<TBookEntry> entries_;
};
