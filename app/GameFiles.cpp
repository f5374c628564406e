// The game window's whole games (see GameFiles.h).
#include "app/GameFiles.h"

#include "app/Application.h"
#include "app/Autosave.h"
#include "app/CoreErrorText.h"
#include "app/GameFile.h"
#include "app/GameRecord.h"
#include "app/MoveListText.h"
#include "app/MoveTreeLines.h"
#include "app/PgnGameDialog.h"
#include "app/ScoreSheet.h"
#include "board/ChessBoard.h"
#include "core/MoveList.h"
#include "core/OpeningNames.h"
#include "platform/ErrorBox.h"
#include "platform/ProgramSettings.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QDate>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace {

const QString NotationKey = QStringLiteral("Opcoes/NotacaoAlgebrica");

[[noreturn]] void Fail(const QString& message)
{
    throw std::runtime_error(message.toStdString());
}

// Who played and at which level: written from the board for a game played
// here, kept as the file said for a game opened from one.
bool PlayersTag(const std::string& name)
{
    return name == "WhiteType" || name == "BlackType" || name == "KestravinLevel";
}

// The tags the window writes from the board itself, never from a game it
// opened: where the moves start, the result, the autosave's own notes.
bool TagFromBoard(const std::string& name)
{
    return name == "SetUp" || name == "FEN" || name == "Result" || name == "KestravinShownPly" ||
        name == "KestravinOpenedGame";
}

// The autosave's note that its game was opened from a file, for study.
constexpr const char* OpenedGameTag = "KestravinOpenedGame";

std::vector<ChessMove> MovesOf(const Game& game)
{
    std::vector<ChessMove> moves;
    moves.reserve(game.PlyCount());
    for (const GameMove& move : game.Moves())
        moves.push_back(move.Move);
    return moves;
}

// The board shows a variation of the game: its line follows the game's
// tree into a variation (put there by a click in the move list).
bool ShowsVariation(const Game& base, const BoardGame& board)
{
    bool leaves = false;
    return HasVariations(base) && !board.StartsAfterAnEdit && (base.StartState() == board.Record.StartState()) &&
        FollowsTree(base, MovesOf(board.Record), &leaves) && leaves;
}

// The board's game with what the game it continues had beyond its moves:
// the tags, the move counters of its start (the board numbers from 1 and
// keeps no clock), and the comments, marks, variations and result of the
// moves both share. While the board shows one of its variations, the game
// is the one it continues, whole.
Game Continued(const Game& base, const BoardGame& board, bool keepPlayers)
{
    if (ShowsVariation(base, board)) {
        Game game = base;
        if (!keepPlayers)
            for (const char* tag : {"WhiteType", "BlackType", "KestravinLevel"})
                game.RemoveTag(tag);
        return game;
    }
    Game game = board.Record;
    for (const GameTag& tag : base.Tags())
        if (!TagFromBoard(tag.Name) && (keepPlayers || !PlayersTag(tag.Name)))
            game.SetTag(tag.Name, tag.Value);
    if (base.StartState() != game.StartState())
        return game;
    game.SetStartCounters(base.StartState().CurrentMove, base.StartHalfMoveClock());
    game.SetStartComment(base.StartComment());
    std::size_t shared = 0;
    while (shared < game.PlyCount() && shared < base.PlyCount() &&
           game.Moves()[shared].Move == base.Moves()[shared].Move) {
        game.Moves()[shared].Comment = base.Moves()[shared].Comment;
        game.Moves()[shared].Nags = base.Moves()[shared].Nags;
        game.Moves()[shared].Variations = base.Moves()[shared].Variations;
        ++shared;
    }
    if (shared == game.PlyCount() && shared == base.PlyCount() && game.Result() == "*")
        game.SetResult(base.Result());
    return game;
}

} // namespace

