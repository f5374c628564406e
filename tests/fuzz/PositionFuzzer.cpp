// Fuzz target: the board's position string parser. Any byte string is
// written to Position and read back; the result must be 64 blanks or piece
// letters, agree with the parsing rules square by square, and leave the rest
// of the game state alone.
#include "FuzzApplication.h"
#include "FuzzSupport.h"

#include "board/ChessBoard.h"
#include "core/GameState.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

// The parsing rules, restated: square i takes the i-th character when it is
// a blank or a piece letter, a NUL ends the string, "init" or "newgame" in
// any case gives the initial position.
std::string ExpectedPosition(const std::string& text)
{
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : char(c); });
    if (lower == "init" || lower == "newgame")
        return InitialPositionString;
    std::string expected(64, ' ');
    for (std::size_t i = 0; i < 64 && i < text.size() && text[i] != '\0'; ++i) {
        if (fuzz::IsSquareCharacter(text[i]))
            expected[i] = text[i];
    }
    return expected;
}

TChessBoard* board = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::StartOffscreenApplication(argc, argv);
    board = new TChessBoard(nullptr, true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const bool whiteToMove = board->WhiteToMove();
    const CastleSet castling = board->CastlingAllowed();
    const Square enPassant = board->EnPassant();
    const int currentMove = board->CurrentMove();

    board->SetPosition(text);
    const std::string position = board->Position();
    FUZZ_CHECK(fuzz::IsWellFormedPosition(position), "Position is not 64 blanks or piece letters");
    FUZZ_CHECK(position == ExpectedPosition(text), "Position differs from the parsing rules");
    FUZZ_CHECK(!IsPieceLetter(board->Board()[0]) && PieceColor(board->Board(), Square::None) == -1,
               "the off-board element reads as a piece");
    FUZZ_CHECK(board->WhiteToMove() == whiteToMove && board->CastlingAllowed() == castling &&
                   board->EnPassant() == enPassant && board->CurrentMove() == currentMove,
               "writing Position changed the game state");

    // Reading back what was read gives the same placement.
    board->SetPosition(position);
    FUZZ_CHECK(board->Position() == position, "Position does not read back its own string");
    return 0;
}
