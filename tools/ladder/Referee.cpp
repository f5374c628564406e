// The ladder's arbiter: see Referee.h.
#include "Referee.h"

#include "core/MoveExecution.h"
#include "core/MoveList.h"
#include "core/Rules.h"
#include "core/UciMove.h"

#include <algorithm>
#include <cctype>

const char* GameEndName(TGameEnd end)
{
    switch (end) {
    case TGameEnd::None: return "not over";
    case TGameEnd::Checkmate: return "checkmate";
    case TGameEnd::Stalemate: return "stalemate";
    case TGameEnd::Threefold: return "threefold repetition";
    case TGameEnd::FiftyMoves: return "fifty-move rule";
    case TGameEnd::NoMatingMaterial: return "no mating material";
    }
    return "?";
}

bool TReferee::Play(const std::string& uciMove)
{
    if (end_ != TGameEnd::None || (uciMove.size() != 4 && uciMove.size() != 5))
        return false;
    ChessMove move{SquareFromName(uciMove[0], uciMove[1]), SquareFromName(uciMove[2], uciMove[3]), EmptySquare};
    if (uciMove.size() == 5)
        move.Promotion = UpperPiece(uciMove[4]);
    // UCI names the piece of a promotion, and only of a promotion.
    if (move.From == Square::None || move.To == Square::None || !IsLegalMove(state_, move))
        return false;
    const char piece = state_.At(move.From);
    const char promotion = move.Promotion == EmptySquare ? 'Q' : move.Promotion;
    const MoveOutcome outcome = ApplyMove(state_, move.From, move.To, promotion);
    const bool pawn = piece == 'P' || piece == 'p';
    quietPlies_ = (pawn || outcome.captured != EmptySquare) ? 0 : quietPlies_ + 1;
    ++plies_;
    if (!moveText_.empty())
        moveText_ += ' ';
    moveText_ += UciMoveText(move);
    positions_.push_back(state_);
    Judge();
    return true;
}

void TReferee::Judge()
{
    if (!HasMobility(state_)) {
        end_ = SideToMoveInCheck(state_) ? TGameEnd::Checkmate : TGameEnd::Stalemate;
    } else if (std::count(positions_.begin(), positions_.end(), state_) >= 3) {
        end_ = TGameEnd::Threefold;
    } else if (quietPlies_ >= 100) {
        end_ = TGameEnd::FiftyMoves;
    } else if (MatingMaterial(state_.Board, true) < 5 && MatingMaterial(state_.Board, false) < 5) {
        // The board's own rule for a game that nobody can win.
        end_ = TGameEnd::NoMatingMaterial;
    }
}
