// "Opções › Mostrar nome da abertura": off by default with the title and the
// saved games as before; on, the window's title names the opening (a
// transposition by the position it reaches), the chooser names each game's
// opening and saved games carry ECO and Opening tags.
#include "app/OpeningNameDisplay.h"
#include "AppTestSupport.h"
#include "app/GameFiles.h"
#include "app/GameRecord.h"
#include "app/PgnGameDialog.h"
#include "app/Unit2.h"
#include "board/ChessBoard.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class OpeningNameDisplay : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        SetShowOpeningNames(false);
    }
    void TearDown() override { QSettings("Kestravin", "Kestravin 2005").remove("Opcoes/MostrarNomeDaAbertura"); }
    static void Play(TForm2& form, std::initializer_list<std::pair<Square, Square>> moves)
    {
        for (const auto& [from, to] : moves)
            ASSERT_TRUE(form.ChessBoard1->MakeMove(from, to));
        PumpFor(10);
    }
    QByteArray Saved(TForm2& form)
    {
        const QString path = dir.filePath("saved.pgn");
        form.GameFiles->SaveGame(path);
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    CapturedBoxes boxes;
    QTemporaryDir dir;
};

} // namespace

TEST_F(OpeningNameDisplay, OffByDefaultNothingChanges)
{
    TForm2 form(nullptr, true);
    ASSERT_NE(form.OpeningName, nullptr);
    EXPECT_FALSE(form.OpeningName->Action()->isChecked());
    EXPECT_TRUE(form.Opcoes1->actions().contains(form.OpeningName->Action()));
    const QString title = form.windowTitle();
    Play(form, {{Square::E2, Square::E4}, {Square::E7, Square::E5}, {Square::G1, Square::F3}});
    EXPECT_EQ(form.windowTitle(), title);
    EXPECT_FALSE(Saved(form).contains("[ECO "));
}

TEST_F(OpeningNameDisplay, TheTitleTheChooserAndTheSavedGameNameTheOpening)
{
    TForm2 form(nullptr, true);
    const QString title = form.windowTitle();
    form.OpeningName->Action()->trigger();
    EXPECT_TRUE(ShowOpeningNames());
    Play(form,
         {{Square::E2, Square::E4},
          {Square::E7, Square::E5},
          {Square::G1, Square::F3},
          {Square::B8, Square::C6},
          {Square::F1, Square::B5}});
    EXPECT_EQ(form.windowTitle(), title + " — C60 Abertura Espanhola");
    // Beyond the table the last name stays.
    Play(form, {{Square::H7, Square::H6}, {Square::H2, Square::H3}});
    EXPECT_TRUE(form.windowTitle().startsWith(title + " — C"));
    const QByteArray saved = Saved(form);
    EXPECT_TRUE(saved.contains("[ECO \"C")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("[Opening \"Ruy Lopez")) << saved.toStdString();

    // The chooser names each game's opening in the table's English.
    const std::vector<PgnGame> games = ReadPgnFile(dir.filePath("saved.pgn"));
    ASSERT_EQ(games.size(), 1u);
    EXPECT_TRUE(PgnGameDialog::Describe(games[0]).contains(" — C")) << PgnGameDialog::Describe(games[0]).toStdString();
    EXPECT_TRUE(PgnGameDialog::Describe(games[0]).contains("Ruy Lopez"));

    // Turned off, the title is the window's own again.
    form.OpeningName->Action()->trigger();
    EXPECT_EQ(form.windowTitle(), title);
    EXPECT_FALSE(PgnGameDialog::Describe(games[0]).contains("Ruy Lopez"));
}

TEST_F(OpeningNameDisplay, ATranspositionIsNamedByThePositionReached)
{
    TForm2 form(nullptr, true);
    form.OpeningName->Action()->trigger();
    // 1. c4 e6 2. Nc3 Nf6 3. d4 Bb4: the Nimzo-Indian.
    Play(form,
         {{Square::C2, Square::C4},
          {Square::E7, Square::E6},
          {Square::B1, Square::C3},
          {Square::G8, Square::F6},
          {Square::D2, Square::D4},
          {Square::F8, Square::B4}});
    EXPECT_TRUE(form.windowTitle().endsWith(" — E20 Defesa Nimzoíndia")) << form.windowTitle().toStdString();
    EXPECT_TRUE(boxes.errors.isEmpty());
}

TEST_F(OpeningNameDisplay, APastedPositionIsNamedAtOnce)
{
    TForm2 form(nullptr, true);
    form.OpeningName->Action()->trigger();
    RunGuarded(
        [&form] { form.GameFiles->PasteFen("r1bqkbnr/pppp1ppp/2n5/1B2p3/4P3/5N2/PPPP1PPP/RNBQK2R b KQkq - 3 3"); });
    EXPECT_TRUE(form.windowTitle().endsWith(" — C60 Abertura Espanhola")) << form.windowTitle().toStdString();
    EXPECT_TRUE(boxes.errors.isEmpty());
}
