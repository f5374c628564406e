#include "app/GameClocks.h"

#include "board/ChessBoard.h"
#include "core/ClockComment.h"
#include "core/Game.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTimer>

#include <algorithm>

namespace {

const char* const ControlTag = "TimeControl";
const char* const BlackControlTag = "BlackTimeControl";

// Where time counts as short: ten seconds, or a tenth of the first
// period's time up to half a minute.
ClockMs LowTimeMark(const TimeControl& control)
{
    if (control.IsNone())
        return 0;
    return std::max<ClockMs>(10000, std::min<ClockMs>(30000, control.Periods.front().Base / 10));
}

// The words are marked where they are written, translated here.
QString Plural(long long n, const char* one, const char* many)
{
    return n == 1 ? QCoreApplication::translate("GameClocks", one)
                  : QCoreApplication::translate("GameClocks", many).arg(n);
}

TimeControl ControlFromTag(const Game& game, const char* tag)
{
    if (const auto text = game.Tag(tag))
        if (const auto control = ParseTimeControl(*text))
            return *control;
    return {};
}

} // namespace

GameClocks::GameClocks(TChessBoard* board, QWidget* parent, const QRect& whitePlace, const QRect& blackPlace,
                       Announce announce, QObject* owner)
    : QObject(owner)
    , board_(board)
    , announce_(std::move(announce))
    , clock_([this] { return source_(); })
{
    monotonic_.start();
    source_ = [this] { return ClockMs{monotonic_.elapsed()}; };
    boardTimeLimit_ = board_->ThinkingTimeLimit();
    for (const bool white : {true, false}) {
        auto* label = new QLabel(parent);
        label->setObjectName(white ? QStringLiteral("RelogioBrancas") : QStringLiteral("RelogioPretas"));
        label->setGeometry(white ? whitePlace : blackPlace);
        label->setAlignment(Qt::AlignCenter);
        QFont font = label->font();
        font.setPixelSize(15);
        font.setBold(true);
        label->setFont(font);
        label->hide();
        (white ? whiteLabel_ : blackLabel_) = label;
    }
    tick_ = new QTimer(this);
    tick_->setInterval(100);
    connect(tick_, &QTimer::timeout, this, &GameClocks::Tick);
    // A move's first signal: the mover's time stops there.
    connect(board_, &TChessBoard::moveMade, this, [this] { MoveMade(); });
}

void GameClocks::SetTimeSource(GameClock::TimeSource now)
{
    source_ = std::move(now);
}

std::size_t GameClocks::BoardPly() const
{
    return static_cast<std::size_t>(std::max(0, board_->TakeBackCount()));
}

void GameClocks::StartGame(const TimeControl& white, const TimeControl& black)
{
    clock_.Start(white, black, board_->WhiteToMove());
    announcedWhite_ = announcedBlack_ = clock_.Remaining(true) + clock_.Remaining(false);
    Refresh();
}

void GameClocks::StartFromRecord(const Game& game, bool paused)
{
    TimeControl white = ControlFromTag(game, ControlTag);
    TimeControl black = game.Tag(BlackControlTag) ? ControlFromTag(game, BlackControlTag) : white;
    clock_.Start(white, black, game.StartState().WhiteToMove);
    if (clock_.Enabled()) {
        for (const GameMove& move : game.Moves())
            clock_.MoveRecorded(CommentClock(move.Comment));
        // What the clocks showed when the game was left, the running one
        // included.
        for (const bool side : {true, false})
            if (const auto text = game.Tag(side ? "WhiteClock" : "BlackClock"))
                if (const auto ms = ParseClockText(*text))
                    clock_.SetRemaining(side, *ms);
        if (paused)
            clock_.Pause();
        if (BoardPly() != clock_.Ply())
            clock_.RestorePly(BoardPly());
    }
    announcedWhite_ = clock_.Remaining(true);
    announcedBlack_ = clock_.Remaining(false);
    Refresh();
}

