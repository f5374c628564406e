#include "app/TrainingDatabase.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <atomic>
#include <sstream>

namespace {

const QString Driver = QStringLiteral("QSQLITE");

QString NextConnectionName()
{
    static std::atomic<int> count{0};
    return QStringLiteral("kestravin-training-%1").arg(++count);
}

std::string JoinWords(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

std::vector<std::string> SplitWords(const QString& text)
{
    std::vector<std::string> words;
    std::istringstream in(text.toStdString());
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

// Qt binds a null string as SQL NULL, which the NOT NULL columns refuse.
QString Text(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

QString Text(const std::string& text)
{
    return Text(QString::fromStdString(text));
}

QString SourceKey(TExerciseSource source)
{
    return source == TExerciseSource::OwnMistakes ? QStringLiteral("mine") : QStringLiteral("set");
}

// The tables of version 1: attempts, ratings and the schedule.
const char* const SchemaV1[] = {
    "CREATE TABLE attempts (id INTEGER PRIMARY KEY, exercise_id TEXT NOT NULL, at INTEGER NOT NULL, "
    "solved INTEGER NOT NULL, exercise_rating INTEGER NOT NULL)",
    "CREATE TABLE ratings (id INTEGER PRIMARY KEY, at INTEGER NOT NULL, rating REAL NOT NULL, "
    "deviation REAL NOT NULL, volatility REAL NOT NULL)",
    "CREATE TABLE schedule (exercise_id TEXT PRIMARY KEY, streak INTEGER NOT NULL, due_at INTEGER NOT NULL)",
};

// Version 2: where an attempt's exercise came from and its themes, and the
// exercises made from the person's mistakes.
const char* const UpgradeToV2[] = {
    "ALTER TABLE attempts ADD COLUMN source TEXT NOT NULL DEFAULT 'set'",
    "ALTER TABLE attempts ADD COLUMN themes TEXT NOT NULL DEFAULT ''",
    "CREATE TABLE mistakes (id TEXT PRIMARY KEY, fen TEXT NOT NULL, solution TEXT NOT NULL, "
    "rating INTEGER NOT NULL, themes TEXT NOT NULL, game_pgn TEXT NOT NULL, move_number INTEGER NOT NULL, "
    "white_moved INTEGER NOT NULL, played TEXT NOT NULL, added_at INTEGER NOT NULL)",
};

} // namespace

TTrainingDatabase::TTrainingDatabase() : connection_(NextConnectionName()) {}

TTrainingDatabase::~TTrainingDatabase()
{
    Close();
}

QString TTrainingDatabase::DefaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/treino.sqlite");
}

void TTrainingDatabase::Close()
{
    if (QSqlDatabase::contains(connection_)) {
        QSqlDatabase::database(connection_, false).close();
        QSqlDatabase::removeDatabase(connection_);
    }
    open_ = false;
}

bool TTrainingDatabase::Open(const QString& path)
{
    Close();
    notice_.clear();
    error_.clear();
    if (!QSqlDatabase::isDriverAvailable(Driver)) {
        error_ = tr("O Qt deste computador não tem o módulo do SQLite (pacote libqt6sql6-sqlite): o progresso "
                    "dos exercícios não será guardado.");
        return false;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!OpenFile(path))
        return false;
    int version = 0;
    if (!Usable(version)) {
        Close();
        SetAside(path, notice_);
        if (!error_.isEmpty() || !OpenFile(path))
            return false;
        version = 0;
    }
    versionFound_ = version;
    const bool ready = version == 0 ? CreateSchema() : version < SchemaVersion ? Migrate(version) : true;
    if (!ready) {
        error_ = tr("Não foi possível preparar o arquivo de progresso dos exercícios (%1): %2")
                     .arg(QDir::toNativeSeparators(path), QSqlDatabase::database(connection_).lastError().text());
        Close();
        return false;
    }
    open_ = true;
    return true;
}

bool TTrainingDatabase::OpenFile(const QString& path)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(Driver, connection_);
    db.setDatabaseName(path);
    if (!db.open()) {
        error_ = tr("Não foi possível abrir o arquivo de progresso dos exercícios (%1): %2")
                     .arg(QDir::toNativeSeparators(path), db.lastError().text());
        Close();
        return false;
    }
    return true;
}

bool TTrainingDatabase::Usable(int& version)
{
    QSqlQuery query(QSqlDatabase::database(connection_));
    // A file that is no database fails on its first read.
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        notice_ = tr("não é um banco de dados legível");
        return false;
    }
    version = query.value(0).toInt();
    if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next() ||
        query.value(0).toString() != QStringLiteral("ok")) {
        notice_ = tr("está danificado");
        return false;
    }
    if (version > SchemaVersion) {
        notice_ = tr("foi feito por uma versão mais nova do programa");
        return false;
    }
    if (version == 0 && query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) && query.next() &&
        query.value(0).toInt() > 0) {
        notice_ = tr("não é um arquivo de progresso dos exercícios");
        return false;
    }
    return true;
}

