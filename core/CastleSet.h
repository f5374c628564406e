// The castling rights of a position: which of the four castlings the kings
// and rooks have not yet given up by moving (or losing the rook).
#pragma once

#include "core/FlagSet.h"

#include <cstdint>

enum class CanStillCastle : std::uint8_t { WhiteKingSide, WhiteQueenSide, BlackKingSide, BlackQueenSide };

// WhiteKingSide = 1, WhiteQueenSide = 2, BlackKingSide = 4, BlackQueenSide = 8.
using CastleSet = FlagSet<CanStillCastle, 4>;