void GameClocks::AddToRecord(Game& game) const
{
    for (const char* tag : {ControlTag, BlackControlTag, "WhiteClock", "BlackClock"})
        game.RemoveTag(tag);
    std::vector<GameMove>& moves = game.Moves();
    for (std::size_t i = 0; i < moves.size(); ++i) {
        std::string& comment = moves[i].Comment;
        const bool whiteMoved = (i % 2 == 0) == game.StartState().WhiteToMove;
        if (clock_.Enabled() && i + 1 <= clock_.RecordedPlies() && clock_.Timed(whiteMoved)) {
            const ClockRecord& record = clock_.Record(i + 1);
            comment = WithCommentClock(comment, (whiteMoved ? record.White : record.Black).Remaining);
        } else {
            comment = WithoutCommentClock(comment);
        }
    }
    if (!clock_.Enabled())
        return;
    game.SetTag(ControlTag, TimeControlToPgn(clock_.Control(true)));
    if (clock_.Control(false) != clock_.Control(true))
        game.SetTag(BlackControlTag, TimeControlToPgn(clock_.Control(false)));
    if (game.PlyCount() == clock_.Ply()) {
        game.SetTag("WhiteClock", ClockText(clock_.Remaining(true)));
        game.SetTag("BlackClock", ClockText(clock_.Remaining(false)));
    }
}

void GameClocks::MoveMade()
{
    if (replaying_ || !clock_.Enabled() || clock_.Stopped())
        return;
    const bool mover = clock_.WhiteToMove();
    const bool inTime = clock_.MoveMade();
    Refresh();
    if (!inTime) {
        clock_.Stop();
        Refresh();
        emit FlagFell(mover);
    }
}

void GameClocks::FollowBoard()
{
    if (!clock_.Enabled())
        return;
    clock_.RestorePly(BoardPly());
    // The clocks were put back, not run: a clock put below one minute or
    // ten seconds is not announced as passing there.
    announcedWhite_ = clock_.Remaining(true);
    announcedBlack_ = clock_.Remaining(false);
    Refresh();
}

void GameClocks::SetReplaying(bool on)
{
    replaying_ = on;
    if (!on)
        FollowBoard();
}

void GameClocks::Pause()
{
    clock_.Pause();
    Refresh();
}

void GameClocks::Resume()
{
    clock_.Resume();
    Refresh();
}

void GameClocks::Stop()
{
    clock_.Stop();
    Refresh();
}

bool GameClocks::BoardEndedGame() const
{
    // Mate or stalemate, or the repetition that ends the board's game: its
    // events run before the window hears of the end, and a message box among
    // them (mate) may stay open for a long while.
    return !board_->HasLegalMove() || (board_->ThreefoldEndsGame() && board_->ThreefoldRepetition());
}

void GameClocks::Tick()
{
    // A game the board has ended is decided: no flag falls after it.
    if (clock_.Running() && BoardEndedGame()) {
        clock_.Stop();
        Refresh();
        return;
    }
    if (clock_.Running() && clock_.FlagFallen()) {
        const bool white = clock_.WhiteToMove();
        clock_.Stop();
        Refresh();
        emit FlagFell(white);
        return;
    }
    for (const bool white : {true, false})
        RefreshLabel(white);
    if (clock_.Running()) {
        // Twice a second, so that what is saved is never a second behind.
        const int second = static_cast<int>(clock_.Remaining(clock_.WhiteToMove()) / 500);
        if (second != lastSecond_) {
            lastSecond_ = second;
            emit SecondPassed();
        }
    }
}

void GameClocks::Refresh()
{
    for (const bool white : {true, false})
        RefreshLabel(white);
    UpdateTimer();
    BudgetComputer();
}

void GameClocks::UpdateTimer()
{
    if (clock_.Running())
        tick_->start();
    else
        tick_->stop();
}

