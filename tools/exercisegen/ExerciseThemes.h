// The themes of an exercise that simple rules on the position recognise
// reliably, and the material arithmetic the finder needs. Each rule looks
// at the solution as played on the board:
//   mateIn1/2/3, mate  the solution ends in mate after 1, 2 or 3 of the
//                      person's moves (mate: any length);
//   material           it ends with material won, no mate;
//   promotion          one of the person's moves promotes;
//   backRank           the mate is given on the mated king's home rank by a
//                      rook or queen along it, the king walled in by its
//                      own pieces on the rank in front;
//   fork               a person's move puts a piece (not the king) where it
//                      attacks two targets (the king, a piece worth more
//                      than it, or an undefended piece), and the person's
//                      next move takes one of them with that piece;
//   pin                a solution that wins material takes a piece (a
//                      knight or more) that stood pinned to its king by
//                      one of the person's bishops, rooks or queens;
//   hangingPiece       a one-move solution that takes a piece (a knight or
//                      more) that nothing can take back.
#pragma once

#include "core/GameState.h"

#include <string>
#include <vector>

// Pawn 100, knight and bishop 300, rook 500, queen 900, king 0.
int PieceValueCp(char piece);
// The value of one side's pieces on the board.
int MaterialCp(const BoardArray& board, bool white);
// The side to move is mated.
bool IsCheckmate(const GameState& state);
// The piece on `from` attacks `target` by its own way of moving (pawns
// diagonally forward), whatever stands on target and whatever its own
// king's safety.
bool Attacks(const BoardArray& board, Square from, Square target);
// Some piece of the given colour attacks the square.
bool AttackedBy(const BoardArray& board, Square square, bool white);

// The themes of a solution (UCI moves, legal from `start`, the person's
// first), in the order of ExerciseThemeKeys; nothing when a move is not
// legal. A solution that does not end in mate is taken to win material.
std::vector<std::string> DetectThemes(const GameState& start, const std::vector<std::string>& solution);
