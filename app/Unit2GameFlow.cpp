// The game window's whole-game flow: "Partida › Nova partida…" with its
// choices, the clocks beside the player boxes and the ends of a game
// beyond the board's rules (GameClocks, GameEnding), tied to the board's
// events, the commands and the game files.
#include "app/GameClocks.h"
#include "app/GameEnding.h"
#include "app/GameFiles.h"
#include "app/InstalledEngineOpponent.h"
#include "app/MoveAnnouncer.h"
#include "app/NewGameDialog.h"
#include "app/OpponentController.h"
#include "app/PositionDrawings.h"
#include "app/TypedMoveEntry.h"
#include "app/Unit2.h"
#include "board/ChessBoard.h"
#include "platform/ErrorBox.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QSettings>

namespace {

// Beside the player boxes, right of the turn marks' arrows.
constexpr QRect WhiteClockPlace(166, 508, 76, 25);
constexpr QRect BlackClockPlace(166, 468, 76, 25);

} // namespace

void TForm2::CreateGameFlow()
{
    Clocks = new GameClocks(
        ChessBoard1, Client, WhiteClockPlace, BlackClockPlace, [this](const QString& text) { Announcer->Say(text); },
        this);
    GameEnding::Hooks hooks;
    hooks.SetStatus = [this](const QString& text) { SetStatus(text); };
    hooks.NoticesOn = [this] { return AvisarFim1 != nullptr && AvisarFim1->isChecked(); };
    hooks.GameChanged = [this] {
        ScheduleGameChanged();
        GameFiles->GameMayHaveChanged();
    };
    Ending = new GameEnding(ChessBoard1, Clocks, std::move(hooks), this);
    MoveEntry->SetPauseCheck([this] { return Ending->Paused(); });
    // The option goes with the other switches, before the language's submenu.
    QAction* before = nullptr;
    const QList<QAction*> options = Opcoes1->actions();
    for (qsizetype i = 0; i < options.size(); ++i)
        if (Idioma1 != nullptr && options[i] == Idioma1->menuAction())
            before = i > 0 && options[i - 1]->isSeparator() ? options[i - 1] : options[i];
    // The game's own commands follow "Continuar": a new game, pausing, and
    // the ends a player chooses.
    const QList<QAction*> commands = Partida1->actions();
    QAction* after = commands.value(commands.indexOf(Continuar1) + 1);
    Partida1->insertSeparator(after);
    NovaPartida1 = new QAction(tr("Nova partida…"), this);
    NovaPartida1->setObjectName(QStringLiteral("NovaPartida1"));
    NovaPartida1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    Partida1->insertAction(after, NovaPartida1);
    Ending->AddMenuItems(Partida1, after, Opcoes1, before);
    connect(NovaPartida1, &QAction::triggered, this, [this] { NovaPartida1Click(NovaPartida1); });

    // The autosave keeps up with a running clock.
    connect(Clocks, &GameClocks::SecondPassed, GameFiles, &TGameFiles::GameMayHaveChanged);
    // A control stored before start-up applies to the first game.
    const QSettings settings(SettingsOrganisation(), SettingsApplication());
    std::tie(whiteControl_, blackControl_) = NewGameChoices::StoredTimeControls(settings);
    Clocks->StartGame(whiteControl_, blackControl_);

    // An installed engine chosen before plays again from the start.
    Engine = new TInstalledEngineOpponent(ChessBoard1, this);
    Engine->SetClock(&Clocks->Clock());
    connect(Engine, &TInstalledEngineOpponent::Failed, this, [](const QString& message) { ShowErrorBox(message); });
    NewGameChoices stored;
    stored.ReadStoredEngine(settings);
    StartInstalledEngine(stored);
}

