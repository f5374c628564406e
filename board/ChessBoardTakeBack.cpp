// Taking half-moves back and playing them again. Taking back returns to a
// position of the recorded game and moves the end marker there, so the move
// list and the repetition test see the game as it now stands; the slots keep
// their contents, and the moves taken back are kept aside until another
// move enters the game (the line is the game's part TakeBackLine).
// Replaying goes through MakeMove, so every event of
// the move fires as it did the first time.
#include "board/ChessBoard.h"

#include <cctype>
#include <utility>

int TChessBoard::TakeBackCount() const
{
    return TakeBackLine::TakeBackCount(game_, history_);
}

int TChessBoard::RedoCount() const
{
    return takeBack_.RedoCount(game_, history_);
}

bool TChessBoard::TakeBack(int halfMoves)
{
    if (halfMoves < 1 || halfMoves > TakeBackCount())
        return false;
    StopThinking();
    // Waiting for the thread serves pending events; the game may have moved.
    if (halfMoves > TakeBackCount())
        return false;

    const std::string oldPosition = Position();
    takeBack_.TakeBack(game_, history_, halfMoves);
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

    std::vector<TakeBackLine::Move> line = takeBack_.Release();
    const char promotionPiece = promotionPiece_;
    int played = 0;
    for (; played < halfMoves; ++played) {
        const TakeBackLine::Move& move = line[static_cast<std::size_t>(played)];
        if (move.Promotion != EmptySquare)
            promotionPiece_ = static_cast<char>(std::tolower(static_cast<unsigned char>(move.Promotion)));
        const bool made = MakeMove(move.OldSq, move.NewSq);
        promotionPiece_ = promotionPiece;
        if (!made)
            break;
    }
    if (played == halfMoves)
        takeBack_.Keep({line.begin() + halfMoves, line.end()}, game_, history_);
    ResumeThinking();
    return played == halfMoves;
}
