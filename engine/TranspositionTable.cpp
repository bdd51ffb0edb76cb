#include "engine/TranspositionTable.h"

#include <algorithm>

namespace tamsok::engine {

TranspositionTable::TranspositionTable(std::size_t megabytes) {
  const std::size_t bytes = std::max<std::size_t>(megabytes, 1) << 20;
  std::size_t count = 1;
  while (count * 2 * sizeof(TableEntry) <= bytes)
    count *= 2;
  entries_.resize(count);
  mask_ = count - 1;
}

void TranspositionTable::Clear() {
  std::fill(entries_.begin(), entries_.end(), TableEntry{});
  generation_ = 0;
}

void TranspositionTable::Store(std::uint64_t key, int depth, int score, int eval, Bound bound,
                               Move move) {
  TableEntry& e = entries_[key & mask_];
  // A shallower result for another position does not push out a deeper one of the same
  // search, but an entry for the same position is always refreshed; the move is kept when
  // the new result has none.
  if (e.key != key && e.bound != Bound::None && e.generation == generation_ && depth < e.depth)
    return;
  if (e.key == key && move.IsNone()) move = Move::FromRaw(e.move);
  e.key = key;
  e.score = static_cast<std::int16_t>(score);
  e.eval = static_cast<std::int16_t>(eval);
  e.move = move.Raw();
  e.depth = static_cast<std::uint8_t>(std::max(depth, 0));
  e.generation = generation_;
  e.bound = bound;
}

}  // namespace tamsok::engine
