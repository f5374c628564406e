// The position editor's twelve pieces: a click chooses the piece that a
// click on the board (or Enter) puts, and a piece dragged from here is put
// where it lands. The White pieces stand above the Black ones, each a
// button that screen readers name ("Rei branco").
#pragma once

#include "app/PositionEditorPieces.h"

#include <QWidget>

#include <array>

class QButtonGroup;
class QToolButton;

class PiecePalette : public QWidget {
    Q_OBJECT

public:
    explicit PiecePalette(QWidget* parent = nullptr);

    // The twelve letters in the palette's order.
    static constexpr std::array<char, 12> Letters{'K', 'Q', 'R', 'B', 'N', 'P', 'k', 'q', 'r', 'b', 'n', 'p'};

    // The chosen piece, EmptySquare when none is.
    char Chosen() const;
    void Choose(char piece);
    QToolButton* Button(char piece) const;

signals:
    void chosenChanged(char piece);

private:
    PositionEditorPieces pieces_;
    std::array<QToolButton*, 12> buttons_{};
    QButtonGroup* group_ = nullptr;
};
