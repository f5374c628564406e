// Decoding of the program's JPEG pictures through libjpeg's own API.
// Decompression only; a file that libjpeg cannot read completely, or
// reads only with warnings (a truncated file, for example), gives a null
// image and an error text instead of ending the process.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes JPEG data into an RGB32 image (grayscale and colour sources
// alike). On failure returns a null QImage and, when `error` is given,
// stores libjpeg's message or a description of what was wrong in it.
QImage DecodeJpeg(const QByteArray& data, QString* error = nullptr);

// Reads a file or a Qt resource (":/pictures/title.jpg") and decodes it.
// A file that cannot be read gives a null image and an error text.
QImage LoadJpeg(const QString& fileOrResourcePath, QString* error = nullptr);
