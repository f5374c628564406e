// UCI move text: written and read back, promotions named by their piece,
// and text that names no legal move refused.
#include "core/UciMove.h"
#include "core/Fen.h"

#include <gtest/gtest.h>

namespace {

GameState StateFrom(std::string_view fen)
{
    FenPosition position;
    std::string error;
    EXPECT_TRUE(ReadFen(fen, position, error)) << error;
    return position.State;
}

TEST(UciMove, EveryLegalMoveReadsBackFromItsText)
{
    for (const char* fen :
         {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", "r3k2r/1P4P1/8/3pP3/8/8/6p1/R3K2R w KQkq d6 0 2",
          "r3k2r/8/8/8/8/8/1p4p1/R3K2R b KQkq - 0 1"}) {
        const GameState state = StateFrom(fen);
        for (const ChessMove& move : LegalMoves(state)) {
            const std::optional<ChessMove> back = ReadUciMove(state, UciMoveText(move));
            ASSERT_TRUE(back.has_value()) << UciMoveText(move);
            EXPECT_EQ(*back, move);
        }
    }
}

TEST(UciMove, PromotionsNameTheirPieceAndOtherMovesNone)
{
    const GameState state = StateFrom("4k3/1P6/8/8/8/8/8/4K3 w - - 0 1");
    EXPECT_EQ(UciMoveText(ChessMove{Square::B7, Square::B8, 'N'}), "b7b8n");
    const std::optional<ChessMove> knight = ReadUciMove(state, "b7b8n");
    ASSERT_TRUE(knight.has_value());
    EXPECT_EQ(knight->Promotion, 'N');
    EXPECT_FALSE(ReadUciMove(state, "b7b8"));
    EXPECT_FALSE(ReadUciMove(state, "b7b8k"));
    EXPECT_FALSE(ReadUciMove(state, "b7b8Q"));
    EXPECT_FALSE(ReadUciMove(state, "e1e2q"));
    EXPECT_TRUE(ReadUciMove(state, "e1e2"));
}

TEST(UciMove, RefusesTextThatIsNoLegalMove)
{
    const GameState state = GameState::Initial();
    for (const char* text : {"", "e2", "e2e4e", "e2e5", "E2E4", "i2i4", "e0e4", "e7e5", "0000"})
        EXPECT_FALSE(ReadUciMove(state, text)) << text;
}

} // namespace
