// Forsyth-Edwards Notation for the engine's tools: reading a FEN record into
// a board state with a precise reason when it is malformed, and writing one.
#pragma once

#include "core/GameState.h"

#include <string>
#include <string_view>

// Reads placement, side to move, castling rights and en passant square; the
// two move counters may follow and are checked but not kept. On failure the
// state is left alone and error says what is wrong.
bool ParseFen(std::string_view fen, GameState& state, std::string& error);

// The four fields and "0 1" as counters.
std::string FormatFen(const GameState& state);

inline constexpr std::string_view InitialFen = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
