// A FIFO (or a device) where a game file is expected: named on the command
// line, chosen to open, loaded as a position file, or lying where the
// autosave goes. Each is refused with a message before it is opened,
// instead of holding the program for ever in the opening.
#include "AppTestSupport.h"
#include "app/Autosave.h"
#include "app/GameFile.h"
#include "app/GameFiles.h"
#include "app/GameRecord.h"
#include "app/Unit2.h"
#include "board/ChessBoard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// A FIFO that nobody writes. Should the program open it anyway, a writer
// comes after a few seconds and closes it at once, so that a wrong program
// fails the test instead of hanging it.
class LonelyFifo {
public:
    explicit LonelyFifo(const QString& name) : name_(name)
    {
        made_ = ::mkfifo(QFile::encodeName(name).constData(), 0600) == 0;
        if (!made_)
            return;
        rescuer_ = std::thread([this] {
            for (int i = 0; i < 50 && !done_; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            if (done_)
                return;
            const int fd = ::open(QFile::encodeName(name_).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
        });
    }
    ~LonelyFifo()
    {
        done_ = true;
        if (rescuer_.joinable())
            rescuer_.join();
    }
    LonelyFifo(const LonelyFifo&) = delete;
    LonelyFifo& operator=(const LonelyFifo&) = delete;
    bool Made() const { return made_; }

private:
    QString name_;
    bool made_ = false;
    std::atomic<bool> done_{false};
    std::thread rescuer_;
};

template <typename F>
QString ErrorOf(F&& call)
{
    try {
        call();
    } catch (const std::runtime_error& e) {
        return QString::fromUtf8(e.what());
    }
    return QString();
}

} // namespace

TEST(NonRegularFiles, AFifoIsRefusedWhereverAGameFileIsExpected)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fifo = dir.filePath("canal.pgn");
    LonelyFifo pipe(fifo);
    ASSERT_TRUE(pipe.Made());

    const QString read = ErrorOf([&] { ReadPgnFile(fifo); });
    EXPECT_TRUE(read.startsWith("Não foi possível abrir o arquivo \"" + fifo + "\"")) << read.toStdString();
    EXPECT_TRUE(read.contains("canal (FIFO)")) << read.toStdString();

    // "Carregar" (the position file) and a device.
    const QString position = ErrorOf([&] { LoadGameFile(fifo); });
    EXPECT_TRUE(position.contains("canal (FIFO)")) << position.toStdString();
    EXPECT_TRUE(ErrorOf([] { ReadPgnFile(QStringLiteral("/dev/zero")); }).contains("dispositivo"));

    // On the command line and through "Abrir partida…": the game window
    // shows the message and keeps its game.
    CapturedBoxes boxes;
    TForm2 form(nullptr, true);
    ASSERT_TRUE(form.ChessBoard1->MakeMove(Square::E2, Square::E4));
    const std::string before = form.ChessBoard1->Position();
    form.GameFiles->OpenFilesFromCommandLine({fifo});
    ASSERT_EQ(boxes.errors.size(), 1);
    EXPECT_TRUE(boxes.errors.first().contains("canal (FIFO)")) << boxes.errors.first().toStdString();
    EXPECT_EQ(form.ChessBoard1->Position(), before);
    EXPECT_FALSE(ErrorOf([&] { form.GameFiles->OpenGame(fifo); }).isEmpty());
}

TEST(NonRegularFiles, AFifoAsTheAutosaveIsSetAside)
{
    RemoveAutosave();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(AutosaveFileName()).absolutePath()));
    LonelyFifo pipe(AutosaveFileName());
    ASSERT_TRUE(pipe.Made());
    const AutosaveFound found = TakeAutosave();
    EXPECT_FALSE(found.Value.has_value());
    EXPECT_TRUE(found.Problem.contains("canal (FIFO)")) << found.Problem.toStdString();
    EXPECT_FALSE(found.SetAsideAs.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(AutosaveFileName()));
    QFile::remove(found.SetAsideAs);
}
