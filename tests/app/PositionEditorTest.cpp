// The position editor on its own: the model's edits with the castling
// rights and en passant square they allow, the FEN both ways, a sentence
// for every problem, and the dialog driven as a person drives it, by the
// board's keys and mouse, the palette, the check boxes and the FEN field.
#include "AppTestSupport.h"
#include "WindowTestHelpers.h"
#include "app/PiecePalette.h"
#include "app/PositionEditorBoard.h"
#include "app/PositionEditorDialog.h"
#include "app/PositionEditorModel.h"
#include "app/PositionProblemText.h"
#include "app/SpokenNotice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

std::string FenOf(const PositionEditorModel& model)
{
    return model.Fen();
}

void Press(QWidget* widget, QPoint at, Qt::MouseButton button)
{
    QTest::mousePress(widget, button, Qt::NoModifier, at);
    QTest::mouseRelease(widget, button, Qt::NoModifier, at);
}

} // namespace

TEST(PositionEditorModel, PlacementEditsKeepRightsAndEnPassantToWhatTheyAllow)
{
    PositionEditorModel model;
    EXPECT_EQ(FenOf(model), StandardStartFen);
    // The h1 rook leaves: White's short castling is set aside, and comes
    // back with it; the other rights never moved.
    model.MovePiece(Square::H1, Square::H3);
    EXPECT_FALSE(model.HasCastlingRight(CanStillCastle::WhiteKingSide));
    EXPECT_FALSE(model.CastlingAvailable(CanStillCastle::WhiteKingSide));
    EXPECT_EQ(FenOf(model), "rnbqkbnr/pppppppp/8/8/8/7R/PPPPPPPP/RNBQKBN1 w Qkq - 0 1");
    model.MovePiece(Square::H3, Square::H1);
    EXPECT_TRUE(model.HasCastlingRight(CanStillCastle::WhiteKingSide));
    // A right taken away by hand stays away when its pieces come home.
    model.SetCastlingRight(CanStillCastle::BlackQueenSide, false);
    model.ClearSquare(Square::A8);
    model.Put(Square::A8, 'r');
    EXPECT_FALSE(model.HasCastlingRight(CanStillCastle::BlackQueenSide));
    // Nor can a right be given whose rook is elsewhere.
    model.ClearSquare(Square::A1);
    model.SetCastlingRight(CanStillCastle::WhiteQueenSide, true);
    EXPECT_FALSE(model.HasCastlingRight(CanStillCastle::WhiteQueenSide));
    // Anything but a piece letter is refused; an empty square clears.
    model.Put(Square::E4, 'x');
    EXPECT_EQ(model.At(Square::E4), EmptySquare);

    // En passant: only behind a pawn that has just made its double step.
    model.SetStartPosition();
    model.MovePiece(Square::D7, Square::D5);
    model.MovePiece(Square::F7, Square::F5);
    EXPECT_EQ(model.EnPassantChoices(), (std::vector<Square>{Square::D6, Square::F6}));
    model.SetWhiteToMove(false);
    EXPECT_TRUE(model.EnPassantChoices().empty()) << "no White pawn has stepped twice";
    model.SetWhiteToMove(true);
    model.SetEnPassant(Square::E6);
    EXPECT_EQ(model.State().EnPassant, Square::None) << "e6 has no pawn in front of it";
    model.SetEnPassant(Square::D6);
    EXPECT_EQ(model.State().EnPassant, Square::D6);
    // Turning the move over, or the pawn stepping on, removes it.
    model.SetWhiteToMove(false);
    EXPECT_EQ(model.State().EnPassant, Square::None);
    model.SetWhiteToMove(true);
    model.SetEnPassant(Square::F6);
    model.MovePiece(Square::F5, Square::F4);
    EXPECT_EQ(model.State().EnPassant, Square::None);

    model.SetEmptyBoard();
    EXPECT_EQ(FenOf(model), "8/8/8/8/8/8/8/8 w - - 0 1");
    model.SetMoveNumber(34);
    model.SetHalfMoveClock(7);
    model.SetWhiteToMove(false);
    EXPECT_EQ(FenOf(model), "8/8/8/8/8/8/8/8 b - - 7 34");
}

