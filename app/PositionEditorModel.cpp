#include "app/PositionEditorModel.h"

#include "core/PieceLetter.h"

#include <algorithm>

namespace {

constexpr CanStillCastle AllRights[] = {CanStillCastle::WhiteKingSide, CanStillCastle::WhiteQueenSide,
                                        CanStillCastle::BlackKingSide, CanStillCastle::BlackQueenSide};

} // namespace

PositionEditorModel::PositionEditorModel(QObject* parent) : QObject(parent)
{
    position_.State = GameState::Initial();
}

void PositionEditorModel::Changed()
{
    emit changed();
}

void PositionEditorModel::FitRightsToPlacement()
{
    GameState& state = position_.State;
    for (const CanStillCastle right : AllRights) {
        const bool fits = CastlingRightFits(state, right);
        if (state.CastlingAllowed.Contains(right) && !fits) {
            state.CastlingAllowed.Exclude(right);
            setAside_.Include(right);
        } else if (setAside_.Contains(right) && fits) {
            state.CastlingAllowed.Include(right);
            setAside_.Exclude(right);
        }
    }
    if (state.EnPassant != Square::None && !EnPassantFits(state))
        state.EnPassant = Square::None;
}

void PositionEditorModel::Put(Square square, char piece)
{
    if (square == Square::None || (piece != EmptySquare && !IsPieceLetter(piece)) || At(square) == piece)
        return;
    position_.State.Put(square, piece);
    FitRightsToPlacement();
    Changed();
}

void PositionEditorModel::MovePiece(Square from, Square to)
{
    if (from == Square::None || to == Square::None || from == to || At(from) == EmptySquare)
        return;
    const char piece = At(from);
    position_.State.Put(from, EmptySquare);
    position_.State.Put(to, piece);
    FitRightsToPlacement();
    Changed();
}

void PositionEditorModel::SetStartPosition()
{
    position_ = FenPosition{};
    position_.State = GameState::Initial();
    setAside_ = CastleSet();
    Changed();
}

void PositionEditorModel::SetEmptyBoard()
{
    position_.State.Clear();
    position_.State.CastlingAllowed = CastleSet();
    position_.State.EnPassant = Square::None;
    setAside_ = CastleSet();
    Changed();
}

void PositionEditorModel::SetWhiteToMove(bool white)
{
    if (position_.State.WhiteToMove == white)
        return;
    position_.State.WhiteToMove = white;
    FitRightsToPlacement();
    Changed();
}

bool PositionEditorModel::CastlingAvailable(CanStillCastle right) const
{
    return CastlingRightFits(State(), right);
}

void PositionEditorModel::SetCastlingRight(CanStillCastle right, bool on)
{
    // A choice made by hand is the person's: nothing set aside overrides it.
    setAside_.Exclude(right);
    if (on == HasCastlingRight(right) || (on && !CastlingAvailable(right)))
        return;
    if (on)
        position_.State.CastlingAllowed.Include(right);
    else
        position_.State.CastlingAllowed.Exclude(right);
    Changed();
}

std::vector<Square> PositionEditorModel::EnPassantChoices() const
{
    std::vector<Square> choices;
    GameState probe = State();
    const int rank = probe.WhiteToMove ? 6 : 3;
    for (int file = 1; file <= 8; ++file) {
        probe.EnPassant = SquareAt(file, rank);
        if (EnPassantFits(probe))
            choices.push_back(probe.EnPassant);
    }
    return choices;
}

void PositionEditorModel::SetEnPassant(Square square)
{
    if (square == State().EnPassant)
        return;
    if (square != Square::None) {
        const std::vector<Square> choices = EnPassantChoices();
        if (std::find(choices.begin(), choices.end(), square) == choices.end())
            return;
    }
    position_.State.EnPassant = square;
    Changed();
}

void PositionEditorModel::SetMoveNumber(int number)
{
    number = std::clamp(number, 1, MaxFenMoveNumber);
    if (number == State().CurrentMove)
        return;
    position_.State.CurrentMove = number;
    Changed();
}

void PositionEditorModel::SetHalfMoveClock(int clock)
{
    clock = std::clamp(clock, 0, 2 * MaxFenMoveNumber);
    if (clock == position_.HalfMoveClock)
        return;
    position_.HalfMoveClock = clock;
    Changed();
}

std::string PositionEditorModel::Fen() const
{
    return WriteFen(State(), position_.HalfMoveClock);
}

bool PositionEditorModel::SetFen(std::string_view text, NotationError& error)
{
    FenPosition read;
    if (!ReadFenSyntaxEitherRules(text, read, error))
        return false;
    position_ = read;
    setAside_ = CastleSet();
    Changed();
    return true;
}
