// Why a typed move is refused, in one style: a sentence that names what was
// meant and why it cannot be played ("A torre não chega a h5: há uma peça
// no caminho."). The entry shows it when neither letter set reads the
// text as a legal move.
#pragma once

#include "core/GameState.h"

#include <QString>

#include <string>

// The reason the text names no legal move of the side to move, for a text
// that neither the Portuguese nor the English letters read as one.
QString MoveRefusal(const GameState& state, const std::string& text);

// "“Rf1” é ambíguo: pode ser h1f1 ou e1f1; escreva o lance com as casas,
// como h1f1."
QString AmbiguousLettersRefusal(const std::string& text, const std::string& first, const std::string& second);

// The board would not take a move the rules allow (its game has ended).
QString GameOverRefusal();
QString PausedRefusal();
// The computer is choosing its move.
QString ThinkingRefusal();
