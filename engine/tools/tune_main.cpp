// tamsok_tune: fits the evaluation's weights to the results of self-play games (logistic
// "Texel" tuning) and prints them for engine/Evaluate.h.
//
//   tamsok_tune [--epochs N] [--fix NAME,...] [--start hand|default] FILE...
//
// The files hold self-play positions (engine/tools/SelfPlayData.h), as tamsok_selfplay
// writes them. In each, the captures worth playing are played out first (the quiescence
// search's line); the position at its end is used unless a Tree can be taken there or the
// search saw the game's end. For each the evaluation's terms are measured once (Evaluate.h: the
// evaluation is linear in its weights), from Fir's point of view. The model is that Fir wins with
// probability
//
//   1 / (1 + exp(-E / S)),   E = Fir's evaluation
//
// First S is fitted with the starting weights as they are (so that the points keep their
// meaning: an Ant stays about 21), then every weight but the fixed ones is fitted with S held,
// by gradient descent (Adam) on the mean squared error between the probability and the
// result (1 when Fir won, 0 when Oak did). One position in ten, chosen by its text, is kept
// out of the fit and reports the error the fit did not see. The output gives the errors
// before and after and the fitted weights, rounded, as an initializer.
//
//   nice build/engine/tamsok_tune build/selfplay.txt
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Evaluate.h"
#include "engine/MoveGen.h"
#include "engine/Search.h"
#include "engine/tools/SelfPlayData.h"

using namespace tamsok;
using namespace tamsok::engine;
using namespace tamsok::match;

namespace {

struct DataSet {
  std::vector<float> terms;  // kTermCount per position, divided by the term's divisor
  std::vector<float> result;
  std::size_t Size() const { return result.size(); }
  const float* Row(std::size_t i) const { return terms.data() + i * kTermCount; }
};

// A position the evaluation can be fitted on: the game is not decided within the search's
// sight, and neither Tree can be taken.
bool Quiet(const Position& p, int score) {
  if (IsWinScore(score)) return false;
  for (Camp c : {Camp::Fir, Camp::Oak})
    if (!p.TreeStands(c) || Threatens(p, OtherCamp(c), p.SquareOf(Position::TreeOf(c))))
      return false;
  return true;
}

void Add(DataSet& set, const Position& pos, Camp winner) {
  const Terms t = EvaluationTerms(pos);
  const float sign = pos.SideToMove() == Camp::Fir ? 1.0f : -1.0f;
  for (int i = 0; i < kTermCount; ++i)
    set.terms.push_back(sign * static_cast<float>(t[i]) / static_cast<float>(kTerms[i].divisor));
  set.result.push_back(winner == Camp::Fir ? 1.0f : 0.0f);
}

double Sigmoid(double x) {
  return 1.0 / (1.0 + std::exp(-x));
}

double Eval(const float* row, const std::vector<double>& w) {
  double e = 0;
  for (int i = 0; i < kTermCount; ++i)
    e += w[i] * row[i];
  return e;
}

double MeanError(const DataSet& set, const std::vector<double>& w, double scale) {
  double sum = 0;
  for (std::size_t i = 0; i < set.Size(); ++i) {
    const double d = Sigmoid(Eval(set.Row(i), w) / scale) - set.result[i];
    sum += d * d;
  }
  return set.Size() ? sum / static_cast<double>(set.Size()) : 0;
}

// The scale with the least error, by golden-section search on its logarithm.
double FitScale(const DataSet& set, const std::vector<double>& w) {
  double lo = std::log(5.0), hi = std::log(5000.0);
  const double g = (std::sqrt(5.0) - 1) / 2;
  auto error = [&](double logScale) { return MeanError(set, w, std::exp(logScale)); };
  double a = hi - g * (hi - lo), b = lo + g * (hi - lo);
  double ea = error(a), eb = error(b);
  for (int i = 0; i < 60; ++i) {
    if (ea < eb) {
      hi = b, b = a, eb = ea, a = hi - g * (hi - lo), ea = error(a);
    } else {
      lo = a, a = b, ea = eb, b = lo + g * (hi - lo), eb = error(b);
    }
  }
  return std::exp((lo + hi) / 2);
}

std::vector<double> Gradient(const DataSet& set, const std::vector<double>& w, double scale) {
  std::vector<double> g(kTermCount, 0.0);
  for (std::size_t i = 0; i < set.Size(); ++i) {
    const float* row = set.Row(i);
    const double p = Sigmoid(Eval(row, w) / scale);
    const double common = 2 * (p - set.result[i]) * p * (1 - p) / scale;
    for (int k = 0; k < kTermCount; ++k)
      g[k] += common * row[k];
  }
  for (double& v : g)
    v /= static_cast<double>(std::max<std::size_t>(set.Size(), 1));
  return g;
}

int Usage() {
  std::fprintf(stderr,
               "usage: tamsok_tune [--epochs N] [--fix NAME,...] [--start hand|default] FILE...\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  int epochs = 2000;
  std::vector<bool> fixed(kTermCount, false);
  Weights start = kDefaultWeights;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--epochs" && i + 1 < argc) {
      epochs = std::atoi(argv[++i]);
      if (epochs < 0) return Usage();
    } else if (arg == "--fix" && i + 1 < argc) {
      std::string_view names = argv[++i];
      while (!names.empty()) {
        const std::string_view name = names.substr(0, names.find(','));
        names.remove_prefix(std::min(names.size(), name.size() + 1));
        const auto at = std::find_if(kTerms.begin(), kTerms.end(),
                                     [&](const TermInfo& t) { return t.name == name; });
        if (at == kTerms.end()) {
          std::fprintf(stderr, "unknown term: %.*s\n", static_cast<int>(name.size()), name.data());
          return Usage();
        }
        fixed[static_cast<std::size_t>(at - kTerms.begin())] = true;
      }
    } else if (arg == "--start" && i + 1 < argc) {
      const std::string_view which = argv[++i];
      if (which == "hand")
        start = kHandWeights;
      else if (which != "default")
        return Usage();
    } else if (arg.starts_with("--")) {
      return Usage();
    } else {
      files.emplace_back(arg);
    }
  }
  if (files.empty()) return Usage();

