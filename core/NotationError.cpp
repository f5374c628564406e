// The Portuguese wording of the readers' reasons.
#include "core/NotationError.h"

namespace {

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

std::string Apostrophed(const std::string& text)
{
    return "'" + text + "'";
}

} // namespace

std::string PortugueseReason(const NotationError& error)
{
    const std::string& text = error.Text;
    const std::string number = std::to_string(error.Number);
    switch (error.Reason) {
    case NotationReason::FenEmpty: return "FEN vazio";
    case NotationReason::FenFieldCount: return "FEN: são esperados 6 campos, há " + number;
    case NotationReason::FenRankShort: return "FEN: a fileira " + number + " não tem 8 casas";
    case NotationReason::FenRankLong: return "FEN: a fileira " + number + " tem mais de 8 casas";
    case NotationReason::FenTooManyRanks: return "FEN: mais de 8 fileiras na disposição das peças";
    case NotationReason::FenTooFewRanks: return "FEN: a disposição das peças não tem 8 fileiras";
    case NotationReason::FenTwoDigits: return "FEN: dois algarismos seguidos na fileira " + number;
    case NotationReason::FenBadPlacementCharacter:
        return "FEN: caractere inválido na disposição das peças: " + Apostrophed(text);
    case NotationReason::FenPawnOnEdgeRank: return "FEN: peão na primeira ou na última fileira (" + text + ")";
    case NotationReason::FenWhiteHasNoKing: return "FEN: as brancas não têm rei";
    case NotationReason::FenBlackHasNoKing: return "FEN: as pretas não têm rei";
    case NotationReason::FenWhiteHasTwoKings: return "FEN: as brancas têm mais de um rei";
    case NotationReason::FenBlackHasTwoKings: return "FEN: as pretas têm mais de um rei";
    case NotationReason::FenWhiteHasTooManyPieces: return "FEN: as brancas têm peças demais";
    case NotationReason::FenBlackHasTooManyPieces: return "FEN: as pretas têm peças demais";
    case NotationReason::FenWhiteHasTooManyPawns: return "FEN: as brancas têm mais de 8 peões";
    case NotationReason::FenBlackHasTooManyPawns: return "FEN: as pretas têm mais de 8 peões";
    case NotationReason::FenBadSideToMove: return "FEN: o lado a jogar deve ser 'w' ou 'b', não " + Apostrophed(text);
    case NotationReason::FenBadCastlingRight: return "FEN: direito de roque inválido: " + Apostrophed(text);
    case NotationReason::FenRepeatedCastlingRight: return "FEN: direito de roque repetido: " + Apostrophed(text);
    case NotationReason::FenCastlingRightWithoutPieces:
        return "FEN: direito de roque " + Apostrophed(text) + " sem o rei e a torre nas casas iniciais";
    case NotationReason::FenBadEnPassantSquare: return "FEN: casa de en passant inválida: " + Apostrophed(text);
    case NotationReason::FenEnPassantWithoutDoubleStep:
        return "FEN: a casa de en passant " + text + " não segue o avanço duplo de um peão";
    case NotationReason::FenBadHalfMoveClock: return "FEN: contador de meios-lances inválido: " + Apostrophed(text);
    case NotationReason::FenBadMoveNumber: return "FEN: número do lance inválido: " + Apostrophed(text);
    case NotationReason::FenBlackKingInCheck: return "FEN: o rei preto está em xeque com as brancas a jogar";
    case NotationReason::FenWhiteKingInCheck: return "FEN: o rei branco está em xeque com as pretas a jogar";

    case NotationReason::InvalidMove: return "lance inválido: " + Quoted(text);
    case NotationReason::IllegalMove: return "lance ilegal: " + Quoted(text);
    case NotationReason::AmbiguousMove: return "lance ambíguo: " + Quoted(text);
    case NotationReason::BadPromotionPiece: return "peça de promoção inválida em " + Quoted(text);
    case NotationReason::UnknownPieceLetter:
        return "letra de peça desconhecida " + Apostrophed(std::string(1, error.Letter)) + " em " + Quoted(text);
    case NotationReason::MissingPromotionPiece: return "falta a peça da promoção em " + Quoted(text);
    case NotationReason::NeedlessPromotion: return "promoção num lance que não é de promoção: " + Quoted(text);

    case NotationReason::PgnNullMove: return "lance nulo (--) não é aceito";
    case NotationReason::PgnReservedCharacter: return "símbolo reservado " + text;
    case NotationReason::PgnUnexpectedCharacter: return "caractere inesperado " + text;
    case NotationReason::PgnUnclosedString: return "texto entre aspas sem as aspas de fechamento";
    case NotationReason::PgnStringTooLong: return "texto entre aspas longo demais";
    case NotationReason::PgnUnclosedComment: return "comentário sem '}' de fechamento";
    case NotationReason::PgnCommentTooLong: return "comentário longo demais";
    case NotationReason::PgnNagOutOfRange: return "NAG fora do intervalo 0 a 255";
    case NotationReason::PgnNagWithoutNumber: return "'$' sem número de NAG";
    case NotationReason::PgnAnnotationTooLong: return "anotação inválida";
    case NotationReason::PgnBadAnnotation: return "anotação inválida: " + text;
    case NotationReason::PgnSymbolTooLong: return "símbolo longo demais";
    case NotationReason::PgnGameTooLarge: return "partida grande demais";
    case NotationReason::PgnGameTooLong: return "partida longa demais";
    case NotationReason::PgnExpectedTagName: return "esperado o nome da tag";
    case NotationReason::PgnExpectedTagValue: return "esperado o valor da tag entre aspas";
    case NotationReason::PgnExpectedTagEnd: return "esperado ']' no fim da tag";
    case NotationReason::PgnTooManyTags: return "tags demais";
    case NotationReason::PgnStringOutsideTag: return "texto entre aspas fora de uma tag";
    case NotationReason::PgnBracketOutsideTag: return "']' fora de uma tag";
    case NotationReason::PgnUnopenedVariation: return "')' sem variação aberta";
    case NotationReason::PgnUnclosedVariation: return "variação sem ')' de fechamento";
    case NotationReason::PgnVariationsTooDeep: return "variações aninhadas demais";

    case NotationReason::None:
    case NotationReason::Count: break;
    }
    return {};
}
