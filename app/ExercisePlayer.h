// The exercise player: a window with a board of its own where the person
// solves one exercise at a time. The position stands with the side to move
// at the bottom; the person plays on the board (drag, clicks or keyboard).
// A wrong move is answered at once ("Não é esse lance") and taken back, so
// the person may try again or ask for the solution; a right one is answered
// by the reply, played with the board's animation. "Dica" marks first the
// piece to move, then the move. The rules of the try are TExerciseSession's;
// this window only shows them. The game window's board is never touched.
#pragma once

#include "core/ExerciseSession.h"
#include "core/ExerciseSet.h"

#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class TChessBoard;

class TExercisePlayer : public QWidget {
    Q_OBJECT

public:
    explicit TExercisePlayer(QWidget* parent = nullptr);

    // Puts the exercise on the board; `caption` says where it comes from.
    // False, with the reason shown in the window, when it cannot be played.
    bool ShowExercise(const TExercise& exercise, const QString& caption);
    // No exercise to show: the board empties and the text says why.
    void ShowNothing(const QString& text);
    // The person's rating, shown under the buttons.
    void SetRatingText(const QString& text);

    // The pause before a reply or the next move of a solution, in ms
    // (tests make it 0).
    void SetReplyDelay(int ms) { replyDelay_ = ms; }

    const TExerciseSession& Session() const { return session_; }
    const TExercise& Exercise() const { return exercise_; }
    TChessBoard* Board() const { return board_; }
    QLabel* TaskLabel() const { return task_; }
    QLabel* FeedbackLabel() const { return feedback_; }
    QPushButton* HintButton() const { return hintButton_; }
    QPushButton* SolutionButton() const { return solutionButton_; }
    QPushButton* NextButton() const { return nextButton_; }
    QPushButton* ProgressButton() const { return progressButton_; }
    // The square marked by the first hint (the piece to move), or None.
    Square MarkedPieceSquare() const { return markedPiece_; }
    // Whether a reply or the solution is still being played.
    bool Playing() const { return !queue_.empty() || playing_; }

    void Hint();
    void ShowSolution();

signals:
    // Once per exercise, as soon as the result is known: at the first wrong
    // move, the move's hint or the solution asked for (false), or when the
    // last move is played without any of them (true).
    void Attempted(bool solved);
    void NextRequested();
    void ProgressRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void PersonMoved(Square from, Square to);
    void Judge(Square from, Square to);
    void PlayMoves(std::vector<ChessMove> moves);
    void PlayNextQueued();
    void Finish();
    void ReportOnce();
    void MarkPiece(Square square);
    void UpdateButtons();

    TChessBoard* board_ = nullptr;
    QWidget* pieceMark_ = nullptr;
    QLabel* caption_ = nullptr;
    QLabel* task_ = nullptr;
    QLabel* feedback_ = nullptr;
    QLabel* themes_ = nullptr;
    QLabel* rating_ = nullptr;
    QPushButton* hintButton_ = nullptr;
    QPushButton* solutionButton_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    QPushButton* progressButton_ = nullptr;
    TExerciseSession session_;
    TExercise exercise_;
    std::vector<ChessMove> queue_;
    Square markedPiece_ = Square::None;
    int replyDelay_ = 450;
    bool playing_ = false;  // the window itself moves on the board
    bool reported_ = false; // Attempted was emitted for this exercise
    bool loaded_ = false;
};
