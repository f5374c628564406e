// Playing from an opening book: a level takes the book's move while the game
// is within its own number of book plies and the book knows the position.
#pragma once

#include "core/PolyglotBook.h"
#include "engine/WeakPlay.h"

#include <string>

// The half-moves played before the state by its move number and side to
// move (0 with White to move at move 1).
int GamePly(const GameState& state);

// The book's move, chosen by weight, when the game has had fewer than
// maxPlies half-moves (gamePly) and the book has a move for the position.
bool ChooseBookMove(const TPolyglotBook& book, const GameState& state, int gamePly, int maxPlies, TWeakRandom& random,
                    ChessMove& move);

// "e2e4", "e7e8q".
std::string BookMoveText(const ChessMove& move);

// Where Debian's gnuchess-book package puts its Polyglot book.
inline constexpr const char* DefaultBookPath = "/usr/share/games/gnuchess/book.bin";
