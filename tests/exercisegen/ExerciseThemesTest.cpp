// Theme recognition on known positions: each theme where it is, and not
// where a look-alike lacks what makes it.
#include "ExerciseThemes.h"

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

using Themes = std::vector<std::string>;

TEST(ExerciseThemes, MatesByLengthAndTheBackRankOnlyWhenWalledIn)
{
    // Rd8#: the king behind its own three pawns.
    EXPECT_EQ(DetectThemes(StateFrom("6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1"), {"d1d8"}),
              (Themes{"mateIn1", "mate", "backRank"}));
    // The same mate with h7 empty and held by the bishop: mate, but no
    // back-rank wall.
    EXPECT_EQ(DetectThemes(StateFrom("6k1/5pp1/8/8/4B3/8/5PPP/3R2K1 w - - 0 1"), {"d1d8"}),
              (Themes{"mateIn1", "mate"}));
    // The queen's mate on f7 is no back-rank mate either.
    EXPECT_EQ(DetectThemes(StateFrom("r1bqkb1r/pppp1ppp/2n2n2/4p2Q/2B1P3/8/PPPP1PPP/RNB1K1NR w KQkq - 4 4"), {"h5f7"}),
              (Themes{"mateIn1", "mate"}));
    // Rd8+ Rxd8 Rxd8#: mate in two on the back rank.
    EXPECT_EQ(DetectThemes(StateFrom("2r3k1/5ppp/8/8/8/8/3R1PPP/3R2K1 w - - 0 1"), {"d2d8", "c8d8", "d1d8"}),
              (Themes{"mateIn2", "mate", "backRank"}));
    // Black mates too: the mated White king on its first rank.
    EXPECT_EQ(DetectThemes(StateFrom("3r2k1/5ppp/8/8/8/8/5PPP/6K1 b - - 0 1"), {"d8d1"}),
              (Themes{"mateIn1", "mate", "backRank"}));
}

TEST(ExerciseThemes, AForkNeedsTwoTargetsAndTheTakingOfOne)
{
    // Nc7+ forks king and rook, and the knight takes the rook.
    const GameState fork = StateFrom("r3k3/pp6/8/1N6/8/8/5PPP/6K1 w - - 0 1");
    EXPECT_EQ(DetectThemes(fork, {"b5c7", "e8d7", "c7a8"}), (Themes{"material", "fork"}));
    // The same check without a second target: the rook on b8 is out of the
    // knight's reach, and another piece wins it.
    const GameState noFork = StateFrom("1r2k3/pp6/8/1N6/8/8/5PPP/1R4K1 w - - 0 1");
    EXPECT_EQ(DetectThemes(noFork, {"b5c7", "e8d7", "b1b7"}), (Themes{"material"}));
    // Two targets, but the knight does not take on the next move.
    EXPECT_EQ(DetectThemes(fork, {"b5c7", "e8d7", "g2g3"}), (Themes{"material"}));
}

TEST(ExerciseThemes, PinHangingPieceAndPromotion)
{
    // dxe5 takes a knight pinned to its king by the rook; nothing takes
    // back, so it was hanging too.
    EXPECT_EQ(DetectThemes(StateFrom("4k3/8/8/4n3/3P4/8/8/4RK2 w - - 0 1"), {"d4e5"}),
              (Themes{"material", "pin", "hangingPiece"}));
    // Taking a pinned bishop with mate is the mate, not the pin.
    EXPECT_EQ(DetectThemes(StateFrom("r3kb1r/pp2qppp/2n5/2P2b2/1P4n1/1Q1P1p2/2N1BPPP/R1B1K2R b KQkq - 0 15"), {"e7e2"}),
              (Themes{"mateIn1", "mate"}));
    // Without the rook the knight is not pinned.
    EXPECT_EQ(DetectThemes(StateFrom("4k3/8/8/4n3/3P4/8/8/5K2 w - - 0 1"), {"d4e5"}),
              (Themes{"material", "hangingPiece"}));
    // A defended knight is not hanging: the pawn on f6 takes back.
    EXPECT_EQ(DetectThemes(StateFrom("4k3/8/5p2/4n3/3P4/8/8/5K2 w - - 0 1"), {"d4e5"}), (Themes{"material"}));
    // A pawn taken is too little to call a hanging piece.
    EXPECT_EQ(DetectThemes(StateFrom("4k3/8/8/4p3/3P4/8/8/5K2 w - - 0 1"), {"d4e5"}), (Themes{"material"}));
    EXPECT_EQ(DetectThemes(StateFrom("8/P6k/8/8/8/8/8/K7 w - - 0 1"), {"a7a8q"}), (Themes{"material", "promotion"}));
}

TEST(ExerciseThemes, AttacksFollowEachPiecesWay)
{
    const GameState state = StateFrom("4k3/8/8/3p4/2P5/8/1B6/R3K3 w - - 0 1");
    EXPECT_TRUE(Attacks(state.Board, Square::C4, Square::D5));  // a pawn takes diagonally forward
    EXPECT_FALSE(Attacks(state.Board, Square::C4, Square::C5)); // but not straight ahead
    EXPECT_TRUE(Attacks(state.Board, Square::D5, Square::C4));  // a Black pawn downwards
    EXPECT_TRUE(Attacks(state.Board, Square::B2, Square::D4));
    EXPECT_TRUE(Attacks(state.Board, Square::B2, Square::E5));
    EXPECT_FALSE(Attacks(state.Board, Square::B2, Square::C2)); // a bishop keeps to its diagonals
    EXPECT_TRUE(Attacks(state.Board, Square::A1, Square::D1));
    EXPECT_FALSE(Attacks(state.Board, Square::A1, Square::F1)); // the king stands between
    EXPECT_TRUE(AttackedBy(state.Board, Square::D5, true));
    EXPECT_FALSE(AttackedBy(state.Board, Square::H5, true));
    EXPECT_EQ(MaterialCp(state.Board, true), 100 + 300 + 500);
    EXPECT_EQ(MaterialCp(state.Board, false), 100);
}

} // namespace
