// FEN written and read: round trips over positions reached by play, and
// every kind of malformed or impossible record refused with its reason.
#include "NotationTestSupport.h"

#include "core/MoveList.h"

TEST(CoreFen, RoundTripsThroughPositionsReachedByPlay)
{
    // Two plies deep into each standard position: castling rights lost,
    // en passant squares, promotions and move numbers all come up.
    for (const NamedFen& named : StandardPositions) {
        FenPosition root;
        std::string error;
        ASSERT_TRUE(ReadFen(named.Fen, root, error)) << error;
        EXPECT_EQ(WriteFen(root.State, root.HalfMoveClock), named.Fen);
        for (const ChessMove& first : LegalMoves(root.State)) {
            const GameState once = PositionAfter(root.State, first);
            for (const ChessMove& second : LegalMoves(once)) {
                const GameState twice = PositionAfter(once, second);
                const std::string fen = WriteFen(twice, 7);
                FenPosition back;
                ASSERT_TRUE(ReadFen(fen, back, error)) << fen << ": " << error;
                EXPECT_EQ(back.State.Board, twice.Board) << fen;
                EXPECT_EQ(back.State.WhiteToMove, twice.WhiteToMove);
                EXPECT_EQ(back.State.CastlingAllowed, twice.CastlingAllowed) << fen;
                EXPECT_EQ(back.State.EnPassant, twice.EnPassant) << fen;
                EXPECT_EQ(back.State.CurrentMove, twice.CurrentMove);
                EXPECT_EQ(back.HalfMoveClock, 7);
                EXPECT_EQ(WriteFen(back.State, back.HalfMoveClock), fen);
            }
        }
    }
}

TEST(CoreFen, WritesTheSixFields)
{
    GameState state = GameState::Initial();
    EXPECT_EQ(WriteFen(state), StandardStartFen);
    state = PositionAfter(state, {Square::E2, Square::E4, EmptySquare});
    EXPECT_EQ(WriteFen(state), "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1");
    state = PositionAfter(state, {Square::G8, Square::F6, EmptySquare});
    EXPECT_EQ(WriteFen(state, 1), "rnbqkb1r/pppppppp/5n2/8/4P3/8/PPPP1PPP/RNBQKBNR w KQkq - 1 2");
    // A right whose rook is gone (a position string set on the board keeps
    // its rights) is not written.
    state.Put(Square::H1, EmptySquare);
    EXPECT_EQ(WriteFen(state, 1), "rnbqkb1r/pppppppp/5n2/8/4P3/8/PPPP1PPP/RNBQKBN1 w Qkq - 1 2");
    // So is an en passant square whose pawn has gone.
    state = PositionAfter(GameState::Initial(), {Square::E2, Square::E4, EmptySquare});
    state.Put(Square::E4, EmptySquare);
    EXPECT_EQ(WriteFen(state), "rnbqkbnr/pppppppp/8/8/8/8/PPPP1PPP/RNBQKBNR b KQkq - 0 1");
}

TEST(CoreFen, CountersMayBeLeftOutTogether)
{
    FenPosition position;
    std::string error;
    ASSERT_TRUE(ReadFen("  8/8/8/4k3/8/8/8/4K3   b  -  - ", position, error)) << error;
    EXPECT_FALSE(position.State.WhiteToMove);
    EXPECT_EQ(position.HalfMoveClock, 0);
    EXPECT_EQ(position.State.CurrentMove, 1);
}

