// TForm2: the main game window. The board ChessBoard1 on the right; down
// the left side the move list, the status line, the print button and the
// two pairs of player check boxes. The window does no chess work of its
// own: it configures the board, calls a few of its operations and reacts
// to its events.
#pragma once

#include "app/GameFile.h"
#include "app/NewGameDialog.h"
#include "core/Square.h"
#include "platform/ProgramSettings.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QString>
#include <QVariant>

#include <functional>
#include <optional>
#include <utility>

class GameClocks;
class GameEnding;
class LowTimeSound;
class MoveAnnouncer;
class MoveListText;
class TypedMoveEntry;
class MoveListBox;
class QAction;
class QActionGroup;
class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class QSettings;
class QTimer;
class QWidget;
class TAnalysisController;
class TChessBoard;
class TGameFiles;
class TOpeningNameDisplay;
class TOpponentController;
class TPositionDrawings;
class TTrainingController;
class TInstalledEngineOpponent;

// The board's slot shown by a line of the move list, counted from 0: the
// full-move number and whether White is to move there (the position just
// after the line's move).
std::pair<int, bool> MoveSlotOfLine(int lineIndex);

// The status line's texts, in the interface language.
namespace StatusText {
inline QString Initial()
{
    return QCoreApplication::translate("StatusText", "Status");
}
inline QString Capture()
{
    return QCoreApplication::translate("StatusText", "Peça capturada!");
}
inline QString Promotion()
{
    return QCoreApplication::translate("StatusText", "Peão promovido!");
}
inline QString Check()
{
    return QCoreApplication::translate("StatusText", "Cheque!");
}
inline QString Mate()
{
    return QCoreApplication::translate("StatusText", "Cheque Mate!");
}
inline QString Draw()
{
    return QCoreApplication::translate("StatusText", "Empate!");
}
inline QString IllegalMove()
{
    return QCoreApplication::translate("StatusText", "Movimento ilegal!");
}
} // namespace StatusText

class TForm2 : public QMainWindow {
    Q_OBJECT

public:
    // designMode builds the board without its search thread (tests).
    explicit TForm2(QWidget* parent = nullptr, bool designMode = false);
    ~TForm2() override;

    // The side windows the menus show; until set, their items do nothing.
    void SetMediaPlayerWindow(QWidget* form4) { Form4 = form4; }
    void SetOnlineWindow(QWidget* form6) { Form6 = form6; }
    void SetAboutWindow(QWidget* form8) { Form8 = form8; }

    // Where "Regras" and "História" find their documents.
    // With the English interface, their English versions where installed.
    static QString RulesDocument();
    static QString HistoryDocument();

    // ---- Controls ----
    QWidget* Client = nullptr;
    QLabel* Label1 = nullptr;
    MoveListBox* ListBox1 = nullptr;
    QLabel* Panel1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Image1 = nullptr;
    QCheckBox* Computador1 = nullptr;
    QCheckBox* Humano1 = nullptr;
    QLabel* Image2 = nullptr;
    QCheckBox* Computador2 = nullptr;
    QCheckBox* Humano2 = nullptr;
    TChessBoard* ChessBoard1 = nullptr;
    // The move list's text: its notation and the review's marks, which the
    // list and the helpers below share.
    MoveListText* MoveText = nullptr;
    // The helpers, each given what it works with; none knows another. They
    // hear the board through its signals.
    // Hint, analysis panel, review and the analysing engine (AnalysisController).
    TAnalysisController* Analysis = nullptr;
    MoveAnnouncer* Announcer = nullptr;  // the moves in words, for listeners
    TypedMoveEntry* MoveEntry = nullptr; // moves typed on the keyboard
    // Game files, FEN, the score sheet, algebraic notation, the autosave (GameFiles).
    TGameFiles* GameFiles = nullptr;
    // The clocks of a timed game, and the ends beyond the board's rules:
    // pause, resign, draws, the flag (GameClocks, GameEnding).
    GameClocks* Clocks = nullptr;
    GameEnding* Ending = nullptr;
    // "Som de pouco tempo": a person's clock passing ten seconds (LowTimeSound).
    LowTimeSound* LowTime = nullptr;
    // The level among all seven and the opening book (OpponentController).
    TOpponentController* Opponent = nullptr;
    // "Mostrar nome da abertura" (OpeningNameDisplay).
    TOpeningNameDisplay* OpeningName = nullptr;
    // The arrows and circles of each position and their switch (PositionDrawings).
    TPositionDrawings* Drawings = nullptr;
    // "Treinar": exercises, the person's mistakes, progress (TrainingController).
    TTrainingController* Training = nullptr;
    // "Motor instalado" chosen in "Nova partida…" (InstalledEngineOpponent).
    TInstalledEngineOpponent* Engine = nullptr;

