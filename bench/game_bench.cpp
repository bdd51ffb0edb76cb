// Figures of the game layer: a played move with its rebuild, and its undo.
#include <benchmark/benchmark.h>

#include "game/Game.h"

namespace tamsok {
namespace {

// A local game just started, showing and sending nothing.
struct LocalGame {
  NullGameView view;
  NullPeerLink peer;
  Game game{view, peer, 1u};
  LocalGame() {
    game.FormCreate();
    game.miNewClick();
  }
};

void BM_MoveAndUndo(benchmark::State& state) {
  LocalGame local;
  Game& game = local.game;
  for (auto _ : state) {
    game.PlayDroppedPiece(8, 0, 9);  // a capture: the tray and the counters take part too
    game.miUndoClick();
  }
  if (game.RecordCount() != 0 || game.RedoLimit() != 1) state.SkipWithError("move not played");
}
BENCHMARK(BM_MoveAndUndo);

void BM_ReceivedMoveAndUndo(benchmark::State& state) {
  LocalGame local;
  Game& game = local.game;
  const MoveFields m{8, 38, 0, 0, 0, 9, 0};
  const std::string text = BuildMove(m);
  for (auto _ : state) {
    benchmark::DoNotOptimize(game.ApplyReceivedMove(m, text));
    game.miUndoClick();
  }
}
BENCHMARK(BM_ReceivedMoveAndUndo);

}  // namespace
}  // namespace tamsok

BENCHMARK_MAIN();
