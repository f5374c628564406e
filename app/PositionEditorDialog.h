// "Partida › Montar posição…": a position set up by hand or from a FEN.
// The board and the palette place the pieces; buttons give the start
// position, an empty board and the board turned over; the side to move,
// the castling rights (only those the placement allows), the en passant
// square (only a possible one), the move number and the half-move clock
// complete it; the FEN field follows all of it and takes a FEN typed or
// pasted. Whatever makes the position impossible is listed at once, and
// "Jogar a partir daqui" and "Analisar" wait, with the reason beside them,
// until nothing is.
#pragma once

#include <QDialog>
#include <QString>

#include <array>

class PiecePalette;
class PositionEditorBoard;
class PositionEditorModel;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class SpokenNotice;

class PositionEditorDialog : public QDialog {
    Q_OBJECT

public:
    // What the person chose to do with the position.
    enum class Outcome { None, Play, Analyse };

    // Starts from the position of `fen` (the start position when it cannot
    // be read).
    explicit PositionEditorDialog(const QString& fen, QWidget* parent = nullptr);

    PositionEditorModel* Model() const { return model_; }
    Outcome Chosen() const { return outcome_; }
    // The position's FEN, as a game or the analysis starts from it.
    QString Fen() const;
    // The problems as listed (empty when the position can be played).
    QStringList ProblemTexts() const { return problems_; }

    PositionEditorBoard* Board = nullptr;
    PiecePalette* Palette = nullptr;
    QPushButton* StartButton = nullptr;
    QPushButton* EmptyButton = nullptr;
    QPushButton* TurnButton = nullptr;
    QRadioButton* WhiteToMove = nullptr;
    QRadioButton* BlackToMove = nullptr;
    // White O-O, White O-O-O, Black O-O, Black O-O-O.
    std::array<QCheckBox*, 4> Castling{};
    QComboBox* EnPassant = nullptr;
    QSpinBox* MoveNumber = nullptr;
    QSpinBox* HalfMoveClock = nullptr;
    QLineEdit* FenField = nullptr;
    QLabel* ProblemList = nullptr;
    QLabel* Reason = nullptr;
    QPushButton* PlayButton = nullptr;
    QPushButton* AnalyseButton = nullptr;
    QPushButton* CloseButton = nullptr;
    // Tells screen readers when the problems change, wherever the focus is.
    SpokenNotice* ProblemNotice = nullptr;

private:
    void CreateControls();
    void ConnectControls();
    // Every control shows the model; the FEN field too unless it is the
    // source of the change.
    void ShowModel();
    void FenEdited(const QString& text);
    void ShowProblems();
    void Finish(Outcome outcome);

    PositionEditorModel* model_;
    Outcome outcome_ = Outcome::None;
    QStringList problems_;
    bool problemsShown_ = false;
    // The FEN field's syntax refusal, while what is typed cannot be read.
    QString fenError_;
    bool showing_ = false;
    bool typing_ = false;
};
