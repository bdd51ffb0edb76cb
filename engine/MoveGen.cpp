#include "engine/MoveGen.h"

#include <algorithm>

#include "rules/MoveCheck.h"

namespace tamsok::engine {

namespace {

// The facts every target computation of one camp needs, gathered once per position.
struct Context {
  Bits empty;
  Bits occupied;
  Bits prey;           // enemy pieces that are not protected by cloaking
  Bits lightningPrey;  // of those, the ones the Lightning may strike
  Bits landing;        // empty squares the camp's Lightning may land on
  Bits stuck;          // the camp's pieces that are frozen
};

Context MakeContext(const Position& pos, Camp c) {
  const Camp e = OtherCamp(c);
  const Zones& z = pos.InfluenceZones();
  Context ctx;
  ctx.occupied = pos.Occupied();
  ctx.empty = ~ctx.occupied & ((Bits{1} << kSquares) - 1);
  ctx.prey = pos.Occupied(e) & ~(z.cloaked[Index(e)] & pos.Cloakable(e));
  ctx.lightningPrey = ctx.prey & (z.strike | (z.frozen[Index(e)] & pos.Freezable(e)));
  ctx.landing = z.landing[Index(c)] & ctx.empty;
  ctx.stuck = z.frozen[Index(c)] & pos.Freezable(c);
  return ctx;
}

// The first occupied square in each of the eight directions.
Bits FirstBlockers(Sq s, Bits occupied) {
  Bits found = 0;
  for (int d = 0; d < 8; ++d)
    if (const Sq hit = FirstOnRay(d, s, occupied); hit != kNoSq) found |= Bit(hit);
  return found;
}

// Empty squares along all eight directions up to the first occupied one, and that one if it
// is prey: a blockable line-or-diagonal mover.
Bits Slide(Sq s, const Context& ctx) {
  Bits found = 0;
  for (int d = 0; d < 8; ++d) {
    const Sq hit = FirstOnRay(d, s, ctx.occupied);
    found |=
        hit == kNoSq ? Ray[d][s] : (Ray[d][s] & ~Ray[d][hit] & ~Bit(hit)) | (Bit(hit) & ctx.prey);
  }
  return found;
}

// The kinds' movement rules below take the rules' Blockable flags as they stand: only the
// DivingBeetle's captures and the CarpenterAnt's moves consult a set flag; every other kind
// whose rule consults the flag has it clear and passes over pieces.
constexpr bool BlockableAsAssumed() {
  using K = PieceKind;
  for (K k : {K::DragonFly, K::Wasp, K::Wind, K::Cloud, K::Spider, K::Snow})
    if (Blockable[Index(k)]) return false;
  return Blockable[Index(K::DivingBeetle)] && Blockable[Index(K::CarpenterAnt)];
}
static_assert(BlockableAsAssumed(), "the generator's movement rules need revisiting");

Bits PieceTargets(PieceKind kind, Sq s, const Context& ctx) {
  if (Has(ctx.stuck, s)) return 0;
  const Bits open = ctx.empty | ctx.prey;
  switch (kind) {
    case PieceKind::Tree:
      return KingStep[s] & open;
    case PieceKind::Lightning:
      return ctx.landing | ctx.lightningPrey;
    case PieceKind::DragonFly:
      return (WholeLines[s] & ctx.empty) | (DiagStep[s] & ctx.prey);
    case PieceKind::DivingBeetle:
      return (OrthStep[s] & ctx.empty) | (FirstBlockers(s, ctx.occupied) & ctx.prey);
    case PieceKind::Grasshopper:
      return KnightJump[s] & open;
    case PieceKind::Wasp:
      return WholeLines[s] & open;
    case PieceKind::Wind:
      return DiagTwo[s] & open;
    case PieceKind::Cloud:
      return DiagTwo[s] & ctx.empty;
    case PieceKind::Spider:
      return (OrthTwo[s] | DiagTwo[s]) & open;
    case PieceKind::Snow:
      return OrthJumpTwo[s] & ctx.empty;
    case PieceKind::Ant:
      return (AntWalk[s] & ctx.empty) | (AntStrike[s] & ctx.prey);
    case PieceKind::CarpenterAnt:
      return Slide(s, ctx);
  }
  return 0;
}

constexpr PieceId FirstOf(Camp c) {
  return c == Camp::Fir ? 0 : kPiecesPerCamp;
}

template <typename Visit>
void ForEachPiece(const Position& pos, Camp c, Visit visit) {
  for (PieceId p = FirstOf(c), end = p + kPiecesPerCamp; p < end; ++p) {
    const Sq s = pos.SquareOf(p);
    if (s != kNoSq) visit(p, s);
  }
}

}  // namespace

Bits Targets(const Position& pos, PieceId piece) {
  const Sq s = pos.SquareOf(piece);
  if (s == kNoSq) return 0;
  return PieceTargets(KindOf(piece), s, MakeContext(pos, CampOf(piece)));
}

void GenerateMoves(const Position& pos, MoveList& list) {
  list.Clear();
  const Context ctx = MakeContext(pos, pos.SideToMove());
  ForEachPiece(pos, pos.SideToMove(), [&](PieceId p, Sq s) {
    for (Bits t = PieceTargets(KindOf(p), s, ctx); t;)
      list.Add(Move(s, PopLowest(t)));
  });
}

void GenerateCaptures(const Position& pos, MoveList& list) {
  list.Clear();
  const Context ctx = MakeContext(pos, pos.SideToMove());
  if (!ctx.prey) return;
  ForEachPiece(pos, pos.SideToMove(), [&](PieceId p, Sq s) {
    for (Bits t = PieceTargets(KindOf(p), s, ctx) & ctx.prey; t;)
      list.Add(Move(s, PopLowest(t)));
  });
}

Mobility MobilityOf(const Position& pos, Camp camp) {
  const Context ctx = MakeContext(pos, camp);
  Mobility m;
  ForEachPiece(pos, camp, [&](PieceId p, Sq s) {
    const Bits t = PieceTargets(KindOf(p), s, ctx);
    m.moves += PopCount(t);
    m.reach |= t;
  });
  return m;
}

bool Threatens(const Position& pos, Camp by, Sq target) {
  // Every reach below is symmetric, so it is looked at from the target: a piece of the
  // kind standing on one of those squares (and free to move) reaches the target.
  using K = PieceKind;
  const Zones& z = pos.InfluenceZones();
  const Bits movers = pos.Occupied(by) & ~(z.frozen[Index(by)] & pos.Freezable(by));
  auto of = [&](K k) { return pos.Pieces(by, k) & movers; };
  if ((KingStep[target] & of(K::Tree)) | (DiagStep[target] & of(K::DragonFly)) |
      (KnightJump[target] & of(K::Grasshopper)) | (WholeLines[target] & of(K::Wasp)) |
      (DiagTwo[target] & of(K::Wind)) | ((OrthTwo[target] | DiagTwo[target]) & of(K::Spider)) |
      (AntStrike[target] & of(K::Ant)))
    return true;
  if (of(K::Lightning)) {
    if (Has(z.strike, target)) return true;
    const PieceId victim = pos.PieceAt(target);
    if (victim != kNoPiece && CampOf(victim) != by) {
      const Camp v = CampOf(victim);
      if (Has(z.frozen[Index(v)] & pos.Freezable(v), target)) return true;
    }
  }
  // The blockable movers capture the first piece they meet on a line or diagonal.
  const Bits sliders = of(K::DivingBeetle) | of(K::CarpenterAnt);
  if (!(sliders & (WholeLines[target] | WholeDiagonals[target]))) return false;
  return FirstBlockers(target, pos.Occupied()) & sliders;
}

namespace {

// The kinds that capture, least valuable first: the order in which an exchange brings them in.
constexpr PieceKind kCapturersByValue[] = {
    PieceKind::Ant,          PieceKind::Wind,   PieceKind::Grasshopper, PieceKind::Wasp,
    PieceKind::DivingBeetle, PieceKind::Spider, PieceKind::DragonFly,   PieceKind::Lightning,
    PieceKind::CarpenterAnt, PieceKind::Tree};

// The squares from which a piece of the kind among `pieces` captures on `target` (every reach
// is symmetric, so it is looked at from the target); `struck`: a Lightning may strike there.
Bits CapturersOn(PieceKind k, Sq target, Bits pieces, Bits occupied, bool struck) {
  using K = PieceKind;
  switch (k) {
    case K::Tree:
      return KingStep[target] & pieces;
    case K::Lightning:
      return struck ? pieces : 0;
    case K::DragonFly:
      return DiagStep[target] & pieces;
    case K::DivingBeetle:
    case K::CarpenterAnt:
      return FirstBlockers(target, occupied) & pieces;
    case K::Grasshopper:
      return KnightJump[target] & pieces;
    case K::Wasp:
      return WholeLines[target] & pieces;
    case K::Wind:
      return DiagTwo[target] & pieces;
    case K::Spider:
      return (OrthTwo[target] | DiagTwo[target]) & pieces;
    case K::Ant:
      return AntStrike[target] & pieces;
    case K::Cloud:
    case K::Snow:
      break;
  }
  return 0;
}

}  // namespace

int StaticExchange(const Position& pos, Move capture) {
  const Sq to = capture.To();
  const Zones& z = pos.InfluenceZones();
  Bits movers[kCampCount];
  for (Camp c : {Camp::Fir, Camp::Oak})
    movers[Index(c)] = pos.Occupied(c) & ~(z.frozen[Index(c)] & pos.Freezable(c));
  Bits occupied = pos.Occupied();
  int gain[kPieceCount + 1];
  int d = 0;
  gain[0] = ValueOf(KindOf(pos.PieceAt(to)));
  PieceKind onTarget = KindOf(pos.PieceAt(capture.From()));
  Bits from = Bit(capture.From());
  Camp side = pos.SideToMove();
  for (;;) {
    ++d;
    gain[d] = ValueOf(onTarget) - gain[d - 1];  // if the piece just come is taken in turn
    occupied &= ~from;
    movers[Index(side)] &= ~from;
    side = OtherCamp(side);
    // The piece on the square belongs to the other camp now; may `side` take it?
    const int owner = Index(OtherCamp(side));
    if (Cloakable[Index(onTarget)] && Has(z.cloaked[owner], to)) break;
    const bool struck =
        Has(z.strike, to) || (Freezable[Index(onTarget)] && Has(z.frozen[owner], to));
    from = 0;
    for (PieceKind k : kCapturersByValue) {
      const Bits found =
          CapturersOn(k, to, pos.Pieces(side, k) & movers[Index(side)], occupied, struck);
      if (found) {
        from = Bit(LowestSq(found));
        onTarget = k;
        break;
      }
    }
    if (!from) break;
  }
  while (--d)
    gain[d - 1] = -std::max(-gain[d - 1], gain[d]);
  return gain[0];
}

bool IsLegal(const Position& pos, Move m) {
  if (m.IsNone() || m.From() >= kSquares || m.To() >= kSquares) return false;
  const PieceId p = pos.PieceAt(m.From());
  if (p == kNoPiece || CampOf(p) != pos.SideToMove()) return false;
  return Has(Targets(pos, p), m.To());
}

}  // namespace tamsok::engine
