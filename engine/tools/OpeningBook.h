// The opening book of the match tool: short lines of play from the start position after
// which neither camp stands better, so that a match between two players measures them and not
// the openings. Each opening is played twice, once with each player as Fir.
//
// The book is a text file, one opening a line: the moves in canonical notation ("a2a3"),
// then a semicolon and the score that the generator's check search gave the end position,
// from Fir's point of view. "#" starts a comment; blank lines are skipped. tamsok_book writes
// it (engine/tools/book_main.cpp); engine/book/openings.txt is the one the tools use.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/Position.h"

namespace tamsok::match {

// The generator's defaults, which the stored book was made with.
struct BookRecipe {
  int plies = 8;        // length of every opening
  int pickDepth = 2;    // each ply is drawn among the moves a search this deep scores ...
  int pickMargin = 15;  // ... within this many points of its best
  int checkDepth = 4;   // the end position is searched this deep ...
  int level = 20;       // ... and kept when its score lies within +-level points
};

struct Opening {
  std::vector<engine::Move> moves;
  int score = 0;  // the check search's score of the end position, for Fir
};

struct BookError {
  int line = 0;  // 1-based
  std::string reason;
};

// Reads a book, checking every move against the rules. Returns false, with the first error,
// for a malformed line or an illegal move.
bool ParseBook(std::string_view text, std::vector<Opening>& book, BookError& error);
bool LoadBook(const std::string& path, std::vector<Opening>& book, BookError& error);

// The book's line for an opening.
std::string BookLine(const Opening& opening);

// The position after the opening's moves, and the value each camp has lost in captures.
struct OpeningEnd {
  engine::Position pos;
  int lost[kCampCount] = {0, 0};
};
OpeningEnd PlayOpening(const std::vector<engine::Move>& moves);

}  // namespace tamsok::match
