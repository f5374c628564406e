// The media player: its button bar plays a real WAV file through the media
// system (a dummy audio sink without a sound card), and its window.
#include "TestPaths.h"
#include "WindowTestHelpers.h"
#include "app/MediaPlayerBar.h"
#include "app/Unit4.h"
#include "platform/ErrorBox.h"

#include "app/HoverLabel.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMediaPlayer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using State = MediaPlayerBar::State;

class MediaPlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(WriteFile(wav, WavBytes(3000, true)));
        SetErrorBoxSink([this](const QString& text) { errors << text; });
    }
    void TearDown() override { SetErrorBoxSink({}); }

    // Opens the tone and waits until the media system has loaded it.
    void OpenTone(MediaPlayerBar& bar)
    {
        bar.Open(wav);
        ASSERT_TRUE(PumpUntil([&] { return bar.Player()->mediaStatus() == QMediaPlayer::LoadedMedia; }))
            << "status " << bar.Player()->mediaStatus() << ", errors: " << errors.join(" ").toStdString();
    }

    QTemporaryDir dir;
    QString wav = dir.filePath("tone.wav");
    QStringList errors;
};

bool Advances(QMediaPlayer* player)
{
    const qint64 from = player->position();
    return PumpUntil([&] { return player->position() > from + 100; }, 3000);
}

bool StandsStill(QMediaPlayer* player)
{
    const qint64 from = player->position();
    PumpFor(400);
    return std::abs(player->position() - from) < 60;
}

} // namespace

TEST_F(MediaPlayerTest, OpensPlaysPausesResumesAndStopsAWav)
{
    MediaPlayerBar bar;
    EXPECT_FALSE(bar.PlayButton()->isEnabled());
    OpenTone(bar);
    EXPECT_EQ(bar.CurrentState(), State::Stopped);
    EXPECT_EQ(bar.Player()->playbackState(), QMediaPlayer::StoppedState); // does not start by itself
    EXPECT_TRUE(bar.PlayButton()->isEnabled());
    EXPECT_FALSE(bar.PauseButton()->isEnabled());

    bar.PlayButton()->click();
    EXPECT_EQ(bar.CurrentState(), State::Playing);
    EXPECT_TRUE(Advances(bar.Player()));

    bar.PauseButton()->click();
    EXPECT_EQ(bar.CurrentState(), State::Paused);
    EXPECT_TRUE(StandsStill(bar.Player()));

    bar.PauseButton()->click(); // pressed again while paused: resumes
    EXPECT_EQ(bar.CurrentState(), State::Playing);
    EXPECT_TRUE(Advances(bar.Player()));

    bar.StopButton()->click();
    EXPECT_EQ(bar.CurrentState(), State::Stopped);
    EXPECT_NE(bar.Player()->playbackState(), QMediaPlayer::PlayingState);
    EXPECT_TRUE(StandsStill(bar.Player()));
    EXPECT_FALSE(bar.StopButton()->isEnabled());
    EXPECT_TRUE(errors.isEmpty()) << errors.join(" ").toStdString();
}

TEST_F(MediaPlayerTest, PlaysAgainFromTheStartOnceTheEndWasReached)
{
    ASSERT_TRUE(WriteFile(wav, WavBytes(500, true)));
    MediaPlayerBar bar;
    OpenTone(bar);
    bar.Play();
    ASSERT_TRUE(PumpUntil([&] { return bar.CurrentState() == State::Stopped; }, 5000));
    EXPECT_TRUE(bar.PlayButton()->isEnabled());
    bar.Play();
    EXPECT_EQ(bar.CurrentState(), State::Playing);
    EXPECT_TRUE(PumpUntil([&] { return bar.Player()->playbackState() == QMediaPlayer::PlayingState; }, 3000));
    EXPECT_TRUE(PumpUntil([&] { return bar.CurrentState() == State::Stopped; }, 5000)); // and ends again
}

TEST_F(MediaPlayerTest, ReportsAFileItCannotOpenOnceAndStaysClosed)
{
    MediaPlayerBar bar;
    bar.Open(dir.filePath("missing.wav"));
    ASSERT_TRUE(PumpUntil([&] { return !errors.isEmpty(); }));
    PumpFor(500); // further complaints of the media system about the same file
    EXPECT_EQ(errors.size(), 1) << errors.join(" | ").toStdString();
    EXPECT_TRUE(errors.front().endsWith('.'));
    EXPECT_EQ(bar.CurrentState(), State::Closed);
    EXPECT_FALSE(bar.PlayButton()->isEnabled());

    // A file that is no sound at all.
    QFile text(dir.filePath("notes.wav"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("this is not a sound file");
    text.close();
    errors.clear();
    bar.Open(text.fileName());
    ASSERT_TRUE(PumpUntil([&] { return !errors.isEmpty(); }));
    EXPECT_EQ(bar.CurrentState(), State::Closed);
}

TEST_F(MediaPlayerTest, AbrirClosesThePlayerBeforeItsDialogWhichStartsInMusicas)
{
    QDir().mkpath(TForm4::MusicFolder());
    TForm4 form;
    OpenTone(*form.MediaPlayer1);
    form.MediaPlayer1->Play();
    ASSERT_TRUE(Advances(form.MediaPlayer1->Player()));

    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(form.MediaPlayer1->CurrentState(), State::Closed);
        EXPECT_EQ(form.MediaPlayer1->Player()->playbackState(), QMediaPlayer::StoppedState);
        EXPECT_EQ(QDir(dialog->directory()).absolutePath(), QDir(TForm4::MusicFolder()).absolutePath());
        checked = true;
        dialog->reject();
    });
    Click(form.Label1);
    EXPECT_TRUE(checked);
    EXPECT_EQ(form.MediaPlayer1->CurrentState(), State::Closed); // cancelled: stays closed and silent

    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(wav);
        static_cast<QDialog*>(dialog)->accept();
    });
    form.Label1Click();
    EXPECT_EQ(form.MediaPlayer1->FileName(), wav);
    EXPECT_EQ(form.MediaPlayer1->CurrentState(), State::Stopped);
}

TEST_F(MediaPlayerTest, MusicPlaysOnWhileTheWindowIsHidden)
{
    TForm4 form;
    form.show();
    OpenTone(*form.MediaPlayer1);
    form.MediaPlayer1->Play();
    form.close();
    EXPECT_TRUE(form.isHidden());
    EXPECT_TRUE(Advances(form.MediaPlayer1->Player()));
    form.show();
    EXPECT_EQ(form.MediaPlayer1->FileName(), wav);
    EXPECT_EQ(form.MediaPlayer1->CurrentState(), State::Playing);
}

TEST_F(MediaPlayerTest, OpensTheMusicShippedWithTheProgram)
{
    const QDir music(QString::fromStdString(SourceDir()) + "/resources/MUSICAS");
    const QStringList pieces = music.entryList({"*.wav"}, QDir::Files);
    ASSERT_FALSE(pieces.isEmpty()) << music.path().toStdString();
    MediaPlayerBar bar;
    bar.Open(music.filePath(pieces.front()));
    EXPECT_TRUE(PumpUntil([&] { return bar.Player()->mediaStatus() == QMediaPlayer::LoadedMedia; }));
    EXPECT_GT(bar.Player()->duration(), 0);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(" ").toStdString();
}
