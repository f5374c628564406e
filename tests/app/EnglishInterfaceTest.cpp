// The windows with the English translation installed, as a user whose system
// speaks English sees them: the game window's menus, labels and status texts,
// the start screen's captions, the side windows' captions, and the help
// documents in English where they are installed.
#include "AppTestSupport.h"
#include "app/HoverLabel.h"
#include "app/Language.h"
#include "app/MoveListBox.h"
#include "app/TypedMoveEntry.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit4.h"
#include "app/Unit8.h"
#include "board/BoardWords.h"
#include "board/ChessBoard.h"
#include "platform/DataPaths.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The translators are installed before any window exists, as at start-up,
// and removed afterwards so that the other tests see Portuguese.
class EnglishInterface : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(InstallTranslators(*qApp, InterfaceLanguage::English));
        form = std::make_unique<TForm2>(nullptr, true);
    }
    void TearDown() override
    {
        form.reset();
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }

    CapturedBoxes boxes;
    std::unique_ptr<TForm2> form;
};

// Every item of the menu bar, by its place ("2/0/1"), with its text. The
// analysing engines' menu lists installed programs by their own names, which
// are no texts of the program.
void CollectItems(const QList<QAction*>& actions, const QString& place, QMap<QString, QString>& items,
                  bool programNames = false)
{
    int index = 0;
    for (QAction* action : actions) {
        const QString here = place + QString::number(index++);
        if (action->isSeparator() || (programNames && action->objectName().isEmpty()))
            continue;
        items.insert(here, action->text());
        if (action->menu())
            CollectItems(action->menu()->actions(), here + QLatin1Char('/'), items,
                         action->menu()->objectName() == QLatin1String("MotorDeAnalise1"));
    }
}

// The letter after '&' in a caption, lower-cased.
QChar Mnemonic(const QString& text)
{
    const qsizetype at = text.indexOf(QLatin1Char('&'));
    return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toLower() : QChar();
}

TEST_F(EnglishInterface, GameWindowMenusSpeakEnglishWithDistinctMnemonics)
{
    const QStringList titles = [this] {
        QStringList list;
        for (QAction* action : form->menuBar()->actions())
            list.append(action->text());
        return list;
    }();
    EXPECT_EQ(titles, QStringList({"&Chess", "&Game", "&Train", "O&nline", "&Media Player", "&Options", "&Help"}));
    QSet<QChar> letters;
    for (const QString& title : titles) {
        EXPECT_FALSE(Mnemonic(title).isNull()) << title.toStdString();
        EXPECT_FALSE(letters.contains(Mnemonic(title))) << "mnemonic taken twice: " << title.toStdString();
        letters.insert(Mnemonic(title));
    }

    EXPECT_EQ(form->NovoJogo1->text(), "New Game");
    EXPECT_EQ(form->Dificuldade1->title(), "Difficulty");
    EXPECT_EQ(form->SuperFcil1->text(), "Very Easy");
    EXPECT_EQ(form->Fcil1->text(), "Easy");
    EXPECT_EQ(form->Difcil1->text(), "Medium");
    EXPECT_EQ(form->Difcil2->text(), "Hard");
    EXPECT_EQ(form->SuperDifcil1->text(), "Very Hard");
    EXPECT_EQ(form->Abrir1->text(), "Load");
    EXPECT_EQ(form->Salvar1->text(), "Save");
    EXPECT_EQ(form->Sair1->text(), "Quit");
    EXPECT_EQ(form->Jogar1->text(), "Play");
    EXPECT_EQ(form->Abrir3->text(), "Open");
    EXPECT_EQ(form->Regras1->text(), "Rules");
    EXPECT_EQ(form->Histria1->text(), "History");
    EXPECT_EQ(form->Sobre1->text(), "About");

    EXPECT_EQ(form->Label1->text(), "Moves");
    EXPECT_EQ(form->Label2->text(), "Players:");
    EXPECT_EQ(form->Computador1->text(), "Computer");
    EXPECT_EQ(form->Computador2->text(), "Computer");
    EXPECT_EQ(form->Humano1->text(), "Human");
    EXPECT_EQ(form->Humano2->text(), "Human");
    EXPECT_EQ(form->BitBtn1->text(), "Print");
    EXPECT_EQ(form->Panel1->text(), "Status");
}

