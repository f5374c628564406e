// Painting the board on its canvas: border with coordinates and frames,
// squares in colours or tiled pictures, board lines and pieces, and the
// single-square routines the game model calls in the middle of a move.
// Every routine brackets its clip changes with save and restore; pictures
// are tiled from the control's top-left corner, so a square repainted alone
// looks exactly as in a full paint.
#include "board/ChessBoard.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

// The canvas's painter for one drawing routine: the outermost routine opens
// it (fitting the canvas to the control first), routines it calls draw with
// the same one, and closing it asks the widget to show the new picture.
class TChessBoard::CanvasPainter {
public:
    explicit CanvasPainter(TChessBoard& board) : board_(board)
    {
        if (board_.canvas_.OpenPainter() == nullptr) {
            board_.EnsureCanvas();
            opened_ = board_.canvas_.Open();
        }
        painter_ = board_.canvas_.OpenPainter();
    }
    ~CanvasPainter()
    {
        if (!opened_)
            return;
        board_.canvas_.Close();
        board_.update();
    }
    CanvasPainter(const CanvasPainter&) = delete;
    CanvasPainter& operator=(const CanvasPainter&) = delete;

    QPainter& operator*() { return *painter_; }

private:
    TChessBoard& board_;
    bool opened_ = false;
    QPainter* painter_ = nullptr;
};

namespace {

bool HasImage(const QImage& picture)
{
    return !picture.isNull() && picture.width() > 0 && picture.height() > 0;
}

// The coordinate font's size in points, the measure the label offsets use.
int FontSizeInPoints(const QFont& font)
{
    if (font.pointSize() > 0)
        return font.pointSize();
    if (font.pixelSize() > 0)
        return (font.pixelSize() * 72 + 48) / 96;
    return 0;
}

} // namespace

void TChessBoard::Paint()
{
    if (!isVisible()) {
        // Drawn at the first show; nothing to show it on before.
        paintPending_ = true;
        return;
    }
    paintPending_ = false;
    if (!designMode_ && OnPaint && !firingOnPaint_) {
        // A handler that writes a visual property paints again, without
        // being called a second time.
        firingOnPaint_ = true;
        struct Reset {
            bool& flag;
            ~Reset() { flag = false; }
        } reset{firingOnPaint_};
        OnPaint(this);
    }
    if (!firstPaintDone_) {
        firstPaintDone_ = true;
        ResumeThinking();
    }

    if (look_.PiecesRatio() != DeviceRatio())
        look_.CutPieces(DeviceRatio());
    look_.SizeOfSquare = SquareSizeFromBounds();
    const int side = 8 * look_.SizeOfSquare + 2 * look_.SizeOfBorder;
    inPaint_ = true;
    resize(side, side);
    inPaint_ = false;
    EnsureCanvas();

    CanvasPainter painter(*this);
    DrawBorder();
    DrawSquares();
    DrawPieces();
}

void TChessBoard::FillArea(QPainter& painter, const QImage& picture, const QColor& color, const QRect& area)
{
    if (HasImage(picture)) {
        // Tiles from the control's corner over the whole control; the clip
        // decides what shows. On a denser screen the picture is enlarged
        // smoothly rather than in uneven blocks.
        painter.setBrushOrigin(0, 0);
        if (canvas_.Ratio() != 1.0)
            painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.fillRect(QRect(0, 0, width(), height()), QBrush(picture));
    } else {
        painter.fillRect(area, color);
    }
}

