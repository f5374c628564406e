// The game window's whole games: "Partida › Abrir partida…" and "Salvar
// partida…" (PGN files), "Copiar FEN" and "Colar FEN", "Imprimir partida…"
// (a score sheet), "Opções › Notação algébrica" for the move list, and the
// autosave that lets an unfinished game come back after the program ends,
// however it ends.
#pragma once

#include "core/Pgn.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

class MoveListText;
class PgnFileIndex;
class QAction;
class QCheckBox;
class QMenu;
class QPrinter;
class QTimer;
class QWidget;
class TChessBoard;

struct TGameReview;

// The review's marks as NAGs ($6 "?!", $2 "?", $4 "??") on the moves it
// judged, as long as the move at that place is still the one reviewed. The
// review counts moves as the board does; `numberShift` is what the game's
// numbers add to the board's (a game from a position of a later move).
void AddReviewMarks(Game& game, const TGameReview& review, int numberShift = 0);
// Whether every move of the review is still a move of the game at its
// place (the graph of the review belongs to the game).
bool ReviewFitsGame(const Game& game, const TGameReview& review, int numberShift = 0);

// The game window's parts TGameFiles works with.
struct TGameFilesControls {
    QWidget* Window = nullptr;    // the dialogs' parent, shown for a file named on the command line
    QMenu* GameMenu = nullptr;    // "Partida": the file commands go at its end
    QMenu* OptionsMenu = nullptr; // "Opções": "Notação algébrica" goes before its first separator or submenu
    QAction* NewGame = nullptr;   // "Jogo › Novo Jogo": the next game continues no opened one
    // The players' boxes (Black, then White) and the five levels, which show
    // what a game opened or restored says, and whose changes are saved.
    QCheckBox* ComputerBlack = nullptr;
    QCheckBox* HumanBlack = nullptr;
    QCheckBox* ComputerWhite = nullptr;
    QCheckBox* HumanWhite = nullptr;
    std::array<QAction*, 5> Levels{};
};

class TGameFiles : public QObject {
    Q_OBJECT

public:
    // The board's game, written with `moveText`'s notation and review; the
    // notation switch is kept in `moveText`.
    TGameFiles(TChessBoard* board, MoveListText* moveText, const TGameFilesControls& controls,
               QObject* parent = nullptr);
    ~TGameFiles() override;

    // The menu items.
    QAction* OpenAction() const { return openAction_; }
    QAction* SaveAction() const { return saveAction_; }
    QAction* CopyFenAction() const { return copyFenAction_; }
    QAction* PasteFenAction() const { return pasteFenAction_; }
    QAction* PrintAction() const { return printAction_; }
    QAction* PreviewAction() const { return previewAction_; }
    QAction* NotationAction() const { return notationAction_; }

    // ---- What the menu items do, without their dialogs ----
    // Opens a game of a PGN file (the one chosen when it holds several),
    // every move of it, for study: the computer does not go on with it until
    // "Continuar" or the person's move, and never with a finished one.
    // False when the choice was cancelled; throws with the Portuguese reason
    // (the file, the game, line and column) and leaves the game as it was.
    bool OpenGame(const QString& fileName);
    // Writes the game (with its players, level and the review's marks).
    void SaveGame(const QString& fileName) const;
    // The game as it is saved and printed. A game opened from a file keeps
    // its tags as the file gave them (players, level, date); one played
    // here gets them from the window.
    Game CurrentGame() const;
    // The game has a result: a finished game opened from a file, or one the
    // rules ended. "Continuar" does not go on with it.
    bool GameHasEnded() const;
    // "Partida › Continuar": false when the game has ended (nothing goes
    // on); otherwise an opened game no longer waits.
    bool MayContinue();
    // An opened game waits for "Continuar" or the person's move, and a
    // finished one for ever, whatever the player boxes say.
    bool ComputerWaits() const;
    // The shown position in FEN, with the game's move counters.
    QString ShownFen() const;
    // Sets up the position of a FEN as a new game; throws with the reason
    // (nothing changes) when the text is no possible position.
    void PasteFen(const QString& text);
    // A new game from a position that can stand (a Chess960 start, say).
    void StartFrom(const FenPosition& position);
    // Prints the score sheet on `printer`, with the graph of the review when
    // the game is still the one reviewed; returns the pages printed.
    int PrintScoreSheet(QPrinter& printer) const;
    // The first of the files named on the command line, shown in the game
    // window; a file that cannot be opened is reported.
    void OpenFilesFromCommandLine(const QStringList& files);

