// The installed engine as the computer player: see InstalledEngineOpponent.h.
#include "app/InstalledEngineOpponent.h"

#include "app/GameRecord.h"
#include "board/ChessBoard.h"
#include "core/Clock.h"
#include "core/Fen.h"
#include "core/UciMove.h"
#include "enginehelp/MoveLine.h"
#include "enginehelp/UciClient.h"

#include <QFileInfo>

TInstalledEngineOpponent::TInstalledEngineOpponent(TChessBoard* board, QObject* owner)
    : QObject(owner)
    , board_(board)
    , client_(new TUciClient(this))
{
    connect(board_, &TChessBoard::computerMoveWanted, this, &TInstalledEngineOpponent::MoveWanted,
            Qt::QueuedConnection);
    connect(client_, &TUciClient::BestMove, this,
            [this](const QString& move, const QString&) { BestMoveArrived(move); });
    connect(client_, &TUciClient::Failed, this, &TInstalledEngineOpponent::EngineFailed);
}

TInstalledEngineOpponent::~TInstalledEngineOpponent()
{
    // The client ends its engine in its own destructor.
    disconnect(client_, nullptr, this, nullptr);
}

void TInstalledEngineOpponent::Start(const QString& program, int elo)
{
    program_ = program;
    elo_ = elo;
    active_ = true;
    searching_ = false;
    client_->SetOptionChooser(
        [elo](const QMap<QString, TUciOption>& offered) { return StrengthOptions(offered, elo); });
    // The board asks for the move when the computer is to move (at once if
    // it is now), and the request waits in the client for the handshake. A
    // program that cannot start may say so within Start: the board must
    // already be waiting, so that the failure hands the game back.
    board_->SetComputerMovesFromOutside(true);
    client_->Start(program);
}

void TInstalledEngineOpponent::Stop()
{
    if (!active_)
        return;
    active_ = false;
    searching_ = false;
    board_->SetComputerMovesFromOutside(false);
    client_->Quit();
}

QString TInstalledEngineOpponent::EngineName() const
{
    if (client_->CurrentState() != TUciClient::State::NotRunning && !client_->EngineName().isEmpty() &&
        client_->EngineName() != program_)
        return client_->EngineName();
    return QFileInfo(program_).fileName();
}

void TInstalledEngineOpponent::NewGame()
{
    if (active_)
        client_->NewGame();
}

QString TInstalledEngineOpponent::GoArguments(const GameClock& clock)
{
    QStringList words;
    for (const bool white : {true, false}) {
        if (!clock.Timed(white))
            continue;
        const QString side = white ? QStringLiteral("w") : QStringLiteral("b");
        words << side + QStringLiteral("time") << QString::number(std::max<ClockMs>(0, clock.Remaining(white)));
        if (const TimePeriod* period = clock.CurrentPeriod(white); period != nullptr && period->Bonus > 0)
            words << side + QStringLiteral("inc") << QString::number(period->Bonus);
    }
    if (const int movesToGo = clock.MovesToGo(clock.WhiteToMove()); movesToGo > 0)
        words << QStringLiteral("movestogo") << QString::number(movesToGo);
    return words.join(QLatin1Char(' '));
}

bool TInstalledEngineOpponent::CurrentRequest(QString& fen, QStringList& moves) const
{
    const BoardGame game = GameFromBoard(*board_);
    const std::vector<GameMove>& played = game.Record.Moves();
    if (game.ShownPly > played.size())
        return false;
    moves.clear();
    const GameState& shown = board_->State();
    if (!(game.Record.PositionAt(game.ShownPly) == shown)) {
        // A record that does not lead to the board's position: the position
        // alone, without the game's repetitions.
        fen = QString::fromStdString(WriteFen(shown));
        return true;
    }
    fen = QString::fromStdString(WriteFen(game.Record.StartState(), game.Record.StartHalfMoveClock()));
    for (std::size_t i = 0; i < game.ShownPly; ++i)
        moves << QString::fromStdString(UciMoveText(played[i].Move));
    return true;
}

void TInstalledEngineOpponent::MoveWanted()
{
    if (!active_ || !board_->ComputerMovesFromOutside())
        return;
    QString fen;
    QStringList moves;
    if (!CurrentRequest(fen, moves))
        return;
    // The board asks again after a pause or a change of players; the search
    // already running for this position goes on.
    if (searching_ && fen == askedFen_ && moves == askedMoves_)
        return;
    askedFen_ = fen;
    askedMoves_ = moves;
    searching_ = true;
    const bool timed = clock_ != nullptr && clock_->Enabled() && clock_->Timed(clock_->WhiteToMove());
    if (timed) {
        client_->Go(fen, moves, GoArguments(*clock_), static_cast<int>(clock_->Remaining(clock_->WhiteToMove())));
    } else {
        client_->Go(fen, moves, QStringLiteral("movetime %1").arg(moveTimeMs_), moveTimeMs_);
    }
}

void TInstalledEngineOpponent::BestMoveArrived(const QString& move)
{
    if (!active_ || !searching_)
        return;
    searching_ = false;
    QString fen;
    QStringList moves;
    // An answer for a position the board no longer shows is dropped; the
    // board asks again if the computer is to move.
    if (!CurrentRequest(fen, moves) || fen != askedFen_ || moves != askedMoves_)
        return;
    if (move.isEmpty())
        return; // no legal move: the board has ended the game itself
    // The game was paused or ended meanwhile, or a person took the side
    // over: the answer is not wanted now, which is no fault of the engine.
    // The board asks again when the computer is to move.
    if (!board_->AcceptsMoves() || !board_->ComputerToMove())
        return;
    const std::string text = move.toStdString();
    const Square from = SquareFromName(text[0], text[1]);
    const Square to = SquareFromName(text[2], text[3]);
    const char promotion = text.size() == 5 ? text[4] : 0;
    if (!board_->PlayComputerMove(from, to, promotion))
        EngineFailed(tr("O motor “%1” propôs um lance ilegal (%2).").arg(EngineName(), move));
}

void TInstalledEngineOpponent::EngineFailed(const QString& reason)
{
    if (!active_)
        return;
    const QString name = EngineName();
    Stop();
    emit Failed(tr("O motor instalado “%1” deixou de jogar: %2 O computador do programa continua a partida.")
                    .arg(name, reason));
}
