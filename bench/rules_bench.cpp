// Figures of the rules engine's hot paths.
#include <benchmark/benchmark.h>

#include <random>

#include "rules/Board.h"
#include "rules/Catalogue.h"
#include "rules/MoveCheck.h"

namespace tamsok {
namespace {

Board StartBoard() {
  Board b;
  LoadInitialPosition(b);
  return b;
}

// Every piece of both camps on a distinct square, CarpenterAnts included: the most a
// rebuild can ever be asked to project.
Board CrowdedBoard() {
  Board b;
  std::mt19937 rng(1);
  std::array<int, 100> squares{};
  for (int i = 0; i < 100; ++i)
    squares[i] = i;
  std::shuffle(squares.begin(), squares.end(), rng);
  for (PieceId p = 0; p < kPieceCount; ++p) {
    b.PiecePos[p] = {squares[p] % 10, squares[p] / 10};
    b.InPlay[p] = true;
  }
  RebuildBoard(b);
  return b;
}

void BM_RebuildStart(benchmark::State& state) {
  Board b = StartBoard();
  for (auto _ : state) {
    RebuildBoard(b);
    benchmark::DoNotOptimize(b.Cells);
  }
}
BENCHMARK(BM_RebuildStart);

void BM_RebuildCrowded(benchmark::State& state) {
  Board b = CrowdedBoard();
  for (auto _ : state) {
    RebuildBoard(b);
    benchmark::DoNotOptimize(b.Cells);
  }
}
BENCHMARK(BM_RebuildCrowded);

// CheckMove over all 60 x 100 (piece, square) pairs of the start position.
void BM_CheckAllPairs(benchmark::State& state) {
  const Board b = StartBoard();
  for (auto _ : state) {
    int legal = 0;
    for (PieceId p = 0; p < kPieceCount; ++p) {
      const Square f = b.PiecePos[p];
      for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 10; ++y)
          legal += CheckMove(b, p, f.x, f.y, x, y) == MoveCheckResult::Legal;
    }
    benchmark::DoNotOptimize(legal);
  }
  state.SetItemsProcessed(state.iterations() * kPieceCount * 100);
}
BENCHMARK(BM_CheckAllPairs);

// Every legal (piece, square) pair of one camp, collected into a list.
void BM_EnumerateLegalOneCamp(benchmark::State& state) {
  const Board b = StartBoard();
  std::array<std::pair<PieceId, Square>, kPiecesPerCamp * 100> moves;
  for (auto _ : state) {
    int n = 0;
    for (PieceId p = 0; p < kPiecesPerCamp; ++p) {
      if (!b.StandsOnBoard(p)) continue;
      const Square f = b.PiecePos[p];
      for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 10; ++y)
          if (CheckMove(b, p, f.x, f.y, x, y) == MoveCheckResult::Legal) moves[n++] = {p, {x, y}};
    }
    benchmark::DoNotOptimize(moves);
    benchmark::DoNotOptimize(n);
  }
}
BENCHMARK(BM_EnumerateLegalOneCamp);

}  // namespace
}  // namespace tamsok

BENCHMARK_MAIN();
