#include "app/PositionProblemText.h"

#include "app/CoreErrorText.h"

#include <QCoreApplication>

// A class for its translation context alone.
class PositionProblemWords {
    Q_DECLARE_TR_FUNCTIONS(PositionProblemWords)

public:
    static QString Castling(const QString& letter);
    static QString EdgePawns(const QStringList& squares);
    static QString Words(const NotationError& problem);
};

QString PositionProblemWords::Castling(const QString& letter)
{
    if (letter == QLatin1String("K"))
        return tr("O roque pequeno das brancas pede o rei em e1 e a torre em h1.");
    if (letter == QLatin1String("Q"))
        return tr("O roque grande das brancas pede o rei em e1 e a torre em a1.");
    if (letter == QLatin1String("k"))
        return tr("O roque pequeno das pretas pede o rei em e8 e a torre em h8.");
    if (letter == QLatin1String("q"))
        return tr("O roque grande das pretas pede o rei em e8 e a torre em a8.");
    return tr("O direito de roque '%1' não cabe na posição: o rei ou a torre não está na sua casa.").arg(letter);
}

QString PositionProblemWords::EdgePawns(const QStringList& squares)
{
    if (squares.size() == 1)
        return tr("Peão em %1: nenhum peão fica na primeira nem na última fileira.").arg(squares.front());
    return tr("Peões em %1: nenhum peão fica na primeira nem na última fileira.")
        .arg(squares.join(QStringLiteral(", ")));
}

QString PositionProblemWords::Words(const NotationError& problem)
{
    const QString text = QString::fromStdString(problem.Text);
    switch (problem.Reason) {
    case NotationReason::FenWhiteHasNoKing: return tr("Falta o rei branco.");
    case NotationReason::FenBlackHasNoKing: return tr("Falta o rei preto.");
    case NotationReason::FenWhiteHasTwoKings: return tr("As brancas têm mais de um rei.");
    case NotationReason::FenBlackHasTwoKings: return tr("As pretas têm mais de um rei.");
    case NotationReason::FenPawnOnEdgeRank: return EdgePawns({text});
    case NotationReason::FenWhiteHasTooManyPawns: return tr("As brancas têm mais de 8 peões.");
    case NotationReason::FenBlackHasTooManyPawns: return tr("As pretas têm mais de 8 peões.");
    case NotationReason::FenWhiteHasTooManyPieces:
        return tr("As brancas têm peças promovidas demais: cada peça além das do início pede um peão a menos.");
    case NotationReason::FenBlackHasTooManyPieces:
        return tr("As pretas têm peças promovidas demais: cada peça além das do início pede um peão a menos.");
    case NotationReason::FenCastlingRightWithoutPieces: return Castling(text);
    case NotationReason::FenEnPassantWithoutDoubleStep:
        return tr("En passant em %1 impossível: nenhum peão acabou de passar por essa casa com um avanço duplo.")
            .arg(text);
    case NotationReason::FenBlackKingInCheck: return tr("O rei preto está em xeque, mas a vez é das brancas.");
    case NotationReason::FenWhiteKingInCheck: return tr("O rei branco está em xeque, mas a vez é das pretas.");
    default: break;
    }
    // A FEN typed with a broken syntax: the reader's reason.
    return NotationErrorText(problem);
}

QString PositionProblemText(const NotationError& problem)
{
    return PositionProblemWords::Words(problem);
}

QStringList PositionProblemTexts(const std::vector<NotationError>& problems)
{
    QStringList texts;
    QStringList edgeSquares;
    qsizetype edgeAt = -1;
    for (const NotationError& problem : problems) {
        if (problem.Reason == NotationReason::FenPawnOnEdgeRank) {
            if (edgeAt < 0) {
                edgeAt = texts.size();
                texts.append(QString());
            }
            edgeSquares.append(QString::fromStdString(problem.Text));
            continue;
        }
        texts.append(PositionProblemText(problem));
    }
    if (edgeAt >= 0)
        texts[edgeAt] = PositionProblemWords::EdgePawns(edgeSquares);
    return texts;
}
