// Moves in UCI long algebraic form ("e2e4", "e7e8q"): writing an engine
// move, and finding the legal move a text names in the engine's position.
#pragma once

#include "engine/EngineTypes.h"

#include <string>
#include <string_view>

class TChessEngine;
struct GameState;

std::string MoveToUci(TEngineMove move);
// The same in the engine's position: in Chess960 a castling is written as
// the king taking its own rook ("e1h1"), as the protocol asks.
std::string MoveToUci(TEngineMove move, const TChessEngine& engine);

enum class MoveTextResult { Legal, Malformed, Illegal };

// Looks the text up among the legal moves of the engine's current position.
// A promotion must name its piece; other moves must not.
MoveTextResult FindLegalMove(TChessEngine& engine, std::string_view text, TEngineMove& move);

// Makes the named move on a board state through the engine (which is linked
// to the state and loaded from it). The state is changed only when the move
// is legal.
MoveTextResult PlayMove(TChessEngine& engine, GameState& state, std::string_view text);
