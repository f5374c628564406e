// Placeholder view: the drawing, animation and view properties the game model
// calls, doing nothing yet, so that the model works without a view.
#include "board/ChessBoard.h"

void TChessBoard::InitView() {}
void TChessBoard::DoneView() {}
void TChessBoard::Paint() {}
bool TChessBoard::AnimateMoves() const { return animateMoves_; }
void TChessBoard::SetAnimateMoves(bool value) { animateMoves_ = value; }
int TChessBoard::AnimationDelay() const { return animationDelay_; }
void TChessBoard::SetAnimationDelay(int value) { animationDelay_ = value; }
void TChessBoard::DrawBoardLines() {}
void TChessBoard::DrawSquare(Square) {}
void TChessBoard::DrawPiece(Square, char) {}
void TChessBoard::RedrawChangedSquares(const std::string&) {}
void TChessBoard::AnimateMove(Square, Square, int) {}
