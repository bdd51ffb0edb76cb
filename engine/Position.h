// The engine's position: where each piece stands, whose turn it is, the influence zones
// derived from the pieces, and a Zobrist key. Moves are made and taken back in place; a
// taken-back move leaves every field exactly as it was. No input or output happens here.
//
// Squares are canonical (see Bits.h). A position built from a game board is converted from
// the board's viewing side at the boundary, so the engine's answers do not depend on the side
// from which the user looks at the board.
#pragma once

#include <array>
#include <cstdint>

#include "engine/Bits.h"
#include "rules/Board.h"
#include "rules/Catalogue.h"
#include "rules/Types.h"

namespace tamsok::engine {

// A move: the piece standing on From() goes to To(), capturing what stands there. The
// default value is the pass, which is legal in every turn (MakePass plays it); no real move
// has From() == To().
class Move {
 public:
  constexpr Move() = default;
  constexpr Move(Sq from, Sq to) : bits_(static_cast<std::uint16_t>(from | to << 7)) {}

  constexpr Sq From() const { return bits_ & 127; }
  constexpr Sq To() const { return bits_ >> 7; }
  constexpr bool IsNone() const { return bits_ == 0; }
  constexpr std::uint16_t Raw() const { return bits_; }
  static constexpr Move FromRaw(std::uint16_t raw) {
    Move m;
    m.bits_ = raw;
    return m;
  }

  friend constexpr bool operator==(Move, Move) = default;

 private:
  std::uint16_t bits_ = 0;
};

// The squares where the influence rules take effect, derived from the influencing pieces.
// Each is exactly "the rules' counter for that square is positive".
struct Zones {
  Bits cloaked[kCampCount]{};  // a cloakable piece of the camp standing here cannot be captured
  Bits frozen[kCampCount]{};   // a freezable piece of the camp standing here cannot move
  Bits landing[kCampCount]{};  // the camp's Lightning may move here when empty
  Bits strike = 0;             // either camp's Lightning may capture here

  friend bool operator==(const Zones&, const Zones&) = default;
};

// The six influences, in the order of the rules' radius tables.
enum Effect { kCloak, kReveal, kFreeze, kThaw, kTreeZone, kCloudZone, kEffectCount };

// The zones with the areas they are derived from: area[e][c] is the union of the blocks that
// camp c's pieces project for effect e. A move of an influencing piece recomputes only the
// unions its kind takes part in.
struct Influence {
  Bits area[kEffectCount][kCampCount]{};
  Zones zones;

  friend bool operator==(const Influence&, const Influence&) = default;
};

// What Make() needs to remember so that Unmake() can restore the position exactly.
struct Undo {
  std::uint64_t key = 0;
  PieceId captured = kNoPiece;
  bool influenceSaved = false;
  Influence influence;
};

std::uint64_t RecordsKey(int records);  // 0 for none

class Position {
 public:
  // An empty board, Fir to move.
  Position() {
    board_.fill(kNoPiece);
    square_.fill(kNoSq);
  }

  // The start position, Fir to move.
  static Position Start();

  // The pieces of a game board (those in play and standing on a square, seen from the
  // board's ViewSide) with the given side to move, after `records` records of the game in
  // which each camp has lost `lost` value to captures (a game's MaterialBalance, negated).
  // The board's grid is not read. A piece that shares its square with a piece of higher id
  // is left out, as the grid would show only the higher one.
  static Position FromBoard(const Board& board, Camp sideToMove, int records = 0,
                            std::array<int, kCampCount> lost = {});

  Camp SideToMove() const { return side_; }
  // Part of the key: the position's pieces, the side to move and the record count up to
  // the point where Scoring may be called (so that a position met with fewer records to go
  // is not taken for the same).
  std::uint64_t Key() const { return key_; }
  // The key without the record count: the board and the side to move, as a person sees a
  // position when it comes back.
  std::uint64_t BoardKey() const { return key_ ^ RecordsKey(records_); }

  // Records (moves and passes) played since the start of the game.
  int Records() const { return records_; }
  // The summed value of the camp's pieces captured so far, its Tree included.
  int Lost(Camp c) const { return lost_[Index(c)]; }
  // From kScoringRecords records on the game is over as soon as the camp the rule favours
  // calls Scoring, which it may do in either camp's turn.
  bool ScoringOpen() const { return records_ >= kScoringRecords; }
  Camp ScoringFavours() const { return ScoringWinner(lost_[0], lost_[1]); }

  PieceId PieceAt(Sq s) const { return board_[s]; }
  Sq SquareOf(PieceId p) const { return square_[p]; }
  bool OnBoard(PieceId p) const { return square_[p] != kNoSq; }
  bool TreeStands(Camp c) const { return OnBoard(TreeOf(c)); }

  Bits Occupied(Camp c) const { return occupied_[Index(c)]; }
  Bits Occupied() const { return occupied_[0] | occupied_[1]; }
  Bits Pieces(Camp c, PieceKind k) const { return pieces_[Index(c)][Index(k)]; }
  int Count(Camp c, PieceKind k) const { return count_[Index(c)][Index(k)]; }
  Bits Cloakable(Camp c) const { return cloakable_[Index(c)]; }
  Bits Freezable(Camp c) const { return freezable_[Index(c)]; }
  const Zones& InfluenceZones() const { return influence_.zones; }

  // Summed catalogue value of the camp's pieces on the board, the Tree left out.
  int Material(Camp c) const { return material_[Index(c)]; }

  // Plays a move given by the generator (or otherwise legal) for the side to move.
  void Make(Move m, Undo& undo);
  void Unmake(Move m, const Undo& undo);

  // Hands the turn over without a move: a record like any move.
  void MakePass();
  void UnmakePass();

  // Recomputes every area and zone from the pieces.
  void RebuildZones();

  static constexpr PieceId TreeOf(Camp c) { return c == Camp::Fir ? 0 : kPiecesPerCamp; }

  // The whole state, for the identity checks of tests and debug builds.
  friend bool operator==(const Position&, const Position&) = default;

  // True when the derived fields (masks, zones, key, material) agree with the pieces.
  bool IsConsistent() const;

 private:
  void Put(PieceId p, Sq s);
  void Lift(PieceId p);
  std::uint64_t ComputeKey() const;
  void RefreshAreas(PieceKind k, int camp);
  void DeriveZones();

  std::array<std::int8_t, kSquares> board_{};
  std::array<std::int8_t, kPieceCount> square_{};
  Bits occupied_[kCampCount]{};
  Bits pieces_[kCampCount][kKindCount]{};
  std::int8_t count_[kCampCount][kKindCount]{};
  Bits cloakable_[kCampCount]{};
  Bits freezable_[kCampCount]{};
  Influence influence_;
  int material_[kCampCount]{};
  int lost_[kCampCount]{};
  int records_ = 0;
  std::uint64_t key_ = 0;
  Camp side_ = Camp::Fir;
};

// True when the kind projects any influence, so that moving it can change the zones.
bool Influences(PieceKind k);

// Zobrist key of one piece of a camp and kind on a square, and of Oak to move.
std::uint64_t PieceKey(Camp c, PieceKind k, Sq s);
std::uint64_t OakToMoveKey();

// Square conversions between a board's view frame and the engine's canonical frame.
Sq ToEngineSq(int viewSide, Square view);  // kNoSq when off the board
Square ToViewSquare(int viewSide, Sq s);

}  // namespace tamsok::engine
