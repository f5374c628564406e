// The slot table of the game record, its move list and the repetition test.
#include "core/GameHistory.h"

#include "core/Chess960.h"
#include "core/Rules.h"

#include <string>

long long GameHistory::SlotIndex(int moveNumber, bool whiteToMove)
{
    return 2LL * (static_cast<long long>(moveNumber) - 1) + (whiteToMove ? 0 : 1);
}

MoveInfo& GameHistory::SlotForWriting(long long index)
{
    if (index >= static_cast<long long>(slots_.size()))
        slots_.resize(static_cast<std::size_t>(index) + 1);
    return slots_[static_cast<std::size_t>(index)];
}

void GameHistory::RecordMove(int moveNumber, bool whiteToMove, const MoveInfo& slot)
{
    const long long index = SlotIndex(moveNumber, whiteToMove);
    if (index < 0)
        return;
    SlotForWriting(index) = slot;
    ++revision_;
    if (firstIndex_ < 0 || index < firstIndex_)
        firstIndex_ = index;
}

void GameHistory::RecordPosition(int moveNumber, bool whiteToMove, const std::string& placement, CastleSet castling,
                                 Square enPassant, Square capturableEnPassant)
{
    const long long index = SlotIndex(moveNumber, whiteToMove);
    if (index < 0)
        return;
    // The move squares are written when the half-move is played; until then
    // the slot holds none, not those of an abandoned line.
    SlotForWriting(index) = MoveInfo{placement, castling, Square::None, Square::None, enPassant, capturableEnPassant};
}

void GameHistory::RecordMoveFrom(const GameState& before, Square from, Square to)
{
    RecordMove(before.CurrentMove, before.WhiteToMove,
               MoveInfo{PositionString(before.Board), before.CastlingAllowed, from, to, before.EnPassant,
                        CapturableEnPassant(before)});
}

void GameHistory::RecordReached(const GameState& after)
{
    RecordPosition(after.CurrentMove, after.WhiteToMove, PositionString(after.Board), after.CastlingAllowed,
                   after.EnPassant, CapturableEnPassant(after));
    SetEndMarker(after.CurrentMove, after.WhiteToMove);
}

void GameHistory::RecordPromotion(int moveNumber, bool whiteToMove, char piece)
{
    const long long index = SlotIndex(moveNumber, whiteToMove);
    if (index < 0 || index >= static_cast<long long>(slots_.size()))
        return;
    slots_[static_cast<std::size_t>(index)].Promotion = piece;
}

void GameHistory::SetEndMarker(int moveNumber, bool whiteToMove)
{
    lastMoveNumber_ = moveNumber;
    lastWhiteToMove_ = whiteToMove;
}

void GameHistory::Restart()
{
    SetEndMarker(1, true);
    firstIndex_ = -1;
    ++revision_;
}

const MoveInfo* GameHistory::Slot(int moveNumber, bool whiteToMove) const
{
    if (moveNumber < 1)
        return nullptr;
    const long long index = SlotIndex(moveNumber, whiteToMove);
    if (index >= static_cast<long long>(slots_.size()))
        return nullptr;
    return &slots_[static_cast<std::size_t>(index)];
}

bool GameHistory::HoldsRecordedPosition(int moveNumber, bool whiteToMove) const
{
    if (moveNumber < 1 || moveNumber > lastMoveNumber_)
        return false;
    if (moveNumber == lastMoveNumber_ && lastWhiteToMove_ && !whiteToMove)
        return false;
    if (firstIndex_ < 0 || SlotIndex(moveNumber, whiteToMove) < firstIndex_)
        return false;
    const MoveInfo* slot = Slot(moveNumber, whiteToMove);
    return slot != nullptr && slot->Placement.size() == 64;
}

void GameHistory::GetMoveList(std::vector<std::string>& list) const
{
    if (firstIndex_ < 0)
        return;
    const long long end = SlotIndex(lastMoveNumber_, lastWhiteToMove_);
    const long long available = static_cast<long long>(slots_.size());
    for (long long index = firstIndex_; index < end && index < available; ++index) {
        const MoveInfo& slot = slots_[static_cast<std::size_t>(index)];
        const bool white = index % 2 == 0;
        const long long moveNumber = index / 2 + 1;
        // A slot skipped by play (the side to move was written in between)
        // holds no move of this game: it shows as "...".
        const bool played = slot.OldSq != Square::None && slot.NewSq != Square::None;
        const std::string move = played ? MoveText(slot, white) : "...";
        if (white) {
            list.push_back(std::to_string(moveNumber) + ". " + move);
        } else {
            if (index == firstIndex_)
                list.push_back(std::to_string(moveNumber) + ". ...");
            list.push_back(std::string(14, ' ') + move);
        }
    }
}

std::string GameHistory::MoveText(const MoveInfo& slot, bool white) const
{
    // A Chess960 castling is the king's move onto its own rook; "B1-A1"
    // would read as a king going to a1, so it is written as castling.
    if (chess960_)
        if (const auto right = Chess960CastlingRight(SlotState(slot, white), slot.OldSq, slot.NewSq))
            return IsKingSideRight(*right) ? "O-O" : "O-O-O";
    return SquareName(slot.OldSq) + "-" + SquareName(slot.NewSq);
}

void GameHistory::SetCastlingRules(const GameState& rules)
{
    chess960_ = rules.Chess960;
    castlingRookFile_ = rules.CastlingRookFile;
}

GameState GameHistory::SlotState(const MoveInfo& slot, bool whiteToMove) const
{
    GameState state = GameState::FromPlacement(slot.Placement, whiteToMove, slot.Castling, slot.EnPassantSq);
    state.Chess960 = chess960_;
    state.CastlingRookFile = castlingRookFile_;
    return state;
}

bool GameHistory::RestoreSlot(GameState& state, int moveNumber, bool whiteToMove) const
{
    if (!HoldsRecordedPosition(moveNumber, whiteToMove))
        return false;
    state = SlotState(*Slot(moveNumber, whiteToMove), whiteToMove);
    state.CurrentMove = moveNumber;
    return true;
}

bool GameHistory::ThreefoldRepetition(int moveNumber, bool whiteToMove) const
{
    const MoveInfo* current = Slot(moveNumber, whiteToMove);
    if (current == nullptr || current->Placement.empty() || firstIndex_ < 0)
        return false;
    const long long currentIndex = SlotIndex(moveNumber, whiteToMove);
    const GameState position = SlotPosition(*current, whiteToMove);
    int earlier = 0;
    // Only slots of the same side to move can hold the same position.
    for (long long index = currentIndex - 2; index >= firstIndex_; index -= 2) {
        const MoveInfo& slot = slots_[static_cast<std::size_t>(index)];
        if (slot.Placement == current->Placement && SlotPosition(slot, whiteToMove) == position) {
            if (++earlier >= 2)
                return true;
        }
    }
    return false;
}
