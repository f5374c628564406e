// What keeps a position set up in the editor from being played, in the
// interface language: one sentence for each problem the core's
// PositionProblems names, and for a FEN typed with a broken syntax the
// reader's own reason.
#pragma once

#include "core/NotationError.h"

#include <QString>
#include <QStringList>

#include <vector>

// The sentence for one problem ("Falta o rei branco.").
QString PositionProblemText(const NotationError& problem);
// One sentence a problem, in the order given, but the pawns on an edge
// rank in one sentence with all their squares.
QStringList PositionProblemTexts(const std::vector<NotationError>& problems);
