// The training record in an SQLite file in a temporary folder: made new,
// filled and read back, brought up from the first schema version, and a
// file that cannot be read set aside with a message and replaced.
#include "app/TrainingDatabase.h"
#include "core/Fen.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <gtest/gtest.h>

namespace {

constexpr std::int64_t Now = 1'800'000'000;

TAttempt Attempt(const char* id, bool solved, std::int64_t at, std::vector<std::string> themes = {"fork"},
                 int rating = 1500, TExerciseSource source = TExerciseSource::ShippedSet)
{
    return TAttempt{id, source, std::move(themes), rating, solved, at};
}

QStringList SetAsideFiles(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList({QStringLiteral("treino.sqlite.ilegivel-*")}, QDir::Files);
}

} // namespace

TEST(TrainingDatabase, ANewFileKeepsAttemptsRatingScheduleAndMistakes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sub/treino.sqlite"));
    {
        TTrainingDatabase db;
        ASSERT_TRUE(db.Open(path)) << db.Error().toStdString();
        EXPECT_EQ(db.VersionFound(), 0);
        EXPECT_TRUE(db.Notice().isEmpty());
        EXPECT_DOUBLE_EQ(db.Rating().Rating, 1500.0);

        const TGlickoRating afterWin = db.RecordAttempt(Attempt("a", true, Now, {"fork", "material"}, 1600));
        EXPECT_GT(afterWin.Rating, 1500.0);
        const TGlickoRating afterLoss = db.RecordAttempt(Attempt("b", false, Now + 60, {"pin"}, 1400));
        EXPECT_LT(afterLoss.Rating, afterWin.Rating);
        // The person's own positions are scheduled but leave the rating alone.
        const TGlickoRating afterMine =
            db.RecordAttempt(Attempt("erro-1", false, Now + 120, {}, 1500, TExerciseSource::OwnMistakes));
        EXPECT_DOUBLE_EQ(afterMine.Rating, afterLoss.Rating);

        TStoredMistake mistake;
        mistake.Exercise = {"erro-1", "6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1", {"a1a8"}, 1500, {"mateIn1", "mate"}};
        mistake.GamePgn = QStringLiteral("[Event \"?\"]\n\n1. e4 *\n");
        mistake.MoveNumber = 12;
        mistake.WhiteMoved = false;
        mistake.Played = "g1f1";
        mistake.AddedAt = Now;
        EXPECT_EQ(db.AddMistakes({mistake, mistake}), 1);
        EXPECT_EQ(db.AddMistakes({mistake}), 0); // reviewing the game again adds nothing
    }
    TTrainingDatabase db;
    ASSERT_TRUE(db.Open(path));
    EXPECT_EQ(db.VersionFound(), TTrainingDatabase::SchemaVersion);
    EXPECT_EQ(db.AttemptCount(), 3);
    const std::vector<TRatingPoint> history = db.RatingHistory();
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(history[1].At, Now + 60);
    EXPECT_DOUBLE_EQ(db.Rating().Rating, history[1].Rating.Rating);

    const std::map<std::string, TReviewState> states = db.ReviewStates();
    EXPECT_EQ(states.at("a").DueAt, Now + SecondsPerDay);
    EXPECT_EQ(states.at("a").Streak, 1);
    EXPECT_EQ(states.at("b").DueAt, Now + 60 + FailedExerciseDelay);
    EXPECT_EQ(states.at("erro-1").DueAt, Now + 120 + FailedExerciseDelay);

    std::map<std::string, std::pair<int, int>> byTheme;
    for (const TThemeResults& results : db.ResultsByTheme())
        byTheme[results.Theme] = {results.Solved, results.Failed};
    EXPECT_EQ(byTheme,
              (std::map<std::string, std::pair<int, int>>{
                  {"", {0, 1}}, {"fork", {1, 0}}, {"material", {1, 0}}, {"pin", {0, 1}}}));

    const std::vector<TStoredMistake> mistakes = db.Mistakes();
    ASSERT_EQ(mistakes.size(), 1u);
    EXPECT_EQ(mistakes[0].Exercise.Solution, std::vector<std::string>{"a1a8"});
    EXPECT_EQ(mistakes[0].Exercise.Themes, (std::vector<std::string>{"mateIn1", "mate"}));
    EXPECT_EQ(mistakes[0].GamePgn, QStringLiteral("[Event \"?\"]\n\n1. e4 *\n"));
    EXPECT_EQ(mistakes[0].MoveNumber, 12);
    EXPECT_FALSE(mistakes[0].WhiteMoved);
    EXPECT_EQ(mistakes[0].Played, "g1f1");

    // A second success stretches the wait.
    db.RecordAttempt(Attempt("a", true, Now + SecondsPerDay));
    EXPECT_EQ(db.ReviewStates().at("a").DueAt, Now + SecondsPerDay + 3 * SecondsPerDay);
}

