// The engine's vocabulary: colour and piece codes, move flags, the packed
// move, the move-list and undo records, and the sizes of the fixed tables.
// The codes live in namespace engine: bare names such as White or King
// belong to the rest of the program (squares, castling rights, pieces).
#pragma once

#include <bit>
#include <cstdint>

namespace engine {

// Colour codes. An empty square has EmptyCode in both the colour and the
// piece array.
inline constexpr int White = 0;
inline constexpr int Black = 1;
inline constexpr int EmptyCode = 6;

// Piece codes.
inline constexpr int Pawn = 0;
inline constexpr int Knight = 1;
inline constexpr int Bishop = 2;
inline constexpr int Rook = 3;
inline constexpr int Queen = 4;
inline constexpr int King = 5;

// Bits of TEngineMove::Flags.
inline constexpr int FlagCapture = 1;
inline constexpr int FlagCastle = 2;
inline constexpr int FlagEnPassant = 4;
inline constexpr int FlagDoubleStep = 8;
inline constexpr int FlagPawnMove = 16;
inline constexpr int FlagPromotion = 32;

// Flag values the generators use.
inline constexpr int QuietMove = 0;
inline constexpr int PieceCapture = FlagCapture;
inline constexpr int CastleMove = FlagCastle;
inline constexpr int PawnStep = FlagPawnMove;
inline constexpr int PawnCapture = FlagPawnMove | FlagCapture;
inline constexpr int PawnDoubleStep = FlagPawnMove | FlagDoubleStep;
inline constexpr int EnPassantCapture = FlagPawnMove | FlagEnPassant | FlagCapture;

// Sizes of the fixed tables: plies from the root, and move-list entries for
// all plies together. No position has more than MaxMovesInPosition moves in
// the generator's list, however its board was set up: a move goes from one
// of the side's n pieces to one of the 64 - n squares not its own (at most
// 32 * 32 pairs), a pawn on its seventh rank lists each of its at most
// three moves four times (8 * 3 * 3 more), and two castlings may be listed
// onto an occupied square. So the list holds every ply's moves and never
// runs out.
inline constexpr int MaxPly = 64;
inline constexpr int MaxMovesInPosition = 32 * 32 + 8 * 3 * 3 + 2;
inline constexpr int MoveListSize = MaxPly * MaxMovesInPosition;

// Scores: the root window, and the base of mate scores (a side mated at ply
// p scores p - MateScore).
inline constexpr int SearchBound = 10000;
inline constexpr int MateScore = 10000;

// Ordering scores given when a move is added.
inline constexpr int CaptureScoreBase = 1000000;
inline constexpr int PVBoost = 10000000;

// Engine squares run 0 (a8) to 63 (h1); the file is s % 8, the row s / 8.
constexpr int FileIndex(int s)
{
    return s & 7;
}
constexpr int RowIndex(int s)
{
    return s >> 3;
}

} // namespace engine

// A move in four bytes; stored and compared as one 32-bit value.
struct TEngineMove {
    std::uint8_t From = 0;
    std::uint8_t To = 0;
    std::uint8_t Promote = 0; // 0, or the piece code promoted to (1..4)
    std::uint8_t Flags = 0;

    constexpr std::uint32_t Whole() const { return std::bit_cast<std::uint32_t>(*this); }
    friend constexpr bool operator==(TEngineMove a, TEngineMove b) { return a.Whole() == b.Whole(); }
};
static_assert(sizeof(TEngineMove) == 4);

struct TMoveEntry {
    TEngineMove Move;
    std::int32_t Score = 0;
};

// What a move overwrote, so that UndoMove can restore it.
struct TUndoRecord {
    TEngineMove Move;
    std::int32_t Captured = engine::EmptyCode;
    std::int32_t CastleRights = 0;
    std::int32_t EnPassantSquare = -1;
};
