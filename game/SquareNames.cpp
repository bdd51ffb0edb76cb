#include "game/SquareNames.h"

#include "engine/Notation.h"
#include "game/Format.h"
#include "rules/Frames.h"

namespace tamsok {

namespace {

namespace text {
constexpr const char* kDigitSquare = "x%dy%d";
constexpr const char* kDigitMove = "%s->%s";
constexpr const char* kLetterMove = "%s-%s";
constexpr const char* kLetterCapture = "%sx%s";
}  // namespace text

// The square on screen column x, row y counted from the bottom.
Square FromDigits(int x, int yUp) {
  return {x, kBoardSize - 1 - yUp};
}

}  // namespace

EdgeLabels BoardEdgeLabels(SquareNaming naming, int viewSide) {
  EdgeLabels labels;
  for (int i = 0; i < kBoardSize; ++i) {
    if (naming == SquareNaming::Digits) {
      labels.columns[i] = static_cast<char>('0' + i);
      labels.rows[i] = static_cast<char>('0' + kBoardSize - 1 - i);
      continue;
    }
    // A screen column holds one canonical file (sides 0 and 2) or one canonical row (sides 1
    // and 3), and so does a screen row; its label is the name's letter or digit it shares.
    const std::string column = engine::SquareText(ToCanonical(viewSide, {i, 0}));
    const std::string columnEnd = engine::SquareText(ToCanonical(viewSide, {i, kBoardSize - 1}));
    labels.columns[i] = column[0] == columnEnd[0] ? column[0] : column[1];
    const std::string row = engine::SquareText(ToCanonical(viewSide, {0, i}));
    const std::string rowEnd = engine::SquareText(ToCanonical(viewSide, {kBoardSize - 1, i}));
    labels.rows[i] = row[0] == rowEnd[0] ? row[0] : row[1];
  }
  return labels;
}

std::string SquareName(SquareNaming naming, int viewSide, Square view) {
  if (naming == SquareNaming::Digits) return Format(text::kDigitSquare, view.x, 9 - view.y);
  return engine::SquareText(ToCanonical(viewSide, view));
}

std::optional<Square> ParseSquareName(SquareNaming naming, int viewSide, std::string_view name) {
  if (naming == SquareNaming::Letters) {
    const std::optional<Square> canonical = engine::ParseSquareText(name);
    if (!canonical) return std::nullopt;
    return FromCanonical(viewSide, *canonical);
  }
  if (name.size() != 4 || name[0] != 'x' || name[2] != 'y') return std::nullopt;
  const int x = name[1] - '0', yUp = name[3] - '0';
  if (x < 0 || x > 9 || yUp < 0 || yUp > 9) return std::nullopt;
  return FromDigits(x, yUp);
}

std::string MoveName(SquareNaming naming, int viewSide, Square from, Square to, bool capture) {
  const std::string a = SquareName(naming, viewSide, from), b = SquareName(naming, viewSide, to);
  const char* format = naming == SquareNaming::Digits ? text::kDigitMove
                       : capture                      ? text::kLetterCapture
                                                      : text::kLetterMove;
  return Format(format, a.c_str(), b.c_str());
}

}  // namespace tamsok
