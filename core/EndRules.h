// How a game ends beyond mate and stalemate: the claims a player may make
// (fifty moves, threefold repetition), the ends that come on their own
// (seventy-five moves, fivefold repetition), a flag fall judged by whether
// the opponent could still mate (FIDE Laws, Article 6.9), resignation and
// agreement, and how each is written in a game file. Also the rule by
// which the computer answers a draw offer. Plain C++, no Qt.
#pragma once

#include "core/Game.h"
#include "core/GameState.h"

#include <optional>
#include <string>
#include <string_view>

enum class GameResult : std::uint8_t { Ongoing, WhiteWins, BlackWins, Draw };

enum class EndReason : std::uint8_t {
    None,
    Checkmate,
    Stalemate,
    InsufficientMaterial,
    ThreefoldRepetition,
    FivefoldRepetition,
    FiftyMoves,
    SeventyFiveMoves,
    TimeForfeit,       // the flag fell and the opponent could mate
    TimeoutNoMaterial, // the flag fell, but the opponent could not mate: a draw
    Resignation,
    Agreement,
};

struct GameOutcome {
    GameResult Result = GameResult::Ongoing;
    EndReason Reason = EndReason::None;
    bool IsOver() const { return Result != GameResult::Ongoing; }
    bool operator==(const GameOutcome&) const = default;
};

// "1-0", "0-1", "1/2-1/2", "*".
std::string ResultToken(GameResult result);
std::optional<GameResult> ResultFromToken(std::string_view token);
// PGN's Termination tag: "time forfeit" for a flag fall, "normal" for every
// other end; empty while the game goes on.
std::string TerminationTag(EndReason reason);
// The program's own tag KestravinEnd says which end it was ("resignation",
// "agreement", "fifty-moves", ...), since Termination does not.
std::string EndReasonKey(EndReason reason);
std::optional<EndReason> EndReasonFromKey(std::string_view key);
// The outcome a game file records: its result with KestravinEnd, else
// Termination ("time forfeit") and the result.
GameOutcome RecordedOutcome(const Game& game);
// Writes the result, Termination and KestravinEnd (removed while ongoing).
void RecordOutcome(Game& game, const GameOutcome& outcome);

// A position as the repetition rules compare positions: placement, side to
// move, castling rights and whether an en passant capture is possible.
struct RepetitionKey {
    BoardArray Board{};
    bool WhiteToMove = true;
    std::uint8_t Castling = 0;
    Square EnPassant = Square::None;
    bool operator==(const RepetitionKey&) const = default;
};
RepetitionKey RepetitionKeyOf(const GameState& state);

// What the end rules need to know of a recorded game's last position.
struct GameFacts {
    int HalfMoveClock = 0; // half-moves since the last capture or pawn move
    int Repetitions = 1;   // times the last position has stood, itself included
    bool NoLegalMove = false;
};
GameFacts FactsOf(const Game& game);

// The claims: exactly from the 100th half-move without a capture or pawn
// move, and from the third time the position stands.
inline bool FiftyMoveClaimValid(const GameFacts& facts)
{
    return facts.HalfMoveClock >= 100;
}
inline bool ThreefoldClaimValid(const GameFacts& facts)
{
    return facts.Repetitions >= 3;
}
// The ends that need no claim (Article 9.6): the fifth time a position
// stands, and 150 half-moves without a capture or pawn move. A mate or a
// stalemate on that move takes precedence (the board announces those).
std::optional<GameOutcome> AutomaticEnd(const GameFacts& facts);

// Whether `white` could still mate by any series of legal moves, however
// the other side played: impossible with a lone king; with one knight
// unless the other side has a piece (not only queens) to hem its own king
// in; with bishops only if they stand all on one colour and the board has
// no pawn or knight.
bool CanEverMate(const BoardArray& board, bool white);
// The flag of `white` fell: a loss, unless the opponent could not mate.
GameOutcome FlagFallOutcome(const BoardArray& board, bool flaggedWhite);
GameOutcome ResignationOutcome(bool resigningWhite);

// The computer accepts a draw offer when its own evaluation of the
// position (centipawns, positive when it stands better) is not better than
// this margin, and declines while it is better than that.
inline constexpr int DrawAcceptMargin = 30;
inline bool ComputerAcceptsDraw(int computerScore)
{
    return computerScore <= DrawAcceptMargin;
}
