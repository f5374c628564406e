// "Opções › Som de pouco tempo": a short sound each time a person's running
// clock passes ten seconds left. Off by default (then nothing is loaded or
// played); the computer's clock makes no sound; a take-back or a restored
// game does not count as passing (GameClocks::TenSecondsLeft). The sound,
// FX/lowtime.wav beside the program, plays through a SoundPlayer of its own
// that stays silent about a file it cannot play: a box in the middle of a
// time scramble would cost the person the game.
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class GameClocks;
class QAction;
class QMenu;
class SoundPlayer;
class TChessBoard;

class LowTimeSound : public QObject {
    Q_OBJECT

public:
    // The switch goes into `optionsMenu` right after `after` (at the end
    // when null); its state is remembered under Opcoes/SomDePoucoTempo.
    LowTimeSound(TChessBoard* board, GameClocks* clocks, QMenu* optionsMenu, QAction* after, QObject* parent);

    QAction* Switch() const { return switch_; }
    QString SoundFile() const { return soundFile_; }
    // Another file to play (tests: a missing one).
    void SetSoundFile(const QString& fileName);
    // Replaces the playing (tests count the requests); an empty function
    // plays the file again.
    void SetPlay(std::function<void()> play);

private:
    void ClockPassedTenSeconds(bool white);
    void PlaySound();
    void PrepareSound();

    TChessBoard* board_;
    QAction* switch_ = nullptr;
    QString soundFile_;
    std::function<void()> play_;
    SoundPlayer* player_ = nullptr; // made when first needed
};
