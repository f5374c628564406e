#include "enginehelp/MoveLine.h"

#include "core/San.h"
#include "engine/ChessEngine.h"
#include "engine/Fen.h"
#include "engine/MoveText.h"

#include <QCoreApplication>

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
        move.Promotion = static_cast<char>(piece >= 'a' && piece <= 'z' ? piece - 32 : piece);
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
    // A right whose king or rook has left its square cannot be used; an
    // outside engine is not asked to make sense of it.
    GameState state = input;
    const struct {
        CanStillCastle Right;
        Square King;
        Square Rook;
        char KingLetter;
        char RookLetter;
    } rights[] = {
        {CanStillCastle::WhiteKingSide, Square::E1, Square::H1, 'K', 'R'},
        {CanStillCastle::WhiteQueenSide, Square::E1, Square::A1, 'K', 'R'},
        {CanStillCastle::BlackKingSide, Square::E8, Square::H8, 'k', 'r'},
        {CanStillCastle::BlackQueenSide, Square::E8, Square::A8, 'k', 'r'},
    };
    for (const auto& r : rights) {
        if (state.At(r.King) != r.KingLetter || state.At(r.Rook) != r.RookLetter)
            state.CastlingAllowed.Exclude(r.Right);
    }
    QString fen = QString::fromStdString(FormatFen(state));
    // FormatFen ends in "0 1"; the move number is the state's.
    const qsizetype lastSpace = fen.lastIndexOf(QLatin1Char(' '));
    if (lastSpace > 0 && state.CurrentMove > 0)
        fen = fen.left(lastSpace + 1) + QString::number(state.CurrentMove);
    return fen;
}

bool IsAnalysablePosition(const GameState& state)
{
    int whiteKings = 0;
    int blackKings = 0;
    for (int s = 1; s <= 64; ++s) {
        const char c = state.Board[s];
        whiteKings += c == 'K';
        blackKings += c == 'k';
        const bool edgeRank = s <= 8 || s > 56;
        if (edgeRank && (c == 'P' || c == 'p'))
            return false;
    }
    return whiteKings == 1 && blackKings == 1;
}
