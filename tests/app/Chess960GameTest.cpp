// "Xadrez 960" in "Nova partida…": the start by its number or drawn at
// random, remembered for the next dialog; the game starts from it with the
// Chess960 rules, the window's title names it, and the saved game carries
// its Variant, FEN and number.
#include "AppTestSupport.h"
#include "app/GameFiles.h"
#include "app/GameStartChooser.h"
#include "app/NewGameDialog.h"
#include "app/PositionEditorModel.h"
#include "app/Unit2.h"
#include "board/ChessBoard.h"
#include "core/Chess960.h"
#include "core/Fen.h"
#include "core/Pgn.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSettings>
#include <QSpinBox>
#include <gtest/gtest.h>

#include <set>

namespace {

// A rook ending, Black to move.
const char* const Ending = "8/5k2/8/3r4/8/8/4PK2/3R4 b - - 4 41";

std::string Fen(int number)
{
    return WriteFen(Chess960StartPosition(number));
}

} // namespace

TEST(GameStartChooserTest, OffersChess960ByNumberOrAtRandom)
{
    GameStartChooser chooser(-1, false, {});
    ASSERT_EQ(chooser.Start->count(), 2);
    EXPECT_EQ(chooser.Start->itemText(1), "Xadrez 960");
    // The usual start: no Chess960, its row disabled.
    EXPECT_EQ(chooser.Chess960Number(), -1);
    EXPECT_FALSE(chooser.Number->isEnabled());
    EXPECT_EQ(chooser.Number->value(), Chess960StandardNumber);
    EXPECT_EQ(chooser.Number->minimum(), 0);
    EXPECT_EQ(chooser.Number->maximum(), 959);

    chooser.Start->setCurrentIndex(1);
    EXPECT_TRUE(chooser.Number->isEnabled());
    chooser.Number->setValue(0);
    EXPECT_EQ(chooser.Chess960Number(), 0);
    // Start 0 is BBQNNRKR, shown in figures and told in words.
    EXPECT_EQ(chooser.BackRank->text(), QString::fromUtf8("♗♗♕♘♘♖♔♖"));
    EXPECT_TRUE(chooser.BackRank->accessibleDescription().contains("a1 bispo branco"))
        << chooser.BackRank->accessibleDescription().toStdString();
    EXPECT_TRUE(chooser.SetUpFen().empty());

    // At random: the number box is off, each start draws its own number.
    chooser.RandomBox->setChecked(true);
    EXPECT_FALSE(chooser.Number->isEnabled());
    EXPECT_TRUE(chooser.Random());
    std::set<int> drawn;
    for (int i = 0; i < 40; ++i) {
        const int number = chooser.Chess960Number();
        EXPECT_GE(number, 0);
        EXPECT_LT(number, 960);
        drawn.insert(number);
    }
    EXPECT_GT(drawn.size(), 5u);
}

TEST(GameStartChooserTest, ASetUpPositionIsOfferedAndChosen)
{
    GameStartChooser chooser(12, false, Ending);
    ASSERT_EQ(chooser.Start->count(), 3);
    EXPECT_EQ(chooser.Start->currentText(), "Posição montada");
    EXPECT_EQ(chooser.SetUpFen(), Ending);
    EXPECT_EQ(chooser.Chess960Number(), -1);
    chooser.Start->setCurrentIndex(1);
    EXPECT_TRUE(chooser.SetUpFen().empty());
    EXPECT_EQ(chooser.Chess960Number(), 12);
    // Without a set-up position a remembered Chess960 start is chosen.
    GameStartChooser remembered(12, false, {});
    EXPECT_EQ(remembered.Chess960Number(), 12);
    // An absurd number is no Chess960 start: the usual position is chosen,
    // and the row waits with the usual array's number.
    GameStartChooser absurd(5000, false, {});
    EXPECT_EQ(absurd.Chess960Number(), -1);
    EXPECT_EQ(absurd.Number->value(), Chess960StandardNumber);
}

TEST(NewGameDialogStart, TheChess960StartIsChosenAndStored)
{
    NewGameChoices current;
    NewGameDialog dialog(current);
    EXPECT_EQ(dialog.Choices().Chess960Number, -1);
    dialog.Start->setCurrentIndex(1);
    dialog.StartChooser->Number->setValue(747);
    const NewGameChoices chosen = dialog.Choices();
    EXPECT_EQ(chosen.Chess960Number, 747);
    EXPECT_FALSE(chosen.Chess960Random);
    EXPECT_TRUE(chosen.StartFen.empty());

    QSettings settings(TForm2::SettingsOrganisation(), TForm2::SettingsApplication());
    NewGameChoices stored = chosen;
    stored.Chess960Random = true;
    stored.StoreStart(settings);
    NewGameChoices back;
    back.ReadStoredStart(settings);
    EXPECT_EQ(back.Chess960Number, 747);
    EXPECT_TRUE(back.Chess960Random);
    NewGameChoices standard;
    standard.StoreStart(settings);
    back.ReadStoredStart(settings);
    EXPECT_EQ(back.Chess960Number, -1);
    // A damaged number reads as a start that exists.
    settings.setValue("Partida/Xadrez960", true);
    settings.setValue("Partida/NumeroXadrez960", "muitos");
    back.ReadStoredStart(settings);
    EXPECT_EQ(back.Chess960Number, 0);
}

