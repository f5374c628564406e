// The arithmetic of the ladder's table: the Elo difference a score means,
// with its 95% error bar, and ratings on the reference engine's scale.
#pragma once

#include <string>
#include <vector>

struct TScore {
    int Wins = 0;
    int Draws = 0;
    int Losses = 0;

    int Games() const { return Wins + Draws + Losses; }
    double Points() const { return Wins + 0.5 * Draws; }
};

// The logistic Elo difference of a score fraction: -400 log10(1/s - 1);
// infinite at 0 and 1.
double EloFromScore(double fraction);
// The expected score of a player rated `difference` above its opponent.
double ExpectedScore(double difference);

struct TEloEstimate {
    double Elo = 0;
    // The 95% interval: the score plus or minus 1.96 standard errors of the
    // mean of the games (each a win, a draw or a loss), turned into Elo.
    double Low = 0;
    double High = 0;
};
TEloEstimate EstimateElo(const TScore& score);

// "+123 [+45, +201]", with "-inf"/"+inf" where a bound is unbounded.
std::string FormatEstimate(const TEloEstimate& estimate);

// One pairing for the rating fit: players by index, the first one's score.
struct TPairingScore {
    int First = 0;
    int Second = 0;
    TScore Score;
};

// Ratings of every player on the scale of the anchored ones (anchors[i] > 0
// keeps player i at that rating): the maximum-likelihood logistic fit of all
// pairings, each given one virtual draw so that a clean sweep stays finite.
// A player without a path of games to an anchored one gets NaN.
std::vector<double> FitRatings(int players, const std::vector<double>& anchors,
                               const std::vector<TPairingScore>& pairings);
