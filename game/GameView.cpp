#include "game/GameView.h"

#include <array>

namespace tamsok {

std::string_view MenuItemName(MenuItem item) {
  static constexpr std::array<std::string_view, kMenuItemCount> kNames{
      "miCreateRoom", "miConnect",   "miReqGame", "miNew",  "miLocalAlone", "miLoad", "miSave",
      "miSaveas",     "miUndoFirst", "miUndo",    "miRedo", "miRedoLast",   "miPass", "miLossgame",
      "miScoring",    "miRoomState", "miR0",      "miR90",  "miR180",       "miR270"};
  return kNames[static_cast<std::size_t>(item)];
}

}  // namespace tamsok
