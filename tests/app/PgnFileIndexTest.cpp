// A PGN file listed through the places of its games: each game read from
// the file alone is the one the whole file gives, the reading reports its
// progress and can be cancelled, and the chooser reads only the games it
// shows, however many the file holds.
#include "app/PgnFileIndex.h"
#include "AppTestSupport.h"
#include "app/GameRecord.h"
#include "app/PgnGameDialog.h"

#include <QAbstractItemModel>
#include <QFile>
#include <QListView>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <vector>

namespace {

QString WriteFile(const QTemporaryDir& dir, const char* name, const std::string& text)
{
    const QString fileName = dir.filePath(QString::fromLatin1(name));
    QFile file(fileName);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.data(), static_cast<qint64>(text.size()));
    return fileName;
}

} // namespace

TEST(PgnFileIndex, EachGameReadAloneIsTheWholeFilesGame)
{
    QTemporaryDir dir;
    const QString file = WriteFile(dir, "varias.pgn",
                                   "[White \"Ana\"]\n[Black \"Bia\"]\n\n1. d4 d5 *\n\n"
                                   "[White \"Caio\"]\n\n1. e4 c5 2. Nf3 {Siciliana} *\n\n"
                                   "1. e4 e5 2. Ke3 *\n\n"
                                   "[Event \"Fim\"]\n1. c4 1-0\n");
    const std::vector<PgnGame> whole = ReadPgnFile(file);
    const std::optional<PgnFileIndex> index = PgnFileIndex::Read(file);
    ASSERT_TRUE(index.has_value());
    ASSERT_EQ(index->Count(), whole.size());
    for (std::size_t i = 0; i < whole.size(); ++i) {
        const PgnGame game = index->Game(i);
        EXPECT_EQ(game.Index, i);
        EXPECT_EQ(game.Ok, whole[i].Ok) << i;
        EXPECT_EQ(PgnGameErrorText(game), PgnGameErrorText(whole[i])) << i;
        EXPECT_EQ(game.Value.FinalFen(), whole[i].Value.FinalFen()) << i;
        EXPECT_EQ(game.Value.Tags().size(), whole[i].Value.Tags().size()) << i;
    }
    EXPECT_EQ(PgnGameErrorText(index->Game(2)), "Partida 3, linha 10, coluna 13: lance ilegal: \"Ke3\"");
}

TEST(PgnFileIndex, TheReadingReportsItsProgressAndCanBeCancelled)
{
    QTemporaryDir dir;
    std::string text;
    for (int i = 0; i < 60000; ++i)
        text += "[Event \"E" + std::to_string(i) + "\"]\n\n1. e4 e5 2. Nf3 Nc6 *\n\n";
    const QString file = WriteFile(dir, "grande.pgn", text);

    std::vector<qint64> reports;
    qint64 total = 0;
    const std::optional<PgnFileIndex> index = PgnFileIndex::Read(file, [&](qint64 done, qint64 all) {
        reports.push_back(done);
        total = all;
        return true;
    });
    ASSERT_TRUE(index.has_value());
    EXPECT_EQ(index->Count(), 60000u);
    ASSERT_GE(reports.size(), 3u);
    EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));
    EXPECT_EQ(reports.back(), total);

    int asked = 0;
    EXPECT_FALSE(PgnFileIndex::Read(file, [&](qint64, qint64) { return ++asked < 3; }).has_value());
    EXPECT_EQ(asked, 3);
}

TEST(PgnFileIndex, TheChooserReadsOnlyTheGamesItShows)
{
    std::atomic<int> read{0};
    const std::size_t count = 100000;
    PgnGameSource source{count, [&read](std::size_t i) {
                             ++read;
                             PgnGame game = ReadPgn("[White \"W\"]\n1. e4 *").front();
                             game.Index = i;
                             return game;
                         }};
    PgnGameDialog dialog(source);
    dialog.show();
    PumpFor(50);
    EXPECT_EQ(dialog.List()->model()->rowCount(), static_cast<int>(count));
    EXPECT_EQ(dialog.ChosenGame(), 0u);
    EXPECT_GT(read.load(), 0);
    EXPECT_LT(read.load(), 500) << "the list read games it does not show";
    // Typing a number goes to that game without reading the ones between.
    dialog.List()->keyboardSearch(QStringLiteral("9"));
    dialog.List()->keyboardSearch(QStringLiteral("0"));
    dialog.List()->keyboardSearch(QStringLiteral("000"));
    PumpFor(20);
    EXPECT_EQ(dialog.ChosenGame(), 89999u);
    EXPECT_LT(read.load(), 1000);
}
