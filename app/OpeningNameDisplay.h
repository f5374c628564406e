// "Opções › Mostrar nome da abertura": with it on, the game window's title
// names the opening being played (ECO code and name, the family in
// Portuguese where one is in common use), the game chooser names each
// game's opening, and saved games carry ECO and Opening tags. Off by
// default. A Chess960 game has no opening names; its title says so and
// names the start position by its number, whatever the switch.
#pragma once

#include <QObject>
#include <QString>

struct GameState;
class QAction;
class QMenu;
class QWidget;
class TChessBoard;

class TOpeningNameDisplay : public QObject {
    Q_OBJECT

public:
    // Adds the switch to the options menu (before its first separator);
    // window is the window whose title shows the name, and the owner.
    TOpeningNameDisplay(TChessBoard* board, QMenu* options, QWidget* window);

    QAction* Action() const { return action_; }
    // The name shown for the board's game ("C60 Abertura Espanhola",
    // "Xadrez 960 nº 123"), empty when the game has reached no named
    // position.
    QString CurrentName() const;
    // "Xadrez 960 nº 123" for a Chess960 start, "Xadrez 960" for another
    // Chess960 position.
    static QString Chess960Name(const GameState& start);
    void Refresh();

private:
    TChessBoard* board_;
    QWidget* window_;
    QAction* action_ = nullptr;
    QString shownName_;
};
