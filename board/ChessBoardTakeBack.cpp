// Taking half-moves back and playing them again. Taking back returns to a
// position of the recorded game and moves the end marker there, so the move
// list and the repetition test see the game as it now stands; the slots keep
// their contents, and the moves taken back are kept aside until another
// move enters the game. Replaying goes through MakeMove, so every event of
// the move fires as it did the first time.
#include "board/ChessBoard.h"

#include <cctype>
#include <utility>

namespace {

std::pair<int, bool> SlotOfIndex(long long index)
{
    return {static_cast<int>(index / 2 + 1), index % 2 == 0};
}

} // namespace

long long TChessBoard::CurrentSlotIndex() const
{
    return GameHistory::SlotIndex(game_.CurrentMove, game_.WhiteToMove);
}

bool TChessBoard::RedoLineValid() const
{
    if (redoLine_.empty())
        return false;
    // Any move made since (also one replayed and taken back by other
    // means), a new game, another position shown from the list or a loaded
    // placement ends the line that could be replayed.
    const long long end = GameHistory::SlotIndex(history_.LastMoveNumber(), history_.LastWhiteToMove());
    return CurrentSlotIndex() == redoAnchor_ && end == redoAnchor_ && history_.Revision() == redoRevision_ &&
        Position() == redoPlacement_;
}

int TChessBoard::TakeBackCount() const
{
    if (!history_.HoldsRecordedPosition(game_.CurrentMove, game_.WhiteToMove))
        return 0;
    int count = 0;
    for (long long index = CurrentSlotIndex() - 1; index >= 0; --index) {
        const auto [moveNumber, whiteToMove] = SlotOfIndex(index);
        if (!history_.HoldsRecordedPosition(moveNumber, whiteToMove))
            break;
        // A slot skipped by a change of the side to move holds no move.
        const MoveInfo* slot = history_.Slot(moveNumber, whiteToMove);
        if (slot->OldSq == Square::None || slot->NewSq == Square::None)
            break;
        ++count;
    }
    return count;
}

int TChessBoard::RedoCount() const
{
    return RedoLineValid() ? static_cast<int>(redoLine_.size()) : 0;
}

bool TChessBoard::TakeBack(int halfMoves)
{
    if (halfMoves < 1 || halfMoves > TakeBackCount())
        return false;
    StopThinking();
    // Waiting for the thread serves pending events; the game may have moved.
    if (halfMoves > TakeBackCount())
        return false;

    const long long current = CurrentSlotIndex();
    const long long target = current - halfMoves;
    std::vector<TakenBackMove> line;
    for (long long index = target; index < current; ++index) {
        const auto [moveNumber, whiteToMove] = SlotOfIndex(index);
        const MoveInfo& slot = *history_.Slot(moveNumber, whiteToMove);
        line.push_back({slot.OldSq, slot.NewSq, slot.Promotion});
    }
    // Taking back again in steps keeps the moves taken back before.
    if (RedoLineValid())
        line.insert(line.end(), redoLine_.begin(), redoLine_.end());
    redoLine_ = std::move(line);

    const auto [moveNumber, whiteToMove] = SlotOfIndex(target);
    const MoveInfo slot = *history_.Slot(moveNumber, whiteToMove);
    const std::string oldPosition = Position();
    game_.CurrentMove = moveNumber;
    game_.WhiteToMove = whiteToMove;
    for (int n = 1; n <= 64; ++n)
        game_.Board[n] = slot.Placement[static_cast<std::size_t>(n - 1)];
    game_.EnPassant = slot.EnPassantSq;
    game_.CastlingAllowed = slot.Castling;
    history_.SetEndMarker(moveNumber, whiteToMove);

    redoAnchor_ = target;
    redoRevision_ = history_.Revision();
    redoPlacement_ = Position();
    aids_.SetPositionFromPlay(true);
    RedrawChangedSquares(oldPosition);
    ShownPositionChanged();
    ResumeThinking();
    return true;
}

bool TChessBoard::Redo(int halfMoves)
{
    if (halfMoves < 1 || halfMoves > RedoCount())
        return false;
    StopThinking();
    if (halfMoves > RedoCount())
        return false;

    std::vector<TakenBackMove> line = std::move(redoLine_);
    redoLine_.clear();
    const char promotionPiece = promotionPiece_;
    int played = 0;
    for (; played < halfMoves; ++played) {
        const TakenBackMove& move = line[static_cast<std::size_t>(played)];
        if (move.Promotion != EmptySquare)
            promotionPiece_ = static_cast<char>(std::tolower(static_cast<unsigned char>(move.Promotion)));
        const bool made = MakeMove(move.OldSq, move.NewSq);
        promotionPiece_ = promotionPiece;
        if (!made)
            break;
    }
    if (played == halfMoves) {
        redoLine_.assign(line.begin() + halfMoves, line.end());
        redoAnchor_ = CurrentSlotIndex();
        redoRevision_ = history_.Revision();
        redoPlacement_ = Position();
    }
    ResumeThinking();
    return played == halfMoves;
}
