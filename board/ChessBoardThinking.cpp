// The board's controls of its computer player: who the computer plays, how
// deep it searches, its thread priority, and the stop/resume protocol with
// the search thread. Every board operation that changes what a search reads
// goes through StopThinking first; in design mode there is no thread, so
// StopThinking returns at once and ResumeThinking and ThinkingPassDone do
// nothing.
#include "board/ChessBoard.h"

#include "engine/ChessThread.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>
#include <optional>

namespace {

// What the search thread works from at the start of a pass: the board's
// position and settings, when the computer plays the side to move.
std::optional<TSearchInput> SearchInputOf(const TChessBoard& board)
{
    if (!board.ComputerToMove() || board.ComputerMovesFromOutside())
        return std::nullopt;
    TSearchInput input;
    input.Position.Board = board.Board();
    input.Position.WhiteToMove = board.WhiteToMove();
    input.Position.CastlingAllowed = board.CastlingAllowed();
    input.Position.EnPassant = board.EnPassant();
    input.Position.CurrentMove = board.CurrentMove();
    input.Position.Chess960 = board.Chess960();
    input.Position.CastlingRookFile = board.CastlingRookFiles();
    input.Depth = board.SearchDepth();
    input.TimeLimitMs = board.ThinkingTimeLimit();
    input.Priority = board.ThinkingPriority();
    input.Style = board.ComputerStyle();
    return input;
}

} // namespace

void TChessBoard::CreateSearchThread()
{
    auto* thread = new TChessThread();
    thread->InputHandler = [this] {
        // The move from outside is asked for here, where the board's own
        // search would have begun; it comes back through PlayComputerMove.
        if (computerMovesFromOutside_ && ComputerToMove() && game_.AcceptsMoves) {
            TellThinking(true);
            emit computerMoveWanted();
        }
        return SearchInputOf(*this);
    };
    thread->MoveHandler = [this](Square oldSq, Square newSq) {
        TellThinking(false);
        return MakeMove(oldSq, newSq);
    };
    thread->SearchStarting = [this] { TellThinking(true); };
    thread->PassDoneHandler = [this] { ThinkingPassDone(); };
    thread->SetPriority(thinkingPriority_);
    searchThread_ = thread;
}

void TChessBoard::DestroySearchThread()
{
    // The thread goes first: its destructor ends a running search, delivers
    // nothing and waits for the body, while the board is still whole.
    delete searchThread_;
    searchThread_ = nullptr;
}

void TChessBoard::NotifySearchThread()
{
    if (searchThread_ != nullptr)
        searchThread_->NotifyChange();
}

void TChessBoard::StopThinking()
{
    if (searchThread_ == nullptr)
        return;
    // Whatever the caller changes next must wake an idle pass and must keep a
    // move computed for the old position from being made.
    searchThread_->NotifyChange();
    // Inside the events of a move (after OnMate or OnDraw was announced) the
    // thread may be waiting for that very move to be made, so waiting for it
    // would never end. It reads nothing of the board meanwhile (it searches
    // a snapshot), and the change just announced keeps its move out.
    if (endEventGuard_)
        return;
    // Called from a handler of a move the thread is delivering: the thread
    // waits for this very call to return, so it cannot suspend now. It reads
    // nothing of the board meanwhile; the request makes its pass end leave it
    // stopped.
    if (searchThread_->ServingSynchronize()) {
        searchThread_->RequestStop();
        return;
    }
    while (!searchThread_->Suspended()) {
        // Asserted again at every round: a handler served while waiting may
        // have called ResumeThinking, which clears it.
        searchThread_->RequestStop();
        if (!searchThread_->ServeSynchronize())
            QCoreApplication::processEvents();
        if (!searchThread_->Suspended())
            searchThread_->WaitForWorkerEvent(5);
    }
}

void TChessBoard::ResumeThinking()
{
    // The thread starts with the board's first paint (which calls this once
    // it is done): a side given to the computer before the board is ever
    // shown waits for it, rather than a game played out of sight.
    if (designMode_ || searchThread_ == nullptr || !firstPaintDone_ || !game_.AcceptsMoves)
        return;
    searchThread_->ClearStop();
    searchThread_->Resume();
}

void TChessBoard::ThinkingPassDone()
{
    if (searchThread_ == nullptr)
        return;
    searchThread_->IsThinking.store(false);
    TellThinking(false);
    searchThread_->Suspend();
    if (!searchThread_->StopRequested())
        ResumeThinking();
}

void TChessBoard::TellThinking(bool thinking)
{
    if (thinking == thinkingTold_)
        return;
    thinkingTold_ = thinking;
    emit thinkingChanged(thinking);
}

bool TChessBoard::Thinking() const
{
    return searchThread_ != nullptr && searchThread_->IsThinking.load();
}

void TChessBoard::SetAcceptsMoves(bool value)
{
    if (!value)
        StopThinking();
    game_.AcceptsMoves = value;
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
    // Read once at the start of each search; the thread copies it then.
    searchDepth_ = std::clamp(value, 1, MaxSearchDepth);
}

void TChessBoard::SetThinkingTimeLimit(int value)
{
    // Read once at the start of each search, like the depth.
    thinkingTimeLimit_ = std::max(value, 0);
}

void TChessBoard::SetThinkingPriority(TThreadPriority value)
{
    thinkingPriority_ = value;
    if (searchThread_ != nullptr)
        searchThread_->SetPriority(value);
}

bool TChessBoard::ComputerToMove() const
{
    return WhiteToMove() ? computerPlaysWhite_ : computerPlaysBlack_;
}

void TChessBoard::SetComputerMovesFromOutside(bool value)
{
    if (value == computerMovesFromOutside_)
        return;
    StopThinking();
    computerMovesFromOutside_ = value;
    if (!value)
        TellThinking(false);
    // A new pass asks the new player for the move.
    NotifySearchThread();
    ResumeThinking();
}

bool TChessBoard::PlayComputerMove(Square from, Square to, char promotion)
{
    if (!game_.AcceptsMoves || !ComputerToMove() || !IsLegalMove(from, to))
        return false;
    TellThinking(false);
    const char kept = promotionPiece_;
    if (promotion != 0)
        promotionPiece_ = static_cast<char>(std::tolower(static_cast<unsigned char>(promotion)));
    StopThinking();
    const bool made = MakeMove(from, to);
    promotionPiece_ = kept;
    ResumeThinking();
    return made;
}
