// The review of a game: for every half-move, how much it lost against the
// engine's best play, from the mover's side, and the mark it earns. The
// result is plain data, so that a game file can write the marks as NAGs.
#pragma once

#include "core/GameState.h"
#include "core/Square.h"

#include <string>
#include <vector>

enum class TMoveMark { None, Dubious, Mistake, Blunder };

struct TReviewThresholds {
    int DubiousCp = 50;   // "?!"
    int MistakeCp = 100;  // "?"
    int BlunderCp = 300;  // "??"
    int MateCapCp = 1000; // a mate counts as this much
};

struct TReviewedMove {
    int MoveNumber = 1; // the half-move's slot: move number and side
    bool WhiteMoved = true;
    Square From = Square::None;
    Square To = Square::None;
    int LossCp = 0; // never negative
    TMoveMark Mark = TMoveMark::None;
    // The scores before and after the move, from White's side, in
    // centipawns with mates capped (TReviewThresholds::MateCapCp).
    int ScoreBeforeCp = 0;
    int ScoreAfterCp = 0;
};

struct TGameReview {
    std::vector<TReviewedMove> Moves; // in the order of play
    // The biggest losses that earned a mark, largest first, at most count.
    std::vector<TReviewedMove> WorstMoves(std::size_t count = 3) const;
    // The entry of a slot, or nullptr.
    const TReviewedMove* Find(int moveNumber, bool whiteMoved) const;
};

TMoveMark MarkForLoss(int lossCp, const TReviewThresholds& thresholds = {});
// "?!", "?", "??", or empty.
std::string MarkText(TMoveMark mark);
// The Numeric Annotation Glyph of PGN: 6 for "?!", 2 for "?", 4 for "??", 0 none.
int MarkNag(TMoveMark mark);

// The loss of a move from the mover's side, given the scores (White's side,
// centipawns, mates already capped) before and after it.
int MoveLoss(bool whiteMoved, int scoreBeforeCp, int scoreAfterCp);

// One position of a game to review: the position a half-move was played
// from, and that half-move (None squares at the end of the game).
struct TReviewPosition {
    GameState State;
    int MoveNumber = 1;
    bool WhiteToMove = true;
    Square From = Square::None;
    Square To = Square::None;
};

// Builds the review from the positions in the order of play and each one's
// score (White's side, capped centipawns); scores.size() == positions.size().
// A move whose next position is missing is left out.
TGameReview BuildReview(const std::vector<TReviewPosition>& positions, const std::vector<int>& scores,
                        const TReviewThresholds& thresholds = {});

class GameHistory;
// The positions of the recorded game, from its first half-move to the
// position reached last, each with the half-move played from it.
std::vector<TReviewPosition> ReviewPositions(const GameHistory& history);
