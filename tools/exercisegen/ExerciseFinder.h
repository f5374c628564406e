// The choice of exercises: a position is kept only where one move is
// clearly best. That move wins (a mate, or at least WinCp by the deep
// search) and every other move is at least GapCp worse; the solution goes
// on with the engine's best reply and the person's next move, which must
// pass the same test, until the win is clear: mate given, or material won
// that the reply does not win back. A cheap shallow search screens the
// positions first, so that the deep one runs on few of them.
#pragma once

#include "Analyst.h"

#include "core/ExerciseSet.h"
#include "core/GameState.h"

#include <optional>
#include <string>
#include <vector>

struct TFinderSettings {
    int ScreenDepth = 8;
    int VerifyDepth = 14;
    // A win: at least this much (or a mate) from the person's side.
    int WinCp = 200;
    // Every other move is at least this much worse than the best.
    int GapCp = 150;
    // On the first move, a win that is not a mate must not be there
    // whatever one plays: the second-best move stays below this.
    int SecondBestBelowCp = 200;
    // Material won that ends a solution: gained since the start and still
    // there after the reply.
    int MaterialWonCp = 200;
    int MaxPersonMoves = 4;
};

// Whether the analysis of a position shows one clearly best move: its first
// line wins and the second (if any) is at least GapCp worse; on the first
// move also that a material win is not there anyway, and that there was a
// choice at all (more than one legal move).
bool IsClearlyBest(const TAnalysis& analysis, const TFinderSettings& settings, bool firstMove);
// The screen: the same test with thresholds a little looser, so that the
// shallow search lets through what the deep one may confirm.
bool PassesScreen(const TAnalysis& analysis, const TFinderSettings& settings);

struct TFoundExercise {
    std::vector<std::string> Solution; // UCI moves, the person's first
    bool Mate = false;
    int FoundAtDepth = 1; // the depth at which the first move settled
    int MaterialGainCp = 0;
    std::vector<std::string> Themes;
    int Rating = 1500;
};

// The exercise in the position (side to move: the person), or nothing.
// `previous`, when given, is the position before the opponent's last move:
// material is counted as won only beyond what stood there, so that taking
// back what was just taken is no exercise. `deepSearches` counts the
// verifying searches run.
std::optional<TFoundExercise> FindExercise(const GameState& start, TAnalyst& analyst, const TFinderSettings& settings,
                                           const GameState* previous = nullptr, int* deepSearches = nullptr);

// The difficulty on the players' scale: see the README's section on the
// exercise set.
int EstimateRating(const GameState& start, const TFoundExercise& found);
