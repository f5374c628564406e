#include "app/TrainingController.h"

#include "app/AnalysisController.h"
#include "app/Application.h"
#include "app/ExercisePlayer.h"
#include "app/GameRecord.h"
#include "app/Language.h"
#include "app/MistakeCollector.h"
#include "app/ProgressView.h"
#include "board/ChessBoard.h"
#include "core/ExerciseChooser.h"
#include "core/Fen.h"
#include "core/Pgn.h"
#include "core/San.h"
#include "core/UciMove.h"
#include "platform/DataPaths.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QRandomGenerator>

#include <cmath>

TTrainingController::TTrainingController(TChessBoard* board, TAnalysisController* analysis, QMenu* menu,
                                         QWidget* window)
    : QObject(window)
    , board_(board)
    , analysis_(analysis)
    , window_(window)
    , clock_([] { return QDateTime::currentSecsSinceEpoch(); })
    , picker_([] { return QRandomGenerator::global()->generate64(); })
{
    exercisesAction_ = menu->addAction(tr("Exercícios"));
    exercisesAction_->setObjectName(QStringLiteral("Exercicios1"));
    exercisesAction_->setStatusTip(tr("Posições para resolver, escolhidas perto da sua pontuação."));
    connect(exercisesAction_, &QAction::triggered, this, &TTrainingController::OpenExercises);
    mistakesAction_ = menu->addAction(tr("Meus erros"));
    mistakesAction_->setObjectName(QStringLiteral("MeusErros1"));
    mistakesAction_->setStatusTip(tr("Os seus lances marcados com ? ou ?? na revisão das partidas, como exercícios."));
    connect(mistakesAction_, &QAction::triggered, this, &TTrainingController::OpenMistakes);
    menu->addSeparator();
    progressAction_ = menu->addAction(tr("Progresso"));
    progressAction_->setObjectName(QStringLiteral("Progresso1"));
    connect(progressAction_, &QAction::triggered, this, &TTrainingController::OpenProgress);

    collector_ = new TMistakeCollector(this);
    connect(collector_, &TMistakeCollector::Found, this, &TTrainingController::KeepMistakes);
    if (analysis_)
        connect(analysis_, &TAnalysisController::ReviewShown, this, &TTrainingController::CollectMistakes);
}

TTrainingController::~TTrainingController() = default;

TExercisePlayer* TTrainingController::Player() const
{
    return player_;
}

TProgressView* TTrainingController::ProgressView() const
{
    return progress_;
}

QString TTrainingController::ExerciseSetPath()
{
    const QByteArray chosen = qgetenv("KESTRAVIN_EXERCISES");
    if (!chosen.isEmpty())
        return QString::fromLocal8Bit(chosen);
    return FindHelpDocument(QStringLiteral("exercises/exercises.tsv"));
}

TTrainingDatabase& TTrainingController::Database()
{
    if (!database_) {
        database_ = std::make_unique<TTrainingDatabase>();
        database_->Open(databasePath_.isEmpty() ? TTrainingDatabase::DefaultPath() : databasePath_);
    }
    return *database_;
}

void TTrainingController::ShowNotice()
{
    TTrainingDatabase& db = Database();
    if (noticeShown_)
        return;
    noticeShown_ = true;
    const QString text = db.IsOpen() ? db.Notice() : db.Error();
    if (!text.isEmpty())
        ShowMessage(text);
}

const std::vector<TExercise>& TTrainingController::ShippedSet(QString& error)
{
    if (!shipped_) {
        shipped_.emplace();
        const QString path = ExerciseSetPath();
        QFile file(path);
        if (path.isEmpty() || !QFileInfo(path).isFile()) {
            shippedError_ = tr("O arquivo de exercícios (exercises/exercises.tsv) não foi encontrado.");
        } else if (!file.open(QIODevice::ReadOnly)) {
            shippedError_ = tr("O arquivo de exercícios %1 não pôde ser lido: %2")
                                .arg(QDir::toNativeSeparators(path), file.errorString());
        } else {
            std::vector<std::string> errors;
            *shipped_ = ReadExerciseSet(file.readAll().toStdString(), errors);
            if (shipped_->empty())
                shippedError_ = tr("O arquivo de exercícios %1 não tem nenhum exercício válido.")
                                    .arg(QDir::toNativeSeparators(path)) +
                    (errors.empty() ? QString() : QStringLiteral(" (%1)").arg(QString::fromStdString(errors.front())));
        }
    }
    error = shippedError_;
    return *shipped_;
}

namespace {

// The move a mistake's position saw played, as the person reads moves
// ("4. d3", "12... Cxe4"), or its UCI text when it cannot be read.
QString PlayedMoveText(const TStoredMistake& mistake)
{
    FenPosition position;
    std::string error;
    if (!ReadFen(mistake.Exercise.Fen, position, error))
        return QString::fromStdString(mistake.Played);
    const std::optional<ChessMove> move = ReadUciMove(position.State, mistake.Played);
    if (!move)
        return QString::fromStdString(mistake.Played);
    const PieceLetters& letters = ShownLanguage() == InterfaceLanguage::English ? EnglishLetters : PortugueseLetters;
    return QStringLiteral("%1%2 %3")
        .arg(mistake.MoveNumber)
        .arg(mistake.WhiteMoved ? QStringLiteral(".") : QStringLiteral("..."))
        .arg(QString::fromStdString(MoveToSan(position.State, *move, letters)));
}

} // namespace

