// The board in words, in the interface language.
#include "board/BoardWords.h"

#include <QCoreApplication>

namespace {

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
    case 'p': return Tr("peão");
    case 'n': return Tr("cavalo");
    case 'b': return Tr("bispo");
    case 'r': return Tr("torre");
    case 'q': return Tr("dama");
    case 'k': return Tr("rei");
    default: return {};
    }
}

QString SideName(bool white)
{
    return white ? Tr("Brancas") : Tr("Pretas");
}

} // namespace

QString PieceWords(char piece)
{
    if (!IsPieceLetter(piece))
        return {};
    // Portuguese agrees the colour with the piece: "torre branca", "peão branco".
    const bool feminine = (piece | 0x20) == 'r' || (piece | 0x20) == 'q';
    if (IsWhitePiece(piece))
        return feminine ? Tr("%1 branca").arg(KindWords(piece)) : Tr("%1 branco").arg(KindWords(piece));
    return feminine ? Tr("%1 preta").arg(KindWords(piece)) : Tr("%1 preto").arg(KindWords(piece));
}

QString SquareWords(const BoardArray& board, Square square)
{
    if (Ord(square) < 1 || Ord(square) > 64)
        return {};
    const char piece = board[Ord(square)];
    if (!IsPieceLetter(piece))
        return Tr("%1, vazia").arg(LowerName(square));
    return Tr("%1, %2").arg(LowerName(square), PieceWords(piece));
}

QString MoveWords(const MoveFacts& move)
{
    QString text;
    const bool king = (move.piece | 0x20) == 'k';
    const int fileStep = FileOf(move.to) - FileOf(move.from);
    if (king && (fileStep == 2 || fileStep == -2))
        text = fileStep > 0 ? Tr("roque pequeno") : Tr("roque grande");
    else if (IsPieceLetter(move.captured))
        text = Tr("%1 %2 toma %3 %4")
                   .arg(KindWords(move.piece), LowerName(move.from), KindWords(move.captured), LowerName(move.to));
    else
        text = Tr("%1 %2 para %3").arg(KindWords(move.piece), LowerName(move.from), LowerName(move.to));
    if (IsPieceLetter(move.promotedTo))
        text += Tr(", promovido a %1").arg(KindWords(move.promotedTo));
    if (move.mate)
        text += Tr(", xeque-mate");
    else if (move.check)
        text += Tr(", xeque");
    return Tr("%1: %2").arg(SideName(move.whiteMoved), text);
}

QString SideWords(const BoardArray& board, bool white)
{
    QStringList pieces;
    for (char kind : {'k', 'q', 'r', 'b', 'n', 'p'}) {
        const char letter = white ? static_cast<char>(kind - 32) : kind;
        for (int s = 1; s <= 64; ++s)
            if (board[s] == letter)
                pieces.append(Tr("%1 %2").arg(KindWords(letter), LowerName(SquareFromOrd(s))));
    }
    if (pieces.isEmpty())
        return Tr("%1: nenhuma peça").arg(SideName(white));
    return Tr("%1: %2").arg(SideName(white), pieces.join(QStringLiteral(", ")));
}

QString RankWords(const BoardArray& board, int rank)
{
    if (rank < 1 || rank > 8)
        return {};
    QStringList squares;
    for (int file = 1; file <= 8; ++file) {
        const Square square = SquareAt(file, rank);
        const char piece = board[Ord(square)];
        squares.append(IsPieceLetter(piece) ? Tr("%1 %2").arg(LowerName(square), PieceWords(piece))
                                            : Tr("%1 vazia").arg(LowerName(square)));
    }
    return Tr("Fileira %1: %2").arg(rank).arg(squares.join(QStringLiteral(", ")));
}

QString TurnWords(bool whiteToMove)
{
    return whiteToMove ? Tr("Vez das Brancas.") : Tr("Vez das Pretas.");
}
