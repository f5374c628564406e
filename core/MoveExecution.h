// What a move does to a position, step by step: the piece moves, the turn
// passes, a pawn on the last rank is promoted, an en passant capture takes
// its pawn, a castling king brings its rook, and the en passant square and
// the castling rights follow. The board component runs these steps one by
// one between its drawing calls and events; ApplyMove runs them all for
// everything else (game files, notation, tests). None of them checks
// legality: that is the caller's business (Rules.h).
#pragma once

#include "core/GameState.h"

#include <optional>

// Moves the piece on from to to and returns what stood on to (EmptySquare
// when nothing).
char MovePiece(GameState& state, Square from, Square to);

// The side to move changes; after Black's move the move number grows.
void PassTurn(GameState& state);

// A pawn stands on its last rank on square.
bool NeedsPromotion(const GameState& state, Square square);
// The pawn on square becomes `piece` (a letter of either case; its colour
// follows the rank: upper case on rank 8, lower case on rank 1).
void PromotePawn(GameState& state, Square square, char piece);

// Removes the pawn an en passant capture from -> to takes, and returns it.
char RemoveEnPassantVictim(GameState& state, Square from, Square to);

// The en passant square after the piece now on to came from from: the
// square a pawn's double step passed over, else None.
void UpdateEnPassantSquare(GameState& state, Square from, Square to);

struct CastlingRookMove {
    Square from = Square::None;
    Square to = Square::None;
    char rook = EmptySquare;
};
// When the king now on kingTo castled from kingFrom, moves its rook and
// says how; otherwise nothing.
std::optional<CastlingRookMove> MoveCastlingRook(GameState& state, Square kingFrom, Square kingTo);

// A right goes when its king or rook leaves home, and when anything lands
// on the rook's corner (the rook there has been taken).
void UpdateCastlingRights(GameState& state, Square from, Square to);

// What ApplyMove did.
struct MoveOutcome {
    char moved = EmptySquare;    // the piece that moved, as it was before promotion
    char captured = EmptySquare; // the captured piece, also en passant
    bool enPassant = false;
    bool castled = false;
    char promotedTo = EmptySquare;
};
// Every step of a move in the board's order. `promotion` is the piece a
// pawn becomes on the last rank (either case; 'Q' when not a piece letter
// other than a pawn or king).
MoveOutcome ApplyMove(GameState& state, Square from, Square to, char promotion = 'Q');
