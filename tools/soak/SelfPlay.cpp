// The soak's games: see SelfPlay.h.
#include "SelfPlay.h"

#include "Openings.h"

#include "core/GameHistory.h"

#include <QEventLoop>
#include <QTimer>

#include <chrono>

const char* ResultName(TGameResult result)
{
    switch (result) {
    case TGameResult::WhiteMates: return "White mates";
    case TGameResult::BlackMates: return "Black mates";
    case TGameResult::Stalemate: return "stalemate";
    case TGameResult::Threefold: return "threefold repetition";
    case TGameResult::NoMatingMaterial: return "no mating material";
    case TGameResult::MoveCap: return "move cap";
    case TGameResult::NoMoveAfterLoad: return "no move after a load";
    }
    return "?";
}

TSelfPlay::TSelfPlay(TChessBoard& board, const TSoakOptions& options, TWatchdog& watchdog, unsigned seed)
    : board_(board)
    , options_(options)
    , watchdog_(watchdog)
    , rng_(seed)
{
    board_.SetAnimateMoves(false);
    WireEvents();
}

void TSelfPlay::WireEvents()
{
    // One move can fire several of these: a mate outranks a stalemate, which
    // outranks the draws announced after it.
    auto end = [this](TGameResult result) {
        auto rank = [](TGameResult r) {
            if (r == TGameResult::WhiteMates || r == TGameResult::BlackMates)
                return 3;
            return r == TGameResult::Stalemate ? 2 : 1;
        };
        if (!ended_ || rank(result) > rank(result_))
            result_ = result;
        ended_ = true;
    };
    board_.OnLegalMove = [this](QObject*, Square from, Square to) {
        ++plies_;
        if (computerPlaying_)
            ++computerPlies_;
        loadedSinceLastMove_ = false;
        Progress("move " + SquareName(from) + "-" + SquareName(to));
        // The computer moves faster than any timer: the game's next step is
        // looked at right after this move, before the thread's next pass.
        ScheduleTick();
    };
    board_.OnMate = [this, end](QObject*, Square, Square) {
        // The side now to move is mated.
        end(board_.WhiteToMove() ? TGameResult::BlackMates : TGameResult::WhiteMates);
    };
    board_.OnStaleMate = [end](QObject*, Square, Square) { end(TGameResult::Stalemate); };
    board_.OnThreefoldPosition = [end](QObject*) { end(TGameResult::Threefold); };
    board_.OnNoMatingMaterial = [end](QObject*) { end(TGameResult::NoMatingMaterial); };
}

TGameRecord TSelfPlay::PlayGame(int gameNumber)
{
    const auto started = std::chrono::steady_clock::now();
    gameNumber_ = gameNumber;
    TGameRecord record;
    record.Level = options_.MinLevel + (gameNumber - 1) % (options_.MaxLevel - options_.MinLevel + 1);
    StartGame(record);
    if (!ended_) {
        // Going back in the history in about every other game, loading a
        // position in about one game in four.
        if (Uniform(0, 1) == 0)
            jumpAt_ = plies_ + Uniform(4, 40);
        if (Uniform(0, 3) == 0)
            loadAt_ = plies_ + Uniform(10, 60);
        RunUntilGameEnds(record);
    }
    ComputerPlaysBoth(false);
    if (!loadedSinceLastMove_)
        CheckHistoryLeadsBack();

    record.Plies = plies_;
    record.ComputerPlies = computerPlies_;
    record.Result = result_;
    record.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    return record;
}

void TSelfPlay::StartGame(TGameRecord& record)
{
    ComputerPlaysBoth(false);
    plies_ = 0;
    computerPlies_ = 0;
    ended_ = false;
    result_ = TGameResult::MoveCap;
    loadedSinceLastMove_ = false;
    jumpAt_ = loadAt_ = INT_MAX;
    board_.NewGame();
    board_.SetSearchDepth(record.Level);
    Progress("new game");
    if (Uniform(0, 4) == 0)
        LoadPosition(record, true);
    else
        PlayOpening(record);
}

void TSelfPlay::PlayOpening(TGameRecord& record)
{
    const auto& lines = OpeningLines();
    const TOpeningLine& line = lines[static_cast<std::size_t>(Uniform(0, static_cast<int>(lines.size()) - 1))];
    // Mostly part of the line; the short mating lines are played whole now
    // and then, so that a game ending before the computer plays comes up.
    const int length = static_cast<int>(line.Moves.size());
    const int played = length <= 8 && Uniform(0, 2) == 0 ? length : Uniform(0, length);
    record.Start = line.Name + " (" + std::to_string(played) + " half-moves)";
    for (int i = 0; i < played && !ended_; ++i) {
        const auto [from, to] = line.Moves[static_cast<std::size_t>(i)];
        if (!board_.PlayerMove(from, to))
            Fault(line.Name + ": the opening move " + SquareName(from) + "-" + SquareName(to) + " was refused");
    }
    // A few random legal moves for variety.
    for (int extra = Uniform(0, 2); extra > 0 && !ended_; --extra) {
        Square from = Square::None, to = Square::None;
        if (RandomLegalMove(from, to) && !board_.PlayerMove(from, to))
            Fault("a legal move " + SquareName(from) + "-" + SquareName(to) + " was refused");
    }
}

