#include "app/GameEnding.h"

#include "app/Application.h"
#include "app/GameClocks.h"
#include "app/GameRecord.h"
#include "board/ChessBoard.h"
#include "core/EndRules.h"
#include "enginehelp/BuiltinAnalyser.h"
#include "platform/ProgramSettings.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>

namespace {

const QString ThreefoldKey = QStringLiteral("Opcoes/RepeticaoTriplaReivindicada");

// How deep and how long the computer looks before it answers a draw offer.
constexpr int DrawOfferDepthCap = 4;
constexpr int DrawOfferTimeMs = 1000;

// One of two texts marked for translation where they are written.
QString Side(bool white, const char* whiteText, const char* blackText)
{
    return QCoreApplication::translate("GameEnding", white ? whiteText : blackText);
}

} // namespace

GameEnding::GameEnding(TChessBoard* board, GameClocks* clocks, Hooks hooks, QObject* parent)
    : QObject(parent)
    , board_(board)
    , clocks_(clocks)
    , hooks_(std::move(hooks))
{
    connect(clocks_, &GameClocks::FlagFell, this, [this](bool white) { End(FlagFallOutcome(board_->Board(), white)); });
}

void GameEnding::AddMenuItems(QMenu* game, QAction* gameBefore, QMenu* options, QAction* optionsBefore)
{
    const auto command = [this, game, gameBefore](const char* name, const QString& caption,
                                                  void (GameEnding::*handler)()) {
        auto* action = new QAction(caption, this);
        game->insertAction(gameBefore, action);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return action;
    };
    pause_ = command("Pausar1", tr("Pausar"), &GameEnding::Pause);
    resign_ = command("Abandonar1", tr("Abandonar…"), &GameEnding::Resign);
    offerDraw_ = command("ProporEmpate1", tr("Propor empate"), &GameEnding::OfferDraw);
    claimDraw_ = command("ReivindicarEmpate1", tr("Reivindicar empate"), &GameEnding::ClaimDraw);

    threefoldOnClaim_ = new QAction(tr("Repetição tripla só quando reivindicada"), this);
    threefoldOnClaim_->setObjectName(QStringLiteral("RepeticaoTripla1"));
    threefoldOnClaim_->setCheckable(true);
    options->insertAction(optionsBefore, threefoldOnClaim_);
    {
        const QSettings settings = ProgramSettings();
        threefoldOnClaim_->setChecked(settings.value(ThreefoldKey, false).toBool());
        ApplyThreefoldOption(threefoldOnClaim_->isChecked());
    }
    game->insertSeparator(gameBefore);
    connect(threefoldOnClaim_, &QAction::toggled, this, [this](bool on) {
        ProgramSettings().setValue(ThreefoldKey, on);
        ApplyThreefoldOption(on);
        GameChanged();
    });
    UpdateActions();
}

void GameEnding::ApplyThreefoldOption(bool claimOnly)
{
    board_->SetThreefoldEndsGame(!claimOnly);
}

std::optional<bool> GameEnding::ActingSide() const
{
    const bool white = board_->ComputerPlaysWhite();
    const bool black = board_->ComputerPlaysBlack();
    if (white && black)
        return std::nullopt;
    if (white != black)
        return black; // the side the person plays
    return board_->WhiteToMove();
}

QString GameEnding::OutcomeText(const GameOutcome& outcome)
{
    const bool whiteWon = outcome.Result == GameResult::WhiteWins;
    switch (outcome.Reason) {
    case EndReason::TimeForfeit:
        return Side(!whiteWon, QT_TRANSLATE_NOOP("GameEnding", "As brancas perderam por tempo."),
                    QT_TRANSLATE_NOOP("GameEnding", "As pretas perderam por tempo."));
    case EndReason::TimeoutNoMaterial: return tr("Empate: acabou o tempo, mas o adversário não pode dar mate.");
    case EndReason::Resignation:
        return Side(!whiteWon, QT_TRANSLATE_NOOP("GameEnding", "As brancas abandonaram."),
                    QT_TRANSLATE_NOOP("GameEnding", "As pretas abandonaram."));
    case EndReason::Agreement: return tr("Empate por acordo.");
    case EndReason::FiftyMoves: return tr("Empate: regra dos 50 lances.");
    case EndReason::SeventyFiveMoves: return tr("Empate: regra dos 75 lances.");
    case EndReason::ThreefoldRepetition: return tr("Empate: repetição tripla.");
    case EndReason::FivefoldRepetition: return tr("Empate: a mesma posição pela quinta vez.");
    case EndReason::Checkmate: return tr("Cheque Mate!");
    case EndReason::Stalemate: return tr("Empate por afogamento.");
    case EndReason::InsufficientMaterial: return tr("Empate por falta de material para dar mate.");
    case EndReason::None: break;
    }
    switch (outcome.Result) {
    case GameResult::WhiteWins: return tr("As brancas venceram.");
    case GameResult::BlackWins: return tr("As pretas venceram.");
    case GameResult::Draw: return tr("Empate!");
    case GameResult::Ongoing: break;
    }
    return {};
}