void TChessBoard::DrawBorder()
{
    CanvasPainter canvas(*this);
    QPainter& p = *canvas;
    const int W = width();
    const int H = height();
    const int B = look_.SizeOfBorder;
    const int S = look_.SizeOfSquare;

    p.save();
    QRegion border(0, 0, W, H);
    if (W > 2 * B && H > 2 * B)
        border -= QRegion(B, B, W - 2 * B, H - 2 * B);
    p.setClipRegion(border, Qt::IntersectClip);
    FillArea(p, look_.BorderBitmap, look_.BorderColor, border.boundingRect());

    if (!look_.DisplayCoords.Empty()) {
        p.setFont(look_.CoordFont);
        p.setPen(look_.CoordFontColor);
        const QFontMetrics metrics = p.fontMetrics();
        const int F = FontSizeInPoints(look_.CoordFont);
        const int a = std::max(0, (B - F) / 2 + 1);
        const int d = std::max(0, (S - F) / 2);
        const int lift = metrics.height() / 4;
        const QString letters = look_.WhiteOnTop ? QStringLiteral("HGFEDCBA") : QStringLiteral("ABCDEFGH");
        auto label = [&](int x, int y, const QString& text) { p.drawText(x, y + metrics.ascent(), text); };
        for (int i = 0; i < 8; ++i) {
            const QString number = QString::number(look_.WhiteOnTop ? i + 1 : 8 - i);
            const QString letter = letters.mid(i, 1);
            if (look_.DisplayCoords.Contains(DisplayCoords::West))
                label(a, B + i * S + d, number);
            if (look_.DisplayCoords.Contains(DisplayCoords::East))
                label(W - B + a, B + i * S + d, number);
            if (look_.DisplayCoords.Contains(DisplayCoords::North))
                label(B + i * S + d, a - lift, letter);
            if (look_.DisplayCoords.Contains(DisplayCoords::South))
                label(B + i * S + d, H - B + a - lift, letter);
        }
    }

    UseLinePen(p);
    p.setBrush(Qt::NoBrush);
    const QPoint outer[] = {{0, 0}, {W - 1, 0}, {W - 1, W - 1}, {0, W - 1}, {0, 0}};
    const QPoint inner[] = {{B - 1, B - 1}, {W - B, B - 1}, {W - B, W - B}, {B - 1, W - B}, {B - 1, B - 1}};
    p.drawPolyline(outer, 5);
    p.drawPolyline(inner, 5);
    p.restore();
}

void TChessBoard::DrawSquares()
{
    CanvasPainter canvas(*this);
    QPainter& p = *canvas;
    const int S = look_.SizeOfSquare;
    const int B = look_.SizeOfBorder;
    const QRect area(B, B, std::max(0, width() - 2 * B), std::max(0, height() - 2 * B));

    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    for (int pass = 0; pass < 2; ++pass) {
        p.save();
        // Leave out every square of the other colour.
        QRegion others;
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 4; ++c) {
                const int column = 2 * c + ((r % 2) ^ pass);
                others += QRect(look_.BoardLeft + column * S, look_.BoardTop + r * S, S, S);
            }
        p.setClipRegion(QRegion(area) - others, Qt::IntersectClip);
        const bool light = pass == 1;
        FillArea(p, light ? look_.SquareLight : look_.SquareDark,
                 light ? look_.SquareColorLight : look_.SquareColorDark, p.clipBoundingRect().toAlignedRect());
        p.restore();
    }
    DrawAllMarks(p, false);
    DrawBoardLines();
    DrawAllMarks(p, true);
    p.restore();
}

void TChessBoard::UseLinePen(QPainter& p) const
{
    const qreal ratio = canvas_.Ratio();
    if (ratio == 1.0) {
        p.setPen(look_.LineStyle);
        return;
    }
    // At one device pixel per logical pixel a line of odd width has its
    // spare pixel right of and below its mathematical place, so a one-pixel
    // line lies on the first pixels of the square after it. Scaled up, the
    // pen is spread evenly about that place: half a logical pixel right and
    // down puts it back. A cosmetic pen, one device pixel wide whatever the
    // scale, is one logical pixel wide, as it looks at one device pixel.
    // Mitred joins keep the frames' corners square, as thin lines meet.
    QPen pen = look_.LineStyle;
    if (pen.widthF() == 0.0)
        pen.setWidth(1);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    if (qRound(pen.widthF()) % 2 == 1)
        p.translate(0.5, 0.5);
}

