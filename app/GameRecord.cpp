// Between the board's history and the recorded game.
#include "app/GameRecord.h"

#include "app/CoreErrorText.h"
#include "app/RegularFile.h"
#include "board/ChessBoard.h"
#include "core/MoveList.h"
#include "core/OpeningNames.h"
#include "platform/ProgramSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QSignalBlocker>
#include <QStandardPaths>

#include <algorithm>
#include <stdexcept>

namespace {

[[noreturn]] void Fail(const QString& message)
{
    throw std::runtime_error(message.toStdString());
}

// A slot's position; a Chess960 game keeps its rules and rook files for
// all of its positions, as the board does.
GameState SlotState(const MoveInfo& slot, long long index, const GameState& game)
{
    GameState state = GameState::FromPlacement(slot.Placement, index % 2 == 0, slot.Castling, slot.EnPassantSq);
    state.CurrentMove = static_cast<int>(index / 2 + 1);
    state.Chess960 = game.Chess960;
    state.CastlingRookFile = game.CastlingRookFile;
    return state;
}

void StartAt(BoardGame& game, const GameState& state, bool edited)
{
    std::vector<GameTag> tags = game.Record.Tags();
    game.Record = Game();
    for (const GameTag& tag : tags)
        if (tag.Name != "SetUp" && tag.Name != "FEN")
            game.Record.SetTag(tag.Name, tag.Value);
    // A position set by hand may keep an en passant square or a castling
    // right that no longer fits it; FEN drops those.
    FenPosition start{state, 0};
    std::string ignored;
    if (ReadFen(WriteFen(state), start, ignored, state.Chess960))
        start.State.CurrentMove = state.CurrentMove;
    else
        start = FenPosition{state, 0};
    game.Record.SetStart(start);
    game.StartsAfterAnEdit = game.StartsAfterAnEdit || edited;
}

// Holds back the board's events, its signals and animation while a game is
// replayed on it, and gives them back however the replay ends.
class QuietBoard {
public:
    explicit QuietBoard(TChessBoard& board)
        : board_(board)
        , onLegalMove_(board.OnLegalMove)
        , onCapture_(board.OnCapture)
        , onPromotion_(board.OnPromotion)
        , onCastle_(board.OnCastle)
        , onCheck_(board.OnCheck)
        , onMate_(board.OnMate)
        , onStaleMate_(board.OnStaleMate)
        , onIllegalMove_(board.OnIllegalMove)
        , onNoMatingMaterial_(board.OnNoMatingMaterial)
        , onThreefoldPosition_(board.OnThreefoldPosition)
        , onDraw_(board.OnDraw)
        , onPaint_(board.OnPaint)
        , animate_(board.AnimateMoves())
        , promotion_(board.PromotionPiece())
        , threefoldEnds_(board.ThreefoldEndsGame())
        , quietSignals_(&board)
    {
        board.OnLegalMove = nullptr;
        board.OnCapture = nullptr;
        board.OnPromotion = nullptr;
        board.OnCastle = nullptr;
        board.OnCheck = nullptr;
        board.OnMate = nullptr;
        board.OnStaleMate = nullptr;
        board.OnIllegalMove = nullptr;
        board.OnNoMatingMaterial = nullptr;
        board.OnThreefoldPosition = nullptr;
        board.OnDraw = nullptr;
        board.OnPaint = nullptr;
        board.SetAnimateMoves(false);
        board.SetThreefoldEndsGame(false);
    }
    ~QuietBoard()
    {
        board_.OnLegalMove = onLegalMove_;
        board_.OnCapture = onCapture_;
        board_.OnPromotion = onPromotion_;
        board_.OnCastle = onCastle_;
        board_.OnCheck = onCheck_;
        board_.OnMate = onMate_;
        board_.OnStaleMate = onStaleMate_;
        board_.OnIllegalMove = onIllegalMove_;
        board_.OnNoMatingMaterial = onNoMatingMaterial_;
        board_.OnThreefoldPosition = onThreefoldPosition_;
        board_.OnDraw = onDraw_;
        board_.OnPaint = onPaint_;
        board_.SetAnimateMoves(animate_);
        board_.SetPromotionPiece(promotion_);
        board_.SetThreefoldEndsGame(threefoldEnds_);
    }
    QuietBoard(const QuietBoard&) = delete;
    QuietBoard& operator=(const QuietBoard&) = delete;

private:
    TChessBoard& board_;
    TMoveEvent onLegalMove_;
    TCaptureEvent onCapture_;
    TPromotionEvent onPromotion_;
    TMoveEvent onCastle_;
    TMoveEvent onCheck_;
    TMoveEvent onMate_;
    TMoveEvent onStaleMate_;
    TOneSquareEvent onIllegalMove_;
    TNotifyEvent onNoMatingMaterial_;
    TNotifyEvent onThreefoldPosition_;
    TNotifyEvent onDraw_;
    TNotifyEvent onPaint_;
    bool animate_;
    char promotion_;
    bool threefoldEnds_;
    QSignalBlocker quietSignals_;
};

// Replays without any check of its own; false at the first move the board
// refuses, whose index is then in `failedPly`.
bool Replay(const Game& game, TChessBoard& board, std::size_t ply, std::size_t& failedPly)
{
    QuietBoard quiet(board);
    const GameState& start = game.StartState();
    board.ResetGame();
    board.SetPosition(PositionString(start.Board));
    board.SetWhiteToMove(start.WhiteToMove);
    board.SetCastlingAllowed(start.CastlingAllowed);
    board.SetChess960(start.Chess960);
    board.SetCastlingRookFiles(start.CastlingRookFile);
    if (start.EnPassant != Square::None)
        board.SetEnPassant(start.EnPassant);
    for (std::size_t i = 0; i < game.PlyCount(); ++i) {
        const ChessMove& move = game.Moves()[i].Move;
        if (move.Promotion != EmptySquare)
            board.SetPromotionPiece(move.Promotion);
        if (!board.MakeMove(move.From, move.To)) {
            failedPly = i;
            return false;
        }
    }
    if (ply < game.PlyCount()) {
        const long long index = GameHistory::SlotIndex(1, start.WhiteToMove) + static_cast<long long>(ply);
        board.GotoMove(static_cast<int>(index / 2 + 1), index % 2 == 0);
    }
    return true;
}

// The moves and positions of the board's history, without a result.
BoardGame RecordedGame(const TChessBoard& board)
{
    BoardGame game;
    const GameHistory& history = board.History();
    const long long end = GameHistory::SlotIndex(history.LastMoveNumber(), history.LastWhiteToMove());
    long long startIndex = -1;
    GameState position;
    for (long long index = 0; index <= end; ++index) {
        const int moveNumber = static_cast<int>(index / 2 + 1);
        const bool white = index % 2 == 0;
        if (!history.HoldsRecordedPosition(moveNumber, white)) {
            if (startIndex >= 0) {
                // A gap: the game goes on from a later position.
                startIndex = -1;
                game.StartsAfterAnEdit = true;
            }
            continue;
        }
        const MoveInfo& slot = *history.Slot(moveNumber, white);
        const GameState state = SlotState(slot, index, board.State());
        if (startIndex < 0 || state != position) {
            StartAt(game, state, startIndex >= 0);
            startIndex = index;
            position = state;
        }
        if (index == end)
            break;
        const ChessMove move{slot.OldSq, slot.NewSq,
                             slot.Promotion == EmptySquare ? EmptySquare : UpperPiece(slot.Promotion)};
        if (!game.Record.AddMove(move)) {
            // Not a move of chess (a promotion to a king, say): the game
            // goes on from the position it led to.
            startIndex = -1;
            game.StartsAfterAnEdit = true;
            continue;
        }
        position = game.Record.FinalPosition();
    }

    const GameState& shown = board.State();
    if (startIndex < 0) {
        StartAt(game, shown, game.StartsAfterAnEdit);
        return game;
    }
    const long long shownIndex = GameHistory::SlotIndex(shown.CurrentMove, shown.WhiteToMove) - startIndex;
    if (shownIndex >= 0 && shownIndex <= static_cast<long long>(game.Record.PlyCount()) &&
        game.Record.PositionAt(static_cast<std::size_t>(shownIndex)) == shown) {
        game.ShownPly = static_cast<std::size_t>(shownIndex);
        return game;
    }
    // The position shown is none of the game's: it was set by hand, and it
    // is what the user sees, so it is what is kept.
    StartAt(game, shown, true);
    return game;
}

} // namespace

