// The statistics of a match played in pairs of games (the same opening, camps swapped): the
// pentanomial counts of the pairs, the Elo estimate with its 95% interval, and the sequential
// probability ratio test (SPRT) that tells whether player A is at least elo1 stronger than B
// or at most elo0, stopping as soon as the games say so.
//
// A pair scores 0, 0.5, 1, 1.5 or 2 points for A. Counting pairs rather than games takes
// account of the opening: two games on one opening are not independent, and an opening that
// favours one camp gives one win to each player, which the pair counts as even.
//
// The log-likelihood ratio is the generalized one: under each hypothesis, the distribution of
// the five pair scores that is most likely given the counts and whose expected score is the
// hypothesis's (Elo on the logistic scale: an expected score s is -400 log10(1/s - 1) Elo).
// A pair score never seen counts as 0.001 pairs, so that one-sided results still give a
// finite ratio.
#pragma once

#include <array>
#include <cstdint>

namespace tamsok::match {

struct Pentanomial {
  // count[k]: pairs in which A scored k half points (k = 0..4).
  std::array<std::int64_t, 5> count{};

  std::int64_t Pairs() const;
  // A's mean score per game, 0..1; 0.5 without pairs.
  double Score() const;
};

// Expected score of the stronger side at a given Elo difference, and the difference for a score.
double ExpectedScore(double elo);
double EloOfScore(double score);  // -inf at 0, +inf at 1

struct EloEstimate {
  double elo = 0;  // from A's mean score
  // The 95% interval of the mean pair score (normal approximation over the pairs), in Elo.
  double lower = 0, upper = 0;
  double Margin() const;  // half the interval's width; infinite when an end is
};
EloEstimate EstimateElo(const Pentanomial& p);

// The generalized log-likelihood ratio of "A is elo1 stronger" against "A is elo0 stronger".
double LogLikelihoodRatio(const Pentanomial& p, double elo0, double elo1);

enum class SprtResult { Continue, AcceptH0, AcceptH1 };

struct Sprt {
  double elo0 = 0, elo1 = 10;
  double alpha = 0.05;  // chance of accepting H1 when H0 holds
  double beta = 0.05;   // chance of accepting H0 when H1 holds

  double LowerBound() const;  // log(beta / (1 - alpha)): H0 is accepted at or below it
  double UpperBound() const;  // log((1 - beta) / alpha): H1 is accepted at or above it
  SprtResult Decide(double llr) const;
};

}  // namespace tamsok::match
