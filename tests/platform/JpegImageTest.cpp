// Tests of the libjpeg decoder: pictures made here with libjpeg's encoder
// (colour, grayscale, CMYK), and damaged or foreign data that must give a
// null image and an error text.
#include "platform/JpegImage.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include <jpeglib.h>

namespace {

// Encodes a width x height picture whose samples `sample(x, y, channel)`
// gives, with libjpeg's compressor, so the tests control the colour space.
QByteArray EncodeJpeg(int width, int height, int components, J_COLOR_SPACE space,
                      const std::function<JSAMPLE(int, int, int)>& sample, int quality = 92)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = components;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * components);
    while (info.next_scanline < info.image_height) {
        const int y = static_cast<int>(info.next_scanline);
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < components; ++c)
                row[static_cast<std::size_t>(x * components + c)] = sample(x, y, c);
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    QByteArray result(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return result;
}

// Left half red, right half blue, in 64 x 48 pixels.
QByteArray TwoColourJpeg()
{
    return EncodeJpeg(64, 48, 3, JCS_RGB, [](int x, int, int c) -> JSAMPLE {
        const bool left = x < 32;
        if (c == 0)
            return left ? 220 : 20;
        if (c == 1)
            return 20;
        return left ? 20 : 220;
    });
}

bool Near(int a, int b, int tolerance = 12)
{
    return std::abs(a - b) <= tolerance;
}

// Offset of the first byte after the start-of-scan segment: the entropy data.
qsizetype ScanDataOffset(const QByteArray& jpeg)
{
    for (qsizetype i = 2; i + 3 < jpeg.size(); ++i) {
        if (static_cast<unsigned char>(jpeg[i]) == 0xFF && static_cast<unsigned char>(jpeg[i + 1]) == 0xDA) {
            const int length = (static_cast<unsigned char>(jpeg[i + 2]) << 8) | static_cast<unsigned char>(jpeg[i + 3]);
            return i + 2 + length;
        }
    }
    return -1;
}

// Offset of the start-of-frame marker (baseline SOF0).
qsizetype FrameOffset(const QByteArray& jpeg)
{
    for (qsizetype i = 2; i + 1 < jpeg.size(); ++i)
        if (static_cast<unsigned char>(jpeg[i]) == 0xFF && static_cast<unsigned char>(jpeg[i + 1]) == 0xC0)
            return i;
    return -1;
}

} // namespace

TEST(JpegImage, DecodesColourPictureToSizeAndColours)
{
    QString error = QStringLiteral("stale");
    const QImage image = DecodeJpeg(TwoColourJpeg(), &error);
    ASSERT_FALSE(image.isNull()) << error.toStdString();
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(image.size(), QSize(64, 48));
    const QColor left = image.pixelColor(8, 24);
    const QColor right = image.pixelColor(56, 24);
    EXPECT_TRUE(Near(left.red(), 220) && Near(left.green(), 20) && Near(left.blue(), 20)) << left.name().toStdString();
    EXPECT_TRUE(Near(right.red(), 20) && Near(right.green(), 20) && Near(right.blue(), 220))
        << right.name().toStdString();
}

TEST(JpegImage, DecodesGrayscaleAndCmykPictures)
{
    // A horizontal ramp from black to white.
    const QByteArray gray = EncodeJpeg(40, 10, 1, JCS_GRAYSCALE,
                                       [](int x, int, int) -> JSAMPLE { return static_cast<JSAMPLE>(x * 255 / 39); });
    QString error;
    const QImage grayImage = DecodeJpeg(gray, &error);
    ASSERT_FALSE(grayImage.isNull()) << error.toStdString();
    EXPECT_EQ(grayImage.size(), QSize(40, 10));
    const QColor dark = grayImage.pixelColor(1, 5);
    const QColor light = grayImage.pixelColor(38, 5);
    EXPECT_LT(dark.red(), 30);
    EXPECT_GT(light.red(), 225);
    EXPECT_EQ(light.red(), light.green());
    EXPECT_EQ(light.green(), light.blue());

    // libjpeg marks CMYK files as Adobe's, whose samples are stored inverted
    // (255 is no ink): full yellow ink and nothing else gives yellow.
    const QByteArray cmyk =
        EncodeJpeg(16, 16, 4, JCS_CMYK, [](int, int, int c) -> JSAMPLE { return c == 2 ? 0 : 255; });
    const QImage cmykImage = DecodeJpeg(cmyk, &error);
    ASSERT_FALSE(cmykImage.isNull()) << error.toStdString();
    const QColor yellow = cmykImage.pixelColor(8, 8);
    EXPECT_GT(yellow.red(), 230);
    EXPECT_GT(yellow.green(), 230);
    EXPECT_LT(yellow.blue(), 25);
}

