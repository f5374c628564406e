// Sound playback for the start screen through Qt Multimedia.
#include "app/SoundPlayer.h"

#include "platform/ErrorBox.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::Prepare()
{
    if (player_)
        return;
    player_ = new QMediaPlayer(this);
    output_ = new QAudioOutput(this);
    player_->setAudioOutput(output_);
    connect(player_, &QMediaPlayer::errorOccurred, this, &SoundPlayer::OnMediaError);
}

void SoundPlayer::Play(const QString& fileName)
{
    Prepare();
    fileName_ = fileName;
    // Opening a new sound closes the old one, even when the new one fails.
    player_->stop();
    player_->setSource(QUrl());
    const QFileInfo file(fileName);
    if (!file.isFile() || !file.isReadable()) {
        ReportOnce(fileName, QStringLiteral("File not found."));
        return;
    }
    player_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    player_->play();
}

bool SoundPlayer::IsPlaying() const
{
    return player_ && player_->playbackState() == QMediaPlayer::PlayingState;
}

void SoundPlayer::OnMediaError()
{
    // The media system may raise several errors for one bad file; they all
    // belong to the file that is open now.
    const QString source = player_->source().toLocalFile();
    if (source.isEmpty())
        return;
    ReportOnce(fileName_.isEmpty() ? source : fileName_, player_->errorString());
}

void SoundPlayer::ReportOnce(const QString& fileName, const QString& cause)
{
    if (reportedFiles_.contains(fileName))
        return;
    reportedFiles_.insert(fileName);
    const QString reason = cause.trimmed().isEmpty() ? QStringLiteral("The media system cannot play it.") : cause.trimmed();
    ShowErrorBox(QStringLiteral("Cannot play file \"%1\". %2").arg(fileName, reason));
}