  DataSet fit, check;
  Searcher quiet(1, start);
  long lines = 0, bad = 0, noisy = 0;
  for (const std::string& file : files) {
    std::ifstream in(file);
    if (!in) {
      std::fprintf(stderr, "cannot read %s\n", file.c_str());
      return 1;
    }
    for (std::string line; std::getline(in, line);) {
      ++lines;
      const auto s = ParseSampleLine(line);
      if (!s) {
        ++bad;
        continue;
      }
      const Position leaf = quiet.QuietPosition(s->pos);
      if (!Quiet(leaf, s->score)) {
        ++noisy;
        continue;
      }
      Add(std::hash<std::string>{}(line) % 10 == 0 ? check : fit, leaf, s->winner);
    }
  }
  std::printf("%ld lines: %ld unreadable, %ld not quiet; %zu positions fitted, %zu held out\n",
              lines, bad, noisy, fit.Size(), check.Size());
  if (fit.Size() == 0) return 1;
  double firWins = 0;
  for (float r : fit.result)
    firWins += r;
  std::printf("Fir won the games of %.1f%% of the fitted positions\n",
              100.0 * firWins / static_cast<double>(fit.Size()));

  std::vector<double> w(start.of.begin(), start.of.end());
  const double scale = FitScale(fit, w);
  const double fitBefore = MeanError(fit, w, scale), checkBefore = MeanError(check, w, scale);
  std::printf("scale %.1f; mean squared error with the starting weights %.6f (held out %.6f)\n",
              scale, fitBefore, checkBefore);

  // Adam, with steps of about a point per epoch at first.
  std::vector<double> m(kTermCount, 0.0), v(kTermCount, 0.0);
  const double rate = 1.0, b1 = 0.9, b2 = 0.999, eps = 1e-12;
  for (int epoch = 1; epoch <= epochs; ++epoch) {
    const std::vector<double> g = Gradient(fit, w, scale);
    for (int k = 0; k < kTermCount; ++k) {
      if (fixed[k]) continue;
      m[k] = b1 * m[k] + (1 - b1) * g[k];
      v[k] = b2 * v[k] + (1 - b2) * g[k] * g[k];
      const double mh = m[k] / (1 - std::pow(b1, epoch)), vh = v[k] / (1 - std::pow(b2, epoch));
      w[k] -= rate * mh / (std::sqrt(vh) + eps);
    }
    if (epoch % 200 == 0 || epoch == epochs)
      std::printf("epoch %d: error %.6f (held out %.6f)\n", epoch, MeanError(fit, w, scale),
                  MeanError(check, w, scale));
    std::fflush(stdout);
  }

  Weights tuned;
  for (int k = 0; k < kTermCount; ++k)
    tuned[k] = static_cast<int>(std::lround(w[k]));
  std::vector<double> rounded(tuned.of.begin(), tuned.of.end());
  std::printf("\nerror with the rounded weights %.6f (held out %.6f), before %.6f (%.6f)\n",
              MeanError(fit, rounded, scale), MeanError(check, rounded, scale), fitBefore,
              checkBefore);
  std::printf("\n%-15s %8s %8s\n", "term", "start", "tuned");
  for (int k = 0; k < kTermCount; ++k)
    std::printf("%-15.*s %8d %8d%s\n", static_cast<int>(kTerms[k].name.size()),
                kTerms[k].name.data(), start[k], tuned[k], fixed[k] ? "  (fixed)" : "");
  std::printf("\n{{");
  for (int k = 0; k < kTermCount; ++k)
    std::printf("%d%s", tuned[k], k + 1 < kTermCount ? ", " : "}}\n");
  return 0;
}
