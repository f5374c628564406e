// The board view's set-up and its plain property writers: the visual
// properties that store and paint.
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

    // The look starts at its defaults (board/BoardLook.h); the piece images
    // are cut for this screen.
    look_.CutPieces(DeviceRatio());

    const int side = 8 * look_.SizeOfSquare + 2 * look_.SizeOfBorder;
    resize(side, side);
}

void TChessBoard::DoneView()
{
    ClosePromotionChooser();
    movingImage_.Release();
    if (input_.Drag().State() == BoardDrag::Phase::Active)
        QGuiApplication::restoreOverrideCursor();
    input_.Drag().SetState(BoardDrag::Phase::Idle);
}

void TChessBoard::SetWhiteOnTop(bool value)
{
    look_.WhiteOnTop = value;
    Paint();
}

void TChessBoard::SetDisplayCoords(CoordSet value)
{
    look_.DisplayCoords = value;
    Paint();
}

void TChessBoard::SetCoordFont(const QFont& font)
{
    look_.CoordFont = font;
    Paint();
}

void TChessBoard::SetCoordFontColor(const QColor& color)
{
    look_.CoordFontColor = color;
    Paint();
}

void TChessBoard::SetBorderColor(const QColor& color)
{
    look_.BorderColor = color;
    Paint();
}

void TChessBoard::SetBorderBitmap(const QImage* bitmap)
{
    look_.BorderBitmap = bitmap ? bitmap->copy() : QImage();
    Paint();
}

void TChessBoard::SetSquareColorDark(const QColor& color)
{
    look_.SquareColorDark = color;
    Paint();
}

void TChessBoard::SetSquareColorLight(const QColor& color)
{
    look_.SquareColorLight = color;
    Paint();
}

void TChessBoard::SetSquareDark(const QImage* bitmap)
{
    look_.SquareDark = bitmap ? bitmap->copy() : QImage();
    Paint();
}

void TChessBoard::SetSquareLight(const QImage* bitmap)
{
    look_.SquareLight = bitmap ? bitmap->copy() : QImage();
    Paint();
}

void TChessBoard::SetBoardLines(bool value)
{
    look_.BoardLines = value;
    Paint();
}

void TChessBoard::SetLineStyle(const QPen& pen)
{
    look_.LineStyle = pen;
    Paint();
}
