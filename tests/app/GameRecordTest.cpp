// The board's game as a recorded game and back: moves of every kind survive
// the round trip through a PGN file, loading is quiet and can show an
// earlier move, a position set by hand starts the record anew, and file
// errors are reported.
#include "app/GameRecord.h"
#include "app/PgnGameDialog.h"
#include "board/ChessBoard.h"
#include "core/Chess960.h"

#include <QFile>
#include <QListView>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A game with both castlings, an en passant capture, a promotion to a
// knight and a queen's check.
const std::vector<std::pair<Square, Square>> GameMoves = {
    {Square::E2, Square::E4}, {Square::D7, Square::D5}, {Square::E4, Square::E5}, {Square::F7, Square::F5},
    {Square::E5, Square::F6}, {Square::B8, Square::C6}, {Square::G1, Square::F3}, {Square::C8, Square::E6},
    {Square::F1, Square::E2}, {Square::D8, Square::D6}, {Square::E1, Square::G1}, {Square::E8, Square::C8},
    {Square::F6, Square::G7}, {Square::A7, Square::A6}, {Square::G7, Square::H8}, {Square::D6, Square::H2},
};

void Play(TChessBoard& board)
{
    for (const auto& [from, to] : GameMoves) {
        if (from == Square::G7)
            board.SetPromotionPiece('N');
        ASSERT_TRUE(board.MakeMove(from, to)) << SquareName(from) << SquareName(to);
    }
}

std::vector<std::string> MoveList(const TChessBoard& board)
{
    std::vector<std::string> list;
    board.GetMoveList(list);
    return list;
}

} // namespace

TEST(GameRecord, TheBoardsGameGoesThroughAPgnFileAndBack)
{
    TChessBoard board(nullptr, true);
    Play(board);
    const BoardGame game = GameFromBoard(board);
    EXPECT_FALSE(game.StartsAfterAnEdit);
    ASSERT_EQ(game.Record.PlyCount(), GameMoves.size());
    EXPECT_EQ(game.ShownPly, GameMoves.size());
    EXPECT_EQ(PositionString(game.Record.FinalPosition().Board), board.Position());
    EXPECT_EQ(game.Record.Moves()[4].San, "exf6");
    EXPECT_EQ(game.Record.Moves()[11].San, "O-O-O");
    EXPECT_EQ(game.Record.Moves()[12].San, "fxg7");
    EXPECT_EQ(game.Record.Moves()[14].San, "gxh8=N");
    EXPECT_EQ(game.Record.Moves()[15].San, "Qxh2+");

    // The same moves with the Portuguese letters.
    const auto portuguese = [&](std::size_t ply) {
        return MoveToSan(game.Record.PositionAt(ply), game.Record.Moves()[ply].Move, PortugueseLetters);
    };
    EXPECT_EQ(portuguese(6), "Cf3");
    EXPECT_EQ(portuguese(11), "O-O-O");
    EXPECT_EQ(portuguese(14), "gxh8=C");
    EXPECT_EQ(portuguese(15), "Dxh2+");

    QTemporaryDir dir;
    const QString file = dir.filePath("partida.pgn");
    Game record = game.Record;
    board.SetComputerPlaysBlack(true);
    board.SetSearchDepth(4);
    RecordPlayers(record, board);
    WritePgnFile(file, record);
    const std::vector<PgnGame> read = ReadPgnFile(file);
    ASSERT_EQ(read.size(), 1u);
    ASSERT_TRUE(read[0].Ok) << PgnGameErrorText(read[0]).toStdString();

    TChessBoard other(nullptr, true);
    int events = 0;
    other.OnLegalMove = [&events](QObject*, Square, Square) { ++events; };
    other.OnMate = [&events](QObject*, Square, Square) { ++events; };
    other.SetPromotionPiece('Q');
    PutGameOnBoard(read[0].Value, other);
    RestorePlayers(read[0].Value, other);
    EXPECT_EQ(events, 0) << "loading fired the board's events";
    EXPECT_TRUE(other.OnLegalMove) << "the events were not given back";
    EXPECT_EQ(other.PromotionPiece(), 'Q');
    EXPECT_EQ(other.Position(), board.Position());
    EXPECT_EQ(other.WhiteToMove(), board.WhiteToMove());
    EXPECT_EQ(other.CastlingAllowed(), board.CastlingAllowed());
    EXPECT_EQ(MoveList(other), MoveList(board));
    EXPECT_TRUE(other.ComputerPlaysBlack());
    EXPECT_FALSE(other.ComputerPlaysWhite());
    EXPECT_EQ(other.SearchDepth(), 4);
    // A move made after loading goes on from the loaded game.
    EXPECT_EQ(events, 0);
}

