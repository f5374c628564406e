// The choice of one game among those of a PGN file, for "Abrir partida…":
// every game is listed with its players, event, date, result and length;
// a game that cannot be read is listed greyed out with its reason. The list
// reads only the games it shows, so that a file of a hundred thousand games
// opens at once.
#pragma once

#include "app/PgnFileIndex.h"
#include "core/Pgn.h"

#include <QDialog>

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

class PgnGameListModel;
class QListView;

// The games to choose from: how many, and game i read on request.
struct PgnGameSource {
    std::size_t Count = 0;
    std::function<PgnGame(std::size_t)> Game;
};
PgnGameSource SourceOf(const std::vector<PgnGame>& games);
PgnGameSource SourceOf(const PgnFileIndex& index);

class PgnGameDialog : public QDialog {
    Q_OBJECT

public:
    explicit PgnGameDialog(PgnGameSource source, QWidget* parent = nullptr);

    // The index (in the file) of the game chosen; the first readable one
    // until the user picks another.
    std::optional<std::size_t> ChosenGame() const;
    QListView* List() const { return list_; }

    // One line of the list for a game.
    static QString Describe(const PgnGame& game);

private:
    PgnGameListModel* model_ = nullptr;
    QListView* list_ = nullptr;
};

// The game to open from a file's games: the only readable one without
// asking, else the one chosen in the dialog (nothing when cancelled).
// Throws std::runtime_error when the file holds no readable game.
std::optional<std::size_t> ChoosePgnGameFrom(const PgnGameSource& source, QWidget* parent);
std::optional<std::size_t> ChoosePgnGame(const std::vector<PgnGame>& games, QWidget* parent);

// Finds the games of a PGN file, showing the progress with a button to
// cancel when it takes long. Nothing when cancelled; throws as
// PgnFileIndex::Read does.
std::optional<PgnFileIndex> IndexPgnFileShowingProgress(const QString& fileName, QWidget* parent);
