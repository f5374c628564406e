// Writes an indexed QImage as an uncompressed Windows bitmap of 4 or 8 bits
// per pixel, the colour depths the piece sheets are kept in.
#pragma once

#include <QImage>
#include <QString>

// image must be Format_Indexed8 with at most 16 colours for 4 bits per pixel
// and at most 256 for 8. Returns false (and writes nothing useful) when the
// file cannot be written or the image does not fit the depth.
bool WriteIndexedBmp(const QImage& image, int bitsPerPixel, const QString& path);
