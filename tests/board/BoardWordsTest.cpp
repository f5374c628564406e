// The board in words: squares, moves, sides and ranks as a screen reader
// or the speech option says them.
#include "BoardTestSupport.h"

#include "board/BoardWords.h"
#include "core/MoveExecution.h"

#include <gtest/gtest.h>

using namespace boardtest;

namespace {

TEST(BoardWords, SquaresNameTheirPieceWithItsColourAgreeing)
{
    const BoardArray initial = GameState::InitialBoard();
    EXPECT_EQ(SquareWords(initial, Square::E2), "e2, peão branco");
    EXPECT_EQ(SquareWords(initial, Square::D8), "d8, dama preta");
    EXPECT_EQ(SquareWords(initial, Square::A1), "a1, torre branca");
    EXPECT_EQ(SquareWords(initial, Square::G8), "g8, cavalo preto");
    EXPECT_EQ(SquareWords(initial, Square::E4), "e4, vazia");
    EXPECT_EQ(SquareWords(initial, Square::None), "");
}

TEST(BoardWords, MovesSayWhoMovedWhatWhereAndWhatFollows)
{
    EXPECT_EQ(MoveWords({false, 'n', Square::G8, Square::F6, ' ', ' ', true, false}),
              "Pretas: cavalo g8 para f6, xeque");
    EXPECT_EQ(MoveWords({true, 'P', Square::E2, Square::E4}), "Brancas: peão e2 para e4");
    EXPECT_EQ(MoveWords({true, 'B', Square::C4, Square::F7, 'p', ' ', true, true}),
              "Brancas: bispo c4 toma peão f7, xeque-mate");
    EXPECT_EQ(MoveWords({true, 'K', Square::E1, Square::G1}), "Brancas: roque pequeno");
    EXPECT_EQ(MoveWords({false, 'k', Square::E8, Square::C8}), "Pretas: roque grande");
    EXPECT_EQ(MoveWords({false, 'p', Square::B2, Square::A1, 'R', 'q'}),
              "Pretas: peão b2 toma torre a1, promovido a dama");
    // A king's single step is no castling.
    EXPECT_EQ(MoveWords({true, 'K', Square::E1, Square::F1}), "Brancas: rei e1 para f1");
}

TEST(BoardWords, SidesAndRanksAreReadInOrder)
{
    GameState state = GameState::FromPlacement(PlacementFromFen("4k3/8/8/8/3P4/8/8/R3K2R"));
    EXPECT_EQ(SideWords(state.Board, true), "Brancas: rei e1, torre a1, torre h1, peão d4");
    EXPECT_EQ(SideWords(state.Board, false), "Pretas: rei e8");
    state.Put(Square::E8, EmptySquare);
    EXPECT_EQ(SideWords(state.Board, false), "Pretas: nenhuma peça");
    EXPECT_EQ(RankWords(state.Board, 4),
              "Fileira 4: a4 vazia, b4 vazia, c4 vazia, d4 peão branco, e4 vazia, f4 vazia, g4 vazia, h4 vazia");
    EXPECT_EQ(RankWords(state.Board, 9), "");
    EXPECT_EQ(TurnWords(true), "Vez das Brancas.");
    EXPECT_EQ(TurnWords(false), "Vez das Pretas.");
}

} // namespace
