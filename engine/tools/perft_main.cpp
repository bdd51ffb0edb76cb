// tamsok_perft N [view] [--divide]: the number of legal move sequences of length N from the
// start position seen from viewing side `view` (0..3, default 0), as a plain number. With
// --divide, first one line per first move: its canonical text and the count below it.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/Notation.h"
#include "engine/Perft.h"

using namespace tamsok;

namespace {

int Usage() {
  std::fprintf(stderr, "usage: tamsok_perft DEPTH [VIEW 0..3] [--divide]\n");
  return 2;
}

bool ParseInt(const char* text, int lo, int hi, int& out) {
  char* end = nullptr;
  const long v = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || v < lo || v > hi) return false;
  out = static_cast<int>(v);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  int depth = -1, view = 0, numbers = 0;
  bool divide = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--divide") == 0) {
      divide = true;
    } else if (numbers == 0 && ParseInt(argv[i], 0, 12, depth)) {
      ++numbers;
    } else if (numbers == 1 && ParseInt(argv[i], 0, 3, view)) {
      ++numbers;
    } else {
      return Usage();
    }
  }
  if (numbers == 0) return Usage();

  Board board;
  board.ViewSide = view;
  LoadInitialPosition(board);
  engine::Position pos = engine::Position::FromBoard(board, Camp::Fir);

  const auto start = std::chrono::steady_clock::now();
  std::uint64_t total = 0;
  if (divide && depth > 0) {
    for (const auto& [move, count] : engine::PerftDivide(pos, depth)) {
      const engine::Sq f = move.From(), t = move.To();
      std::printf("%s %llu\n",
                  engine::MoveText({engine::FileOf(f), engine::RowOf(f)},
                                   {engine::FileOf(t), engine::RowOf(t)})
                      .c_str(),
                  static_cast<unsigned long long>(count));
      total += count;
    }
    std::printf("\n");
  } else {
    total = engine::Perft(pos, depth);
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%llu\n", static_cast<unsigned long long>(total));
  std::fprintf(stderr, "%.3f s\n", seconds);
  return 0;
}
