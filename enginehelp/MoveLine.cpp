#include "enginehelp/MoveLine.h"

#include "core/Fen.h"
#include "core/San.h"
#include "engine/ChessEngine.h"
#include "engine/MoveText.h"

#include <QCoreApplication>

#include <algorithm>
#include <memory>

QString BuiltinEngineName()
{
    return QCoreApplication::translate("TAnalysisService", "Motor interno");
}

int PlayUciMoves(GameState& state, const QStringList& uciMoves)
{
    auto engine = std::make_unique<TChessEngine>();
    int played = 0;
    for (const QString& move : uciMoves) {
        if (PlayMove(*engine, state, move.toStdString()) != MoveTextResult::Legal)
            break;
        ++played;
    }
    return played;
}

bool IsLegalUciMove(const GameState& state, const QString& uciMove)
{
    GameState copy = state;
    return PlayUciMoves(copy, {uciMove}) == 1;
}

namespace {

// A UCI move ("e7e8q") that led to `after`, as a core move; the
// promotion piece is the one that stands on the target square.
ChessMove CoreMove(const QString& uciMove, const GameState& after)
{
    const std::string text = uciMove.toStdString();
    ChessMove move{SquareFromName(text[0], text[1]), SquareFromName(text[2], text[3]), EmptySquare};
    if (text.size() == 5) {
        const char piece = after.At(move.To);
        move.Promotion = UpperPiece(piece);
    }
    return move;
}

} // namespace

QString MoveLineText(const GameState& state, const QStringList& uciMoves, TMoveNotation notation)
{
    GameState position = state;
    auto engine = std::make_unique<TChessEngine>();
    QStringList words;
    int moveNumber = state.CurrentMove > 0 ? state.CurrentMove : 1;
    bool first = true;
    for (const QString& move : uciMoves) {
        const GameState before = position;
        const bool white = position.WhiteToMove;
        if (PlayMove(*engine, position, move.toStdString()) != MoveTextResult::Legal)
            break;
        QString text = move.left(2).toUpper() + QLatin1Char('-') + move.mid(2, 2).toUpper();
        if (notation == TMoveNotation::Algebraic) {
            // The move list's own wording of a move (GameFiles).
            text = QString::fromStdString(MoveToSan(before, CoreMove(move, position), PortugueseLetters));
        } else if (move.size() == 5) {
            // The pieces in Portuguese: Dama, Torre, Bispo, Cavalo.
            static const QString names = QStringLiteral("qrbnDTBC");
            const qsizetype index = names.indexOf(move[4]);
            text += QLatin1Char('=') + (index >= 0 && index < 4 ? names[index + 4] : move[4].toUpper());
        }
        if (white)
            words.append(QStringLiteral("%1.").arg(moveNumber));
        else if (first)
            words.append(QStringLiteral("%1...").arg(moveNumber));
        words.append(text);
        if (!white)
            ++moveNumber;
        first = false;
    }
    return words.join(QLatin1Char(' '));
}

QString StateToFen(const GameState& input)
{
    // A castling right whose king or rook has left its square, or an en
    // passant square no double step explains, is written as absent: an
    // outside engine is not asked to make sense of it.
    GameState state = input;
    state.CurrentMove = std::max(state.CurrentMove, 1);
    return QString::fromStdString(WriteFen(state));
}

bool IsAnalysablePosition(const GameState& state)
{
    // The window, the UCI server and the PGN reader judge a position alike:
    // what would be sent to an engine must read back as a possible FEN.
    FenPosition position;
    NotationError ignored;
    return ReadFen(StateToFen(state).toStdString(), position, ignored, state.Chess960);
}
