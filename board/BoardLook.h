// The board's look: every visual property of TChessBoard in one value (the
// sizes and orientation, the coordinates' font and colour, the border and
// square colours and pictures, the board lines and their pen) and the piece
// sets, whose images follow the sheet in use and the screen's density.
//
// The plain properties are public fields, written by the board's setters,
// which then paint; the piece sets are kept behind functions, because the
// images have to be cut anew whenever a sheet or the density changes. The
// look knows nothing of the widget: the board hands it the device ratio.
#pragma once

#include "board/ChessBoardTypes.h"
#include "board/PieceSet.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPen>

class BoardLook {
public:
    // The specified defaults, with the built-in set of StandardSize and no
    // piece images yet (CutPieces makes them).
    BoardLook();

    int SizeOfSquare = 40;
    int SizeOfBorder = 24;
    // The board's top-left corner inside the control: the border's width.
    int BoardLeft = 24;
    int BoardTop = 24;
    bool WhiteOnTop = false;
    CoordSet DisplayCoords;
    QFont CoordFont;
    QColor CoordFontColor = Qt::white;
    QColor BorderColor = Qt::black;
    QImage BorderBitmap;
    QColor SquareColorDark = QColor(0x80, 0x80, 0x80);
    QColor SquareColorLight = QColor(0xC0, 0xC0, 0xC0);
    QImage SquareDark;
    QImage SquareLight;
    bool BoardLines = false;
    QPen LineStyle{Qt::black, 1, Qt::SolidLine};

    // ---- Piece sets ----
    // The writers cut the images anew for `ratio` device pixels a logical
    // pixel when the pieces shown may change; those that answer return
    // false when nothing shown changed.
    StandardSet StandardSize() const { return standardSize_; }
    void SetStandardSize(StandardSet value, qreal ratio);
    const QImage& StandardSetBitmap() const { return standardSetBitmap_; }
    const QImage& CustomPieceSet() const { return customPieceSet_; }
    // A sheet that is not valid is refused (false, nothing changes); nullptr
    // empties the custom sheet.
    bool SetCustomPieceSet(const QImage* sheet, qreal ratio);
    // Read only on screens of more device pixels than logical ones, and only
    // while a valid custom sheet is in use.
    const QImage& CustomPieceSetLarge() const { return customPieceSetLarge_; }
    bool SetCustomPieceSetLarge(const QImage* sheet, qreal ratio);

    // Cuts the piece images from the sheet in use (the custom one when
    // valid, else the built-in one) for `ratio`.
    void CutPieces(qreal ratio);
    // The ratio the images were last cut for.
    qreal PiecesRatio() const { return piecesRatio_; }
    const TPieceImages& PieceImages() const { return pieceImages_; }
    // The image for a piece letter; a null image for anything else.
    const QImage& PieceImage(char piece) const { return pieceImages_.Masked(PieceImageIndex(piece)); }
    // The edge of the piece images in logical pixels.
    int PieceSize() const { return pieceSize_; }
    int PieceImageIndex(char piece) const { return PieceImageIndexIn(imageIndex_, piece); }

private:
    void LoadStandardSet();

    StandardSet standardSize_ = StandardSet::Size40;
    QImage standardSetBitmap_;
    QImage customPieceSet_;
    QImage customPieceSetLarge_;
    TPieceImages pieceImages_;
    qreal piecesRatio_ = 1.0;
    PieceIndexTable imageIndex_{};
    int pieceSize_ = 40;
};
