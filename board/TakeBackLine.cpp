// Taking half-moves back and keeping them for a replay. See TakeBackLine.h.
#include "board/TakeBackLine.h"

#include <utility>

namespace {

std::pair<int, bool> SlotOfIndex(long long index)
{
    return {static_cast<int>(index / 2 + 1), index % 2 == 0};
}

long long CurrentSlotIndex(const GameState& game)
{
    return GameHistory::SlotIndex(game.CurrentMove, game.WhiteToMove);
}

} // namespace

bool TakeBackLine::Valid(const GameState& game, const GameHistory& history) const
{
    if (moves_.empty())
        return false;
    // Any move made since (also one replayed and taken back by other
    // means), a new game, another position shown from the list or a loaded
    // placement ends the line that could be replayed.
    const long long end = GameHistory::SlotIndex(history.LastMoveNumber(), history.LastWhiteToMove());
    return CurrentSlotIndex(game) == anchor_ && end == anchor_ && history.Revision() == revision_ &&
        PositionString(game.Board) == placement_;
}

void TakeBackLine::Anchor(const GameState& game, const GameHistory& history)
{
    anchor_ = CurrentSlotIndex(game);
    revision_ = history.Revision();
    placement_ = PositionString(game.Board);
}

int TakeBackLine::TakeBackCount(const GameState& game, const GameHistory& history)
{
    if (!history.HoldsRecordedPosition(game.CurrentMove, game.WhiteToMove))
        return 0;
    int count = 0;
    for (long long index = CurrentSlotIndex(game) - 1; index >= 0; --index) {
        const auto [moveNumber, whiteToMove] = SlotOfIndex(index);
        if (!history.HoldsRecordedPosition(moveNumber, whiteToMove))
            break;
        // A slot skipped by a change of the side to move holds no move.
        const MoveInfo* slot = history.Slot(moveNumber, whiteToMove);
        if (slot->OldSq == Square::None || slot->NewSq == Square::None)
            break;
        ++count;
    }
    return count;
}

int TakeBackLine::RedoCount(const GameState& game, const GameHistory& history) const
{
    return Valid(game, history) ? static_cast<int>(moves_.size()) : 0;
}

void TakeBackLine::TakeBack(GameState& game, GameHistory& history, int halfMoves)
{
    const long long current = CurrentSlotIndex(game);
    const long long target = current - halfMoves;
    std::vector<Move> line;
    for (long long index = target; index < current; ++index) {
        const auto [moveNumber, whiteToMove] = SlotOfIndex(index);
        const MoveInfo& slot = *history.Slot(moveNumber, whiteToMove);
        line.push_back({slot.OldSq, slot.NewSq, slot.Promotion});
    }
    // Taking back again in steps keeps the moves taken back before.
    if (Valid(game, history))
        line.insert(line.end(), moves_.begin(), moves_.end());
    moves_ = std::move(line);

    const auto [moveNumber, whiteToMove] = SlotOfIndex(target);
    history.RestoreSlot(game, moveNumber, whiteToMove);
    history.SetEndMarker(moveNumber, whiteToMove);
    Anchor(game, history);
}

std::vector<TakeBackLine::Move> TakeBackLine::Release()
{
    std::vector<Move> moves = std::move(moves_);
    moves_.clear();
    return moves;
}

void TakeBackLine::Keep(std::vector<Move> moves, const GameState& game, const GameHistory& history)
{
    moves_ = std::move(moves);
    Anchor(game, history);
}
