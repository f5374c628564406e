// Sound playback for the start screen through Qt Multimedia.
#include "app/SoundPlayer.h"

#include "platform/ErrorBox.h"

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QAudioDevice>
#include <QAudioOutput>
#include <QAudioSink>
#include <QBuffer>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

namespace {

// How much sound the audio system holds ahead of what is heard. Small, for
// a quick start; about as long as the start screen's sounds, so that each is
// handed over at once and a busy moment of the program cannot break it up.
constexpr int BufferMilliseconds = 100;

// How long a finished sound's stream stays open. Closing it drops whatever
// the audio system has not played yet, so it waits well past the buffer;
// closing it at all lets the sound server rest between sounds.
constexpr int CloseAfterMilliseconds = 1000;

} // namespace

// One sound file, decoded once, and the audio stream that plays it.
class LoadedSound : public QObject {
public:
    enum class State { Loading, Ready, Broken };

    LoadedSound(const QString& file, QObject* parent) : QObject(parent), fileName(file) {}
    // The sink reads from `reader` until it is closed: it goes first.
    ~LoadedSound() override { delete sink; }

    const QString fileName;
    State state = State::Loading;
    QString error;
    QAudioFormat format;
    QByteArray samples;
    QBuffer reader;
    QAudioSink* sink = nullptr;
};

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent)
{
    idleTimer_.setSingleShot(true);
    idleTimer_.setInterval(CloseAfterMilliseconds);
    connect(&idleTimer_, &QTimer::timeout, this, [this] {
        if (current_ && current_->sink->state() == QAudio::IdleState)
            current_->sink->stop();
    });
}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::Prepare(const QStringList& fileNames)
{
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    for (const QString& fileName : fileNames) {
        const QFileInfo file(fileName);
        if (file.isFile() && file.isReadable())
            Load(fileName);
    }
}

LoadedSound* SoundPlayer::Load(const QString& fileName)
{
    if (LoadedSound* sound = sounds_.value(fileName))
        return sound;
    auto* sound = new LoadedSound(fileName, this);
    sounds_.insert(fileName, sound);
    auto* decoder = new QAudioDecoder(sound);
    connect(decoder, &QAudioDecoder::bufferReady, sound, [sound, decoder] {
        const QAudioBuffer buffer = decoder->read();
        if (!buffer.isValid())
            return;
        if (sound->samples.isEmpty())
            sound->format = buffer.format();
        sound->samples.append(buffer.constData<char>(), buffer.byteCount());
    });
    connect(decoder, &QAudioDecoder::finished, this, [this, sound, decoder] {
        decoder->deleteLater();
        OnLoaded(sound, QString());
    });
    connect(decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), this, [this, sound, decoder] {
        decoder->deleteLater();
        OnLoaded(sound, decoder->errorString());
    });
    decoder->setSource(QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath()));
    decoder->start();
    return sound;
}

void SoundPlayer::OnLoaded(LoadedSound* sound, const QString& error)
{
    // The decoder may report more than once for one file; the first counts.
    if (sound->state != LoadedSound::State::Loading)
        return;
    if (!error.isEmpty() || sound->samples.isEmpty() || !sound->format.isValid()) {
        sound->state = LoadedSound::State::Broken;
        sound->error = error;
        sound->samples.clear();
    } else {
        sound->state = LoadedSound::State::Ready;
        sound->reader.setData(sound->samples);
        sound->reader.open(QIODevice::ReadOnly);
        sound->sink = new QAudioSink(QMediaDevices::defaultAudioOutput(), sound->format, sound);
        connect(sound->sink, &QAudioSink::stateChanged, this, [this, sound](QAudio::State state) {
            // All of it is with the audio system now; it is heard to the end
            // as long as the stream stays open.
            if (state == QAudio::IdleState && sound == current_)
                idleTimer_.start();
        });
    }
    if (sound == pending_) {
        pending_ = nullptr;
        Start(sound);
    }
}

void SoundPlayer::Play(const QString& fileName)
{
    fileName_ = fileName;
    // A new sound cuts off the old one, even when the new one fails.
    StopCurrent();
    const QFileInfo file(fileName);
    if (!file.isFile() || !file.isReadable()) {
        ReportOnce(fileName, QStringLiteral("File not found."));
        return;
    }
    // With no audio output at all, an audio stream never takes its sound
    // and so never finishes; the media pipeline plays to a dummy sink in
    // real time there, and behaves as it does with one.
    if (QMediaDevices::audioOutputs().isEmpty()) {
        PlayWithoutAudioOutput(file.absoluteFilePath());
        return;
    }
    LoadedSound* sound = Load(fileName);
    if (sound->state == LoadedSound::State::Loading)
        pending_ = sound;
    else
        Start(sound);
}

void SoundPlayer::Start(LoadedSound* sound)
{
    if (sound->state == LoadedSound::State::Broken) {
        ReportOnce(sound->fileName, sound->error);
        return;
    }
    current_ = sound;
    sound->sink->stop();
    sound->reader.seek(0);
    // Asked for again each time: the sink keeps what the sound server
    // granted last, a little less each time, until the buffer is too small
    // for the sound ever to start.
    sound->sink->setBufferSize(sound->format.bytesForDuration(BufferMilliseconds * 1000));
    sound->sink->start(&sound->reader);
    if (sound->sink->error() == QAudio::OpenError || sound->sink->error() == QAudio::FatalError) {
        current_ = nullptr;
        ReportOnce(sound->fileName, QString());
    }
}

void SoundPlayer::StopCurrent()
{
    pending_ = nullptr;
    idleTimer_.stop();
    if (current_)
        current_->sink->stop();
    current_ = nullptr;
    if (player_) {
        player_->stop();
        player_->setSource(QUrl());
    }
}

bool SoundPlayer::IsPlaying() const
{
    if (player_ && player_->playbackState() == QMediaPlayer::PlayingState)
        return true;
    return current_ && current_->sink->state() == QAudio::ActiveState;
}

void SoundPlayer::PlayWithoutAudioOutput(const QString& fileName)
{
    if (!player_) {
        player_ = new QMediaPlayer(this);
        output_ = new QAudioOutput(this);
        player_->setAudioOutput(output_);
        connect(player_, &QMediaPlayer::errorOccurred, this, &SoundPlayer::OnMediaError);
    }
    player_->setSource(QUrl::fromLocalFile(fileName));
    player_->play();
}

void SoundPlayer::OnMediaError()
{
    // The media system may raise several errors for one bad file; they all
    // belong to the file that is open now.
    if (player_->source().isEmpty())
        return;
    ReportOnce(fileName_, player_->errorString());
}

void SoundPlayer::ReportOnce(const QString& fileName, const QString& cause)
{
    if (reportedFiles_.contains(fileName))
        return;
    reportedFiles_.insert(fileName);
    if (!reportsFailures_)
        return;
    const QString reason =
        cause.trimmed().isEmpty() ? QStringLiteral("The media system cannot play it.") : cause.trimmed();
    ShowErrorBox(QStringLiteral("Cannot play file \"%1\". %2").arg(fileName, reason));
}
