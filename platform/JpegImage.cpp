// libjpeg decompression of the program's pictures. libjpeg's default error
// handler prints and calls exit(); here an error manager returns control
// to the decoder with longjmp and keeps the message, and corrupt-data
// warnings (a truncated file is only a warning to libjpeg, which fills
// the missing rows with grey) are made fatal so that a damaged picture is
// reported instead of shown half grey.
#include "platform/JpegImage.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

// Larger pictures than this are refused before any memory is allocated:
// a few bytes of header can claim a picture of 65500 x 65500 pixels.
constexpr long long kMaxPixels = 64LL * 1024 * 1024;

struct ErrorManager {
    jpeg_error_mgr base; // first member: libjpeg hands back a pointer to it
    std::jmp_buf jumpBack;
    char message[JMSG_LENGTH_MAX];
};

ErrorManager& ErrorManagerOf(j_common_ptr info)
{
    return *reinterpret_cast<ErrorManager*>(info->err);
}

[[noreturn]] void ExitByJump(j_common_ptr info)
{
    ErrorManager& manager = ErrorManagerOf(info);
    (*info->err->format_message)(info, manager.message);
    std::longjmp(manager.jumpBack, 1);
}

// Level -1 is a corrupt-data warning: fatal here. Higher levels are
// trace messages and are ignored.
void EmitMessage(j_common_ptr info, int level)
{
    if (level < 0) {
        ExitByJump(info);
    }
}

// What the decoding pass fills in. It lives in the caller's frame, so its
// contents stay valid after a longjmp back into the decoding function.
struct DecodeState {
    QImage image;
    std::vector<JSAMPLE> row;
};

// Converts one row of CMYK samples to RGB32. Adobe writers store CMYK
// inverted (0 is full ink); libjpeg reports whether it saw their marker.
void CmykRowToRgb(const JSAMPLE* cmyk, QRgb* out, int width, bool inverted)
{
    for (int x = 0; x < width; ++x) {
        int c = cmyk[4 * x], m = cmyk[4 * x + 1], y = cmyk[4 * x + 2], k = cmyk[4 * x + 3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        out[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
    }
}

// Runs libjpeg on `data`. Only objects made before setjmp are touched
// after it, and none with a destructor is created between setjmp and the
// library calls that may jump back.
bool DecodeWithLibjpeg(const QByteArray& data, jpeg_decompress_struct& info, ErrorManager& errors, DecodeState& state)
{
    if (setjmp(errors.jumpBack)) {
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);

    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&info);

    const int width = static_cast<int>(info.output_width);
    const int height = static_cast<int>(info.output_height);
    if (static_cast<long long>(width) * height > kMaxPixels) {
        std::snprintf(errors.message, sizeof errors.message, "JPEG picture too large (%d x %d pixels)", width, height);
        return false;
    }
    state.image = QImage(width, height, QImage::Format_RGB32);
    if (state.image.isNull()) {
        std::snprintf(errors.message, sizeof errors.message, "Not enough memory for a %d x %d picture", width, height);
        return false;
    }
    state.row.resize(static_cast<std::size_t>(width) * info.output_components);

    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {state.row.data()};
        const int y = static_cast<int>(info.output_scanline);
        jpeg_read_scanlines(&info, rows, 1);
        auto* out = reinterpret_cast<QRgb*>(state.image.scanLine(y));
        if (cmyk) {
            CmykRowToRgb(state.row.data(), out, width, info.saw_Adobe_marker);
        } else {
            const JSAMPLE* in = state.row.data();
            for (int x = 0; x < width; ++x, in += 3) {
                out[x] = qRgb(in[0], in[1], in[2]);
            }
        }
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray& data, QString* error)
{
    if (data.isEmpty()) {
        if (error) {
            *error = QStringLiteral("Empty JPEG data");
        }
        return {};
    }

    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = ExitByJump;
    errors.base.emit_message = EmitMessage;

    DecodeState state;
    const bool decoded = DecodeWithLibjpeg(data, info, errors, state);
    jpeg_destroy_decompress(&info);

    if (!decoded) {
        if (error) {
            *error = QString::fromLocal8Bit(errors.message);
        }
        return {};
    }
    if (error) {
        error->clear();
    }
    return state.image;
}

QImage LoadJpeg(const QString& fileOrResourcePath, QString* error)
{
    QFile file(fileOrResourcePath);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) {
            *error = QStringLiteral("Cannot open %1: %2").arg(fileOrResourcePath, file.errorString());
        }
        return {};
    }
    const QByteArray data = file.readAll();
    QString decodeError;
    QImage image = DecodeJpeg(data, &decodeError);
    if (error) {
        *error = image.isNull() ? QStringLiteral("%1: %2").arg(fileOrResourcePath, decodeError) : QString();
    }
    return image;
}
