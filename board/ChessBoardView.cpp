// The board view's set-up and its plain property writers: the visual
// properties that store and paint, and the resize limits.
#include "board/ChessBoard.h"

#include <QGuiApplication>

void TChessBoard::InitView()
{
    setMouseTracking(true);
    // Tab and a click give the board the keyboard, for keyboard play.
    setFocusPolicy(Qt::StrongFocus);
    // paintEvent copies the canvas over every pixel it is asked for.
    setAttribute(Qt::WA_OpaquePaintEvent);
    CreatePromotionChooser();

    // The visual properties start at their in-class defaults (ChessBoard.h);
    // only what needs more than a value is set up here.
    pieceImages_.SetImageSize(pieceSize_);
    LoadStandardSet();
    BuildPieceImages();

    // "Arial" is matched to an installed sans-serif face by the font system.
    coordFont_ = QFont(QStringLiteral("Arial"));
    coordFont_.setStyleHint(QFont::SansSerif);
    coordFont_.setPointSize(7);

    const int side = 8 * sizeOfSquare_ + 2 * sizeOfBorder_;
    resize(side, side);
}

void TChessBoard::DoneView()
{
    ClosePromotionChooser();
    movingImage_.Release();
    if (drag_.State() == DragPhase::Active)
        QGuiApplication::restoreOverrideCursor();
    drag_.SetState(DragPhase::Idle);
}

void TChessBoard::SetWhiteOnTop(bool value)
{
    whiteOnTop_ = value;
    Paint();
}

void TChessBoard::SetDisplayCoords(CoordSet value)
{
    displayCoords_ = value;
    Paint();
}

void TChessBoard::SetCoordFont(const QFont& font)
{
    coordFont_ = font;
    Paint();
}

void TChessBoard::SetCoordFontColor(const QColor& color)
{
    coordFontColor_ = color;
    Paint();
}

void TChessBoard::SetBorderColor(const QColor& color)
{
    borderColor_ = color;
    Paint();
}

void TChessBoard::SetBorderBitmap(const QImage* bitmap)
{
    borderBitmap_ = bitmap ? bitmap->copy() : QImage();
    Paint();
}

void TChessBoard::SetSquareColorDark(const QColor& color)
{
    squareColorDark_ = color;
    Paint();
}

void TChessBoard::SetSquareColorLight(const QColor& color)
{
    squareColorLight_ = color;
    Paint();
}

void TChessBoard::SetSquareDark(const QImage* bitmap)
{
    squareDark_ = bitmap ? bitmap->copy() : QImage();
    Paint();
}

void TChessBoard::SetSquareLight(const QImage* bitmap)
{
    squareLight_ = bitmap ? bitmap->copy() : QImage();
    Paint();
}

void TChessBoard::SetBoardLines(bool value)
{
    boardLines_ = value;
    Paint();
}

void TChessBoard::SetLineStyle(const QPen& pen)
{
    lineStyle_ = pen;
    Paint();
}

void TChessBoard::SetResizeMinSize(int value)
{
    resizeMinSize_ = value < resizeMaxSize_ ? value : resizeMaxSize_;
}

void TChessBoard::SetResizeMaxSize(int value)
{
    resizeMaxSize_ = value > resizeMinSize_ ? value : resizeMinSize_;
}
