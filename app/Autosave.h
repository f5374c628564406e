// The game in progress kept on disk (see GameRecord.h for the file itself):
// what the game window finds at start-up. An autosave that cannot be read is
// moved aside under a name of its own, so that it is neither lost nor read
// again at every start; one of a game that has ended is removed.
#pragma once

#include "core/Game.h"

#include <QDateTime>
#include <QString>

#include <optional>

// Whether a recorded game is over: by the rules of its final position or
// by its result (a resignation, an agreed draw).
bool GameHasEnded(const Game& game);
// A game ended by something its final position does not show (a flag fall,
// a resignation, a draw agreed or claimed, the 75-move or fivefold rule)
// stays in the autosave until a new game starts, so that it can still be
// looked at and saved after the program ends.
bool KeptAfterItsEnd(const Game& game);

struct AutosaveFound {
    std::optional<Game> Value; // the unfinished game saved, if any
    QString SetAsideAs;        // where an unreadable autosave went, else empty
    QString Problem;           // why it could not be read
};

// Reads the autosave. An unreadable one is renamed
// "autosave.pgn.ilegivel-<yyyyMMdd-HHmmss>" beside it; one whose game has
// ended is removed. Temporary files left by a write that was interrupted
// are removed too.
AutosaveFound TakeAutosave(const QDateTime& now = QDateTime::currentDateTime());

// Moves the autosave aside (a game the board refused, say); returns its new
// name, empty when it could only be removed.
QString SetAsideAutosave(const QDateTime& now = QDateTime::currentDateTime());

// The name an unreadable autosave is given.
QString SetAsideAutosaveName(const QDateTime& when);
