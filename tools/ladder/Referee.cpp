// The ladder's arbiter: see Referee.h.
#include "Referee.h"

#include "core/MoveExecution.h"
#include "core/Rules.h"

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

TReferee::TReferee()
{
    seen_[Key()] = 1;
}

std::string TReferee::Key() const
{
    // Same placement, side to move, castling rights and en passant chance.
    return PositionString(state_.Board) + (state_.WhiteToMove ? 'w' : 'b') +
           std::to_string(state_.CastlingAllowed.Bits()) + LowerSquareName(CapturableEnPassant(state_));
}

bool TReferee::Play(const std::string& uciMove)
{
    if (end_ != TGameEnd::None || (uciMove.size() != 4 && uciMove.size() != 5))
        return false;
    const Square from = SquareFromName(uciMove[0], uciMove[1]);
    const Square to = SquareFromName(uciMove[2], uciMove[3]);
    if (from == Square::None || to == Square::None || !IsMoveAllowed(state_, from, to))
        return false;
    const char piece = state_.At(from);
    const bool pawn = piece == 'P' || piece == 'p';
    const bool promotes = pawn && (RankOf(to) == 8 || RankOf(to) == 1);
    char promotion = 'Q';
    if (promotes) {
        // UCI names the piece; a promotion without one is not a move.
        if (uciMove.size() != 5)
            return false;
        const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(uciMove[4])));
        if (letter != 'q' && letter != 'r' && letter != 'b' && letter != 'n')
            return false;
        promotion = letter;
    } else if (uciMove.size() == 5) {
        return false;
    }
    const MoveOutcome outcome = ApplyMove(state_, from, to, promotion);
    quietPlies_ = (pawn || outcome.captured != EmptySquare) ? 0 : quietPlies_ + 1;
    ++plies_;
    moveText_ += (moveText_.empty() ? "" : " ") + uciMove.substr(0, 4) + (promotes ? std::string(1, promotion) : "");
    ++seen_[Key()];
    Judge();
    return true;
}

void TReferee::Judge()
{
    if (!HasMobility(state_)) {
        const bool inCheck = state_.WhiteToMove ? WhiteKingAttacked(state_, Square::None, Square::None)
                                                : BlackKingAttacked(state_, Square::None, Square::None);
        end_ = inCheck ? TGameEnd::Checkmate : TGameEnd::Stalemate;
    } else if (seen_[Key()] >= 3) {
        end_ = TGameEnd::Threefold;
    } else if (quietPlies_ >= 100) {
        end_ = TGameEnd::FiftyMoves;
    } else if (MatingMaterial(state_.Board, true) < 5 && MatingMaterial(state_.Board, false) < 5) {
        // The board's own rule for a game that nobody can win.
        end_ = TGameEnd::NoMatingMaterial;
    }
}
