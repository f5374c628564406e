// The move generators: order, flags and ordering scores of the moves, and
// which of them DoMove accepts.
#include "EngineTestSupport.h"

#include <algorithm>

using namespace engine;

namespace {

std::vector<TMoveEntry> Entries(TChessEngine& engine)
{
    auto moves = engine.CurrentMoves();
    return {moves.begin(), moves.end()};
}

int CountLegal(TChessEngine& engine)
{
    int legal = 0;
    for (const TMoveEntry& entry : Entries(engine)) {
        if (engine.DoMove(entry.Move)) {
            ++legal;
            engine.UndoMove();
        }
    }
    return legal;
}

} // namespace

TEST(MoveGeneration, InitialPositionInGenerationOrder)
{
    LinkedEngine e;
    const std::vector<std::string> expected = {"a2a3", "a2a4", "b2b3", "b2b4", "c2c3", "c2c4", "d2d3", "d2d4",
                                               "e2e3", "e2e4", "f2f3", "f2f4", "g2g3", "g2g4", "h2h3", "h2h4",
                                               "b1a3", "b1c3", "g1f3", "g1h3", "e1g1", "e1c1"};
    EXPECT_EQ(e.GeneratedMoves(), expected);
    const auto entries = Entries(*e);
    EXPECT_EQ(entries[0].Move.Flags, PawnStep);
    EXPECT_EQ(entries[1].Move.Flags, PawnDoubleStep);
    EXPECT_EQ(entries[16].Move.Flags, QuietMove);
    EXPECT_EQ(entries[20].Move.Flags, CastleMove);
    // Both castlings are refused: the squares between are occupied.
    EXPECT_EQ(CountLegal(*e), 20);
    EXPECT_FALSE(e->DoMove(entries[20].Move));
    EXPECT_EQ(e->CurrentPly(), 0);
}

TEST(MoveGeneration, PromotionsComeInFourWithTheirScores)
{
    LinkedEngine e("7k/P7/8/8/8/8/8/K7 w - - 0 1");
    e->GenerateMoves();
    std::vector<TMoveEntry> promotions;
    for (const TMoveEntry& entry : Entries(*e))
        if (entry.Move.From == EngineSq("a7"))
            promotions.push_back(entry);
    ASSERT_EQ(promotions.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(promotions[i].Move.To, EngineSq("a8"));
        EXPECT_EQ(promotions[i].Move.Promote, i + 1);
        EXPECT_EQ(promotions[i].Move.Flags, 48);
        EXPECT_EQ(promotions[i].Score, 1000010 + 10 * i);
    }
}

TEST(MoveGeneration, StepToSeventhRankIsNoPromotion)
{
    LinkedEngine e("7k/8/P7/8/8/8/8/K7 w - - 0 1");
    e->GenerateMoves();
    const auto entries = Entries(*e);
    const auto step =
        std::find_if(entries.begin(), entries.end(), [](const TMoveEntry& m) { return m.Move.From == EngineSq("a6"); });
    ASSERT_NE(step, entries.end());
    EXPECT_EQ(step->Move.Flags, PawnStep);
    EXPECT_EQ(step->Move.Promote, 0);
    EXPECT_EQ(std::count_if(entries.begin(), entries.end(),
                            [](const TMoveEntry& m) { return m.Move.From == EngineSq("a6"); }),
              1);
}

TEST(MoveGeneration, CapturingPromotionScoresAsPromotion)
{
    LinkedEngine e("1r5k/P7/8/8/8/8/8/K7 w - - 0 1");
    e->GenerateMoves();
    std::vector<TMoveEntry> captures;
    for (const TMoveEntry& entry : Entries(*e))
        if (entry.Move.From == EngineSq("a7") && entry.Move.To == EngineSq("b8"))
            captures.push_back(entry);
    ASSERT_EQ(captures.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(captures[i].Move.Flags, 49);
        EXPECT_EQ(captures[i].Score, 1000010 + 10 * i);
    }
}

