#include "core/EndRules.h"

#include "core/MoveList.h"
#include "core/Rules.h"

#include <array>
#include <utility>
#include <vector>

namespace {

constexpr std::array<std::pair<EndReason, std::string_view>, 11> ReasonKeys = {{
    {EndReason::Checkmate, "checkmate"},
    {EndReason::Stalemate, "stalemate"},
    {EndReason::InsufficientMaterial, "insufficient-material"},
    {EndReason::ThreefoldRepetition, "threefold-repetition"},
    {EndReason::FivefoldRepetition, "fivefold-repetition"},
    {EndReason::FiftyMoves, "fifty-moves"},
    {EndReason::SeventyFiveMoves, "seventy-five-moves"},
    {EndReason::TimeForfeit, "time-forfeit"},
    {EndReason::TimeoutNoMaterial, "timeout-no-mating-material"},
    {EndReason::Resignation, "resignation"},
    {EndReason::Agreement, "agreement"},
}};

constexpr std::string_view EndTag = "KestravinEnd";

// Square colour of a board square: 0 for a light one (a8 is light).
int SquareShade(int ord)
{
    const int index = ord - 1;
    return (index % 8 + index / 8) % 2;
}

} // namespace

std::string ResultToken(GameResult result)
{
    switch (result) {
    case GameResult::WhiteWins: return "1-0";
    case GameResult::BlackWins: return "0-1";
    case GameResult::Draw: return "1/2-1/2";
    case GameResult::Ongoing: break;
    }
    return "*";
}

std::optional<GameResult> ResultFromToken(std::string_view token)
{
    for (const GameResult r : {GameResult::Ongoing, GameResult::WhiteWins, GameResult::BlackWins, GameResult::Draw})
        if (ResultToken(r) == token)
            return r;
    return std::nullopt;
}

std::string TerminationTag(EndReason reason)
{
    switch (reason) {
    case EndReason::None: return {};
    case EndReason::TimeForfeit:
    case EndReason::TimeoutNoMaterial: return "time forfeit";
    default: return "normal";
    }
}

std::string EndReasonKey(EndReason reason)
{
    for (const auto& [r, key] : ReasonKeys)
        if (r == reason)
            return std::string(key);
    return {};
}

std::optional<EndReason> EndReasonFromKey(std::string_view key)
{
    for (const auto& [r, name] : ReasonKeys)
        if (name == key)
            return r;
    return std::nullopt;
}

GameOutcome RecordedOutcome(const Game& game)
{
    const auto result = ResultFromToken(game.Result());
    if (!result || *result == GameResult::Ongoing)
        return {};
    if (const auto key = game.Tag(EndTag))
        if (const auto reason = EndReasonFromKey(*key))
            return {*result, *reason};
    if (game.Tag("Termination") == "time forfeit")
        return {*result, *result == GameResult::Draw ? EndReason::TimeoutNoMaterial : EndReason::TimeForfeit};
    return {*result, EndReason::None};
}

void RecordOutcome(Game& game, const GameOutcome& outcome)
{
    game.SetResult(ResultToken(outcome.Result));
    if (!outcome.IsOver() || outcome.Reason == EndReason::None) {
        game.RemoveTag("Termination");
        game.RemoveTag(EndTag);
        return;
    }
    game.SetTag("Termination", TerminationTag(outcome.Reason));
    game.SetTag(EndTag, EndReasonKey(outcome.Reason));
}

RepetitionKey RepetitionKeyOf(const GameState& state)
{
    return RepetitionKey{state.Board, state.WhiteToMove, state.CastlingAllowed.Bits(), CapturableEnPassant(state)};
}

GameFacts FactsOf(const Game& game)
{
    GameFacts facts;
    GameState state = game.StartState();
    facts.HalfMoveClock = game.StartHalfMoveClock();
    // Only the positions since the last capture or pawn move can repeat.
    std::vector<RepetitionKey> sinceIrreversible{RepetitionKeyOf(state)};
    for (const GameMove& move : game.Moves()) {
        const char piece = state.At(move.Move.From);
        const bool irreversible = piece == 'P' || piece == 'p' || state.At(move.Move.To) != EmptySquare;
        state = PositionAfter(state, move.Move);
        facts.HalfMoveClock = irreversible ? 0 : facts.HalfMoveClock + 1;
        if (irreversible)
            sinceIrreversible.clear();
        sinceIrreversible.push_back(RepetitionKeyOf(state));
    }
    facts.Repetitions = 0;
    for (const RepetitionKey& key : sinceIrreversible)
        if (key == sinceIrreversible.back())
            ++facts.Repetitions;
    facts.NoLegalMove = !HasMobility(state);
    return facts;
}

std::optional<GameOutcome> AutomaticEnd(const GameFacts& facts)
{
    if (facts.NoLegalMove)
        return std::nullopt;
    if (facts.Repetitions >= 5)
        return GameOutcome{GameResult::Draw, EndReason::FivefoldRepetition};
    if (facts.HalfMoveClock >= 150)
        return GameOutcome{GameResult::Draw, EndReason::SeventyFiveMoves};
    return std::nullopt;
}

bool CanEverMate(const BoardArray& board, bool white)
{
    int knights = 0;
    int bishopShades[2] = {0, 0};    // own bishops on light and dark squares
    int allBishopShades[2] = {0, 0}; // everyone's
    bool opponentBlocker = false;    // an opponent piece other than king and queens
    bool pawnOrKnightOnBoard = false;
    for (int ord = 1; ord <= 64; ++ord) {
        const char piece = board[ord];
        if (!IsPieceLetter(piece))
            continue;
        const bool own = (piece >= 'A' && piece <= 'Z') == white;
        const char kind = static_cast<char>(piece | 0x20);
        if (kind == 'p' || kind == 'n')
            pawnOrKnightOnBoard = true;
        if (kind == 'b')
            ++allBishopShades[SquareShade(ord)];
        if (!own) {
            opponentBlocker = opponentBlocker || (kind != 'k' && kind != 'q');
            continue;
        }
        switch (kind) {
        case 'p':
        case 'r':
        case 'q': return true;
        case 'n': ++knights; break;
        case 'b': ++bishopShades[SquareShade(ord)]; break;
        default: break;
        }
    }
    const int bishops = bishopShades[0] + bishopShades[1];
    if (knights + bishops == 0)
        return false;
    if (knights >= 2 || (knights >= 1 && bishops >= 1))
        return true;
    if (knights == 1)
        return opponentBlocker;
    // Bishops only: a mate needs a square of the other colour blocked, by a
    // pawn, a knight or a bishop there.
    return allBishopShades[0] > 0 && allBishopShades[1] > 0 ? true : pawnOrKnightOnBoard;
}

GameOutcome FlagFallOutcome(const BoardArray& board, bool flaggedWhite)
{
    if (!CanEverMate(board, !flaggedWhite))
        return {GameResult::Draw, EndReason::TimeoutNoMaterial};
    return {flaggedWhite ? GameResult::BlackWins : GameResult::WhiteWins, EndReason::TimeForfeit};
}

GameOutcome ResignationOutcome(bool resigningWhite)
{
    return {resigningWhite ? GameResult::BlackWins : GameResult::WhiteWins, EndReason::Resignation};
}
