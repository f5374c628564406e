// The board's piece sets: the built-in sheet chosen by StandardSize, the
// caller's custom sheet, and the piece images cut from the active one.
#include "board/ChessBoard.h"

void TChessBoard::SetStandardSize(StandardSet value)
{
    standardSize_ = value;
    LoadStandardSet();
    BuildPieceImages();
    Paint();
}

void TChessBoard::SetCustomPieceSet(const QImage* sheet)
{
    if (sheet != nullptr && !IsValidPieceSet(sheet))
        return;
    customPieceSet_ = sheet ? sheet->copy() : QImage();
    BuildPieceImages();
    Paint();
}

void TChessBoard::LoadStandardSet()
{
    const QString name = StandardSetResourceName(standardSize_);
    if (name.isEmpty())
        return;
    standardSetBitmap_ = LoadSheetResource(name);
}

void TChessBoard::BuildPieceImages()
{
    const QImage& sheet = IsValidPieceSet(&customPieceSet_) ? customPieceSet_ : standardSetBitmap_;
    pieceSize_ = CutPieceSheet(sheet, pieceImages_, imageIndex_);
}

int TChessBoard::PieceImageIndex(char piece) const
{
    return PieceImageIndexIn(imageIndex_, piece);
}
