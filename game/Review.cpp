#include "game/Review.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "engine/Engine.h"
#include "engine/MoveGen.h"
#include "game/Format.h"
#include "game/GameTexts.h"
#include "rules/Catalogue.h"

namespace tamsok::review {

namespace {

namespace text = gametext;

// Evaluations in a file are for Fir; a game won by force is written as the plies to its end:
// "+T5" Fir takes Oak's Tree in 5 plies, "-T4" Oak takes Fir's in 4, "+S3" Fir wins by
// Scoring 3 plies on, "-S0" Oak does so now.
std::string EvalToken(const Eval& e, Camp side) {
  if (!e.known) return std::string(text::kUnknown);
  const int fir = side == Camp::Fir ? e.score : -e.score;
  if (engine::IsWinScore(fir))
    return (fir > 0 ? "+" : "-") + std::string(engine::IsTreeScore(fir) ? "T" : "S") +
           std::to_string(engine::PliesToEnd(fir));
  return std::to_string(fir);
}

std::optional<Eval> ParseEvalToken(std::string_view t, Camp side) {
  Eval e;
  if (t == text::kUnknown) return e;
  int fir = 0;
  if (t.size() > 2 && (t[0] == '+' || t[0] == '-') && (t[1] == 'T' || t[1] == 'S')) {
    int plies = 0;
    const auto [end, ec] = std::from_chars(t.data() + 2, t.data() + t.size(), plies);
    if (ec != std::errc() || end != t.data() + t.size() || plies < 0 || plies > engine::kMaxPly)
      return std::nullopt;
    const int win = t[1] == 'T' ? engine::kWinScore : engine::kClaimWinScore;
    fir = (t[0] == '+' ? 1 : -1) * (win - plies);
  } else {
    const char* begin = t.data() + (t.size() > 1 && t[0] == '+' ? 1 : 0);
    const auto [end, ec] = std::from_chars(begin, t.data() + t.size(), fir);
    if (ec != std::errc() || end != t.data() + t.size() || t.empty() || engine::IsWinScore(fir) ||
        std::abs(fir) > engine::kWinScore)
      return std::nullopt;
  }
  e.known = true;
  e.score = side == Camp::Fir ? fir : -fir;
  return e;
}

std::vector<std::string_view> Words(std::string_view s) {
  std::vector<std::string_view> words;
  while (!s.empty()) {
    const std::size_t space = s.find(' ');
    if (space != 0) words.push_back(s.substr(0, space));
    if (space == std::string_view::npos) break;
    s.remove_prefix(space + 1);
  }
  return words;
}

const HeaderNote* FindNote(const std::vector<HeaderNote>& notes, std::string_view key) {
  for (const HeaderNote& n : notes)
    if (n.key == key) return &n;
  return nullptr;
}

}  // namespace

double ExpectedScore(int score) {
  if (score >= engine::kWinBound) return 1;
  if (score <= -engine::kWinBound) return 0;
  return 1 / (1 + std::pow(10.0, -score / kOddsScale));
}

Mark MarkOfDrop(double drop) {
  if (drop >= kBlunderDrop) return Mark::Blunder;
  if (drop >= kMistakeDrop) return Mark::Mistake;
  if (drop >= kInaccuracyDrop) return Mark::Inaccuracy;
  return Mark::None;
}

std::string_view MarkSymbol(Mark mark) {
  constexpr std::string_view kSymbols[kMarkCount] = {"", "?!", "?", "??"};
  return kSymbols[static_cast<int>(mark)];
}

std::string_view MarkName(Mark mark) {
  constexpr std::string_view kNames[kMarkCount] = {"", text::kInaccuracy, text::kMistake,
                                                   text::kBlunder};
  return kNames[static_cast<int>(mark)];
}

std::string ScoreText(int score) {
  if (!engine::IsWinScore(score))
    return score > 0 ? "+" + std::to_string(score) : std::to_string(score);
  const bool win = score > 0;
  const int moves = engine::MovesToEnd(score);
  if (engine::IsTreeScore(score)) return Format(win ? text::kTreeIn : text::kTreeLostIn, moves);
  if (moves == 0) return win ? text::kScoringWinsNow : text::kScoringLosesNow;
  return Format(win ? text::kScoringWinsIn : text::kScoringLosesIn, moves);
}

Plies PliesOf(const std::vector<SavedRecord>& records) {
  Plies plies;
  engine::Position pos = engine::Position::Start();
  plies.positions.push_back(pos);
  for (const SavedRecord& r : records) {
    if (!pos.TreeStands(Camp::Fir) || !pos.TreeStands(Camp::Oak)) break;
    engine::Move m;
    engine::Undo undo;
    if (r.isPass) {
      pos.MakePass();
    } else {
      m = engine::Move(engine::MakeSq(r.squares.from.x, r.squares.from.y),
                       engine::MakeSq(r.squares.to.x, r.squares.to.y));
      if (!engine::IsLegal(pos, m)) break;
      pos.Make(m, undo);
    }
    plies.moves.push_back(m);
    plies.positions.push_back(pos);
  }
  return plies;
}

Eval Evaluate(engine::Searcher& searcher, const engine::Position& position,
              const engine::Limits& limits, const std::atomic<bool>& stop) {
  Eval e;
  if (!position.TreeStands(position.SideToMove())) {
    e.known = true;
    e.score = -engine::kWinScore;
    return e;
  }
  // From the records where Scoring may be called, the camp the rule favours wins by it.
  if (position.ScoringOpen()) {
    e.known = true;
    e.score = position.ScoringFavours() == position.SideToMove() ? engine::kClaimWinScore
                                                                 : -engine::kClaimWinScore;
    return e;
  }
  engine::MoveList moves;
  engine::GenerateMoves(position, moves);
  if (moves.size() == 0) {  // it must pass: the position is judged as it stands
    e.known = true;
    e.score = engine::Evaluate(position, searcher.weights());
    return e;
  }
  const engine::SearchResult r = searcher.Search(position, limits, stop);
  if (r.info.depth == 0 || stop.load()) return e;
  e.known = true;
  e.score = r.info.score;
  e.best = r.best;
  return e;
}

Review Start(const Plies& plies, engine::Strength budget) {
  Review review;
  review.budget = std::string(engine::StrengthName(budget));
  review.evals.resize(plies.positions.size());
  review.moves.resize(plies.moves.size());
  return review;
}

void Judge(const Plies& plies, Review& review) {
  for (std::size_t i = 0; i < review.moves.size() && i + 1 < review.evals.size(); ++i) {
    const Eval &before = review.evals[i], &after = review.evals[i + 1];
    Verdict& v = review.moves[i];
    v = {};
    if (!before.known || !after.known) continue;
    v.judged = true;
    const engine::Move played = plies.moves[i];
    if (played == before.best) continue;
    v.drop = std::max(0.0, ExpectedScore(before.score) - ExpectedScore(-after.score));
    v.mark = MarkOfDrop(v.drop);
    if (v.mark != Mark::None) v.better = before.best;
  }
}

Summary Summarise(const Plies& plies, const Review& review, Camp camp) {
  Summary s;
  double total = 0;
  for (std::size_t i = 0; i < review.moves.size(); ++i) {
    const Verdict& v = review.moves[i];
    if (!v.judged || plies.positions[i].SideToMove() != camp) continue;
    ++s.judged;
    ++s.marks[static_cast<int>(v.mark)];
    total += v.drop;
  }
  if (s.judged > 0) s.averageDrop = total / s.judged;
  return s;
}

engine::Limits ReviewLimits(engine::Strength budget) {
  engine::Limits limits = engine::StrengthLimits(budget);
  limits.misjudgement = 0;
  return limits;
}

Review ReviewGame(const Plies& plies, engine::Strength budget, engine::Searcher& searcher,
                  const std::atomic<bool>& stop, const std::function<void(int, int)>& progress) {
  Review review = Start(plies, budget);
  const engine::Limits limits = ReviewLimits(budget);
  const int total = static_cast<int>(plies.positions.size());
  for (int i = 0; i < total && !stop.load(); ++i) {
    review.evals[static_cast<std::size_t>(i)] =
        Evaluate(searcher, plies.positions[static_cast<std::size_t>(i)], limits, stop);
    if (progress) progress(i + 1, total);
  }
  Judge(plies, review);
  return review;
}

std::vector<HeaderNote> WriteNotes(const Plies& plies, const Review& review) {
  std::string evals, best, marks;
  for (std::size_t i = 0; i < review.evals.size(); ++i) {
    const Eval& e = review.evals[i];
    if (i > 0) evals += ' ', best += ' ';
    evals += EvalToken(e, plies.positions[i].SideToMove());
    best += e.known ? engine::MoveText(e.best) : std::string(text::kUnknown);
  }
  for (std::size_t i = 0; i < review.moves.size(); ++i) {
    const Verdict& v = review.moves[i];
    if (v.mark == Mark::None) continue;
    if (!marks.empty()) marks += ", ";
    marks +=
        std::to_string(i + 1) + std::string(MarkSymbol(v.mark)) + ' ' + engine::MoveText(v.better);
  }
  std::string summary;
  for (Camp c : {Camp::Fir, Camp::Oak}) {
    const Summary s = Summarise(plies, review, c);
    if (!summary.empty()) summary += "; ";
    summary += Format(text::kSummary, std::string(CampName(c)).c_str(), s.marks[1], s.marks[2],
                      s.marks[3], 100 * s.averageDrop);
  }
  std::vector<HeaderNote> notes = {{std::string(text::kKeyReview), review.budget},
                                   {std::string(text::kKeyEvaluations), evals},
                                   {std::string(text::kKeyBest), best}};
  if (!marks.empty()) notes.push_back({std::string(text::kKeyMarks), marks});
  notes.push_back({std::string(text::kKeySummary), summary});
  return notes;
}

std::optional<Review> ReadNotes(const std::vector<HeaderNote>& notes, const SavedGame& game) {
  const HeaderNote* budget = FindNote(notes, text::kKeyReview);
  const HeaderNote* evals = FindNote(notes, text::kKeyEvaluations);
  const HeaderNote* best = FindNote(notes, text::kKeyBest);
  if (!budget || !evals || !best || !engine::ParseStrength(budget->value)) return std::nullopt;
  const Plies plies = PliesOf(game.records);
  const std::vector<std::string_view> evalWords = Words(evals->value);
  const std::vector<std::string_view> bestWords = Words(best->value);
  if (evalWords.size() != plies.positions.size() || bestWords.size() != plies.positions.size())
    return std::nullopt;
  Review review = Start(plies, *engine::ParseStrength(budget->value));
  for (std::size_t i = 0; i < plies.positions.size(); ++i) {
    const engine::Position& pos = plies.positions[i];
    std::optional<Eval> e = ParseEvalToken(evalWords[i], pos.SideToMove());
    if (!e) return std::nullopt;
    if (e->known) {
      const std::optional<engine::Move> m = engine::ParseMove(bestWords[i]);
      if (!m || (!m->IsNone() && !engine::IsLegal(pos, *m))) return std::nullopt;
      e->best = *m;
    } else if (bestWords[i] != text::kUnknown) {
      return std::nullopt;
    }
    review.evals[i] = *e;
  }
  Judge(plies, review);
  return review;
}

}  // namespace tamsok::review