TGameFiles::TGameFiles(TChessBoard* board, MoveListText* moveText, const TGameFilesControls& controls, QObject* parent)
    : QObject(parent)
    , board_(board)
    , moveText_(moveText)
    , controls_(controls)
{
    autosaveTimer_ = new QTimer(this);
    autosaveTimer_->setSingleShot(true);
    autosaveTimer_->setInterval(0);
    connect(autosaveTimer_, &QTimer::timeout, this, [this] { AutosaveNow(); });

    CreateMenus();

    // Whatever may change the game: the autosave looks once the change is
    // done and writes only when the game's text differs.
    connect(board_, &TChessBoard::moveMade, this, &TGameFiles::MoveStarted);
    connect(board_, &TChessBoard::shownPositionChanged, this, &TGameFiles::GameMayHaveChanged);
    connect(moveText_, &MoveListText::ReviewChanged, this, &TGameFiles::GameMayHaveChanged);
    for (QCheckBox* box :
         {controls_.ComputerBlack, controls_.HumanBlack, controls_.ComputerWhite, controls_.HumanWhite})
        connect(box, &QCheckBox::toggled, this, &TGameFiles::GameMayHaveChanged);
    for (QAction* level : controls_.Levels)
        connect(level, &QAction::triggered, this, &TGameFiles::GameMayHaveChanged);
    connect(controls_.NewGame, &QAction::triggered, this, [this] {
        base_ = Game();
        opened_ = waiting_ = false;
        moveText_->SetGame(base_);
        GameMayHaveChanged();
    });
    // The boxes and the game's commands (a move taken back) start the
    // computer again; an opened game keeps it waiting. These run after the
    // window's own handlers, which were connected first.
    for (QCheckBox* box : {controls_.ComputerBlack, controls_.ComputerWhite})
        connect(box, &QCheckBox::toggled, this, &TGameFiles::HoldComputerOnOpenedGame);
    for (QAction* action : controls_.GameMenu->actions())
        connect(action, &QAction::triggered, this, &TGameFiles::HoldComputerOnOpenedGame);
}

TGameFiles::~TGameFiles() = default;

void TGameFiles::CreateMenus()
{
    QMenu* game = controls_.GameMenu;
    const auto command = [this, game](const char* name, const QString& caption, void (TGameFiles::*handler)()) {
        QAction* action = game->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return action;
    };
    game->addSeparator();
    openAction_ = command("AbrirPartida1", tr("Abrir partida…"), &TGameFiles::OpenWithDialog);
    openAction_->setShortcut(QKeySequence::Open);
    saveAction_ = command("SalvarPartida1", tr("Salvar partida…"), &TGameFiles::SaveWithDialog);
    saveAction_->setShortcut(QKeySequence::Save);
    copyFenAction_ = command("CopiarFen1", tr("Copiar FEN"), &TGameFiles::CopyFen);
    pasteFenAction_ = command("ColarFen1", tr("Colar FEN"), &TGameFiles::PasteFenFromClipboard);
    printAction_ = command("ImprimirPartida1", tr("Imprimir partida…"), &TGameFiles::PrintWithDialog);
    previewAction_ = command("VisualizarImpressao1", tr("Visualizar impressão da partida…"), &TGameFiles::PreviewPrint);

    notationAction_ = new QAction(tr("Notação algébrica"), this);
    notationAction_->setObjectName(QStringLiteral("NotacaoAlgebrica1"));
    notationAction_->setCheckable(true);
    notationAction_->setChecked(ProgramSettings().value(NotationKey, false).toBool());
    moveText_->SetAlgebraic(notationAction_->isChecked());
    // With the other switches, before the separator (or the submenu) that
    // ends them.
    QMenu* options = controls_.OptionsMenu;
    QAction* before = nullptr;
    for (QAction* action : options->actions()) {
        if (action->isSeparator() || action->menu() != nullptr) {
            before = action;
            break;
        }
    }
    options->insertAction(before, notationAction_);
    connect(notationAction_, &QAction::toggled, this, [this](bool on) {
        ProgramSettings().setValue(NotationKey, on);
        moveText_->SetAlgebraic(on);
    });
}

