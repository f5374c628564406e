// The ladder's UCI players: see UciPlayer.h.
#include "UciPlayer.h"

#include <sstream>

namespace {

using Clock = std::chrono::steady_clock;

int MsLeft(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

std::string FirstWord(const std::string& line)
{
    std::istringstream in(line);
    std::string word;
    in >> word;
    return word;
}

} // namespace

TUciPlayer::TUciPlayer(const TPlayerSpec& spec) : spec_(spec) {}

TUciPlayer::~TUciPlayer()
{
    Quit();
}

bool TUciPlayer::Start(int timeoutMs)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    process_ = std::make_unique<QProcess>();
    process_->setProgram(spec_.Program);
    // The engines' own complaints would only clutter the table.
    process_->setStandardErrorFile(QProcess::nullDevice());
    process_->start(QIODevice::ReadWrite);
    if (!process_->waitForStarted(MsLeft(deadline))) {
        error_ = "cannot start " + spec_.Program.toStdString() + ": " + process_->errorString().toStdString();
        return false;
    }
    Send("uci");
    for (std::string line;;) {
        if (!ReadLine(line, deadline)) {
            error_ = spec_.Name + ": no 'uciok' from " + spec_.Program.toStdString();
            return false;
        }
        if (line.rfind("option ", 0) == 0)
            optionLines_.push_back(line);
        if (FirstWord(line) == "uciok")
            break;
    }
    for (const auto& [name, value] : spec_.Options)
        Send("setoption name " + name + " value " + value);
    Send("isready");
    if (!WaitFor("readyok", deadline)) {
        error_ = spec_.Name + ": no 'readyok' after the options";
        return false;
    }
    Send("ucinewgame");
    return true;
}

std::string TUciPlayer::BestMove(const std::string& moves, const std::string& go, int timeoutMs)
{
    std::string position = startFen_.empty() ? std::string("position startpos") : "position fen " + startFen_;
    if (!moves.empty()) {
        position += " moves ";
        position += moves;
    }
    return Search(position, go, timeoutMs);
}

bool TUciPlayer::SetOption(const std::string& name, const std::string& value, int timeoutMs)
{
    Send("setoption name " + name + " value " + value);
    Send("isready");
    if (WaitFor("readyok", Clock::now() + std::chrono::milliseconds(timeoutMs)))
        return true;
    error_ = spec_.Name + ": no 'readyok' after setting " + name;
    return false;
}

std::string TUciPlayer::Search(const std::string& position, const std::string& go, int timeoutMs,
                               std::vector<std::string>* infoLines)
{
    error_.clear();
    if (infoLines)
        infoLines->clear();
    Send(position);
    const auto started = Clock::now();
    const auto deadline = started + std::chrono::milliseconds(timeoutMs);
    Send("go " + go);
    hasScore_ = false;
    for (std::string line;;) {
        if (!ReadLine(line, deadline)) {
            elapsedMs_ = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
            if (error_.empty())
                error_ = "no move within " + std::to_string(timeoutMs) + " ms";
            return {};
        }
        if (infoLines && FirstWord(line) == "info")
            infoLines->push_back(line);
        if (const auto at = line.find(" score "); FirstWord(line) == "info" && at != std::string::npos) {
            std::istringstream in(line.substr(at + 7));
            std::string kind;
            int value = 0;
            if (in >> kind >> value && (kind == "cp" || kind == "mate")) {
                lastScoreCp_ = kind == "cp" ? value : (value > 0 ? MateCp : -MateCp);
                hasScore_ = true;
            }
        }
        if (FirstWord(line) == "bestmove") {
            elapsedMs_ = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
            std::istringstream in(line);
            std::string word, move;
            in >> word >> move;
            if (move.empty())
                error_ = "an empty 'bestmove'";
            return move.empty() ? std::string("(none)") : move;
        }
    }
}

TSpinRange TUciPlayer::Spin(const std::string& name) const
{
    // option name UCI_Elo type spin default 1350 min 1350 max 2850
    for (const std::string& line : optionLines_) {
        const auto typeAt = line.find(" type ");
        if (line.compare(0, 12, "option name ") != 0 || typeAt == std::string::npos ||
            line.substr(12, typeAt - 12) != name)
            continue;
        std::istringstream in(line.substr(typeAt));
        TSpinRange range;
        bool haveMin = false, haveMax = false;
        for (std::string word; in >> word;) {
            if (word == "min")
                haveMin = static_cast<bool>(in >> range.Min);
            else if (word == "max")
                haveMax = static_cast<bool>(in >> range.Max);
        }
        range.Present = haveMin && haveMax;
        return range;
    }
    return {};
}

void TUciPlayer::Quit()
{
    if (!process_)
        return;
    if (process_->state() == QProcess::Running) {
        Send("quit");
        process_->closeWriteChannel();
        if (!process_->waitForFinished(2000)) {
            process_->kill();
            process_->waitForFinished(2000);
        }
    }
    process_.reset();
}

void TUciPlayer::Send(const std::string& line)
{
    if (process_ && process_->state() == QProcess::Running) {
        process_->write((line + "\n").c_str());
        process_->waitForBytesWritten(1000);
    }
}

bool TUciPlayer::ReadLine(std::string& line, Clock::time_point deadline)
{
    while (!process_->canReadLine()) {
        if (process_->state() != QProcess::Running) {
            error_ = "the engine ended";
            return false;
        }
        const int left = MsLeft(deadline);
        if (left == 0)
            return false;
        process_->waitForReadyRead(left);
    }
    line = process_->readLine().trimmed().toStdString();
    return true;
}

bool TUciPlayer::WaitFor(const std::string& word, Clock::time_point deadline)
{
    for (std::string line; ReadLine(line, deadline);) {
        if (FirstWord(line) == word)
            return true;
    }
    return false;
}

TSpinRange QuerySpinOption(const QString& program, const std::string& name, std::string& error)
{
    TPlayerSpec spec;
    spec.Name = program.toStdString();
    spec.Program = program;
    TUciPlayer player(spec);
    if (!player.Start()) {
        error = player.Error();
        return {};
    }
    return player.Spin(name);
}
