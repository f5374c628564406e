// The person's training record: the exercise rating (Glicko-2) after every
// attempt, each attempt with its result, each exercise's place in the
// repetition schedule, and the exercises made from the person's own
// mistakes with the game they came from. Kept in an SQLite file through
// Qt SQL, by default "treino.sqlite" in the program's data folder.
//
// The file carries its schema version (SQLite's user_version); an older
// version is brought up to date when opened, keeping what it holds. A file
// that cannot be read as such a database (damaged, not a database, or made
// by a newer program) is set aside as "<name>.ilegivel-<date>", a fresh one
// is made, and Notice() says so in the interface language.
#pragma once

#include "core/ExerciseSet.h"
#include "core/Glicko2.h"
#include "core/TrainingSchedule.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Where an exercise comes from.
enum class TExerciseSource { ShippedSet, OwnMistakes };

struct TAttempt {
    std::string ExerciseId;
    TExerciseSource Source = TExerciseSource::ShippedSet;
    std::vector<std::string> Themes;
    int ExerciseRating = 1500;
    bool Solved = false;
    std::int64_t At = 0;
};

struct TRatingPoint {
    std::int64_t At = 0;
    TGlickoRating Rating;
};

struct TThemeResults {
    std::string Theme; // a theme key, or "" for the person's own mistakes
    int Solved = 0;
    int Failed = 0;
};

// An exercise made from a mistake, with where it came from.
struct TStoredMistake {
    TExercise Exercise;
    QString GamePgn; // the whole game as PGN text
    int MoveNumber = 1;
    bool WhiteMoved = true;
    std::string Played; // the move played instead (UCI)
    std::int64_t AddedAt = 0;
};

class TTrainingDatabase {
    Q_DECLARE_TR_FUNCTIONS(TTrainingDatabase)

public:
    static constexpr int SchemaVersion = 2;
    // The exercises' rating deviation in the rating updates.
    static constexpr double ExerciseDeviation = 60.0;

    TTrainingDatabase();
    ~TTrainingDatabase();
    TTrainingDatabase(const TTrainingDatabase&) = delete;
    TTrainingDatabase& operator=(const TTrainingDatabase&) = delete;

    // The file in the program's data folder.
    static QString DefaultPath();

    // Opens or creates the file (and its folder). False when no database
    // can be had at all (no SQLite driver, a folder that cannot be
    // written); Error() says why. The methods below then do nothing.
    bool Open(const QString& path);
    bool IsOpen() const { return open_; }
    QString Error() const { return error_; }
    // What the person should be told about the opening (a file set
    // aside), or empty.
    QString Notice() const { return notice_; }
    // The schema version the file had before it was opened (0 for a new one).
    int VersionFound() const { return versionFound_; }

    // The rating now: the last of the history, or Glicko-2's starting values.
    TGlickoRating Rating() const;
    std::vector<TRatingPoint> RatingHistory() const;

    // Records an attempt: the attempt itself, the exercise's next review,
    // and (for the shipped set, whose exercises are rated) the new rating.
    // Returns the rating after it.
    TGlickoRating RecordAttempt(const TAttempt& attempt);
    // Every exercise's place in the schedule, by id.
    std::map<std::string, TReviewState> ReviewStates() const;
    std::vector<TThemeResults> ResultsByTheme() const;
    int AttemptCount() const;

    // Adds mistakes' exercises; one already kept (same id) is left as it is.
    // Returns how many were new.
    int AddMistakes(const std::vector<TStoredMistake>& mistakes);
    std::vector<TStoredMistake> Mistakes() const;

private:
    bool OpenFile(const QString& path);
    bool Usable(int& version);
    bool CreateSchema();
    bool Migrate(int from);
    void SetAside(const QString& path, const QString& why);
    void Close();

    QString connection_;
    bool open_ = false;
    QString error_;
    QString notice_;
    int versionFound_ = 0;
};
