// Only regular files are read as games: opening a FIFO waits for a writer
// for ever, and a device may never end. Anything else that exists under the
// name is refused before it is opened; a name that does not exist is left
// to the opening, which says so.
#pragma once

#include <QString>

#include <optional>

// Why `fileName` cannot be read as a game file ("Não é um arquivo comum, e
// sim um canal (FIFO)."), or nothing when it is a regular file, a link to
// one, or nothing at all.
std::optional<QString> NotARegularFile(const QString& fileName);