TEST(PositionEditorModel, ReadsAnyFenOfSoundSyntaxAndKeepsItsPositionOnARefusal)
{
    PositionEditorModel model;
    NotationError error;
    // Impossible, but readable: the editor holds it and says why.
    ASSERT_TRUE(model.SetFen("4k3/8/8/8/8/8/8/7K w Kq e6 3 20", error));
    EXPECT_EQ(model.State().CurrentMove, 20);
    EXPECT_EQ(model.HalfMoveClock(), 3);
    EXPECT_TRUE(model.HasCastlingRight(CanStillCastle::WhiteKingSide));
    std::vector<NotationReason> reasons;
    for (const NotationError& problem : model.Problems())
        reasons.push_back(problem.Reason);
    EXPECT_EQ(reasons,
              (std::vector<NotationReason>{NotationReason::FenCastlingRightWithoutPieces,
                                           NotationReason::FenCastlingRightWithoutPieces,
                                           NotationReason::FenEnPassantWithoutDoubleStep}));
    // The next edit sets what does not fit aside.
    model.Put(Square::A2, 'P');
    EXPECT_TRUE(model.Problems().empty());
    EXPECT_EQ(FenOf(model), "4k3/8/8/8/8/8/P7/7K w - - 3 20");

    EXPECT_FALSE(model.SetFen("4k3/8/8/8/8/8/P7/7K x - - 0 1", error));
    EXPECT_EQ(error.Reason, NotationReason::FenBadSideToMove);
    EXPECT_EQ(FenOf(model), "4k3/8/8/8/8/8/P7/7K w - - 3 20");
}

TEST(PositionProblemText, EveryProblemHasASentenceOfItsOwn)
{
    const NotationReason reasons[] = {
        NotationReason::FenWhiteHasNoKing,        NotationReason::FenBlackHasNoKing,
        NotationReason::FenWhiteHasTwoKings,      NotationReason::FenBlackHasTwoKings,
        NotationReason::FenPawnOnEdgeRank,        NotationReason::FenWhiteHasTooManyPawns,
        NotationReason::FenBlackHasTooManyPawns,  NotationReason::FenWhiteHasTooManyPieces,
        NotationReason::FenBlackHasTooManyPieces, NotationReason::FenEnPassantWithoutDoubleStep,
        NotationReason::FenBlackKingInCheck,      NotationReason::FenWhiteKingInCheck,
    };
    QSet<QString> seen;
    for (const NotationReason reason : reasons) {
        const QString text = PositionProblemText(NotationError{reason, "e6", '\0', 0});
        EXPECT_FALSE(text.startsWith("FEN")) << text.toStdString();
        EXPECT_TRUE(text.endsWith('.')) << text.toStdString();
        seen.insert(text);
    }
    for (const char* letter : {"K", "Q", "k", "q"})
        seen.insert(PositionProblemText(NotationError{NotationReason::FenCastlingRightWithoutPieces, letter, '\0', 0}));
    EXPECT_EQ(seen.size(), static_cast<qsizetype>(std::size(reasons) + 4));
    EXPECT_EQ(PositionProblemText(NotationError{NotationReason::FenWhiteHasNoKing, {}, '\0', 0}),
              "Falta o rei branco.");
    EXPECT_TRUE(PositionProblemText(NotationError{NotationReason::FenEnPassantWithoutDoubleStep, "c3", '\0', 0})
                    .contains("c3"));
    // The pawns on the edge ranks make one sentence with all their squares:
    // a White pawn on a8, Black ones on a1 and g1.
    const std::string placement = "P   k   " + std::string(48, ' ') + "p   K p ";
    const QStringList texts = PositionProblemTexts(PositionProblems(GameState::FromPlacement(placement)));
    ASSERT_EQ(texts.size(), 1) << texts.join('|').toStdString();
    EXPECT_EQ(texts.front(), "Peões em a8, a1, g1: nenhum peão fica na primeira nem na última fileira.");
}

