// The pages of the rules window ("Help" > "How to play") as data: each page's title and
// paragraphs, and the small positions its diagrams are drawn from. The diagrams themselves
// are drawn by the board painter from these positions, with the marks the rules give there
// (legal targets, influence), so a diagram cannot disagree with the rules.
//
// Squares are canonical (the frame of viewing side 0: Fir's home rows are 0 to 3); a diagram
// is turned to the viewing side the board is seen from.
#pragma once

#include <optional>
#include <vector>

#include "rules/Types.h"

namespace tamsok::lessons {

// The six influences, in the order of the rules' radius tables.
enum class Influence { Cloak, Reveal, Freeze, Thaw, TreeZone, CloudZone };

// What a diagram is there to show; the tests check that the rules show it in its position.
enum Shows : unsigned {
  kCaptures = 1 << 0,   // the subject may capture some piece
  kBlocked = 1 << 1,    // a piece in between stops one of the subject's moves
  kJumps = 1 << 2,      // the subject may go past a piece in between
  kCloaked = 1 << 3,    // some piece is cloaked
  kUncloaked = 1 << 4,  // a cloakable piece the subject's camp reveals could be captured
  kFrozen = 1 << 5,     // some piece is frozen
  kNotFrozen = 1 << 6,  // a freezable piece stands in an enemy freezing area, unfrozen
  kLanding = 1 << 7,    // some Lightning may land somewhere
  kStrike = 1 << 8,     // some Lightning may strike some piece
  kNoCapture = 1 << 9,  // the subject stands next to an enemy piece it may not capture
};

struct Placed {
  Camp camp;
  PieceKind kind;
  Square at;  // canonical
};

struct Diagram {
  bool startPosition = false;  // the start position instead of `pieces`
  std::vector<Placed> pieces;
  int subject = 0;                // the piece (index into pieces) the caption is about
  bool targets = true;            // its legal targets are marked
  bool influence = false;         // the influence overlay is on
  std::optional<Influence> area;  // the subject's area of this influence is tinted
  unsigned shows = 0;             // Shows flags
  const char* caption = nullptr;  // %1: the subject, e.g. "the Fir Spider on d4"
};

// A page is a run of blocks: a paragraph of rich text, a diagram, or a generated table.
enum class Table { None, Values, Influences, Legend };

struct Block {
  const char* text = nullptr;  // rich text (HTML), or nothing
  std::optional<Diagram> diagram;
  Table table = Table::None;
};

struct Lesson {
  const char* name;  // object name of its list item
  const char* title;
  std::optional<PieceKind> kind;  // a page about one kind offers "Try it"
  std::vector<Block> blocks;
};

// Every page, in the order of the window's list.
const std::vector<Lesson>& Lessons();

}  // namespace tamsok::lessons
