// Typed moves: both letter sets and coordinates read to the same moves, an
// ambiguous or illegal entry is refused with a reason, and the entry over
// the board opens on a key, plays on Enter and changes nothing on refusal.
#include "AppTestSupport.h"
#include "Placement.h"

#include "app/TypedMoveEntry.h"
#include "app/Unit2.h"
#include "board/ChessBoard.h"
#include "core/MoveExecution.h"
#include "core/San.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

GameState After(std::initializer_list<const char*> moves)
{
    GameState state = GameState::Initial();
    for (const char* m : moves)
        ApplyMove(state, Sq(m), Sq(m + 2));
    return state;
}

std::string Coordinates(const GameState& state, const std::string& text)
{
    const TypedMove typed = ReadTypedMove(state, text);
    return typed.ok ? MoveToCoordinates(typed.move) : "refused: " + typed.error.toStdString();
}

TEST(TypedMove, PortugueseEnglishAndCoordinatesNameTheSameMoves)
{
    const GameState start = GameState::Initial();
    EXPECT_EQ(Coordinates(start, "Cf3"), "g1f3");
    EXPECT_EQ(Coordinates(start, "Nf3"), "g1f3");
    EXPECT_EQ(Coordinates(start, "e2e4"), "e2e4");
    EXPECT_EQ(Coordinates(start, "e2-e4"), "e2e4");
    EXPECT_EQ(Coordinates(start, "e4"), "e2e4");
    EXPECT_EQ(Coordinates(After({"e2e4", "d7d5"}), "exd5"), "e4d5");

    GameState castle = GameState::FromPlacement(PlacementFromFen("r3k2r/8/8/8/8/8/8/4K3"), false,
                                                CastleSet{CanStillCastle::BlackKingSide});
    EXPECT_EQ(Coordinates(castle, "O-O"), "e8g8");
    EXPECT_EQ(Coordinates(castle, "0-0"), "e8g8");

    GameState promotion = GameState::FromPlacement(PlacementFromFen("7k/4P3/8/8/8/8/8/K7"));
    EXPECT_EQ(Coordinates(promotion, "e8=D"), "e7e8q");
    EXPECT_EQ(Coordinates(promotion, "e8=Q"), "e7e8q");
    EXPECT_EQ(Coordinates(promotion, "e8=C"), "e7e8n");
    EXPECT_EQ(Coordinates(promotion, "e8=N"), "e7e8n");
    EXPECT_EQ(Coordinates(promotion, "e8=T"), "e7e8r");
}

TEST(TypedMove, AmbiguousAndIllegalEntriesAreRefusedWithAReason)
{
    // R is the English rook and the Portuguese king: both can go to f1.
    GameState both = GameState::FromPlacement(PlacementFromFen("7k/8/8/8/8/8/8/4K2R"));
    const TypedMove ambiguous = ReadTypedMove(both, "Rf1");
    EXPECT_FALSE(ambiguous.ok);
    EXPECT_TRUE(ambiguous.error.contains("ambíguo")) << ambiguous.error.toStdString();
    // Where only one reading is a legal move, that one is taken.
    EXPECT_EQ(Coordinates(both, "Rh2"), "h1h2");
    EXPECT_EQ(Coordinates(both, "Re2"), "e1e2");

    for (const char* wrong : {"e2e5", "Qh5", "xyz", "O-O", "e9"}) {
        const TypedMove typed = ReadTypedMove(GameState::Initial(), wrong);
        EXPECT_FALSE(typed.ok) << wrong;
        EXPECT_FALSE(typed.error.isEmpty()) << wrong;
    }
}

TEST(TypedMoveEntry, AKeyOpensTheEntryEnterPlaysARefusalChangesNothing)
{
    CapturedBoxes boxes;
    TForm2 form(nullptr, true);
    form.show();
    TChessBoard& board = *form.ChessBoard1;
    board.setFocus();
    TypedMoveEntry* entry = form.MoveEntry;
    ASSERT_FALSE(entry->isVisible());

    QTest::keyClick(&board, Qt::Key_C, Qt::NoModifier);
    ASSERT_TRUE(entry->isVisible());
    EXPECT_EQ(entry->Edit()->text(), "c");
    entry->Edit()->setText(QStringLiteral("Cf3"));
    QTest::keyClick(entry->Edit(), Qt::Key_Return);
    EXPECT_EQ(board.PieceAt(Square::F3), 'N');
    EXPECT_FALSE(entry->isVisible());

    const std::string before = board.Position();
    QTest::keyClick(&board, Qt::Key_D, Qt::NoModifier);
    entry->Edit()->setText(QStringLiteral("Dh4"));
    QTest::keyClick(entry->Edit(), Qt::Key_Return);
    EXPECT_EQ(board.Position(), before);
    EXPECT_TRUE(entry->isVisible());
    EXPECT_FALSE(entry->Message()->text().isEmpty());
    QTest::keyClick(entry->Edit(), Qt::Key_Escape);
    EXPECT_FALSE(entry->isVisible());
    EXPECT_EQ(board.Position(), before);

    // Black answers with English letters.
    QTest::keyClick(&board, Qt::Key_N, Qt::NoModifier);
    entry->Edit()->setText(QStringLiteral("Nc6"));
    QTest::keyClick(entry->Edit(), Qt::Key_Return);
    EXPECT_EQ(board.PieceAt(Square::C6), 'n');
    form.hide();
}

} // namespace