void AddReviewMarks(Game& game, const TGameReview& review, int numberShift)
{
    GameState state = game.StartState();
    for (GameMove& move : game.Moves()) {
        const TReviewedMove* judged = review.Find(state.CurrentMove - numberShift, state.WhiteToMove);
        if (judged != nullptr && judged->From == move.Move.From && judged->To == move.Move.To) {
            const int nag = MarkNag(judged->Mark);
            if (nag != 0 && std::find(move.Nags.begin(), move.Nags.end(), nag) == move.Nags.end())
                move.Nags.push_back(nag);
        }
        state = PositionAfter(state, move.Move);
    }
}

bool ReviewFitsGame(const Game& game, const TGameReview& review, int numberShift)
{
    if (review.Moves.empty())
        return false;
    std::size_t fitting = 0;
    GameState state = game.StartState();
    for (const GameMove& move : game.Moves()) {
        const TReviewedMove* judged = review.Find(state.CurrentMove - numberShift, state.WhiteToMove);
        fitting += judged != nullptr && judged->From == move.Move.From && judged->To == move.Move.To;
        state = PositionAfter(state, move.Move);
    }
    return fitting == review.Moves.size();
}

// ---- Files ----

Game TGameFiles::CurrentGame() const
{
    const BoardGame board = GameFromBoard(*board_);
    Game game = Continued(base_, board, opened_);
    if (opened_) {
        // A record opened from a file says who played it, and when; the
        // window's boxes and today's date are not part of it.
        game.SetTag(OpenedGameTag, "1");
    } else {
        if (!game.Tag("Date") || *game.Tag("Date") == "????.??.??")
            game.SetTag("Date", QDate::currentDate().toString(QStringLiteral("yyyy.MM.dd")).toStdString());
        RecordPlayers(game, *board_);
        if (!game.Tag("White") || *game.Tag("White") == "?")
            if (board_->ComputerPlaysWhite())
                game.SetTag("White", "Kestravin 2005");
        if (!game.Tag("Black") || *game.Tag("Black") == "?")
            if (board_->ComputerPlaysBlack())
                game.SetTag("Black", "Kestravin 2005");
    }
    AddReviewMarks(game, moveText_->Review(), game.StartState().CurrentMove - board.Record.StartState().CurrentMove);
    if (board.ShownPly < game.PlyCount() && !ShowsVariation(base_, board))
        game.SetTag("KestravinShownPly", std::to_string(board.ShownPly));
    if (AddToRecord)
        AddToRecord(game);
    return game;
}

bool TGameFiles::GameHasEnded() const
{
    return ::GameHasEnded(CurrentGame());
}

bool TGameFiles::MayContinue()
{
    if (GameHasEnded())
        return false;
    waiting_ = false;
    return true;
}

bool TGameFiles::ComputerWaits() const
{
    return opened_ && (waiting_ || GameHasEnded());
}

void TGameFiles::HoldComputerOnOpenedGame()
{
    if (ComputerWaits())
        RunGuarded([this] { board_->StopThinking(); });
}

bool TGameFiles::OpenGame(const QString& fileName)
{
    // The file is read once to list its games; only the chosen one is read
    // as a game.
    const std::optional<PgnFileIndex> games = IndexPgnFileShowingProgress(fileName, controls_.Window);
    if (!games)
        return false;
    std::optional<std::size_t> chosen;
    try {
        chosen = chooser_ ? chooser_(*games) : ChoosePgnGameFrom(SourceOf(*games), controls_.Window);
    } catch (const std::runtime_error& e) {
        Fail(QCoreApplication::translate("TGameFiles", "Não foi possível abrir a partida de \"%1\": %2")
                 .arg(QFileInfo(fileName).absoluteFilePath(), QString::fromUtf8(e.what())));
    }
    if (!chosen)
        return false;
    if (*chosen >= games->Count())
        Fail(QCoreApplication::translate("TGameFiles", "Não foi possível abrir a partida de \"%1\".")
                 .arg(QFileInfo(fileName).absoluteFilePath()));
    const PgnGame game = games->Game(*chosen);
    if (!game.Ok)
        Fail(QCoreApplication::translate("TGameFiles", "Não foi possível abrir a partida de \"%1\": %2")
                 .arg(QFileInfo(fileName).absoluteFilePath(), PgnGameErrorText(game)));
    try {
        // Opened for study: the computer waits for "Continuar" or a move.
        PutOnBoard(game.Value, std::numeric_limits<std::size_t>::max(), true);
    } catch (const std::runtime_error& e) {
        Fail(QCoreApplication::translate("TGameFiles", "Não foi possível abrir a partida de \"%1\": %2")
                 .arg(QFileInfo(fileName).absoluteFilePath(), QString::fromUtf8(e.what())));
    }
    return true;
}

