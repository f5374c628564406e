// The media player's button bar (play, pause, stop) and the player behind
// it. It holds at most one open file: Open closes what was open first, and
// playback never starts by itself. A file the media system cannot open is
// reported in the standard error box with the media system's own text, and
// the bar is closed again. Playback goes on while the window is hidden.
#pragma once

#include <QString>
#include <QWidget>

class QAudioOutput;
class QMediaPlayer;
class QPushButton;

class MediaPlayerBar : public QWidget {
    Q_OBJECT

public:
    enum class State { Closed, Stopped, Playing, Paused };

    explicit MediaPlayerBar(QWidget* parent = nullptr);
    ~MediaPlayerBar() override;

    // Closes the open file, then opens `fileName` (stopped, at its start).
    void Open(const QString& fileName);
    // Stops any playback and closes the file.
    void Close();
    // Plays from the current position, from the start once the end was reached.
    void Play();
    // Halts playback; while paused, resumes it.
    void Pause();
    // Halts playback where it is.
    void Stop();

    State CurrentState() const { return state_; }
    QString FileName() const { return fileName_; }
    QMediaPlayer* Player() const { return player_; }
    QPushButton* PlayButton() const { return playButton_; }
    QPushButton* PauseButton() const { return pauseButton_; }
    QPushButton* StopButton() const { return stopButton_; }

signals:
    void StateChanged(MediaPlayerBar::State state);

private:
    void SetState(State state);
    void EnableButtons();
    void ReportError(const QString& text);
    void StartPlayer(bool fromStart);

    QMediaPlayer* player_;
    QAudioOutput* audio_;
    QPushButton* playButton_;
    QPushButton* pauseButton_;
    QPushButton* stopButton_;
    State state_ = State::Closed;
    QString fileName_;
};
