// Uncompressed BITMAPINFOHEADER bitmaps, bottom-up rows padded to 4 bytes.
#include "BmpWriter.h"

#include <QByteArray>
#include <QFile>

namespace {

void PutU16(QByteArray& out, quint16 v)
{
    out.append(char(v & 0xFF));
    out.append(char(v >> 8));
}

void PutU32(QByteArray& out, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xFF));
}

} // namespace

bool WriteIndexedBmp(const QImage& image, int bitsPerPixel, const QString& path)
{
    if (image.format() != QImage::Format_Indexed8 || (bitsPerPixel != 4 && bitsPerPixel != 8))
        return false;
    const int colours = 1 << bitsPerPixel;
    if (image.colorCount() > colours)
        return false;

    const int w = image.width();
    const int h = image.height();
    const int rowBytes = ((w * bitsPerPixel + 31) / 32) * 4;
    const quint32 paletteBytes = quint32(colours) * 4;
    const quint32 pixelOffset = 14 + 40 + paletteBytes;
    const quint32 imageBytes = quint32(rowBytes) * quint32(h);

    QByteArray out;
    out.append("BM");
    PutU32(out, pixelOffset + imageBytes);
    PutU32(out, 0);
    PutU32(out, pixelOffset);
    PutU32(out, 40);
    PutU32(out, quint32(w));
    PutU32(out, quint32(h));
    PutU16(out, 1);
    PutU16(out, quint16(bitsPerPixel));
    PutU32(out, 0); // no compression
    PutU32(out, imageBytes);
    PutU32(out, 3780); // 96 dpi
    PutU32(out, 3780);
    PutU32(out, quint32(colours));
    PutU32(out, 0);
    for (int i = 0; i < colours; ++i) {
        const QRgb c = i < image.colorCount() ? image.color(i) : qRgb(0, 0, 0);
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append(char(0));
    }
    for (int y = h - 1; y >= 0; --y) {
        const uchar* line = image.constScanLine(y);
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < w; ++x) {
            if (bitsPerPixel == 8) {
                row[x] = char(line[x]);
            } else {
                const int shift = (x % 2 == 0) ? 4 : 0;
                row[x / 2] = char(uchar(row[x / 2]) | uchar((line[x] & 0x0F) << shift));
            }
        }
        out.append(row);
    }

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    return file.write(out) == out.size();
}
