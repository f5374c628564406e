// Locating the help documents: current folder first, then the program's
// own folders; names that would leave the folder are not looked up.
#include "platform/DataPaths.h"
#include "AppTestSupport.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Runs a test from inside a fresh temporary folder.
class InTemporaryFolder {
public:
    InTemporaryFolder() : previous_(QDir::currentPath()) { QDir::setCurrent(folder.path()); }
    ~InTemporaryFolder() { QDir::setCurrent(previous_); }
    QTemporaryDir folder;

private:
    QString previous_;
};

} // namespace

TEST(DataPaths, ExecutableDirIsTheProgramsFolderWithASlash)
{
    EXPECT_EQ(ExecutableDir(), QCoreApplication::applicationDirPath() + "/");
}

TEST(DataPaths, HelpDocumentsAreSoughtInTheCurrentFolderFirst)
{
    InTemporaryFolder here;
    const QString name = QStringLiteral("DOC/kestravin-test-%1.html").arg(QCoreApplication::applicationPid());
    const QString besideProgram = ExecutableDir() + name;
    ASSERT_TRUE(WriteFile(besideProgram, "beside"));

    // Only beside the executable: found there, as a program started from
    // a desktop menu needs.
    EXPECT_EQ(FindHelpDocument(name), QFileInfo(besideProgram).absoluteFilePath());

    // In the current folder too: that one wins.
    ASSERT_TRUE(WriteFile(here.folder.filePath(name), "here"));
    EXPECT_EQ(FindHelpDocument(name), QFileInfo(here.folder.filePath(name)).absoluteFilePath());

    QFile::remove(besideProgram);
    QDir(ExecutableDir()).rmdir(QStringLiteral("DOC"));
}

TEST(DataPaths, AMissingOrEscapingNameGivesNothing)
{
    InTemporaryFolder here;
    EXPECT_TRUE(FindHelpDocument(QStringLiteral("DOC/no-such-document.html")).isEmpty());
    EXPECT_TRUE(FindHelpDocument(QString()).isEmpty());

    // A file outside the searched folders is not reachable through "..".
    ASSERT_TRUE(WriteFile(here.folder.filePath(QStringLiteral("outside.html")), "x"));
    QDir(here.folder.path()).mkpath(QStringLiteral("inner"));
    QDir::setCurrent(here.folder.filePath(QStringLiteral("inner")));
    EXPECT_TRUE(FindHelpDocument(QStringLiteral("../outside.html")).isEmpty());
    EXPECT_TRUE(FindHelpDocument(here.folder.filePath(QStringLiteral("outside.html"))).isEmpty());
}

TEST(DataPaths, TheSearchOrderStartsHereThenBesideTheProgram)
{
    InTemporaryFolder here;
    const QStringList folders = HelpDocumentFolders();
    ASSERT_GE(folders.size(), 3);
    EXPECT_EQ(folders[0], QDir::currentPath() + "/");
    EXPECT_EQ(folders[1], ExecutableDir());
    for (const QString& folder : folders)
        EXPECT_TRUE(folder.endsWith('/')) << folder.toStdString();
}