class PositionEditor : public ::testing::Test {
protected:
    PositionEditor() { dialog.show(); }
    void Keys(const char* keys)
    {
        for (const char* c = keys; *c != '\0'; ++c)
            QTest::keyClicks(dialog.Board, QString(QChar::fromLatin1(*c)));
    }
    PositionEditorDialog dialog{QString::fromLatin1(StandardStartFen.data())};
    PositionEditorBoard& board = *dialog.Board;
};

TEST_F(PositionEditor, TheKeyboardSetsUpAPositionThatTheFenFieldFollows)
{
    EXPECT_EQ(dialog.FenField->text().toStdString(), StandardStartFen);
    EXPECT_TRUE(dialog.PlayButton->isEnabled());
    QTest::keyClick(dialog.EmptyButton, Qt::Key_Space);
    EXPECT_EQ(dialog.FenField->text(), "8/8/8/8/8/8/8/8 w - - 0 1");
    EXPECT_FALSE(dialog.PlayButton->isEnabled());
    EXPECT_FALSE(dialog.AnalyseButton->isEnabled());
    EXPECT_TRUE(dialog.Reason->text().contains("Falta o rei branco.")) << dialog.Reason->text().toStdString();
    EXPECT_TRUE(dialog.ProblemList->text().contains("Falta o rei preto."));

    // The cursor starts on e1: a king there, up the file a pawn, a Black
    // king on e8 after a step too far up (the edge stops the cursor).
    board.setFocus();
    Keys("K");
    QTest::keyClick(&board, Qt::Key_Up);
    Keys("P");
    for (int i = 0; i < 8; ++i)
        QTest::keyClick(&board, Qt::Key_Up);
    Keys("k");
    EXPECT_EQ(board.Cursor(), Square::E8);
    EXPECT_EQ(dialog.FenField->text(), "4k3/8/8/8/8/8/4P3/4K3 w - - 0 1");
    EXPECT_TRUE(dialog.PlayButton->isEnabled());
    EXPECT_TRUE(dialog.Reason->text().isEmpty());
    EXPECT_EQ(board.accessibleDescription(), "e8, rei preto");
    // Delete empties the square, and the problem is said at once.
    QTest::keyClick(&board, Qt::Key_Delete);
    EXPECT_EQ(board.accessibleDescription(), "e8, vazia");
    EXPECT_FALSE(dialog.PlayButton->isEnabled());
    EXPECT_EQ(dialog.ProblemTexts(), QStringList{"Falta o rei preto."});
    // Screen readers hear the change, wherever the focus is.
    EXPECT_EQ(dialog.ProblemNotice->Text(), "Falta o rei preto.");
    Keys("k");
    EXPECT_EQ(dialog.ProblemNotice->Text(), "A posição pode ser jogada.");

    // Black's king attacked with White to move cannot be: Black would have
    // left it in check. With Black to move it is a check to answer.
    QTest::keyClick(&board, Qt::Key_Left);
    Keys("R");
    EXPECT_EQ(dialog.ProblemTexts(), QStringList{"O rei preto está em xeque, mas a vez é das brancas."});
    EXPECT_FALSE(dialog.PlayButton->isEnabled());
    dialog.BlackToMove->click();
    EXPECT_TRUE(dialog.PlayButton->isEnabled());
    EXPECT_EQ(dialog.FenField->text(), "3Rk3/8/8/8/8/8/4P3/4K3 b - - 0 1");
    // Turned over, the arrows go as the board is seen.
    dialog.TurnButton->click();
    ASSERT_TRUE(board.WhiteOnTop());
    QTest::keyClick(&board, Qt::Key_Left);
    EXPECT_EQ(board.Cursor(), Square::E8);
}

