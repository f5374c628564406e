// The move list's text (see MoveListText.h).
#include "app/MoveListText.h"

#include "core/GameHistory.h"
#include "core/MoveList.h"
#include "core/San.h"

#include <string>
#include <vector>

namespace {

char Upper(char piece)
{
    return (piece >= 'a' && piece <= 'z') ? static_cast<char>(piece - 32) : piece;
}

// The SAN of the half-move played from a slot of the board's history, or
// nothing when it is no move of chess there (a position edited by hand).
std::optional<std::string> SlotSan(const MoveInfo& slot, bool white, char pendingPromotion)
{
    if (slot.Placement.size() != 64 || slot.OldSq == Square::None || slot.NewSq == Square::None)
        return std::nullopt;
    const GameState state = GameState::FromPlacement(slot.Placement, white, slot.Castling, slot.EnPassantSq);
    char promotion = EmptySquare;
    const char piece = state.Board[Ord(slot.OldSq)];
    const int rank = RankOf(slot.NewSq);
    if ((piece == 'P' && rank == 8) || (piece == 'p' && rank == 1))
        promotion = Upper(slot.Promotion != EmptySquare ? slot.Promotion : pendingPromotion);
    const ChessMove move{slot.OldSq, slot.NewSq, promotion};
    if (!IsLegalMove(state, move))
        return std::nullopt;
    return MoveToSan(state, move, PortugueseLetters);
}

} // namespace

MoveListText::MoveListText(QObject* parent) : QObject(parent) {}

void MoveListText::SetAlgebraic(bool on)
{
    if (on == algebraic_)
        return;
    algebraic_ = on;
    emit NotationChanged(on);
}

void MoveListText::SetReview(const TGameReview& review)
{
    review_ = review;
    emit ReviewChanged();
}

std::optional<QString> MoveListText::AlgebraicMove(const GameHistory& history, int moveNumber, bool white,
                                                   char pendingPromotion)
{
    const MoveInfo* slot = history.Slot(moveNumber, white);
    if (slot == nullptr)
        return std::nullopt;
    const std::optional<std::string> san = SlotSan(*slot, white, pendingPromotion);
    if (!san)
        return std::nullopt;
    return QString::fromStdString(*san);
}

QStringList MoveListText::Lines(const GameHistory& history, char pendingPromotion) const
{
    std::vector<std::string> list;
    history.GetMoveList(list);
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(list.size()));
    for (const std::string& line : list)
        lines.append(QString::fromStdString(line));
    if (!algebraic_ || list.empty())
        return Marked(lines, history);

    // The board's lines stand for the half-moves up to its end marker, one
    // a line; a game begun by Black has the line "1. ..." before them.
    const long long end = GameHistory::SlotIndex(history.LastMoveNumber(), history.LastWhiteToMove());
    long long first = end - static_cast<long long>(list.size());
    if (first < 0 || !history.HoldsRecordedPosition(static_cast<int>(first / 2 + 1), first % 2 == 0))
        ++first;
    const qsizetype offset = static_cast<qsizetype>(list.size()) - static_cast<qsizetype>(end - first);
    for (long long index = first; index < end; ++index) {
        const int moveNumber = static_cast<int>(index / 2 + 1);
        const bool white = index % 2 == 0;
        const std::optional<QString> san = AlgebraicMove(history, moveNumber, white, pendingPromotion);
        if (!san)
            continue;
        lines[offset + (index - first)] =
            white ? QString::number(moveNumber) + QStringLiteral(". ") + *san : QString(14, QLatin1Char(' ')) + *san;
    }
    return Marked(lines, history);
}

QStringList MoveListText::Marked(QStringList lines, const GameHistory& history) const
{
    if (review_.Moves.empty())
        return lines;
    // The last line holds the half-move played just before the end marker.
    const long long end = GameHistory::SlotIndex(history.LastMoveNumber(), history.LastWhiteToMove());
    const qsizetype count = lines.size();
    for (qsizetype i = 0; i < count; ++i) {
        const long long index = end - (count - i);
        if (index < 0)
            continue;
        const int moveNumber = static_cast<int>(index / 2 + 1);
        const bool white = index % 2 == 0;
        const TReviewedMove* reviewed = review_.Find(moveNumber, white);
        const MoveInfo* slot = history.Slot(moveNumber, white);
        // A mark belongs to the move reviewed, not to another one played
        // from the same slot since.
        if (reviewed && slot && slot->OldSq == reviewed->From && slot->NewSq == reviewed->To &&
            reviewed->Mark != TMoveMark::None)
            lines[i] += QLatin1Char(' ') + QString::fromStdString(MarkText(reviewed->Mark));
    }
    return lines;
}
