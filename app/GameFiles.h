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
// judged, as long as the move at that place is still the one reviewed.
void AddReviewMarks(Game& game, const TGameReview& review);

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
    // Opens a game of a PGN file (the one chosen when it holds several).
    // False when the choice was cancelled; throws with the Portuguese reason
    // (the file, the game, line and column) and leaves the game as it was.
    bool OpenGame(const QString& fileName);
    // Writes the game (with its players, level and the review's marks).
    void SaveGame(const QString& fileName) const;
    // The game as it is saved and printed.
    Game CurrentGame() const;
    // The shown position in FEN.
    QString ShownFen() const;
    // Sets up the position of a FEN as a new game; throws with the reason
    // (nothing changes) when the text is no possible position.
    void PasteFen(const QString& text);
    // Prints the score sheet on `printer`; returns the pages printed.
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
    // A recorded game is on the board (`restored`: from the autosave).
    std::function<void(const Game& game, bool restored)> GamePut;
    // A pasted position begins a new game.
    std::function<void()> NewPosition;

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
    void PutOnBoard(const Game& game, std::size_t ply, bool restored = false);
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
    QTimer* autosaveTimer_ = nullptr;
    QString lastAutosave_;
    int moveLoopLevel_ = -1; // the event loop a move began in, while it may be under way
    bool autosaveFailed_ = false;
    QString openFolder_;
    QString saveName_;
};