void GameEnding::Reopen()
{
    const bool held = outcome_.IsOver() || paused_;
    outcome_ = {};
    paused_ = false;
    ++offerId_; // an answer still on its way no longer counts
    if (held) {
        board_->SetAcceptsMoves(true);
        clocks_->Resume();
    }
    UpdateActions();
}

void GameEnding::RestoreFrom(const Game& game)
{
    Reopen();
    const GameOutcome recorded = RecordedOutcome(game);
    // Mate and the other ends the board sees for itself need no hold.
    if (recorded.IsOver() && recorded.Reason != EndReason::None && recorded.Reason != EndReason::Checkmate &&
        recorded.Reason != EndReason::Stalemate && recorded.Reason != EndReason::InsufficientMaterial)
        End(recorded);
}

void GameEnding::AddToRecord(Game& game) const
{
    if (outcome_.IsOver()) {
        RecordOutcome(game, outcome_);
        return;
    }
    // Whatever a game opened earlier said of its end no longer holds once
    // the game goes on; an end the position shows (mate, stalemate) is a
    // normal one. A result the position does not show is an opened record's
    // own, kept as it was read.
    if (game.Result() == "*") {
        game.RemoveTag("KestravinEnd");
        game.RemoveTag("Termination");
    } else if (Game::RulesResult(game.FinalPosition()) != "*") {
        game.RemoveTag("KestravinEnd");
        game.SetTag("Termination", "normal");
    }
}

void GameEnding::End(const GameOutcome& outcome)
{
    if (holding_)
        return;
    HoldBoard();
    outcome_ = outcome;
    paused_ = false;
    ++offerId_;
    clocks_->Stop();
    const QString text = OutcomeText(outcome);
    if (hooks_.SetStatus)
        hooks_.SetStatus(text);
    UpdateActions();
    if (hooks_.GameChanged)
        hooks_.GameChanged();
    if (hooks_.NoticesOn && hooks_.NoticesOn())
        ShowMessage(text);
}

GameFacts GameEnding::ShownFacts(bool& atLastMove) const
{
    const BoardGame board = GameFromBoard(*board_);
    Game game = board.Record;
    atLastMove = board.ShownPly >= game.PlyCount();
    if (!atLastMove)
        game.Truncate(board.ShownPly);
    return FactsOf(game);
}

void GameEnding::HoldBoard()
{
    // Stopping the computer serves pending events, this window's updates
    // among them: they must not see the state half changed.
    holding_ = true;
    board_->SetAcceptsMoves(false);
    holding_ = false;
}

void GameEnding::GameChanged()
{
    if (holding_)
        return;
    // A new game or position on the board lets it take moves again: the
    // game it held is gone.
    if ((outcome_.IsOver() || paused_) && board_->AcceptsMoves()) {
        outcome_ = {};
        paused_ = false;
    }
    claimable_ = EndReason::None;
    if (!outcome_.IsOver() && !paused_) {
        bool atLastMove = true;
        const GameFacts facts = ShownFacts(atLastMove);
        if (atLastMove)
            if (const auto end = AutomaticEnd(facts)) {
                End(*end);
                return;
            }
        if (FiftyMoveClaimValid(facts) && !facts.NoLegalMove)
            claimable_ = EndReason::FiftyMoves;
        else if (!board_->ThreefoldEndsGame() && ThreefoldClaimValid(facts) && !facts.NoLegalMove)
            claimable_ = EndReason::ThreefoldRepetition;
    }
    UpdateActions();
}