TEST(MoveGeneration, CaptureScoresPreferValuableVictimsAndCheapAttackers)
{
    // A knight on c6 and a pawn on e5 can both take the queen on d4.
    LinkedEngine e("4k3/8/2n5/4p3/3Q4/8/8/4K3 b - - 0 1");
    e->GenerateMoves();
    int knightTakesQueen = 0;
    int pawnTakesQueen = 0;
    for (const TMoveEntry& entry : Entries(*e)) {
        if (entry.Move.To == EngineSq("d4") && entry.Move.From == EngineSq("c6"))
            knightTakesQueen = entry.Score;
        if (entry.Move.To == EngineSq("d4") && entry.Move.From == EngineSq("e5"))
            pawnTakesQueen = entry.Score;
    }
    EXPECT_EQ(knightTakesQueen, 1000000 + 10 * Queen - Knight);
    EXPECT_EQ(pawnTakesQueen, 1000000 + 10 * Queen - Pawn);
}

TEST(MoveGeneration, EnPassantBothSidesAndTakeBack)
{
    LinkedEngine e("4k3/8/8/2PpP3/8/8/8/4K3 w - d6 0 1");
    e->GenerateMoves();
    std::vector<TMoveEntry> enPassant;
    for (const TMoveEntry& entry : Entries(*e))
        if (entry.Move.Flags == EnPassantCapture)
            enPassant.push_back(entry);
    ASSERT_EQ(enPassant.size(), 2u);
    EXPECT_EQ(enPassant[0].Move.From, EngineSq("c5"));
    EXPECT_EQ(enPassant[1].Move.From, EngineSq("e5"));
    for (const TMoveEntry& entry : enPassant) {
        EXPECT_EQ(entry.Move.To, EngineSq("d6"));
        EXPECT_EQ(entry.Score, 1000060);
    }
    ASSERT_TRUE(e->DoMove(enPassant[0].Move));
    EXPECT_EQ(e->SquarePieceAt(EngineSq("d5")), EmptyCode);
    EXPECT_EQ(e->SquarePieceAt(EngineSq("d6")), Pawn);
    EXPECT_EQ(e->SquareColourAt(EngineSq("d6")), White);
    e->UndoMove();
    EXPECT_EQ(e->SquarePieceAt(EngineSq("d5")), Pawn);
    EXPECT_EQ(e->SquareColourAt(EngineSq("d5")), Black);
    EXPECT_EQ(e->SquarePieceAt(EngineSq("d6")), EmptyCode);
    EXPECT_EQ(e->SquarePieceAt(EngineSq("c5")), Pawn);
    EXPECT_EQ(e->GetEnPassantSquare(), EngineSq("d6"));
}

TEST(MoveGeneration, CastlingConditions)
{
    const TEngineMove kingSide = MakeMove("e1", "g1", CastleMove);
    const TEngineMove queenSide = MakeMove("e1", "c1", CastleMove);
    {
        LinkedEngine e("4k3/8/8/8/8/8/8/R3K2R w KQ - 0 1");
        EXPECT_TRUE(e->DoMove(kingSide));
        EXPECT_EQ(e->SquarePieceAt(EngineSq("f1")), Rook);
        EXPECT_EQ(e->SquarePieceAt(EngineSq("h1")), EmptyCode);
        EXPECT_EQ(e->GetCastleRights(), 0);
        e->UndoMove();
        EXPECT_EQ(e->SquarePieceAt(EngineSq("h1")), Rook);
        EXPECT_EQ(e->SquarePieceAt(EngineSq("e1")), King);
        EXPECT_EQ(e->SquarePieceAt(EngineSq("f1")), EmptyCode);
        EXPECT_EQ(e->GetCastleRights(), 3);
    }
    { // In check.
        LinkedEngine e("4k3/4r3/8/8/8/8/8/R3K2R w KQ - 0 1");
        EXPECT_FALSE(e->DoMove(kingSide));
        EXPECT_FALSE(e->DoMove(queenSide));
    }
    { // f1 attacked, g1 occupied.
        LinkedEngine a("4kr2/8/8/8/8/8/8/R3K2R w KQ - 0 1");
        EXPECT_FALSE(a->DoMove(kingSide));
        EXPECT_TRUE(a->DoMove(queenSide));
        LinkedEngine b("4k3/8/8/8/8/8/8/R3K1NR w KQ - 0 1");
        EXPECT_FALSE(b->DoMove(kingSide));
    }
    { // g1 attacked.
        LinkedEngine e("4k1r1/8/8/8/8/8/8/R3K2R w KQ - 0 1");
        EXPECT_FALSE(e->DoMove(kingSide));
    }
    { // b1 occupied refuses; b1 attacked does not.
        LinkedEngine occupied("4k3/8/8/8/8/8/8/RN2K2R w KQ - 0 1");
        EXPECT_FALSE(occupied->DoMove(queenSide));
        LinkedEngine attacked("1r2k3/8/8/8/8/8/8/R3K2R w KQ - 0 1");
        EXPECT_TRUE(attacked->DoMove(queenSide));
        EXPECT_EQ(attacked->SquarePieceAt(EngineSq("d1")), Rook);
        EXPECT_EQ(attacked->SquarePieceAt(EngineSq("a1")), EmptyCode);
    }
    { // Black's castlings move Black's rooks.
        LinkedEngine e("r3k2r/8/8/8/8/8/8/4K3 b kq - 0 1");
        EXPECT_TRUE(e->DoMove(MakeMove("e8", "c8", CastleMove)));
        EXPECT_EQ(e->SquarePieceAt(EngineSq("d8")), Rook);
        EXPECT_EQ(e->SquareColourAt(EngineSq("d8")), Black);
        EXPECT_EQ(e->GetCastleRights(), 0);
    }
}

