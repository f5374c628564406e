// TChessBoard's side of the game record: writing the current position into
// its slot, the move list, going back to an earlier position, repetition.
#include "board/ChessBoard.h"

void TChessBoard::GetMoveList(std::vector<std::string>& List) const
{
    game_.History().GetMoveList(List);
}

bool TChessBoard::GotoMove(int MoveNumber, bool WhiteToMove)
{
    StopThinking();
    const std::string oldPosition = Position();
    if (!game_.Goto(MoveNumber, WhiteToMove))
        return false;
    aids_.SetPositionFromPlay(true);
    RedrawChangedSquares(oldPosition);
    ShownPositionChanged();
    return true;
}

bool TChessBoard::ThreefoldRepetition() const
{
    return game_.ThreefoldRepetition();
}
