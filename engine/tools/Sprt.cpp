#include "engine/tools/Sprt.h"

#include <cmath>
#include <limits>

namespace tamsok::match {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kUnseenPairs = 1e-3;

// A pair's score per game for k half points.
constexpr double PairScore(int k) {
  return k / 4.0;
}

// The distribution q over the five pair scores that maximizes sum p_k log q_k under the
// constraint that its mean is s. Lagrange gives q_k = p_k / (1 + x (a_k - s)) with x the root
// of sum p_k (a_k - s) / (1 + x (a_k - s)) = 0, which decreases strictly between the poles
// -1 / max(a_k - s) and -1 / min(a_k - s); every p_k is positive and 0 < s < 1, so both poles
// exist and bisection finds the root.
std::array<double, 5> MostLikely(const std::array<double, 5>& p, double s) {
  double lo = -1.0 / (PairScore(4) - s), hi = -1.0 / (PairScore(0) - s);
  for (int i = 0; i < 200; ++i) {
    const double x = (lo + hi) / 2;
    double f = 0;
    for (int k = 0; k < 5; ++k) {
      const double d = PairScore(k) - s;
      f += p[k] * d / (1 + x * d);
    }
    (f > 0 ? lo : hi) = x;
  }
  const double x = (lo + hi) / 2;
  std::array<double, 5> q{};
  for (int k = 0; k < 5; ++k)
    q[k] = p[k] / (1 + x * (PairScore(k) - s));
  return q;
}

}  // namespace

std::int64_t Pentanomial::Pairs() const {
  std::int64_t n = 0;
  for (std::int64_t c : count)
    n += c;
  return n;
}

double Pentanomial::Score() const {
  const std::int64_t n = Pairs();
  if (n == 0) return 0.5;
  double sum = 0;
  for (int k = 0; k < 5; ++k)
    sum += static_cast<double>(count[k]) * PairScore(k);
  return sum / static_cast<double>(n);
}

double ExpectedScore(double elo) {
  return 1.0 / (1.0 + std::pow(10.0, -elo / 400.0));
}

double EloOfScore(double score) {
  if (score <= 0) return -kInfinity;
  if (score >= 1) return kInfinity;
  return -400.0 * std::log10(1.0 / score - 1.0);
}

EloEstimate EstimateElo(const Pentanomial& p) {
  const std::int64_t n = p.Pairs();
  if (n == 0) return {};
  const double mean = p.Score();
  double variance = 0;
  for (int k = 0; k < 5; ++k)
    variance += static_cast<double>(p.count[k]) * std::pow(PairScore(k) - mean, 2);
  variance /= static_cast<double>(n);
  const double half = 1.96 * std::sqrt(variance / static_cast<double>(n));
  return {EloOfScore(mean), EloOfScore(mean - half), EloOfScore(mean + half)};
}

double EloEstimate::Margin() const {
  if (std::isinf(lower) || std::isinf(upper)) return kInfinity;
  return (upper - lower) / 2;
}

double LogLikelihoodRatio(const Pentanomial& p, double elo0, double elo1) {
  std::array<double, 5> pdf{};
  double n = 0;
  for (int k = 0; k < 5; ++k)
    n += pdf[k] = p.count[k] > 0 ? static_cast<double>(p.count[k]) : kUnseenPairs;
  for (double& x : pdf)
    x /= n;
  const auto q0 = MostLikely(pdf, ExpectedScore(elo0));
  const auto q1 = MostLikely(pdf, ExpectedScore(elo1));
  double llr = 0;
  for (int k = 0; k < 5; ++k)
    llr += pdf[k] * std::log(q1[k] / q0[k]);
  return n * llr;
}

double Sprt::LowerBound() const {
  return std::log(beta / (1 - alpha));
}

double Sprt::UpperBound() const {
  return std::log((1 - beta) / alpha);
}

SprtResult Sprt::Decide(double llr) const {
  if (llr >= UpperBound()) return SprtResult::AcceptH1;
  if (llr <= LowerBound()) return SprtResult::AcceptH0;
  return SprtResult::Continue;
}

}  // namespace tamsok::match
