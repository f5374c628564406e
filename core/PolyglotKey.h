// The key of a position in the Polyglot opening-book format: the XOR of the
// format's published constants for the pieces, the castling rights, the en
// passant file (only when a pawn of the side to move could take en passant)
// and White to move.
#pragma once

#include "core/GameState.h"

#include <array>
#include <cstdint>

extern const std::array<std::uint64_t, 781> PolyglotRandom;

std::uint64_t PolyglotKey(const GameState& state);
