// Fuzz target: loading a game file, bytes to the text buffer's rules to the
// board's Position. The text must hold no NUL and only CR LF line breaks,
// keep every other byte of the file up to its first NUL, respect the
// buffer's capacity (a larger text is refused with an error, never cut), and
// the file read from disk must give the same text as the bytes in memory.
#include "FuzzApplication.h"
#include "FuzzSupport.h"

#include "app/GameFile.h"
#include "board/ChessBoard.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>

namespace {

TChessBoard* board = nullptr;
std::unique_ptr<QTemporaryDir> folder;

// The first byte chooses how often the rest is repeated, so that texts
// beyond the buffer's capacity are reached from small inputs.
QByteArray FileBytes(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return {};
    const QByteArray rest(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    const int repeats = data[0] < 240 ? 1 : 1 << (data[0] - 240);
    constexpr qsizetype MaxBytes = 4 * GameTextCapacity;
    QByteArray bytes;
    for (int i = 0; i < repeats && bytes.size() + rest.size() <= MaxBytes; ++i)
        bytes += rest;
    return bytes;
}

// The text the rules give, or no value when it exceeds the capacity.
std::optional<std::string> TextOf(const QByteArray& bytes)
{
    try {
        return GameTextFromBytes(bytes);
    } catch (const std::runtime_error& error) {
        FUZZ_CHECK(std::string(error.what()) == "Text exceeds memo capacity", error.what());
        return std::nullopt;
    }
}

// Line breaks in bytes: CR LF counts as one, a lone CR or LF as one.
qsizetype CountLineBreaks(const QByteArray& bytes)
{
    qsizetype breaks = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && i > 0 && bytes[i - 1] == '\r')
            continue;
        if (bytes[i] == '\r' || bytes[i] == '\n')
            ++breaks;
    }
    return breaks;
}

QByteArray WithoutLineBreaks(QByteArray bytes)
{
    bytes.replace('\r', QByteArray());
    bytes.replace('\n', QByteArray());
    return bytes;
}

// Checks the text against the file's bytes up to their first NUL: no NUL,
// every line break written CR LF, the same other bytes in the same order, as
// many line breaks; refused exactly when that text exceeds the capacity.
void CheckText(const QByteArray& bytes, const std::optional<std::string>& text)
{
    const qsizetype nul = bytes.indexOf('\0');
    const QByteArray kept = nul < 0 ? bytes : bytes.left(nul);
    const QByteArray content = WithoutLineBreaks(kept);
    const qsizetype breaks = CountLineBreaks(kept);
    const bool fits = content.size() + 2 * breaks <= GameTextCapacity;
    FUZZ_CHECK(text.has_value() == fits,
               fits ? "a text within capacity was refused" : "an oversized text was accepted");
    if (!text)
        return;
    const QByteArray result = QByteArray::fromStdString(*text);
    FUZZ_CHECK(!result.contains('\0'), "the text holds a NUL");
    for (qsizetype i = 0; i < result.size(); ++i) {
        if (result[i] == '\r')
            FUZZ_CHECK(i + 1 < result.size() && result[i + 1] == '\n', "a CR without its LF");
        if (result[i] == '\n')
            FUZZ_CHECK(i > 0 && result[i - 1] == '\r', "an LF without its CR");
    }
    FUZZ_CHECK(WithoutLineBreaks(result) == content, "the text lost or changed bytes of the file");
    FUZZ_CHECK(result.count("\r\n") == breaks, "the text has a different number of line breaks");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::StartOffscreenApplication(argc, argv);
    board = new TChessBoard(nullptr, true);
    folder = std::make_unique<QTemporaryDir>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = FileBytes(data, size);
    const std::optional<std::string> text = TextOf(bytes);
    CheckText(bytes, text);

    // The same bytes through a real file.
    const QString fileName = folder->filePath(QStringLiteral("game"));
    {
        QFile file(fileName);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
                   "cannot write the scratch file");
    }
    std::optional<std::string> loaded;
    try {
        loaded = LoadGameFile(fileName);
    } catch (const std::runtime_error& error) {
        FUZZ_CHECK(std::string(error.what()) == "Text exceeds memo capacity", error.what());
    }
    FUZZ_CHECK(loaded == text, "the file on disk reads differently from its bytes");

    if (!text)
        return 0;
    const std::string before = board->Position();
    board->SetPosition(*text);
    FUZZ_CHECK(fuzz::IsWellFormedPosition(board->Position()), "a loaded file gave a malformed position");
    // Loading what was saved gives the same pieces.
    const std::string saved = board->Position();
    board->SetPosition(before);
    board->SetPosition(*TextOf(QByteArray::fromStdString(saved)));
    FUZZ_CHECK(board->Position() == saved, "a saved position does not load back");
    return 0;
}