TEST(Chess960Game, StartsFromItsNumberIsNamedInTheTitleAndSavedWithIt)
{
    CapturedBoxes boxes;
    TForm2 form(nullptr, true);
    const QString title = form.windowTitle();
    std::optional<NewGameChoices> asked;
    int number = 0; // BBQNNRKR
    form.SetNewGameAsker([&](const NewGameChoices& current) {
        asked = current;
        NewGameChoices chosen = current;
        chosen.ComputerWhite = chosen.ComputerBlack = false;
        chosen.Chess960Number = number;
        return std::optional<NewGameChoices>(chosen);
    });
    form.NovaPartida1->trigger();
    EXPECT_TRUE(form.ChessBoard1->Chess960());
    EXPECT_EQ(form.GameFiles->ShownFen().toStdString(), Fen(0));
    EXPECT_EQ(form.windowTitle(), title + " — Xadrez 960 nº 0");

    // Both sides castle queen side: the king onto its own rook.
    for (auto [from, to] : {std::pair{Square::E1, Square::D3},
                            {Square::E8, Square::D6},
                            {Square::D1, Square::E3},
                            {Square::D8, Square::E6},
                            {Square::C2, Square::C3},
                            {Square::C7, Square::C6},
                            {Square::C1, Square::C2},
                            {Square::C8, Square::C7},
                            {Square::G1, Square::F1}})
        ASSERT_TRUE(form.ChessBoard1->MakeMove(from, to)) << SquareName(from) << SquareName(to);
    PumpFor(20);
    EXPECT_EQ(form.ChessBoard1->PieceAt(Square::C1), 'K');
    EXPECT_EQ(form.ChessBoard1->PieceAt(Square::D1), 'R');
    // The list writes the castling as castling, not as the king going to
    // its rook's square.
    std::vector<std::string> lines;
    form.ChessBoard1->GetMoveList(lines);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[8], "5. O-O-O");
    EXPECT_EQ(lines[0], "1. E1-D3");
    const std::string pgn = WritePgn(form.GameFiles->CurrentGame());
    for (const std::string& tag : std::vector<std::string>{"[Variant \"Chess960\"]", "[SetUp \"1\"]",
                                                           "[Chess960Number \"0\"]", "[FEN \"" + Fen(0) + "\"]"})
        EXPECT_NE(pgn.find(tag), std::string::npos) << tag << "\n" << pgn;
    EXPECT_NE(pgn.find("5. O-O-O"), std::string::npos) << pgn;
    EXPECT_EQ(form.windowTitle(), title + " — Xadrez 960 nº 0");

    // The next dialog remembers the choice; a standard game takes the name
    // away again.
    number = -1;
    form.NovaPartida1->trigger();
    ASSERT_TRUE(asked.has_value());
    EXPECT_EQ(asked->Chess960Number, 0);
    EXPECT_FALSE(form.ChessBoard1->Chess960());
    EXPECT_EQ(form.GameFiles->ShownFen().toStdString(), StandardStartFen);
    EXPECT_EQ(form.windowTitle(), title);
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
}

TEST(Chess960Game, APositionOfItGoesThroughTheEditorAndThePasteAsChess960)
{
    CapturedBoxes boxes;
    TForm2 form(nullptr, true);
    form.SetNewGameAsker([&](const NewGameChoices& current) {
        NewGameChoices chosen = current;
        chosen.ComputerWhite = chosen.ComputerBlack = false;
        return std::optional<NewGameChoices>(chosen);
    });
    // The editor opened on a Chess960 game's position (X-FEN, KQkq) sees
    // its rooks' rights as fitting.
    PositionEditorModel model;
    NotationError error;
    ASSERT_TRUE(model.SetFen(Fen(747), error));
    EXPECT_TRUE(model.State().Chess960);
    EXPECT_TRUE(model.Problems().empty());
    EXPECT_TRUE(model.HasCastlingRight(CanStillCastle::WhiteQueenSide));
    // Played from there, the game is a Chess960 one.
    form.PlayFromPosition(QString::fromStdString(model.Fen()));
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
    EXPECT_TRUE(form.ChessBoard1->Chess960());
    EXPECT_EQ(form.GameFiles->ShownFen().toStdString(), Fen(747));
    EXPECT_TRUE(form.windowTitle().endsWith(" — Xadrez 960 nº 747")) << form.windowTitle().toStdString();
}
