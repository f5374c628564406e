// "Meus erros": a person's mistakes in a reviewed game turned into
// exercises. Each half-move of the person that the review marked "?" or
// "??" gives the position it was played from; where that position has one
// clearly best move (FindClearBestMove), the exercise is that position with
// the best move as its solution, otherwise the mistake is left out. Plain
// C++ over the built-in engine, run off the user-interface thread.
#pragma once

#include "core/ExerciseSet.h"
#include "enginehelp/GameReview.h"

#include <atomic>
#include <string>
#include <vector>

struct TMistakeExercise {
    TExercise Exercise;
    // The slot of the mistake in its game: move number and side.
    int MoveNumber = 1;
    bool WhiteMoved = true;
    // The move played instead, in UCI text.
    std::string Played;
};

// Which sides the person played in the game.
struct TPersonSides {
    bool White = true;
    bool Black = true;
};

// Exercises rated as the shipped set would rate a position of their kind
// are not known for a person's own games; they all carry this rating.
inline constexpr int MistakeExerciseRating = 1500;

// The depth of the built-in engine for the uniqueness test.
inline constexpr int MistakeSearchDepth = 5;

// The exercises of one reviewed game, in the order of play. `positions`
// are the game's positions as reviewed (ReviewPositions). A set `stop`
// ends the work early with what is found so far.
std::vector<TMistakeExercise> BuildMistakeExercises(const std::vector<TReviewPosition>& positions,
                                                    const TGameReview& review, TPersonSides sides,
                                                    int depth = MistakeSearchDepth,
                                                    const std::atomic<bool>* stop = nullptr);

// A stable id for a mistake's exercise: the same position and answer give
// the same id, so reviewing a game again adds nothing twice.
std::string MistakeExerciseId(const std::string& fen, const std::string& solution);