void GameEnding::UpdateActions()
{
    if (pause_ == nullptr)
        return;
    const bool open = !outcome_.IsOver() && board_->AcceptsMoves();
    const bool played = board_->TakeBackCount() > 0;
    pause_->setEnabled(open && clocks_->Enabled() && !paused_);
    resign_->setEnabled(open && played && ActingSide().has_value());
    offerDraw_->setEnabled(open && played && ActingSide().has_value());
    claimDraw_->setEnabled(open && claimable_ != EndReason::None);
}

void GameEnding::Pause()
{
    if (outcome_.IsOver() || paused_)
        return;
    HoldBoard();
    paused_ = true;
    clocks_->Pause();
    if (hooks_.SetStatus)
        hooks_.SetStatus(tr("Partida pausada."));
    UpdateActions();
    if (hooks_.GameChanged)
        hooks_.GameChanged();
}

bool GameEnding::Resume()
{
    if (!paused_)
        return false;
    paused_ = false;
    board_->SetAcceptsMoves(true);
    clocks_->Resume();
    if (hooks_.SetStatus)
        hooks_.SetStatus(tr("Partida retomada."));
    UpdateActions();
    return true;
}

bool GameEnding::Ask(const QString& text) const
{
    if (question_)
        return question_(text);
    return QMessageBox::question(QApplication::activeWindow(), ApplicationTitle(), text) == QMessageBox::Yes;
}

void GameEnding::Resign()
{
    const auto side = ActingSide();
    if (!side || outcome_.IsOver())
        return;
    if (!Ask(Side(*side, QT_TRANSLATE_NOOP("GameEnding", "Abandonar a partida? As brancas perdem."),
                  QT_TRANSLATE_NOOP("GameEnding", "Abandonar a partida? As pretas perdem."))))
        return;
    if (!outcome_.IsOver())
        End(ResignationOutcome(*side));
}

void GameEnding::OfferDraw()
{
    const auto side = ActingSide();
    if (!side || outcome_.IsOver())
        return;
    const bool computerAnswers = board_->ComputerPlaysWhite() || board_->ComputerPlaysBlack();
    if (!computerAnswers) {
        if (Ask(Side(*side, QT_TRANSLATE_NOOP("GameEnding", "As brancas propõem empate. As pretas aceitam?"),
                     QT_TRANSLATE_NOOP("GameEnding", "As pretas propõem empate. As brancas aceitam?"))))
            End({GameResult::Draw, EndReason::Agreement});
        else if (hooks_.SetStatus)
            hooks_.SetStatus(tr("Empate recusado."));
        return;
    }
    if (judge_) {
        ComputerAnswers(judge_());
        return;
    }
    // The computer looks at the position briefly, on a thread of its own.
    if (analyser_ == nullptr) {
        analyser_ = new TBuiltinAnalyser(this);
        connect(analyser_, &TBuiltinAnalyser::Iteration, this, [this](std::uint64_t id, const TAnalysisReport& report) {
            if (id == offerId_)
                lastScore_ = report.Score.CappedCentipawns();
        });
        connect(analyser_, &TBuiltinAnalyser::Finished, this, [this](std::uint64_t id, const QString&) {
            if (id == offerId_ && !outcome_.IsOver())
                ComputerAnswers(board_->ComputerPlaysWhite() ? lastScore_ : -lastScore_);
        });
    }
    // The whole position, so a Chess960 game is judged by its own castling.
    const GameState state = board_->State();
    lastScore_ = 0;
    if (hooks_.SetStatus)
        hooks_.SetStatus(tr("O computador pensa na proposta…"));
    analyser_->Start(state, std::min(board_->SearchDepth(), DrawOfferDepthCap), DrawOfferTimeMs, ++offerId_);
}

void GameEnding::ComputerAnswers(int computerScore)
{
    if (ComputerAcceptsDraw(computerScore)) {
        End({GameResult::Draw, EndReason::Agreement});
        return;
    }
    const QString text = tr("O computador recusou o empate.");
    if (hooks_.SetStatus)
        hooks_.SetStatus(text);
    ShowMessage(text);
}

void GameEnding::ClaimDraw()
{
    if (outcome_.IsOver() || claimable_ == EndReason::None)
        return;
    End({GameResult::Draw, claimable_});
}
