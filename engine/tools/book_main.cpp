// tamsok_book: writes an opening book for tamsok_match to standard output.
//
//   tamsok_book [--count N] [--seed N] > engine/book/openings.txt
//
// Each candidate opening is random but sane: every ply is drawn among the moves that a
// shallow search scores close to its best. A candidate is kept when both camps have lost the
// same value, neither Tree is under attack, no earlier opening reached the same position, and
// a deeper check search scores the end position near level. The recipe is BookRecipe in
// OpeningBook.h; --count (default 240) and --seed (default 1) choose how many openings and which.
// The same arguments always give the same book with the same engine.
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <unordered_set>

#include "engine/MoveGen.h"
#include "engine/Search.h"
#include "engine/tools/OpeningBook.h"

using namespace tamsok;
using namespace tamsok::engine;
using namespace tamsok::match;

namespace {

std::vector<Move> RandomOpening(Searcher& searcher, const BookRecipe& recipe, std::uint64_t seed) {
  std::vector<Move> line;
  Position pos = Position::Start();
  const std::atomic<bool> stop{false};
  Limits limits;
  limits.depth = recipe.pickDepth;
  limits.randomMargin = recipe.pickMargin;
  Undo undo;
  for (int i = 0; i < recipe.plies; ++i) {
    limits.seed = seed + static_cast<std::uint64_t>(i);
    const Move m = searcher.Search(pos, limits, stop).best;
    if (m.IsNone()) break;
    line.push_back(m);
    pos.Make(m, undo);
  }
  return line;
}

bool TreeAttacked(const Position& pos) {
  for (Camp c : {Camp::Fir, Camp::Oak})
    if (Threatens(pos, OtherCamp(c), pos.SquareOf(Position::TreeOf(c)))) return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  long count = 240, seed = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    char* end = nullptr;
    const long v = i + 1 < argc ? std::strtol(argv[i + 1], &end, 10) : -1;
    if ((arg == "--count" || arg == "--seed") && end && *end == '\0' && v >= (arg == "--count")) {
      (arg == "--count" ? count : seed) = v;
      ++i;
    } else {
      std::fprintf(stderr, "usage: tamsok_book [--count N] [--seed N] > openings.txt\n");
      return 2;
    }
  }

  const BookRecipe recipe;
  std::printf(
      "# Openings for tamsok_match, made by: tamsok_book --count %ld --seed %ld\n"
      "# One a line: the moves from the start position, then the score of a depth-%d search\n"
      "# of the end position for Fir. Each ply was drawn among the moves a depth-%d search\n"
      "# scored within %d points of its best; an opening was kept when both camps had lost\n"
      "# the same value, neither Tree was under attack, the position was new, and the score\n"
      "# lay within +-%d.\n",
      count, seed, recipe.checkDepth, recipe.pickDepth, recipe.pickMargin, recipe.level);
  Searcher picker(4), checker(16);
  const std::atomic<bool> stop{false};
  Limits check;
  check.depth = recipe.checkDepth;
  std::unordered_set<std::uint64_t> seen;
  long kept = 0, tried = 0;
  for (std::uint64_t candidate = 0; kept < count; ++candidate, ++tried) {
    Opening opening;
    picker.Clear();  // each opening depends on its seed alone
    opening.moves =
        RandomOpening(picker, recipe, static_cast<std::uint64_t>(seed) * 1000003 + candidate * 64);
    const OpeningEnd end = PlayOpening(opening.moves);
    if (end.lost[0] != end.lost[1] || TreeAttacked(end.pos) || !seen.insert(end.pos.Key()).second)
      continue;
    checker.Clear();
    const int score = checker.Search(end.pos, check, stop).info.score;
    opening.score = end.pos.SideToMove() == Camp::Fir ? score : -score;
    if (std::abs(opening.score) > recipe.level) continue;
    std::printf("%s\n", BookLine(opening).c_str());
    ++kept;
  }
  std::fprintf(stderr, "%ld openings kept of %ld tried\n", kept, tried);
  return 0;
}
