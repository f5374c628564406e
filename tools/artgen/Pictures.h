// The pictures artgen draws, one painter each, at the sizes the windows use.
#pragma once

#include "ArtKit.h"

class SheetPainter;

#include <QImage>

QImage DrawTitleArt();                                                     // 640 x 480, start screen
QImage DrawAboutArt();                                                     // 450 x 209, about box
QImage DrawMediaPlayerArt();                                               // 274 x 116, media player face
QImage DrawSmallKnight(const SheetPainter& pieces, int colour, int ratio); // 23 x 33 x ratio, transparent
QImage DrawPrinterGlyph();                                                 // 16 x 16, transparent
QImage DrawProgramIcon(int size);                                          // size x size, transparent corners