TEST(MoveGeneration, CastleKeepClearsTheGuardedRights)
{
    LinkedEngine e("r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1");
    ASSERT_TRUE(e->DoMove(MakeMove("h1", "h8", PieceCapture)));
    // The rook left h1 and captured on h8: both king-side rights are gone.
    EXPECT_EQ(e->GetCastleRights(), 2 | 8);
    e->UndoMove();
    ASSERT_TRUE(e->DoMove(MakeMove("e1", "e2", QuietMove)));
    EXPECT_EQ(e->GetCastleRights(), 4 | 8);
    e->UndoMove();
    ASSERT_TRUE(e->DoMove(MakeMove("a1", "a2", QuietMove)));
    EXPECT_EQ(e->GetCastleRights(), 1 | 4 | 8);
    e->UndoMove();
    EXPECT_EQ(e->GetCastleRights(), 15);
}

TEST(MoveGeneration, IllegalMovesAreRefusedWithoutTrace)
{
    // The e-pawn is pinned against the king by the rook on e8.
    LinkedEngine e("4r1k1/8/8/8/8/3b4/4P3/4K3 w - - 0 1");
    EXPECT_FALSE(e->DoMove(MakeMove("e2", "d3", PawnCapture)));
    EXPECT_EQ(e->SquarePieceAt(EngineSq("e2")), Pawn);
    EXPECT_EQ(e->SquarePieceAt(EngineSq("d3")), Bishop);
    EXPECT_EQ(e->SquareColourAt(EngineSq("d3")), Black);
    EXPECT_EQ(e->CurrentPly(), 0);
    EXPECT_EQ(e->GetSideToMove(), White);
}

TEST(MoveGeneration, CapturesOnlySet)
{
    LinkedEngine initial;
    initial->GenerateCaptures();
    EXPECT_TRUE(initial->CurrentMoves().empty());

    // Captures by every kind of piece, a promotion push, no quiet moves.
    LinkedEngine e("3rk3/P7/1b6/3p4/2N5/8/8/3RK3 w - - 0 1");
    e->GenerateCaptures();
    std::vector<std::string> moves;
    for (const TMoveEntry& entry : e->CurrentMoves())
        moves.push_back(MoveToUci(entry.Move));
    EXPECT_EQ(moves, std::vector<std::string>({"a7a8n", "a7a8b", "a7a8r", "a7a8q", "c4b6", "d1d5"}));
}

TEST(MoveGeneration, PawnsOnTheirLastRankStayInsideTheBoard)
{
    // A position written directly may hold pawns on the far ranks.
    GameState state = GameState::FromPlacement("P      k"
                                               "        "
                                               "        "
                                               "        "
                                               "        "
                                               "        "
                                               "        "
                                               "K      p",
                                               true);
    TChessEngine engine;
    engine.LinkTo(state);
    engine.LoadPosition();
    engine.GenerateMoves();
    for (const TMoveEntry& entry : engine.CurrentMoves())
        EXPECT_NE(entry.Move.From, EngineSq("a8"));
    state.WhiteToMove = false;
    engine.LoadPosition();
    engine.GenerateMoves();
    for (const TMoveEntry& entry : engine.CurrentMoves())
        EXPECT_NE(entry.Move.From, EngineSq("h1"));
}

