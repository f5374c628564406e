// The choice of one game among those of a PGN file, for "Abrir partida…":
// every game is listed with its players, event, date, result and length;
// a game that cannot be read is listed greyed out with its reason.
#pragma once

#include "core/Pgn.h"

#include <QDialog>

#include <cstddef>
#include <optional>
#include <vector>

class QListWidget;

class PgnGameDialog : public QDialog {
    Q_OBJECT

public:
    PgnGameDialog(const std::vector<PgnGame>& games, QWidget* parent = nullptr);

    // The index (in the file) of the game chosen; the first readable one
    // until the user picks another.
    std::optional<std::size_t> ChosenGame() const;
    QListWidget* List() const { return list_; }

    // One line of the list for a game.
    static QString Describe(const PgnGame& game);

private:
    QListWidget* list_ = nullptr;
};

// The game to open from a file's games: the only readable one without
// asking, else the one chosen in the dialog (nothing when cancelled).
// Throws std::runtime_error when the file holds no readable game.
std::optional<std::size_t> ChoosePgnGame(const std::vector<PgnGame>& games, QWidget* parent);