TEST_F(PositionEditor, CastlingAndEnPassantOfferOnlyWhatThePlacementAllows)
{
    // Each castling box is enabled only while its king and rook are home.
    EXPECT_TRUE(dialog.Castling[0]->isChecked());
    QTest::mouseClick(&board, Qt::RightButton, Qt::NoModifier, board.SquareRect(Square::H1).center());
    EXPECT_FALSE(dialog.Castling[0]->isChecked());
    EXPECT_FALSE(dialog.Castling[0]->isEnabled());
    EXPECT_TRUE(dialog.Castling[1]->isEnabled());
    dialog.Castling[3]->click();
    EXPECT_TRUE(dialog.FenField->text().contains(" w Qk - ")) << dialog.FenField->text().toStdString();

    // A double step just made offers its square, and only then.
    EXPECT_EQ(dialog.EnPassant->count(), 1);
    EXPECT_FALSE(dialog.EnPassant->isEnabled());
    dialog.Palette->Button('P')->click();
    ASSERT_EQ(board.ChosenPiece(), 'P');
    Press(&board, board.SquareRect(Square::C4).center(), Qt::LeftButton);
    QTest::mouseClick(&board, Qt::RightButton, Qt::NoModifier, board.SquareRect(Square::C2).center());
    dialog.BlackToMove->click();
    ASSERT_EQ(dialog.EnPassant->count(), 2);
    EXPECT_EQ(dialog.EnPassant->itemText(1), "c3");
    dialog.EnPassant->setCurrentIndex(1);
    EXPECT_TRUE(dialog.FenField->text().endsWith(" b Qk c3 0 1")) << dialog.FenField->text().toStdString();
}

TEST_F(PositionEditor, AFenTypedInIsTakenAndItsFaultsAreSaid)
{
    dialog.FenField->setFocus();
    dialog.FenField->selectAll();
    QTest::keyClicks(dialog.FenField, "4k3/8/8/8/8/8/8/4K2R w KQ - 0 12");
    EXPECT_EQ(dialog.Model()->At(Square::H1), 'R');
    EXPECT_EQ(dialog.MoveNumber->value(), 12);
    EXPECT_TRUE(dialog.Castling[0]->isChecked());
    // The queen side's right has no rook: said, and only to be taken away.
    EXPECT_EQ(dialog.ProblemTexts(), QStringList{"O roque grande das brancas pede o rei em e1 e a torre em a1."});
    EXPECT_TRUE(dialog.Castling[1]->isChecked());
    EXPECT_TRUE(dialog.Castling[1]->isEnabled());
    dialog.Castling[1]->click();
    EXPECT_TRUE(dialog.ProblemTexts().isEmpty());
    EXPECT_FALSE(dialog.Castling[1]->isEnabled());
    EXPECT_EQ(dialog.FenField->text(), "4k3/8/8/8/8/8/8/4K2R w K - 0 12");

    // Half a FEN cannot be read: the reader's reason, and no game.
    dialog.FenField->setFocus();
    QTest::keyClick(dialog.FenField, Qt::Key_Backspace);
    QTest::keyClick(dialog.FenField, Qt::Key_Backspace);
    QTest::keyClick(dialog.FenField, Qt::Key_Backspace);
    ASSERT_EQ(dialog.ProblemTexts().size(), 1);
    EXPECT_TRUE(dialog.ProblemTexts().front().startsWith("O FEN não pode ser lido:"))
        << dialog.ProblemTexts().front().toStdString();
    EXPECT_FALSE(dialog.PlayButton->isEnabled());
    // A board edit writes the field anew from the position held.
    dialog.StartButton->click();
    EXPECT_EQ(dialog.FenField->text().toStdString(), StandardStartFen);
    EXPECT_TRUE(dialog.PlayButton->isEnabled());

    dialog.PlayButton->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Chosen(), PositionEditorDialog::Outcome::Play);
}

