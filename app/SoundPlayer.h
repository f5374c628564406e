// The start screen's invisible media player: plays one short sound file at
// a time without waiting for it. A sound that cannot be played is reported
// once per file in the application's error box; the caller goes on either
// way, so a broken installation never blocks the program.
#pragma once

#include <QObject>
#include <QSet>
#include <QString>

class QAudioOutput;
class QMediaPlayer;

class SoundPlayer : public QObject {
    Q_OBJECT

public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Opens the file, cutting off whatever sound is still playing, and
    // starts it. Returns at once; playback goes on in the media system.
    // A file that does not exist or that the media system rejects is
    // reported through the error box the first time only.
    void Play(const QString& fileName);

    // Creates the media system's objects ahead of the first sound, so the
    // first hover does not pay for it.
    void Prepare();

    // The file last given to Play, empty before the first.
    QString FileName() const { return fileName_; }

    // Whether playback is going on right now.
    bool IsPlaying() const;

private:
    void ReportOnce(const QString& fileName, const QString& cause);
    void OnMediaError();

    QMediaPlayer* player_ = nullptr;
    QAudioOutput* output_ = nullptr;
    QString fileName_;
    QSet<QString> reportedFiles_;
};