void TForm2::StartInstalledEngine(const NewGameChoices& choices)
{
    const bool computerPlays = ChessBoard1->ComputerPlaysWhite() || ChessBoard1->ComputerPlaysBlack();
    if (!choices.InstalledEngine || !computerPlays) {
        Engine->Stop();
        return;
    }
    if (choices.EngineProgram.isEmpty()) {
        Engine->Stop();
        ShowErrorBox(tr("Nenhum motor instalado foi encontrado. Instale o pacote stockfish ou escolha o programa do "
                        "motor em Partida › Nova partida…; o computador do programa joga."));
        return;
    }
    if (!Engine->Active() || Engine->Program() != choices.EngineProgram || Engine->Elo() != choices.EngineElo)
        Engine->Start(choices.EngineProgram, choices.EngineElo);
}

void TForm2::ConnectGameFiles()
{
    GameFiles->AddToRecord = [this](Game& game) {
        Clocks->AddToRecord(game);
        Ending->AddToRecord(game);
        Drawings->WriteInto(game);
    };
    GameFiles->GamePut = [this](const Game& game, bool waits) {
        Clocks->StartFromRecord(game, false);
        Ending->RestoreFrom(game);
        Drawings->ReadFrom(game);
        // A timed game back after the program ended, or opened from a file
        // for study, waits for "Continuar": its clocks do not run meanwhile.
        if (waits && Clocks->Enabled() && !Ending->Over())
            Ending->Pause();
    };
    GameFiles->NewPosition = [this] {
        Ending->Reopen();
        Clocks->StartGame(whiteControl_, blackControl_);
    };
}

NewGameChoices TForm2::CurrentChoices() const
{
    NewGameChoices choices;
    choices.ComputerWhite = ChessBoard1->ComputerPlaysWhite();
    choices.ComputerBlack = ChessBoard1->ComputerPlaysBlack();
    choices.Level = &Opponent->Level();
    const QSettings settings(SettingsOrganisation(), SettingsApplication());
    choices.ReadStoredEngine(settings);
    choices.ReadStoredStart(settings);
    if (Engine->Active()) {
        choices.EngineProgram = Engine->Program();
        choices.EngineElo = Engine->Elo();
    }
    choices.White = whiteControl_;
    choices.Black = blackControl_;
    return choices;
}

void TForm2::NovaPartida1Click(QObject*)
{
    AskForNewGame(CurrentChoices());
}

void TForm2::AskForNewGame(const NewGameChoices& current)
{
    std::optional<NewGameChoices> chosen;
    if (newGameAsker_) {
        chosen = newGameAsker_(current);
    } else {
        NewGameDialog dialog(current, this);
        if (dialog.exec() == QDialog::Accepted)
            chosen = dialog.Choices();
    }
    if (chosen)
        StartNewGame(*chosen);
}

void TForm2::StartNewGame(const NewGameChoices& choices)
{
    // The boxes and the level's menu item set the board and remember the
    // choice, as when they are used themselves.
    (choices.ComputerBlack ? Computador1 : Humano1)->setChecked(true);
    (choices.ComputerWhite ? Computador2 : Humano2)->setChecked(true);
    // A searching level through its item of "Dificuldade"; a beginners'
    // level, which the menu does not list, directly.
    const QList<QAction*> levels = difficultyGroup_->actions();
    if (choices.Level != nullptr && !choices.Level->Beginner() && choices.Level->SearchDepth <= levels.size())
        levels[choices.Level->SearchDepth - 1]->trigger();
    else if (choices.Level != nullptr)
        Opponent->SetLevel(*choices.Level);
    whiteControl_ = choices.White;
    blackControl_ = choices.Black;
    QSettings settings(SettingsOrganisation(), SettingsApplication());
    NewGameChoices::StoreTimeControls(settings, whiteControl_, blackControl_);
    choices.StoreEngine(settings);
    if (choices.StartFen.empty())
        choices.StoreStart(settings);
    StartInstalledEngine(choices);
    Engine->NewGame();
    if (!choices.StartFen.empty())
        StartFromPosition(choices.StartFen);
    else if (choices.Chess960Number >= 0)
        StartChess960(choices.Chess960Number);
    else
        NovoJogo1Click(NovoJogo1);
}

void TForm2::StartClocksForNewGame()
{
    Ending->Reopen();
    Clocks->StartGame(whiteControl_, blackControl_);
}