std::vector<TTrainingController::Entry> TTrainingController::Entries(QString& nothingText)
{
    std::vector<Entry> entries;
    if (source_ == TExerciseSource::ShippedSet) {
        for (const TExercise& exercise : ShippedSet(nothingText))
            entries.push_back(
                {exercise,
                 tr("Exercício %1 · dificuldade %2").arg(QString::fromStdString(exercise.Id)).arg(exercise.Rating)});
        return entries;
    }
    for (const TStoredMistake& mistake : Database().Mistakes())
        entries.push_back(
            {mistake.Exercise, tr("Meus erros · numa partida sua você jogou %1").arg(PlayedMoveText(mistake))});
    if (entries.empty())
        nothingText = tr("Ainda não há exercícios dos seus erros. Depois de uma partida, use \"Partida › Revisar "
                         "partida\": cada lance seu marcado com ? ou ?? que tinha uma resposta clara vira um "
                         "exercício.");
    return entries;
}

void TTrainingController::OpenExercises()
{
    OpenPlayer(TExerciseSource::ShippedSet);
}

void TTrainingController::OpenMistakes()
{
    OpenPlayer(TExerciseSource::OwnMistakes);
}

void TTrainingController::OpenPlayer(TExerciseSource source)
{
    ShowNotice();
    if (!player_) {
        player_ = new TExercisePlayer(window_);
        connect(player_, &TExercisePlayer::Attempted, this, &TTrainingController::Attempted);
        connect(player_, &TExercisePlayer::NextRequested, this, &TTrainingController::ShowNext);
        connect(player_, &TExercisePlayer::ProgressRequested, this, &TTrainingController::OpenProgress);
        // The first time over the middle of the game window.
        QRect frame(QPoint(), player_->sizeHint());
        frame.moveCenter(window_->frameGeometry().center());
        player_->move(frame.topLeft());
    }
    source_ = source;
    player_->setWindowTitle(source == TExerciseSource::ShippedSet ? tr("Exercícios") : tr("Meus erros"));
    ShowNext();
    player_->show();
    player_->raise();
    player_->activateWindow();
}

void TTrainingController::ShowNext()
{
    if (!player_)
        return;
    ShowRating();
    QString nothing;
    const std::vector<Entry> entries = Entries(nothing);
    if (entries.empty()) {
        player_->ShowNothing(nothing);
        return;
    }
    const std::map<std::string, TReviewState> states = Database().ReviewStates();
    std::vector<TExerciseCandidate> candidates;
    for (const Entry& entry : entries) {
        const auto found = states.find(entry.Exercise.Id);
        candidates.push_back({entry.Exercise.Rating, found == states.end() ? TReviewState{} : found->second});
    }
    const std::optional<std::size_t> chosen =
        ChooseNextExercise(candidates, Database().Rating().Rating, clock_(), picker_());
    if (!chosen) {
        player_->ShowNothing(tr("Nenhum exercício para agora: os que você já fez voltam nos próximos dias."));
        return;
    }
    player_->ShowExercise(entries[*chosen].Exercise, entries[*chosen].Caption);
}

void TTrainingController::Attempted(bool solved)
{
    if (!player_)
        return;
    const TExercise& exercise = player_->Exercise();
    Database().RecordAttempt({exercise.Id, source_, exercise.Themes, exercise.Rating, solved, clock_()});
    ShowRating();
    if (progress_ && progress_->isVisible())
        progress_->ShowRecord(Database());
}

void TTrainingController::ShowRating()
{
    if (!player_)
        return;
    const TGlickoRating rating = Database().Rating();
    player_->SetRatingText(
        tr("Sua pontuação: %1 (± %2)").arg(std::lround(rating.Rating)).arg(std::lround(rating.Deviation)));
}

void TTrainingController::OpenProgress()
{
    ShowNotice();
    if (!progress_)
        progress_ = new TProgressView(player_ && player_->isVisible() ? static_cast<QWidget*>(player_) : window_);
    progress_->ShowRecord(Database());
    progress_->show();
    progress_->raise();
    progress_->activateWindow();
}

void TTrainingController::CollectMistakes()
{
    if (!analysis_ || !board_)
        return;
    // The person's sides: those the computer does not play.
    const TPersonSides sides{!board_->ComputerPlaysWhite(), !board_->ComputerPlaysBlack()};
    if (!sides.White && !sides.Black)
        return;
    Game game = GameFromBoard(*board_).Record;
    RecordPlayers(game, *board_);
    collectingPgn_ = QString::fromStdString(WritePgn(game));
    collector_->Start(ReviewPositions(board_->History()), analysis_->LastReview(), sides, mistakeDepth_);
}

void TTrainingController::KeepMistakes(const std::vector<TMistakeExercise>& found)
{
    if (found.empty())
        return;
    std::vector<TStoredMistake> mistakes;
    for (const TMistakeExercise& mistake : found)
        mistakes.push_back(
            {mistake.Exercise, collectingPgn_, mistake.MoveNumber, mistake.WhiteMoved, mistake.Played, clock_()});
    ShowNotice();
    emit MistakesKept(Database().AddMistakes(mistakes));
}
