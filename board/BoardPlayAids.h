// The board's play aids as one part: the switches that turn them on, the
// piece picked up by a click or the keyboard, the suggested move, the
// keyboard's focus square, and which marks each square should show. It
// knows nothing of painting: the board asks it for a square's marks and
// draws them, and keeps here which marks the canvas shows, so that only
// squares whose marks change are drawn again. No Qt.
#pragma once

#include "core/GameHistory.h"
#include "core/GameState.h"
#include "core/Square.h"

#include <array>
#include <cstdint>

// The marks of one square, as bits.
enum BoardMark : std::uint8_t {
    MarkLastMove = 1,
    MarkHint = 2,
    MarkSelected = 4,
    MarkCheck = 8,
    MarkTarget = 16,
    MarkCapture = 32,
    MarkFocus = 64,
};

// What the marks of every square depend on, worked out once per drawing.
struct MarkContext {
    Square lastFrom = Square::None;
    Square lastTo = Square::None;
    Square checkedKing = Square::None;
    // The piece whose square and targets are marked.
    Square targetsOf = Square::None;
    // False once the position has stood three times: no move is legal then.
    bool movesAllowed = true;
};

class BoardPlayAids {
public:
    // The switches, each off by default.
    bool ClickToMove = false;
    bool HighlightLastMove = false;
    bool HighlightCheck = false;
    bool ShowLegalMoves = false;
    bool AskPromotionPiece = false;

    // The piece picked up by a click or the keyboard; None when none is.
    Square Selected() const { return selected_; }
    void Select(Square square) { selected_ = square; }
    // False when nothing was selected.
    bool ClearSelection();

    // A suggested move; squares off the board, or the same square twice,
    // clear it.
    void SetHint(Square from, Square to);
    void ClearHint() { hintFrom_ = hintTo_ = Square::None; }
    Square HintFrom() const { return hintFrom_; }
    Square HintTo() const { return hintTo_; }

    // The piece being dragged, whose targets show like a selection's.
    void SetDragged(Square square) { dragged_ = square; }

    // The selection and the hint belong to the position shown; leaving it
    // drops both.
    void LeavePosition()
    {
        selected_ = Square::None;
        ClearHint();
    }
    // Whether the shown position came from play or from going to a position
    // of the history, so that the history holds the move that led to it.
    void SetPositionFromPlay(bool value) { positionFromPlay_ = value; }

    // The keyboard: its focus square (None until first used), whether it is
    // the way of playing now, and whether the board has the focus.
    Square FocusSquare() const { return focusSquare_; }
    void SetFocusSquare(Square square) { focusSquare_ = square; }
    bool KeyboardInUse() const { return keyboardInUse_; }
    void SetKeyboardInUse(bool value) { keyboardInUse_ = value; }
    void SetHasKeyboardFocus(bool value) { hasKeyboardFocus_ = value; }
    bool FocusFrameShown() const { return keyboardInUse_ && hasKeyboardFocus_ && focusSquare_ != Square::None; }

    // The move of the history that led to the shown position.
    bool LastMoveSquares(const GameState& game, const GameHistory& history, Square& from, Square& to) const;
    MarkContext ContextFor(const GameState& game, const GameHistory& history) const;
    std::uint8_t MarksAt(const MarkContext& context, const GameState& game, Square square) const;

    // The marks each square shows on the canvas, indexed by Square.
    std::array<std::uint8_t, 65>& ShownMarks() { return shownMarks_; }

private:
    Square selected_ = Square::None;
    Square hintFrom_ = Square::None;
    Square hintTo_ = Square::None;
    Square dragged_ = Square::None;
    Square focusSquare_ = Square::None;
    bool positionFromPlay_ = false;
    bool keyboardInUse_ = false;
    bool hasKeyboardFocus_ = false;
    std::array<std::uint8_t, 65> shownMarks_{};
};