TEST(GameRecord, LoadingCanShowAnEarlierMoveAndKeepTheRest)
{
    TChessBoard board(nullptr, true);
    Play(board);
    const Game record = GameFromBoard(board).Record;

    TChessBoard other(nullptr, true);
    PutGameOnBoard(record, other, 5);
    EXPECT_EQ(other.Position(), PositionString(record.PositionAt(5).Board));
    EXPECT_FALSE(other.WhiteToMove());
    const BoardGame shown = GameFromBoard(other);
    EXPECT_EQ(shown.ShownPly, 5u);
    EXPECT_EQ(shown.Record.PlyCount(), GameMoves.size());

    // Going back on the board itself is seen the same way.
    ASSERT_TRUE(board.GotoMove(2, true));
    EXPECT_EQ(GameFromBoard(board).ShownPly, 2u);
}

TEST(GameRecord, APositionSetByHandStartsTheRecordAnew)
{
    TChessBoard board(nullptr, true);
    ASSERT_TRUE(board.MakeMove(Square::E2, Square::E4));
    ASSERT_TRUE(board.MakeMove(Square::E7, Square::E5));
    // The user sets a position: the record starts from what is shown.
    board.SetPosition(std::string("    k   ") + std::string(48, ' ') + "    K  R");
    board.SetCastlingAllowed(CastleSet{CanStillCastle::WhiteKingSide});
    BoardGame game = GameFromBoard(board);
    EXPECT_TRUE(game.StartsAfterAnEdit);
    EXPECT_EQ(game.Record.PlyCount(), 0u);
    // The en passant square of e7-e5 went with the pawn.
    EXPECT_EQ(game.Record.FinalFen(), "4k3/8/8/8/8/8/8/4K2R w K - 0 2");

    // Moves played from it are kept from there on.
    ASSERT_TRUE(board.MakeMove(Square::E1, Square::G1));
    game = GameFromBoard(board);
    EXPECT_TRUE(game.StartsAfterAnEdit);
    ASSERT_EQ(game.Record.PlyCount(), 1u);
    EXPECT_EQ(game.Record.Moves()[0].San, "O-O");
    EXPECT_EQ(game.Record.FenAt(0), "4k3/8/8/8/8/8/8/4K2R w K - 0 2");

    // A game ended by mate records its result.
    TChessBoard mated(nullptr, true);
    for (const auto& [from, to] : std::vector<std::pair<Square, Square>>{
             {Square::F2, Square::F3}, {Square::E7, Square::E5}, {Square::G2, Square::G4}, {Square::D8, Square::H4}})
        ASSERT_TRUE(mated.MakeMove(from, to));
    EXPECT_EQ(GameFromBoard(mated).Record.Result(), "0-1");
    EXPECT_EQ(GameFromBoard(board).Record.Result(), "*");

    // A board where nothing was played gives the position it shows.
    TChessBoard fresh(nullptr, true);
    game = GameFromBoard(fresh);
    EXPECT_FALSE(game.StartsAfterAnEdit);
    EXPECT_TRUE(game.Record.StartsFromStandardPosition());
}

