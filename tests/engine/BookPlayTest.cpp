// Playing from the opening book: each level within its own plies, and
// varied games from the start with Debian's book.
#include "EngineTestSupport.h"

#include "core/PolyglotKey.h"
#include "engine/BookPlay.h"
#include "engine/PlayingLevels.h"

#include <filesystem>
#include <set>

namespace {

// A game of plies half-moves from the start at the level, both sides
// taking the book's move while the level allows and searching otherwise.
std::string PlayFromBook(const TPolyglotBook& book, const TPlayingLevel& level, TWeakRandom& random, int plies)
{
    LinkedEngine e;
    for (int ply = 0; ply < plies; ++ply) {
        ChessMove bookMove;
        std::string move;
        if (ChooseBookMove(book, e.State, ply, level.BookPlies, random, bookMove)) {
            move = BookMoveText(bookMove);
        } else if (level.Beginner()) {
            TEngineMove chosen;
            EXPECT_TRUE(e->ChooseWeakMove(level.Style, random, chosen));
            move = MoveToUci(chosen);
        } else {
            move = e.Search(level.SearchDepth);
        }
        EXPECT_EQ(PlayMove(*e, e.State, move), MoveTextResult::Legal) << move;
    }
    return PositionString(e.State.Board) + (e.State.WhiteToMove ? "w" : "b");
}

} // namespace

TEST(BookPlay, ALevelTakesTheBookOnlyWithinItsPlies)
{
    const GameState start = GameState::Initial();
    TPolyglotBook book;
    book.SetEntries({{PolyglotKey(start), TPolyglotBook::EncodeMove(start, {Square::G1, Square::F3}), 1, 0}});
    TWeakRandom random(1);
    ChessMove move;
    EXPECT_TRUE(ChooseBookMove(book, start, 0, 1, random, move));
    EXPECT_EQ(BookMoveText(move), "g1f3");
    EXPECT_FALSE(ChooseBookMove(book, start, 1, 1, random, move));
    EXPECT_FALSE(ChooseBookMove(TPolyglotBook(), start, 0, 10, random, move));
    EXPECT_EQ(BookMoveText({Square::E7, Square::E8, 'Q'}), "e7e8q");
}

TEST(BookPlay, TwentyGamesFromTheStartVaryWithDebiansBook)
{
    const char* path = DefaultBookPath;
    if (!std::filesystem::exists(path))
        GTEST_SKIP() << path << " is not installed (Debian package gnuchess-book)";
    TPolyglotBook book;
    ASSERT_EQ(book.Load(path), TBookError::None);
    for (const TPlayingLevel& level : PlayingLevels()) {
        if (level.BookPlies < 8)
            continue;
        TWeakRandom random(2024);
        std::set<std::string> positions;
        for (int game = 0; game < 20; ++game)
            positions.insert(PlayFromBook(book, level, random, 8));
        EXPECT_GE(positions.size(), 8u) << level.PlainName;
        // Without the book the level plays the same game every time.
        if (level.SearchDepth == 1) {
            std::set<std::string> plain;
            for (int game = 0; game < 3; ++game)
                plain.insert(PlayFromBook(TPolyglotBook(), level, random, 8));
            EXPECT_EQ(plain.size(), 1u);
        }
    }
}
