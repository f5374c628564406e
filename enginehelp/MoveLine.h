// Lines of moves as the game window writes them, and the checks a line from
// an outside engine must pass before it is shown.
#pragma once

#include "core/GameState.h"

#include <QString>
#include <QStringList>

// The name the built-in engine goes by in menus and reports.
QString BuiltinEngineName();

// Plays the UCI moves from the state; the number of moves that were legal
// one after the other (the state ends after the last of them).
int PlayUciMoves(GameState& state, const QStringList& uciMoves);

// Whether the UCI move is legal in the state.
bool IsLegalUciMove(const GameState& state, const QString& uciMove);

// How the move list writes a move: its squares ("G1-F3", the list's
// default) or SAN with Portuguese piece letters ("Cf3", with "Notação
// algébrica").
enum class TMoveNotation { Coordinates, Algebraic };

// The legal beginning of a line written as the move list does, with move
// numbers: "12. G1-F3 B8-C6 13. E2-E4", "12... B8-C6 13. E2-E4" when Black
// begins; a promotion adds the piece: "E7-E8=D". In algebraic notation
// "12. Cf3 Cc6 13. e4", a promotion "e8=D".
QString MoveLineText(const GameState& state, const QStringList& uciMoves,
                     TMoveNotation notation = TMoveNotation::Coordinates);

// The state's position as a FEN record for a UCI engine (core's WriteFen);
// the move number is the state's, the half-move clock 0.
QString StateToFen(const GameState& state);

// A position an engine can be asked about: its FEN passes the core's
// judgement (CheckPosition), as any FEN the program reads must.
bool IsAnalysablePosition(const GameState& state);
