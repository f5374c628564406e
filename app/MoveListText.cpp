// The move list's text (see MoveListText.h).
#include "app/MoveListText.h"

#include "core/GameHistory.h"
#include "core/MoveList.h"
#include "core/PieceLetter.h"
#include "core/San.h"

#include "app/MoveTreeLines.h"

#include <string>
#include <vector>

namespace {

// The SAN of the half-move played from a slot of the board's history, or
// nothing when it is no move of chess there (a position edited by hand).
std::optional<std::string> SlotSan(const GameHistory& history, const MoveInfo& slot, bool white, char pendingPromotion)
{
    if (slot.Placement.size() != 64 || slot.OldSq == Square::None || slot.NewSq == Square::None)
        return std::nullopt;
    const GameState state = history.SlotState(slot, white);
    char promotion = EmptySquare;
    const char piece = state.Board[Ord(slot.OldSq)];
    const int rank = RankOf(slot.NewSq);
    if ((piece == 'P' && rank == 8) || (piece == 'p' && rank == 1))
        promotion = UpperPiece(slot.Promotion != EmptySquare ? slot.Promotion : pendingPromotion);
    const ChessMove move{slot.OldSq, slot.NewSq, promotion};
    if (!IsLegalMove(state, move))
        return std::nullopt;
    return MoveToSan(state, move, PortugueseLetters);
}

// The history's recorded game as moves from its first position, read from
// the slots alone: in the middle of a move the board has not yet recorded
// the position it reached, but the slots before it are complete.
struct HistoryLine {
    bool Found = false;
    GameState Start;
    int StartMoveNumber = 1;
    std::vector<ChessMove> Moves;
};

HistoryLine LineOf(const GameHistory& history, char pendingPromotion)
{
    HistoryLine line;
    const long long end = GameHistory::SlotIndex(history.LastMoveNumber(), history.LastWhiteToMove());
    for (long long index = 0; index < end; ++index) {
        const int moveNumber = static_cast<int>(index / 2 + 1);
        const bool white = index % 2 == 0;
        const MoveInfo* slot = history.Slot(moveNumber, white);
        if (!line.Found) {
            if (!history.HoldsRecordedPosition(moveNumber, white))
                continue;
            line.Found = true;
            line.Start = history.SlotState(*slot, white);
            line.StartMoveNumber = moveNumber;
        }
        if (slot == nullptr || slot->Placement.size() != 64 || slot->OldSq == Square::None) {
            line.Found = false; // a gap: the game no longer follows one line
            return line;
        }
        const char piece = slot->Placement[static_cast<std::size_t>(Ord(slot->OldSq) - 1)];
        const int rank = RankOf(slot->NewSq);
        char promotion = EmptySquare;
        if ((piece == 'P' && rank == 8) || (piece == 'p' && rank == 1))
            promotion = UpperPiece(slot->Promotion != EmptySquare ? slot->Promotion : pendingPromotion);
        line.Moves.push_back(ChessMove{slot->OldSq, slot->NewSq, promotion});
    }
    return line;
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
    const std::optional<std::string> san = SlotSan(history, *slot, white, pendingPromotion);
    if (!san)
        return std::nullopt;
    return QString::fromStdString(*san);
}

void MoveListText::SetGame(const Game& game)
{
    game_ = game;
}

bool MoveListText::ShowsGameTree() const
{
    return HasVariations(game_);
}

QStringList MoveListText::Lines(const GameHistory& history, char pendingPromotion) const
{
    treeLines_.clear();
    const HistoryLine line = LineOf(history, pendingPromotion);
    const bool sameStart = line.Found && line.Start == game_.StartState();
    // A game with variations, while the board plays one of its lines.
    if (sameStart && HasVariations(game_) && FollowsTree(game_, line.Moves)) {
        treeLines_ = MoveTreeLines(game_, algebraic_);
        return TextOf(treeLines_);
    }
    QStringList lines = BoardLines(history, pendingPromotion);
    // The board numbers from 1; a game from a later move keeps its numbers.
    const int shift = sameStart ? game_.StartState().CurrentMove - line.StartMoveNumber : 0;
    if (shift != 0) {
        for (QString& text : lines) {
            const qsizetype dot = text.indexOf(QLatin1Char('.'));
            bool ok = false;
            const int number = dot > 0 ? text.left(dot).toInt(&ok) : 0;
            if (ok)
                text.replace(0, dot, QString::number(number + shift));
        }
    }
    return lines;
}

QStringList MoveListText::BoardLines(const GameHistory& history, char pendingPromotion) const
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
