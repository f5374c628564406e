// The board's piece sets: the built-in sheet chosen by StandardSize, the
// caller's custom sheet, and the piece images cut from the active one, all
// kept by the look (board/BoardLook.h); each change that shows paints.
#include "board/ChessBoard.h"

void TChessBoard::SetStandardSize(StandardSet value)
{
    look_.SetStandardSize(value, DeviceRatio());
    Paint();
}

void TChessBoard::SetCustomPieceSet(const QImage* sheet)
{
    if (!look_.SetCustomPieceSet(sheet, DeviceRatio()))
        return;
    Paint();
}

void TChessBoard::SetCustomPieceSetLarge(const QImage* sheet)
{
    if (!look_.SetCustomPieceSetLarge(sheet, DeviceRatio()))
        return;
    Paint();
}

int TChessBoard::PieceImageIndex(char piece) const
{
    return look_.PieceImageIndex(piece);
}
