// How a move ended the game, as TChessBoard's gameEnded signal tells it.
#pragma once

#include <cstdint>

// Mate comes with OnMate; the draws with OnDraw, named by the first of their
// reasons that holds (a stalemate, then too little material to mate, then
// the third repetition of the position).
enum class TGameEnd : std::uint8_t { Mate, Stalemate, NoMatingMaterial, ThreefoldRepetition };
