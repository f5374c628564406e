// The board's look and its piece sets. See BoardLook.h.
#include "board/BoardLook.h"

BoardLook::BoardLook()
{
    // "Arial" is matched to an installed sans-serif face by the font system.
    CoordFont = QFont(QStringLiteral("Arial"));
    CoordFont.setStyleHint(QFont::SansSerif);
    CoordFont.setPointSize(7);
    pieceImages_.SetImageSize(pieceSize_);
    LoadStandardSet();
}

void BoardLook::LoadStandardSet()
{
    // A value outside the enumeration keeps the sheet there was.
    const QString name = StandardSetResourceName(standardSize_);
    if (!name.isEmpty())
        standardSetBitmap_ = LoadSheetResource(name);
}

void BoardLook::SetStandardSize(StandardSet value, qreal ratio)
{
    standardSize_ = value;
    LoadStandardSet();
    CutPieces(ratio);
}

bool BoardLook::SetCustomPieceSet(const QImage* sheet, qreal ratio)
{
    if (sheet != nullptr && !IsValidPieceSet(sheet))
        return false;
    customPieceSet_ = sheet ? sheet->copy() : QImage();
    CutPieces(ratio);
    return true;
}

bool BoardLook::SetCustomPieceSetLarge(const QImage* sheet, qreal ratio)
{
    customPieceSetLarge_ = sheet ? sheet->copy() : QImage();
    if (ratio == 1.0 || !IsValidPieceSet(&customPieceSet_))
        return false;
    CutPieces(ratio);
    return true;
}

void BoardLook::CutPieces(qreal ratio)
{
    const bool custom = IsValidPieceSet(&customPieceSet_);
    const QImage& sheet = custom ? customPieceSet_ : standardSetBitmap_;
    piecesRatio_ = ratio;
    if (ratio == 1.0) {
        pieceSize_ = CutPieceSheet(sheet, pieceImages_, imageIndex_);
        return;
    }
    // On a denser screen the pieces get its pixels: from the sheet drawn
    // twice as large where there is one, otherwise scaled smoothly.
    const QImage larger = custom ? customPieceSetLarge_
                                 : LoadSheetResource(StandardSetResourceName(standardSize_) + QStringLiteral("@2x"));
    pieceSize_ = CutPieceSheetFor(ratio, sheet, larger, pieceImages_, imageIndex_);
}
