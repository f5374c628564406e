// The position string and the game-state properties: parsing of "init",
// "newgame", short, long and malformed strings, the writers' filters, and
// the reset to a new game.
#include "BoardTestSupport.h"

#include "core/GameState.h"

#include <gtest/gtest.h>

using namespace boardtest;

namespace {

const std::string initial = "rnbqkbnrpppppppp" + std::string(32, ' ') + "PPPPPPPPRNBQKBNR";

TEST(PositionString, InitialPositionAfterConstruction)
{
    TChessBoard board(nullptr, true);
    EXPECT_EQ(board.Position(), initial);
    EXPECT_TRUE(board.WhiteToMove());
    EXPECT_EQ(board.CastlingAllowed(), CastleSet::All());
    EXPECT_EQ(board.EnPassant(), Square::None);
    EXPECT_EQ(board.CurrentMove(), 1);
    EXPECT_EQ(board.PromotionPiece(), 'q');
    EXPECT_FALSE(board.EndEventGuard());
    EXPECT_EQ(board.PieceAt(Square::E1), 'K');
    EXPECT_EQ(board.PieceAt(Square::D8), 'q');
}

TEST(PositionString, InitAndNewGameInAnyCase)
{
    TChessBoard board(nullptr, true);
    for (const char* word : {"INIT", "Init", "init", "NewGame", "NEWGAME"}) {
        board.SetPosition("");
        board.SetPosition(word);
        EXPECT_EQ(board.Position(), initial) << word;
    }
}

TEST(PositionString, InitFollowedByLineEndIsReadCharacterByCharacter)
{
    TChessBoard board(nullptr, true);
    board.SetPosition("init\r\n");
    std::string expected(64, ' ');
    expected[1] = 'n';
    EXPECT_EQ(board.Position(), expected);
}

TEST(PositionString, EmptyShortAndLongStrings)
{
    TChessBoard board(nullptr, true);
    board.SetPosition("");
    EXPECT_EQ(board.Position(), std::string(64, ' '));

    board.SetPosition(initial.substr(0, 63));
    EXPECT_EQ(board.PieceAt(Square::H1), ' ');
    EXPECT_EQ(board.PieceAt(Square::G1), 'N');

    std::string longer = std::string(63, ' ') + "K" + std::string(36, 'q');
    board.SetPosition(longer);
    EXPECT_EQ(board.Position(), longer.substr(0, 64));
}

TEST(PositionString, UnknownCharactersAndNulStopParsing)
{
    TChessBoard board(nullptr, true);
    std::string withX = initial;
    withX[4] = 'x';
    board.SetPosition(withX);
    EXPECT_EQ(board.PieceAt(Square::E8), ' ');
    EXPECT_EQ(board.PieceAt(Square::D8), 'q');

    std::string withNul = initial;
    withNul[9] = '\0';
    board.SetPosition(withNul);
    EXPECT_EQ(board.Position(), initial.substr(0, 9) + std::string(55, ' '));
}

TEST(PositionString, WritingLeavesTheRestOfTheStateAlone)
{
    TChessBoard board(nullptr, true);
    ASSERT_TRUE(Play(board, {"g1f3", "e7e5"}));
    board.SetCastlingAllowed(CastleSet{CanStillCastle::BlackKingSide});
    board.SetPosition("");
    EXPECT_TRUE(board.WhiteToMove());
    EXPECT_EQ(board.CastlingAllowed(), CastleSet{CanStillCastle::BlackKingSide});
    EXPECT_EQ(board.EnPassant(), Square::E6);
    EXPECT_EQ(board.CurrentMove(), 2);
    std::vector<std::string> list;
    board.GetMoveList(list);
    EXPECT_EQ(list.size(), 2u);
}

TEST(GameStateProperties, EnPassantAcceptsOnlyRanksThreeAndSix)
{
    TChessBoard board(nullptr, true);
    board.SetEnPassant(Square::E3);
    EXPECT_EQ(board.EnPassant(), Square::E3);
    board.SetEnPassant(Square::D6);
    EXPECT_EQ(board.EnPassant(), Square::D6);
    for (Square ignored : {Square::E4, Square::E8, Square::None, Square::A1, SquareFromOrd(65)}) {
        board.SetEnPassant(ignored);
        EXPECT_EQ(board.EnPassant(), Square::D6);
    }
    board.SetEnPassant(Square::A3);
    EXPECT_EQ(board.EnPassant(), Square::A3);
    board.SetEnPassant(Square::H6);
    EXPECT_EQ(board.EnPassant(), Square::H6);
}

TEST(GameStateProperties, CurrentMoveWritesAreDiscarded)
{
    TChessBoard board(nullptr, true);
    board.SetCurrentMove(10);
    EXPECT_EQ(board.CurrentMove(), 1);
}

TEST(GameStateProperties, NewGameResetsStateButKeepsPromotionPiece)
{
    TChessBoard board(nullptr, true);
    board.OnPromotion = [](QObject*, Square, Square, char& piece) { piece = 'r'; };
    SetUpFen(board, "4k3/P7/8/8/8/8/8/4K3 w - -");
    ASSERT_TRUE(board.MakeMove(Square::A7, Square::A8));
    EXPECT_EQ(board.PieceAt(Square::A8), 'R');
    board.SetEnPassant(Square::C6);
    board.NewGame();
    EXPECT_EQ(board.PromotionPiece(), 'r');
    EXPECT_EQ(board.Position(), initial);
    EXPECT_TRUE(board.WhiteToMove());
    EXPECT_EQ(board.CurrentMove(), 1);
    EXPECT_EQ(board.EnPassant(), Square::None);
    EXPECT_EQ(board.CastlingAllowed(), CastleSet::All());
    std::vector<std::string> list;
    board.GetMoveList(list);
    EXPECT_TRUE(list.empty());
}

TEST(GameStateProperties, PieceColorByLetterRange)
{
    BoardArray board{};
    board.fill(' ');
    board[0] = OffBoardFiller;
    board[Ord(Square::A1)] = 'K';
    board[Ord(Square::B1)] = 'k';
    board[Ord(Square::C1)] = 'B';
    board[Ord(Square::D1)] = 'r';
    EXPECT_EQ(PieceColor(board, Square::A1), 1);
    EXPECT_EQ(PieceColor(board, Square::B1), 0);
    EXPECT_EQ(PieceColor(board, Square::C1), 1);
    EXPECT_EQ(PieceColor(board, Square::D1), 0);
    EXPECT_EQ(PieceColor(board, Square::E1), -1);
    EXPECT_EQ(PieceColor(board, Square::None), -1);
    EXPECT_EQ(PieceColor(board, SquareFromOrd(65)), -1);
    TChessBoard chessBoard(nullptr, true);
    EXPECT_EQ(chessBoard.PieceAt(Square::None), ' ');
    EXPECT_EQ(chessBoard.PieceAt(SquareFromOrd(255)), ' ');
}

TEST(GameStateProperties, TheStateFollowsTheLiveGame)
{
    TChessBoard board(nullptr, true);
    const GameState& state = board.State();
    ASSERT_TRUE(board.MakeMove(Square::E2, Square::E4));
    EXPECT_EQ(state.Board[Ord(Square::E4)], 'P');
    EXPECT_FALSE(state.WhiteToMove);
    EXPECT_EQ(state.EnPassant, Square::E3);
    board.SetCastlingAllowed(CastleSet(5));
    EXPECT_EQ(state.CastlingAllowed.Bits(), 5);
}

} // namespace
