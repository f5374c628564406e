// Fuzz target: the PGN reader, and through it the FEN and SAN readers. Any
// bytes must give games or errors, never a crash, and within the reader's
// bounds. Every game read must write out in export format and read back to
// the same moves and final position; every error must carry a place inside
// the text and a reason. The input's first line is also read as a FEN, and
// a FEN that reads must write back to itself.
#include "FuzzSupport.h"

#include "core/Fen.h"
#include "core/Pgn.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// Small bounds, so that the fuzzer reaches them with small inputs.
PgnLimits FuzzLimits()
{
    PgnLimits limits;
    limits.MaxVariationDepth = 8;
    limits.MaxTokenBytes = 512;
    limits.MaxGameBytes = 16 * 1024;
    limits.MaxPlies = 300;
    limits.MaxTags = 32;
    return limits;
}

void CheckFen(std::string_view text)
{
    FenPosition position;
    std::string error;
    if (!ReadFen(text, position, error)) {
        FUZZ_CHECK(!error.empty(), "a refused FEN without a reason");
        return;
    }
    const std::string written = WriteFen(position.State, position.HalfMoveClock);
    FenPosition again;
    FUZZ_CHECK(ReadFen(written, again, error), "a written FEN does not read: " + written + ": " + error);
    FUZZ_CHECK(WriteFen(again.State, again.HalfMoveClock) == written, "FEN round trip differs: " + written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckFen(text.substr(0, std::min(text.find('\n'), text.size())));

    // LF, CR and CRLF each end a line.
    int lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i)
        lines += text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
    const PgnLimits limits = FuzzLimits();
    std::size_t expectedIndex = 0;
    ReadPgn(
        text,
        [&](PgnGame&& game) {
            FUZZ_CHECK(game.Index == expectedIndex++, "game indices out of order");
            if (!game.Ok) {
                FUZZ_CHECK(!game.Error.empty(), "an error without a reason");
                FUZZ_CHECK(game.Line >= 1 && game.Line <= lines && game.Column >= 1,
                           "error place outside the text: " + std::to_string(game.Line) + ":" +
                               std::to_string(game.Column));
                return;
            }
            const Game& read = game.Value;
            FUZZ_CHECK(read.PlyCount() <= limits.MaxPlies, "more half-moves than the limit");
            const std::string exported = WritePgn(read);
            const std::vector<PgnGame> back = ReadPgn(exported);
            FUZZ_CHECK(back.size() == 1, "an exported game reads as " + std::to_string(back.size()) + " games");
            FUZZ_CHECK(back[0].Ok, "an exported game does not read: " + back[0].Error + "\n" + exported);
            const Game& again = back[0].Value;
            FUZZ_CHECK(again.PlyCount() == read.PlyCount(), "exported game has another length\n" + exported);
            for (std::size_t i = 0; i < read.PlyCount(); ++i)
                FUZZ_CHECK(again.Moves()[i].Move == read.Moves()[i].Move,
                           "exported game has another move\n" + exported);
            FUZZ_CHECK(again.FinalFen() == read.FinalFen(), "exported game ends elsewhere\n" + exported);
            FUZZ_CHECK(again.Result() == read.Result(), "exported game has another result\n" + exported);
            FUZZ_CHECK(WritePgn(again) == exported, "export is not stable\n" + exported);
            CheckFen(read.FinalFen());
        },
        limits);
    return 0;
}