void TTrainingDatabase::SetAside(const QString& path, const QString& why)
{
    const QString aside =
        path + QStringLiteral(".ilegivel-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (!QFile::rename(path, aside)) {
        error_ = tr("O arquivo de progresso dos exercícios (%1) %2 e não pôde ser posto de lado.")
                     .arg(QDir::toNativeSeparators(path), why);
        return;
    }
    for (const QString& companion : {QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::rename(path + companion, aside + companion);
    notice_ = tr("O arquivo de progresso dos exercícios %1 e foi guardado à parte como\n%2\n\nUm arquivo novo foi "
                 "criado; a pontuação começa de novo.")
                  .arg(why, QDir::toNativeSeparators(aside));
}

bool TTrainingDatabase::CreateSchema()
{
    return Migrate(0);
}

bool TTrainingDatabase::Migrate(int from)
{
    QSqlDatabase db = QSqlDatabase::database(connection_);
    if (!db.transaction())
        return false;
    QSqlQuery query(db);
    bool ok = true;
    if (from < 1)
        for (const char* sql : SchemaV1)
            ok = ok && query.exec(QString::fromLatin1(sql));
    if (from < 2)
        for (const char* sql : UpgradeToV2)
            ok = ok && query.exec(QString::fromLatin1(sql));
    ok = ok && query.exec(QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion));
    if (!ok) {
        db.rollback();
        return false;
    }
    return db.commit();
}

TGlickoRating TTrainingDatabase::Rating() const
{
    const std::vector<TRatingPoint> history = RatingHistory();
    return history.empty() ? TGlickoRating{} : history.back().Rating;
}

std::vector<TRatingPoint> TTrainingDatabase::RatingHistory() const
{
    std::vector<TRatingPoint> points;
    if (!open_)
        return points;
    QSqlQuery query(QSqlDatabase::database(connection_));
    query.exec(QStringLiteral("SELECT at, rating, deviation, volatility FROM ratings ORDER BY id"));
    while (query.next())
        points.push_back({query.value(0).toLongLong(),
                          {query.value(1).toDouble(), query.value(2).toDouble(), query.value(3).toDouble()}});
    return points;
}

TGlickoRating TTrainingDatabase::RecordAttempt(const TAttempt& attempt)
{
    TGlickoRating rating = Rating();
    if (!open_)
        return rating;
    const std::map<std::string, TReviewState> states = ReviewStates();
    const auto found = states.find(attempt.ExerciseId);
    const TReviewState next =
        ScheduleAfterAttempt(found == states.end() ? TReviewState{} : found->second, attempt.Solved, attempt.At);

    QSqlDatabase db = QSqlDatabase::database(connection_);
    db.transaction();
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO attempts (exercise_id, at, solved, exercise_rating, source, themes) "
                                 "VALUES (?, ?, ?, ?, ?, ?)"));
    query.addBindValue(Text(attempt.ExerciseId));
    query.addBindValue(static_cast<qlonglong>(attempt.At));
    query.addBindValue(attempt.Solved ? 1 : 0);
    query.addBindValue(attempt.ExerciseRating);
    query.addBindValue(SourceKey(attempt.Source));
    query.addBindValue(Text(JoinWords(attempt.Themes)));
    bool ok = query.exec();
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO schedule (exercise_id, streak, due_at) VALUES (?, ?, ?)"));
    query.addBindValue(Text(attempt.ExerciseId));
    query.addBindValue(next.Streak);
    query.addBindValue(static_cast<qlonglong>(next.DueAt));
    ok = ok && query.exec();
    // The person's own positions carry no measured difficulty: they count
    // for the schedule, not for the rating.
    if (attempt.Source == TExerciseSource::ShippedSet) {
        rating =
            UpdateGlicko(rating, {{double(attempt.ExerciseRating), ExerciseDeviation, attempt.Solved ? 1.0 : 0.0}});
        query.prepare(QStringLiteral("INSERT INTO ratings (at, rating, deviation, volatility) VALUES (?, ?, ?, ?)"));
        query.addBindValue(static_cast<qlonglong>(attempt.At));
        query.addBindValue(rating.Rating);
        query.addBindValue(rating.Deviation);
        query.addBindValue(rating.Volatility);
        ok = ok && query.exec();
    }
    if (!ok || !db.commit()) {
        db.rollback();
        return Rating();
    }
    return rating;
}

