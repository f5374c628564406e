// Piece sets: the built-in piece sheets, the sheet format and the image
// store of masked piece pictures cut from a sheet. No widgets: the store
// draws with any QPainter.
//
// A sheet holds 6 x 4 cells of P x P pixels, P = height / 4: columns pawn,
// knight, bishop, rook, queen, king; rows White pieces, White masks, Black
// pieces, Black masks. Where a mask pixel is white (#FFFFFF) the piece is
// see-through; any other colour shows the picture's pixel.
#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

class QPainter;

// The built-in sheets, in the order of their ordinals 0 to 6.
enum class StandardSet : std::uint8_t { Size16, Size32, Size40, Size64, Size80, SizeCm36, SizeOrvane40 };

// "SET16" ... "SETORVANE40"; empty for a value outside the enumeration.
QString StandardSetResourceName(StandardSet set);

// A sheet built into the program, by resource name ("SET40", "CUSTOMSET";
// "SET40@2x" for the same pieces drawn twice as large). A null image when
// there is no such resource. Its device pixel ratio is 1: a sheet is a grid
// of pixels, whatever its name says.
QImage LoadSheetResource(const QString& name);

// True when a sheet is given, both its sides are above zero and
// width x 2 = height x 3.
bool IsValidPieceSet(const QImage* sheet);

// Equally sized masked pictures, addressed by a 0-based index.
class TPieceImages {
public:
    void Clear();
    // Edge of the pictures added from now on.
    void SetImageSize(int size) { size_ = size < 0 ? 0 : size; }
    int ImageSize() const { return size_; }
    int Count() const { return static_cast<int>(images_.size()); }

    // Adds a picture with its mask (both cut to ImageSize() from their top
    // left corners; pixels beyond their edges count as see-through) and
    // returns its index.
    int Add(const QImage& image, const QImage& mask);

    // The picture with the see-through pixels made transparent; a null
    // image for an index out of range.
    const QImage& Masked(int index) const;

    // Puts in place of picture index one made for a screen of more device
    // pixels than logical ones (its devicePixelRatio() above 1), drawn over
    // ImageSize() x ImageSize() logical pixels. Nothing for an index out of
    // range.
    void SetDeviceImage(int index, const QImage& image);

    // Draws picture index with its top-left corner at (x, y) through its
    // mask. Nothing for an index out of range.
    void Draw(QPainter& painter, int x, int y, int index) const;

private:
    int size_ = 0;
    std::vector<QImage> images_;
};

// Index in the store of each piece: [colour 0 White, 1 Black][slot 0..6],
// slots pawn, knight, bishop, rook, queen, king (slot 6 unused).
using PieceIndexTable = std::array<std::array<int, 7>, 2>;

// Empties the store and cuts a sheet into its 12 pictures (White pawn to
// king, then Black), filling the index table. Returns P, the sheet's
// height / 4 (0 for a null sheet, which leaves 12 empty pictures).
int CutPieceSheet(const QImage& sheet, TPieceImages& store, PieceIndexTable& index);

// CutPieceSheet for a screen of `ratio` device pixels per logical pixel. P,
// the index table and the pictures' logical size come from `sheet`. Above
// 1, each picture gets P x ratio device pixels (rounded), cut from `larger`
// when that is the same pieces drawn exactly twice as large (a built-in
// sheet's "@2x" one), otherwise from `sheet`, and brought smoothly to that
// size when it differs.
int CutPieceSheetFor(qreal ratio, const QImage& sheet, const QImage& larger, TPieceImages& store,
                     PieceIndexTable& index);

// The store index of a piece letter of "PNBRQKpnbrqk" (case-sensitive),
// -1 for any other character.
int PieceImageIndexIn(const PieceIndexTable& index, char piece);
