// "Partida › Nova partida…": one dialog for everything about the next
// game: who plays White and who plays Black (a person or the computer),
// the computer's level, the time control (none, a preset, or one of the
// player's own: base time, increment or delay, periods by moves, another
// control for Black) and the start. The choices are remembered (QSettings:
// Jogadores/ComputadorBrancas, Jogadores/ComputadorPretas, Jogo/Dificuldade,
// Partida/ControleDeTempo as a PGN string, Partida/ControleDeTempoPretas
// when Black's differs, Partida/Xadrez960, Partida/NumeroXadrez960 and
// Partida/Xadrez960Sorteado for a Chess960 start). The start is the usual
// position, a Chess960 one, or a position set up in the editor.
#pragma once

#include "core/TimeControl.h"
#include "engine/PlayingLevels.h"

#include <QDialog>

#include <string>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSettings;
class QSpinBox;
class QGroupBox;
class GameStartChooser;

struct NewGameChoices {
    bool ComputerWhite = false;
    bool ComputerBlack = true;
    // The computer's level, one of PlayingLevels(); none keeps the window's.
    const TPlayingLevel* Level = nullptr;
    // "Motor instalado": the program (empty: none found) plays the
    // computer's side at the rating; the level takes over if it fails.
    bool InstalledEngine = false;
    QString EngineProgram;
    int EngineElo = DefaultEngineElo;
    TimeControl White;
    TimeControl Black;
    // The FEN of a position set up to start from; empty for the usual start.
    std::string StartFen;
    // A Chess960 game's start by its number (0..959), -1 for standard
    // chess; Chess960Random: the number was drawn, and will be next time.
    int Chess960Number = -1;
    bool Chess960Random = false;

    static constexpr int DefaultEngineElo = 1500;
    // The installed engine's choices stored in the settings
    // (Partida/MotorInstalado, Partida/ProgramaDoMotor, Partida/ForcaDoMotor):
    // these three fields are read or written.
    void ReadStoredEngine(const QSettings& settings);
    void StoreEngine(QSettings& settings) const;

    // The Chess960 start stored in the settings: the two fields above.
    void ReadStoredStart(const QSettings& settings);
    void StoreStart(QSettings& settings) const;

    // The time controls stored in the settings (none when nothing or
    // nothing readable is stored); the players and level are the window's.
    static std::pair<TimeControl, TimeControl> StoredTimeControls(const QSettings& settings);
    static void StoreTimeControls(QSettings& settings, const TimeControl& white, const TimeControl& black);
};

// One side's own control: base minutes, bonus seconds and its kind, and
// optionally a number of moves after which more time comes.
class TimeControlEditor : public QWidget {
    Q_OBJECT

public:
    explicit TimeControlEditor(QWidget* parent = nullptr);
    TimeControl Value() const;
    void SetValue(const TimeControl& control);

    QDoubleSpinBox* Minutes = nullptr;
    QSpinBox* Bonus = nullptr;
    QComboBox* BonusKind = nullptr;
    QSpinBox* Moves = nullptr;
    QDoubleSpinBox* ThenMinutes = nullptr;

private:
    void UpdateEnabled();
};

class NewGameDialog : public QDialog {
    Q_OBJECT

public:
    explicit NewGameDialog(const NewGameChoices& current, QWidget* parent = nullptr);
    NewGameChoices Choices() const;

    QComboBox* WhitePlayer = nullptr;
    QComboBox* BlackPlayer = nullptr;
    QComboBox* Level = nullptr;
    QComboBox* Opponent = nullptr; // the program's levels, "Motor instalado"
    QLineEdit* EngineProgram = nullptr;
    QPushButton* BrowseEngine = nullptr;
    QSpinBox* EngineElo = nullptr;
    QComboBox* Clock = nullptr; // none, the presets, "Personalizado"
    QGroupBox* Custom = nullptr;
    TimeControlEditor* WhiteControl = nullptr;
    QCheckBox* BlackDiffers = nullptr;
    TimeControlEditor* BlackControl = nullptr;
    GameStartChooser* StartChooser = nullptr;
    QComboBox* Start = nullptr; // StartChooser's list

private:
    void ChooseEngineProgram();
    void SelectControl(const TimeControl& white, const TimeControl& black);
    void UpdateEnabled();
};
