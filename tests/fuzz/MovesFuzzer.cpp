// Fuzz target: MakeMove and GotoMove sequences on arbitrary positions with
// arbitrary square pairs, on a board without a search thread. After every
// call the board must hold: a move is made exactly when IsLegalMove said so,
// and a refused one changes nothing; a made move moves the mover's piece and
// leaves the mover's king safe; the position stays 64 blanks or piece
// letters; the move list agrees with the moves made; and GotoMove returns
// exactly to the positions recorded on the way, and forward again.
#include "FuzzApplication.h"
#include "FuzzSupport.h"

#include "board/ChessBoard.h"
#include "core/GameHistory.h"
#include "core/GameState.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

TChessBoard* board = nullptr;

struct Snapshot {
    std::string Placement;
    bool WhiteToMove = true;
    CastleSet Castling;
    Square EnPassant = Square::None;
    int CurrentMove = 1;

    static Snapshot Of(const TChessBoard& b)
    {
        return {b.Position(), b.WhiteToMove(), b.CastlingAllowed(), b.EnPassant(), b.CurrentMove()};
    }
    bool operator==(const Snapshot&) const = default;
};

// What the history should hold, kept beside the board from the moves made:
// for every slot the position recorded in it and the move played from it.
class HistoryModel {
public:
    void Restart()
    {
        end_ = 0;
        first_ = -1;
    }
    void MoveMade(long long index, const Snapshot& before, Square from, Square to, const Snapshot& after)
    {
        slots_[index] = {before, std::make_pair(from, to)};
        slots_[index + 1] = {after, std::nullopt};
        if (first_ < 0 || index < first_)
            first_ = index;
        end_ = index + 1;
    }
    // Whether GotoMove may go to the slot, and the position it holds.
    std::optional<Snapshot> Recorded(long long index) const
    {
        if (first_ < 0 || index < first_ || index > end_)
            return std::nullopt;
        const auto slot = slots_.find(index);
        if (slot == slots_.end())
            return std::nullopt;
        return slot->second.Position;
    }
    std::vector<std::string> MoveList() const
    {
        std::vector<std::string> lines;
        for (long long index = first_; first_ >= 0 && index < end_; ++index) {
            const auto slot = slots_.find(index);
            const bool played = slot != slots_.end() && slot->second.Move.has_value();
            const std::string move =
                played ? SquareName(slot->second.Move->first) + "-" + SquareName(slot->second.Move->second) : "...";
            const long long number = index / 2 + 1;
            if (index % 2 == 0) {
                lines.push_back(std::to_string(number) + ". " + move);
            } else {
                if (index == first_)
                    lines.push_back(std::to_string(number) + ". ...");
                lines.push_back(std::string(14, ' ') + move);
            }
        }
        return lines;
    }

private:
    struct Slot {
        Snapshot Position;
        std::optional<std::pair<Square, Square>> Move;
    };
    std::map<long long, Slot> slots_;
    long long end_ = 0;
    long long first_ = -1;
};

std::string PositionFrom(FuzzedDataProvider& input)
{
    std::string position(64, ' ');
    for (char& c : position) {
        const auto b = input.ConsumeIntegralInRange<int>(0, 25);
        c = b < 13 ? fuzz::SquareAlphabet[b] : ' ';
    }
    return position;
}

Square AnySquare(FuzzedDataProvider& input)
{
    return SquareFromOrd(input.ConsumeIntegralInRange<int>(0, 64));
}

// The first legal move at or after a pair chosen by the input, so that
// games go on long enough to reach promotions, castling and repetitions.
bool FindLegalMove(FuzzedDataProvider& input, Square& from, Square& to)
{
    const int start = input.ConsumeIntegralInRange<int>(0, 4095);
    if (!board->HasLegalMove())
        return false;
    for (int k = 0; k < 4096; ++k) {
        const int pair = (start + k) % 4096;
        from = SquareFromOrd(pair / 64 + 1);
        to = SquareFromOrd(pair % 64 + 1);
        if (board->IsLegalMove(from, to))
            return true;
    }
    return false;
}

void CheckWellFormed()
{
    FUZZ_CHECK(fuzz::IsWellFormedPosition(board->Position()), "the position holds a character that is not a piece");
    FUZZ_CHECK(!IsPieceLetter(board->Board()[0]), "the off-board element holds a piece");
    const Square ep = board->EnPassant();
    FUZZ_CHECK(ep == Square::None || IsEnPassantRankSquare(ep), "en passant square off ranks 3 and 6");
}

void CheckMoveList(const HistoryModel& model)
{
    std::vector<std::string> lines;
    board->GetMoveList(lines);
    FUZZ_CHECK(lines == model.MoveList(), "the move list differs from the moves made");
}

