// The start screen's sounds on a real audio output: each play of a sound,
// however often it is repeated, is taken by the output and ends. Skipped
// where the machine has no audio output (the sounds then go through the
// media pipeline, which SoundPlayerTest covers).
#include "AppTestSupport.h"
#include "app/SoundPlayer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(SoundOutput, EveryRepeatOfASoundPlaysToItsEnd)
{
    if (QMediaDevices::audioOutputs().isEmpty())
        GTEST_SKIP() << "no audio output on this machine";
    CapturedBoxes boxes;
    QTemporaryDir folder;
    const QString sound = folder.filePath(QStringLiteral("sound.wav"));
    const QString other = folder.filePath(QStringLiteral("other.wav"));
    ASSERT_TRUE(WriteFile(sound, WavBytes(300)));
    ASSERT_TRUE(WriteFile(other, WavBytes(300)));

    SoundPlayer player;
    player.Prepare({sound, other});
    // Streams that were reopened again and again once stalled for good
    // after a few sounds; alternating files must not disturb either.
    for (int pass = 0; pass < 8; ++pass) {
        const QString& file = pass % 3 == 2 ? other : sound;
        player.Play(file);
        ASSERT_TRUE(PumpUntil([&] { return player.IsPlaying(); }, 3000)) << "pass " << pass;
        ASSERT_TRUE(PumpUntil([&] { return !player.IsPlaying(); }, 3000)) << "pass " << pass;
    }
    // Cut off in the middle and started again at once.
    player.Play(sound);
    ASSERT_TRUE(PumpUntil([&] { return player.IsPlaying(); }, 3000));
    player.Play(sound);
    EXPECT_TRUE(PumpUntil([&] { return player.IsPlaying(); }, 3000));
    EXPECT_TRUE(PumpUntil([&] { return !player.IsPlaying(); }, 3000));
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
}