TEST_F(EnglishInterface, NoMenuItemIsLeftInPortuguese)
{
    QMap<QString, QString> english;
    CollectItems(form->menuBar()->actions(), QString(), english);
    // The same window without the translation, for the Portuguese texts.
    TearDown();
    TForm2 portugueseForm(nullptr, true);
    QMap<QString, QString> portuguese;
    CollectItems(portugueseForm.menuBar()->actions(), QString(), portuguese);
    ASSERT_EQ(english.keys(), portuguese.keys());

    // The texts that read the same in both languages.
    const QSet<QString> alike = {"O&nline", "&Media Player", "English", QString::fromUtf8("Português (Brasil)")};
    for (auto it = english.cbegin(); it != english.cend(); ++it) {
        if (!alike.contains(it.value())) {
            EXPECT_NE(it.value(), portuguese.value(it.key()))
                << "untranslated item " << it.key().toStdString() << ": " << it.value().toStdString();
        }
    }
}

TEST_F(EnglishInterface, StatusLineAndMateMessageSpeakEnglish)
{
    TChessBoard& board = *form->ChessBoard1;
    form->ChessBoard1IllegalMove(&board, Square::E2);
    EXPECT_EQ(form->Panel1->text(), "Illegal move!");
    ASSERT_TRUE(board.MakeMove(Square::E2, Square::E4));
    ASSERT_TRUE(board.MakeMove(Square::D7, Square::D5));
    ASSERT_TRUE(board.MakeMove(Square::E4, Square::D5));
    EXPECT_EQ(form->Panel1->text(), "Piece captured!");
    ASSERT_TRUE(board.MakeMove(Square::D8, Square::D5));
    ASSERT_TRUE(board.MakeMove(Square::F1, Square::E2));
    ASSERT_TRUE(board.MakeMove(Square::D5, Square::E5));
    ASSERT_TRUE(board.MakeMove(Square::G1, Square::F3));
    ASSERT_TRUE(board.MakeMove(Square::E5, Square::E2));
    EXPECT_EQ(form->Panel1->text(), "Check!");

    board.NewGame();
    for (const auto& [from, to] : {std::pair{Square::F2, Square::F3},
                                   {Square::E7, Square::E5},
                                   {Square::G2, Square::G4},
                                   {Square::D8, Square::H4}})
        ASSERT_TRUE(board.MakeMove(from, to));
    EXPECT_EQ(form->Panel1->text(), "Checkmate!");
    EXPECT_TRUE(boxes.messages.contains("Checkmate!")) << boxes.messages.join(" | ").toStdString();
}

TEST_F(EnglishInterface, TypedMovesAreRefusedInEnglishWithTheReasonOfTheLettersThatKnowThePiece)
{
    const GameState start = GameState::Initial();
    EXPECT_EQ(ReadTypedMove(start, "Qh4").error, "The queen on d1 cannot reach h4.");
    EXPECT_EQ(ReadTypedMove(start, "Zf3").error,
              QString::fromUtf8("“Zf3” is not a move: write, for example, Nf3, exd5, O-O or e2e4."));
    EXPECT_EQ(ReadTypedMove(start, "e9").error,
              QString::fromUtf8("“e9” is not a move: write, for example, Nf3, exd5, O-O or e2e4."));
    EXPECT_TRUE(ReadTypedMove(start, "Nf3").ok);

    // The same reasons in Portuguese.
    TearDown();
    EXPECT_EQ(ReadTypedMove(start, "Qh4").error, QString::fromUtf8("A dama em d1 não chega a h4."));
    EXPECT_EQ(ReadTypedMove(start, "Zf3").error,
              QString::fromUtf8("“Zf3” não é um lance: escreva, por exemplo, Cf3, exd5, O-O ou e2e4."));
}

TEST_F(EnglishInterface, ScreenReadersHearTheBoardAndTheMovesInEnglish)
{
    MoveFacts knight;
    knight.whiteMoved = false;
    knight.piece = 'n';
    knight.from = Square::G8;
    knight.to = Square::F6;
    EXPECT_EQ(MoveWords(knight), "Black: knight g8 to f6");
    MoveFacts mate{true, 'Q', Square::H5, Square::F7, 'p', EmptySquare, true, true};
    EXPECT_EQ(MoveWords(mate), "White: queen h5 takes pawn f7, checkmate");
    const BoardArray start = GameState::InitialBoard();
    EXPECT_EQ(SquareWords(start, Square::E2), "e2, white pawn");
    EXPECT_EQ(SquareWords(start, Square::E4), "e4, empty");
    EXPECT_EQ(TurnWords(false), "Black to move.");
    EXPECT_TRUE(RankWords(start, 8).startsWith("Rank 8: a8 black rook, b8 black knight"))
        << RankWords(start, 8).toStdString();
}

