// The Glicko-2 rating system (Mark Glickman, "Example of the Glicko-2
// system", 2013): a rating with its deviation and volatility, updated after
// a rating period from the results against opponents of known rating and
// deviation. Ratings and deviations are on the Glicko scale (1500, 350);
// the update itself works on Glicko-2's scale (divided by 173.7178).
// Plain C++, no Qt.
#pragma once

#include <vector>

struct TGlickoRating {
    double Rating = 1500.0;
    double Deviation = 350.0;
    double Volatility = 0.06;
};

struct TGlickoGame {
    double OpponentRating = 1500.0;
    double OpponentDeviation = 350.0;
    double Score = 0.0; // 1 a win, 0.5 a draw, 0 a loss
};

// The system constant tau, which limits how fast the volatility changes
// (Glickman suggests 0.3 to 1.2).
inline constexpr double GlickoTau = 0.5;

// The rating after one rating period with these games. With no games only
// the deviation grows, as the description's step 6 says.
TGlickoRating UpdateGlicko(const TGlickoRating& player, const std::vector<TGlickoGame>& games, double tau = GlickoTau);

// The expected score against an opponent (0 to 1).
double GlickoExpectedScore(const TGlickoRating& player, double opponentRating, double opponentDeviation);
