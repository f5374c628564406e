// Why a FEN, a typed or recorded move, or a PGN game could not be read: a
// reason and the few values its wording needs, so that each interface can
// word it in its own language. The core's own wording is Portuguese, for
// the command-line tools and for messages that need no translation.
#pragma once

#include <cstdint>
#include <string>

enum class NotationReason : std::uint8_t {
    None,
    // FEN. Number is a rank or the count of fields, Text the field, the
    // character or the square concerned. The syntax reasons come first,
    // from FenPawnOnEdgeRank on those of an impossible position (but
    // FenBadSideToMove to FenBadEnPassantSquare, FenBadHalfMoveClock and
    // FenBadMoveNumber, which are syntax again).
    FenEmpty,
    FenFieldCount,
    FenRankShort,
    FenRankLong,
    FenTooManyRanks,
    FenTooFewRanks,
    FenTwoDigits,
    FenBadPlacementCharacter,
    FenPawnOnEdgeRank,
    FenWhiteHasNoKing,
    FenBlackHasNoKing,
    FenWhiteHasTwoKings,
    FenBlackHasTwoKings,
    FenWhiteHasTooManyPieces,
    FenBlackHasTooManyPieces,
    FenWhiteHasTooManyPawns,
    FenBlackHasTooManyPawns,
    FenBadSideToMove,
    FenBadCastlingRight,
    FenRepeatedCastlingRight,
    FenCastlingRightWithoutPieces,
    FenBadEnPassantSquare,
    FenEnPassantWithoutDoubleStep,
    FenBadHalfMoveClock,
    FenBadMoveNumber,
    FenBlackKingInCheck,
    FenWhiteKingInCheck,
    // A move. Text is the move as written, Letter the unknown piece letter.
    InvalidMove,
    IllegalMove,
    AmbiguousMove,
    BadPromotionPiece,
    UnknownPieceLetter,
    MissingPromotionPiece,
    NeedlessPromotion,
    // PGN. Text is the character ("'<'", "0x07") or the annotation.
    PgnNullMove,
    PgnReservedCharacter,
    PgnUnexpectedCharacter,
    PgnUnclosedString,
    PgnStringTooLong,
    PgnUnclosedComment,
    PgnCommentTooLong,
    PgnNagOutOfRange,
    PgnNagWithoutNumber,
    PgnAnnotationTooLong,
    PgnBadAnnotation,
    PgnSymbolTooLong,
    PgnGameTooLarge,
    PgnGameTooLong,
    PgnExpectedTagName,
    PgnExpectedTagValue,
    PgnExpectedTagEnd,
    PgnTooManyTags,
    PgnStringOutsideTag,
    PgnBracketOutsideTag,
    PgnUnopenedVariation,
    PgnUnclosedVariation,
    PgnVariationsTooDeep,
    Count // the number of reasons, no reason itself
};

struct NotationError {
    NotationReason Reason = NotationReason::None;
    std::string Text;
    char Letter = '\0';
    int Number = 0;
};

// The reason in Portuguese, as the readers have always worded it: "lance
// ilegal: \"Qh4\"", "FEN: a fileira 3 não tem 8 casas". Empty for None.
std::string PortugueseReason(const NotationError& error);
