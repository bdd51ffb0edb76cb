// Legal move generation. Each kind's candidate squares come from its movement geometry
// (Bits.h); each candidate is then decided by the same tests as the rules' legality check:
// own piece on the target, a kind that cannot capture, a cloaked target, a frozen mover,
// blocking on the path. Tests compare the result with a scan of every square by CheckMove.
#pragma once

#include <array>
#include <cstdint>
#include <utility>

#include "engine/Position.h"

namespace tamsok::engine {

// No position can hold more legal moves for one camp than this: every piece's largest reach
// summed over the roster (the Lightning's 99 and six CarpenterAnts' 35 each dominate).
constexpr int kMaxMoves = 600;

// A list of moves on the stack. The storage is left uninitialized: lists are made at every
// node of a search, and only the first size() entries are ever read.
class MoveList {
 public:
  MoveList() {}  // NOLINT: leaves the storage uninitialized on purpose

  int size() const { return size_; }
  Move operator[](int i) const { return Move::FromRaw(raw_[i]); }
  void Add(Move m) { raw_[size_++] = m.Raw(); }
  void Clear() { size_ = 0; }
  void Swap(int i, int j) { std::swap(raw_[i], raw_[j]); }

  class Iterator {
   public:
    explicit Iterator(const std::uint16_t* p) : p_(p) {}
    Move operator*() const { return Move::FromRaw(*p_); }
    Iterator& operator++() {
      ++p_;
      return *this;
    }
    bool operator!=(const Iterator& o) const { return p_ != o.p_; }

   private:
    const std::uint16_t* p_;
  };
  Iterator begin() const { return Iterator(raw_); }
  Iterator end() const { return Iterator(raw_ + size_); }

 private:
  std::uint16_t raw_[kMaxMoves];
  int size_ = 0;
};

// The squares the piece may move to now, whoever is to move (the rules' check does not look
// at the turn either). Empty for a piece off the board.
Bits Targets(const Position& pos, PieceId piece);

// Every legal move of the side to move, pieces in id order, targets in square order.
void GenerateMoves(const Position& pos, MoveList& list);

// The legal captures of the side to move.
void GenerateCaptures(const Position& pos, MoveList& list);

// The number of legal moves of a camp, and the squares they go to, without listing them.
struct Mobility {
  int moves = 0;
  Bits reach = 0;  // every square some legal move of the camp goes to
};
Mobility MobilityOf(const Position& pos, Camp camp);

inline int CountMoves(const Position& pos, Camp camp) {
  return MobilityOf(pos, camp).moves;
}
inline int CountMoves(const Position& pos) {
  return CountMoves(pos, pos.SideToMove());
}

// Whether a piece of camp `by` could capture an enemy piece on `target` now, as if one stood
// there uncloaked (the Tree, the usual question, is never cloaked).
bool Threatens(const Position& pos, Camp by, Sq target);

// The static exchange evaluation of a capture by the side to move: the value it wins
// (negative: loses) on the target square when both camps go on capturing there, each with its
// least valuable piece that may, for as long as that pays. The influence zones are taken as they
// stand: a piece that comes to stand cloaked on the square ends the exchange, frozen pieces take
// no part, and a Lightning strikes only a piece inside a Cloud's reach or a frozen one.
int StaticExchange(const Position& pos, Move capture);

// Whether the move is among the legal moves of the side to move.
bool IsLegal(const Position& pos, Move m);

}  // namespace tamsok::engine