    // ---- Menus ----
    QMenu* Kestravin1 = nullptr;
    QAction* NovoJogo1 = nullptr;
    QMenu* Dificuldade1 = nullptr;
    QAction* SuperFcil1 = nullptr;
    QAction* Fcil1 = nullptr;
    QAction* Difcil1 = nullptr;
    QAction* Difcil2 = nullptr;
    QAction* SuperDifcil1 = nullptr;
    QAction* Abrir1 = nullptr;
    QAction* Salvar1 = nullptr;
    QAction* Sair1 = nullptr;
    QMenu* Partida1 = nullptr; // commands on the game (the program's additions)
    QMenu* Opcoes1 = nullptr;  // switches of the program's additions
    QMenu* Treinar1 = nullptr; // exercises and progress (TrainingController)
    QMenu* Idioma1 = nullptr;  // Opções › Idioma
    QMenu* Online1 = nullptr;
    QAction* Jogar1 = nullptr;
    QMenu* MediaPlayer1 = nullptr;
    QAction* Abrir3 = nullptr;
    QMenu* Ajuda1 = nullptr;
    QAction* Regras1 = nullptr;
    QAction* Histria1 = nullptr;
    QAction* Sobre1 = nullptr;

    // ---- The program's additions: "Partida" ----
    QAction* NovaPartida1 = nullptr;    // Ctrl+Shift+N
    QAction* MontarPosicao1 = nullptr;  // Ctrl+Shift+M
    QAction* VirarTabuleiro1 = nullptr; // Ctrl+F
    QAction* VoltarLance1 = nullptr;    // Ctrl+Z
    QAction* RefazerLance1 = nullptr;   // Ctrl+Shift+Z
    QAction* Continuar1 = nullptr;      // Ctrl+Enter, Ctrl+Return
    // ---- "Opções": switches remembered between runs, all off at first ----
    QAction* MoverComCliques1 = nullptr;
    QAction* DestacarUltimoLance1 = nullptr;
    QAction* DestacarXeque1 = nullptr;
    QAction* MostrarLancesPossiveis1 = nullptr;
    QAction* EscolherPeca1 = nullptr;
    QAction* MostrarVez1 = nullptr;
    QAction* AcompanharLista1 = nullptr;
    QAction* AvisarFim1 = nullptr;
    QAction* AnimacaoLenta1 = nullptr;
    // The marks of the side to move, beside the Black and the White players
    // ("Mostrar de quem é a vez"); hidden while the switch is off.
    QLabel* TurnMark1 = nullptr;
    QLabel* TurnMark2 = nullptr;

    // Where the window keeps the user's choices: organisation "Kestravin",
    // application "Kestravin 2005".
    static QString SettingsOrganisation() { return ProgramSettingsOrganisation(); }
    static QString SettingsApplication() { return ProgramSettingsApplication(); }
    // The step of the slow animation: AnimationDelay, in ms per pixel.
    static constexpr int SlowAnimationDelay = 1;

    // ---- Game files ----
    GameSaveDialog Salvar;
    GameOpenDialog Abrir;

    // ---- Handlers ----
    void FormShow(QObject* Sender);
    void NovoJogo1Click(QObject* Sender);
    void SuperFcil1Click(QObject* Sender);
    void Fcil1Click(QObject* Sender);
    void Difcil1Click(QObject* Sender);
    void Difcil2Click(QObject* Sender);
    void SuperDifcil1Click(QObject* Sender);
    void Abrir1Click(QObject* Sender);
    void Salvar1Click(QObject* Sender);
    void Sair1Click(QObject* Sender);
    void Jogar1Click(QObject* Sender);
    void Abrir3Click(QObject* Sender);
    void Regras1Click(QObject* Sender);
    void Histria1Click(QObject* Sender);
    void Sobre1Click(QObject* Sender);
    void BitBtn1Click(QObject* Sender);

    void ChessBoard1LegalMove(QObject* Sender, Square oldSq, Square newSq);
    void ChessBoard1IllegalMove(QObject* Sender, Square square);
    void ChessBoard1Capture(QObject* Sender, Square oldSq, Square newSq, char CapturedPiece);
    void ChessBoard1Promotion(QObject* Sender, Square oldSq, Square newSq, char& NewPiece);
    void ChessBoard1Check(QObject* Sender, Square oldSq, Square newSq);
    void ChessBoard1Mate(QObject* Sender, Square oldSq, Square newSq);
    void ChessBoard1Draw(QObject* Sender);

