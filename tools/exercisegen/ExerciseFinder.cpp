// The choice of exercises (see ExerciseFinder.h).
#include "ExerciseFinder.h"

#include "ExerciseThemes.h"

#include "core/Fen.h"
#include "core/MoveList.h"
#include "core/Rules.h"
#include "core/UciMove.h"

#include <algorithm>
#include <cstdlib>

namespace {

bool Wins(const TPvLine& line, int winCp)
{
    return line.MateIn > 0 || (line.MateIn == 0 && line.ScoreCp >= winCp);
}

bool ClearlyBestWith(const TAnalysis& analysis, int winCp, int gapCp, int secondBelowCp, bool firstMove)
{
    if (analysis.Lines.empty() || analysis.Lines.front().Pv.empty())
        return false;
    const TPvLine& best = analysis.Lines.front();
    if (!Wins(best, winCp))
        return false;
    if (analysis.Lines.size() < 2)
        return !firstMove; // a forced move is no exercise, but may go on a solution
    const TPvLine& second = analysis.Lines[1];
    if (LineValue(best) - LineValue(second) < gapCp)
        return false;
    if (firstMove && best.MateIn == 0 && LineValue(second) >= secondBelowCp)
        return false;
    return true;
}

int MaterialBalance(const GameState& state, bool white)
{
    return MaterialCp(state.Board, white) - MaterialCp(state.Board, !white);
}

} // namespace

bool IsClearlyBest(const TAnalysis& analysis, const TFinderSettings& settings, bool firstMove)
{
    return ClearlyBestWith(analysis, settings.WinCp, settings.GapCp, settings.SecondBestBelowCp, firstMove);
}

bool PassesScreen(const TAnalysis& analysis, const TFinderSettings& settings)
{
    return ClearlyBestWith(analysis, settings.WinCp * 3 / 4, settings.GapCp * 2 / 3,
                           settings.SecondBestBelowCp + settings.WinCp / 2, true);
}

std::optional<TFoundExercise> FindExercise(const GameState& start, TAnalyst& analyst, const TFinderSettings& settings,
                                           const GameState* previous, int* deepSearches)
{
    if (!HasMobility(start))
        return std::nullopt;
    const TAnalysis screen = analyst.Analyse(WriteFen(start), 2, settings.ScreenDepth);
    if (!PassesScreen(screen, settings))
        return std::nullopt;

    const bool personWhite = start.WhiteToMove;
    int startBalance = MaterialBalance(start, personWhite);
    if (previous)
        startBalance = std::max(startBalance, MaterialBalance(*previous, personWhite));
    TFoundExercise found;
    GameState state = start;
    for (int turn = 0; turn < settings.MaxPersonMoves; ++turn) {
        if (deepSearches)
            ++*deepSearches;
        const TAnalysis analysis = analyst.Analyse(WriteFen(state), 2, settings.VerifyDepth);
        if (!IsClearlyBest(analysis, settings, turn == 0))
            return std::nullopt;
        const TPvLine& best = analysis.Lines.front();
        if (turn == 0)
            found.FoundAtDepth = analysis.FoundAtDepth;
        const std::optional<ChessMove> move = ReadUciMove(state, best.Pv.front());
        if (!move)
            return std::nullopt;
        state = PositionAfter(state, *move);
        found.Solution.push_back(best.Pv.front());
        if (IsCheckmate(state)) {
            found.Mate = true;
            break;
        }
        if (!HasMobility(state))
            return std::nullopt; // stalemate

        // The reply: the engine's own line, or a search of its own when the
        // line stops short.
        std::string replyText = best.Pv.size() >= 2 ? best.Pv[1] : std::string();
        std::optional<ChessMove> reply = ReadUciMove(state, replyText);
        if (!reply) {
            const TAnalysis answer = analyst.Analyse(WriteFen(state), 1, settings.VerifyDepth);
            if (answer.Lines.empty() || answer.Lines.front().Pv.empty())
                return std::nullopt;
            replyText = answer.Lines.front().Pv.front();
            reply = ReadUciMove(state, replyText);
            if (!reply)
                return std::nullopt;
        }
        const GameState afterReply = PositionAfter(state, *reply);
        const int gain = MaterialBalance(afterReply, personWhite) - startBalance;
        if (best.MateIn == 0 && gain >= settings.MaterialWonCp) {
            found.MaterialGainCp = gain;
            break;
        }
        if (turn + 1 == settings.MaxPersonMoves)
            return std::nullopt; // the win is not clear within the length allowed
        state = afterReply;
        found.Solution.push_back(replyText);
    }
    found.Themes = DetectThemes(start, found.Solution);
    found.Rating = EstimateRating(start, found);
    return found;
}

int EstimateRating(const GameState& start, const TFoundExercise& found)
{
    const int personMoves = static_cast<int>(found.Solution.size() + 1) / 2;
    const std::optional<ChessMove> first = ReadUciMove(start, found.Solution.front());
    if (!first)
        return 1500;
    const GameState after = PositionAfter(start, *first);
    const char taken = start.At(first->To);
    const char mover = start.At(first->From);
    const bool capture = IsPieceLetter(taken) || IsEnPassantCapture(start, first->From, first->To);
    const bool check = SideToMoveInCheck(after);

    int rating = 900;
    rating += 400 * (personMoves - 1);
    rating += 45 * std::clamp(found.FoundAtDepth - 2, 0, 16);
    if (!capture && !check)
        rating += 250; // a quiet first move is the hardest to see
    else if (!capture)
        rating += 60;
    // A sacrifice: the piece that moved can be taken, and is worth more than
    // what it took.
    const std::vector<ChessMove> replies = LegalMoves(after);
    const bool canBeTaken =
        std::any_of(replies.begin(), replies.end(), [&](const ChessMove& reply) { return reply.To == first->To; });
    if (canBeTaken && PieceValueCp(mover) > PieceValueCp(taken) + 100)
        rating += 200;
    // Much material left on an open board is easy to win back; a big win
    // shows itself.
    if (!found.Mate && found.MaterialGainCp >= 800)
        rating -= 100;
    if (std::find(found.Themes.begin(), found.Themes.end(), "hangingPiece") != found.Themes.end())
        rating -= 150;
    // Harder to see: a piece going back towards its own side, a long move,
    // and other captures to choose from.
    const int forward = (RankOf(first->To) - RankOf(first->From)) * (start.WhiteToMove ? 1 : -1);
    if (forward < 0 && UpperPiece(mover) != 'K')
        rating += 150;
    if (std::max(std::abs(FileOf(first->To) - FileOf(first->From)), std::abs(forward)) >= 4)
        rating += 75;
    const std::vector<ChessMove> moves = LegalMoves(start);
    const auto otherCaptures = std::count_if(moves.begin(), moves.end(), [&](const ChessMove& move) {
        return !(move == *first) && (IsPieceLetter(start.At(move.To)) || IsEnPassantCapture(start, move.From, move.To));
    });
    rating += 30 * static_cast<int>(std::min<std::ptrdiff_t>(otherCaptures, 6));
    return std::clamp(rating, 400, 2800);
}
