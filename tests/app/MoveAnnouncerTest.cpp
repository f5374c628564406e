// Moves told in words: after each move the status line's accessible
// description carries the move for screen readers, a computer's move
// included; the last move is read from the board's history whatever kind
// of move it was.
#include "AppTestSupport.h"
#include "Placement.h"

#include "app/MoveAnnouncer.h"
#include "app/MoveListBox.h"
#include "app/SpokenNotice.h"
#include "app/Unit2.h"
#include "board/ChessBoard.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMenu>

#include <gtest/gtest.h>

namespace {

bool MakeMoves(TChessBoard& board, std::initializer_list<const char*> moves)
{
    for (const char* move : moves)
        if (!board.MakeMove(Sq(move), Sq(move + 2)))
            return false;
    return true;
}

TEST(MoveAnnouncer, EachMoveIsToldOnTheStatusLineForScreenReaders)
{
    CapturedBoxes boxes;
    TForm2 form(nullptr, true);
    ASSERT_TRUE(MakeMoves(*form.ChessBoard1, {"e2e4"}));
    ASSERT_TRUE(PumpUntil([&] { return !form.Announcer->LastAnnouncement().isEmpty(); }));
    EXPECT_EQ(form.Announcer->LastAnnouncement(), "Brancas: peão e2 para e4");
    EXPECT_EQ(form.Panel1->accessibleDescription(), "Brancas: peão e2 para e4");

    // The scholar's mate: the last words say mate.
    ASSERT_TRUE(MakeMoves(*form.ChessBoard1, {"e7e5", "f1c4", "b8c6", "d1h5", "g8f6", "h5f7"}));
    ASSERT_TRUE(PumpUntil([&] { return form.Announcer->LastAnnouncement().contains("dama h5"); }));
    EXPECT_EQ(form.Announcer->LastAnnouncement(), "Brancas: dama h5 toma peão f7, xeque-mate");
    EXPECT_EQ(form.ListBox1->accessibleName(), "Lista de lances");
}

TEST(MoveAnnouncer, EachMoveReachesScreenReadersAsANotificationAndReadingsShowOnScreen)
{
    CapturedBoxes boxes;
    TForm2 form(nullptr, true);
    SpokenNotice* notice = form.Announcer->Notice();
    ASSERT_NE(notice, nullptr);
    // Nothing to see: the window looks as before.
    EXPECT_FALSE(notice->isVisible());
    EXPECT_TRUE(notice->geometry().isEmpty());
    ASSERT_TRUE(MakeMoves(*form.ChessBoard1, {"e2e4", "g8f6"}));
    ASSERT_TRUE(PumpUntil([&] { return form.Announcer->LastAnnouncement().startsWith("Pretas"); }));
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(notice);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::Notification);
    EXPECT_EQ(face->text(QAccessible::Name), "Pretas: cavalo g8 para f6");
    // That it is spoken (the notification shown, by its new name) is for
    // Orca to tell: the test e2e_orca_speaks runs it against the program.

    // "Ler posição" shows what it reads.
    QMenu* read = form.findChild<QMenu*>(QStringLiteral("LerPosicao1"));
    ASSERT_NE(read, nullptr);
    read->actions().at(0)->trigger();
    ASSERT_EQ(boxes.messages.size(), 1);
    EXPECT_TRUE(boxes.messages[0].startsWith("Brancas: rei e1")) << boxes.messages[0].toStdString();
    read->actions().at(3)->trigger();
    ASSERT_EQ(boxes.messages.size(), 2);
    EXPECT_EQ(boxes.messages[1], "Vez das Brancas.");
}

TEST(MoveAnnouncer, TheComputersMoveIsAnnouncedToo)
{
    CapturedBoxes boxes;
    TForm2 form; // with its search thread; the computer plays Black
    form.show();
    ASSERT_TRUE(form.ChessBoard1->PlayerMove(Square::E2, Square::E4));
    ASSERT_TRUE(PumpUntil([&] { return form.Announcer->LastAnnouncement().startsWith("Pretas: "); }, 20000))
        << form.Announcer->LastAnnouncement().toStdString();
    EXPECT_EQ(form.Panel1->accessibleDescription(), form.Announcer->LastAnnouncement());
    form.hide();
}

TEST(MoveAnnouncer, LastMoveReadsCastlingEnPassantAndPromotion)
{
    TChessBoard board(nullptr, true);
    board.SetAnimateMoves(false);
    board.SetPosition(PlacementFromFen("4k3/1P6/8/8/8/8/8/R3K2R"));
    board.SetCastlingAllowed(CastleSet{CanStillCastle::WhiteKingSide});
    ASSERT_TRUE(board.MakeMove(Square::E1, Square::G1));
    LastMove last = LastMoveOf(board);
    ASSERT_TRUE(last.valid);
    EXPECT_EQ(MoveWords(last.facts), "Brancas: roque pequeno");

    ASSERT_TRUE(board.MakeMove(Square::E8, Square::D8));
    board.SetPromotionPiece('N');
    ASSERT_TRUE(board.MakeMove(Square::B7, Square::B8));
    last = LastMoveOf(board);
    EXPECT_EQ(MoveWords(last.facts), "Brancas: peão b7 para b8, promovido a cavalo");

    TChessBoard passant(nullptr, true);
    passant.SetAnimateMoves(false);
    ASSERT_TRUE(MakeMoves(passant, {"e2e4", "a7a6", "e4e5", "d7d5", "e5d6"}));
    last = LastMoveOf(passant);
    EXPECT_EQ(MoveWords(last.facts), "Brancas: peão e5 toma peão d6");

    // Before any move there is nothing to tell.
    TChessBoard fresh(nullptr, true);
    EXPECT_FALSE(LastMoveOf(fresh).valid);
}

TEST(MoveAnnouncer, SpeechIsOfferedOnlyWhereAVoiceIsThere)
{
    CapturedBoxes boxes;
    TForm2 form(nullptr, true);
    QAction* speak = form.Announcer->SpeakAction();
    ASSERT_NE(speak, nullptr);
    EXPECT_EQ(speak->text(), "Falar lances");
    EXPECT_FALSE(speak->isChecked()); // off unless the user turned it on
    EXPECT_EQ(speak->isEnabled(), form.Announcer->SpeechAvailable());
    if (!form.Announcer->SpeechAvailable()) {
        EXPECT_FALSE(speak->toolTip().isEmpty());
    }
}

} // namespace
