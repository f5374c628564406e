// Game files: the bytes written, the text read back through the text
// buffer's rules, the errors, and the dialogs.
#include "app/GameFile.h"
#include "EventPump.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>

#include <csignal>
#include <stdexcept>
#include <sys/resource.h>

namespace {

const std::string InitialPosition = "rnbqkbnrpppppppp                                PPPPPPPPRNBQKBNR";

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

std::string ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "<no error>";
}

class GameFileTest : public ::testing::Test {
protected:
    QString PathOf(const QString& name) const { return dir.filePath(name); }
    std::string LoadBytes(const QByteArray& bytes)
    {
        const QString path = PathOf("loaded");
        WriteAll(path, bytes);
        return LoadGameFile(path);
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(GameFileTest, SavesExactlyThePositionBytes)
{
    const QString path = PathOf("initial");
    SaveGameFile(path, InitialPosition);
    EXPECT_EQ(ReadAll(path), QByteArray::fromStdString(InitialPosition));
    EXPECT_EQ(ReadAll(path).size(), 64);
}

TEST_F(GameFileTest, SavingReplacesALongerOldFileWhole)
{
    const QString path = PathOf("old");
    WriteAll(path, QByteArray(500, 'x'));
    SaveGameFile(path, InitialPosition);
    EXPECT_EQ(ReadAll(path), QByteArray::fromStdString(InitialPosition));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"old"}); // no temporary left
}

TEST_F(GameFileTest, SaveThenLoadRoundTrips)
{
    const std::string afterE4 = "rnbqkbnrpppppppp                    P           PPPP PPPRNBQKBNR";
    const QString path = PathOf("e4");
    SaveGameFile(path, afterE4);
    EXPECT_EQ(LoadGameFile(path), afterE4);
}

TEST_F(GameFileTest, LineBreaksBecomeCrLfAndANulEndsTheText)
{
    EXPECT_EQ(LoadBytes(QByteArray::fromStdString(InitialPosition + "\n")), InitialPosition + "\r\n");
    EXPECT_EQ(LoadBytes("a\rb\nc\r\nd\n\re"), "a\r\nb\r\nc\r\nd\r\n\r\ne");
    EXPECT_EQ(LoadBytes(QByteArray("rnbq\0kbnr", 9)), "rnbq");
    EXPECT_EQ(LoadBytes(QByteArray("\0PPPP", 5)), "");
}

TEST_F(GameFileTest, PassesWordsUnknownCharactersAndEmptyFilesThrough)
{
    // The board reads these (initial position, empty squares, empty board).
    EXPECT_EQ(LoadBytes("init"), "init");
    EXPECT_EQ(LoadBytes("rnbqkXnr"), "rnbqkXnr");
    EXPECT_EQ(LoadBytes(""), "");
}

TEST_F(GameFileTest, ReadsABinaryFileByteForByteUpToItsFirstNul)
{
    QByteArray bytes;
    for (int b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n')
            bytes += static_cast<char>(b);
    bytes += '\0';
    bytes += "after the nul";
    const std::string text = LoadBytes(bytes);
    ASSERT_EQ(text.size(), 253u);
    EXPECT_EQ(QByteArray::fromStdString(text), bytes.left(253));
}

TEST_F(GameFileTest, RefusesATextOverTheCapacity)
{
    EXPECT_EQ(LoadBytes(QByteArray(GameTextCapacity, 'P')).size(), static_cast<size_t>(GameTextCapacity));
    EXPECT_EQ(ErrorOf([&] { LoadBytes(QByteArray(GameTextCapacity + 1, 'P')); }), "Text exceeds memo capacity");
    // A line break takes two characters of the buffer.
    EXPECT_EQ(ErrorOf([&] { LoadBytes(QByteArray(GameTextCapacity / 2 + 1, '\n')); }), "Text exceeds memo capacity");
    // Within the capacity up to its NUL, whatever follows.
    QByteArray longTail(GameTextCapacity * 3, 'P');
    longTail[10] = '\0';
    EXPECT_EQ(LoadBytes(longTail), std::string(10, 'P'));
}

TEST_F(GameFileTest, ReportsFilesThatCannotBeOpened)
{
    const QString missing = PathOf("missing");
    EXPECT_EQ(ErrorOf([&] { LoadGameFile(missing); }),
              ("Cannot open file \"" + missing + "\". No such file or directory").toStdString());
    EXPECT_EQ(ErrorOf([&] { LoadGameFile(dir.path()); }),
              ("Cannot open file \"" + dir.path() + "\". Is a directory").toStdString());
}

TEST_F(GameFileTest, ReportsAFileThatCannotBeCreatedAndKeepsTheOldOne)
{
    const QString intoMissingFolder = PathOf("no-such-folder/game");
    EXPECT_EQ(ErrorOf([&] {
                  SaveGameFile(intoMissingFolder, InitialPosition);
              }).rfind(("Cannot create file \"" + intoMissingFolder + "\". ").toStdString(), 0),
              0u);
    EXPECT_FALSE(QFile::exists(intoMissingFolder));
    EXPECT_EQ(ErrorOf([&] { SaveGameFile(dir.path(), InitialPosition); }),
              ("Cannot create file \"" + dir.path() + "\". Is a directory").toStdString());
}

TEST_F(GameFileTest, AWriteThatFailsHalfWayLeavesTheOldGameIntact)
{
    const QString path = PathOf("precious");
    const QByteArray oldGame = "rnbqkbnrpppppppp                                PPPPPPPPRNBQKBN ";
    WriteAll(path, oldGame);
    // The file-size limit makes the write fail after 16 bytes, as a full disk would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit tiny = saved;
    tiny.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const std::string error = ErrorOf([&] { SaveGameFile(path, InitialPosition); });
    setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_EQ(error, ("Cannot create file \"" + path + "\". File too large").toStdString());
    EXPECT_EQ(ReadAll(path), oldGame);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"precious"});
}

