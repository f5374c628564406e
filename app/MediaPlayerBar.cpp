// The media player's button bar and player (see MediaPlayerBar.h).
#include "app/MediaPlayerBar.h"

#include "platform/ErrorBox.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QUrl>

MediaPlayerBar::MediaPlayerBar(QWidget* parent)
    : QWidget(parent)
    , player_(new QMediaPlayer(this))
    , audio_(new QAudioOutput(this))
    , playButton_(new QPushButton(this))
    , pauseButton_(new QPushButton(this))
    , stopButton_(new QPushButton(this))
{
    player_->setAudioOutput(audio_);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const struct {
        QPushButton* button;
        QStyle::StandardPixmap icon;
        const char* tip;
        void (MediaPlayerBar::*action)();
    } buttons[] = {
        {playButton_, QStyle::SP_MediaPlay, QT_TR_NOOP("Tocar"), &MediaPlayerBar::Play},
        {pauseButton_, QStyle::SP_MediaPause, QT_TR_NOOP("Pausar"), &MediaPlayerBar::Pause},
        {stopButton_, QStyle::SP_MediaStop, QT_TR_NOOP("Parar"), &MediaPlayerBar::Stop},
    };
    for (const auto& b : buttons) {
        b.button->setIcon(style()->standardIcon(b.icon));
        b.button->setToolTip(tr(b.tip));
        b.button->setFocusPolicy(Qt::NoFocus);
        b.button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        connect(b.button, &QPushButton::clicked, this, b.action);
        layout->addWidget(b.button);
    }

    // The media system reports failures asynchronously, possibly several
    // times for one file: the first one for the open file closes the player
    // and is shown once the current signal has been handled.
    connect(player_, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error, const QString& text) { ReportError(text); });
    // Reaching the end of the file stops playback.
    connect(player_, &QMediaPlayer::playbackStateChanged, this, [this](QMediaPlayer::PlaybackState s) {
        if (s == QMediaPlayer::StoppedState && state_ == State::Playing)
            SetState(State::Stopped);
    });
    EnableButtons();
}

MediaPlayerBar::~MediaPlayerBar()
{
    player_->stop();
}

void MediaPlayerBar::Open(const QString& fileName)
{
    Close();
    fileName_ = fileName;
    SetState(State::Stopped);
    const QString path = QFileInfo(fileName).absoluteFilePath();
    player_->setSource(QUrl::fromLocalFile(path));
}

void MediaPlayerBar::Close()
{
    player_->stop();
    player_->setSource(QUrl());
    fileName_.clear();
    SetState(State::Closed);
}

void MediaPlayerBar::Play()
{
    if (state_ == State::Closed || state_ == State::Playing)
        return;
    const bool atEnd = player_->mediaStatus() == QMediaPlayer::EndOfMedia;
    SetState(State::Playing);
    StartPlayer(atEnd);
}

void MediaPlayerBar::StartPlayer(bool fromStart)
{
    // The audio sink's clock runs on while the player waits, loaded or
    // paused: started later, the sound came out as many seconds late, and
    // the sink then dropped sound until it had caught up, so a piece lost
    // its first seconds. Attaching the output afresh gives a new sink, which
    // starts with the player.
    // With no audio device at all the player plays to a dummy sink, which
    // has no such clock; attaching afresh there only risks a failed
    // connection to a sound server that is not running.
    if (!QMediaDevices::audioOutputs().isEmpty()) {
        player_->setAudioOutput(nullptr);
        player_->setAudioOutput(audio_);
    }
    if (fromStart)
        player_->setPosition(0);
    player_->play();
}

void MediaPlayerBar::Pause()
{
    if (state_ == State::Playing) {
        player_->pause();
        SetState(State::Paused);
    } else if (state_ == State::Paused) {
        SetState(State::Playing);
        StartPlayer(false);
    }
}

void MediaPlayerBar::Stop()
{
    if (state_ != State::Playing && state_ != State::Paused)
        return;
    player_->pause();
    SetState(State::Stopped);
}

void MediaPlayerBar::SetState(State state)
{
    if (state_ == state)
        return;
    state_ = state;
    EnableButtons();
    emit StateChanged(state_);
}

void MediaPlayerBar::EnableButtons()
{
    playButton_->setEnabled(state_ == State::Stopped || state_ == State::Paused);
    pauseButton_->setEnabled(state_ == State::Playing || state_ == State::Paused);
    stopButton_->setEnabled(state_ == State::Playing || state_ == State::Paused);
}

void MediaPlayerBar::ReportError(const QString& text)
{
    // Later errors of the same failure find the player closed.
    if (state_ == State::Closed)
        return;
    Close();
    QTimer::singleShot(0, this, [text] { ShowErrorBox(text.isEmpty() ? QStringLiteral("Media error") : text); });
}
