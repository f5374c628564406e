// Move animation on the board: the moving image is attached above the
// parent window at the from-square's corner and slides to the to-square's
// corner along the animation part's path (board/MoveAnimation.h). The screen
// is brought up to date at each step directly.
#include "board/ChessBoard.h"

void TChessBoard::AnimateMove(Square FromSq, Square ToSq, int Delay)
{
    animation_.ForgetPath();
    if (!movingImage_.Active()) {
        const char piece = PieceAt(FromSq);
        movingImage_.SetImage(look_.PieceImages().Masked(PieceImageIndex(piece)));
        QPoint offset;
        QWidget* host = ImageHost(offset);
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        SquareOrigin(FromSq, x1, y1);
        SquareOrigin(ToSq, x2, y2);
        const QPoint from = offset + QPoint(x1, y1);
        const QPoint to = offset + QPoint(x2, y2);
        // The from-square has just been drawn empty on the canvas; show it
        // now, as no message will be processed until the slide ends.
        if (isVisible())
            repaint();
        movingImage_.Attach(host, from);
        movingImage_.Show();
        animation_.Slide(movingImage_, MoveAnimation::SlidePath(from, to, piece == 'N' || piece == 'n'), Delay);
    }
    movingImage_.Release();
}
