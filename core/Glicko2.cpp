#include "core/Glicko2.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double Scale = 173.7178;
constexpr double Convergence = 0.000001;

double G(double phi)
{
    return 1.0 / std::sqrt(1.0 + 3.0 * phi * phi / (std::numbers::pi * std::numbers::pi));
}

double E(double mu, double muJ, double phiJ)
{
    return 1.0 / (1.0 + std::exp(-G(phiJ) * (mu - muJ)));
}

// Step 5: the new volatility by the Illinois variant of regula falsi.
double NewVolatility(double phi, double sigma, double delta, double v, double tau)
{
    const double a = std::log(sigma * sigma);
    const auto f = [&](double x) {
        const double ex = std::exp(x);
        const double d = phi * phi + v + ex;
        return ex * (delta * delta - phi * phi - v - ex) / (2.0 * d * d) - (x - a) / (tau * tau);
    };
    double A = a;
    double B = 0.0;
    if (delta * delta > phi * phi + v) {
        B = std::log(delta * delta - phi * phi - v);
    } else {
        int k = 1;
        while (f(a - k * tau) < 0.0)
            ++k;
        B = a - k * tau;
    }
    double fA = f(A);
    double fB = f(B);
    // The interval halves at least every other step; a bound guards against
    // a pathological input that never converges.
    for (int step = 0; std::abs(B - A) > Convergence && step < 200; ++step) {
        const double C = A + (A - B) * fA / (fB - fA);
        const double fC = f(C);
        if (fC * fB <= 0.0) {
            A = B;
            fA = fB;
        } else {
            fA /= 2.0;
        }
        B = C;
        fB = fC;
    }
    return std::exp(A / 2.0);
}

} // namespace

double GlickoExpectedScore(const TGlickoRating& player, double opponentRating, double opponentDeviation)
{
    return E((player.Rating - 1500.0) / Scale, (opponentRating - 1500.0) / Scale, opponentDeviation / Scale);
}

TGlickoRating UpdateGlicko(const TGlickoRating& player, const std::vector<TGlickoGame>& games, double tau)
{
    // Step 2: to the Glicko-2 scale.
    const double mu = (player.Rating - 1500.0) / Scale;
    const double phi = player.Deviation / Scale;
    const double sigma = player.Volatility;
    if (games.empty()) {
        // Step 6 alone: the deviation grows with the volatility.
        TGlickoRating after = player;
        after.Deviation = std::sqrt(phi * phi + sigma * sigma) * Scale;
        return after;
    }
    // Steps 3 and 4: the estimated variance and the improvement.
    double vInverse = 0.0;
    double sum = 0.0;
    for (const TGlickoGame& game : games) {
        const double muJ = (game.OpponentRating - 1500.0) / Scale;
        const double phiJ = game.OpponentDeviation / Scale;
        const double g = G(phiJ);
        const double e = E(mu, muJ, phiJ);
        vInverse += g * g * e * (1.0 - e);
        sum += g * (game.Score - e);
    }
    const double v = 1.0 / vInverse;
    const double delta = v * sum;
    // Steps 5 to 7: volatility, pre-period deviation, the new values.
    const double sigmaNew = NewVolatility(phi, sigma, delta, v, tau);
    const double phiStar = std::sqrt(phi * phi + sigmaNew * sigmaNew);
    const double phiNew = 1.0 / std::sqrt(1.0 / (phiStar * phiStar) + 1.0 / v);
    const double muNew = mu + phiNew * phiNew * sum;
    // Step 8: back to the Glicko scale.
    return TGlickoRating{muNew * Scale + 1500.0, phiNew * Scale, sigmaNew};
}