TEST_F(EnglishInterface, StartScreenAndSideWindowsSpeakEnglish)
{
    TForm1 startScreen;
    EXPECT_EQ(startScreen.Label1->text(), "New Game");
    EXPECT_EQ(startScreen.Label2->text(), "About");
    EXPECT_EQ(startScreen.Label3->text(), "Quit");
    // The decorative face is sized for the English captions: all lie within
    // the window.
    for (const QLabel* label : {startScreen.Label1, startScreen.Label2, startScreen.Label3})
        EXPECT_LE(label->geometry().right(), startScreen.width()) << label->text().toStdString();

    // The pictures with words in them come in English where there is an
    // English version.
    for (const char* picture : {":/pictures/title.jpg", ":/pictures/about.jpg", ":/pictures/mediaplayer.jpg"}) {
        const QString english = PictureInShownLanguage(QString::fromLatin1(picture));
        EXPECT_TRUE(english.endsWith(QStringLiteral("_en.jpg"))) << english.toStdString();
        EXPECT_TRUE(QFile::exists(english)) << english.toStdString();
    }
    EXPECT_EQ(PictureInShownLanguage(QStringLiteral(":/pictures/printer.png")), ":/pictures/printer.png");

    TForm4 mediaPlayer;
    EXPECT_EQ(mediaPlayer.windowTitle(), "Media Player");
    TForm8 about(QStringLiteral("a@b.c"), QUrl(QStringLiteral("https://example.org/")));
    EXPECT_EQ(about.windowTitle(), "About Kestravin 2005");
    EXPECT_EQ(TForm8::CreditLine(), "Kestravin 2005 - chess for one or two players, written by the Kestravin team.");
}

TEST_F(EnglishInterface, HelpOpensTheEnglishDocumentsAndFallsBackToThePortugueseOnes)
{
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    ASSERT_TRUE(WriteFile(folder.filePath("DOC/JOGO.html"), "<p>Regras</p>"));
    ASSERT_TRUE(WriteFile(folder.filePath("DOC/JOGO_en.html"), "<p>Rules</p>"));
    ASSERT_TRUE(WriteFile(folder.filePath("DOC/HISTORIA.html"), "<p>História</p>"));

    EXPECT_EQ(TForm2::RulesDocument(), "DOC/JOGO_en.html");
    EXPECT_EQ(TForm8::UserGuideDocument(), "DOC/JOGO_en.html");
    form->Regras1->trigger();
    ASSERT_EQ(boxes.opened.size(), 1);
    EXPECT_EQ(boxes.opened[0], QUrl::fromLocalFile(QFileInfo(folder.filePath("DOC/JOGO_en.html")).absoluteFilePath()));

    // Where the English version is missing (and not installed elsewhere),
    // the Portuguese one is opened.
    if (FindHelpDocument(QStringLiteral("DOC/HISTORIA_en.html")).isEmpty()) {
        EXPECT_EQ(TForm2::HistoryDocument(), "DOC/HISTORIA.html");
        form->Histria1->trigger();
        ASSERT_EQ(boxes.opened.size(), 2);
        EXPECT_EQ(boxes.opened[1],
                  QUrl::fromLocalFile(QFileInfo(folder.filePath("DOC/HISTORIA.html")).absoluteFilePath()));
    }

    // With the translation gone, the Portuguese names come back.
    TearDown();
    EXPECT_EQ(PictureInShownLanguage(QStringLiteral(":/pictures/title.jpg")), ":/pictures/title.jpg");
    EXPECT_EQ(ShownLanguage(), InterfaceLanguage::Portuguese);
    EXPECT_EQ(TForm2::RulesDocument(), "DOC/JOGO.html");
    EXPECT_EQ(TForm2::HistoryDocument(), "DOC/HISTORIA.html");
    QDir::setCurrent(previous);
}

} // namespace
