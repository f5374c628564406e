// The play aids' state and which marks each square should show: the last
// move read from the history, the king to move in check, the selected (or
// dragged) piece with the squares it can reach, the hint and the focus frame.
#include "board/BoardPlayAids.h"

#include "core/Rules.h"

#include <algorithm>

namespace {

bool OnBoard(Square square)
{
    return Ord(square) >= 1 && Ord(square) <= 64;
}

} // namespace

bool BoardPlayAids::ClearSelection()
{
    if (selected_ == Square::None)
        return false;
    selected_ = Square::None;
    return true;
}

void BoardPlayAids::SetHint(Square from, Square to)
{
    if (OnBoard(from) && OnBoard(to) && from != to) {
        hintFrom_ = from;
        hintTo_ = to;
    } else {
        ClearHint();
    }
}

bool BoardPlayAids::LastMoveSquares(const GameState& game, const GameHistory& history, Square& from, Square& to) const
{
    if (!positionFromPlay_)
        return false;
    const bool moverWhite = !game.WhiteToMove;
    const int moveNumber = game.WhiteToMove ? game.CurrentMove - 1 : game.CurrentMove;
    if (!history.HoldsRecordedPosition(moveNumber, moverWhite))
        return false;
    const MoveInfo* slot = history.Slot(moveNumber, moverWhite);
    if (slot == nullptr || slot->OldSq == Square::None || slot->NewSq == Square::None)
        return false;
    from = slot->OldSq;
    to = slot->NewSq;
    return true;
}

MarkContext BoardPlayAids::ContextFor(const GameState& game, const GameHistory& history) const
{
    MarkContext context;
    if (HighlightLastMove)
        LastMoveSquares(game, history, context.lastFrom, context.lastTo);
    if (HighlightCheck) {
        const char king = game.WhiteToMove ? 'K' : 'k';
        const auto at = std::find(game.Board.begin() + 1, game.Board.end(), king);
        if (at != game.Board.end()) {
            const Square square = SquareFromOrd(static_cast<int>(at - game.Board.begin()));
            const bool attacked =
                game.WhiteToMove ? WhiteKingAttacked(game, square, square) : BlackKingAttacked(game, square, square);
            if (attacked)
                context.checkedKing = square;
        }
    }
    if (selected_ != Square::None)
        context.targetsOf = selected_;
    else if (ShowLegalMoves)
        context.targetsOf = dragged_;
    if (context.targetsOf != Square::None && ShowLegalMoves)
        context.movesAllowed = !history.ThreefoldRepetition(game.CurrentMove, game.WhiteToMove);
    return context;
}

std::uint8_t BoardPlayAids::MarksAt(const MarkContext& context, const GameState& game, Square square) const
{
    std::uint8_t marks = 0;
    if (square == context.lastFrom || square == context.lastTo)
        marks |= MarkLastMove;
    if (square == hintFrom_ || square == hintTo_)
        marks |= MarkHint;
    const Square from = context.targetsOf;
    if (from != Square::None) {
        if (square == from) {
            marks |= MarkSelected;
        } else if (ShowLegalMoves && context.movesAllowed && OnBoard(from) && OnBoard(square) &&
                   IsMoveAllowed(game, from, square)) {
            const bool capture = game.At(square) != EmptySquare || IsEnPassantCapture(game, from, square);
            marks |= capture ? MarkCapture : MarkTarget;
        }
    }
    if (square == context.checkedKing)
        marks |= MarkCheck;
    if (square == focusSquare_ && FocusFrameShown())
        marks |= MarkFocus;
    return marks;
}
