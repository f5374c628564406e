#include "enginehelp/UciClient.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <csignal>
#include <sys/types.h>
#include <unistd.h>

namespace {

// Lines of output without "uciok" before the engine is judged not to speak
// UCI at all (the program is something else, or prints garbage).
constexpr int MaxUnknownLines = 200;
// One line longer than this is nonsense, whatever it says.
constexpr qsizetype MaxLineLength = 64 * 1024;

} // namespace

TUciClient::TUciClient(QObject* parent) : QObject(parent)
{
    watchdog_.setSingleShot(true);
    endTimer_.setSingleShot(true);
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    // The engine's own error output is of no use here and must not fill a pipe.
    process_.setStandardErrorFile(QProcess::nullDevice());
    // The engine leads a process group of its own: an engine started
    // through a wrapper script is ended with everything the script started,
    // not only the script.
    process_.setChildProcessModifier([] { ::setpgid(0, 0); });
    connect(&process_, &QProcess::started, this, [this] {
        const auto pid = static_cast<pid_t>(process_.processId());
        // Also from this side, so that no signal can come before the child's own call.
        ::setpgid(pid, pid);
        group_ = static_cast<int>(pid);
    });
    connect(&process_, &QProcess::readyReadStandardOutput, this, &TUciClient::ReadOutput);
    connect(&process_, &QProcess::finished, this, &TUciClient::ProcessFinished);
    connect(&process_, &QProcess::errorOccurred, this, &TUciClient::ProcessError);
    connect(&watchdog_, &QTimer::timeout, this, &TUciClient::WatchdogFired);
    connect(&endTimer_, &QTimer::timeout, this, [this] {
        if (process_.state() == QProcess::NotRunning)
            return;
        if (endStep_ == 0) {
            endStep_ = 1;
            SignalEngine(SIGTERM);
            endTimer_.start(limits_.QuitGraceMs);
        } else {
            endStep_ = 2;
            SignalEngine(SIGKILL);
        }
    });
}

TUciClient::~TUciClient()
{
    disconnect(&process_, nullptr, this, nullptr);
    if (process_.state() != QProcess::NotRunning) {
        // A polite word first; an engine still there a moment later is killed
        // and reaped before the object goes.
        if (process_.state() == QProcess::Running && state_ != State::Failed)
            process_.write("quit\n");
        if (!process_.waitForFinished(200)) {
            SignalEngine(SIGKILL);
            process_.waitForFinished(2000);
        }
    }
    EndGroup();
}

void TUciClient::SignalEngine(int signal)
{
    if (group_ > 0)
        ::kill(-static_cast<pid_t>(group_), signal);
    else if (signal == SIGKILL)
        process_.kill();
    else
        process_.terminate();
}

void TUciClient::EndGroup()
{
    // Whatever the engine's program left running when it ended goes with
    // it. The group's number is not given to another while any of its
    // processes lives, and it is forgotten here.
    if (group_ > 0)
        ::kill(-static_cast<pid_t>(group_), SIGKILL);
    group_ = 0;
}

void TUciClient::Start(const QString& program, const QStringList& arguments)
{
    if (process_.state() != QProcess::NotRunning) {
        SignalEngine(SIGKILL);
        process_.waitForFinished(2000);
    }
    EndGroup();
    program_ = program;
    engineName_.clear();
    offered_.clear();
    failure_.clear();
    handshakeDone_ = false;
    readyAnnounced_ = false;
    newGamePending_ = false;
    awaitingReady_ = false;
    unknownLines_ = 0;
    answersToDrop_ = 0;
    pending_.reset();
    endStep_ = 0;
    endTimer_.stop();
    state_ = State::Starting;
    process_.start(program, arguments, QIODevice::ReadWrite);
    // The handshake goes out now; it waits in the pipe until the engine reads.
    Send(QStringLiteral("uci"));
    ArmWatchdog(limits_.HandshakeMs);
}

void TUciClient::NewGame()
{
    if (state_ == State::NotRunning || state_ == State::Failed || state_ == State::Quitting)
        return;
    newGamePending_ = true;
    if (state_ == State::Ready)
        SendPendingSearch();
}

void TUciClient::Go(const QString& fen, const QStringList& moves, const QString& goArguments, int expectedMs)
{
    if (state_ == State::NotRunning || state_ == State::Failed || state_ == State::Quitting)
        return;
    pending_ = TSearch{fen, moves, goArguments, expectedMs};
    if (state_ == State::Searching) {
        // The running search's answer belongs to the old request.
        ++answersToDrop_;
        Stop();
    } else if (state_ == State::Stopping) {
        ++answersToDrop_;
    } else if (state_ == State::Ready) {
        SendPendingSearch();
    }
}

void TUciClient::Stop()
{
    if (state_ == State::Starting) {
        pending_.reset();
        return;
    }
    if (state_ != State::Searching)
        return;
    state_ = State::Stopping;
    Send(QStringLiteral("stop"));
    ArmWatchdog(limits_.StopMs);
}

void TUciClient::Quit()
{
    watchdog_.stop();
    pending_.reset();
    if (process_.state() == QProcess::NotRunning) {
        if (state_ != State::Failed)
            state_ = State::NotRunning;
        return;
    }
    if (state_ != State::Failed)
        state_ = State::Quitting;
    if (process_.state() == QProcess::Running)
        Send(QStringLiteral("quit"));
    process_.closeWriteChannel();
    endStep_ = 0;
    endTimer_.start(limits_.QuitGraceMs);
}

void TUciClient::Send(const QString& line)
{
    process_.write(line.toUtf8() + '\n');
}

void TUciClient::ArmWatchdog(int ms)
{
    watchdog_.start(ms);
}

