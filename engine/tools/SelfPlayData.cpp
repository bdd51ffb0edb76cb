#include "engine/tools/SelfPlayData.h"

#include <cctype>
#include <charconv>
#include <vector>

#include "engine/Engine.h"
#include "rules/Catalogue.h"

namespace tamsok::match {

using namespace engine;

namespace {

// The piece letters by kind, upper case for Fir.
constexpr std::string_view kLetters = "TLDBGWICSNAK";
static_assert(kLetters.size() == kKindCount);

std::vector<std::string_view> Fields(std::string_view text) {
  std::vector<std::string_view> fields;
  while (!text.empty()) {
    const auto space = text.find(' ');
    fields.push_back(text.substr(0, space));
    if (space == std::string_view::npos) break;
    text.remove_prefix(space + 1);
  }
  return fields;
}

template <typename Int>
bool ReadNumber(std::string_view text, Int& out) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc() && end == text.data() + text.size() && !text.empty();
}

std::optional<Camp> CampOfLetter(std::string_view text, char fir, char oak) {
  if (text.size() != 1) return std::nullopt;
  if (text[0] == fir) return Camp::Fir;
  if (text[0] == oak) return Camp::Oak;
  return std::nullopt;
}

// Reads BOARD SIDE RECORDS LOST_FIR LOST_OAK from the first five fields.
std::optional<Position> ReadPosition(const std::vector<std::string_view>& f) {
  if (f.size() < 5) return std::nullopt;
  Board board;
  for (PieceId p = 0; p < kPieceCount; ++p) {
    board.InPlay[p] = false;
    board.PiecePos[p] = kOffBoard;
  }
  bool used[kPieceCount] = {};
  int x = 0, y = 0;
  const std::string_view rows = f[0];
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const char ch = rows[i];
    if (ch == '/') {
      if (x != 10 || ++y > 9) return std::nullopt;
      x = 0;
    } else if (std::isdigit(static_cast<unsigned char>(ch))) {
      const int run = ch == '1' && i + 1 < rows.size() && rows[i + 1] == '0' ? (++i, 10) : ch - '0';
      if (run == 0 || (x += run) > 10) return std::nullopt;
    } else {
      const auto at =
          kLetters.find(static_cast<char>(std::toupper(static_cast<unsigned char>(ch))));
      if (at == std::string_view::npos || x >= 10) return std::nullopt;
      const Camp camp = std::isupper(static_cast<unsigned char>(ch)) ? Camp::Fir : Camp::Oak;
      PieceId piece = kNoPiece;
      for (PieceId p = camp == Camp::Fir ? 0 : kPiecesPerCamp, end = p + kPiecesPerCamp; p < end;
           ++p)
        if (!used[p] && Index(KindOf(p)) == static_cast<int>(at)) {
          piece = p;
          break;
        }
      if (piece == kNoPiece) return std::nullopt;
      used[piece] = true;
      board.InPlay[piece] = true;
      board.PiecePos[piece] = Square{x++, y};
    }
  }
  if (x != 10 || y != 9 || !used[Position::TreeOf(Camp::Fir)] || !used[Position::TreeOf(Camp::Oak)])
    return std::nullopt;
  const auto side = CampOfLetter(f[1], 'f', 'o');
  int records = 0, lostFir = 0, lostOak = 0;
  if (!side || !ReadNumber(f[2], records) || !ReadNumber(f[3], lostFir) ||
      !ReadNumber(f[4], lostOak) || records < 0 || lostFir < 0 || lostOak < 0)
    return std::nullopt;
  return Position::FromBoard(board, *side, records, {lostFir, lostOak});
}

}  // namespace

std::string PositionText(const Position& pos) {
  std::string text;
  for (int y = 0; y < 10; ++y) {
    if (y) text += '/';
    int run = 0;
    for (int x = 0; x < 10; ++x) {
      const PieceId p = pos.PieceAt(MakeSq(x, y));
      if (p == kNoPiece) {
        ++run;
        continue;
      }
      if (run) text += std::to_string(run);
      run = 0;
      const char letter = kLetters[Index(KindOf(p))];
      text += CampOf(p) == Camp::Fir
                  ? letter
                  : static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    }
    if (run) text += std::to_string(run);
  }
  text += pos.SideToMove() == Camp::Fir ? " f " : " o ";
  text += std::to_string(pos.Records()) + ' ' + std::to_string(pos.Lost(Camp::Fir)) + ' ' +
          std::to_string(pos.Lost(Camp::Oak));
  return text;
}

std::optional<Position> ParsePositionText(std::string_view text) {
  const auto f = Fields(text);
  if (f.size() != 5) return std::nullopt;
  return ReadPosition(f);
}

std::string SampleLine(const Sample& s) {
  return PositionText(s.pos) + ' ' + MoveText(s.move) + ' ' + std::to_string(s.score) + ' ' +
         (s.winner == Camp::Fir ? 'F' : 'O') + ' ' + std::to_string(s.plies);
}

std::optional<Sample> ParseSampleLine(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
    line.remove_suffix(1);
  const auto f = Fields(line);
  if (f.size() != 9) return std::nullopt;
  auto pos = ReadPosition(f);
  const auto move = ParseMove(f[5]);
  const auto winner = CampOfLetter(f[7], 'F', 'O');
  Sample s;
  if (!pos || !move || !winner || !ReadNumber(f[6], s.score) || !ReadNumber(f[8], s.plies))
    return std::nullopt;
  s.pos = *pos;
  s.move = *move;
  s.winner = *winner;
  return s;
}

}  // namespace tamsok::match
