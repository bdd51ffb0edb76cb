#include "engine/Position.h"

#include <algorithm>

#include "rules/Frames.h"
#include "rules/MoveCheck.h"

namespace tamsok::engine {

namespace {

constexpr std::uint64_t SplitMix(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

struct KeyTable {
  std::uint64_t piece[kCampCount][kKindCount][kSquares]{};
  std::uint64_t oakToMove = 0;
  // By record count; every count from kScoringRecords on shares the last key. No records
  // have no key, so that the keys of a game's first position do not change with them.
  std::uint64_t records[kScoringRecords + 1]{};
};

// Fixed seed: keys, and with them the search, are the same in every run.
constexpr KeyTable kKeys = [] {
  KeyTable t{};
  std::uint64_t state = 0x7A3C5011D0E2B6F1ull;
  for (auto& camp : t.piece)
    for (auto& kind : camp)
      for (auto& key : kind)
        key = SplitMix(state);
  t.oakToMove = SplitMix(state);
  for (int r = 1; r <= kScoringRecords; ++r)
    t.records[r] = SplitMix(state);
  return t;
}();

constexpr bool KindInfluences(int k) {
  return CloakRadius[k] || RevealRadius[k] || FreezeRadius[k] || ThawRadius[k] ||
         TreeZoneRadius[k] || CloudZoneRadius[k];
}

constexpr std::array<const std::array<int, kKindCount>*, kEffectCount> kRadiusTables{
    &CloakRadius, &RevealRadius, &FreezeRadius, &ThawRadius, &TreeZoneRadius, &CloudZoneRadius};

static_assert(
    [] {
      for (const auto* t : kRadiusTables)
        for (int r : *t)
          if (r < 0 || r >= static_cast<int>(Block.size())) return false;
      return true;
    }(),
    "every influence radius needs its block table");

// For each effect, the kinds that project it and their radii.
struct Projectors {
  int count = 0;
  std::array<PieceKind, kKindCount> kind{};
  std::array<int, kKindCount> radius{};
};

constexpr std::array<Projectors, kEffectCount> kProjectors = [] {
  std::array<Projectors, kEffectCount> t{};
  for (int e = 0; e < kEffectCount; ++e)
    for (int k = 0; k < kKindCount; ++k)
      if (const int r = (*kRadiusTables[e])[k]) {
        t[e].kind[t[e].count] = static_cast<PieceKind>(k);
        t[e].radius[t[e].count] = r;
        ++t[e].count;
      }
  return t;
}();

constexpr std::array<bool, kPieceCount> kIsInfluencer = [] {
  std::array<bool, kPieceCount> a{};
  for (PieceId p = 0; p < kPieceCount; ++p)
    a[p] = KindInfluences(Index(KindOf(p)));
  return a;
}();

int ValueWithoutTree(PieceId p) {
  return KindOf(p) == PieceKind::Tree ? 0 : ValueOf(KindOf(p));
}

}  // namespace

bool Influences(PieceKind k) {
  return KindInfluences(Index(k));
}

std::uint64_t PieceKey(Camp c, PieceKind k, Sq s) {
  return kKeys.piece[Index(c)][Index(k)][s];
}
std::uint64_t OakToMoveKey() {
  return kKeys.oakToMove;
}
std::uint64_t RecordsKey(int records) {
  return kKeys.records[std::clamp(records, 0, kScoringRecords)];
}

Sq ToEngineSq(int viewSide, Square view) {
  if (!tamsok::OnBoard(view)) return kNoSq;
  const Square c = ToCanonical(viewSide, view);
  return MakeSq(c.x, c.y);
}

Square ToViewSquare(int viewSide, Sq s) {
  return FromCanonical(viewSide, Square{FileOf(s), RowOf(s)});
}

Position Position::Start() {
  Board b;
  LoadInitialPosition(b);
  return FromBoard(b, Camp::Fir);
}

Position Position::FromBoard(const Board& board, Camp sideToMove, int records,
                             std::array<int, kCampCount> lost) {
  Position pos;
  pos.side_ = sideToMove;
  pos.records_ = std::max(records, 0);
  pos.lost_[0] = lost[0];
  pos.lost_[1] = lost[1];
  for (PieceId p = 0; p < kPieceCount; ++p) {
    if (!board.InPlay[p]) continue;
    const Sq s = ToEngineSq(board.ViewSide, board.PiecePos[p]);
    if (s == kNoSq) continue;
    if (pos.board_[s] != kNoPiece) pos.Lift(pos.board_[s]);
    pos.Put(p, s);
  }
  pos.RebuildZones();
  pos.key_ = pos.ComputeKey();
  return pos;
}

void Position::Put(PieceId p, Sq s) {
  const Camp c = CampOf(p);
  const int ci = Index(c);
  const int k = Index(KindOf(p));
  board_[s] = static_cast<std::int8_t>(p);
  square_[p] = static_cast<std::int8_t>(s);
  occupied_[ci] |= Bit(s);
  pieces_[ci][k] |= Bit(s);
  ++count_[ci][k];
  if (tamsok::Cloakable[k]) cloakable_[ci] |= Bit(s);
  if (tamsok::Freezable[k]) freezable_[ci] |= Bit(s);
  material_[ci] += ValueWithoutTree(p);
  key_ ^= kKeys.piece[ci][k][s];
}

void Position::Lift(PieceId p) {
  const Sq s = square_[p];
  const int ci = Index(CampOf(p));
  const int k = Index(KindOf(p));
  board_[s] = kNoPiece;
  square_[p] = kNoSq;
  const Bits keep = ~Bit(s);
  occupied_[ci] &= keep;
  pieces_[ci][k] &= keep;
  --count_[ci][k];
  cloakable_[ci] &= keep;
  freezable_[ci] &= keep;
  material_[ci] -= ValueWithoutTree(p);
  key_ ^= kKeys.piece[ci][k][s];
}

void Position::RebuildZones() {
  for (int k = 0; k < kKindCount; ++k)
    for (int c = 0; c < kCampCount; ++c)
      RefreshAreas(static_cast<PieceKind>(k), c);
  DeriveZones();
}

// Recomputes the camp's areas of every effect the kind projects.
void Position::RefreshAreas(PieceKind k, int camp) {
  for (int e = 0; e < kEffectCount; ++e) {
    if ((*kRadiusTables[e])[Index(k)] == 0) continue;
    const Projectors& p = kProjectors[e];
    Bits area = 0;
    for (int i = 0; i < p.count; ++i)
      for (Bits at = pieces_[camp][Index(p.kind[i])]; at;)
        area |= Block[p.radius[i]][PopLowest(at)];
    influence_.area[e][camp] = area;
  }
}

// A camp's counter is positive where at least one of its own projectors reaches and no
// cancelling projector of the other camp does (one canceller outweighs every projector).
void Position::DeriveZones() {
  const auto& a = influence_.area;
  Zones& z = influence_.zones;
  for (int c = 0; c < kCampCount; ++c) {
    z.cloaked[c] = a[kCloak][c] & ~a[kReveal][1 - c];
    z.frozen[c] = a[kFreeze][1 - c] & ~a[kThaw][c];
    z.landing[c] = a[kTreeZone][c];
  }
  z.strike = a[kCloudZone][0] | a[kCloudZone][1];
}

std::uint64_t Position::ComputeKey() const {
  std::uint64_t key = (side_ == Camp::Oak ? kKeys.oakToMove : 0) ^ RecordsKey(records_);
  for (PieceId p = 0; p < kPieceCount; ++p)
    if (square_[p] != kNoSq) key ^= kKeys.piece[Index(CampOf(p))][Index(KindOf(p))][square_[p]];
  return key;
}

void Position::Make(Move m, Undo& undo) {
  const Sq from = m.From(), to = m.To();
  const PieceId mover = board_[from];
  const PieceId captured = board_[to];
  undo.key = key_;
  undo.captured = captured;
  const bool moverInfluences = kIsInfluencer[mover];
  const bool capturedInfluences = captured != kNoPiece && kIsInfluencer[captured];
  undo.influenceSaved = moverInfluences || capturedInfluences;
  if (undo.influenceSaved) undo.influence = influence_;

  if (captured != kNoPiece) {
    Lift(captured);
    lost_[Index(CampOf(captured))] += ValueOf(KindOf(captured));
  }
  Lift(mover);
  Put(mover, to);
  side_ = OtherCamp(side_);
  key_ ^= kKeys.oakToMove ^ RecordsKey(records_) ^ RecordsKey(records_ + 1);
  ++records_;
  if (moverInfluences) RefreshAreas(KindOf(mover), Index(CampOf(mover)));
  if (capturedInfluences) RefreshAreas(KindOf(captured), Index(CampOf(captured)));
  if (undo.influenceSaved) DeriveZones();
}

void Position::Unmake(Move m, const Undo& undo) {
  const Sq from = m.From(), to = m.To();
  const PieceId mover = board_[to];
  Lift(mover);
  Put(mover, from);
  if (undo.captured != kNoPiece) {
    Put(undo.captured, to);
    lost_[Index(CampOf(undo.captured))] -= ValueOf(KindOf(undo.captured));
  }
  side_ = OtherCamp(side_);
  --records_;
  key_ = undo.key;
  if (undo.influenceSaved) influence_ = undo.influence;
}

void Position::MakePass() {
  side_ = OtherCamp(side_);
  key_ ^= kKeys.oakToMove ^ RecordsKey(records_) ^ RecordsKey(records_ + 1);
  ++records_;
}

void Position::UnmakePass() {
  side_ = OtherCamp(side_);
  key_ ^= kKeys.oakToMove ^ RecordsKey(records_) ^ RecordsKey(records_ - 1);
  --records_;
}

bool Position::IsConsistent() const {
  Position fresh;
  fresh.side_ = side_;
  fresh.records_ = records_;
  fresh.lost_[0] = lost_[0];
  fresh.lost_[1] = lost_[1];
  for (PieceId p = 0; p < kPieceCount; ++p) {
    if (square_[p] == kNoSq) continue;
    if (board_[square_[p]] != p) return false;
    fresh.Put(p, square_[p]);
  }
  fresh.RebuildZones();
  fresh.key_ = fresh.ComputeKey();
  return fresh == *this;
}

}  // namespace tamsok::engine
