// A ladder game: see LadderGame.h.
#include "LadderGame.h"

#include "Referee.h"

#include "core/Fen.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

std::string GoCommand(const TPlayerSpec& spec, const TGameSettings& settings, const std::array<double, 2>& clocks)
{
    std::string go;
    if (spec.Depth > 0)
        go = "depth " + std::to_string(spec.Depth);
    if (settings.Clock.Enabled) {
        const auto ms = [](double value) { return std::to_string(std::max<long long>(0, std::llround(value))); };
        // Appended piece by piece: an operator+ that inserts at the front
        // sets off GCC 12's false -Wrestrict warning in Release builds.
        for (const std::string& part :
             {std::string("wtime"), ms(clocks[0]), std::string("btime"), ms(clocks[1]), std::string("winc"),
              ms(settings.Clock.IncrementMs), std::string("binc"), ms(settings.Clock.IncrementMs)}) {
            if (!go.empty())
                go += ' ';
            go += part;
        }
    } else if (spec.Depth <= 0) {
        go = "movetime " + std::to_string(settings.MoveTimeMs);
    }
    return go;
}

} // namespace

TGameResult PlayGame(const TPlayerSpec& white, const TPlayerSpec& black, const std::vector<std::string>& opening,
                     const TGameSettings& settings)
{
    TGameResult result;
    TUciPlayer whitePlayer(white), blackPlayer(black);
    for (TUciPlayer* player : {&whitePlayer, &blackPlayer}) {
        if (!player->Start(settings.StartTimeoutMs)) {
            result.Error = player->Error();
            return result;
        }
    }
    TReferee referee;
    if (!settings.StartFen.empty()) {
        FenPosition start;
        std::string error;
        if (!ReadFen(settings.StartFen, start, error, settings.Chess960)) {
            result.Error = "start position refused: " + error;
            return result;
        }
        referee = TReferee(start.State);
        whitePlayer.SetStartFen(settings.StartFen);
        blackPlayer.SetStartFen(settings.StartFen);
    }
    for (const std::string& move : opening)
        referee.Play(move);

    std::array<double, 2> clocks{settings.Clock.BaseMs, settings.Clock.BaseMs};
    result.LeastClockMs[0] = result.LeastClockMs[1] = settings.Clock.BaseMs;
    const auto lose = [&](bool whiteLost, const std::string& reason) {
        result.Outcome = whiteLost ? TGameOutcome::BlackWins : TGameOutcome::WhiteWins;
        result.Reason = reason;
        result.Forfeit = true;
    };
    while (referee.End() == TGameEnd::None && referee.Plies() < settings.MaxPlies) {
        const bool whiteMoves = referee.WhiteToMove();
        TUciPlayer& player = whiteMoves ? whitePlayer : blackPlayer;
        const int side = whiteMoves ? 0 : 1;
        int timeout = settings.MoveTimeoutMs;
        if (settings.Clock.Enabled)
            timeout = static_cast<int>(std::max(0.0, clocks[side])) + 1000;
        else if (player.Spec().Depth <= 0)
            timeout = std::max(timeout, settings.MoveTimeMs * 10);
        const std::string go = GoCommand(player.Spec(), settings, clocks);
        const std::string move = player.BestMove(referee.MoveText(), go, timeout);
        const std::string& name = player.Spec().Name;
        if (move.empty()) {
            result.TimeLoss = player.Error().rfind("no move within", 0) == 0;
            lose(whiteMoves,
                 (result.TimeLoss ? "time forfeit by " : "engine failure of ") + name + " (" + player.Error() + ")");
            break;
        }
        if (settings.Clock.Enabled) {
            clocks[side] -= player.ElapsedMs();
            result.LeastClockMs[side] = std::min(result.LeastClockMs[side], clocks[side]);
            if (clocks[side] < 0) {
                result.TimeLoss = true;
                lose(whiteMoves,
                     "time forfeit by " + name + " (" + std::to_string(std::llround(-clocks[side])) + " ms over)");
                break;
            }
            clocks[side] += settings.Clock.IncrementMs;
        }
        if (!referee.Play(move)) {
            lose(whiteMoves, "illegal move " + move + " by " + name);
            break;
        }
    }
    result.Plies = referee.Plies();
    result.Moves = referee.MoveText();
    result.Final = referee.State();
    if (!result.Forfeit) {
        const TGameEnd end = referee.End();
        result.Reason = end == TGameEnd::None ? "move cap" : GameEndName(end);
        if (end == TGameEnd::Checkmate)
            result.Outcome = referee.WhiteToMove() ? TGameOutcome::BlackWins : TGameOutcome::WhiteWins;
        else
            result.Outcome = TGameOutcome::Draw;
    }
    return result;
}
