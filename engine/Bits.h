// Square sets of the 10 x 10 board as 128-bit masks, and the constant reach tables the move
// generator and the influence zones are built from.
//
// The engine works in the canonical frame (the frame of viewing side 0: Fir's home rows are
// 0..3, Oak's 6..9). A square is the index y * 10 + x, 0..99; bit i of a mask is square i.
// Bits 100..127 are always clear.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace tamsok::engine {

using Bits = unsigned __int128;
using Sq = int;  // 0..99, canonical; -1 for "no square"

constexpr int kSquares = 100;
constexpr Sq kNoSq = -1;

constexpr Sq MakeSq(int x, int y) {
  return y * 10 + x;
}
constexpr int FileOf(Sq s) {
  return s % 10;
}  // x
constexpr int RowOf(Sq s) {
  return s / 10;
}  // y

constexpr Bits Bit(Sq s) {
  return Bits{1} << s;
}
constexpr bool Has(Bits b, Sq s) {
  return (b >> s) & 1;
}

// Counted with shifts and masks rather than std::popcount: without a CPU-specific build flag
// the latter is a library call, and counting move targets is the generator's inner loop.
inline int PopCount(Bits b) {
  constexpr std::uint64_t k1 = 0x5555555555555555ull, k2 = 0x3333333333333333ull,
                          k4 = 0x0F0F0F0F0F0F0F0Full, kSum = 0x0101010101010101ull;
  std::uint64_t lo = static_cast<std::uint64_t>(b), hi = static_cast<std::uint64_t>(b >> 64);
  lo -= (lo >> 1) & k1;
  hi -= (hi >> 1) & k1;
  lo = (lo & k2) + ((lo >> 2) & k2);
  hi = (hi & k2) + ((hi >> 2) & k2);
  // Each byte now holds at most 8 per half; the two halves summed stay below 16 per byte.
  const std::uint64_t bytes = ((lo + (lo >> 4)) & k4) + ((hi + (hi >> 4)) & k4);
  return static_cast<int>((bytes * kSum) >> 56);
}

// The lowest square of a non-empty set.
inline Sq LowestSq(Bits b) {
  const auto lo = static_cast<std::uint64_t>(b);
  return lo ? std::countr_zero(lo) : 64 + std::countr_zero(static_cast<std::uint64_t>(b >> 64));
}

// Removes and returns the lowest square of a non-empty set.
inline Sq PopLowest(Bits& b) {
  const Sq s = LowestSq(b);
  b &= b - 1;
  return s;
}

namespace detail {

constexpr int Abs(int v) {
  return v < 0 ? -v : v;
}

// A table of one mask per square: the squares (tx, ty) for which keep(dx, dy) holds, where
// (dx, dy) is the offset from the square.
template <typename Keep>
constexpr std::array<Bits, kSquares> Reach(Keep keep) {
  std::array<Bits, kSquares> t{};
  for (Sq s = 0; s < kSquares; ++s)
    for (Sq o = 0; o < kSquares; ++o)
      if (keep(FileOf(o) - FileOf(s), RowOf(o) - RowOf(s))) t[s] |= Bit(o);
  return t;
}

}  // namespace detail

// The (2r+1)^2 block around a square, the square itself included, clipped to the board:
// the area of an influence of radius r. Index 0 is the empty set.
inline constexpr std::array<std::array<Bits, kSquares>, 4> Block{
    std::array<Bits, kSquares>{},
    detail::Reach([](int dx, int dy) { return detail::Abs(dx) <= 1 && detail::Abs(dy) <= 1; }),
    detail::Reach([](int dx, int dy) { return detail::Abs(dx) <= 2 && detail::Abs(dy) <= 2; }),
    detail::Reach([](int dx, int dy) { return detail::Abs(dx) <= 3 && detail::Abs(dy) <= 3; }),
};

// Movement geometry, own square excluded. Names say the shape, not the kind.
inline constexpr auto KingStep = detail::Reach(
    [](int dx, int dy) { return detail::Abs(dx) <= 1 && detail::Abs(dy) <= 1 && (dx || dy); });
inline constexpr auto OrthStep =
    detail::Reach([](int dx, int dy) { return detail::Abs(dx) + detail::Abs(dy) == 1; });
inline constexpr auto DiagStep =
    detail::Reach([](int dx, int dy) { return detail::Abs(dx) == 1 && detail::Abs(dy) == 1; });
inline constexpr auto KnightJump = detail::Reach([](int dx, int dy) {
  const int ax = detail::Abs(dx), ay = detail::Abs(dy);
  return (ax == 1 && ay == 2) || (ax == 2 && ay == 1);
});
inline constexpr auto WholeLines =
    detail::Reach([](int dx, int dy) { return (dx == 0) != (dy == 0); });
inline constexpr auto WholeDiagonals =
    detail::Reach([](int dx, int dy) { return dx && (dx == dy || dx == -dy); });
inline constexpr auto DiagTwo = detail::Reach([](int dx, int dy) {
  return detail::Abs(dx) == detail::Abs(dy) && dx && detail::Abs(dx) <= 2;
});
inline constexpr auto OrthTwo = detail::Reach([](int dx, int dy) {
  return (dx == 0) != (dy == 0) && detail::Abs(dx) + detail::Abs(dy) <= 2;
});
inline constexpr auto OrthJumpTwo = detail::Reach([](int dx, int dy) {
  return (dx == 0) != (dy == 0) && detail::Abs(dx) + detail::Abs(dy) == 2;
});
// The Ant walks one or two squares along the file axis (the axis joining the home rows, y
// in the canonical frame) and captures one square along the rank axis.
inline constexpr auto AntWalk =
    detail::Reach([](int dx, int dy) { return dx == 0 && dy && detail::Abs(dy) <= 2; });
inline constexpr auto AntStrike =
    detail::Reach([](int dx, int dy) { return dy == 0 && detail::Abs(dx) == 1; });

// The eight directions as (dx, dy) steps. Even directions raise the square index as they go
// (their squares are found lowest first), odd ones lower it.
inline constexpr int kDirX[8] = {1, -1, 0, 0, 1, 1, -1, -1};
inline constexpr int kDirY[8] = {0, 0, 1, -1, 1, -1, 1, -1};

// The highest square of a non-empty set.
inline Sq HighestSq(Bits b) {
  const auto hi = static_cast<std::uint64_t>(b >> 64);
  return hi ? 127 - std::countl_zero(hi) : 63 - std::countl_zero(static_cast<std::uint64_t>(b));
}

// Ray[d][s]: the squares from s outwards in direction d, s itself excluded.
inline constexpr std::array<std::array<Bits, kSquares>, 8> Ray = [] {
  std::array<std::array<Bits, kSquares>, 8> r{};
  for (int d = 0; d < 8; ++d)
    for (Sq s = 0; s < kSquares; ++s)
      for (int x = FileOf(s) + kDirX[d], y = RowOf(s) + kDirY[d];
           x >= 0 && x < 10 && y >= 0 && y < 10; x += kDirX[d], y += kDirY[d])
        r[d][s] |= Bit(MakeSq(x, y));
  return r;
}();

// The first occupied square from s in direction d, or kNoSq.
inline Sq FirstOnRay(int d, Sq s, Bits occupied) {
  const Bits hit = Ray[d][s] & occupied;
  if (!hit) return kNoSq;
  return d % 2 == 0 ? LowestSq(hit) : HighestSq(hit);
}

}  // namespace tamsok::engine