void TGameFiles::PutOnBoard(const Game& game, std::size_t ply, bool opened, bool restored)
{
    // Throws (and leaves the board's game) when the board refuses a move.
    const PutGameResult put = PutGameOnBoard(game, *board_, ply);
    base_ = game;
    base_.RemoveTag(OpenedGameTag);
    base_.RemoveTag("KestravinShownPly");
    opened_ = waiting_ = opened;
    moveText_->SetGame(base_);
    if (GamePut)
        GamePut(game, restored || opened);
    // Setting the players starts the computer; an opened game stops it again.
    RestorePlayers(game, *board_);
    ShowPlayers();
    RunGuarded([this, opened] { opened ? board_->StopThinking() : board_->ResumeThinking(); });
    emit GamePutOnBoard();
    GameMayHaveChanged();
    if (put.Stopped)
        ShowMessage(put.Reason);
}

void TGameFiles::ShowPlayers()
{
    // The boxes' handlers set the board again, to the same players.
    (board_->ComputerPlaysBlack() ? controls_.ComputerBlack : controls_.HumanBlack)->setChecked(true);
    (board_->ComputerPlaysWhite() ? controls_.ComputerWhite : controls_.HumanWhite)->setChecked(true);
    const int depth = board_->SearchDepth();
    if (depth >= 1 && depth <= static_cast<int>(controls_.Levels.size()))
        controls_.Levels[static_cast<std::size_t>(depth - 1)]->setChecked(true);
}

void TGameFiles::SaveGame(const QString& fileName) const
{
    Game game = CurrentGame();
    game.RemoveTag("KestravinShownPly");
    game.RemoveTag(OpenedGameTag);
    // With "Mostrar nome da abertura", the game's ECO and Opening tags.
    if (ShowOpeningNames())
        SetOpeningTags(game);
    WritePgnFile(fileName, game);
}