TEST(JpegImage, RefusesEmptyForeignAndDamagedData)
{
    const QByteArray good = TwoColourJpeg();
    const qsizetype scan = ScanDataOffset(good);
    ASSERT_GT(scan, 0);

    // A header claiming zero rows.
    QByteArray zeroHeight = good;
    const qsizetype frame = FrameOffset(good);
    ASSERT_GT(frame, 0);
    zeroHeight[frame + 5] = 0;
    zeroHeight[frame + 6] = 0;

    // The scan cut off half way: libjpeg alone would only warn and fill grey.
    const QByteArray truncated = good.left(scan + (good.size() - scan) / 2);

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    png.append(QByteArray(100, '\0'));

    const struct {
        const char* name;
        QByteArray data;
    } cases[] = {
        {"empty", QByteArray()},
        {"text", QByteArray("this is not a picture at all")},
        {"png signature", png},
        {"only the start marker", good.left(2)},
        {"cut inside the header", good.left(scan / 2)},
        {"cut before the scan data", good.left(scan)},
        {"cut inside the scan data", truncated},
        {"zero height", zeroHeight},
    };
    for (const auto& c : cases) {
        QString error;
        const QImage image = DecodeJpeg(c.data, &error);
        EXPECT_TRUE(image.isNull()) << c.name;
        EXPECT_FALSE(error.isEmpty()) << c.name;
    }

    QString error;
    EXPECT_TRUE(DecodeJpeg(truncated, &error).isNull());
    EXPECT_TRUE(error.contains(QStringLiteral("Premature end"), Qt::CaseInsensitive)) << error.toStdString();

    // Without an error out-parameter the failure is still only a null image.
    EXPECT_TRUE(DecodeJpeg(truncated).isNull());
}

TEST(JpegImage, RefusesAbsurdDimensionsWithoutAllocating)
{
    QByteArray huge = TwoColourJpeg();
    const qsizetype frame = FrameOffset(huge);
    ASSERT_GT(frame, 0);
    // Height and width fields of the frame header: 65000 x 65000.
    huge[frame + 5] = static_cast<char>(0xFD);
    huge[frame + 6] = static_cast<char>(0xE8);
    huge[frame + 7] = static_cast<char>(0xFD);
    huge[frame + 8] = static_cast<char>(0xE8);
    QString error;
    EXPECT_TRUE(DecodeJpeg(huge, &error).isNull());
    EXPECT_FALSE(error.isEmpty());
}

TEST(JpegImage, LoadsFilesAndReportsMissingOnes)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("two.jpg"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(TwoColourJpeg());
    file.close();

    QString error;
    const QImage image = LoadJpeg(path, &error);
    ASSERT_FALSE(image.isNull()) << error.toStdString();
    EXPECT_EQ(image.size(), QSize(64, 48));

    const QString missing = dir.filePath(QStringLiteral("missing.jpg"));
    EXPECT_TRUE(LoadJpeg(missing, &error).isNull());
    EXPECT_TRUE(error.contains(QStringLiteral("missing.jpg"))) << error.toStdString();

    EXPECT_TRUE(LoadJpeg(dir.path(), &error).isNull());
    EXPECT_FALSE(error.isEmpty());
}
