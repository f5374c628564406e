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
    return game_.TakeBackCount();
}

int TChessBoard::RedoCount() const
{
    return game_.RedoCount();
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
    game_.TakeBack(halfMoves);
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

    std::vector<TakeBackLine::Move> line = game_.ReleaseRedo();
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
        game_.KeepRedo({line.begin() + halfMoves, line.end()});
    ResumeThinking();
    return played == halfMoves;
}
