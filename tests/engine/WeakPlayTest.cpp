// The beginners' levels: they leave the levels' search as it was, a seed
// repeats their games, they take a free queen and give mate in one, and
// they allocate nothing while they choose.
#include "EngineTestSupport.h"

#include "engine/BenchSuite.h"
#include "engine/PlayingLevels.h"

#include <atomic>
#include <cstdlib>
#include <new>
#include <set>

namespace {

std::atomic<long> Allocations{0};

const TPlayingLevel& Level(std::string_view name)
{
    const TPlayingLevel* level = FindPlayingLevel(name);
    EXPECT_NE(level, nullptr) << name;
    return level ? *level : PlayingLevels()[0];
}

std::string WeakMove(LinkedEngine& e, const TPlayingLevel& level, TWeakRandom& random)
{
    TEngineMove move;
    if (!e->ChooseWeakMove(level.Style, random, move))
        return "none";
    return MoveToUci(move);
}

// Plays plies moves of a game from the start, each side at the level.
std::vector<std::string> WeakGame(const TPlayingLevel& level, std::uint64_t seed, int plies)
{
    LinkedEngine e;
    TWeakRandom random(seed);
    std::vector<std::string> moves;
    for (int i = 0; i < plies; ++i) {
        const std::string move = WeakMove(e, level, random);
        if (move == "none" || PlayMove(*e, e.State, move) != MoveTextResult::Legal)
            break;
        moves.push_back(move);
    }
    return moves;
}

// Positions where the side to move can take an undefended queen, and that
// capture.
struct TPuzzle {
    const char* Fen;
    const char* Answer;
};
const TPuzzle HangingQueens[] = {
    {"4k3/8/8/3q4/8/8/8/3RK3 w - - 0 1", "d1d5"},
    {"rnb1kbnr/pppp1ppp/8/4p3/4P2q/5N2/PPPP1PPP/RNBQKB1R w KQkq - 0 1", "f3h4"},
    {"rnbqkbnr/ppp2ppp/8/3pp3/4P1Q1/8/PPPP1PPP/RNB1KBNR b KQkq - 0 1", "c8g4"},
    {"r1bqkb1r/pppp1ppp/2n2n2/4p2Q/2B1P3/8/PPPP1PPP/RNB1K1NR b KQkq - 0 1", "f6h5"},
    {"4k3/8/8/2q5/8/8/8/2R1K3 w - - 0 1", "c1c5"},
    {"6k1/5ppp/8/8/4q3/8/3N1PPP/6K1 w - - 0 1", "d2e4"},
    {"rnb1kbnr/pppp1ppp/8/4p3/3qP3/2P5/PP1P1PPP/RNBQKBNR w KQkq - 0 1", "c3d4"},
    {"rnb1kbnr/pppp1ppp/8/4p3/4P1q1/8/PPPPBPPP/RNBQK1NR w KQkq - 0 1", "e2g4"},
    {"3rk3/8/8/8/8/8/8/3Q2K1 b - - 0 1", "d8d1"},
    {"rnbqkb1r/pppppppp/5n2/7Q/8/4P3/PPPP1PPP/RNB1KBNR b KQkq - 0 1", "f6h5"},
};
// Positions with a mate in one, and the mating move.
const TPuzzle MatesInOne[] = {
    {"6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1", "a1a8"},
    {"r1bqkbnr/pppp1ppp/2n5/4p2Q/2B1P3/8/PPPP1PPP/RNB1K1NR w KQkq - 0 1", "h5f7"},
    {"rnbqkbnr/pppp1ppp/8/4p3/6P1/5P2/PPPPP2P/RNBQKBNR b KQkq - 0 1", "d8h4"},
    {"6k1/5ppp/8/8/8/8/5PPP/3Q2K1 w - - 0 1", "d1d8"},
    {"6rk/6pp/8/6N1/8/8/8/6K1 w - - 0 1", "g5f7"},
    {"1r4k1/5ppp/8/8/8/8/5PPP/6K1 b - - 0 1", "b8b1"},
    {"k7/8/1K6/8/8/8/8/6Q1 w - - 0 1", "g1g8"},
    {"7k/8/6K1/8/8/8/8/R7 w - - 0 1", "a1a8"},
    {"4k2r/8/8/8/8/8/1r6/4K3 b k - 0 1", "h8h1"},
    {"k7/ppp5/8/8/8/8/8/3R2K1 w - - 0 1", "d1d8"},
};

} // namespace

