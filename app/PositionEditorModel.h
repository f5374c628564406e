// The position being set up in "Partida › Montar posição…": the placement,
// the side to move, the castling rights, the en passant square and the two
// counters, as a FEN holds them. It may hold a position that cannot stand
// (PositionProblems says why), so that a person can build one piece by
// piece. Edits keep the castling rights and the en passant square to what
// the placement allows: a right whose king or rook leaves home is put
// aside, and comes back when they are home again; an en passant square no
// pawn explains goes. Only a FEN typed in can bring rights or an en
// passant square that do not fit; the problems say so until the next edit
// sets them aside.
#pragma once

#include "core/Fen.h"

#include <QObject>

#include <string>
#include <string_view>
#include <vector>

class PositionEditorModel : public QObject {
    Q_OBJECT

public:
    explicit PositionEditorModel(QObject* parent = nullptr);

    const GameState& State() const { return position_.State; }
    int HalfMoveClock() const { return position_.HalfMoveClock; }
    const FenPosition& Position() const { return position_; }

    // ---- The placement ----
    char At(Square square) const { return position_.State.At(square); }
    // Puts a piece letter of "PNBRQKpnbrqk" (or EmptySquare) on a square;
    // other characters and Square::None change nothing.
    void Put(Square square, char piece);
    void ClearSquare(Square square) { Put(square, EmptySquare); }
    // Moves the piece of `from` to `to` (a drag on the board); nothing when
    // `from` is empty or the two are one square.
    void MovePiece(Square from, Square to);
    // The initial position with every right, White to move, move 1.
    void SetStartPosition();
    // No piece at all; the side to move and the move number stay.
    void SetEmptyBoard();

    // ---- The rest of the position ----
    void SetWhiteToMove(bool white);
    // A right can be given only while its king and rook are at home
    // (CastlingRightFits); taking one away is always possible.
    bool CastlingAvailable(CanStillCastle right) const;
    bool HasCastlingRight(CanStillCastle right) const { return State().CastlingAllowed.Contains(right); }
    void SetCastlingRight(CanStillCastle right, bool on);
    // The squares a pawn of the side that has just moved passed over with a
    // double step, in file order: the en passant squares that fit.
    std::vector<Square> EnPassantChoices() const;
    // Square::None or one of EnPassantChoices(); anything else changes
    // nothing.
    void SetEnPassant(Square square);
    void SetMoveNumber(int number);
    void SetHalfMoveClock(int clock);

    // ---- As text ----
    // The position's FEN (WriteFen: a right or an en passant square that
    // does not fit is left out, as it is by the next edit).
    std::string Fen() const;
    // Takes the position of a FEN whose syntax is sound, even one that
    // cannot stand. False with the reason when the syntax is not, and the
    // position stays.
    bool SetFen(std::string_view text, NotationError& error);

    // What makes the position impossible, in the core's order; empty when a
    // game can start from it.
    std::vector<NotationError> Problems() const { return PositionProblems(State()); }

signals:
    void changed();

private:
    // After a placement or side change: rights put aside come back when
    // they fit again; those that stop fitting are put aside; an en passant
    // square that stops fitting goes.
    void FitRightsToPlacement();
    void Changed();

    FenPosition position_;
    // Rights the placement took away, which come back with their pieces.
    CastleSet setAside_;
};