BoardGame GameFromBoard(const TChessBoard& board)
{
    BoardGame game = RecordedGame(board);
    // A game the rules have ended says so; the board's own repetition test
    // covers the draw the position alone cannot show.
    const GameHistory& history = board.History();
    std::string result = Game::RulesResult(game.Record.FinalPosition());
    if (result == "*" && game.Record.PlyCount() > 0 && board.ThreefoldEndsGame() &&
        history.ThreefoldRepetition(history.LastMoveNumber(), history.LastWhiteToMove()))
        result = "1/2-1/2";
    if (result != "*")
        game.Record.SetResult(result);
    return game;
}

PutGameResult PutGameOnBoard(const Game& game, TChessBoard& board, std::size_t ply)
{
    PutGameResult result;
    const BoardGame before = GameFromBoard(board);
    std::size_t failed = 0;
    if (Replay(game, board, ply, failed)) {
        board.Paint();
        result.Played = game.PlyCount();
        return result;
    }
    if (failed > 0) {
        // The board stands after the moves it took; the rest waits unplayed.
        board.Paint();
        result.Played = failed;
        result.Stopped = true;
        const QString why = QCoreApplication::translate("GameRecord", "o tabuleiro não aceita mais lances ali");
        result.Reason = QCoreApplication::translate("GameRecord",
                                                    "A partida parou no lance %1 (%2): %3. Os lances seguintes "
                                                    "não foram jogados.")
                            .arg(failed + 1)
                            .arg(QString::fromStdString(game.Moves()[failed].San), why);
        return result;
    }
    std::size_t ignored = 0;
    Replay(before.Record, board, before.ShownPly, ignored);
    board.Paint();
    Fail(QCoreApplication::translate("GameRecord", "O tabuleiro recusou o lance %1 (%2) da partida.")
             .arg(failed + 1)
             .arg(QString::fromStdString(game.Moves()[failed].San)));
}

