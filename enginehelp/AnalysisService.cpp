#include "enginehelp/AnalysisService.h"

#include "enginehelp/BuiltinAnalyser.h"
#include "enginehelp/MoveLine.h"
#include "enginehelp/UciClient.h"

#include <QCoreApplication>
#include <QTimer>

TAnalysisService::TAnalysisService(QObject* parent) : QObject(parent), builtin_(new TBuiltinAnalyser(this))
{
    qRegisterMetaType<TAnalysisReport>();
    connect(builtin_, &TBuiltinAnalyser::Iteration, this, [this](std::uint64_t id, const TAnalysisReport& report) {
        if (id != id_ || !searching_ || UsingUci())
            return;
        // Worded here rather than on the search thread, in the notation
        // chosen now.
        last_ = report;
        last_.PvText = MoveLineText(request_.State, report.PvUci, notation_);
        emit Report(id, last_);
    });
    connect(builtin_, &TBuiltinAnalyser::Finished, this, [this](std::uint64_t id, const QString& best) {
        if (id != id_ || !searching_ || UsingUci())
            return;
        searching_ = false;
        emit Finished(id, best, last_);
    });
}

TAnalysisService::~TAnalysisService() = default;

QString TAnalysisService::EngineName() const
{
    if (UsingUci() && uci_)
        return uci_->EngineName();
    return BuiltinEngineName();
}

void TAnalysisService::SetNotation(TMoveNotation notation)
{
    notation_ = notation;
    last_.PvText = MoveLineText(request_.State, last_.PvUci, notation_);
}

std::uint64_t TAnalysisService::BuiltinNodes() const
{
    return builtin_->TotalNodes();
}

void TAnalysisService::SetUciEngine(const QString& program)
{
    if (program == uciProgram_ && !uciFailed_)
        return;
    Stop();
    uciProgram_ = program;
    uciFailed_ = false;
    if (uci_) {
        uci_->disconnect(this);
        uci_->Quit();
        // The client goes once its process has ended (or at once if none).
        TUciClient* old = uci_;
        connect(old, &TUciClient::Ended, old, &QObject::deleteLater);
        if (!old->Running())
            old->deleteLater();
        uci_ = nullptr;
    }
}

std::uint64_t TAnalysisService::Start(const TAnalysisRequest& request)
{
    Stop();
    ++id_;
    request_ = request;
    last_ = TAnalysisReport();
    last_.EngineName = EngineName();
    searching_ = true;
    if (!IsAnalysablePosition(request.State)) {
        const std::uint64_t id = id_;
        QTimer::singleShot(0, this, [this, id] {
            if (id != id_ || !searching_)
                return;
            searching_ = false;
            emit Finished(id, QString(), last_);
        });
        return id_;
    }
    if (UsingUci())
        StartUci();
    else
        StartBuiltin();
    return id_;
}

void TAnalysisService::Stop()
{
    if (!searching_)
        return;
    searching_ = false;
    builtin_->Stop();
    if (uci_)
        uci_->Stop();
}

void TAnalysisService::StartBuiltin()
{
    builtin_->Start(request_.State, request_.MaxDepth, request_.TimeLimitMs, id_);
}

void TAnalysisService::EnsureUciClient()
{
    if (uci_)
        return;
    uci_ = new TUciClient(this);
    uci_->SetTimeLimits(uciLimits_);
    connect(uci_, &TUciClient::Failed, this, &TAnalysisService::UciFailed);
    connect(uci_, &TUciClient::Info, this, [this](const TUciInfo& info) {
        if (!searching_ || info.Depth < 0 || !info.HasScore || info.Bound || info.MultiPv != 1)
            return;
        TAnalysisReport report;
        report.Depth = info.Depth;
        report.Score = TAnalysisScore::FromSideToMove(request_.State.WhiteToMove, info.Mate, info.Score);
        report.Nodes = info.Nodes > 0 ? static_cast<std::uint64_t>(info.Nodes) : 0;
        report.NodesPerSecond = info.Nps > 0 ? static_cast<std::uint64_t>(info.Nps) : 0;
        report.ElapsedMs = info.TimeMs;
        report.PvUci = info.Pv;
        report.PvText = MoveLineText(request_.State, info.Pv, notation_);
        report.EngineName = uci_->EngineName();
        last_ = report;
        emit Report(id_, report);
    });
    connect(uci_, &TUciClient::BestMove, this, [this](const QString& move, const QString&) {
        if (!searching_)
            return;
        if (!move.isEmpty() && !IsLegalUciMove(request_.State, move)) {
            UciFailed(tr("O motor de análise “%1” propôs um lance ilegal.").arg(uci_->EngineName()));
            return;
        }
        searching_ = false;
        emit Finished(id_, move, last_);
    });
    uci_->Start(uciProgram_);
}

void TAnalysisService::StartUci()
{
    EnsureUciClient();
    QString go;
    int expected = -1;
    if (request_.UciMoveTimeMs > 0) {
        go = QStringLiteral("movetime %1").arg(request_.UciMoveTimeMs);
        expected = request_.UciMoveTimeMs;
    } else {
        go = QStringLiteral("depth %1").arg(request_.MaxDepth);
        if (request_.TimeLimitMs > 0) {
            go += QStringLiteral(" movetime %1").arg(request_.TimeLimitMs);
            expected = request_.TimeLimitMs;
        }
    }
    uci_->SetChess960(request_.State.Chess960);
    uci_->Go(StateToFen(request_.State), {}, go, expected);
}

void TAnalysisService::FallBackToBuiltin()
{
    if (!UsingUci())
        return;
    LeaveUciEngine();
}

void TAnalysisService::UciFailed(const QString& message)
{
    if (uciFailed_)
        return;
    LeaveUciEngine();
    emit EngineFailed(message + QLatin1Char(' ') + tr("A análise continua com o motor interno."));
}

void TAnalysisService::LeaveUciEngine()
{
    uciFailed_ = true;
    if (uci_) {
        TUciClient* old = uci_;
        old->disconnect(this);
        uci_ = nullptr;
        // A failed client has killed its engine, a sound one is asked to
        // quit; either goes once its process is reaped.
        if (old->CurrentState() != TUciClient::State::Failed)
            old->Quit();
        connect(old, &TUciClient::Ended, old, &QObject::deleteLater);
        if (!old->Running())
            old->deleteLater();
    }
    // The request goes on with the built-in engine, as if nothing happened.
    if (searching_) {
        last_ = TAnalysisReport();
        last_.EngineName = BuiltinEngineName();
        StartBuiltin();
    }
}
