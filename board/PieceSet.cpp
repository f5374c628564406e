// Piece sheets: loading the built-in ones, checking a caller's, and cutting
// a sheet into masked pictures.
#include "board/PieceSet.h"

#include <QFile>
#include <QPainter>

#include <cstring>

// The resource file is compiled into the static board library; its
// registration must be asked for by name from the global namespace.
static void RegisterPieceResources()
{
    Q_INIT_RESOURCE(pieces);
}

namespace {

constexpr const char* kPieceLetters = "PNBRQKpnbrqk";

// One cell of a sheet as a P x P picture; pixels beyond the sheet are white,
// which in a mask means see-through.
QImage CutCell(const QImage& sheet, int column, int row, int P)
{
    QImage cell(P, P, QImage::Format_RGB32);
    cell.fill(Qt::white);
    const QRect source(column * P, row * P, P, P);
    const QRect inside = source.intersected(sheet.rect());
    if (!inside.isEmpty()) {
        QPainter p(&cell);
        p.drawImage(inside.topLeft() - source.topLeft(), sheet, inside);
    }
    return cell;
}

} // namespace

QString StandardSetResourceName(StandardSet set)
{
    switch (set) {
    case StandardSet::Size16: return QStringLiteral("SET16");
    case StandardSet::Size32: return QStringLiteral("SET32");
    case StandardSet::Size40: return QStringLiteral("SET40");
    case StandardSet::Size64: return QStringLiteral("SET64");
    case StandardSet::Size80: return QStringLiteral("SET80");
    case StandardSet::SizeCm36: return QStringLiteral("SETCM36");
    case StandardSet::SizeOrvane40: return QStringLiteral("SETORVANE40");
    }
    return {};
}

QImage LoadSheetResource(const QString& name)
{
    static const bool registered = [] {
        RegisterPieceResources();
        return true;
    }();
    (void)registered;
    if (name.isEmpty())
        return {};
    const QString path = QStringLiteral(":/") + name;
    if (!QFile::exists(path))
        return {};
    // The image reader takes "@2x" in a name for a device pixel ratio.
    QImage sheet(path, "BMP");
    if (!sheet.isNull() && sheet.devicePixelRatio() != 1.0)
        sheet.setDevicePixelRatio(1.0);
    return sheet;
}

bool IsValidPieceSet(const QImage* sheet)
{
    if (sheet == nullptr || sheet->isNull())
        return false;
    const qint64 w = sheet->width();
    const qint64 h = sheet->height();
    return w > 0 && h > 0 && w * 2 == h * 3;
}

void TPieceImages::Clear()
{
    images_.clear();
}

int TPieceImages::Add(const QImage& image, const QImage& mask)
{
    QImage masked(size_, size_, QImage::Format_ARGB32_Premultiplied);
    masked.fill(Qt::transparent);
    const QImage picture = image.convertToFormat(QImage::Format_RGB32);
    const QImage cover = mask.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < size_; ++y) {
        QRgb* out = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < size_; ++x) {
            if (!cover.valid(x, y) || !picture.valid(x, y))
                continue;
            if ((cover.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF)
                continue;
            out[x] = picture.pixel(x, y) | 0xFF000000;
        }
    }
    images_.push_back(masked);
    return Count() - 1;
}

const QImage& TPieceImages::Masked(int index) const
{
    static const QImage none;
    if (index < 0 || index >= Count())
        return none;
    return images_[static_cast<std::size_t>(index)];
}

void TPieceImages::SetDeviceImage(int index, const QImage& image)
{
    if (index < 0 || index >= Count())
        return;
    images_[static_cast<std::size_t>(index)] = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void TPieceImages::Draw(QPainter& painter, int x, int y, int index) const
{
    const QImage& image = Masked(index);
    if (image.isNull())
        return;
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (image.devicePixelRatio() == 1.0)
        painter.drawImage(QPoint(x, y), image);
    else
        painter.drawImage(QRectF(x, y, size_, size_), image);
    painter.restore();
}

int CutPieceSheet(const QImage& givenSheet, TPieceImages& store, PieceIndexTable& index)
{
    // A sheet is cut pixel for pixel, whatever device pixel ratio it carries
    // (an image read from a file named "...@2x" has 2).
    QImage sheet = givenSheet;
    if (!sheet.isNull() && sheet.devicePixelRatio() != 1.0)
        sheet.setDevicePixelRatio(1.0);
    const int P = sheet.isNull() ? 0 : sheet.height() / 4;
    store.Clear();
    store.SetImageSize(P);
    for (auto& colour : index)
        colour.fill(-1);
    for (int colour = 0; colour < 2; ++colour)
        for (int piece = 0; piece < 6; ++piece) {
            if (P == 0) {
                index[colour][piece] = store.Add(QImage(), QImage());
                continue;
            }
            const QImage image = CutCell(sheet, piece, 2 * colour, P);
            const QImage mask = CutCell(sheet, piece, 2 * colour + 1, P);
            index[colour][piece] = store.Add(image, mask);
        }
    return P;
}

int CutPieceSheetFor(qreal ratio, const QImage& sheet, const QImage& larger, TPieceImages& store,
                     PieceIndexTable& index)
{
    const int P = CutPieceSheet(sheet, store, index);
    if (ratio <= 1.0 || P == 0)
        return P;
    TPieceImages large;
    PieceIndexTable largeIndex{};
    const bool twice = !larger.isNull() && larger.height() == 2 * sheet.height() && larger.width() == 2 * sheet.width();
    if (twice)
        CutPieceSheet(larger, large, largeIndex);
    const TPieceImages& source = twice ? large : store;
    const int side = qRound(P * ratio);
    for (int i = 0; i < store.Count(); ++i) {
        QImage picture = source.Masked(i);
        if (picture.width() != side)
            picture = picture.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        picture.setDevicePixelRatio(ratio);
        store.SetDeviceImage(i, picture);
    }
    return P;
}

int PieceImageIndexIn(const PieceIndexTable& index, char piece)
{
    if (piece == '\0')
        return -1;
    const char* found = std::strchr(kPieceLetters, piece);
    if (found == nullptr)
        return -1;
    const int k = static_cast<int>(found - kPieceLetters);
    return index[k / 6][k % 6];
}