TEST(CoreFen, RefusesMalformedRecordsWithTheirReason)
{
    struct Case {
        const char* Fen;
        NotationReason Reason;
        const char* Words;
    };
    const Case cases[] = {
        {"", NotationReason::FenEmpty, "FEN vazio"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0", NotationReason::FenFieldCount,
         "FEN: são esperados 6 campos, há 5"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP w KQkq - 0 1", NotationReason::FenTooFewRanks,
         "FEN: a disposição das peças não tem 8 fileiras"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR/8 w KQkq - 0 1", NotationReason::FenTooManyRanks,
         "FEN: mais de 8 fileiras na disposição das peças"},
        {"rnbqkbnr/ppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", NotationReason::FenRankShort,
         "FEN: a fileira 7 não tem 8 casas"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBN w KQkq - 0 1", NotationReason::FenRankShort,
         "FEN: a fileira 1 não tem 8 casas"},
        {"rnbqkbnr/pppppppp/9/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", NotationReason::FenBadPlacementCharacter,
         "FEN: caractere inválido na disposição das peças: '9'"},
        {"rnbqkbnr/pppppppp/44/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", NotationReason::FenTwoDigits,
         "FEN: dois algarismos seguidos na fileira 6"},
        {"rnbqkbnrp/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", NotationReason::FenRankLong,
         "FEN: a fileira 8 tem mais de 8 casas"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNX w KQkq - 0 1", NotationReason::FenBadPlacementCharacter,
         "FEN: caractere inválido na disposição das peças: 'X'"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR x KQkq - 0 1", NotationReason::FenBadSideToMove,
         "FEN: o lado a jogar deve ser 'w' ou 'b', não 'x'"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkx - 0 1", NotationReason::FenBadCastlingRight,
         "FEN: direito de roque inválido: 'x'"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KKq - 0 1", NotationReason::FenRepeatedCastlingRight,
         "FEN: direito de roque repetido: 'K'"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq e9 0 1", NotationReason::FenBadEnPassantSquare,
         "FEN: casa de en passant inválida: 'e9'"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq E6 0 1", NotationReason::FenBadEnPassantSquare,
         "FEN: casa de en passant inválida: 'E6'"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - -1 1", NotationReason::FenBadHalfMoveClock,
         "FEN: contador de meios-lances inválido: '-1'"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 0", NotationReason::FenBadMoveNumber,
         "FEN: número do lance inválido: '0'"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 99999999999", NotationReason::FenBadMoveNumber,
         "FEN: número do lance inválido: '99999999999'"},
    };
    for (const Case& c : cases) {
        FenPosition position;
        position.HalfMoveClock = 42;
        NotationError reason;
        EXPECT_FALSE(ReadFenSyntax(c.Fen, position, reason)) << c.Fen;
        EXPECT_EQ(reason.Reason, c.Reason) << c.Fen;
        std::string words;
        EXPECT_FALSE(ReadFen(c.Fen, position, words)) << c.Fen;
        EXPECT_EQ(words, c.Words) << c.Fen;
        EXPECT_EQ(position.HalfMoveClock, 42) << "changed by a refused FEN";
    }
}