TEST_F(PositionEditor, PiecesAreDraggedOnTheBoardAndDroppedFromThePalette)
{
    // A piece from the palette (a drag from no square) is put where it
    // lands; one from a square of the board moves from there.
    const auto drop = [this](const QByteArray& data, Square to, bool fromBoard) {
        QMimeData mime;
        mime.setData(PieceMimeType, data);
        return board.DropPiece(&mime, board.SquareRect(to).center(), fromBoard);
    };
    EXPECT_TRUE(drop("q", Square::D4, false));
    EXPECT_EQ(dialog.Model()->At(Square::D4), 'q');
    EXPECT_EQ(dialog.Model()->At(Square::D8), 'q') << "a piece from the palette is put, not moved";
    EXPECT_EQ(board.Cursor(), Square::D4);
    EXPECT_TRUE(drop("Pe2", Square::E4, true));
    EXPECT_EQ(dialog.Model()->At(Square::E4), 'P');
    EXPECT_EQ(dialog.Model()->At(Square::E2), EmptySquare);
    EXPECT_EQ(dialog.FenField->text(), "rnbqkbnr/pppppppp/8/8/3qP3/8/PPPP1PPP/RNBQKBNR w KQkq - 0 1");
    // Something that is no piece, or a point off the squares, is refused.
    EXPECT_FALSE(drop("x", Square::D5, false));
    EXPECT_EQ(dialog.Model()->At(Square::D5), EmptySquare);
    QMimeData piece;
    piece.setData(PieceMimeType, "Q");
    EXPECT_FALSE(board.DropPiece(&piece, QPoint(1, 1), false));

    // Squares are found where they are drawn, turned over too.
    EXPECT_EQ(board.SquareAtPoint(board.SquareRect(Square::A1).center()), Square::A1);
    EXPECT_EQ(board.SquareRect(Square::A1).topLeft(),
              QPoint(PositionEditorBoard::Border, PositionEditorBoard::Border + 7 * PositionEditorBoard::SquareSize));
    board.SetWhiteOnTop(true);
    EXPECT_EQ(board.SquareRect(Square::H8).topLeft(),
              QPoint(PositionEditorBoard::Border, PositionEditorBoard::Border + 7 * PositionEditorBoard::SquareSize));
    EXPECT_EQ(board.SquareAtPoint(QPoint(2, 2)), Square::None);
}

TEST_F(PositionEditor, EveryControlIsNamedAndReachedByTab)
{
    const auto tabStop = [this](QWidget* widget) {
        return (widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(&dialog) && widget->isEnabled() &&
            !qobject_cast<QAbstractSpinBox*>(widget->parentWidget());
    };
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        if (!tabStop(widget))
            continue;
        const auto* button = qobject_cast<QAbstractButton*>(widget);
        const bool named = !widget->accessibleName().isEmpty() || (button != nullptr && !button->text().isEmpty());
        EXPECT_TRUE(named) << widget->metaObject()->className() << " " << widget->objectName().toStdString();
    }
    EXPECT_EQ(dialog.Palette->Button('n')->accessibleName(), "Cavalo preto");
    // Tab goes from the board through the twelve pieces to the buttons, and
    // on to the FEN field and the commands.
    QList<QWidget*> stops{&board};
    for (QWidget* at = board.nextInFocusChain(); at != &board; at = at->nextInFocusChain())
        if (tabStop(at))
            stops.append(at);
    ASSERT_GT(stops.size(), 16);
    for (std::size_t i = 0; i < PiecePalette::Letters.size(); ++i)
        EXPECT_EQ(stops[static_cast<qsizetype>(i) + 1], dialog.Palette->Button(PiecePalette::Letters[i])) << i;
    EXPECT_EQ(stops[13], dialog.StartButton);
    EXPECT_LT(stops.indexOf(dialog.HalfMoveClock), stops.indexOf(dialog.FenField));
    EXPECT_LT(stops.indexOf(dialog.FenField), stops.indexOf(dialog.PlayButton));
}
