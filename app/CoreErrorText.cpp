// The readers' reasons in the interface language. Each text is written out
// in full here, so that the translation tools find it; the Portuguese
// sources repeat the core's wording (a test compares them reason by reason).
#include "app/CoreErrorText.h"

#include <QCoreApplication>

// A class for its translation context alone.
class CoreErrorText {
    Q_DECLARE_TR_FUNCTIONS(CoreErrorText)

public:
    static QString Words(const NotationError& error);
};

QString CoreErrorText::Words(const NotationError& error)
{
    const QString text = QString::fromStdString(error.Text);
    const QString letter = QString(QChar::fromLatin1(error.Letter));
    const int number = error.Number;
    switch (error.Reason) {
    case NotationReason::FenEmpty: return tr("FEN vazio");
    case NotationReason::FenFieldCount: return tr("FEN: são esperados 6 campos, há %1").arg(number);
    case NotationReason::FenRankShort: return tr("FEN: a fileira %1 não tem 8 casas").arg(number);
    case NotationReason::FenRankLong: return tr("FEN: a fileira %1 tem mais de 8 casas").arg(number);
    case NotationReason::FenTooManyRanks: return tr("FEN: mais de 8 fileiras na disposição das peças");
    case NotationReason::FenTooFewRanks: return tr("FEN: a disposição das peças não tem 8 fileiras");
    case NotationReason::FenTwoDigits: return tr("FEN: dois algarismos seguidos na fileira %1").arg(number);
    case NotationReason::FenBadPlacementCharacter:
        return tr("FEN: caractere inválido na disposição das peças: '%1'").arg(text);
    case NotationReason::FenPawnOnEdgeRank: return tr("FEN: peão na primeira ou na última fileira (%1)").arg(text);
    case NotationReason::FenWhiteHasNoKing: return tr("FEN: as brancas não têm rei");
    case NotationReason::FenBlackHasNoKing: return tr("FEN: as pretas não têm rei");
    case NotationReason::FenWhiteHasTwoKings: return tr("FEN: as brancas têm mais de um rei");
    case NotationReason::FenBlackHasTwoKings: return tr("FEN: as pretas têm mais de um rei");
    case NotationReason::FenWhiteHasTooManyPieces: return tr("FEN: as brancas têm peças demais");
    case NotationReason::FenBlackHasTooManyPieces: return tr("FEN: as pretas têm peças demais");
    case NotationReason::FenWhiteHasTooManyPawns: return tr("FEN: as brancas têm mais de 8 peões");
    case NotationReason::FenBlackHasTooManyPawns: return tr("FEN: as pretas têm mais de 8 peões");
    case NotationReason::FenBadSideToMove: return tr("FEN: o lado a jogar deve ser 'w' ou 'b', não '%1'").arg(text);
    case NotationReason::FenBadCastlingRight: return tr("FEN: direito de roque inválido: '%1'").arg(text);
    case NotationReason::FenRepeatedCastlingRight: return tr("FEN: direito de roque repetido: '%1'").arg(text);
    case NotationReason::FenCastlingRightWithoutPieces:
        return tr("FEN: direito de roque '%1' sem o rei e a torre nas casas iniciais").arg(text);
    case NotationReason::FenBadEnPassantSquare: return tr("FEN: casa de en passant inválida: '%1'").arg(text);
    case NotationReason::FenEnPassantWithoutDoubleStep:
        return tr("FEN: a casa de en passant %1 não segue o avanço duplo de um peão").arg(text);
    case NotationReason::FenBadHalfMoveClock: return tr("FEN: contador de meios-lances inválido: '%1'").arg(text);
    case NotationReason::FenBadMoveNumber: return tr("FEN: número do lance inválido: '%1'").arg(text);
    case NotationReason::FenBlackKingInCheck: return tr("FEN: o rei preto está em xeque com as brancas a jogar");
    case NotationReason::FenWhiteKingInCheck: return tr("FEN: o rei branco está em xeque com as pretas a jogar");

    case NotationReason::InvalidMove: return tr("lance inválido: \"%1\"").arg(text);
    case NotationReason::IllegalMove: return tr("lance ilegal: \"%1\"").arg(text);
    case NotationReason::AmbiguousMove: return tr("lance ambíguo: \"%1\"").arg(text);
    case NotationReason::BadPromotionPiece: return tr("peça de promoção inválida em \"%1\"").arg(text);
    case NotationReason::UnknownPieceLetter: return tr("letra de peça desconhecida '%1' em \"%2\"").arg(letter, text);
    case NotationReason::MissingPromotionPiece: return tr("falta a peça da promoção em \"%1\"").arg(text);
    case NotationReason::NeedlessPromotion: return tr("promoção num lance que não é de promoção: \"%1\"").arg(text);

    case NotationReason::PgnNullMove: return tr("lance nulo (--) não é aceito");
    case NotationReason::PgnReservedCharacter: return tr("símbolo reservado %1").arg(text);
    case NotationReason::PgnUnexpectedCharacter: return tr("caractere inesperado %1").arg(text);
    case NotationReason::PgnUnclosedString: return tr("texto entre aspas sem as aspas de fechamento");
    case NotationReason::PgnStringTooLong: return tr("texto entre aspas longo demais");
    case NotationReason::PgnUnclosedComment: return tr("comentário sem '}' de fechamento");
    case NotationReason::PgnCommentTooLong: return tr("comentário longo demais");
    case NotationReason::PgnNagOutOfRange: return tr("NAG fora do intervalo 0 a 255");
    case NotationReason::PgnNagWithoutNumber: return tr("'$' sem número de NAG");
    case NotationReason::PgnAnnotationTooLong: return tr("anotação inválida");
    case NotationReason::PgnBadAnnotation: return tr("anotação inválida: %1").arg(text);
    case NotationReason::PgnSymbolTooLong: return tr("símbolo longo demais");
    case NotationReason::PgnGameTooLarge: return tr("partida grande demais");
    case NotationReason::PgnGameTooLong: return tr("partida longa demais");
    case NotationReason::PgnExpectedTagName: return tr("esperado o nome da tag");
    case NotationReason::PgnExpectedTagValue: return tr("esperado o valor da tag entre aspas");
    case NotationReason::PgnExpectedTagEnd: return tr("esperado ']' no fim da tag");
    case NotationReason::PgnTooManyTags: return tr("tags demais");
    case NotationReason::PgnStringOutsideTag: return tr("texto entre aspas fora de uma tag");
    case NotationReason::PgnBracketOutsideTag: return tr("']' fora de uma tag");
    case NotationReason::PgnUnopenedVariation: return tr("')' sem variação aberta");
    case NotationReason::PgnUnclosedVariation: return tr("variação sem ')' de fechamento");
    case NotationReason::PgnVariationsTooDeep: return tr("variações aninhadas demais");

    case NotationReason::None:
    case NotationReason::Count: break;
    }
    return {};
}

QString NotationErrorText(const NotationError& error)
{
    return CoreErrorText::Words(error);
}
