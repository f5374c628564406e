// The reasons the core's readers give for refusing a FEN, a move or a PGN
// game, worded in the interface language. Every window that shows such a
// reason takes its words from here; in Portuguese they are the core's own
// (PortugueseReason), word for word.
#pragma once

#include "core/NotationError.h"

#include <QString>

QString NotationErrorText(const NotationError& error);
