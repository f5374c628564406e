// TForm4, "Media Player": plays a sound file of the user's choice while the
// game goes on. "ABRIR" closes the player, lets the user pick a file
// (starting in the executable's MUSICAS folder) and opens it; the button bar
// plays, pauses or resumes, and stops it. Closing the window only hides it;
// the music plays on.
//
// Created hidden at start-up; the main window shows it with ShowWindow(Form4).
#pragma once

#include <QWidget>

class HoverLabel;
class MediaPlayerBar;
class QLabel;

class TForm4 : public QWidget {
    Q_OBJECT

public:
    explicit TForm4(QWidget* parent = nullptr);

    // "ABRIR": close the player, choose a file in an open dialog without
    // filter, open it (playback does not start). A file the media system cannot open is reported in the error
    // box and the player stays closed.
    void Label1Click();

    // The folder the dialog starts in: the executable's folder, with its
    // trailing separator, followed by "MUSICAS".
    static QString MusicFolder();

    QLabel* Image1;
    HoverLabel* Label1;
    MediaPlayerBar* MediaPlayer1;
};
