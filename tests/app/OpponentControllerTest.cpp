// The game window's opponent: off by default, the five levels of
// "Dificuldade" and the beginners' levels, and "Opções › Livro de aberturas"
// with a book written here, remembered, and broken files refused.
#include "app/OpponentController.h"
#include "AppTestSupport.h"
#include "app/Unit2.h"
#include "board/ChessBoard.h"
#include "core/PolyglotBook.h"
#include "core/PolyglotKey.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class OpponentController : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Forget();
    }
    void TearDown() override { Forget(); }
    static void Forget()
    {
        QSettings settings("Kestravin", "Kestravin 2005");
        settings.remove("Opcoes/LivroDeAberturas");
        settings.remove("Opcoes/ArquivoDoLivro");
    }
    QString Write(const QString& name, const std::string& bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }
    CapturedBoxes boxes;
    QTemporaryDir dir;
};

std::string SmallBook()
{
    const GameState start = GameState::Initial();
    return TPolyglotBook::Serialise(
        {{PolyglotKey(start), TPolyglotBook::EncodeMove(start, {Square::B1, Square::A3}), 1, 0}});
}

} // namespace

TEST_F(OpponentController, OffByDefaultTheComputerPlaysAsSpecified)
{
    TForm2 form(nullptr, true);
    ASSERT_NE(form.Opponent, nullptr);
    QMenu* menu = form.Opponent->BookMenu();
    EXPECT_TRUE(form.Opcoes1->actions().contains(menu->menuAction()));
    EXPECT_EQ(menu->title(), "Livro de aberturas");
    EXPECT_FALSE(form.Opponent->BookEnabled());
    const TComputerStyle& style = form.ChessBoard1->ComputerStyle();
    EXPECT_FALSE(style.Beginner);
    EXPECT_EQ(style.Book, nullptr);
    EXPECT_EQ(style.BookPlies, 0);
    EXPECT_EQ(form.Opponent->Level().PlainName, "Super Facil");
    // "Dificuldade" keeps its five items and sets the level.
    EXPECT_EQ(form.Dificuldade1->actions().size(), 5);
    form.Difcil1->trigger();
    EXPECT_EQ(form.ChessBoard1->SearchDepth(), 3);
    EXPECT_EQ(form.Opponent->Level().PlainName, "Medio");
    EXPECT_TRUE(boxes.errors.isEmpty());
}

TEST_F(OpponentController, TheBeginnersLevelsChooseWithoutChangingTheDepth)
{
    TForm2 form(nullptr, true);
    form.Fcil1->trigger();
    form.Opponent->SetLevel(*FindPlayingLevel("Iniciante"));
    EXPECT_TRUE(form.ChessBoard1->ComputerStyle().Beginner);
    EXPECT_EQ(form.ChessBoard1->SearchDepth(), 2);
    form.SuperDifcil1->trigger();
    EXPECT_FALSE(form.ChessBoard1->ComputerStyle().Beginner);
    EXPECT_EQ(form.ChessBoard1->SearchDepth(), 5);
}

TEST_F(OpponentController, ABookIsUsedToTheLevelsDepthAndRemembered)
{
    const QString path = Write("small.bin", SmallBook());
    {
        TForm2 form(nullptr, true);
        form.Fcil1->trigger();
        ASSERT_TRUE(form.Opponent->UseBookFile(path));
        EXPECT_TRUE(form.Opponent->BookEnabled());
        const TComputerStyle& style = form.ChessBoard1->ComputerStyle();
        ASSERT_NE(style.Book, nullptr);
        EXPECT_EQ(style.Book->Moves(GameState::Initial()).size(), 1u);
        EXPECT_EQ(style.BookPlies, FindPlayingLevel("Facil")->BookPlies);
        // A weaker level follows it for fewer half-moves.
        form.Opponent->SetLevel(*FindPlayingLevel("Iniciante"));
        EXPECT_LT(FindPlayingLevel("Iniciante")->BookPlies, FindPlayingLevel("Facil")->BookPlies);
        EXPECT_EQ(form.ChessBoard1->ComputerStyle().BookPlies, FindPlayingLevel("Iniciante")->BookPlies);
    }
    {
        TForm2 again(nullptr, true);
        EXPECT_TRUE(again.Opponent->BookEnabled());
        EXPECT_EQ(again.Opponent->BookPath(), path);
        EXPECT_NE(again.ChessBoard1->ComputerStyle().Book, nullptr);
        // Turned off, the computer plays without it again.
        again.Opponent->BookMenu()->actions().first()->trigger();
        EXPECT_FALSE(again.Opponent->BookEnabled());
        EXPECT_EQ(again.ChessBoard1->ComputerStyle().Book, nullptr);
    }
    TForm2 off(nullptr, true);
    EXPECT_FALSE(off.Opponent->BookEnabled());
    EXPECT_TRUE(boxes.errors.isEmpty());
}

TEST_F(OpponentController, AFileThatIsNoBookIsRefusedWithAReason)
{
    TForm2 form(nullptr, true);
    const QString junk = Write("junk.bin", "not a book at all");
    EXPECT_FALSE(form.Opponent->UseBookFile(junk));
    ASSERT_EQ(boxes.errors.size(), 1);
    EXPECT_TRUE(boxes.errors[0].contains("não é um livro de aberturas")) << boxes.errors[0].toStdString();
    EXPECT_FALSE(form.Opponent->BookEnabled());
    EXPECT_EQ(form.ChessBoard1->ComputerStyle().Book, nullptr);

    EXPECT_FALSE(form.Opponent->UseBookFile(dir.filePath("missing.bin")));
    ASSERT_EQ(boxes.errors.size(), 2);
    EXPECT_TRUE(boxes.errors[1].contains("Não foi possível ler")) << boxes.errors[1].toStdString();
    // The remembered file is still Debian's.
    EXPECT_EQ(form.Opponent->BookPath(), "/usr/share/games/gnuchess/book.bin");
}