// Counts every allocation of the test program, so that a test can show that
// a piece of work made none.
void* operator new(std::size_t size)
{
    ++Allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
// The standard library's temporary buffers (stable_sort) take the nothrow
// form; it must come from the same allocator as the delete below.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    ++Allocations;
    return std::malloc(size ? size : 1);
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept
{
    std::free(p);
}

TEST(WeakPlay, LeavesTheLevelsSearchAsItWas)
{
    // An engine that chose beginners' moves between two searches searches
    // the second time exactly as one that did not: same nodes, same move.
    for (const TBenchPosition& position : BenchPositions()) {
        GameState state;
        std::string error;
        ASSERT_TRUE(SetUpBenchPosition(position, state, error)) << error;
        LinkedEngine plain(state), mixed(state);
        plain.Search(3);
        mixed.Search(3);
        TWeakRandom random(7);
        for (const TPlayingLevel* level : {&Level("Iniciante"), &Level("Aprendiz")})
            WeakMove(mixed, *level, random);
        const std::string plainMove = plain.Search(3);
        EXPECT_EQ(mixed.Search(3), plainMove) << position.Name;
        EXPECT_EQ(mixed->Nodes(), plain->Nodes()) << position.Name;
        EXPECT_EQ(mixed->LastScore(), plain->LastScore()) << position.Name;
    }
}

TEST(WeakPlay, TheSameSeedPlaysTheSameGame)
{
    for (std::string_view name : {"Iniciante", "Aprendiz"}) {
        const std::vector<std::string> first = WeakGame(Level(name), 42, 30);
        EXPECT_EQ(first.size(), 30u) << name;
        EXPECT_EQ(WeakGame(Level(name), 42, 30), first) << name;
        // Another seed gives another game (so the draws matter at all).
        bool differs = false;
        for (std::uint64_t seed = 43; seed < 48 && !differs; ++seed)
            differs = WeakGame(Level(name), seed, 30) != first;
        EXPECT_TRUE(differs) << name;
    }
}

TEST(WeakPlay, PositionsOfTheTacticsTestsAreWhatTheySay)
{
    for (const TPuzzle& puzzle : HangingQueens) {
        LinkedEngine e(puzzle.Fen);
        EXPECT_EQ(e.Search(3), puzzle.Answer) << puzzle.Fen;
    }
    for (const TPuzzle& puzzle : MatesInOne) {
        LinkedEngine e(puzzle.Fen);
        EXPECT_EQ(e.Search(1), puzzle.Answer) << puzzle.Fen;
        EXPECT_EQ(e->LastScore(), engine::MateScore - 1) << puzzle.Fen;
    }
}

TEST(WeakPlay, TakesAFreeQueenAndGivesMateInOneMostOfTheTime)
{
    for (std::string_view name : {"Iniciante", "Aprendiz"}) {
        const TPlayingLevel& level = Level(name);
        // Each position tried with several seeds: the share over all of them
        // is what a player meets.
        int queens = 0, mates = 0, tries = 0;
        for (std::uint64_t seed = 1; seed <= 10; ++seed) {
            TWeakRandom random(seed);
            for (std::size_t i = 0; i < std::size(HangingQueens); ++i) {
                LinkedEngine q(HangingQueens[i].Fen), m(MatesInOne[i].Fen);
                queens += WeakMove(q, level, random) == HangingQueens[i].Answer;
                mates += WeakMove(m, level, random) == MatesInOne[i].Answer;
                ++tries;
            }
        }
        EXPECT_GE(queens * 10, tries * 8) << name << ": " << queens << " of " << tries;
        EXPECT_GE(mates * 10, tries * 5) << name << ": " << mates << " of " << tries;
        // But not a grandmaster's certainty of the best move everywhere:
        // from the start, a level plays more than one first move.
        std::set<std::string> firstMoves;
        for (std::uint64_t seed = 1; seed <= 20; ++seed)
            firstMoves.insert(WeakGame(level, seed, 1).front());
        EXPECT_GE(firstMoves.size(), 3u) << name;
    }
}

TEST(WeakPlay, StaysWithinTheLimitsAndTheRootMoves)
{
    LinkedEngine e;
    TWeakRandom random(3);
    const TEngineMove only = MakeMove("g1", "f3", engine::QuietMove);
    e->SetRootMoves(std::span(&only, 1));
    EXPECT_EQ(WeakMove(e, Level("Aprendiz"), random), "g1f3");
    e->SetRootMoves({});
    // A limit that ends the first move's search leaves a legal move.
    e->SetNodeLimit(1);
    const std::string move = WeakMove(e, Level("Aprendiz"), random);
    EXPECT_TRUE(e->LimitReached());
    EXPECT_NE(move, "none");
    e->SetNodeLimit(0);
    // No legal move: no choice.
    LinkedEngine mated("R5k1/5ppp/8/8/8/8/8/6K1 b - - 0 1");
    EXPECT_EQ(WeakMove(mated, Level("Iniciante"), random), "none");
}

TEST(WeakPlay, AllocatesNothingWhileChoosing)
{
    LinkedEngine e("r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 4 4");
    TWeakRandom random(5);
    TEngineMove move;
    for (const TPlayingLevel& level : PlayingLevels()) {
        if (!level.Beginner())
            continue;
        const long before = Allocations.load();
        ASSERT_TRUE(e->ChooseWeakMove(level.Style, random, move));
        EXPECT_EQ(Allocations.load(), before) << level.PlainName;
    }
}

TEST(WeakPlay, Chess960SearchesAllocateNothingAtAnyLevel)
{
    // A Chess960 position with castling on both sides within reach.
    FenPosition position;
    std::string error;
    ASSERT_TRUE(ReadFen("1r2k2r/pppppppp/8/8/8/8/PPPPPPPP/RK2R3 w AEbh - 0 1", position, error, true)) << error;
    LinkedEngine e(position.State);
    TWeakRandom random(5);
    TEngineMove move;
    for (const TPlayingLevel& level : PlayingLevels()) {
        const long before = Allocations.load();
        if (level.Beginner()) {
            ASSERT_TRUE(e->ChooseWeakMove(level.Style, random, move));
        } else {
            e.Depth = level.SearchDepth;
            e->FindBestMove();
        }
        EXPECT_EQ(Allocations.load(), before) << level.PlainName;
    }
}

TEST(PlayingLevels, SevenLevelsFromTheWeakest)
{
    const auto levels = PlayingLevels();
    ASSERT_EQ(levels.size(), 7u);
    EXPECT_EQ(levels[0].PlainName, "Iniciante");
    EXPECT_EQ(levels[1].PlainName, "Aprendiz");
    for (int depth = 1; depth <= 5; ++depth) {
        ASSERT_NE(PlayingLevelOfDepth(depth), nullptr);
        EXPECT_EQ(PlayingLevelOfDepth(depth), &levels[static_cast<std::size_t>(depth + 1)]);
    }
    EXPECT_EQ(FindPlayingLevel("super facil"), PlayingLevelOfDepth(1));
    EXPECT_EQ(FindPlayingLevel("Nenhum"), nullptr);
    EXPECT_EQ(PlayingLevelOfDepth(0), nullptr);
    // The book is followed longer by the stronger levels.
    for (std::size_t i = 1; i < levels.size(); ++i)
        EXPECT_GE(levels[i].BookPlies, levels[i - 1].BookPlies);
}