// Sends what waits for an idle engine: a new game (with its isready), else
// the next search.
void TUciClient::SendPendingSearch()
{
    if (newGamePending_) {
        newGamePending_ = false;
        Send(QStringLiteral("ucinewgame"));
        Send(QStringLiteral("isready"));
        awaitingReady_ = true;
        state_ = State::Starting;
        ArmWatchdog(limits_.HandshakeMs);
        return;
    }
    if (!pending_) {
        state_ = State::Ready;
        watchdog_.stop();
        return;
    }
    const TSearch search = *pending_;
    pending_.reset();
    QString position = QStringLiteral("position fen ") + search.Fen;
    if (!search.Moves.isEmpty())
        position += QStringLiteral(" moves ") + search.Moves.join(QLatin1Char(' '));
    Send(position);
    Send(QStringLiteral("go ") + search.GoArguments);
    state_ = State::Searching;
    if (search.ExpectedMs >= 0)
        ArmWatchdog(search.ExpectedMs + limits_.StopMs);
    else
        watchdog_.stop();
}

void TUciClient::ReadOutput()
{
    while (process_.canReadLine()) {
        const QString line = QString::fromUtf8(process_.readLine()).trimmed();
        if (state_ == State::Failed || state_ == State::NotRunning)
            return;
        HandleLine(line);
    }
    if (process_.bytesAvailable() > MaxLineLength && state_ != State::Failed)
        Fail(tr("O motor de análise “%1” respondeu de forma incompreensível.").arg(QFileInfo(program_).fileName()));
}

void TUciClient::HandleLine(const QString& line)
{
    if (line.isEmpty())
        return;
    if (!handshakeDone_) {
        if (line.startsWith(QLatin1String("id name "))) {
            engineName_ = line.mid(8).trimmed();
        } else if (line.startsWith(QLatin1String("option "))) {
            QString name;
            TUciOption option;
            if (ParseUciOption(line, name, option))
                offered_.insert(name, option);
        } else if (line == QLatin1String("uciok")) {
            handshakeDone_ = true;
            if (optionChooser_)
                for (const auto& [name, value] : optionChooser_(offered_))
                    Send(QStringLiteral("setoption name %1 value %2").arg(name, value));
            Send(QStringLiteral("isready"));
            awaitingReady_ = true;
            ArmWatchdog(limits_.HandshakeMs);
        } else if (!line.startsWith(QLatin1String("id ")) && !line.startsWith(QLatin1String("option ")) &&
                   !line.startsWith(QLatin1String("info ")) && ++unknownLines_ > MaxUnknownLines) {
            Fail(tr("O motor de análise “%1” respondeu de forma incompreensível.").arg(QFileInfo(program_).fileName()));
        }
        return;
    }
    if (line == QLatin1String("readyok")) {
        if (!awaitingReady_)
            return;
        awaitingReady_ = false;
        const bool firstTime = !readyAnnounced_;
        readyAnnounced_ = true;
        SendPendingSearch();
        if (firstTime)
            emit Ready();
        return;
    }
    if (line.startsWith(QLatin1String("info "))) {
        if (state_ != State::Searching || answersToDrop_ > 0)
            return;
        TUciInfo info;
        if (ParseUciInfo(line, info))
            emit Info(info);
        return;
    }
    QString move;
    QString ponder;
    if (ParseUciBestMove(line, move, ponder)) {
        if (state_ != State::Searching && state_ != State::Stopping)
            return;
        const bool none = move == QLatin1String("0000") || move == QLatin1String("(none)");
        if (!none && !IsUciMoveText(move)) {
            Fail(tr("O motor de análise “%1” respondeu de forma incompreensível.").arg(QFileInfo(program_).fileName()));
            return;
        }
        if (answersToDrop_ > 0) {
            --answersToDrop_;
            SendPendingSearch();
            return;
        }
        SendPendingSearch();
        emit BestMove(none ? QString() : move, ponder);
    }
}

void TUciClient::WatchdogFired()
{
    if (state_ == State::Searching) {
        // A timed search that overran: ask it to stop, and give it StopMs.
        Stop();
        return;
    }
    if (state_ == State::Starting || state_ == State::Stopping)
        Fail(tr("O motor de análise “%1” não respondeu.").arg(QFileInfo(program_).fileName()));
}

void TUciClient::ProcessFinished()
{
    EndGroup();
    watchdog_.stop();
    endTimer_.stop();
    if (state_ != State::Quitting && state_ != State::Failed && state_ != State::NotRunning)
        Fail(tr("O motor de análise “%1” terminou de repente.").arg(QFileInfo(program_).fileName()));
    if (state_ == State::Quitting)
        state_ = State::NotRunning;
    emit Ended();
}

void TUciClient::ProcessError(QProcess::ProcessError error)
{
    if (error == QProcess::FailedToStart) {
        Fail(tr("Não foi possível iniciar o motor de análise “%1”.").arg(QFileInfo(program_).fileName()));
        emit Ended();
    } else if (error == QProcess::Crashed && state_ != State::Quitting && state_ != State::Failed) {
        Fail(tr("O motor de análise “%1” terminou de repente.").arg(QFileInfo(program_).fileName()));
    }
}

void TUciClient::Fail(const QString& message)
{
    if (state_ == State::Failed)
        return;
    state_ = State::Failed;
    failure_ = message;
    watchdog_.stop();
    pending_.reset();
    // An engine that failed is not asked again: it is ended at once, and
    // the process is reaped when it goes (QProcess waits for its child).
    if (process_.state() != QProcess::NotRunning) {
        endStep_ = 2;
        SignalEngine(SIGKILL);
    }
    emit Failed(message);
}