    void ListBox1Click(QObject* Sender);
    void Computador1Click(QObject* Sender);
    void Humano1Click(QObject* Sender);
    void Computador2Click(QObject* Sender);
    void Humano2Click(QObject* Sender);

    // ---- The program's additions ----
    void NovaPartida1Click(QObject* Sender);
    void VirarTabuleiro1Click(QObject* Sender);
    // The choices of the next game, as "Nova partida…" last left them.
    NewGameChoices CurrentChoices() const;
    // Applies the choices (players, level, time control) and starts a new
    // game with them, from their start position.
    void StartNewGame(const NewGameChoices& choices);
    // Starts, keeps or ends the installed engine as chosen.
    void StartInstalledEngine(const NewGameChoices& choices);
    // Replaces the dialog of "Nova partida…" (tests); an empty function
    // brings the dialog back.
    using NewGameAsker = std::function<std::optional<NewGameChoices>(const NewGameChoices&)>;
    void SetNewGameAsker(NewGameAsker asker) { newGameAsker_ = std::move(asker); }
    // "Montar posição…": the editor, from the shown position; a game or the
    // analysis starts from what it sets up (Unit2PositionEditor.cpp).
    void MontarPosicao1Click(QObject* Sender);
    // "Nova partida…" with the position of `fen` as the start.
    void PlayFromPosition(const QString& fen);
    // The position of `fen` on the board between two people, with the
    // analysis panel shown.
    void AnalysePosition(const QString& fen);
    void VoltarLance1Click(QObject* Sender);
    void RefazerLance1Click(QObject* Sender);
    void Continuar1Click(QObject* Sender);
    // Half-moves "Voltar lance" and "Refazer lance" would take back or play
    // again now (0: the command has nothing to do). Against the computer a
    // step reaches the person's previous or next turn.
    int StepToPersonsTurn(int available, int whenNone) const;
    int TakeBackStep() const;
    int RedoStep() const;
    // The text of the end of the game in the current position (mate,
    // stalemate, threefold repetition, too little material), or empty.
    QString EndOfGameText() const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void CreateControls();
    void CreateMenus();
    void CreateLanguageMenu();
    void SetAccessibleNames();
    void ApplyBoardSettings();
    void ConnectBoardEvents();
    void ConnectControls();
    void CreateHelpers();
    void SetLevelTips();
    void SetStatus(const QString& text);
    void OpenHelpDocument(const QString& relativeName);
    void SetSearchDepthFromMenu(int depth);

    // The program's additions (GamePlayActions.cpp, WindowSettings.cpp).
    void CreatePlayActions();
    void CreateOptionActions();
    void LoadSettings();
    void SaveSetting(const QString& key, const QVariant& value) const;
    void SaveWindowPosition() const;
    // After anything that changes the game or the side to move: the
    // commands' states, the turn marks and the list's current line.
    void GameChanged();
    // The same once the current event is done (from inside a move's events).
    void ScheduleGameChanged();
    void UpdatePlayActions();
    void UpdateTurnMarks();
    void FollowMoveList();
    void RebuildMoveList();
    // Rebuilds the list when its lines differ from its text.
    void RefreshMoveList();
    // Puts the review's marks on the list's lines, as long as the list
    // shows the game's lines.
    void ShowReviewMarks();
    void AnnounceEndOfGame();
    void KeepResultAfterRefusedMove();
    // Puts the window where it stood last time; false when nothing usable
    // is stored.
    bool RestoreWindowPosition();
    // The computer plays the side to move after a command that left its
    // thread stopped.
    void LetComputerMove();

    void CreateGameFlow();
    void CreatePositionEditorAction();
    // The dialog of "Nova partida…" (or its replacement) from `current`.
    void AskForNewGame(const NewGameChoices& current);
    // A new game from the position of a FEN, as pasted.
    void StartFromPosition(const std::string& fen);
    // A Chess960 game from start position `number` (0..959).
    void StartChess960(int number);
    void ConnectGameFiles();
    void StartClocksForNewGame();

    QTimer* thinkingWatch_ = nullptr;
    NewGameAsker newGameAsker_;
    TimeControl whiteControl_; // the time controls of the next games
    TimeControl blackControl_;
    QTimer* gameChangedTimer_ = nullptr;
    // After "Novo Jogo" the list shows the old game until the new game's
    // first move rebuilds it: refreshing leaves it alone.
    bool oldGameListed_ = false;
    bool noMaterialAnnounced_ = false;
    bool shownOnce_ = false;

    QActionGroup* difficultyGroup_ = nullptr;
    QWidget* Form4 = nullptr;
    QWidget* Form6 = nullptr;
    QWidget* Form8 = nullptr;
    bool centred_ = false;
};