void RecordPlayers(Game& game, const TChessBoard& board)
{
    game.SetPlayer(true, board.ComputerPlaysWhite() ? PlayerType::Program : PlayerType::Human);
    game.SetPlayer(false, board.ComputerPlaysBlack() ? PlayerType::Program : PlayerType::Human);
    game.SetLevel(std::clamp(board.SearchDepth(), 1, 5));
}

void RestorePlayers(const Game& game, TChessBoard& board)
{
    if (const std::optional<int> level = game.Level())
        board.SetSearchDepth(*level);
    if (const std::optional<PlayerType> white = game.Player(true))
        board.SetComputerPlaysWhite(*white == PlayerType::Program);
    if (const std::optional<PlayerType> black = game.Player(false))
        board.SetComputerPlaysBlack(*black == PlayerType::Program);
}

std::vector<PgnGame> ReadPgnFile(const QString& fileName)
{
    QFile file(fileName);
    const QString path = QFileInfo(fileName).absoluteFilePath();
    // A FIFO or a device would hold the program in the opening or the read.
    if (const std::optional<QString> refused = NotARegularFile(fileName))
        Fail(QCoreApplication::translate("GameRecord", "Não foi possível abrir o arquivo \"%1\". %2")
                 .arg(path, *refused));
    if (!file.open(QIODevice::ReadOnly))
        Fail(QCoreApplication::translate("GameRecord", "Não foi possível abrir o arquivo \"%1\". %2")
                 .arg(path, file.errorString()));
    if (file.size() > MaxPgnFileBytes)
        Fail(QCoreApplication::translate("GameRecord", "O arquivo \"%1\" é grande demais para uma partida.").arg(path));
    const QByteArray bytes = file.read(MaxPgnFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        Fail(QCoreApplication::translate("GameRecord", "Não foi possível ler o arquivo \"%1\". %2")
                 .arg(path, file.errorString()));
    if (bytes.size() > MaxPgnFileBytes)
        Fail(QCoreApplication::translate("GameRecord", "O arquivo \"%1\" é grande demais para uma partida.").arg(path));
    return ReadPgn(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QString PgnGameErrorText(const PgnGame& game)
{
    return QCoreApplication::translate("GameRecord", "Partida %1, linha %2, coluna %3: %4")
        .arg(game.Index + 1)
        .arg(game.Line)
        .arg(game.Column)
        .arg(NotationErrorText(game.Problem));
}

void WritePgnFile(const QString& fileName, const Game& game)
{
    const std::string text = WritePgn(game);
    const QString path = QFileInfo(fileName).absoluteFilePath();
    const auto fail = [&path](const QString& cause) {
        Fail(QCoreApplication::translate("GameRecord",
                                         "Não foi possível gravar o arquivo \"%1\" (%2). Um arquivo que já existia "
                                         "com esse nome ficou como estava.")
                 .arg(path, cause));
    };
    QSaveFile file(fileName);
    // Unbuffered, so that a short write (a full disk, a size limit) is seen
    // here: through the buffer the failed flush passes unnoticed at commit,
    // which then puts a cut file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(file.errorString());
    const char* data = text.data();
    qint64 remaining = static_cast<qint64>(text.size());
    while (remaining > 0) {
        const qint64 written = file.write(data, remaining);
        if (written <= 0) {
            const QString cause = file.errorString();
            file.cancelWriting();
            fail(cause);
        }
        data += written;
        remaining -= written;
    }
    if (!file.commit())
        fail(file.errorString());
}

QString AutosaveFileName()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/autosave.pgn");
}

void WriteAutosave(const Game& game)
{
    const QString fileName = AutosaveFileName();
    if (!QDir().mkpath(QFileInfo(fileName).absolutePath()))
        Fail(QCoreApplication::translate("GameRecord", "Não foi possível criar a pasta \"%1\".")
                 .arg(QFileInfo(fileName).absolutePath()));
    WritePgnFile(fileName, game);
}

std::optional<Game> ReadAutosave()
{
    if (!QFileInfo::exists(AutosaveFileName()))
        return std::nullopt;
    try {
        std::vector<PgnGame> games = ReadPgnFile(AutosaveFileName());
        if (games.empty() || !games.front().Ok)
            return std::nullopt;
        return std::move(games.front().Value);
    } catch (const std::runtime_error&) {
        return std::nullopt;
    }
}

void RemoveAutosave()
{
    QFile::remove(AutosaveFileName());
}

namespace {

const QString ShowOpeningNamesKey = QStringLiteral("Opcoes/MostrarNomeDaAbertura");

} // namespace

bool ShowOpeningNames()
{
    return ProgramSettings().value(ShowOpeningNamesKey, false).toBool();
}

void SetShowOpeningNames(bool on)
{
    ProgramSettings().setValue(ShowOpeningNamesKey, on);
}

QString OpeningNameText(const TOpeningName& name, bool portuguese)
{
    return QString::fromStdString(name.Eco + " " + (portuguese ? PortugueseOpeningName(name.Name) : name.Name));
}
