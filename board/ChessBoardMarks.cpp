// Drawing the marks on the squares (which marks a square shows is the
// play aids' answer, board/BoardPlayAids.h): the last move, the king in check, the selected
// piece and the squares it can reach, a suggested move and the keyboard's
// focus frame. Every routine that paints a square's background paints its
// marks too, beneath the piece and the board lines, clipped to the cell, so
// a square repainted alone looks as in a full paint. The focus frame alone
// lies above the piece; it is opaque, so drawing it twice changes nothing.
#include "board/ChessBoard.h"

#include <QPainter>

#include <algorithm>

namespace {

// Translucent, so that the square's colour or picture shows through.
const QColor kLastMoveTint(246, 226, 40, 110);
const QColor kHintTint(40, 120, 255, 135);
const QColor kSelectedTint(40, 140, 60, 125);
const QColor kFocusOuter(20, 100, 220);
const QColor kFocusInner(255, 255, 255);
// The dots, rings and the check frame are two-toned, a dark part beside a
// light one, so that one of them stands out on any square: dark on light
// squares, light on dark ones, whatever the look.
const QColor kMarkDark(20, 20, 20, 230);
const QColor kMarkLight(255, 255, 255, 235);
const QColor kCheckRed(235, 20, 20);

} // namespace

void TChessBoard::DrawMarks(QPainter& p, const QRect& cell, std::uint8_t marks)
{
    if (marks & MarkLastMove)
        p.fillRect(cell, kLastMoveTint);
    if (marks & MarkHint)
        p.fillRect(cell, kHintTint);
    if (marks & MarkSelected)
        p.fillRect(cell, kSelectedTint);
    if (!(marks & (MarkCheck | MarkTarget | MarkCapture)))
        return;
    const double S = cell.width();
    const QPointF centre(cell.x() + S / 2.0, cell.y() + S / 2.0);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    if (marks & MarkCheck) {
        // A red frame along the square's edge, between a black and a white
        // line; the middle, where the king stands, keeps its colour, so the
        // king looks as always whatever its colour.
        const int band = std::max(5, cell.width() / 8);
        const auto frame = [&](int inset, int width, const QColor& colour) {
            const QRect outer = cell.adjusted(inset, inset, -inset, -inset);
            const QRegion ring = QRegion(outer) - QRegion(outer.adjusted(width, width, -width, -width));
            for (const QRect& r : ring)
                p.fillRect(r, colour);
        };
        frame(0, 1, Qt::black);
        frame(1, band - 3, kCheckRed);
        frame(band - 2, 2, Qt::white);
    }
    p.setPen(Qt::NoPen);
    if (marks & MarkTarget) {
        // A dark dot in a light ring.
        const double r = S * 0.15;
        const double ring = std::max(1.5, S * 0.04);
        p.setBrush(kMarkLight);
        p.drawEllipse(centre, r + ring, r + ring);
        p.setBrush(kMarkDark);
        p.drawEllipse(centre, r, r);
    }
    if (marks & MarkCapture) {
        // A ring along the edge, where the piece leaves the square free: a
        // light outer ring round a dark inner one.
        const double w = std::max(2.0, S * 0.05);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kMarkLight, w));
        const double outer = S / 2.0 - w / 2.0 - 0.5;
        p.drawEllipse(centre, outer, outer);
        p.setPen(QPen(kMarkDark, w));
        const double inner = outer - w;
        p.drawEllipse(centre, inner, inner);
    }
    p.restore();
}

void TChessBoard::DrawFocusFrame(QPainter& p, const QRect& cell)
{
    // Whole pixels and opaque colours only: the frame is drawn again over
    // the piece and must come out the same.
    const int t = std::max(2, cell.width() / 16);
    const QRegion outer = QRegion(cell) - QRegion(cell.adjusted(t, t, -t, -t));
    const QRegion inner = QRegion(cell.adjusted(t, t, -t, -t)) - QRegion(cell.adjusted(t + 1, t + 1, -t - 1, -t - 1));
    for (const QRect& r : outer)
        p.fillRect(r, kFocusOuter);
    for (const QRect& r : inner)
        p.fillRect(r, kFocusInner);
}

void TChessBoard::RedrawSquare(Square square)
{
    DrawSquare(square);
    // The dragged piece is away from its square until the drop.
    const bool inFlight =
        input_.Drag().State() == BoardDrag::Phase::Active && square == input_.Drag().From() && movingImage_.Active();
    if (!inFlight)
        DrawPiece(square, PieceAt(square));
}

void TChessBoard::RefreshMarks()
{
    const MarkContext context = CurrentMarkContext();
    std::uint8_t wanted[65] = {};
    bool changed = false;
    for (int q = 1; q <= 64; ++q) {
        wanted[q] = aids_.MarksAt(context, game_.State(), SquareFromOrd(q));
        changed = changed || wanted[q] != aids_.ShownMarks()[q];
    }
    if (!changed)
        return;
    for (int q = 1; q <= 64; ++q)
        if (wanted[q] != aids_.ShownMarks()[q])
            RedrawSquare(SquareFromOrd(q));
}

void TChessBoard::DrawAllMarks(QPainter& p, bool focusFrame)
{
    const MarkContext context = focusFrame ? MarkContext{} : CurrentMarkContext();
    for (int q = 1; q <= 64; ++q) {
        const Square square = SquareFromOrd(q);
        int x = 0;
        int y = 0;
        SquareOrigin(square, x, y);
        const QRect cell(x, y, look_.SizeOfSquare, look_.SizeOfSquare);
        if (focusFrame) {
            if (aids_.ShownMarks()[q] & MarkFocus) {
                p.save();
                p.setClipRect(cell, Qt::IntersectClip);
                DrawFocusFrame(p, cell);
                p.restore();
            }
            continue;
        }
        const std::uint8_t marks = aids_.MarksAt(context, game_.State(), square);
        aids_.ShownMarks()[q] = marks;
        if (marks & ~MarkFocus) {
            p.save();
            p.setClipRect(cell, Qt::IntersectClip);
            DrawMarks(p, cell, marks);
            p.restore();
        }
    }
}