namespace {

// Runs `answer` on the file dialog once it is shown.
void WhenDialogShows(std::function<void(QFileDialog*)> answer)
{
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        answer(dialog);
    });
}

} // namespace

TEST_F(GameFileTest, CancellingEitherDialogWritesAndReadsNothing)
{
    GameSaveDialog save;
    WhenDialogShows([](QFileDialog* d) { d->reject(); });
    EXPECT_FALSE(SaveGameWithDialog(save, nullptr, InitialPosition));
    GameOpenDialog open;
    WhenDialogShows([](QFileDialog* d) { d->reject(); });
    EXPECT_FALSE(LoadGameWithDialog(open, nullptr).has_value());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(GameFileTest, TheDialogsOfferTheLastChosenNameAndNoFilter)
{
    const QString path = PathOf("game.txt");
    GameSaveDialog save;
    WhenDialogShows([&](QFileDialog* d) {
        EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_TRUE(d->nameFilters().isEmpty() || d->nameFilters() == QStringList{"All Files (*)"});
        EXPECT_TRUE(d->defaultSuffix().isEmpty());
        d->selectFile(path);
        static_cast<QDialog*>(d)->accept();
    });
    EXPECT_TRUE(SaveGameWithDialog(save, nullptr, InitialPosition));
    EXPECT_EQ(ReadAll(path), QByteArray::fromStdString(InitialPosition));

    QFileDialog again;
    save.Configure(again);
    EXPECT_EQ(again.selectedFiles(), QStringList{path});

    GameOpenDialog open;
    WhenDialogShows([&](QFileDialog* d) {
        EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptOpen);
        d->selectFile(path);
        static_cast<QDialog*>(d)->accept();
    });
    EXPECT_EQ(LoadGameWithDialog(open, nullptr), InitialPosition);
    QFileDialog openAgain;
    open.Configure(openAgain);
    EXPECT_EQ(openAgain.selectedFiles(), QStringList{path});
}

TEST_F(GameFileTest, TheDialogsColumnsShowTheirWholeEntries)
{
    const QString longName = PathOf("Campeonato Brasileiro, rodada 7, mesa 3.pgn");
    WriteAll(longName, "x");
    QFileDialog dialog(nullptr, QString(), dir.path());
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    SizeFileDialog(dialog);
    dialog.show();
    auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return view->model()->rowCount(view->rootIndex()) > 0; }, 10000));
    PumpFor(100);
    for (int column = 0; column < view->header()->count(); ++column) {
        SCOPED_TRACE(view->model()->headerData(column, Qt::Horizontal).toString().toStdString());
        EXPECT_GE(view->header()->sectionSize(column),
                  static_cast<QAbstractItemView*>(view)->sizeHintForColumn(column));
        EXPECT_GE(view->header()->sectionSize(column), view->header()->sectionSizeHint(column));
    }
    dialog.hide();
}

TEST_F(GameFileTest, TheSaveDialogAsksBeforeReplacingAFile)
{
    const QString path = PathOf("old-game");
    WriteAll(path, "old");
    GameSaveDialog save;
    bool asked = false;
    WhenDialogShows([&](QFileDialog* d) {
        // The question about replacing comes from inside accept().
        QTimer::singleShot(0, [&, d] {
            auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(question, nullptr);
            asked = true;
            question->button(QMessageBox::No)->click();
            QTimer::singleShot(0, d, &QFileDialog::reject);
        });
        d->selectFile(path);
        static_cast<QDialog*>(d)->accept();
    });
    EXPECT_FALSE(SaveGameWithDialog(save, nullptr, InitialPosition));
    EXPECT_TRUE(asked);
    EXPECT_EQ(ReadAll(path), "old");
}
