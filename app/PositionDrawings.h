// The arrows and circles of every position of the game window's game:
// "Opções › Setas e círculos com o botão direito" turns the board's drawing
// on (remembered); what a person draws on a shown position is kept for that
// position, shown again whenever the board shows it (a move of the list, a
// take-back, a variation), written into the game's record as the %csl and
// %cal commands of the comment of the move that led there (the comment
// before the first move for the start), and read back from a game opened
// or restored. A position is known by its placement, side to move,
// castling rights and en passant square at the start and the moves from
// there, so that each line of a game keeps its own.
#pragma once

#include "core/DrawingComment.h"
#include "core/Game.h"

#include <QObject>

#include <map>
#include <string>

class QAction;
class QMenu;
class TChessBoard;

class TPositionDrawings : public QObject {
    Q_OBJECT

public:
    // The switch goes into `optionsMenu` before its first separator or
    // submenu; off until the person turns it on.
    TPositionDrawings(TChessBoard* board, QMenu* optionsMenu, QObject* parent = nullptr);

    QAction* SwitchAction() const { return switch_; }

    // The drawings of a game's positions, from its comments (the ones kept
    // so far are forgotten).
    void ReadFrom(const Game& game);
    // Writes the kept drawings into the game's comments; positions without
    // one lose the commands they had.
    void WriteInto(Game& game) const;
    // A new game: every drawing is forgotten.
    void Forget();
    // Shows on the board the drawing kept for the position it shows.
    void ShowShownPosition();

    // The drawing kept for the position after `plies` moves of `game`.
    BoardDrawing DrawingAt(const Game& game, std::size_t plies) const;

    // The key of a position: the start's FEN without its counters and the
    // moves from there in coordinates.
    static std::string StartKey(const GameState& start);
    static std::string KeyAfter(const std::string& key, const ChessMove& move);

signals:
    // A person changed a drawing (the game's record changed).
    void DrawingsChanged();

private:
    void KeepBoardDrawing();
    std::string ShownKey() const;

    TChessBoard* board_;
    QAction* switch_ = nullptr;
    std::map<std::string, BoardDrawing> drawings_;
};