TEST(TrainingDatabase, AFileOfTheFirstVersionIsBroughtUpToDateKeepingItsRecord)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("treino.sqlite"));
    {
        // The first version: no sources, no themes, no mistakes.
        QSqlDatabase old = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("old"));
        old.setDatabaseName(path);
        ASSERT_TRUE(old.open());
        QSqlQuery query(old);
        for (const char* sql :
             {"CREATE TABLE attempts (id INTEGER PRIMARY KEY, exercise_id TEXT NOT NULL, at INTEGER NOT NULL, "
              "solved INTEGER NOT NULL, exercise_rating INTEGER NOT NULL)",
              "CREATE TABLE ratings (id INTEGER PRIMARY KEY, at INTEGER NOT NULL, rating REAL NOT NULL, "
              "deviation REAL NOT NULL, volatility REAL NOT NULL)",
              "CREATE TABLE schedule (exercise_id TEXT PRIMARY KEY, streak INTEGER NOT NULL, due_at INTEGER NOT "
              "NULL)",
              "INSERT INTO attempts (exercise_id, at, solved, exercise_rating) VALUES ('old', 100, 1, 1700)",
              "INSERT INTO ratings (at, rating, deviation, volatility) VALUES (100, 1620.5, 250, 0.06)",
              "INSERT INTO schedule VALUES ('old', 1, 86500)", "PRAGMA user_version = 1"})
            ASSERT_TRUE(query.exec(QString::fromLatin1(sql))) << sql;
        old.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("old"));

    TTrainingDatabase db;
    ASSERT_TRUE(db.Open(path)) << db.Error().toStdString();
    EXPECT_EQ(db.VersionFound(), 1);
    EXPECT_TRUE(db.Notice().isEmpty());
    EXPECT_TRUE(SetAsideFiles(dir).isEmpty());
    EXPECT_DOUBLE_EQ(db.Rating().Rating, 1620.5);
    EXPECT_EQ(db.ReviewStates().at("old").DueAt, 86500);
    EXPECT_EQ(db.AttemptCount(), 1);
    // The new columns and table work on the migrated file.
    db.RecordAttempt(Attempt("new", true, 200, {"pin"}));
    EXPECT_EQ(db.AttemptCount(), 2);
    TStoredMistake mistake;
    mistake.Exercise = {"erro-2", std::string(StandardStartFen), {"e2e4"}, 1500, {}};
    EXPECT_EQ(db.AddMistakes({mistake}), 1);
    EXPECT_EQ(db.Mistakes().size(), 1u);
    std::map<std::string, int> solvedByTheme;
    for (const TThemeResults& results : db.ResultsByTheme())
        solvedByTheme[results.Theme] = results.Solved;
    EXPECT_EQ(solvedByTheme, (std::map<std::string, int>{{"pin", 1}}));

    TTrainingDatabase again;
    ASSERT_TRUE(again.Open(path));
    EXPECT_EQ(again.VersionFound(), TTrainingDatabase::SchemaVersion);
}

TEST(TrainingDatabase, AnUnreadableFileIsSetAsideWithAMessageAndAFreshOneMade)
{
    struct Case {
        const char* name;
        QByteArray contents;
    };
    QByteArray damaged;
    {
        // A real database with its pages cut off and overwritten.
        QTemporaryDir scratch;
        const QString path = scratch.filePath(QStringLiteral("t.sqlite"));
        {
            TTrainingDatabase db;
            ASSERT_TRUE(db.Open(path));
            for (int i = 0; i < 3; ++i)
                db.RecordAttempt(Attempt("x", i % 2 == 0, Now + i));
        }
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        damaged = file.readAll();
        ASSERT_GT(damaged.size(), 8192);
        damaged.replace(4096, 4096, QByteArray(4096, '\x5a'));
    }
    for (const Case& test :
         {Case{"text", QByteArray("Isto não é um banco de dados.\n").repeated(50)}, Case{"damaged", damaged}}) {
        SCOPED_TRACE(test.name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("treino.sqlite"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(test.contents);
        file.close();

        TTrainingDatabase db;
        ASSERT_TRUE(db.Open(path)) << db.Error().toStdString();
        const QStringList aside = SetAsideFiles(dir);
        ASSERT_EQ(aside.size(), 1);
        EXPECT_TRUE(db.Notice().contains(aside.front())) << db.Notice().toStdString();
        EXPECT_TRUE(db.Notice().contains(QStringLiteral("Um arquivo novo foi criado")));
        QFile kept(dir.filePath(aside.front()));
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), test.contents); // nothing of the old file is lost
        EXPECT_EQ(db.VersionFound(), 0);
        EXPECT_EQ(db.AttemptCount(), 0);
        db.RecordAttempt(Attempt("a", true, Now));
        EXPECT_EQ(db.AttemptCount(), 1);
    }
}

TEST(TrainingDatabase, AFileOfANewerVersionIsLeftAloneAndSetAside)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("treino.sqlite"));
    {
        QSqlDatabase newer = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("newer"));
        newer.setDatabaseName(path);
        ASSERT_TRUE(newer.open());
        QSqlQuery(newer).exec(QStringLiteral("PRAGMA user_version = 99"));
        newer.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("newer"));
    TTrainingDatabase db;
    ASSERT_TRUE(db.Open(path));
    EXPECT_EQ(SetAsideFiles(dir).size(), 1);
    EXPECT_TRUE(db.Notice().contains(QStringLiteral("versão mais nova")));
}