TEST(GameRecord, FileErrorsAreReportedAndAutosaveComesBack)
{
    QTemporaryDir dir;
    try {
        ReadPgnFile(dir.filePath("nenhum.pgn"));
        ADD_FAILURE() << "no error for a missing file";
    } catch (const std::runtime_error& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).startsWith("Não foi possível abrir o arquivo")) << e.what();
    }
    try {
        WritePgnFile(dir.filePath("pasta/que/nao/existe.pgn"), Game());
        ADD_FAILURE() << "no error for a folder that does not exist";
    } catch (const std::runtime_error& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).startsWith("Não foi possível gravar o arquivo")) << e.what();
    }
    QFile broken(dir.filePath("quebrado.pgn"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("1. e4 e5 2. Ke3 *\n");
    broken.close();
    const std::vector<PgnGame> games = ReadPgnFile(broken.fileName());
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(PgnGameErrorText(games[0]), "Partida 1, linha 1, coluna 13: lance ilegal: \"Ke3\"");

    QStandardPaths::setTestModeEnabled(true);
    RemoveAutosave();
    EXPECT_FALSE(ReadAutosave().has_value());
    TChessBoard board(nullptr, true);
    Play(board);
    WriteAutosave(GameFromBoard(board).Record);
    const std::optional<Game> saved = ReadAutosave();
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->PlyCount(), GameMoves.size());
    RemoveAutosave();
    EXPECT_FALSE(QFile::exists(AutosaveFileName()));
    QStandardPaths::setTestModeEnabled(false);
}

TEST(GameRecord, TheGameListShowsEveryGameAndOffersOnlyReadableOnes)
{
    const std::vector<PgnGame> games = ReadPgn("1. e4 e5 2. Ke3 *\n\n"
                                               "[Event \"Paris\"]\n[White \"Morphy\"]\n[Black \"Duke\"]\n"
                                               "[Date \"1858.??.??\"]\n\n1. e4 e5 1-0\n\n"
                                               "1. d4 *\n");
    ASSERT_EQ(games.size(), 3u);
    PgnGameDialog dialog(SourceOf(games));
    const QAbstractItemModel* list = dialog.List()->model();
    const auto text = [list](int row) { return list->index(row, 0).data().toString().toStdString(); };
    ASSERT_EQ(list->rowCount(), 3);
    EXPECT_EQ(text(0), "1. Partida ilegível (linha 1, coluna 13: lance ilegal: \"Ke3\")");
    EXPECT_FALSE(list->flags(list->index(0, 0)) & Qt::ItemIsEnabled);
    EXPECT_EQ(text(1), "2. Morphy – Duke, Paris, 1858.??.??, 1-0 (2 meios-lances)");
    EXPECT_EQ(text(2), "3. ? – ?, ?, ?, * (1 meio-lance)");
    EXPECT_EQ(dialog.ChosenGame(), 1u);
    dialog.List()->setCurrentIndex(list->index(2, 0));
    EXPECT_EQ(dialog.ChosenGame(), 2u);

    // One game alone is opened without asking; none readable is an error.
    EXPECT_EQ(ChoosePgnGame(ReadPgn("1. d4 *"), nullptr), 0u);
    EXPECT_THROW(ChoosePgnGame(ReadPgn("1. Ke2 *"), nullptr), std::runtime_error);
    try {
        ChoosePgnGame({}, nullptr);
        ADD_FAILURE() << "no error for a file without games";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "O arquivo não contém nenhuma partida.");
    }
}

