// The state of a game as the board keeps it: the placement of the pieces,
// the side to move, the castling rights, the en passant square and the move
// number, with the 64-character position string that carries the placement.
// Plain C++, no Qt.
#pragma once

#include "core/CastleSet.h"
#include "core/PieceLetter.h"
#include "core/Square.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// A blank is an empty square; "PNBRQK" are White's pieces, "pnbrqk" Black's.
inline constexpr char EmptySquare = ' ';
// Kept in the None element so that lookups falling off the board read as
// empty; neither a piece letter nor in a colour range.
inline constexpr char OffBoardFiller = '_';

inline constexpr const char* InitialPositionString = "rnbqkbnrpppppppp                                PPPPPPPPRNBQKBNR";

struct GameState {
    BoardArray Board = InitialBoard();
    bool WhiteToMove = true;
    CastleSet CastlingAllowed = CastleSet::All();
    Square EnPassant = Square::None;
    int CurrentMove = 1;
    // Chess960 (core/Chess960.h): castling is the king moving onto its own
    // rook, whose file each right keeps in CastlingRookFile (in
    // CanStillCastle order). Off, the standard rules hold and the files
    // stay h, a, h, a.
    bool Chess960 = false;
    std::array<std::uint8_t, 4> CastlingRookFile{8, 1, 8, 1};

    static BoardArray InitialBoard();
    // The initial position, White to move, every castling right.
    static GameState Initial() { return GameState(); }
    // A state with the 64-character placement (A8 to H1) given; characters
    // other than piece letters leave their square empty.
    static GameState FromPlacement(std::string_view placement, bool whiteToMove = true,
                                   CastleSet castling = CastleSet(), Square enPassant = Square::None);

    // Empties every square (the None element keeps its filler).
    void Clear();
    // Puts a piece letter (or a blank) on a square.
    void Put(Square s, char piece) { Board[Ord(s)] = piece; }
    char At(Square s) const { return Board[Ord(s)]; }

    // The same position as the repetition rule counts it: the same
    // placement, side to move and castling rights, and the same en passant
    // capture (an en passant square no pawn can take on counts as none).
    // The move number does not count; in Chess960 the rights' rook files
    // do.
    friend bool operator==(const GameState& a, const GameState& b);
};

// 1 for a White piece, 0 for a Black piece, -1 for an empty square (or the
// filler of None): letters "B" to "R" are White, "b" to "r" Black.
int PieceColor(const BoardArray& board, Square square);

// The 64 characters of A8 to H1.
std::string PositionString(const BoardArray& board);
// Reads a position string into the board: every square is emptied, then the
// first 64 characters are placed (a NUL ends the string, unknown characters
// leave their square empty); "init" and "newgame" in any case give the
// initial position.
void ParsePositionString(BoardArray& board, const std::string& text);
// Whether a square may be written as an en passant square (ranks 3 and 6).
bool IsEnPassantRankSquare(Square square);