    // Replaces the dialog that picks one game of a file with several
    // (tests); an empty function brings the dialog back.
    using GameChooser = std::function<std::optional<std::size_t>(const PgnFileIndex&)>;
    void SetGameChooser(GameChooser chooser) { chooser_ = std::move(chooser); }

    // ---- What the rest of the window adds to a game record ----
    // Called on every record of the board's game (save, autosave, print):
    // the clocks' tags and comments and how the game ended.
    std::function<void(Game&)> AddToRecord;
    // A recorded game is on the board. `waits`: it comes back from the
    // autosave or is opened from a file, and its clocks wait for play to
    // go on; false for a position pasted to start a game from.
    std::function<void(const Game& game, bool waits)> GamePut;
    // A pasted position begins a new game.
    std::function<void()> NewPosition;

    // ---- The move list of a game with variations (MoveListText) ----
    // Shows the position of a line of such a list, putting the variation's
    // line on the board when it is another one; the game stays as it was
    // opened. False when the list holds no such lines (the window then goes
    // to the board's own slot).
    bool ShowListLine(int row);
    // The line of the shown position in such a list (-1: none), or nothing
    // when the list is the board's own.
    std::optional<int> ListLineShown() const;

    // ---- Autosave ----
    // The board's moves and changes of the shown position, the players'
    // boxes, the levels and the review reach these; the autosave follows
    // once the change is complete.
    void MoveStarted();
    void GameMayHaveChanged();
    // Writes the autosave now when the game changed since the last write
    // (removes it once the game has ended).
    void AutosaveNow();
    // At start-up: puts an unfinished autosaved game on the board, with its
    // players and level. True when a game was restored.
    bool RestoreAutosave();

signals:
    // A game opened, pasted or restored has replaced the board's game (its
    // moves replayed without their events), with its players shown.
    void GamePutOnBoard();

private:
    void CreateMenus();
    void OpenWithDialog();
    void SaveWithDialog();
    void CopyFen();
    void PasteFenFromClipboard();
    void PrintWithDialog();
    void PreviewPrint();
    // `opened`: a game opened from a file, shown for study; the computer
    // waits. Otherwise the computer plays if it is to move. `restored`: the
    // game comes from the autosave.
    void PutOnBoard(const Game& game, std::size_t ply, bool opened, bool restored = false);
    void HoldComputerOnOpenedGame();
    void ShowPlayers();

    TChessBoard* board_;
    MoveListText* moveText_;
    TGameFilesControls controls_;
    QAction* openAction_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* copyFenAction_ = nullptr;
    QAction* pasteFenAction_ = nullptr;
    QAction* printAction_ = nullptr;
    QAction* previewAction_ = nullptr;
    QAction* notationAction_ = nullptr;
    GameChooser chooser_;
    // The game last opened or restored: its tags, comments and result go
    // on with the moves played on the board.
    Game base_;
    bool opened_ = false;  // base_ was opened from a file
    bool waiting_ = false; // ... and no one has moved or said "Continuar" since
    QTimer* autosaveTimer_ = nullptr;
    QString lastAutosave_;
    int moveLoopLevel_ = -1; // the event loop a move began in, while it may be under way
    bool autosaveFailed_ = false;
    QString openFolder_;
    QString saveName_;
};
