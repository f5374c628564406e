// Game files with the board: what loading changes (the pieces) and what it
// keeps (side to move, history), and that a failed save or load leaves the
// board and any old file as they were.
#include "app/GameFile.h"
#include "board/ChessBoard.h"
#include "platform/ErrorBox.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const std::string InitialPosition = "rnbqkbnrpppppppp                                PPPPPPPPRNBQKBNR";

class GameFileBoardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetErrorBoxSink([this](const QString& text) { errors << text; });
    }
    void TearDown() override { SetErrorBoxSink({}); }

    std::vector<std::string> Moves() const
    {
        std::vector<std::string> list;
        board.GetMoveList(list);
        return list;
    }
    // Loads as the main window does: an error ends the handler and is shown.
    void Load(const QString& path)
    {
        RunGuarded([&] { board.SetPosition(LoadGameFile(path)); });
    }

    QTemporaryDir dir;
    TChessBoard board{nullptr, true};
    QStringList errors;
};

} // namespace

TEST_F(GameFileBoardTest, SavingAfterE4WritesTheBoardsPosition)
{
    ASSERT_TRUE(board.MakeMove(Square::E2, Square::E4));
    const QString path = dir.filePath("e4");
    SaveGameFile(path, board.Position());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), 64);
    EXPECT_EQ(bytes[36], 'P');
    EXPECT_EQ(bytes[52], ' ');
}

TEST_F(GameFileBoardTest, LoadingReplacesThePiecesOnlyAndKeepsSideToMoveAndHistory)
{
    const QString path = dir.filePath("initial");
    SaveGameFile(path, board.Position());
    ASSERT_TRUE(board.MakeMove(Square::E2, Square::E4));
    const auto movesBefore = Moves();
    ASSERT_FALSE(board.WhiteToMove());

    Load(path);
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(board.Position(), InitialPosition);
    EXPECT_FALSE(board.WhiteToMove()); // as before loading, not as when saved
    EXPECT_EQ(board.CurrentMove(), 1);
    EXPECT_EQ(Moves(), movesBefore);
}

TEST_F(GameFileBoardTest, TheBoardReadsWhatTheTextBufferGivesIt)
{
    const auto loadText = [&](const QByteArray& bytes) {
        const QString path = dir.filePath("text");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        Load(path);
        return board.Position();
    };
    const std::string empty(64, ' ');
    EXPECT_EQ(loadText(""), empty);
    EXPECT_EQ(loadText("init"), InitialPosition);
    EXPECT_EQ(loadText(QByteArray::fromStdString(InitialPosition) + "\r\n"), InitialPosition);
    std::string withUnknown = InitialPosition;
    withUnknown[3] = 'X';
    std::string expected = InitialPosition;
    expected[3] = ' ';
    EXPECT_EQ(loadText(QByteArray::fromStdString(withUnknown)), expected);
    EXPECT_EQ(loadText(QByteArray("rnbq\0kbnr", 9)), "rnbq" + std::string(60, ' '));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(GameFileBoardTest, FailuresLeaveTheBoardAndTheOldFileAsTheyWere)
{
    ASSERT_TRUE(board.MakeMove(Square::E2, Square::E4));
    const std::string before = board.Position();

    Load(dir.filePath("missing"));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith("Cannot open file \"")) << errors[0].toStdString();
    EXPECT_TRUE(errors[0].endsWith("No such file or directory.")) << errors[0].toStdString();
    EXPECT_EQ(board.Position(), before);

    const QString big = dir.filePath("big");
    QFile file(big);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(GameTextCapacity + 1, 'p'));
    file.close();
    Load(big);
    ASSERT_EQ(errors.size(), 2);
    EXPECT_EQ(errors[1], "Text exceeds memo capacity.");
    EXPECT_EQ(board.Position(), before);

    // Saving into a folder that is not there (or is a file) cannot create it.
    const QString old = dir.filePath("old");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    RunGuarded([&] { SaveGameFile(old + "/game", board.Position()); });
    ASSERT_EQ(errors.size(), 3);
    EXPECT_TRUE(errors[2].startsWith("Cannot create file \"" + old + "/game\". ")) << errors[2].toStdString();
    EXPECT_EQ(board.Position(), before);
}
