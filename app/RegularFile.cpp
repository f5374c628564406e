// Refusing what is not a regular file (see RegularFile.h).
#include "app/RegularFile.h"

#include <QCoreApplication>
#include <QFile>

#include <sys/stat.h>

std::optional<QString> NotARegularFile(const QString& fileName)
{
    struct stat status {};
    if (::stat(QFile::encodeName(fileName).constData(), &status) != 0 || S_ISREG(status.st_mode))
        return std::nullopt;
    QString kind;
    if (S_ISDIR(status.st_mode))
        kind = QCoreApplication::translate("RegularFile", "uma pasta");
    else if (S_ISFIFO(status.st_mode))
        kind = QCoreApplication::translate("RegularFile", "um canal (FIFO)");
    else if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
        kind = QCoreApplication::translate("RegularFile", "um dispositivo");
    else if (S_ISSOCK(status.st_mode))
        kind = QCoreApplication::translate("RegularFile", "um soquete");
    else
        kind = QCoreApplication::translate("RegularFile", "um arquivo especial");
    return QCoreApplication::translate("RegularFile", "Não é um arquivo comum, e sim %1.").arg(kind);
}
