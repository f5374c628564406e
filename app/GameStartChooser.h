// Where the next game starts, in "Partida › Nova partida…": the usual
// position, a Chess960 start ("Xadrez 960") by its number or drawn at
// random, or a position set up in the editor (offered only when there is
// one).
#pragma once

#include <QWidget>

#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

class GameStartChooser : public QWidget {
    Q_OBJECT

public:
    // With a `chess960Number` (0..959; -1: none) the Chess960 item is
    // chosen and its row shows the number, else the usual array's; `random`
    // ticks "Sorteada". A set-up position (its FEN, empty for none) is
    // offered, and then chosen.
    GameStartChooser(int chess960Number, bool random, std::string setUpFen, QWidget* parent = nullptr);

    // The set-up position's FEN when it is chosen, else empty.
    std::string SetUpFen() const;
    bool Chess960Chosen() const;
    bool Random() const;
    // The chosen Chess960 start's number, drawn anew on each call when it
    // is to be random; -1 when Chess960 is not chosen.
    int Chess960Number() const;

    QComboBox* Start = nullptr;
    QSpinBox* Number = nullptr;
    QCheckBox* RandomBox = nullptr;
    // The first rank of the numbered start, in piece figures.
    QLabel* BackRank = nullptr;

private:
    void UpdateRow();

    int chess960Item_ = 1;
    int setUpItem_ = -1;
    std::string setUpFen_;
};
