// The core readers' reasons as the windows show them: in Portuguese word
// for word as the core gives them, in English with the English translation
// installed, wherever a FEN, a PGN game or a typed move is refused.
#include "app/CoreErrorText.h"
#include "AppTestSupport.h"
#include "app/GameFiles.h"
#include "app/Language.h"
#include "app/PgnGameDialog.h"
#include "app/TypedMoveEntry.h"
#include "app/Unit2.h"
#include "board/ChessBoard.h"
#include "core/Pgn.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

void RemoveTranslators()
{
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

// Every reason with values in every field its wording may use.
std::vector<NotationError> EveryReason()
{
    std::vector<NotationError> reasons;
    for (int code = 1; code < static_cast<int>(NotationReason::Count); ++code)
        reasons.push_back(NotationError{static_cast<NotationReason>(code), "e9", 'Z', 3});
    return reasons;
}

// What each window says when it refuses a malformed FEN, a broken PGN game
// and a typed move that is no legal move.
struct Refusals {
    QString Fen;
    QString PgnFile;
    QString PgnListLine;
    QString TypedMove;
};

Refusals RefusalsShown(const QTemporaryDir& dir)
{
    CapturedBoxes boxes;
    Refusals shown;
    TForm2 form(nullptr, true);
    form.show();

    QGuiApplication::clipboard()->setText(QStringLiteral("8/8/8/8/8/8/8/8 w - - 0 1"));
    form.GameFiles->PasteFenAction()->trigger();
    shown.Fen = boxes.errors.value(0);

    const QString file = dir.filePath(QStringLiteral("quebrada.pgn"));
    QFile out(file);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("[Event \"x\"]\n\n1. e4 e5\n2. Ke3 *\n");
    out.close();
    try {
        form.GameFiles->OpenGame(file);
    } catch (const std::runtime_error& e) {
        shown.PgnFile = QString::fromUtf8(e.what());
    }
    shown.PgnListLine = PgnGameDialog::Describe(ReadPgn("1. e4 e5 2. Nf3 {x} $300 *").front());

    TChessBoard& board = *form.ChessBoard1;
    board.setFocus();
    QTest::keyClick(&board, Qt::Key_E, Qt::NoModifier);
    form.MoveEntry->Edit()->setText(QStringLiteral("e2e5"));
    QTest::keyClick(form.MoveEntry->Edit(), Qt::Key_Return);
    shown.TypedMove = form.MoveEntry->Message()->text();
    form.hide();
    return shown;
}

TEST(CoreErrorText, PortugueseIsTheCoresWordingAndEnglishTranslatesEveryReason)
{
    for (const NotationError& error : EveryReason())
        EXPECT_EQ(NotationErrorText(error), QString::fromStdString(PortugueseReason(error)))
            << static_cast<int>(error.Reason);

    ASSERT_TRUE(InstallTranslators(*qApp, InterfaceLanguage::English));
    for (const NotationError& error : EveryReason()) {
        const QString english = NotationErrorText(error);
        EXPECT_FALSE(english.isEmpty()) << static_cast<int>(error.Reason);
        EXPECT_NE(english, QString::fromStdString(PortugueseReason(error))) << english.toStdString();
    }
    const NotationError letter{NotationReason::UnknownPieceLetter, "Zf3", 'Z', 0};
    EXPECT_EQ(NotationErrorText(letter), "unknown piece letter 'Z' in \"Zf3\"");
    const NotationError rank{NotationReason::FenRankLong, {}, '\0', 6};
    EXPECT_EQ(NotationErrorText(rank), "FEN: rank 6 has more than 8 squares");
    RemoveTranslators();
}

TEST(CoreErrorText, TheWindowsShowRefusalsInTheInterfaceLanguage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    const Refusals portuguese = RefusalsShown(dir);
    EXPECT_EQ(portuguese.Fen.toStdString(),
              "A posição FEN \"8/8/8/8/8/8/8/8 w - - 0 1\" não foi aceita: FEN: as brancas não têm rei.");
    EXPECT_TRUE(portuguese.PgnFile.endsWith(QString::fromUtf8("Partida 1, linha 4, coluna 4: lance ilegal: \"Ke3\"")))
        << portuguese.PgnFile.toStdString();
    EXPECT_EQ(portuguese.PgnListLine.toStdString(),
              "1. Partida ilegível (linha 1, coluna 21: NAG fora do intervalo 0 a 255)");
    // A typed move's refusal says why the move cannot be played.
    EXPECT_EQ(portuguese.TypedMove.toStdString(), "O peão em e2 não chega a e5.");

    ASSERT_TRUE(InstallTranslators(*qApp, InterfaceLanguage::English));
    const Refusals english = RefusalsShown(dir);
    RemoveTranslators();
    EXPECT_EQ(english.Fen.toStdString(),
              "The FEN position \"8/8/8/8/8/8/8/8 w - - 0 1\" was refused: FEN: White has no king.");
    EXPECT_TRUE(english.PgnFile.endsWith("Game 1, line 4, column 4: illegal move: \"Ke3\""))
        << english.PgnFile.toStdString();
    EXPECT_EQ(english.PgnListLine.toStdString(),
              "1. Unreadable game (line 1, column 21: NAG outside the range 0 to 255)");
    EXPECT_EQ(english.TypedMove.toStdString(), "The pawn on e2 cannot reach e5.");
}

} // namespace