// A move made: only the squares it touches changed, the mover's king is not
// left attacked, the side and the move number went on, rights only shrank.
void CheckMadeMove(const Snapshot& before, const Snapshot& after, Square from, Square to)
{
    const char piece = before.Placement[Ord(from) - 1];
    const bool whitePiece = piece >= 'B' && piece <= 'R';
    FUZZ_CHECK(whitePiece == before.WhiteToMove, "a piece of the side not to move was moved");
    FUZZ_CHECK(after.Placement[Ord(from) - 1] == ' ', "the from-square is not empty after the move");
    const char landed = after.Placement[Ord(to) - 1];
    const bool promotion = (piece == 'P' && RankOf(to) == 8) || (piece == 'p' && RankOf(to) == 1);
    FUZZ_CHECK(promotion ? (landed != piece && IsPieceLetter(landed)) : landed == piece,
               "the to-square does not hold the moved piece");
    int changed = 0;
    for (int i = 0; i < 64; ++i)
        changed += before.Placement[i] != after.Placement[i];
    FUZZ_CHECK(changed >= 2 && changed <= 4, "a move changed " + std::to_string(changed) + " squares");
    FUZZ_CHECK(after.WhiteToMove != before.WhiteToMove, "the side to move did not change");
    FUZZ_CHECK(after.CurrentMove == before.CurrentMove + (before.WhiteToMove ? 0 : 1), "wrong move number");
    FUZZ_CHECK((after.Castling.Bits() & ~before.Castling.Bits()) == 0, "a castling right came back");
    const bool moverAttacked = before.WhiteToMove ? board->WhiteKingAttacked(to, to) : board->BlackKingAttacked(to, to);
    FUZZ_CHECK(!moverAttacked, "the mover's king is left attacked");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::StartOffscreenApplication(argc, argv);
    board = new TChessBoard(nullptr, true);
    board->SetAnimateMoves(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    HistoryModel model;
    board->NewGame();
    model.Restart();
    board->SetPosition(PositionFrom(input));
    board->SetWhiteToMove(input.ConsumeBool());
    board->SetCastlingAllowed(CastleSet(input.ConsumeIntegral<std::uint8_t>()));
    board->SetEnPassant(AnySquare(input));
    static constexpr char Promotions[] = "qrbnQRBN";
    board->SetPromotionPiece(Promotions[input.ConsumeIntegralInRange<int>(0, 7)]);
    CheckWellFormed();

    for (int step = 0; step < 200 && input.remaining_bytes() > 0; ++step) {
        const int operation = input.ConsumeIntegralInRange<int>(0, 7);
        if (operation <= 4) {
            // A move: a legal one found from the input, or any two squares.
            Square from = Square::None, to = Square::None;
            if (operation <= 2) {
                if (!FindLegalMove(input, from, to))
                    continue;
            } else {
                from = AnySquare(input);
                to = AnySquare(input);
            }
            const Snapshot before = Snapshot::Of(*board);
            const bool legal = board->IsLegalMove(from, to);
            const bool repetition = board->ThreefoldRepetition();
            const long long index = GameHistory::SlotIndex(before.CurrentMove, before.WhiteToMove);
            const bool made = board->MakeMove(from, to);
            const Snapshot after = Snapshot::Of(*board);
            FUZZ_CHECK(made == legal,
                       made ? "MakeMove made a move IsLegalMove refused" : "MakeMove refused a legal move");
            FUZZ_CHECK(!(made && repetition), "a move was made after a threefold repetition");
            if (made) {
                CheckMadeMove(before, after, from, to);
                model.MoveMade(index, before, from, to, after);
            } else {
                FUZZ_CHECK(after == before, "a refused move changed the game state");
            }
        } else if (operation <= 6) {
            // Back or forward in the recorded game, or somewhere outside it.
            const int moveNumber =
                input.ConsumeBool() ? input.ConsumeIntegralInRange<int>(-1, 40) : input.ConsumeIntegral<int>();
            const bool white = input.ConsumeBool();
            const Snapshot before = Snapshot::Of(*board);
            const std::optional<Snapshot> recorded = model.Recorded(GameHistory::SlotIndex(moveNumber, white));
            const bool done = board->GotoMove(moveNumber, white);
            FUZZ_CHECK(done == recorded.has_value(),
                       done ? "GotoMove went to a slot outside the recorded game" : "GotoMove refused a recorded slot");
            const Snapshot after = Snapshot::Of(*board);
            if (done) {
                FUZZ_CHECK(after == *recorded, "GotoMove did not restore the recorded position");
            } else {
                FUZZ_CHECK(after == before, "a refused GotoMove changed the game state");
            }
        } else {
            // A new placement mid-game: the history stays as it is.
            board->SetPosition(PositionFrom(input));
        }
        CheckWellFormed();
        CheckMoveList(model);
    }
    return 0;
}