void GameClocks::RefreshLabel(bool white)
{
    QLabel* label = Label(white);
    if (!clock_.Enabled() || !clock_.Timed(white)) {
        label->hide();
        return;
    }
    const ClockMs left = std::max<ClockMs>(0, clock_.Remaining(white));
    const bool running = clock_.WhiteToMove() == white && !clock_.Stopped();
    const bool low = left <= LowTimeMark(clock_.Control(white));
    // The running clock is marked by its frame and light face, a short one
    // by red; the other is dimmed.
    const QString style =
        QStringLiteral("QLabel { border: 1px solid %1; background: %2; color: %3; }")
            .arg(running ? QStringLiteral("#000000") : QStringLiteral("#808080"),
                 running ? (low ? QStringLiteral("#c00000") : QStringLiteral("#ffffff")) : QStringLiteral("#d4d0c8"),
                 running ? (low ? QStringLiteral("#ffffff") : QStringLiteral("#000000"))
                         : (low ? QStringLiteral("#c00000") : QStringLiteral("#404040")));
    if (label->styleSheet() != style)
        label->setStyleSheet(style);
    const QString text = DisplayText(left);
    if (label->text() != text) {
        label->setText(text);
        label->setAccessibleName(SpokenText(white, left));
    }
    label->show();
    if (running && clock_.Running())
        AnnounceLowTime(white);
}

void GameClocks::AnnounceLowTime(bool white)
{
    // Said once as the running clock passes one minute and ten seconds.
    ClockMs& before = white ? announcedWhite_ : announcedBlack_;
    const ClockMs left = clock_.Remaining(white);
    if (before > 60000 && left <= 60000 && left > 10000 && announce_)
        announce_(white ? tr("Brancas: um minuto.") : tr("Pretas: um minuto."));
    if (before > 10000 && left <= 10000) {
        if (announce_)
            announce_(white ? tr("Brancas: dez segundos.") : tr("Pretas: dez segundos."));
        emit TenSecondsLeft(white);
    }
    before = left;
}

void GameClocks::BudgetComputer()
{
    const bool white = clock_.WhiteToMove();
    const bool computer = white ? board_->ComputerPlaysWhite() : board_->ComputerPlaysBlack();
    int limit = boardTimeLimit_;
    if (clock_.Enabled() && clock_.Timed(white) && computer && !clock_.Stopped())
        limit = static_cast<int>(std::clamp<ClockMs>(clock_.MoveBudget(), 1, boardTimeLimit_));
    if (board_->ThinkingTimeLimit() != limit)
        board_->SetThinkingTimeLimit(limit);
}

QString GameClocks::DisplayText(ClockMs ms)
{
    ms = std::max<ClockMs>(ms, 0);
    const long long seconds = ms / 1000;
    if (ms < 10000)
        return QStringLiteral("0:%1.%2").arg(seconds, 2, 10, QLatin1Char('0')).arg(ms / 100 % 10);
    if (seconds >= 3600)
        return QStringLiteral("%1:%2:%3")
            .arg(seconds / 3600)
            .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString GameClocks::SpokenText(bool white, ClockMs ms)
{
    const long long seconds = std::max<ClockMs>(ms, 0) / 1000;
    QStringList parts;
    if (seconds >= 3600)
        parts << Plural(seconds / 3600, QT_TRANSLATE_NOOP("GameClocks", "1 hora"),
                        QT_TRANSLATE_NOOP("GameClocks", "%1 horas"));
    if (seconds / 60 % 60 != 0)
        parts << Plural(seconds / 60 % 60, QT_TRANSLATE_NOOP("GameClocks", "1 minuto"),
                        QT_TRANSLATE_NOOP("GameClocks", "%1 minutos"));
    if (seconds % 60 != 0 || seconds == 0)
        parts << Plural(seconds % 60, QT_TRANSLATE_NOOP("GameClocks", "1 segundo"),
                        QT_TRANSLATE_NOOP("GameClocks", "%1 segundos"));
    const QString time = parts.size() > 1 ? QStringList(parts.mid(0, parts.size() - 1)).join(QStringLiteral(", ")) +
            QCoreApplication::translate("GameClocks", " e ") + parts.last()
                                          : parts.first();
    return white ? QCoreApplication::translate("GameClocks", "Relógio das brancas: %1").arg(time)
                 : QCoreApplication::translate("GameClocks", "Relógio das pretas: %1").arg(time);
}
