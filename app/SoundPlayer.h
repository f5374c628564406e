// The start screen's invisible media player: plays one short sound file at
// a time without waiting for it. Each file is decoded once into memory and
// played from there through an audio stream of its own, so a sound starts
// within a few tens of milliseconds of its hover or click; a media pipeline
// opened per sound took longer than the sound itself, and a fresh program's
// sounds were not heard at all. A sound that cannot be played is reported
// once per file in the application's error box; the caller goes on either
// way, so a broken installation never blocks the program.
#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>

class LoadedSound;
class QAudioOutput;
class QMediaPlayer;

class SoundPlayer : public QObject {
    Q_OBJECT

public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Cuts off whatever sound is still playing and starts the file's
    // sound. Returns at once; playback goes on in the audio system. A file
    // that does not exist or that cannot be decoded is reported through
    // the error box the first time only.
    void Play(const QString& fileName);

    // Decodes the files ahead of their first use, so the first hover does
    // not wait for them. Says nothing of files that cannot be decoded:
    // they are reported when played.
    void Prepare(const QStringList& fileNames);

    // The file last given to Play, empty before the first.
    QString FileName() const { return fileName_; }

    // Whether playback is going on right now.
    bool IsPlaying() const;

    // Off: a sound that cannot be played is silent, with no box (for
    // sounds that come in the middle of a game). On by default.
    void SetReportsFailures(bool on) { reportsFailures_ = on; }

private:
    LoadedSound* Load(const QString& fileName);
    void OnLoaded(LoadedSound* sound, const QString& error);
    void Start(LoadedSound* sound);
    void StopCurrent();
    void PlayWithoutAudioOutput(const QString& fileName);
    void OnMediaError();
    void ReportOnce(const QString& fileName, const QString& cause);

    QHash<QString, LoadedSound*> sounds_;
    LoadedSound* current_ = nullptr; // playing, or finished and kept open a moment
    LoadedSound* pending_ = nullptr; // asked for while still decoding
    QTimer idleTimer_;
    QString fileName_;
    QSet<QString> reportedFiles_;
    bool reportsFailures_ = true;
    // Only where the system has no audio output: see Play.
    QMediaPlayer* player_ = nullptr;
    QAudioOutput* output_ = nullptr;
};
