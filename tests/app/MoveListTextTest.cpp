// The move list's text: the board's lines in coordinates or in algebraic
// notation, line for line (also for a game begun by Black and a promotion
// still under way), the review's marks only on the moves reviewed, and the
// notices of a change of notation or review.
#include "app/MoveListText.h"
#include "board/ChessBoard.h"

#include "Placement.h"

#include <QSignalSpy>
#include <QStringList>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Move = std::pair<Square, Square>;

void Play(TChessBoard& board, std::initializer_list<Move> moves)
{
    for (const auto& [from, to] : moves)
        ASSERT_TRUE(board.MakeMove(from, to)) << SquareName(from) << SquareName(to);
}

QStringList BoardLines(const TChessBoard& board)
{
    std::vector<std::string> list;
    board.GetMoveList(list);
    QStringList lines;
    for (const std::string& line : list)
        lines.append(QString::fromStdString(line));
    return lines;
}

QStringList Lines(const MoveListText& text, const TChessBoard& board)
{
    return text.Lines(board.History(), board.PromotionPiece());
}

const QString Blank(14, QLatin1Char(' '));

TEST(MoveListText, TheBoardsLinesOrTheSameMovesInAlgebraicNotation)
{
    TChessBoard board(nullptr, true);
    // 1. e4 d5 2. exd5 Qxd5 3. Nc3 Qe5+ 4. Be2 Bg4 5. O-O
    Play(board,
         {{Square::E2, Square::E4},
          {Square::D7, Square::D5},
          {Square::E4, Square::D5},
          {Square::D8, Square::D5},
          {Square::B1, Square::C3},
          {Square::D5, Square::E5},
          {Square::F1, Square::E2},
          {Square::C8, Square::G4},
          {Square::G1, Square::F3},
          {Square::E5, Square::F5},
          {Square::E1, Square::G1}});
    MoveListText text;
    EXPECT_FALSE(text.Algebraic());
    EXPECT_EQ(Lines(text, board), BoardLines(board));

    text.SetAlgebraic(true);
    const QStringList expected{"1. e4",  Blank + "d5",  "2. exd5", Blank + "Dxd5", "3. Cc3", Blank + "De5+",
                               "4. Be2", Blank + "Bg4", "5. Cf3",  Blank + "Df5",  "6. O-O"};
    EXPECT_EQ(Lines(text, board), expected);
    EXPECT_EQ(MoveListText::AlgebraicMove(board.History(), 3, false, 'q'), QString("De5+"));
    EXPECT_EQ(MoveListText::AlgebraicMove(board.History(), 40, true, 'q'), std::nullopt);

    // The list stops where the game stands after a take-back.
    ASSERT_TRUE(board.TakeBack(3));
    EXPECT_EQ(Lines(text, board), expected.mid(0, 8));
}

TEST(MoveListText, AGameBegunByBlackKeepsItsFirstLine)
{
    TChessBoard board(nullptr, true);
    board.SetPosition(PlacementFromFen("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR"));
    board.SetWhiteToMove(false);
    Play(board, {{Square::E7, Square::E5}, {Square::G1, Square::F3}});
    MoveListText text;
    text.SetAlgebraic(true);
    EXPECT_EQ(Lines(text, board), (QStringList{"1. ...", Blank + "e5", "2. Cf3"}));
    text.SetAlgebraic(false);
    EXPECT_EQ(Lines(text, board), (QStringList{"1. ...", Blank + "E7-E5", "2. G1-F3"}));
}

TEST(MoveListText, APromotionUnderWayIsWrittenWithThePieceItBecomes)
{
    TChessBoard board(nullptr, true);
    board.SetPosition(PlacementFromFen("7k/4P3/8/8/8/8/8/K7"));
    board.SetCastlingAllowed(CastleSet());
    board.SetPromotionPiece('n');
    MoveListText text;
    text.SetAlgebraic(true);
    QStringList duringTheMove;
    board.OnLegalMove = [&](QObject*, Square, Square) { duringTheMove = Lines(text, board); };
    Play(board, {{Square::E7, Square::E8}});
    // Before the board records the promotion, the piece it will be.
    EXPECT_EQ(duringTheMove, QStringList{"1. e8=C"});
    EXPECT_EQ(Lines(text, board), QStringList{"1. e8=C"});
    // Recorded, it no longer depends on the piece a next promotion would be.
    EXPECT_EQ(text.Lines(board.History(), 'q'), QStringList{"1. e8=C"});
}

TEST(MoveListText, TheReviewsMarksGoOnlyOnTheMovesReviewed)
{
    TChessBoard board(nullptr, true);
    Play(board, {{Square::E2, Square::E4}, {Square::E7, Square::E5}, {Square::D1, Square::H5}});
    MoveListText text;
    TGameReview review;
    review.Moves.push_back({2, true, Square::D1, Square::H5, 300, TMoveMark::Mistake});
    review.Moves.push_back({1, false, Square::E7, Square::E5, 0, TMoveMark::None});
    review.Moves.push_back({1, true, Square::D2, Square::D4, 900, TMoveMark::Blunder}); // not the move played
    text.SetReview(review);
    EXPECT_EQ(Lines(text, board), (QStringList{"1. E2-E4", Blank + "E7-E5", "2. D1-H5 ?"}));
    text.SetAlgebraic(true);
    EXPECT_EQ(Lines(text, board), (QStringList{"1. e4", Blank + "e5", "2. Dh5 ?"}));

    // Another move played from the reviewed slot loses the mark.
    ASSERT_TRUE(board.TakeBack(1));
    Play(board, {{Square::G1, Square::F3}});
    EXPECT_EQ(Lines(text, board), (QStringList{"1. e4", Blank + "e5", "2. Cf3"}));
}

TEST(MoveListText, ChangesAreToldOnce)
{
    MoveListText text;
    QSignalSpy notation(&text, &MoveListText::NotationChanged);
    QSignalSpy review(&text, &MoveListText::ReviewChanged);
    text.SetAlgebraic(false);
    EXPECT_EQ(notation.count(), 0);
    text.SetAlgebraic(true);
    text.SetAlgebraic(true);
    ASSERT_EQ(notation.count(), 1);
    EXPECT_TRUE(notation.first().first().toBool());
    TGameReview judged;
    judged.Moves.push_back({1, true, Square::E2, Square::E4, 0, TMoveMark::None});
    text.SetReview(judged);
    EXPECT_EQ(review.count(), 1);
    EXPECT_EQ(text.Review().Moves.size(), 1u);
}

} // namespace
