// Game files: saving and loading the position string (see GameFile.h).
#include "app/GameFile.h"

#include "app/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QSaveFile>
#include <QTreeView>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace {

QString FullPath(const QString& fileName)
{
    return QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
}

[[noreturn]] void ThrowFileError(const char* what, const QString& fileName, const QString& cause)
{
    const QString text = QStringLiteral("%1 file \"%2\". %3").arg(QLatin1String(what), FullPath(fileName), cause);
    throw std::runtime_error(text.toStdString());
}

[[noreturn]] void ThrowCapacityError()
{
    throw std::runtime_error("Text exceeds memo capacity");
}

// Shows `dialog`; the first selected file, or an empty string on cancel. A
// chosen file becomes `remembered`, the name the dialog starts with next.
QString RunDialog(QFileDialog& dialog, QString& remembered)
{
    SizeFileDialog(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return {};
    remembered = files.front();
    return remembered;
}

} // namespace

void SizeFileDialog(QFileDialog& dialog)
{
    dialog.setViewMode(QFileDialog::Detail);
    dialog.resize(dialog.sizeHint().expandedTo(QSize(860, 520)));
    // Qt's own dialog sizes its columns for short English texts ("mp3Folder",
    // "10/29/81 02:02PM"); here the size, type and date are as wide as what
    // they show, and the name takes all the room left.
    if (auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* header = view->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < header->count(); ++column)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
}

void SaveGameFile(const QString& fileName, const std::string& position)
{
    if (QFileInfo(fileName).isDir())
        ThrowFileError("Cannot create", fileName, QString::fromLocal8Bit(std::strerror(EISDIR)));
    QSaveFile file(fileName);
    // Unbuffered, so that a short write (a full disk, a size limit) is seen
    // here: through the buffer a partial flush can pass for success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        ThrowFileError("Cannot create", fileName, file.errorString());
    const char* data = position.data();
    qint64 remaining = static_cast<qint64>(position.size());
    while (remaining > 0) {
        const qint64 written = file.write(data, remaining);
        if (written <= 0) {
            const QString cause = file.errorString();
            file.cancelWriting();
            ThrowFileError("Cannot create", fileName, cause);
        }
        data += written;
        remaining -= written;
    }
    if (!file.commit())
        ThrowFileError("Cannot create", fileName, file.errorString());
}

std::string GameTextFromBytes(const QByteArray& bytes)
{
    std::string text;
    const qsizetype end = bytes.indexOf('\0') < 0 ? bytes.size() : bytes.indexOf('\0');
    text.reserve(static_cast<std::size_t>(std::min(end, GameTextCapacity + 1)));
    for (qsizetype i = 0; i < end; ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            text += "\r\n";
            if (c == '\r' && i + 1 < end && bytes[i + 1] == '\n')
                ++i;
        } else {
            text += c;
        }
        if (static_cast<qsizetype>(text.size()) > GameTextCapacity)
            ThrowCapacityError();
    }
    return text;
}

std::string LoadGameFile(const QString& fileName)
{
    if (QFileInfo(fileName).isDir())
        ThrowFileError("Cannot open", fileName, QString::fromLocal8Bit(std::strerror(EISDIR)));
    // A FIFO or a device would hold the program in the opening or the read.
    if (const std::optional<QString> refused = NotARegularFile(fileName))
        ThrowFileError("Cannot open", fileName, *refused);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        ThrowFileError("Cannot open", fileName, file.errorString());
    // Line breaks only grow and a NUL only shortens the text, so a text that
    // fits comes from at most GameTextCapacity bytes; one byte more is
    // enough to tell that a file does not fit.
    const QByteArray bytes = file.read(GameTextCapacity + 1);
    if (bytes.isEmpty() && file.error() != QFileDevice::NoError)
        ThrowFileError("Cannot open", fileName, file.errorString());
    return GameTextFromBytes(bytes);
}

void GameSaveDialog::Configure(QFileDialog& dialog) const
{
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (!fileName_.isEmpty())
        dialog.selectFile(fileName_);
}

QString GameSaveDialog::Execute(QWidget* parent)
{
    QFileDialog dialog(parent);
    Configure(dialog);
    return RunDialog(dialog, fileName_);
}

void GameOpenDialog::Configure(QFileDialog& dialog) const
{
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (QFileInfo(QString::fromLatin1(InitialFolder)).isDir())
        dialog.setDirectory(QString::fromLatin1(InitialFolder));
    if (!fileName_.isEmpty())
        dialog.selectFile(fileName_);
}

QString GameOpenDialog::Execute(QWidget* parent)
{
    QFileDialog dialog(parent);
    Configure(dialog);
    return RunDialog(dialog, fileName_);
}

bool SaveGameWithDialog(GameSaveDialog& dialog, QWidget* parent, const std::string& position)
{
    const QString fileName = dialog.Execute(parent);
    if (fileName.isEmpty())
        return false;
    SaveGameFile(fileName, position);
    return true;
}

std::optional<std::string> LoadGameWithDialog(GameOpenDialog& dialog, QWidget* parent)
{
    const QString fileName = dialog.Execute(parent);
    if (fileName.isEmpty())
        return std::nullopt;
    return LoadGameFile(fileName);
}
