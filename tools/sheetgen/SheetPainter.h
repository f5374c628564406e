// Draws piece sheets in the board's sheet format: 6 x 4 cells of P x P
// pixels, columns pawn to king, rows White pieces, White masks, Black
// pieces, Black masks. The pieces are the chess glyphs of a TrueType font.
#pragma once

#include <QImage>
#include <QPainterPath>
#include <QRawFont>
#include <QString>

#include <array>

// The look of a sheet's pieces and masks.
enum class SheetLook {
    Diagram,      // black outlines and solid black pieces, pure black and white
    DiagramGrey,  // the same with grey edge pixels kept
    CreamAndRed,  // shaded cream White and red Black pieces on white
    WoodAndGreen, // shaded white and black pieces on brown and pale green cells
    GreyAndRed,   // flat grey White and red Black pieces on white, masks = images
};

class SheetPainter {
public:
    // fontFile: a TrueType font with the glyphs U+2654 to U+265F.
    explicit SheetPainter(const QString& fontFile);
    bool IsValid() const { return valid_; }

    // A full-colour sheet of 6P x 4P (cropped to width when width < 6P).
    QImage Draw(int P, SheetLook look, int width = 0) const;

    // One piece as it stands in a P x P cell of a sheet of that look
    // (column 0 pawn ... 5 king, colour 0 White, 1 Black), on transparent
    // with anti-aliased edges: for pictures beside the board.
    QImage DrawPiece(int column, int colour, int P, SheetLook look) const;

private:
    struct Glyph {
        QPainterPath outline; // the White glyph: an outline with open insides
        QPainterPath solid;   // the Black glyph: solid with open detail lines
    };

    void DrawCell(QImage& sheet, int column, int colour, int P, SheetLook look, int usableWidth) const;
    // The piece on a transparent grid of kSubsamples x kSubsamples samples a
    // pixel, and its silhouette in the piece's edge colour.
    void RenderFine(int column, int colour, int P, SheetLook look, int usableWidth, QImage& fine, QImage& rim) const;

    QRawFont font_;
    std::array<Glyph, 6> glyphs_;
    QRectF unionBox_; // bounds of all twelve glyphs, in font pixels
    bool valid_ = false;
};

// Converts a sheet to 8-bit indexed colour: with at most 16 colours of the
// classic 16-colour palette (nearest colour), or with a palette of up to 256
// colours chosen from the picture.
QImage ToSixteenColours(const QImage& sheet);
QImage ToTwoHundredFiftySixColours(const QImage& sheet);
