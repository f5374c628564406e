// The score sheet of a game, as "Partida › Imprimir partida…" prints it: a
// heading with the players, date, level and result, the moves in numbered
// algebraic notation in two columns, a diagram of the final position, and
// the page number at the foot of every page, within margins of 15 mm.
#pragma once

#include "app/EvaluationCurve.h"
#include "core/Game.h"
#include "core/San.h"

#include <QString>
#include <QStringList>

#include <vector>

class QPainter;
class QPrinter;
class QRectF;

// What the sheet says, in the order it says it.
struct ScoreSheetContent {
    QString Title;
    QStringList Heading; // "Brancas: …", "Pretas: …", "Data: …", ...
    struct Row {
        int Number = 1;
        QString White; // empty when the game starts with Black's move
        QString Black; // empty when the game ends with White's move
    };
    std::vector<Row> Rows;
    GameState Final;
    QString FinalFen;     // with the move counters of the game
    QString FinalCaption; // who is to move, or how the game ended
};

ScoreSheetContent ScoreSheetOf(const Game& game, const PieceLetters& letters = PortugueseLetters);

// Prints the sheet on `printer` (sets its margins and document name);
// returns the number of pages. Throws when the printer cannot print. With
// the curve of a review of the game, its graph follows the heading.
int PrintScoreSheet(const Game& game, QPrinter& printer, const std::vector<EvaluationPoint>& curve = {});

// The diagram of a position with the chess glyphs of FreeSerif in `square`
// (White at the bottom, coordinates outside the board).
void DrawDiagram(QPainter& painter, const QRectF& area, const GameState& state);
