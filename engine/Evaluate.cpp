#include "engine/Evaluate.h"

#include <algorithm>
#include <charconv>

#include "engine/MoveGen.h"

namespace tamsok::engine {

namespace {

constexpr PieceId LightningOf(Camp c) {
  return Position::TreeOf(c) + 1;
}

int ValueAt(const Position& pos, Sq s) {
  return ValueOf(KindOf(pos.PieceAt(s)));
}

int SumOfValues(const Position& pos, Bits squares) {
  int sum = 0;
  while (squares)
    sum += ValueAt(pos, PopLowest(squares));
  return sum;
}

// One camp's share of the score; `own` and `enemy` are the two camps' mobility.
int CampScore(const Position& pos, Camp c, const Weights& w, const Mobility& own,
              const Mobility& enemy) {
  const Camp e = OtherCamp(c);
  const int ci = Index(c), ei = Index(e);
  const Zones& z = pos.InfluenceZones();
  const Bits empty = ~pos.Occupied();

  int score = w.material * pos.Material(c) / 100;
  score += w.mobility * own.moves;
  score += w.cloaked * SumOfValues(pos, z.cloaked[ci] & pos.Cloakable(c)) / 100;
  score -= w.frozen * SumOfValues(pos, z.frozen[ci] & pos.Freezable(c)) / 100;

  const bool ownLightning = pos.OnBoard(LightningOf(c));
  if (ownLightning) {
    const Bits enemyOpen = pos.Occupied(e) & ~(z.cloaked[ei] & pos.Cloakable(e));
    // The enemy Tree is left out: a strike at it is the Tree exposure term, seen from the
    // other side.
    Bits prey = enemyOpen & (z.strike | (z.frozen[ei] & pos.Freezable(e))) &
                ~Bit(pos.SquareOf(Position::TreeOf(e)));
    int best = 0;
    while (prey)
      best = std::max(best, ValueAt(pos, PopLowest(prey)));
    score += w.strikeThreat * best / 100;
  }

  const Sq tree = pos.SquareOf(Position::TreeOf(c));
  if (pos.OnBoard(LightningOf(e)) && Has(z.strike, tree)) score -= w.treeExposed;
  if (Threatens(pos, e, tree)) score -= w.treeThreatened;
  score -= w.treeCrowd * PopCount(Block[2][tree] & pos.Occupied(e));
  score -= w.treePressure * PopCount(KingStep[tree] & enemy.reach);
  score += w.treeGuard * PopCount(KingStep[tree] & pos.Occupied(c));
  if (ownLightning) score += w.landing * PopCount(z.landing[ci] & empty);
  return score;
}

}  // namespace

bool SetWeight(Weights& w, std::string_view assignment) {
  const auto eq = assignment.find('=');
  if (eq == std::string_view::npos) return false;
  const std::string_view name = assignment.substr(0, eq), value = assignment.substr(eq + 1);
  int v = 0;
  const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), v);
  if (ec != std::errc() || end != value.data() + value.size()) return false;
  for (const WeightField& f : kWeightFields)
    if (f.name == name) {
      w.*f.field = v;
      return true;
    }
  return false;
}

int Evaluate(const Position& pos, const Weights& w) {
  const Camp us = pos.SideToMove(), them = OtherCamp(us);
  const Mobility ours = MobilityOf(pos, us), theirs = MobilityOf(pos, them);
  const int records = std::min(pos.Records(), kScoringRecords);
  const int scoring = w.scoring * records * records / (kScoringRecords * kScoringRecords);
  return CampScore(pos, us, w, ours, theirs) - CampScore(pos, them, w, theirs, ours) + w.tempo +
         (pos.ScoringFavours() == us ? scoring : -scoring);
}

}  // namespace tamsok::engine
