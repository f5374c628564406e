// How well a side played a ladder game, by a strong engine's judgement:
// each position of the game is evaluated, and a move that lets the mover's
// evaluation fall by 3 pawns or more counts as a blunder.
#pragma once

#include "UciPlayer.h"

#include <string>
#include <vector>

struct TMoveJudgement {
    int Moves[2] = {0, 0};    // judged moves of White and of Black
    int Blunders[2] = {0, 0}; // those that lost BlunderCp or more
    std::string Error;        // the judge failed
};

inline constexpr int BlunderCp = 300;
// Evaluations are capped here: in a won position a lost pawn or two is no
// blunder, and a mate is worth no more than a decisive advantage.
inline constexpr int JudgeCapCp = 1000;

// The fall of the mover's evaluation over one move, from the evaluations of
// the positions before and after it, each from its own side to move's view.
int EvaluationLoss(int beforeCp, int afterCp);

// Judges the moves after the first openingPlies of the game (UCI moves from
// the start), asking the judge "go <go>" in each position.
TMoveJudgement JudgeGame(TUciPlayer& judge, const std::vector<std::string>& moves, int openingPlies,
                         const std::string& go);
