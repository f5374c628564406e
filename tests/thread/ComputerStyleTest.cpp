// The computer player's style beside its depth, through the board: the
// opening book within its half-moves, the beginners' levels' choice, and the
// plain search when neither is set.
#include "board/ChessBoard.h"
#include "core/PolyglotBook.h"
#include "core/PolyglotKey.h"
#include "engine/ChessThread.h"

#include "EventPump.h"

#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using MoveLog = std::vector<std::string>;

void Watch(TChessBoard& board, MoveLog& log)
{
    board.SetAnimateMoves(false);
    board.OnLegalMove = [&log](QObject*, Square from, Square to) {
        log.push_back(LowerSquareName(from) + LowerSquareName(to));
    };
}

// A book that answers the start with Na3 and the position after 1. Na3 with
// ...Na6.
std::shared_ptr<const TPolyglotBook> RimBook()
{
    const GameState start = GameState::Initial();
    const GameState afterNa3 = PositionAfter(start, {Square::B1, Square::A3});
    auto book = std::make_shared<TPolyglotBook>();
    book->SetEntries({{PolyglotKey(start), TPolyglotBook::EncodeMove(start, {Square::B1, Square::A3}), 1, 0},
                      {PolyglotKey(afterNa3), TPolyglotBook::EncodeMove(afterNa3, {Square::B8, Square::A6}), 1, 0}});
    return book;
}

} // namespace

TEST(ComputerStyle, TheBookIsPlayedWithinItsHalfMovesOnly)
{
    TChessBoard board;
    MoveLog log;
    Watch(board, log);
    TComputerStyle style;
    style.Book = RimBook();
    style.BookPlies = 1;
    board.SetComputerStyle(style);
    board.show();
    PumpFor(30);
    board.SetComputerPlaysBlack(true);
    board.SetComputerPlaysWhite(true);
    ASSERT_TRUE(PumpUntil([&] { return log.size() >= 2; }));
    board.SetComputerPlaysWhite(false);
    board.SetComputerPlaysBlack(false);
    EXPECT_EQ(log[0], "b1a3");
    // The second half-move is beyond the book's depth: searched.
    EXPECT_NE(log[1], "b8a6");

    // With two half-moves of book both come from it.
    TChessBoard second;
    MoveLog secondLog;
    Watch(second, secondLog);
    style.BookPlies = 2;
    second.SetComputerStyle(style);
    second.show();
    PumpFor(30);
    second.SetComputerPlaysBlack(true);
    second.SetComputerPlaysWhite(true);
    ASSERT_TRUE(PumpUntil([&] { return secondLog.size() >= 2; }));
    second.SetComputerPlaysWhite(false);
    second.SetComputerPlaysBlack(false);
    EXPECT_EQ(secondLog[0], "b1a3");
    EXPECT_EQ(secondLog[1], "b8a6");
}

TEST(ComputerStyle, ABeginnersLevelTakesAFreeQueenAndTheDefaultSearchesAsEver)
{
    TChessBoard board;
    MoveLog log;
    Watch(board, log);
    board.show();
    PumpFor(30);
    for (auto [from, to] : {std::pair{Square::E2, Square::E4},
                            {Square::E7, Square::E5},
                            {Square::D1, Square::H5},
                            {Square::G8, Square::F6},
                            {Square::F1, Square::C4}})
        ASSERT_TRUE(board.PlayerMove(from, to));
    const TPlayingLevel* level = FindPlayingLevel("Aprendiz");
    ASSERT_NE(level, nullptr);
    board.SetComputerStyle(TComputerStyle::OfLevel(*level, nullptr));
    EXPECT_TRUE(board.ComputerStyle().Beginner);
    EXPECT_EQ(board.ComputerStyle().BookPlies, 0);
    const_cast<TChessThread*>(board.ComputerPlayer())->SeedRandom(1);
    board.SetComputerPlaysBlack(true);
    ASSERT_TRUE(PumpUntil([&] { return log.size() == 6; }));
    EXPECT_EQ(log[5], "f6h5");

    // The default style is the plain search: the same move as a board that
    // was never given a style.
    TChessBoard plain, reset;
    MoveLog plainLog, resetLog;
    Watch(plain, plainLog);
    Watch(reset, resetLog);
    reset.SetComputerStyle(TComputerStyle::OfLevel(*level, RimBook()));
    reset.SetComputerStyle(TComputerStyle());
    for (TChessBoard* b : {&plain, &reset}) {
        b->SetSearchDepth(2);
        b->show();
    }
    PumpFor(30);
    plain.SetComputerPlaysWhite(true);
    reset.SetComputerPlaysWhite(true);
    ASSERT_TRUE(PumpUntil([&] { return plainLog.size() == 1 && resetLog.size() == 1; }));
    EXPECT_EQ(resetLog, plainLog);
    EXPECT_NE(plainLog[0], "b1a3");
}
