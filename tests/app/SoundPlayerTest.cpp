// The start screen's sounds: a sound that cannot be played is reported
// once per file and never stops the caller; a good sound plays quietly.
#include "app/SoundPlayer.h"
#include "AppTestSupport.h"

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

TEST(SoundPlayer, AMissingFileIsReportedOncePerFile)
{
    CapturedBoxes boxes;
    SoundPlayer player;
    const QString missing = QStringLiteral("/nonexistent/FX/click.wav");
    const QString otherMissing = QStringLiteral("/nonexistent/FX/click2.wav");

    for (int pass = 0; pass < 3; ++pass)
        player.Play(missing);
    ASSERT_EQ(boxes.errors.size(), 1);
    EXPECT_TRUE(boxes.errors[0].contains(missing)) << boxes.errors[0].toStdString();
    EXPECT_TRUE(boxes.errors[0].endsWith('.'));

    player.Play(otherMissing);
    player.Play(missing);
    player.Play(otherMissing);
    ASSERT_EQ(boxes.errors.size(), 2);
    EXPECT_TRUE(boxes.errors[1].contains(otherMissing));
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_EQ(player.FileName(), otherMissing);
}

TEST(SoundPlayer, AFileTheMediaSystemRejectsIsReportedOnce)
{
    CapturedBoxes boxes;
    QTemporaryDir folder;
    const QString broken = folder.filePath(QStringLiteral("broken.wav"));
    ASSERT_TRUE(WriteFile(broken, QByteArray("this is not a sound file at all", 31).repeated(40)));

    SoundPlayer player;
    player.Play(broken);
    ASSERT_TRUE(PumpUntil([&] { return !boxes.errors.isEmpty(); }, 10000));
    player.Play(broken);
    QTest::qWait(500);
    EXPECT_EQ(boxes.errors.size(), 1);
    EXPECT_TRUE(boxes.errors[0].contains(broken)) << boxes.errors[0].toStdString();
}

TEST(SoundPlayer, AGoodFilePlaysWithoutAReportAndTheNextCutsItOff)
{
    CapturedBoxes boxes;
    QTemporaryDir folder;
    const QString longSound = folder.filePath(QStringLiteral("long.wav"));
    const QString shortSound = folder.filePath(QStringLiteral("short.wav"));
    ASSERT_TRUE(WriteFile(longSound, WavBytes(3000)));
    ASSERT_TRUE(WriteFile(shortSound, WavBytes(50)));

    SoundPlayer player;
    player.Play(longSound);
    ASSERT_TRUE(PumpUntil([&] { return player.IsPlaying(); }));
    player.Play(shortSound);
    EXPECT_EQ(player.FileName(), shortSound);
    // The long sound would play for 3 s; the short one that replaced it
    // ends well before.
    EXPECT_TRUE(PumpUntil([&] { return !player.IsPlaying(); }, 2000));
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
}
