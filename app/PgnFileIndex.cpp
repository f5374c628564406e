// A PGN file's games found once and read one at a time (see PgnFileIndex.h).
#include "app/PgnFileIndex.h"

#include "app/RegularFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>
#include <string>

namespace {

constexpr qint64 ReadChunk = 4 * 1024 * 1024;

[[noreturn]] void Fail(const QString& message)
{
    throw std::runtime_error(message.toStdString());
}

QString CannotRead(const QString& path, const QString& cause)
{
    return QCoreApplication::translate("GameRecord", "Não foi possível ler o arquivo \"%1\". %2").arg(path, cause);
}

} // namespace

std::optional<PgnFileIndex> PgnFileIndex::Read(const QString& fileName, const Progress& progress)
{
    const QString path = QFileInfo(fileName).absoluteFilePath();
    // A FIFO or a device would hold the program in the opening or the read.
    if (const std::optional<QString> refused = NotARegularFile(fileName))
        Fail(QCoreApplication::translate("GameRecord", "Não foi possível abrir o arquivo \"%1\". %2")
                 .arg(path, *refused));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        Fail(QCoreApplication::translate("GameRecord", "Não foi possível abrir o arquivo \"%1\". %2")
                 .arg(path, file.errorString()));
    const qint64 size = file.size();
    if (size > MaxIndexedPgnFileBytes)
        Fail(QCoreApplication::translate("GameRecord", "O arquivo \"%1\" é grande demais para uma partida.").arg(path));

    // Reading and finding the games count as half the work each.
    const qint64 total = 2 * std::max<qint64>(size, 1);
    std::string text(static_cast<std::size_t>(size), '\0');
    qint64 done = 0;
    while (done < size) {
        if (progress && !progress(done, total))
            return std::nullopt;
        const qint64 got = file.read(text.data() + done, std::min(ReadChunk, size - done));
        if (got < 0)
            Fail(CannotRead(path, file.errorString()));
        if (got == 0)
            break; // the file became shorter meanwhile
        done += got;
    }
    text.resize(static_cast<std::size_t>(done));

    PgnFileIndex index;
    index.fileName_ = fileName;
    index.size_ = done;
    const bool finished = IndexPgn(text, index.places_, [&](std::size_t scanned) {
        return !progress || progress(size + static_cast<qint64>(scanned), total);
    });
    if (!finished)
        return std::nullopt;
    index.places_.shrink_to_fit();
    return index;
}

PgnGame PgnFileIndex::Game(std::size_t index) const
{
    const PgnGamePlace& place = places_.at(index);
    const qint64 begin = static_cast<qint64>(place.Offset);
    const qint64 end = static_cast<qint64>(GameTextEnd(places_, index, static_cast<std::uint64_t>(size_)));
    const QString path = QFileInfo(fileName_).absoluteFilePath();
    if (const std::optional<QString> refused = NotARegularFile(fileName_))
        Fail(CannotRead(path, *refused));
    QFile file(fileName_);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(begin))
        Fail(CannotRead(path, file.errorString()));
    const QByteArray bytes = file.read(end - begin);
    if (bytes.isEmpty() && file.error() != QFileDevice::NoError)
        Fail(CannotRead(path, file.errorString()));
    return ReadIndexedGame(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), place, index);
}
