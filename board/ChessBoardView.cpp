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

    pieceImages_.SetImageSize(40);
    lineStyle_ = QPen(Qt::black, 1, Qt::SolidLine);
    standardSize_ = StandardSet::Size40;
    resizeMinSize_ = 100;
    resizeMaxSize_ = 1000;
    animateMoves_ = true;
    animationDelay_ = 0;
    LoadStandardSet();
    BuildPieceImages();

    // "Arial" is matched to an installed sans-serif face by the font system.
    coordFont_ = QFont(QStringLiteral("Arial"));
    coordFont_.setStyleHint(QFont::SansSerif);
    coordFont_.setPointSize(7);
    coordFontColor_ = Qt::white;

    sizeOfSquare_ = 40;
    sizeOfBorder_ = 24;
    borderColor_ = Qt::black;
    squareColorDark_ = QColor(0x80, 0x80, 0x80);
    squareColorLight_ = QColor(0xC0, 0xC0, 0xC0);
    boardLeft_ = boardTop_ = 24;
    resize(8 * 40 + 2 * 24, 8 * 40 + 2 * 24);
}

void TChessBoard::DoneView()
{
    ClosePromotionChooser();
    movingImage_.Release();
    if (dragPhase_ == DragPhase::Active)
        QGuiApplication::restoreOverrideCursor();
    dragPhase_ = DragPhase::Idle;
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
