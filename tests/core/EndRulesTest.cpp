// The ends of a game beyond mate and stalemate: the fifty-move claim from
// exactly the 100th half-move, the automatic ends at the 150th and at the
// fifth repetition, Article 6.9's flag falls, resignation, the computer's
// answer to a draw offer, and how the outcome is written to a game file.
#include "core/EndRules.h"
#include "core/Fen.h"
#include "core/San.h"

#include "NotationTestSupport.h"

#include <gtest/gtest.h>

namespace {

Game GameFrom(std::string_view fen)
{
    FenPosition start;
    std::string error;
    EXPECT_TRUE(ReadFen(fen, start, error)) << error;
    Game game;
    game.SetStart(start);
    return game;
}

void Play(Game& game, std::initializer_list<const char*> sans)
{
    for (const char* san : sans) {
        ChessMove move;
        std::string error;
        ASSERT_TRUE(ReadSan(game.FinalPosition(), san, move, error)) << san << ": " << error;
        ASSERT_TRUE(game.AddMove(move));
    }
}

// Knights walking out and back: four half-moves that change nothing.
void ShuffleKnights(Game& game, int times)
{
    for (int i = 0; i < times; ++i)
        Play(game, {"Nf3", "Nf6", "Ng1", "Ng8"});
}

TEST(EndRules, FiftyMoveClaimFromTheHundredthHalfMove)
{
    // Rooks that wander without ever repeating too often; the clock starts
    // at 90 in the FEN.
    Game game = GameFrom("4k2r/8/8/8/8/8/R7/4K3 w - - 90 60");
    const char* const walk[] = {"Ra3", "Rg8", "Ra4", "Rf8", "Ra5", "Rg8", "Ra6", "Rh8", "Ra7", "Rg8"};
    for (int i = 0; i < 9; ++i)
        Play(game, {walk[i]});
    EXPECT_EQ(FactsOf(game).HalfMoveClock, 99);
    EXPECT_FALSE(FiftyMoveClaimValid(FactsOf(game)));
    Play(game, {walk[9]});
    EXPECT_EQ(FactsOf(game).HalfMoveClock, 100);
    EXPECT_TRUE(FiftyMoveClaimValid(FactsOf(game)));
    EXPECT_FALSE(AutomaticEnd(FactsOf(game)).has_value());
}

TEST(EndRules, SeventyFiveMovesEndTheGameAtTheHundredAndFiftieth)
{
    Game game = GameFrom("4k2r/8/8/8/8/8/R7/4K3 w - - 148 80");
    Play(game, {"Ra3"});
    EXPECT_FALSE(AutomaticEnd(FactsOf(game)).has_value());
    Play(game, {"Rg8"});
    const auto end = AutomaticEnd(FactsOf(game));
    ASSERT_TRUE(end.has_value());
    EXPECT_EQ(*end, (GameOutcome{GameResult::Draw, EndReason::SeventyFiveMoves}));
    // A pawn move starts the count again.
    Game withPawn = GameFrom("4k2r/8/8/8/8/8/P7/4K3 w - - 149 80");
    Play(withPawn, {"a3"});
    EXPECT_EQ(FactsOf(withPawn).HalfMoveClock, 0);
}

TEST(EndRules, MateOnTheHundredAndFiftiethTakesPrecedence)
{
    // Back-rank mate with the count at 149.
    Game game = GameFrom("6k1/5ppp/8/8/8/8/8/R5K1 w - - 149 90");
    Play(game, {"Ra8#"});
    const GameFacts facts = FactsOf(game);
    EXPECT_EQ(facts.HalfMoveClock, 150);
    EXPECT_TRUE(facts.NoLegalMove);
    EXPECT_FALSE(AutomaticEnd(facts).has_value());
}

TEST(EndRules, RepetitionsAreCountedAndTheFifthEndsTheGame)
{
    Game game = GameFrom("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");
    ShuffleKnights(game, 1);
    EXPECT_EQ(FactsOf(game).Repetitions, 2);
    EXPECT_FALSE(ThreefoldClaimValid(FactsOf(game)));
    ShuffleKnights(game, 1);
    EXPECT_EQ(FactsOf(game).Repetitions, 3);
    EXPECT_TRUE(ThreefoldClaimValid(FactsOf(game)));
    EXPECT_FALSE(AutomaticEnd(FactsOf(game)).has_value());
    ShuffleKnights(game, 1);
    EXPECT_FALSE(AutomaticEnd(FactsOf(game)).has_value());
    ShuffleKnights(game, 1);
    EXPECT_EQ(FactsOf(game).Repetitions, 5);
    EXPECT_EQ(AutomaticEnd(FactsOf(game)), (GameOutcome{GameResult::Draw, EndReason::FivefoldRepetition}));
    // A new position has stood once.
    Play(game, {"Nc3"});
    EXPECT_EQ(FactsOf(game).Repetitions, 1);
}

TEST(EndRules, LostCastlingRightsMakeADifferentPosition)
{
    Game game = GameFrom("r3k3/8/8/8/8/8/8/4K2R w Kq - 0 1");
    Play(game, {"Kf1", "Kd8", "Ke1", "Ke8"});
    // Same placement as the start, but White can no longer castle.
    EXPECT_EQ(FactsOf(game).Repetitions, 1);
    Play(game, {"Kf1", "Kd8", "Ke1", "Ke8"});
    EXPECT_EQ(FactsOf(game).Repetitions, 2);
}

TEST(EndRules, FlagFallFollowsArticleSixNine)
{
    struct Case {
        const char* Fen;
        bool WhiteFlagged;
        GameResult Expected;
        const char* Why;
    };
    const Case cases[] = {
        {"4k3/8/8/8/8/8/8/QQ2K3 w - - 0 1", true, GameResult::Draw, "opponent has a lone king"},
        {"4k3/8/8/8/8/8/8/QQ2K3 w - - 0 1", false, GameResult::WhiteWins, "White has queens"},
        {"4k3/pp6/8/8/8/8/8/4K1N1 w - - 0 1", false, GameResult::WhiteWins, "K+N against K+pawns can mate"},
        {"4k3/8/8/8/8/8/8/4K1N1 w - - 0 1", false, GameResult::Draw, "K+N against a lone king"},
        {"4k3/8/8/8/8/8/8/q3K1N1 w - - 0 1", false, GameResult::Draw, "K+N against K+Q: no blocker"},
        {"4k3/8/8/8/8/8/8/r3K1N1 w - - 0 1", false, GameResult::WhiteWins, "K+N against K+R"},
        {"4k3/8/8/8/8/8/8/2B1KB2 w - - 0 1", false, GameResult::WhiteWins, "bishops on both colours"},
        {"4k3/8/8/8/8/8/1B6/2B1K3 w - - 0 1", false, GameResult::Draw, "bishops all on dark squares"},
        {"4k3/8/8/8/8/8/1B6/2b1K3 w - - 0 1", false, GameResult::Draw, "both sides' bishops on one colour"},
        {"4k3/8/8/8/8/8/1B6/1b2K3 w - - 0 1", false, GameResult::WhiteWins, "the other side's bishop can block"},
        {"4k3/p7/8/8/8/8/1B6/4K3 w - - 0 1", false, GameResult::WhiteWins, "a pawn can block"},
        {"4k3/8/8/8/8/8/1B6/4K1n1 w - - 0 1", false, GameResult::WhiteWins, "a knight can block"},
        {"4k3/8/8/8/8/8/8/2N1KN2 w - - 0 1", false, GameResult::WhiteWins, "two knights (a helpmate exists)"},
        {"4k3/8/8/8/8/8/8/2N1KB2 w - - 0 1", false, GameResult::WhiteWins, "knight and bishop"},
        {"4k3/8/8/8/8/8/P7/4K3 w - - 0 1", false, GameResult::WhiteWins, "one pawn"},
        {"4k2r/8/8/8/8/8/8/4K3 w - - 0 1", true, GameResult::BlackWins, "Black has a rook"},
    };
    for (const Case& c : cases) {
        const GameState state = FenState(c.Fen);
        const GameOutcome outcome = FlagFallOutcome(state.Board, c.WhiteFlagged);
        EXPECT_EQ(outcome.Result, c.Expected) << c.Why;
        EXPECT_EQ(outcome.Reason,
                  c.Expected == GameResult::Draw ? EndReason::TimeoutNoMaterial : EndReason::TimeForfeit)
            << c.Why;
    }
}

TEST(EndRules, ResignationLosesForTheSideThatResigns)
{
    EXPECT_EQ(ResignationOutcome(true), (GameOutcome{GameResult::BlackWins, EndReason::Resignation}));
    EXPECT_EQ(ResignationOutcome(false), (GameOutcome{GameResult::WhiteWins, EndReason::Resignation}));
}

TEST(EndRules, ComputerAnswersADrawOfferByItsEvaluation)
{
    EXPECT_TRUE(ComputerAcceptsDraw(-500)); // losing
    EXPECT_TRUE(ComputerAcceptsDraw(0));    // level
    EXPECT_TRUE(ComputerAcceptsDraw(DrawAcceptMargin));
    EXPECT_FALSE(ComputerAcceptsDraw(DrawAcceptMargin + 1)); // better
    EXPECT_FALSE(ComputerAcceptsDraw(900));                  // winning
}

TEST(EndRules, OutcomesAreWrittenToAndReadFromTheGameFile)
{
    const GameOutcome outcomes[] = {
        {GameResult::BlackWins, EndReason::TimeForfeit}, {GameResult::Draw, EndReason::TimeoutNoMaterial},
        {GameResult::WhiteWins, EndReason::Resignation}, {GameResult::Draw, EndReason::Agreement},
        {GameResult::Draw, EndReason::FiftyMoves},       {GameResult::Draw, EndReason::FivefoldRepetition},
    };
    for (const GameOutcome& outcome : outcomes) {
        Game game;
        RecordOutcome(game, outcome);
        EXPECT_EQ(game.Tag("Result"), ResultToken(outcome.Result));
        EXPECT_EQ(game.Tag("Termination"), TerminationTag(outcome.Reason));
        EXPECT_EQ(RecordedOutcome(game), outcome);
    }
    Game game;
    RecordOutcome(game, {GameResult::BlackWins, EndReason::TimeForfeit});
    EXPECT_EQ(game.Tag("Termination"), "time forfeit");
    // Another program's file: Termination alone says it was the clock.
    game.RemoveTag("KestravinEnd");
    EXPECT_EQ(RecordedOutcome(game), (GameOutcome{GameResult::BlackWins, EndReason::TimeForfeit}));
    RecordOutcome(game, {});
    EXPECT_EQ(game.Result(), "*");
    EXPECT_FALSE(game.Tag("Termination").has_value());
}

} // namespace
