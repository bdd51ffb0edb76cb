// The File menu's commands: Load, Save and Save as on game files (game/GameFile.h does the
// reading, writing and replaying). The name of the file last loaded or saved is kept for Save
// while the same game is on the board; a new game forgets it, so that Save never writes one
// game over the file of another. A game against the computer is saved as one, with the
// computer's camp and strength, and loaded back as one.
#pragma once

#include <functional>
#include <vector>

#include <QString>

#include "game/ComputerGame.h"
#include "game/Game.h"
#include "game/GameFile.h"
#include "ui/UiPrompts.h"

class QWidget;

namespace tamsok {

class GameFileCommands {
 public:
  GameFileCommands(Game& game, ComputerGame& computer) : game_(game), computer_(computer) {}

  // The three commands; each shows its dialogs and boxes through `prompts`, over `owner`.
  // Load is offered with no game on the board, and while a local game is being played, when
  // it first asks whether to abandon that game.
  void Load(UiPrompts& prompts, QWidget* owner);
  void Save(UiPrompts& prompts, QWidget* owner);
  void SaveAs(UiPrompts& prompts, QWidget* owner);

  // Notes written into the header of every file saved (the game review); and what is told of
  // every file loaded, once its game is on the board.
  std::function<std::vector<HeaderNote>()> Notes;
  std::function<void(const SavedGame&)> Loaded;

 private:
  // The file Save writes to; empty when it would ask for one.
  QString FileName() const;
  void WriteTo(const QString& path, const char* caption, UiPrompts& prompts, QWidget* owner);
  void Remember(const QString& path);

  Game& game_;
  ComputerGame& computer_;
  QString fileName_;
  int gameNumber_ = -1;  // the game the name belongs to
};

}  // namespace tamsok