namespace {

// The rules of chess let a game go on after a threefold repetition that no
// one claimed. A game in a file is a record: every move is loaded, and the
// board's own rule that ends a game at the repetition holds again for play.
TEST(GameRecord, ALoadedGameGoesOnPastAThreefoldRepetition)
{
    const std::vector<PgnGame> games = ReadPgn("1. Nf3 Nf6 2. Ng1 Ng8 3. Nf3 Nf6 4. Ng1 Ng8 5. e4 e5 *\n");
    ASSERT_EQ(games.size(), 1u);
    ASSERT_TRUE(games[0].Ok);
    TChessBoard board(nullptr, true);
    const PutGameResult put = PutGameOnBoard(games[0].Value, board);
    EXPECT_FALSE(put.Stopped) << put.Reason.toStdString();
    EXPECT_EQ(put.Played, 10u);
    EXPECT_EQ(board.Position(), "rnbqkbnrpppp ppp            p       P           PPPP PPPRNBQKBNR");
    std::vector<std::string> lines;
    board.GetMoveList(lines);
    EXPECT_EQ(lines.size(), 10u);
    EXPECT_EQ(GameFromBoard(board).Record.PlyCount(), 10u);
    EXPECT_TRUE(board.ThreefoldEndsGame());

    // In play, the third time the position stands ends the game.
    TChessBoard played(nullptr, true);
    ASSERT_EQ(PutGameOnBoard(ReadPgn("1. Nf3 Nf6 2. Ng1 Ng8 3. Nf3 Nf6 4. Ng1 *\n")[0].Value, played).Played, 7u);
    ASSERT_TRUE(played.MakeMove(Square::F6, Square::G8));
    EXPECT_TRUE(played.ThreefoldRepetition());
    EXPECT_FALSE(played.MakeMove(Square::E2, Square::E4));

    // A game read whole is no stop.
    TChessBoard whole(nullptr, true);
    const PutGameResult all = PutGameOnBoard(ReadPgn("1. e4 e5 2. Nf3 *\n")[0].Value, whole);
    EXPECT_FALSE(all.Stopped);
    EXPECT_EQ(all.Played, 3u);
}

} // namespace

TEST(GameRecord, AChess960GameKeepsItsRulesThroughAPgnFile)
{
    // Start 0 (BBQNNRKR): both sides clear the squares between king and
    // the rook on f and castle queen side, the king g1 onto the rook f1.
    TChessBoard board(nullptr, true);
    Game start;
    start.SetStart(FenPosition{Chess960StartPosition(0), 0});
    ASSERT_FALSE(PutGameOnBoard(start, board).Stopped);
    EXPECT_TRUE(board.Chess960());
    int castlings = 0;
    board.OnCastle = [&](QObject*, Square, Square) { ++castlings; };
    const std::vector<std::pair<Square, Square>> moves = {
        {Square::E1, Square::D3}, {Square::E8, Square::D6}, {Square::D1, Square::E3}, {Square::D8, Square::E6},
        {Square::C2, Square::C3}, {Square::C7, Square::C6}, {Square::C1, Square::C2}, {Square::C8, Square::C7},
        {Square::G1, Square::F1}, {Square::G8, Square::F8},
    };
    for (const auto& [from, to] : moves)
        ASSERT_TRUE(board.MakeMove(from, to)) << SquareName(from) << SquareName(to);
    EXPECT_EQ(castlings, 2);
    EXPECT_EQ(WriteFen(board.State()).substr(0, 49), "bbkr3r/ppqppppp/2pnn3/8/8/2PNN3/PPQPPPPP/BBKR3R w");

    const BoardGame game = GameFromBoard(board);
    ASSERT_EQ(game.Record.PlyCount(), moves.size());
    EXPECT_FALSE(game.StartsAfterAnEdit);
    EXPECT_EQ(game.Record.Moves()[8].San, "O-O-O");
    const std::string text = WritePgn(game.Record);
    EXPECT_NE(text.find("[Variant \"Chess960\"]"), std::string::npos) << text;

    // Read back onto another board (as the autosave is): the same game,
    // still Chess960, with the move list and the rules going on.
    const std::vector<PgnGame> read = ReadPgn(text);
    ASSERT_EQ(read.size(), 1u);
    ASSERT_TRUE(read[0].Ok) << read[0].Error;
    TChessBoard other(nullptr, true);
    ASSERT_FALSE(PutGameOnBoard(read[0].Value, other).Stopped);
    EXPECT_TRUE(other.Chess960());
    EXPECT_TRUE(other.State() == board.State());
    EXPECT_EQ(MoveList(other), MoveList(board));
    // Going back to before White's castling and forward again keeps it.
    ASSERT_TRUE(other.GotoMove(5, true));
    EXPECT_TRUE(other.IsLegalMove(Square::G1, Square::F1));
    EXPECT_FALSE(other.IsLegalMove(Square::G1, Square::H1)); // the rook f1 stands in the way
    EXPECT_EQ(GameFromBoard(other).Record.Moves()[8].San, "O-O-O");
    // A new game is standard chess again.
    other.ResetGame();
    EXPECT_FALSE(other.Chess960());
}