namespace {

// The moves of the list, each with its flags and score, in one order.
std::vector<std::pair<std::uint32_t, int>> Sorted(const std::vector<TMoveEntry>& entries)
{
    std::vector<std::pair<std::uint32_t, int>> result;
    for (const TMoveEntry& entry : entries)
        result.emplace_back(entry.Move.Whole(), entry.Score);
    std::sort(result.begin(), result.end());
    return result;
}

// Walks the move tree; wherever the side to move is in check, the answers
// listed on their own must be exactly the moves of the whole list that
// CannotAnswerCheck does not rule out, with the same flags and scores.
void CompareCheckAnswers(TChessEngine& engine, int depth, int& compared)
{
    if (engine.GenerateCheckAnswers()) {
        const std::vector<TMoveEntry> answers = Entries(engine);
        engine.GenerateMoves();
        std::vector<TMoveEntry> kept;
        for (const TMoveEntry& entry : Entries(engine)) {
            if (!engine.CannotAnswerCheck(entry.Move))
                kept.push_back(entry);
        }
        GameState state;
        engine.StorePosition(state);
        ASSERT_EQ(Sorted(answers), Sorted(kept)) << WriteFen(state);
        ++compared;
    }
    if (depth == 0)
        return;
    engine.GenerateMoves();
    for (const TMoveEntry& entry : Entries(engine)) {
        if (!engine.DoMove(entry.Move))
            continue;
        CompareCheckAnswers(engine, depth - 1, compared);
        engine.UndoMove();
        engine.GenerateMoves();
    }
}

} // namespace

TEST(MoveGeneration, CheckAnswersAreTheWholeListsAnswers)
{
    const char* positions[] = {
        "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
        "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8",
        "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
        "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1",
        // Checks that a pawn push, a double step, a promotion or en passant
        // can answer; a double check.
        "4k3/8/8/8/8/8/4PPP1/r3K3 w - - 0 1",
        "4k3/8/8/8/b7/8/3P4/4K3 w - - 0 1",
        "1r2k3/P7/8/8/8/8/8/1K6 w - - 0 1",
        "8/8/8/2k5/3Pp3/8/8/4K3 b - d3 0 1",
        "4k3/8/8/8/1b6/8/3n4/R3K2R w KQ - 0 1",
    };
    for (const char* fen : positions) {
        LinkedEngine e(fen);
        // Quiet moves score by the history table: fill it first.
        e.Search(3);
        e->LoadPosition();
        int compared = 0;
        CompareCheckAnswers(*e, 3, compared);
        EXPECT_GT(compared, 0) << fen;
        EXPECT_EQ(e->CurrentPly(), 0);
    }
    // Set up by hand, pawns on their own first rank: a two-square step from
    // there blocks the check, for either side.
    const std::pair<const char*, bool> placements[] = {
        {"..p....."
         "........"
         "k......R"
         "........"
         "........"
         "........"
         "........"
         ".......K",
         false},
        {"k......."
         "........"
         "........"
         "........"
         "........"
         "K......r"
         "........"
         "..P.....",
         true},
    };
    for (const auto& [placement, whiteToMove] : placements) {
        LinkedEngine e(GameState::FromPlacement(placement, whiteToMove));
        ASSERT_TRUE(e->GenerateCheckAnswers()) << placement;
        bool doubleStep = false;
        for (const TMoveEntry& entry : e->CurrentMoves())
            doubleStep = doubleStep || (entry.Move.Flags & FlagDoubleStep);
        EXPECT_TRUE(doubleStep) << placement;
        int compared = 0;
        CompareCheckAnswers(*e, 2, compared);
        EXPECT_GT(compared, 0) << placement;
    }
}

TEST(MoveGeneration, NoBoardListsMoreThanTheListHoldsPerPosition)
{
    // Boards set up by hand to list as many moves as they can: half the
    // squares held by queens, and pawns about to promote with pieces to take.
    const char* placements[] = {
        "Q.Q.Q.Q."
        ".Q.Q.Q.Q"
        "Q.Q.Q.Q."
        ".Q.Q.Q.Q"
        "Q.Q.Q.Q."
        ".Q.Q.Q.Q"
        "Q.Q.Q.Q."
        ".Q.Q.Q.K",
        "rnrnrnrn"
        "PPPPPPPP"
        "QQQQ...."
        "........"
        "........"
        "....QQQQ"
        "........"
        "K......k",
    };
    for (const char* placement : placements) {
        LinkedEngine e(GameState::FromPlacement(placement));
        e->GenerateMoves();
        EXPECT_GT(e->CurrentMoves().size(), 100u);
        EXPECT_LE(e->CurrentMoves().size(), static_cast<std::size_t>(MaxMovesInPosition));
    }
}
