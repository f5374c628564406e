// A game written to a disk that is full: the autosave and "Salvar partida"
// either put the complete new file in place or leave the old one as it was,
// and say so; the autosave says it once, however many moves follow while
// its box is open.
//
// The disk is a small private tmpfs where the test may mount one (as root),
// otherwise a limit on the size of the files this process writes, which
// fails a write the same way a full disk does.
#include "AppTestSupport.h"
#include "app/GameFiles.h"
#include "app/GameRecord.h"
#include "app/Unit2.h"
#include "board/ChessBoard.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/mount.h>
#include <sys/resource.h>

namespace {

// A folder on which writing soon fails for want of space: a tmpfs of a few
// blocks filled up by Fill(), or (where mounting is not allowed) the whole
// process limited by RLIMIT_FSIZE to files of the size they have.
class SmallDisk {
public:
    SmallDisk()
    {
        if (!dir_.isValid()) {
            why_ = "no temporary folder";
            return;
        }
        const QByteArray path = QFile::encodeName(dir_.path());
        if (::mount("tmpfs", path.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=256k") == 0) {
            mounted_ = true;
            return;
        }
        why_ = std::string("no tmpfs (") + std::strerror(errno) + ")";
        if (::getrlimit(RLIMIT_FSIZE, &saved_) == 0) {
            limitable_ = true;
            return;
        }
        why_ += ", no file size limit either";
    }
    ~SmallDisk()
    {
        Release();
        if (mounted_)
            ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Usable() const { return mounted_ || limitable_; }
    const std::string& WhyNot() const { return why_; }
    QString Path() const { return dir_.path(); }

    // From now on, no file here gets larger than it is.
    void Fill()
    {
        if (mounted_) {
            QFile filler(dir_.filePath(QStringLiteral("filler")));
            ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray block(4096, 'x');
            while (filler.write(block) == block.size()) {}
            filler.close();
            return;
        }
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = 0;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
        limited_ = true;
    }
    // Space again.
    void Release()
    {
        if (mounted_)
            QFile::remove(dir_.filePath(QStringLiteral("filler")));
        if (limited_)
            ::setrlimit(RLIMIT_FSIZE, &saved_);
        limited_ = false;
    }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
    bool limitable_ = false;
    bool limited_ = false;
    rlimit saved_{};
    std::string why_;
};

// Points the program's data folder (the autosave's) at `folder` while alive.
class DataFolderAt {
public:
    explicit DataFolderAt(const QString& folder) : saved_(qgetenv("XDG_DATA_HOME"))
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(folder));
    }
    ~DataFolderAt() { qputenv("XDG_DATA_HOME", saved_); }
    DataFolderAt(const DataFolderAt&) = delete;
    DataFolderAt& operator=(const DataFolderAt&) = delete;

private:
    QByteArray saved_;
};

QByteArray Contents(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Play(TForm2& form, Square from, Square to)
{
    ASSERT_TRUE(form.ChessBoard1->MakeMove(from, to)) << SquareName(from) << SquareName(to);
}

QStringList LeftOvers(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

TEST(FullDisk, TheAutosaveKeepsTheLastGoodGameAndSaysSoOnce)
{
    SmallDisk disk;
    if (!disk.Usable())
        GTEST_SKIP() << "cannot make a small disk here: " << disk.WhyNot();
    const DataFolderAt data(disk.Path());
    ASSERT_TRUE(AutosaveFileName().startsWith(disk.Path())) << AutosaveFileName().toStdString();
    const QString folder = QFileInfo(AutosaveFileName()).absolutePath();

    CapturedBoxes boxes;
    TForm2 form(nullptr, true);
    Play(form, Square::E2, Square::E4);
    Play(form, Square::E7, Square::E5);
    PumpFor(20);
    const QByteArray good = Contents(AutosaveFileName());
    ASSERT_TRUE(good.contains("1. e4 e5")) << good.constData();

    disk.Fill();
    // The box is modal: while it is open, moves go on being made (the
    // computer playing both sides) and each comes back to the autosave.
    int shown = 0;
    SetErrorBoxSink([&](const QString& text) {
        boxes.errors.append(text);
        if (++shown > 1)
            return;
        Play(form, Square::B8, Square::C6);
        Play(form, Square::B1, Square::C3);
        PumpFor(100);
    });
    Play(form, Square::G1, Square::F3);
    PumpFor(100);
    ASSERT_EQ(boxes.errors.size(), 1) << boxes.errors.join('\n').toStdString();
    EXPECT_TRUE(boxes.errors.first().startsWith("A partida não pôde ser guardada para continuar depois"))
        << boxes.errors.first().toStdString();
    EXPECT_EQ(Contents(AutosaveFileName()), good);
    EXPECT_EQ(LeftOvers(folder), QStringList{QStringLiteral("autosave.pgn")});

    // With space again the next move is kept, and a later failure is said
    // again.
    disk.Release();
    Play(form, Square::F8, Square::C5);
    PumpFor(20);
    EXPECT_TRUE(Contents(AutosaveFileName()).contains("3. Nc3 Bc5")) << Contents(AutosaveFileName()).constData();
    disk.Fill();
    Play(form, Square::F1, Square::C4);
    PumpFor(20);
    EXPECT_EQ(boxes.errors.size(), 2);
    disk.Release();
}

TEST(FullDisk, SavingAGameLeavesTheOldFileWhole)
{
    SmallDisk disk;
    if (!disk.Usable())
        GTEST_SKIP() << "cannot make a small disk here: " << disk.WhyNot();
    CapturedBoxes boxes;
    TForm2 form(nullptr, true);
    Play(form, Square::D2, Square::D4);
    const QString name = QDir(disk.Path()).filePath(QStringLiteral("partida.pgn"));
    form.GameFiles->SaveGame(name);
    const QByteArray old = Contents(name);
    ASSERT_TRUE(old.contains("1. d4")) << old.constData();

    Play(form, Square::D7, Square::D5);
    disk.Fill();
    try {
        form.GameFiles->SaveGame(name);
        ADD_FAILURE() << "a game written to a full disk was reported as saved";
    } catch (const std::runtime_error& e) {
        const QString message = QString::fromUtf8(e.what());
        EXPECT_TRUE(message.startsWith("Não foi possível gravar o arquivo \"" + name + "\"")) << e.what();
        EXPECT_TRUE(message.contains("ficou como estava")) << e.what();
    }
    disk.Release();
    EXPECT_EQ(Contents(name), old);
    QStringList left = LeftOvers(disk.Path());
    left.removeAll(QStringLiteral("filler"));
    EXPECT_EQ(left, QStringList{QStringLiteral("partida.pgn")});
}
