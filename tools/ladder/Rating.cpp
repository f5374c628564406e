// The ladder's arithmetic: see Rating.h.
#include "Rating.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

double EloFromScore(double fraction)
{
    if (fraction <= 0)
        return -std::numeric_limits<double>::infinity();
    if (fraction >= 1)
        return std::numeric_limits<double>::infinity();
    return -400.0 * std::log10(1.0 / fraction - 1.0);
}

double ExpectedScore(double difference)
{
    return 1.0 / (1.0 + std::pow(10.0, -difference / 400.0));
}

TEloEstimate EstimateElo(const TScore& score)
{
    TEloEstimate estimate;
    const int n = score.Games();
    if (n == 0)
        return {std::nan(""), std::nan(""), std::nan("")};
    const double s = score.Points() / n;
    const double variance =
        (score.Wins * (1 - s) * (1 - s) + score.Draws * (0.5 - s) * (0.5 - s) + score.Losses * s * s) / n;
    const double margin = 1.96 * std::sqrt(variance / n);
    estimate.Elo = EloFromScore(s);
    estimate.Low = EloFromScore(s - margin);
    estimate.High = EloFromScore(s + margin);
    return estimate;
}

namespace {

std::string Signed(double value)
{
    if (std::isnan(value))
        return "?";
    if (std::isinf(value))
        return value > 0 ? "+inf" : "-inf";
    if (std::abs(value) < 0.5)
        return "0";
    char text[32];
    std::snprintf(text, sizeof text, "%+.0f", value);
    return text;
}

} // namespace

std::string FormatEstimate(const TEloEstimate& estimate)
{
    return Signed(estimate.Elo) + " [" + Signed(estimate.Low) + ", " + Signed(estimate.High) + "]";
}

std::vector<double> FitRatings(int players, const std::vector<double>& anchors,
                               const std::vector<TPairingScore>& pairings)
{
    const std::size_t count = static_cast<std::size_t>(players);
    // Who is connected to an anchor through games.
    std::vector<bool> reached(count, false);
    for (std::size_t i = 0; i < count; ++i)
        reached[i] = anchors[i] > 0;
    for (bool grew = true; grew;) {
        grew = false;
        for (const TPairingScore& p : pairings) {
            if (p.Score.Games() == 0)
                continue;
            const auto a = static_cast<std::size_t>(p.First), b = static_cast<std::size_t>(p.Second);
            if (reached[a] != reached[b]) {
                reached[a] = reached[b] = true;
                grew = true;
            }
        }
    }
    std::vector<double> ratings(count, std::nan(""));
    double start = 0;
    int anchored = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (anchors[i] > 0) {
            start += anchors[i];
            ++anchored;
        }
    }
    if (anchored == 0)
        return ratings;
    start /= anchored;
    for (std::size_t i = 0; i < count; ++i) {
        if (reached[i])
            ratings[i] = anchors[i] > 0 ? anchors[i] : start;
    }
    // Each free player in turn gets the rating whose expected points equal
    // its points (with the virtual draws); repeated until nothing moves.
    for (int round = 0; round < 500; ++round) {
        double change = 0;
        for (std::size_t i = 0; i < count; ++i) {
            if (anchors[i] > 0 || !reached[i])
                continue;
            const auto expectedMinusActual = [&](double rating) {
                double sum = 0;
                for (const TPairingScore& p : pairings) {
                    const int games = p.Score.Games();
                    const bool first = static_cast<std::size_t>(p.First) == i;
                    if (games == 0 || (!first && static_cast<std::size_t>(p.Second) != i))
                        continue;
                    const double other = ratings[static_cast<std::size_t>(first ? p.Second : p.First)];
                    const double points = (first ? p.Score.Points() : games - p.Score.Points()) + 0.5;
                    sum += (games + 1) * ExpectedScore(rating - other) - points;
                }
                return sum;
            };
            double low = -2000, high = 6000;
            for (int step = 0; step < 60; ++step) {
                const double middle = (low + high) / 2;
                (expectedMinusActual(middle) > 0 ? high : low) = middle;
            }
            const double updated = (low + high) / 2;
            change = std::max(change, std::abs(updated - ratings[i]));
            ratings[i] = updated;
        }
        if (change < 0.01)
            break;
    }
    return ratings;
}