void TChessBoard::DrawLinesWith(QPainter& p)
{
    const int S = look_.SizeOfSquare;
    const int W = width();
    const int H = height();
    UseLinePen(p);
    // A line ends before its end point: the last pixel is one short of it.
    for (int i = 1; i <= 7; ++i) {
        p.drawLine(look_.BoardLeft + i * S, look_.BoardTop, look_.BoardLeft + i * S, H - look_.BoardTop - 1);
        p.drawLine(look_.BoardLeft, look_.BoardTop + i * S, W - look_.BoardLeft - 1, look_.BoardTop + i * S);
    }
}

void TChessBoard::DrawBoardLines()
{
    if (!look_.BoardLines)
        return;
    CanvasPainter canvas(*this);
    QPainter& p = *canvas;
    p.save();
    DrawLinesWith(p);
    p.restore();
}

void TChessBoard::DrawPieces()
{
    CanvasPainter canvas(*this);
    for (int q = 1; q <= 64; ++q) {
        const char piece = PieceAt(SquareFromOrd(q));
        if (piece != ' ')
            DrawPiece(SquareFromOrd(q), piece);
    }
}

void TChessBoard::DrawSquare(Square square)
{
    if (Ord(square) < 1 || Ord(square) > 64)
        return;
    CanvasPainter canvas(*this);
    QPainter& p = *canvas;
    int x = 0;
    int y = 0;
    SquareOrigin(square, x, y);
    const QRect cell(x, y, look_.SizeOfSquare, look_.SizeOfSquare);

    p.save();
    p.setClipRect(cell, Qt::IntersectClip);
    const bool light = IsLightSquare(square);
    FillArea(p, light ? look_.SquareLight : look_.SquareDark, light ? look_.SquareColorLight : look_.SquareColorDark,
             cell);
    const std::uint8_t marks = aids_.MarksAt(CurrentMarkContext(), game_.State(), square);
    aids_.ShownMarks()[Ord(square)] = marks;
    if (marks & ~MarkFocus)
        DrawMarks(p, cell, marks);
    if (look_.BoardLines)
        DrawLinesWith(p);
    if (marks & MarkFocus)
        DrawFocusFrame(p, cell);
    p.restore();
}

void TChessBoard::DrawPiece(Square square, char piece)
{
    const int index = PieceImageIndex(piece);
    if (index < 0 || Ord(square) < 1 || Ord(square) > 64)
        return;
    CanvasPainter canvas(*this);
    int x = 0;
    int y = 0;
    SquareOrigin(square, x, y);
    const int offset = (look_.SizeOfSquare - look_.PieceSize()) / 2;
    look_.PieceImages().Draw(*canvas, x + offset, y + offset, index);
    if (square == aids_.FocusSquare() && aids_.FocusFrameShown())
        DrawFocusFrame(*canvas, QRect(x, y, look_.SizeOfSquare, look_.SizeOfSquare));
}

void TChessBoard::RedrawChangedSquares(const std::string& oldPosition)
{
    CanvasPainter canvas(*this);
    for (int q = 1; q <= 64; ++q) {
        const Square square = SquareFromOrd(q);
        const char now = PieceAt(square);
        const char before = static_cast<std::size_t>(q - 1) < oldPosition.size() ? oldPosition[q - 1] : '\0';
        if (before == now)
            continue;
        DrawSquare(square);
        if (now != ' ')
            DrawPiece(square, now);
    }
    DrawBoardLines();
}

void TChessBoard::paintEvent(QPaintEvent* event)
{
    if (canvas_.OpenPainter() == nullptr && canvas_.Ratio() != DeviceRatio()) {
        // Moved to a screen of another density: the same picture, drawn
        // anew with that screen's pixels.
        look_.CutPieces(DeviceRatio());
        EnsureCanvas();
        CanvasPainter painter(*this);
        DrawBorder();
        DrawSquares();
        DrawPieces();
    } else if (canvas_.LogicalSize() != size()) {
        EnsureCanvas();
    }
    QPainter p(this);
    canvas_.ShowOn(p, event->rect());
    PaintDrawing(p, event->rect());
}