std::map<std::string, TReviewState> TTrainingDatabase::ReviewStates() const
{
    std::map<std::string, TReviewState> states;
    if (!open_)
        return states;
    QSqlQuery query(QSqlDatabase::database(connection_));
    query.exec(QStringLiteral("SELECT exercise_id, streak, due_at FROM schedule"));
    while (query.next())
        states[query.value(0).toString().toStdString()] =
            TReviewState{query.value(1).toInt(), query.value(2).toLongLong(), true};
    return states;
}

std::vector<TThemeResults> TTrainingDatabase::ResultsByTheme() const
{
    std::map<std::string, TThemeResults> byTheme;
    if (!open_)
        return {};
    QSqlQuery query(QSqlDatabase::database(connection_));
    query.exec(QStringLiteral("SELECT source, themes, solved FROM attempts"));
    while (query.next()) {
        std::vector<std::string> themes = SplitWords(query.value(1).toString());
        if (query.value(0).toString() == SourceKey(TExerciseSource::OwnMistakes))
            themes = {""};
        for (const std::string& theme : themes) {
            TThemeResults& results = byTheme[theme];
            results.Theme = theme;
            (query.value(2).toInt() != 0 ? results.Solved : results.Failed) += 1;
        }
    }
    std::vector<TThemeResults> list;
    for (const auto& [theme, results] : byTheme)
        list.push_back(results);
    return list;
}

int TTrainingDatabase::AttemptCount() const
{
    if (!open_)
        return 0;
    QSqlQuery query(QSqlDatabase::database(connection_));
    return query.exec(QStringLiteral("SELECT count(*) FROM attempts")) && query.next() ? query.value(0).toInt() : 0;
}

int TTrainingDatabase::AddMistakes(const std::vector<TStoredMistake>& mistakes)
{
    if (!open_)
        return 0;
    QSqlDatabase db = QSqlDatabase::database(connection_);
    db.transaction();
    QSqlQuery query(db);
    int added = 0;
    for (const TStoredMistake& mistake : mistakes) {
        const TExercise& exercise = mistake.Exercise;
        query.prepare(QStringLiteral(
            "INSERT OR IGNORE INTO mistakes (id, fen, solution, rating, themes, game_pgn, move_number, white_moved, "
            "played, added_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        query.addBindValue(Text(exercise.Id));
        query.addBindValue(Text(exercise.Fen));
        query.addBindValue(Text(JoinWords(exercise.Solution)));
        query.addBindValue(exercise.Rating);
        query.addBindValue(Text(JoinWords(exercise.Themes)));
        query.addBindValue(Text(mistake.GamePgn));
        query.addBindValue(mistake.MoveNumber);
        query.addBindValue(mistake.WhiteMoved ? 1 : 0);
        query.addBindValue(Text(mistake.Played));
        query.addBindValue(static_cast<qlonglong>(mistake.AddedAt));
        if (query.exec())
            added += query.numRowsAffected() > 0 ? 1 : 0;
    }
    db.commit();
    return added;
}

std::vector<TStoredMistake> TTrainingDatabase::Mistakes() const
{
    std::vector<TStoredMistake> mistakes;
    if (!open_)
        return mistakes;
    QSqlQuery query(QSqlDatabase::database(connection_));
    query.exec(QStringLiteral("SELECT id, fen, solution, rating, themes, game_pgn, move_number, white_moved, played, "
                              "added_at FROM mistakes ORDER BY added_at, rowid"));
    while (query.next()) {
        TStoredMistake mistake;
        mistake.Exercise.Id = query.value(0).toString().toStdString();
        mistake.Exercise.Fen = query.value(1).toString().toStdString();
        mistake.Exercise.Solution = SplitWords(query.value(2).toString());
        mistake.Exercise.Rating = query.value(3).toInt();
        mistake.Exercise.Themes = SplitWords(query.value(4).toString());
        mistake.GamePgn = query.value(5).toString();
        mistake.MoveNumber = query.value(6).toInt();
        mistake.WhiteMoved = query.value(7).toInt() != 0;
        mistake.Played = query.value(8).toString().toStdString();
        mistake.AddedAt = query.value(9).toLongLong();
        mistakes.push_back(std::move(mistake));
    }
    return mistakes;
}
