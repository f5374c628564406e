// The board as its input part's host (board/BoardInput.h): each step the
// part asks for is one of the board's own routines.
#pragma once

#include "board/BoardInput.h"
#include "board/ChessBoard.h"

class TChessBoard::InputHost final : public BoardInputHost {
public:
    explicit InputHost(TChessBoard& board) : board_(board) {}

    bool InsideBoard(QPoint at) const override { return board_.rect().contains(at); }
    Square SquareAt(QPoint at) const override { return board_.PointToSquare(at.x(), at.y()); }
    void PointerInUse() override;
    bool DrawingPress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at) override
    {
        return board_.DrawingPress(button, modifiers, at);
    }
    void DrawingMove(QPoint at) override { board_.DrawingMove(at); }
    bool DrawingRelease(Qt::MouseButton button, QPoint at) override { return board_.DrawingRelease(button, at); }
    void MouseDown(Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                   QPoint at) override
    {
        board_.MouseDown(button, buttons, modifiers, at.x(), at.y());
    }
    void MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint at) override
    {
        board_.MouseMove(buttons, modifiers, at.x(), at.y());
    }
    void MouseUp(Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint at) override
    {
        board_.MouseUp(button, buttons, modifiers, at.x(), at.y());
    }
    void Click() override { board_.Click(); }
    bool ClickToMove() const override { return board_.aids_.ClickToMove; }
    void SquareClicked(Square square) override { board_.SquareClicked(square); }
    void DragBegins(Square from) override;
    void MarksFollow() override { board_.RefreshMarks(); }
    bool DragOver(QPoint at, TDragState state) override
    {
        bool accepted = false;
        board_.DragOver(&board_, at.x(), at.y(), state, accepted);
        return accepted;
    }
    void DragBeside(QPoint at) override;
    void DragShowsAccepted(bool accepted) override;
    void DragEnds(bool wasActive, bool accepted, QPoint at) override;
    void PressWasAClick() override;
    void MoveFocusSquare(int columns, int rows) override { board_.MoveFocusSquare(columns, rows); }
    void KeyboardAction() override { board_.KeyboardAction(); }
    bool DropSelection() override;
    bool AnyMouseButtonDown() const override;

private:
    TChessBoard& board_;
};
