#include "engine/tools/OpeningBook.h"

#include <charconv>
#include <fstream>
#include <sstream>

#include "engine/Engine.h"
#include "engine/MoveGen.h"

namespace tamsok::match {

using namespace engine;

namespace {

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// Reads one opening from "moves ; score"; an empty string when it is sound, else the reason.
std::string ParseOpening(std::string_view line, Opening& opening) {
  const auto semicolon = line.find(';');
  if (semicolon == std::string_view::npos) return "no score after the moves";
  const std::string_view scoreText = Trim(line.substr(semicolon + 1));
  const char* end = scoreText.data() + scoreText.size();
  if (scoreText.empty() || std::from_chars(scoreText.data(), end, opening.score).ptr != end)
    return "bad score: " + std::string(scoreText);

  std::istringstream words{std::string(line.substr(0, semicolon))};
  Position pos = Position::Start();
  Undo undo;
  for (std::string word; words >> word;) {
    const auto m = ParseMove(word);
    if (!m || m->IsNone()) return "malformed move: " + word;
    if (!IsLegal(pos, *m)) return "illegal move: " + word;
    pos.Make(*m, undo);
    opening.moves.push_back(*m);
  }
  if (opening.moves.empty()) return "no moves";
  return {};
}

}  // namespace

bool ParseBook(std::string_view text, std::vector<Opening>& book, BookError& error) {
  book.clear();
  int number = 0;
  while (!text.empty()) {
    const auto newline = text.find('\n');
    std::string_view line = text.substr(0, newline);
    text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
    ++number;
    line = Trim(line.substr(0, line.find('#')));
    if (line.empty()) continue;
    Opening opening;
    if (std::string reason = ParseOpening(line, opening); !reason.empty()) {
      error = {number, std::move(reason)};
      return false;
    }
    book.push_back(std::move(opening));
  }
  return true;
}

bool LoadBook(const std::string& path, std::vector<Opening>& book, BookError& error) {
  std::ifstream file(path);
  if (!file) {
    error = {0, "cannot read " + path};
    return false;
  }
  std::ostringstream text;
  text << file.rdbuf();
  return ParseBook(text.str(), book, error);
}

std::string BookLine(const Opening& opening) {
  std::string line;
  for (Move m : opening.moves)
    line += MoveText(m) + ' ';
  return line + "; " + std::to_string(opening.score);
}

OpeningEnd PlayOpening(const std::vector<Move>& moves) {
  OpeningEnd end{Position::Start()};
  Undo undo;
  for (Move m : moves) {
    const PieceId captured = end.pos.PieceAt(m.To());
    if (captured != kNoPiece) end.lost[Index(CampOf(captured))] += ValueOf(KindOf(captured));
    end.pos.Make(m, undo);
  }
  return end;
}

}  // namespace tamsok::match
