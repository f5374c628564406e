// The board's game. See BoardGameCore.h.
#include "board/BoardGameCore.h"

#include "core/Rules.h"

#include <utility>

void BoardGameCore::Reset()
{
    state_ = GameState();
    history_.Restart();
    history_.SetCastlingRules(state_);
    AcceptsMoves = true;
}

void BoardGameCore::SetPlacement(const std::string& position)
{
    ParsePositionString(state_.Board, position);
    AcceptsMoves = true;
}

void BoardGameCore::SetChess960(bool value)
{
    state_.Chess960 = value;
    history_.SetCastlingRules(state_);
}

void BoardGameCore::SetCastlingRookFiles(const std::array<std::uint8_t, 4>& files)
{
    state_.CastlingRookFile = files;
    history_.SetCastlingRules(state_);
}

bool BoardGameCore::IsLegalMove(Square from, Square to) const
{
    if (Ord(from) < 1 || Ord(from) > 64 || Ord(to) < 1 || Ord(to) > 64)
        return false;
    if (!AcceptsMoves || (ThreefoldEndsGame && ThreefoldRepetition()))
        return false;
    return IsMoveAllowed(state_, from, to);
}

bool BoardGameCore::ThreefoldRepetition() const
{
    return history_.ThreefoldRepetition(state_.CurrentMove, state_.WhiteToMove);
}

void BoardGameCore::BeginMove(Square from, Square to)
{
    history_.RecordMoveFrom(state_, from, to);
}

void BoardGameCore::TurnPassed()
{
    history_.SetEndMarker(state_.CurrentMove, state_.WhiteToMove);
}

void BoardGameCore::NotePromotion(Square square)
{
    // The move was recorded from the slot before the turn passed.
    const bool moverWasWhite = !state_.WhiteToMove;
    const int moverMove = moverWasWhite ? state_.CurrentMove : state_.CurrentMove - 1;
    history_.RecordPromotion(moverMove, moverWasWhite, state_.Board[Ord(square)]);
}

void BoardGameCore::EndMove()
{
    history_.RecordReached(state_);
}

bool BoardGameCore::Goto(int moveNumber, bool whiteToMove)
{
    return history_.RestoreSlot(state_, moveNumber, whiteToMove);
}

void BoardGameCore::TakeBack(int halfMoves)
{
    takeBack_.TakeBack(state_, history_, halfMoves);
}

void BoardGameCore::KeepRedo(std::vector<TakeBackLine::Move> moves)
{
    takeBack_.Keep(std::move(moves), state_, history_);
}
