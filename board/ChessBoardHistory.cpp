// TChessBoard's side of the game record: writing the current position into
// its slot, the move list, going back to an earlier position, repetition.
#include "board/ChessBoard.h"

#include "core/Rules.h"

void TChessBoard::RecordCurrentPosition()
{
    history_.RecordPosition(game_.CurrentMove, game_.WhiteToMove, Position(), game_.CastlingAllowed, game_.EnPassant,
                            CapturableEnPassant(game_));
}

void TChessBoard::GetMoveList(std::vector<std::string>& List) const
{
    history_.GetMoveList(List);
}

bool TChessBoard::GotoMove(int MoveNumber, bool WhiteToMove)
{
    StopThinking();
    if (!history_.HoldsRecordedPosition(MoveNumber, WhiteToMove))
        return false;
    const MoveInfo& slot = *history_.Slot(MoveNumber, WhiteToMove);
    game_.CurrentMove = MoveNumber;
    game_.WhiteToMove = WhiteToMove;
    const std::string oldPosition = Position();
    for (int n = 1; n <= 64; ++n)
        game_.Board[n] = slot.Placement[n - 1];
    game_.EnPassant = slot.EnPassantSq;
    game_.CastlingAllowed = slot.Castling;
    aids_.SetPositionFromPlay(true);
    RedrawChangedSquares(oldPosition);
    ShownPositionChanged();
    return true;
}

bool TChessBoard::ThreefoldRepetition() const
{
    return history_.ThreefoldRepetition(game_.CurrentMove, game_.WhiteToMove);
}
