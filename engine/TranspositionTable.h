// The transposition table: what earlier searches learned about positions, found by Zobrist
// key. One entry per slot, replaced by a deeper result or by any result of a newer search;
// the size is fixed when the table is made, so a search at fixed depth with a fixed size
// gives the same result.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/Position.h"

namespace tamsok::engine {

enum class Bound : std::uint8_t { None, Upper, Lower, Exact };

struct TableEntry {
  std::uint64_t key = 0;
  std::int16_t score = 0;  // win scores relative to the stored position, see Search.cpp
  std::int16_t eval = 0;   // static evaluation
  std::uint16_t move = 0;  // Move::Raw()
  std::uint8_t depth = 0;
  std::uint8_t generation = 0;  // of the search that stored it
  Bound bound = Bound::None;
};

class TranspositionTable {
 public:
  // The largest power-of-two number of entries that fits in `megabytes` (at least one).
  explicit TranspositionTable(std::size_t megabytes);

  void Clear();

  // Marks the entries stored so far as older than any stored from now on.
  void NewSearch() { ++generation_; }

  // The entry for the key, or nullptr.
  const TableEntry* Probe(std::uint64_t key) const {
    const TableEntry& e = entries_[key & mask_];
    return e.key == key && e.bound != Bound::None ? &e : nullptr;
  }

  void Store(std::uint64_t key, int depth, int score, int eval, Bound bound, Move move);

  std::size_t Size() const { return entries_.size(); }

 private:
  std::vector<TableEntry> entries_;
  std::uint64_t mask_ = 0;
  std::uint8_t generation_ = 0;
};

}  // namespace tamsok::engine
