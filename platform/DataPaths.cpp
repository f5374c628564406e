// Locating the program's data files. A program started from a desktop menu
// runs with the user's home as its current folder, so the help documents
// are looked up in the current folder first and in the program's own data
// folders after it.
#include "platform/DataPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString WithSlash(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

// A relative name that stays inside the folder it is resolved against.
bool IsContainedRelativeName(const QString& name)
{
    if (name.isEmpty() || QDir::isAbsolutePath(name))
        return false;
    const QString clean = QDir::cleanPath(name);
    return clean != QLatin1String("..") && !clean.startsWith(QLatin1String("../"));
}

} // namespace

QString ExecutableDir()
{
    return WithSlash(QCoreApplication::applicationDirPath());
}

QStringList HelpDocumentFolders()
{
    QStringList folders;
    const auto add = [&folders](const QString& folder) {
        const QString path = WithSlash(QDir::cleanPath(folder));
        if (!folders.contains(path))
            folders.append(path);
    };
    add(QDir::currentPath());
    add(ExecutableDir());
    add(ExecutableDir() + QStringLiteral("../share/kestravin"));
    for (const QString& dataDir : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        add(dataDir + QStringLiteral("/kestravin"));
    return folders;
}

QString FindHelpDocument(const QString& relativeName)
{
    if (!IsContainedRelativeName(relativeName))
        return {};
    for (const QString& folder : HelpDocumentFolders()) {
        const QFileInfo candidate(folder + relativeName);
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    return {};
}
