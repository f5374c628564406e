// The board in words, in the interface language.
#include "board/BoardWords.h"

#include <QCoreApplication>

namespace {

// Each text is marked with QT_TRANSLATE_NOOP, so that lupdate finds it.
QString Tr(const char* text)
{
    return QCoreApplication::translate("BoardWords", text);
}

QString LowerName(Square square)
{
    return QString::fromStdString(LowerSquareName(square));
}

// The piece's name alone, without its colour.
QString KindWords(char piece)
{
    switch (piece | 0x20) {
    case 'p': return Tr(QT_TRANSLATE_NOOP("BoardWords", "peão"));
    case 'n': return Tr(QT_TRANSLATE_NOOP("BoardWords", "cavalo"));
    case 'b': return Tr(QT_TRANSLATE_NOOP("BoardWords", "bispo"));
    case 'r': return Tr(QT_TRANSLATE_NOOP("BoardWords", "torre"));
    case 'q': return Tr(QT_TRANSLATE_NOOP("BoardWords", "dama"));
    case 'k': return Tr(QT_TRANSLATE_NOOP("BoardWords", "rei"));
    default: return {};
    }
}

QString SideName(bool white)
{
    return white ? Tr(QT_TRANSLATE_NOOP("BoardWords", "Brancas")) : Tr(QT_TRANSLATE_NOOP("BoardWords", "Pretas"));
}

} // namespace

QString PieceWords(char piece)
{
    if (!IsPieceLetter(piece))
        return {};
    // Portuguese agrees the colour with the piece: "torre branca", "peão branco".
    const bool feminine = (piece | 0x20) == 'r' || (piece | 0x20) == 'q';
    if (IsWhitePiece(piece))
        return feminine ? Tr(QT_TRANSLATE_NOOP("BoardWords", "%1 branca")).arg(KindWords(piece))
                        : Tr(QT_TRANSLATE_NOOP("BoardWords", "%1 branco")).arg(KindWords(piece));
    return feminine ? Tr(QT_TRANSLATE_NOOP("BoardWords", "%1 preta")).arg(KindWords(piece))
                    : Tr(QT_TRANSLATE_NOOP("BoardWords", "%1 preto")).arg(KindWords(piece));
}

QString SquareWords(const BoardArray& board, Square square)
{
    if (Ord(square) < 1 || Ord(square) > 64)
        return {};
    const char piece = board[Ord(square)];
    if (!IsPieceLetter(piece))
        return Tr(QT_TRANSLATE_NOOP("BoardWords", "%1, vazia")).arg(LowerName(square));
    return Tr(QT_TRANSLATE_NOOP("BoardWords", "%1, %2")).arg(LowerName(square), PieceWords(piece));
}

QString MoveWords(const MoveFacts& move)
{
    QString text;
    const bool king = (move.piece | 0x20) == 'k';
    const int fileStep = FileOf(move.to) - FileOf(move.from);
    if (king && (fileStep == 2 || fileStep == -2))
        text = fileStep > 0 ? Tr(QT_TRANSLATE_NOOP("BoardWords", "roque pequeno"))
                            : Tr(QT_TRANSLATE_NOOP("BoardWords", "roque grande"));
    else if (IsPieceLetter(move.captured))
        text = Tr(QT_TRANSLATE_NOOP("BoardWords", "%1 %2 toma %3 %4"))
                   .arg(KindWords(move.piece), LowerName(move.from), KindWords(move.captured), LowerName(move.to));
    else
        text = Tr(QT_TRANSLATE_NOOP("BoardWords", "%1 %2 para %3"))
                   .arg(KindWords(move.piece), LowerName(move.from), LowerName(move.to));
    if (IsPieceLetter(move.promotedTo))
        text += Tr(QT_TRANSLATE_NOOP("BoardWords", ", promovido a %1")).arg(KindWords(move.promotedTo));
    if (move.mate)
        text += Tr(QT_TRANSLATE_NOOP("BoardWords", ", xeque-mate"));
    else if (move.check)
        text += Tr(QT_TRANSLATE_NOOP("BoardWords", ", xeque"));
    return Tr(QT_TRANSLATE_NOOP("BoardWords", "%1: %2")).arg(SideName(move.whiteMoved), text);
}

QString SideWords(const BoardArray& board, bool white)
{
    QStringList pieces;
    for (char kind : {'k', 'q', 'r', 'b', 'n', 'p'}) {
        const char letter = white ? static_cast<char>(kind - 32) : kind;
        for (int s = 1; s <= 64; ++s)
            if (board[s] == letter)
                pieces.append(
                    Tr(QT_TRANSLATE_NOOP("BoardWords", "%1 %2")).arg(KindWords(letter), LowerName(SquareFromOrd(s))));
    }
    if (pieces.isEmpty())
        return Tr(QT_TRANSLATE_NOOP("BoardWords", "%1: nenhuma peça")).arg(SideName(white));
    return Tr(QT_TRANSLATE_NOOP("BoardWords", "%1: %2")).arg(SideName(white), pieces.join(QStringLiteral(", ")));
}

QString RankWords(const BoardArray& board, int rank)
{
    if (rank < 1 || rank > 8)
        return {};
    QStringList squares;
    for (int file = 1; file <= 8; ++file) {
        const Square square = SquareAt(file, rank);
        const char piece = board[Ord(square)];
        squares.append(IsPieceLetter(piece)
                           ? Tr(QT_TRANSLATE_NOOP("BoardWords", "%1 %2")).arg(LowerName(square), PieceWords(piece))
                           : Tr(QT_TRANSLATE_NOOP("BoardWords", "%1 vazia")).arg(LowerName(square)));
    }
    return Tr(QT_TRANSLATE_NOOP("BoardWords", "Fileira %1: %2")).arg(rank).arg(squares.join(QStringLiteral(", ")));
}

QString TurnWords(bool whiteToMove)
{
    return whiteToMove ? Tr(QT_TRANSLATE_NOOP("BoardWords", "Vez das Brancas."))
                       : Tr(QT_TRANSLATE_NOOP("BoardWords", "Vez das Pretas."));
}
