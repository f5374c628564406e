// The text of the game window's move list: the recorded game's half-moves,
// one a line, as the board writes them ("12. G1-F3") or in algebraic
// notation with Portuguese letters ("12. Cf3"), each followed by the last
// review's mark ("3. Dxe5+ ??") while the move at its place is still the
// move reviewed. The list, the game files and the engine help all write
// moves through it, so they share the notation and the review.
#pragma once

#include "app/MoveTreeLines.h"
#include "core/Game.h"
#include "enginehelp/GameReview.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class GameHistory;

class MoveListText : public QObject {
    Q_OBJECT

public:
    explicit MoveListText(QObject* parent = nullptr);

    // "Opções › Notação algébrica".
    bool Algebraic() const { return algebraic_; }
    void SetAlgebraic(bool on);
    // The last review (empty before one); its marks go on the lines.
    const TGameReview& Review() const { return review_; }
    void SetReview(const TGameReview& review);

    // The game the board's moves continue (opened, pasted or restored; an
    // empty game for a new one): its first move number goes on the lines
    // when the history starts at its position, and its variations follow
    // the moves they replace while the history plays one of its lines.
    void SetGame(const Game& game);
    // The game has variations to show.
    bool ShowsGameTree() const;

    // The lines of the history's recorded game. `pendingPromotion` is the
    // piece a pawn becomes while its promotion is not yet recorded (the
    // board's PromotionPiece).
    QStringList Lines(const GameHistory& history, char pendingPromotion) const;
    // The lines the last call of Lines wrote with the game's variations,
    // each with the line of play it shows; empty when it wrote the board's.
    const std::vector<MoveTreeLine>& TreeLines() const { return treeLines_; }
    // The half-move played from a slot in algebraic notation ("Cf3");
    // nothing when it is no move of chess there (a position set by hand).
    static std::optional<QString> AlgebraicMove(const GameHistory& history, int moveNumber, bool white,
                                                char pendingPromotion);

signals:
    void NotationChanged(bool algebraic);
    void ReviewChanged();

private:
    QStringList BoardLines(const GameHistory& history, char pendingPromotion) const;
    QStringList Marked(QStringList lines, const GameHistory& history) const;

    bool algebraic_ = false;
    TGameReview review_;
    Game game_;
    mutable std::vector<MoveTreeLine> treeLines_;
};
