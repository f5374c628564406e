// The board's controls of its computer player: who the computer plays, how
// deep it searches, its thread priority, and the stop/resume protocol with
// the search thread. Every board operation that changes what a search reads
// goes through StopThinking first; without a search thread (design mode, or
// before one is attached) StopThinking returns at once and ResumeThinking and
// ThinkingPassDone do nothing.
#include "board/ChessBoard.h"

#include <algorithm>

void TChessBoard::CreateSearchThread()
{
    // No search thread is attached yet; the board works without one.
}

void TChessBoard::DestroySearchThread()
{
    SearchThread = nullptr;
}

void TChessBoard::StopThinking()
{
    if (SearchThread == nullptr || endEventGuard_)
        return;
}

void TChessBoard::ResumeThinking()
{
    if (designMode_ || SearchThread == nullptr)
        return;
}

void TChessBoard::ThinkingPassDone()
{
    if (SearchThread == nullptr)
        return;
}

bool TChessBoard::Thinking() const
{
    return false;
}

void TChessBoard::SetComputerPlaysWhite(bool value)
{
    StopThinking();
    computerPlaysWhite_ = value;
    ResumeThinking();
}

void TChessBoard::SetComputerPlaysBlack(bool value)
{
    StopThinking();
    computerPlaysBlack_ = value;
    ResumeThinking();
}

void TChessBoard::SetSearchDepth(int value)
{
    searchDepth_ = std::clamp(value, 1, MaxSearchDepth);
}

void TChessBoard::SetThinkingPriority(TThreadPriority value)
{
    thinkingPriority_ = value;
}
