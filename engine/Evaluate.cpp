#include "engine/Evaluate.h"

#include <algorithm>
#include <charconv>

#include "engine/MoveGen.h"

namespace tamsok::engine {

namespace {

static_assert([] {
  for (const TermInfo& t : kTerms)
    if (t.divisor <= 0 || kTermScale % t.divisor != 0) return false;
  return true;
}());
static_assert(kCarpenterAnt - kLightning + 1 == kKindCount - 1,
              "one material term per kind but the Tree");

constexpr std::array<int, kTermCount> kMultiplier = [] {
  std::array<int, kTermCount> m{};
  for (int i = 0; i < kTermCount; ++i)
    m[i] = kTermScale / kTerms[i].divisor;
  return m;
}();

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

// Adds one camp's counts to the terms with the given sign; `own` and `enemy` are the two
// camps' mobility.
void AddCampTerms(const Position& pos, Camp c, int sign, const Mobility& own, const Mobility& enemy,
                  Terms& t) {
  const Camp e = OtherCamp(c);
  const int ci = Index(c), ei = Index(e);
  const Zones& z = pos.InfluenceZones();
  const Bits empty = ~pos.Occupied();

  for (int k = 1; k < kKindCount; ++k)
    t[kLightning + k - 1] += sign * pos.Count(c, static_cast<PieceKind>(k));
  t[kMobility] += sign * own.moves;
  t[kCloaked] += sign * SumOfValues(pos, z.cloaked[ci] & pos.Cloakable(c));
  t[kFrozen] -= sign * SumOfValues(pos, z.frozen[ci] & pos.Freezable(c));

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
    t[kStrikeThreat] += sign * best;
  }

  const Sq tree = pos.SquareOf(Position::TreeOf(c));
  if (pos.OnBoard(LightningOf(e)) && Has(z.strike, tree)) t[kTreeExposed] -= sign;
  if (Threatens(pos, e, tree)) t[kTreeThreatened] -= sign;
  t[kTreeCrowd] -= sign * PopCount(Block[2][tree] & pos.Occupied(e));
  t[kTreePressure] -= sign * PopCount(KingStep[tree] & enemy.reach);
  t[kTreeGuard] += sign * PopCount(KingStep[tree] & pos.Occupied(c));
  if (ownLightning) t[kLanding] += sign * PopCount(z.landing[ci] & empty);
}

// The terms; without `mobility` the two that need every move of both camps (kMobility,
// kTreePressure) stay 0.
Terms MeasureTerms(const Position& pos, bool mobility) {
  const Camp us = pos.SideToMove(), them = OtherCamp(us);
  const Mobility ours = mobility ? MobilityOf(pos, us) : Mobility{};
  const Mobility theirs = mobility ? MobilityOf(pos, them) : Mobility{};
  Terms t{};
  AddCampTerms(pos, us, 1, ours, theirs, t);
  AddCampTerms(pos, them, -1, theirs, ours, t);
  t[kTempo] = 1;
  const int records = std::min(pos.Records(), kScoringRecords);
  t[kScoring] = (pos.ScoringFavours() == us ? 1 : -1) * records * records;
  t[kLateMaterial] = (pos.Material(us) - pos.Material(them)) * records;
  return t;
}

}  // namespace

Terms EvaluationTerms(const Position& pos) {
  return MeasureTerms(pos, true);
}

int WeighTerms(const Terms& terms, const Weights& w) {
  std::int64_t sum = 0;
  for (int i = 0; i < kTermCount; ++i)
    sum += static_cast<std::int64_t>(w[i] * kMultiplier[i]) * terms[i];
  return static_cast<int>(sum / kTermScale);
}

bool SetWeight(Weights& w, std::string_view assignment) {
  const auto eq = assignment.find('=');
  if (eq == std::string_view::npos) return false;
  const std::string_view name = assignment.substr(0, eq), value = assignment.substr(eq + 1);
  int v = 0;
  const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), v);
  if (ec != std::errc() || end != value.data() + value.size()) return false;
  for (int i = 0; i < kTermCount; ++i)
    if (kTerms[i].name == name) {
      w[i] = v;
      return true;
    }
  return false;
}

int Evaluate(const Position& pos, const Weights& w) {
  // The two terms that need every move of both camps are the costliest to measure; with no
  // weight on them the moves are not generated.
  return WeighTerms(MeasureTerms(pos, w[kMobility] != 0 || w[kTreePressure] != 0), w);
}

}  // namespace tamsok::engine
