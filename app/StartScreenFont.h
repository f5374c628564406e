// The decorative face of the start screen's labels. The original face is
// not available here; a hand-lettered display face stands in for it, and a
// bold sans-serif face when that is not installed either.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// The families tried in order; the first one installed is used.
QStringList StartScreenFontFamilies();

// The labels' font: the first installed family of StartScreenFontFamilies()
// (bold sans-serif when none is), at a pixel size of at most
// `nominalPixelSize` chosen so that `widestText` is no wider than
// `maxWidth` pixels.
QFont StartScreenFont(const QString& widestText, int maxWidth, int nominalPixelSize = 96);
