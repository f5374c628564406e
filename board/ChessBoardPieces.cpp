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

void TChessBoard::SetCustomPieceSetLarge(const QImage* sheet)
{
    customPieceSetLarge_ = sheet ? sheet->copy() : QImage();
    if (DeviceRatio() == 1.0 || !IsValidPieceSet(&customPieceSet_))
        return;
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
    const bool custom = IsValidPieceSet(&customPieceSet_);
    const QImage& sheet = custom ? customPieceSet_ : standardSetBitmap_;
    piecesRatio_ = DeviceRatio();
    if (piecesRatio_ == 1.0) {
        pieceSize_ = CutPieceSheet(sheet, pieceImages_, imageIndex_);
        return;
    }
    // On a denser screen the pieces get its pixels: from the sheet drawn
    // twice as large where there is one, otherwise scaled smoothly.
    const QImage larger = custom ? customPieceSetLarge_
                                 : LoadSheetResource(StandardSetResourceName(standardSize_) + QStringLiteral("@2x"));
    pieceSize_ = CutPieceSheetFor(piecesRatio_, sheet, larger, pieceImages_, imageIndex_);
}

int TChessBoard::PieceImageIndex(char piece) const
{
    return PieceImageIndexIn(imageIndex_, piece);
}
