// The low-time sound of the game window (see LowTimeSound.h).
#include "app/LowTimeSound.h"

#include "app/GameClocks.h"
#include "app/SoundPlayer.h"
#include "board/ChessBoard.h"
#include "platform/DataPaths.h"
#include "platform/ProgramSettings.h"

#include <QAction>
#include <QMenu>
#include <QSettings>

namespace {

const QString SwitchKey = QStringLiteral("Opcoes/SomDePoucoTempo");

} // namespace

LowTimeSound::LowTimeSound(TChessBoard* board, GameClocks* clocks, QMenu* optionsMenu, QAction* after, QObject* parent)
    : QObject(parent)
    , board_(board)
    , soundFile_(ExecutableDir() + QStringLiteral("FX/lowtime.wav"))
{
    switch_ = new QAction(tr("Som de pouco tempo"), this);
    switch_->setObjectName(QStringLiteral("SomDePoucoTempo1"));
    switch_->setCheckable(true);
    switch_->setStatusTip(tr("Um som curto quando o seu relógio passa de dez segundos."));
    switch_->setChecked(ProgramSettings().value(SwitchKey, false).toBool());
    const QList<QAction*> options = optionsMenu->actions();
    const qsizetype at = options.indexOf(after);
    optionsMenu->insertAction(at >= 0 ? options.value(at + 1) : nullptr, switch_);
    connect(switch_, &QAction::toggled, this, [this](bool on) {
        ProgramSettings().setValue(SwitchKey, on);
        if (on)
            PrepareSound();
    });
    if (switch_->isChecked())
        PrepareSound();
    connect(clocks, &GameClocks::TenSecondsLeft, this, &LowTimeSound::ClockPassedTenSeconds);
}

void LowTimeSound::SetSoundFile(const QString& fileName)
{
    soundFile_ = fileName;
}

void LowTimeSound::SetPlay(std::function<void()> play)
{
    play_ = std::move(play);
}

void LowTimeSound::ClockPassedTenSeconds(bool white)
{
    if (!switch_->isChecked())
        return;
    if (white ? board_->ComputerPlaysWhite() : board_->ComputerPlaysBlack())
        return;
    if (play_)
        play_();
    else
        PlaySound();
}

void LowTimeSound::PrepareSound()
{
    if (player_ == nullptr) {
        player_ = new SoundPlayer(this);
        player_->SetReportsFailures(false);
    }
    // Decoded now, so that it starts at once when it is wanted.
    player_->Prepare({soundFile_});
}

void LowTimeSound::PlaySound()
{
    PrepareSound();
    player_->Play(soundFile_);
}
