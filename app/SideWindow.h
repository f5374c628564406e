// What the three side windows (media player, online play, about box) share:
// a fixed client size, a single border with a close box only, the window
// font, and closing that only hides the window without ending the program.
#pragma once

#include <QFont>
#include <QSize>

class QImage;
class QLabel;
class QWidget;

// Makes `window` a fixed-size top-level window with a close box only.
void SetUpSideWindow(QWidget* window, const QString& caption, QSize clientSize);

// The windows' font ("MS Sans Serif" in the original layout; Liberation Sans
// here) at a character height in pixels.
QFont SideWindowFont(int pixelHeight, bool bold = false);

// Shows `picture` in `label` at its own size; a missing picture (a null
// image) leaves the label blank.
void ShowPicture(QLabel* label, const QImage& picture);