bool TSelfPlay::RandomLegalMove(Square& from, Square& to)
{
    std::vector<std::pair<Square, Square>> moves;
    for (int a = 1; a <= 64; ++a) {
        for (int b = 1; b <= 64; ++b) {
            if (board_.IsLegalMove(SquareFromOrd(a), SquareFromOrd(b)))
                moves.emplace_back(SquareFromOrd(a), SquareFromOrd(b));
        }
    }
    if (moves.empty())
        return false;
    std::tie(from, to) = moves[static_cast<std::size_t>(Uniform(0, static_cast<int>(moves.size()) - 1))];
    return true;
}

void TSelfPlay::LoadPosition(TGameRecord& record, bool atStart)
{
    const auto& positions = LoadablePositions();
    const TLoadablePosition& position =
        positions[static_cast<std::size_t>(Uniform(0, static_cast<int>(positions.size()) - 1))];
    Progress("loading " + position.Name);
    // As a game file is loaded: the placement only. At the start of a game
    // the side to move is set as well, and the castling rights go.
    board_.SetPosition(position.Placement);
    if (atStart) {
        board_.SetWhiteToMove(position.WhiteToMove);
        record.Start = "loaded " + position.Name;
    }
    board_.SetCastlingAllowed(CastleSet());
    ++record.PositionLoads;
    loadedSinceLastMove_ = true;
    if (!board_.HasLegalMove()) {
        ended_ = true;
        result_ = TGameResult::NoMoveAfterLoad;
    }
    // Loading stops the computer player; it goes on from the new position.
    board_.ResumeThinking();
}

void TSelfPlay::GoBackInHistory(TGameRecord& record)
{
    ComputerPlaysBoth(false);
    const long long current = GameHistory::SlotIndex(board_.CurrentMove(), board_.WhiteToMove());
    const long long target = current - Uniform(1, 6);
    if (target >= 0 && board_.GotoMove(static_cast<int>(target / 2 + 1), target % 2 == 0)) {
        ++record.HistoryJumps;
        Progress("went back to slot " + std::to_string(target));
    }
    ComputerPlaysBoth(true);
}

void TSelfPlay::RunUntilGameEnds(TGameRecord& record)
{
    ComputerPlaysBoth(true);
    QEventLoop loop;
    loop_ = &loop;
    record_ = &record;
    // Besides the looks after every move, a slow timer.
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &loop, [this] { Tick(); });
    timer.start(50);
    ScheduleTick();
    loop.exec();
    loop_ = nullptr;
    record_ = nullptr;
}

void TSelfPlay::ScheduleTick()
{
    if (loop_ == nullptr || tickPending_)
        return;
    tickPending_ = true;
    QMetaObject::invokeMethod(
        loop_,
        [this] {
            tickPending_ = false;
            Tick();
        },
        Qt::QueuedConnection);
}

void TSelfPlay::Tick()
{
    // The board serves the thread's calls while it waits for it, so a tick
    // may come inside a step; the steps do not nest.
    if (busy_ || loop_ == nullptr)
        return;
    busy_ = true;
    bool finished = false;
    TGameRecord& record = *record_;
    if (ended_) {
        finished = true;
    } else if (plies_ >= options_.MaxPlies) {
        result_ = TGameResult::MoveCap;
        finished = true;
    } else if (plies_ >= jumpAt_) {
        jumpAt_ = INT_MAX;
        GoBackInHistory(record);
    } else if (plies_ >= loadAt_) {
        loadAt_ = INT_MAX;
        LoadPosition(record, false);
        finished = ended_;
    }
    busy_ = false;
    if (finished)
        loop_->quit();
}

void TSelfPlay::ComputerPlaysBoth(bool value)
{
    computerPlaying_ = value;
    board_.SetComputerPlaysWhite(value);
    board_.SetComputerPlaysBlack(value);
}

void TSelfPlay::CheckHistoryLeadsBack()
{
    const std::string final = board_.Position();
    const int moveNumber = board_.CurrentMove();
    const bool whiteToMove = board_.WhiteToMove();
    const long long current = GameHistory::SlotIndex(moveNumber, whiteToMove);
    if (plies_ == 0)
        return;
    const long long earlier = current - Uniform(1, plies_);
    if (earlier >= 0)
        board_.GotoMove(static_cast<int>(earlier / 2 + 1), earlier % 2 == 0);
    if (!board_.GotoMove(moveNumber, whiteToMove) || board_.Position() != final)
        Fault("going back and forward in the history did not return to the final position");
}

void TSelfPlay::Fault(const std::string& what)
{
    faults_.push_back("game " + std::to_string(gameNumber_) + ": " + what);
}

void TSelfPlay::Progress(const std::string& what)
{
    watchdog_.Progress("game " + std::to_string(gameNumber_) + ", " + std::to_string(plies_) + " half-moves, " + what);
}
