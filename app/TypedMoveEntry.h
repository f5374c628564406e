// Typed moves: with the board focused, typing a move opens a small entry
// ("Lance:") over the board's lower edge. It takes algebraic moves with
// Portuguese or English piece letters ("Cf3" or "Nf3", "exd5", "O-O",
// "e8=D") and coordinates ("e2e4", "e2-e4"); Enter plays the move through
// the board's PlayerMove, exactly like a drop. An illegal or ambiguous
// entry is refused with a short message and nothing changes; Escape
// closes the entry.
#pragma once

#include "core/MoveList.h"

#include <QFrame>
#include <QString>

#include <functional>
#include <string>
#include <utility>

class QLabel;
class QLineEdit;
class TChessBoard;

// A typed move read against a position in both letter sets.
struct TypedMove {
    bool ok = false;
    ChessMove move;
    QString error; // why not, in the interface language
};
TypedMove ReadTypedMove(const GameState& state, const std::string& text);

class TypedMoveEntry : public QFrame {
    Q_OBJECT

public:
    // Watches the board's keys; the entry is a child of the board's parent.
    explicit TypedMoveEntry(TChessBoard* board);

    // Opens the entry with the text typed so far.
    void Open(const QString& start);
    // Plays what the entry holds; false (and the reason shown) when refused.
    bool Submit();

    // Whether the game is paused: then a move the board holds back is
    // refused for the pause, not as the game's end. Unset, never.
    void SetPauseCheck(std::function<bool()> paused) { paused_ = std::move(paused); }

    QLineEdit* Edit() const { return edit_; }
    QLabel* Message() const { return message_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Close();
    // Shows why the entry was not played.
    void Refuse(const QString& reason);
    // Why the board holds a legal move back: a pause or the game's end.
    QString HeldBackReason() const;

    TChessBoard* board_;
    QLabel* prompt_;
    QLineEdit* edit_;
    QLabel* message_;
    std::function<bool()> paused_;
};