namespace {

QString GamesFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

void TGameFiles::OpenWithDialog()
{
    QFileDialog dialog(controls_.Window, tr("Abrir partida"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({tr("Partidas PGN (*.pgn)"), tr("Todos os arquivos (*)")});
    dialog.setDirectory(openFolder_.isEmpty() ? GamesFolder() : openFolder_);
    SizeFileDialog(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString fileName = dialog.selectedFiles().constFirst();
    openFolder_ = QFileInfo(fileName).absolutePath();
    RunGuarded([this, &fileName] { OpenGame(fileName); });
}

void TGameFiles::SaveWithDialog()
{
    QFileDialog dialog(controls_.Window, tr("Salvar partida"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(tr("Partidas PGN (*.pgn)"));
    dialog.setDefaultSuffix(QStringLiteral("pgn"));
    // The dialog asks before replacing a file (QFileDialog's default).
    if (saveName_.isEmpty())
        dialog.setDirectory(GamesFolder());
    else
        dialog.selectFile(saveName_);
    SizeFileDialog(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString fileName = dialog.selectedFiles().constFirst();
    if (RunGuarded([this, &fileName] { SaveGame(fileName); }))
        saveName_ = fileName;
}

void TGameFiles::OpenFilesFromCommandLine(const QStringList& files)
{
    if (files.isEmpty())
        return;
    ShowWindow(controls_.Window);
    RunGuarded([this, &files] { OpenGame(files.constFirst()); });
}

// ---- FEN ----

QString TGameFiles::ShownFen() const
{
    BoardGame board = GameFromBoard(*board_);
    if (base_.StartState() == board.Record.StartState())
        board.Record.SetStartCounters(base_.StartState().CurrentMove, base_.StartHalfMoveClock());
    return QString::fromStdString(board.Record.FenAt(board.ShownPly));
}

void TGameFiles::CopyFen()
{
    RunGuarded([this] { QGuiApplication::clipboard()->setText(ShownFen()); });
}

void TGameFiles::PasteFen(const QString& text)
{
    FenPosition position;
    NotationError error;
    const QString fen = text.trimmed();
    if (fen.isEmpty())
        Fail(QCoreApplication::translate("TGameFiles", "A área de transferência não contém uma posição FEN."));
    if (!ReadFenEitherRules(fen.toStdString(), position, error))
        Fail(QCoreApplication::translate("TGameFiles", "A posição FEN \"%1\" não foi aceita: %2")
                 .arg(fen.left(100), NotationErrorText(error)));
    StartFrom(position);
}

void TGameFiles::StartFrom(const FenPosition& position)
{
    Game game;
    game.SetStart(position);
    PutOnBoard(game, 0, false);
    if (NewPosition)
        NewPosition();
}

void TGameFiles::PasteFenFromClipboard()
{
    RunGuarded([this] { PasteFen(QGuiApplication::clipboard()->text()); });
}

// ---- The move list of a game with variations ----

bool TGameFiles::ShowListLine(int row)
{
    const std::vector<MoveTreeLine>& lines = moveText_->TreeLines();
    if (row < 0 || static_cast<std::size_t>(row) >= lines.size())
        return false;
    const MoveTreeLine line = lines[static_cast<std::size_t>(row)];
    const BoardGame board = GameFromBoard(*board_);
    if (!board.StartsAfterAnEdit && MovesOf(board.Record) == line.Line &&
        (board.Record.StartState() == base_.StartState())) {
        const long long index =
            GameHistory::SlotIndex(1, base_.StartState().WhiteToMove) + static_cast<long long>(line.Ply);
        RunGuarded([this, index] { board_->GotoMove(static_cast<int>(index / 2 + 1), index % 2 == 0); });
        return true;
    }
    // Another line of the game: it goes on the board in place of the one
    // there, the game itself (base_) unchanged.
    Game shown;
    shown.SetStart(FenPosition{base_.StartState(), base_.StartHalfMoveClock()});
    for (const ChessMove& move : line.Line)
        if (!shown.AddMove(move))
            return true;
    if (RunGuarded([this, &shown, &line] { PutGameOnBoard(shown, *board_, line.Ply); }))
        emit GamePutOnBoard();
    GameMayHaveChanged();
    return true;
}

std::optional<int> TGameFiles::ListLineShown() const
{
    const std::vector<MoveTreeLine>& lines = moveText_->TreeLines();
    if (lines.empty())
        return std::nullopt;
    const BoardGame board = GameFromBoard(*board_);
    const std::vector<ChessMove> moves = MovesOf(board.Record);
    const std::vector<ChessMove> shown(
        moves.begin(), moves.begin() + static_cast<std::ptrdiff_t>(std::min(board.ShownPly, moves.size())));
    for (std::size_t row = 0; row < lines.size(); ++row) {
        const MoveTreeLine& line = lines[row];
        if (line.Ply == shown.size() && line.Ply <= line.Line.size() &&
            std::equal(shown.begin(), shown.end(), line.Line.begin()))
            return static_cast<int>(row);
    }
    return -1;
}

// ---- Printing ----

int TGameFiles::PrintScoreSheet(QPrinter& printer) const
{
    const Game game = CurrentGame();
    const TGameReview& review = moveText_->Review();
    const int numberShift = game.StartState().CurrentMove - GameFromBoard(*board_).Record.StartState().CurrentMove;
    return ::PrintScoreSheet(game, printer,
                             ReviewFitsGame(game, review, numberShift) ? EvaluationCurve(review)
                                                                       : std::vector<EvaluationPoint>{});
}

void TGameFiles::PrintWithDialog()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, controls_.Window);
    dialog.setWindowTitle(tr("Imprimir partida"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    RunGuarded([this, &printer] { PrintScoreSheet(printer); });
}

void TGameFiles::PreviewPrint()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, controls_.Window);
    preview.setWindowTitle(tr("Visualizar impressão da partida"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { RunGuarded([this, target] { PrintScoreSheet(*target); }); });
    preview.exec();
}

// ---- Autosave ----

void TGameFiles::MoveStarted()
{
    // The move's events fire before the board has recorded the position it
    // reached; a message box among them (mate) runs an event loop of its
    // own meanwhile. The record is complete once that loop is left.
    moveLoopLevel_ = QThread::currentThread()->loopLevel();
    // While an opened game waits, only a person moves: after that move the
    // game goes on as any other.
    waiting_ = false;
    GameMayHaveChanged();
}

void TGameFiles::GameMayHaveChanged()
{
    autosaveTimer_->setInterval(0);
    autosaveTimer_->start();
}

void TGameFiles::AutosaveNow()
{
    if (moveLoopLevel_ >= 0) {
        if (QThread::currentThread()->loopLevel() > moveLoopLevel_) {
            autosaveTimer_->setInterval(50);
            autosaveTimer_->start();
            return;
        }
        moveLoopLevel_ = -1;
    }
    try {
        const Game game = CurrentGame();
        // A game that has ended, or has not begun (nothing to resume: the
        // players and level are remembered with the other choices).
        if ((::GameHasEnded(game) && !KeptAfterItsEnd(game)) ||
            (game.PlyCount() == 0 && game.StartsFromStandardPosition())) {
            RemoveAutosave();
            lastAutosave_.clear();
            return;
        }
        const std::string pgn = WritePgn(game);
        const QString text = QString::fromStdString(pgn);
        if (text == lastAutosave_)
            return;
        // A position the rules cannot hold (set by hand without a king, say)
        // would give a file that cannot be read back: no game is kept then.
        const std::vector<PgnGame> check = ReadPgn(pgn);
        if (check.size() != 1 || !check.front().Ok) {
            RemoveAutosave();
            lastAutosave_ = text;
            return;
        }
        WriteAutosave(game);
        lastAutosave_ = text;
        autosaveFailed_ = false;
    } catch (const std::exception& e) {
        // Said once, not after every move, until a write succeeds again:
        // marked before the box opens, since the moves played while it is
        // open (the computer's) come back here from inside its event loop.
        if (autosaveFailed_)
            return;
        autosaveFailed_ = true;
        ShowErrorBox(
            QCoreApplication::translate("TGameFiles", "A partida não pôde ser guardada para continuar depois: %1")
                .arg(QString::fromUtf8(e.what())));
    }
}

bool TGameFiles::RestoreAutosave()
{
    const AutosaveFound found = TakeAutosave();
    if (!found.SetAsideAs.isEmpty())
        qWarning("kestravin: the saved game could not be read (%s); it was kept as %s", qPrintable(found.Problem),
                 qPrintable(found.SetAsideAs));
    if (!found.Value)
        return false;
    std::size_t ply = std::numeric_limits<std::size_t>::max();
    if (const std::optional<std::string> shown = found.Value->Tag("KestravinShownPly")) {
        try {
            ply = static_cast<std::size_t>(std::stoul(*shown));
        } catch (const std::exception&) {
        }
    }
    try {
        // A game opened for study stays one after a restart.
        PutOnBoard(*found.Value, ply, found.Value->Tag(OpenedGameTag) == "1", true);
    } catch (const std::runtime_error& e) {
        const QString aside = SetAsideAutosave();
        qWarning("kestravin: the saved game could not be restored (%s); it was kept as %s", e.what(),
                 qPrintable(aside));
        return false;
    }
    lastAutosave_ = QString::fromStdString(WritePgn(CurrentGame()));
    return true;
}
