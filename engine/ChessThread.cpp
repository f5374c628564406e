// The computer player's thread: the pass loop, the snapshot of the board,
// the delivery of the chosen move and the pass end. See ChessThread.h.
#include "engine/ChessThread.h"

#include "engine/BookPlay.h"

#include <chrono>
#include <random>

TChessThread::TChessThread() : TThread(true)
{
    Engine.LinkTo(Snapshot.Position);
    Engine.SearchDepthRef = &SnapshotDepth;
    std::random_device device;
    random_.Seed((std::uint64_t{device()} << 32) ^ device());
}

TChessThread::~TChessThread()
{
    // A search in progress ends at its next node; DeliverMove and the pass
    // end see Terminated and touch nothing of the board.
    Engine.StopRequested.store(true);
    TerminateAndWait();
}

void TChessThread::RequestStop()
{
    Engine.StopRequested.store(true);
    Wake();
}

void TChessThread::NotifyChange()
{
    generation_.fetch_add(1);
    Wake();
}

bool TChessThread::TakeSnapshot()
{
    snapshotGeneration_ = generation_.load();
    if (!InputHandler)
        return false;
    std::optional<TSearchInput> input = InputHandler();
    if (!input)
        return false;
    Snapshot = *input;
    SnapshotDepth.store(Snapshot.Depth);
    return true;
}

void TChessThread::Execute()
{
    while (!Terminated()) {
        ++passes_;
        bool computerToMove = false;
        Synchronize([&] {
            computerToMove = !Terminated() && TakeSnapshot();
            if (computerToMove && snapshotGeneration_ != refusedGeneration_ && !StopRequested() && SearchStarting)
                SearchStarting();
        });

        const std::uint64_t passGeneration = snapshotGeneration_;
        if (computerToMove && passGeneration != refusedGeneration_ && !StopRequested()) {
            SetPriority(Snapshot.Priority);
            IsThinking.store(true);
            ++searches_;
            const auto started = std::chrono::steady_clock::now();
            Engine.SetDeadline(Snapshot.TimeLimitMs > 0 ? started + std::chrono::milliseconds(Snapshot.TimeLimitMs)
                                                        : std::chrono::steady_clock::time_point::max());
            if (!ChooseByStyle()) {
                Engine.FindBestMove();
                // Out of time, the last finished iteration's move is played,
                // or the best found so far: a crowded board's capture
                // sequences can keep even the first iteration from finishing.
                chosenMove_ = Engine.BestMove();
                moveChosen_ = true;
                lastSearchTimedOut_.store(Engine.LimitReached());
                if (Engine.LimitReached())
                    moveChosen_ = Engine.MoveToPlay(chosenMove_, false);
            }
            lastSearchNs_.store(
                std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - started)
                    .count());
            if (!StopRequested() && !Terminated()) {
                IsThinking.store(false);
                Synchronize([this] { DeliverMove(); });
            }
        } else if (!StopRequested() && !Terminated()) {
            // Nothing to do for this position: sleep until it changes.
            WaitUntil([&] { return StopRequested() || generation_.load() != passGeneration; });
        }

        Synchronize([this] { PassEnd(); });
    }
}

bool TChessThread::ChooseByStyle()
{
    ChessMove bookMove;
    // The book's castlings are standard ones.
    if (Snapshot.Style.Book && !Snapshot.Position.Chess960 &&
        ChooseBookMove(*Snapshot.Style.Book, Snapshot.Position, GamePly(Snapshot.Position), Snapshot.Style.BookPlies,
                       random_, bookMove)) {
        chosenMove_ = {static_cast<std::uint8_t>(Ord(bookMove.From) - 1),
                       static_cast<std::uint8_t>(Ord(bookMove.To) - 1), 0, 0};
        moveChosen_ = true;
        lastSearchTimedOut_.store(false);
        return true;
    }
    if (!Snapshot.Style.Beginner)
        return false;
    moveChosen_ = Engine.ChooseWeakMove(Snapshot.Style.Style, random_, chosenMove_);
    lastSearchTimedOut_.store(Engine.LimitReached());
    return true;
}

void TChessThread::DeliverMove()
{
    if (Terminated() || !MoveHandler)
        return;
    // The board changed while the move was being computed: it no longer
    // answers the board's position, so it is dropped.
    if (generation_.load() != snapshotGeneration_)
        return;
    const TEngineMove move = chosenMove_;
    // A Chess960 castling goes to its rook's square, as the board takes it.
    const bool made =
        moveChosen_ && MoveHandler(SquareFromOrd(move.From + 1), SquareFromOrd(Engine.UciTargetSquare(move) + 1));
    if (!made)
        refusedGeneration_ = snapshotGeneration_;
}

void TChessThread::PassEnd()
{
    if (Terminated() || !PassDoneHandler)
        return;
    PassDoneHandler();
}
