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

TEST(TypedMove, EachRefusalSaysWhyInOneStyle)
{
    const auto reason = [](const char* fen, bool whiteToMove, const std::string& text) {
        const GameState state = GameState::FromPlacement(PlacementFromFen(fen), whiteToMove, CastleSet::All());
        return ReadTypedMove(state, text).error;
    };
    const char* start = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR";
    const std::vector<std::pair<QString, QString>> cases = {
        {reason(start, true, "Ta3"), "A torre não chega a a3: há uma peça no caminho."},
        {reason(start, true, "Qd3"), "A dama não chega a d3: há uma peça no caminho."},
        {reason(start, true, "Cd4"), "Nenhum cavalo chega a d4."},
        {reason(start, true, "Bb2"), "Em b2 já há uma peça sua."},
        {reason(start, true, "O-O"), "O roque não é possível: há peças entre o rei e a torre."},
        {reason(start, true, "e3e4"), "Não há peça em e3."},
        {reason(start, true, "e7e5"), "A peça em e7 é das pretas, e é a vez das brancas."},
        {reason(start, true, "xyz"), "“xyz” não é um lance: escreva, por exemplo, Cf3, exd5, O-O ou e2e4."},
        {reason(start, false, "Cd5"), "Nenhum cavalo chega a d5."},
        {reason("4k3/4r3/8/8/8/8/4N3/4K3", true, "Cc3"), "O cavalo em e2 não pode ir a c3: deixaria o rei em xeque."},
        {reason("4k3/4r3/8/8/8/8/8/R3K3", true, "Ta2"), "O rei está em xeque, e a1 para a2 não o tira do xeque."},
        {reason("4k3/3r4/8/8/8/8/8/4K3", true, "Kd1"), "O rei não pode ir a d1: ficaria em xeque."},
        {reason("4k3/8/8/8/8/8/8/1N2KN2", true, "Cd2"),
         "Mais de uma peça chega a d2 (b1 e f1): escreva de onde sai, como em Cbd2."},
        {reason("4k3/8/8/8/8/8/8/1N2KN2", true, "Nd2"),
         "Mais de uma peça chega a d2 (b1 e f1): escreva de onde sai, como em Nbd2."},
        {reason("4k3/8/8/8/8/8/8/4K3", true, "Ba4"), "Não há bispo branco que corresponda a “Ba4”."},
        {reason("4k3/8/8/8/3p4/8/4P3/4K3", true, "d3"), "Não há peão branco que corresponda a “d3”."},
        {reason(start, true, "e5"), "O peão em e2 não chega a e5."},
        {reason(start, true, "e2e5"), "O peão em e2 não chega a e5."},
        {reason(start, true, "e1g1"), "Em g1 já há uma peça sua."},
        {reason("4k3/8/8/8/8/8/8/R3KB1R", true, "e1g1"), "O roque não é possível: há peças entre o rei e a torre."},
        {reason("4k3/8/8/8/8/8/4P3/4K3", true, "exd3"),
         "O peão só anda na diagonal para capturar, e não há peça em d3."},
        {reason("4k3/8/8/8/8/4p3/4P3/4K3", true, "e4"), "O peão não chega a e4: há uma peça no caminho."},
    };
    for (const auto& [got, want] : cases)
        EXPECT_EQ(got.toStdString(), want.toStdString());
    // The last case had every right; the rights are what is missing here.
    GameState noRights = GameState::FromPlacement(PlacementFromFen("r3k2r/8/8/8/8/8/8/R3K2R"), true, CastleSet());
    EXPECT_EQ(ReadTypedMove(noRights, "O-O").error.toStdString(),
              "O roque não é mais possível: o rei ou a torre já se moveram.");
    GameState attacked =
        GameState::FromPlacement(PlacementFromFen("r3k2r/8/8/8/8/8/5r2/R3K2R"), true, CastleSet::All());
    EXPECT_EQ(ReadTypedMove(attacked, "O-O").error.toStdString(),
              "O roque não é possível: o rei está em xeque ou passaria por uma casa atacada.");
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
