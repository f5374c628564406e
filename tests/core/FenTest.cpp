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

TEST(CoreFen, RefusesMalformedAndImpossibleRecordsWithTheirReason)
{
    struct Case {
        const char* Fen;
        const char* Reason;
    };
    const Case cases[] = {
        {"", "FEN vazio"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0", "FEN: são esperados 6 campos, há 5"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP w KQkq - 0 1", "FEN: a disposição das peças não tem 8 fileiras"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR/8 w KQkq - 0 1",
         "FEN: mais de 8 fileiras na disposição das peças"},
        {"rnbqkbnr/ppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", "FEN: a fileira 7 não tem 8 casas"},
        {"rnbqkbnr/pppppppp/9/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
         "FEN: caractere inválido na disposição das peças: '9'"},
        {"rnbqkbnr/pppppppp/44/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", "FEN: dois algarismos seguidos na fileira 6"},
        {"rnbqkbnrp/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", "FEN: a fileira 8 tem mais de 8 casas"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNX w KQkq - 0 1",
         "FEN: caractere inválido na disposição das peças: 'X'"},
        {"rnbq1bnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQ - 0 1", "FEN: as pretas não têm rei"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBKR w kq - 0 1", "FEN: as brancas têm mais de um rei"},
        {"rnbqkbnP/pppppppp/8/8/8/8/PPPPPPP1/RNBQKBNR w KQq - 0 1", "FEN: peão na primeira ou na última fileira (h8)"},
        {"4k3/pppppppp/p7/8/8/8/8/4K3 w - - 0 1", "FEN: as pretas têm peças demais"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR x KQkq - 0 1",
         "FEN: o lado a jogar deve ser 'w' ou 'b', não 'x'"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkx - 0 1", "FEN: direito de roque inválido: 'x'"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KKq - 0 1", "FEN: direito de roque repetido: 'K'"},
        // A right without its rook would let castling conjure one.
        {"rnbqkbn1/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
         "FEN: direito de roque 'k' sem o rei e a torre nas casas iniciais"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQ1KNR w K - 0 1",
         "FEN: direito de roque 'K' sem o rei e a torre nas casas iniciais"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq e9 0 1", "FEN: casa de en passant inválida: 'e9'"},
        // An en passant square without the pawn that passed it would let a
        // capture take a piece that is not there.
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq e6 0 1",
         "FEN: a casa de en passant e6 não segue o avanço duplo de um peão"},
        {"rnbqkbnr/pppp1ppp/8/4p3/8/8/PPPPPPPP/RNBQKBNR w KQkq e3 0 1",
         "FEN: a casa de en passant e3 não segue o avanço duplo de um peão"},
        {"rnbqkbnr/pppp1ppp/8/4p3/8/8/PPPPPPPP/RNBQKBNR b KQkq e6 0 1",
         "FEN: a casa de en passant e6 não segue o avanço duplo de um peão"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - -1 1", "FEN: contador de meios-lances inválido: '-1'"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 0", "FEN: número do lance inválido: '0'"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 99999999999",
         "FEN: número do lance inválido: '99999999999'"},
        {"R3k3/8/8/8/8/8/8/4K3 w - - 0 1", "FEN: o rei preto está em xeque com as brancas a jogar"},
    };
    for (const Case& c : cases) {
        FenPosition position;
        position.HalfMoveClock = 42;
        std::string error;
        EXPECT_FALSE(ReadFen(c.Fen, position, error)) << c.Fen;
        EXPECT_EQ(error, c.Reason) << c.Fen;
        EXPECT_EQ(position.HalfMoveClock, 42) << "changed by a refused FEN";
    }
    // An en passant square that does follow a double step is kept.
    FenPosition position;
    std::string error;
    ASSERT_TRUE(ReadFen("rnbqkbnr/pppp1ppp/8/4p3/8/8/PPPPPPPP/RNBQKBNR w KQkq e6 0 2", position, error)) << error;
    EXPECT_EQ(position.State.EnPassant, Square::E6);
}
