// The Polyglot opening book: the format's published keys, a small book
// written here and read back, the weighted choice, broken files, and the
// book Debian ships when it is installed.
#include "core/PolyglotBook.h"
#include "core/Fen.h"
#include "core/PolyglotKey.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

GameState FromFen(const std::string& fen)
{
    FenPosition position;
    std::string error;
    EXPECT_TRUE(ReadFen(fen, position, error)) << fen << ": " << error;
    return position.State;
}

ChessMove Move(const char* from, const char* to, char promotion = EmptySquare)
{
    return {SquareFromName(from[0], from[1]), SquareFromName(to[0], to[1]), promotion};
}

// A file in the test's temporary folder holding the bytes.
class BookFile {
public:
    explicit BookFile(const std::string& bytes)
        : path_(std::filesystem::temp_directory_path() /
                ("kestravin-book-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 std::to_string(counter_++) + ".bin"))
    {
        std::ofstream(path_, std::ios::binary) << bytes;
    }
    ~BookFile() { std::filesystem::remove(path_); }
    std::string Path() const { return path_.string(); }

private:
    std::filesystem::path path_;
    static inline int counter_ = 0;
};

} // namespace

TEST(PolyglotKey, ThePublishedKeys)
{
    const std::pair<const char*, std::uint64_t> keys[] = {
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", 0x463b96181691fc9cull},
        {"rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1", 0x823c9b50fd114196ull},
        {"rnbqkbnr/ppp1pppp/8/3p4/4P3/8/PPPP1PPP/RNBQKBNR w KQkq d6 0 2", 0x0756b94461c50fb0ull},
        {"rnbqkbnr/ppp1pppp/8/3pP3/8/8/PPPP1PPP/RNBQKBNR b KQkq - 0 2", 0x662fafb965db29d4ull},
        {"rnbqkbnr/ppp1p1pp/8/3pPp2/8/8/PPPP1PPP/RNBQKBNR w KQkq f6 0 3", 0x22a48b5a8e47ff78ull},
        {"rnbqkbnr/ppp1p1pp/8/3pPp2/8/8/PPPPKPPP/RNBQ1BNR b kq - 0 3", 0x652a607ca3f242c1ull},
        {"rnbq1bnr/ppp1pkpp/8/3pPp2/8/8/PPPPKPPP/RNBQ1BNR w - - 0 4", 0x00fdd303c946bdd9ull},
        {"rnbqkbnr/p1pppppp/8/8/PpP4P/8/1P1PPPP1/RNBQKBNR b KQkq c3 0 3", 0x3c8123ea7b067637ull},
        {"rnbqkbnr/p1pppppp/8/8/P6P/R1p5/1P1PPPP1/1NBQKBNR b Kkq - 0 4", 0x5c3f9b829b279560ull},
    };
    for (const auto& [fen, key] : keys)
        EXPECT_EQ(PolyglotKey(FromFen(fen)), key) << fen;
}

TEST(PolyglotBook, ASmallBookWrittenAndReadBack)
{
    const GameState start = GameState::Initial();
    const GameState castling = FromFen("r3k2r/pppqpppp/8/8/8/8/PPPQPPPP/R3K2R w KQkq - 0 1");
    const GameState promotion = FromFen("8/1P4k1/8/8/8/8/6K1/8 w - - 0 1");
    std::vector<TBookEntry> entries;
    const auto add = [&](const GameState& state, const ChessMove& move, int weight) {
        entries.push_back(
            {PolyglotKey(state), TPolyglotBook::EncodeMove(state, move), static_cast<std::uint16_t>(weight), 0});
    };
    add(start, Move("e2", "e4"), 3);
    add(start, Move("d2", "d4"), 1);
    add(start, Move("e2", "e5"), 500); // no legal move: passed over
    add(castling, Move("e1", "g1"), 2);
    add(castling, Move("e1", "c1"), 2);
    add(promotion, Move("b7", "b8", 'N'), 1);
    // Castling is written as the king taking its own rook.
    EXPECT_EQ(TPolyglotBook::EncodeMove(castling, Move("e1", "g1")), (4 << 6) | 7);
    EXPECT_EQ(TPolyglotBook::EncodeMove(castling, Move("e1", "c1")), (4 << 6) | 0);

    const BookFile file(TPolyglotBook::Serialise(entries));
    TPolyglotBook book;
    ASSERT_EQ(book.Load(file.Path()), TBookError::None);
    EXPECT_EQ(book.Size(), entries.size());

    const std::vector<TBookMove> moves = book.Moves(start);
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_EQ(moves[0].Move, Move("e2", "e4"));
    EXPECT_EQ(moves[0].Weight, 3);
    EXPECT_EQ(moves[1].Move, Move("d2", "d4"));
    const std::vector<TBookMove> castlings = book.Moves(castling);
    ASSERT_EQ(castlings.size(), 2u);
    EXPECT_EQ(castlings[0].Move, Move("e1", "g1"));
    EXPECT_EQ(castlings[1].Move, Move("e1", "c1"));
    ASSERT_EQ(book.Moves(promotion).size(), 1u);
    EXPECT_EQ(book.Moves(promotion)[0].Move, Move("b7", "b8", 'N'));
    // Not in the book.
    EXPECT_TRUE(book.Moves(PositionAfter(start, Move("g1", "f3"))).empty());
    ChessMove chosen;
    EXPECT_FALSE(book.Choose(PositionAfter(start, Move("g1", "f3")), 0.5, chosen));

    // The choice follows the weights: e2e4 for the first three quarters.
    for (const auto& [uniform, expected] : {std::pair{0.0, Move("e2", "e4")},
                                            {0.74, Move("e2", "e4")},
                                            {0.76, Move("d2", "d4")},
                                            {0.9999, Move("d2", "d4")}}) {
        ASSERT_TRUE(book.Choose(start, uniform, chosen));
        EXPECT_EQ(chosen, expected) << uniform;
    }
}

TEST(PolyglotBook, BrokenFilesAreRefusedAndLeaveTheBookEmpty)
{
    TPolyglotBook book;
    EXPECT_EQ(book.Load("/nonexistent/kestravin/book.bin"), TBookError::CannotRead);
    EXPECT_TRUE(book.Empty());
    const BookFile empty("");
    EXPECT_EQ(book.Load(empty.Path()), TBookError::NotABook);
    const GameState start = GameState::Initial();
    std::string bytes =
        TPolyglotBook::Serialise({{PolyglotKey(start), TPolyglotBook::EncodeMove(start, Move("e2", "e4")), 1, 0}});
    const BookFile ragged(bytes + "x");
    EXPECT_EQ(book.Load(ragged.Path()), TBookError::NotABook);
    // Two entries out of order.
    const std::string first = bytes;
    bytes = TPolyglotBook::Serialise({{1, 0, 1, 0}}) + TPolyglotBook::Serialise({{0, 0, 1, 0}});
    const BookFile unsorted(bytes);
    EXPECT_EQ(book.Load(unsorted.Path()), TBookError::NotABook);
    EXPECT_TRUE(book.Empty());
    const BookFile good(first);
    EXPECT_EQ(book.Load(good.Path()), TBookError::None);
    EXPECT_EQ(book.Moves(start).size(), 1u);
}

TEST(PolyglotBook, DebiansBook)
{
    const char* path = "/usr/share/games/gnuchess/book.bin";
    if (!std::filesystem::exists(path))
        GTEST_SKIP() << path << " is not installed (Debian package gnuchess-book)";
    TPolyglotBook book;
    ASSERT_EQ(book.Load(path), TBookError::None);
    EXPECT_EQ(book.Size(), 180358u);
    std::map<std::string, int> weights;
    for (const TBookMove& m : book.Moves(GameState::Initial()))
        weights[LowerSquareName(m.Move.From) + LowerSquareName(m.Move.To)] = m.Weight;
    EXPECT_EQ(weights.size(), 13u);
    EXPECT_EQ(weights["e2e4"], 12135);
    EXPECT_EQ(weights["d2d4"], 11257);
}

TEST(PolyglotBook, WhatIsNoRegularFileIsRefusedWithoutBeingOpened)
{
    TPolyglotBook book;
    const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) / "kestravin-book-not-a-file";
    std::filesystem::remove_all(folder);
    ASSERT_TRUE(std::filesystem::create_directories(folder));
    EXPECT_EQ(book.Load(folder.string()), TBookError::NotABook);
    // A FIFO: a reader that opened it would wait for a writer for ever. The
    // writer here looks for such a reader (opening without a reader fails)
    // and lets it go, so that a failure is seen rather than a hang.
    const std::filesystem::path fifo = folder / "book.bin";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::atomic<bool> done{false};
    std::atomic<bool> readerWaited{false};
    std::thread writer([&] {
        for (int i = 0; i < 100 && !done; ++i) {
            const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                readerWaited = true;
                ::close(fd);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
    const TBookError error = book.Load(fifo.string());
    done = true;
    writer.join();
    EXPECT_FALSE(readerWaited) << "the book's reader opened the FIFO and waited";
    EXPECT_EQ(error, TBookError::NotABook);
    EXPECT_TRUE(book.Empty());
    std::filesystem::remove_all(folder);
}