TEST(CoreFen, JudgesImpossiblePositionsApartFromTheSyntax)
{
    struct Case {
        const char* Fen;
        NotationReason Reason;
        const char* Words;
    };
    const Case cases[] = {
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQ1BNR w kq - 0 1", NotationReason::FenWhiteHasNoKing,
         "FEN: as brancas não têm rei"},
        {"rnbq1bnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQ - 0 1", NotationReason::FenBlackHasNoKing,
         "FEN: as pretas não têm rei"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBKR w kq - 0 1", NotationReason::FenWhiteHasTwoKings,
         "FEN: as brancas têm mais de um rei"},
        {"rnbqkbkr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQ - 0 1", NotationReason::FenBlackHasTwoKings,
         "FEN: as pretas têm mais de um rei"},
        {"rnbqkbnP/pppppppp/8/8/8/8/PPPPPPP1/RNBQKBNR w KQq - 0 1", NotationReason::FenPawnOnEdgeRank,
         "FEN: peão na primeira ou na última fileira (h8)"},
        {"4k3/8/8/8/8/8/8/P3K3 w - - 0 1", NotationReason::FenPawnOnEdgeRank,
         "FEN: peão na primeira ou na última fileira (a1)"},
        {"4k3/8/8/8/8/P7/PPPPPPPP/4K3 w - - 0 1", NotationReason::FenWhiteHasTooManyPawns,
         "FEN: as brancas têm mais de 8 peões"},
        {"4k3/pppppppp/p7/8/8/8/8/4K3 w - - 0 1", NotationReason::FenBlackHasTooManyPawns,
         "FEN: as pretas têm mais de 8 peões"},
        // Ten queens need nine promotions; eight pawns are all a side has.
        {"4k3/8/8/8/8/8/QQQQQ3/QQQQQK2 w - - 0 1", NotationReason::FenWhiteHasTooManyPieces,
         "FEN: as brancas têm peças demais"},
        // Two bishops on light squares need a promotion, and no pawn is
        // missing for it.
        {"rnbqkbnr/pppppppp/8/8/8/4b3/8/4K3 w kq - 0 1", NotationReason::FenBlackHasTooManyPieces,
         "FEN: as pretas têm peças demais"},
        // A right without its rook would let castling conjure one.
        {"rnbqkbn1/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", NotationReason::FenCastlingRightWithoutPieces,
         "FEN: direito de roque 'k' sem o rei e a torre nas casas iniciais"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQ1KNR w K - 0 1", NotationReason::FenCastlingRightWithoutPieces,
         "FEN: direito de roque 'K' sem o rei e a torre nas casas iniciais"},
        // An en passant square without the pawn that passed it would let a
        // capture take a piece that is not there.
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq e6 0 1", NotationReason::FenEnPassantWithoutDoubleStep,
         "FEN: a casa de en passant e6 não segue o avanço duplo de um peão"},
        {"rnbqkbnr/pppp1ppp/8/4p3/8/8/PPPPPPPP/RNBQKBNR w KQkq e3 0 1", NotationReason::FenEnPassantWithoutDoubleStep,
         "FEN: a casa de en passant e3 não segue o avanço duplo de um peão"},
        {"rnbqkbnr/pppp1ppp/8/4p3/8/8/PPPPPPPP/RNBQKBNR b KQkq e6 0 1", NotationReason::FenEnPassantWithoutDoubleStep,
         "FEN: a casa de en passant e6 não segue o avanço duplo de um peão"},
        {"rnbqkbnr/pppp1ppp/8/4p3/8/8/PPPPPPPP/RNBQKBNR w KQkq e5 0 1", NotationReason::FenEnPassantWithoutDoubleStep,
         "FEN: a casa de en passant e5 não segue o avanço duplo de um peão"},
        {"R3k3/8/8/8/8/8/8/4K3 w - - 0 1", NotationReason::FenBlackKingInCheck,
         "FEN: o rei preto está em xeque com as brancas a jogar"},
        {"4k3/8/8/8/8/8/4r3/R3K3 b - - 0 1", NotationReason::FenWhiteKingInCheck,
         "FEN: o rei branco está em xeque com as pretas a jogar"},
    };
    for (const Case& c : cases) {
        // The syntax is sound: the position is read as it stands, counters
        // and all, for an editor to show.
        FenPosition read;
        NotationError reason;
        ASSERT_TRUE(ReadFenSyntax(c.Fen, read, reason)) << c.Fen << ": " << PortugueseReason(reason);
        EXPECT_EQ(FenPlacement(read.State.Board), std::string_view(c.Fen).substr(0, std::string_view(c.Fen).find(' ')));
        EXPECT_EQ(CheckPosition(read.State).Reason, c.Reason) << c.Fen;
        FenPosition position;
        position.HalfMoveClock = 42;
        std::string words;
        EXPECT_FALSE(ReadFen(c.Fen, position, words)) << c.Fen;
        EXPECT_EQ(words, c.Words) << c.Fen;
        EXPECT_EQ(position.HalfMoveClock, 42) << "changed by a refused FEN";
    }
}

TEST(CoreFen, AcceptsWhatPromotionsAndDoubleStepsExplain)
{
    const char* possible[] = {
        // Nine queens: eight promotions, no pawn left.
        "8/8/8/7k/8/QQQ5/QQQ5/QQQK4 w - - 0 1",
        // Two bishops on light squares and seven pawns.
        "4k3/8/8/8/8/3B4/PPPPPPP1/4KB2 w - - 0 1",
        // An en passant square that follows a double step is kept.
        "rnbqkbnr/pppp1ppp/8/4p3/8/8/PPPPPPPP/RNBQKBNR w KQkq e6 0 2",
    };
    for (const char* fen : possible) {
        FenPosition position;
        std::string error;
        EXPECT_TRUE(ReadFen(fen, position, error)) << fen << ": " << error;
        EXPECT_EQ(WriteFen(position.State, position.HalfMoveClock), fen);
    }
    FenPosition read;
    NotationError reason;
    ASSERT_TRUE(ReadFenSyntax("4k3/8/8/8/8/8/8/P3K3 b - - 17 42", read, reason));
    EXPECT_EQ(read.HalfMoveClock, 17);
    EXPECT_EQ(read.State.CurrentMove, 42);
    EXPECT_FALSE(read.State.WhiteToMove);
}
