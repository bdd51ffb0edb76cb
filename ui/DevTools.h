// Developer options of the executable, for looking at the real window and measuring it:
//   --screenshots DIR   shows the window and writes PNG pictures of it and its side windows
//   --measure           prints start-up time, memory, the time from a drop to the repaint, and
//                       how often the analysis redraws and how long the window ever stalls
// Neither changes what a player sees when the program is started without options.
#pragma once

#include <optional>

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

namespace tamsok {

class Game;
class TBoardForm;

struct DevOptions {
  QString screenshotDir;
  bool measure = false;
};

// The developer options among the program's arguments; nothing when there are none.
std::optional<DevOptions> ParseDevOptions(const QStringList& args);

// Runs them on the created (not yet shown) main window; returns the exit code. `sinceStart`
// was started when main() began.
int RunDevOptions(TBoardForm& board, const DevOptions& options, const QElapsedTimer& sinceStart);

// Plays a deterministic game of legal moves, captures first, until each camp has lost at
// least `capturesEach` pieces (or `maxMoves` moves were played). Trees are never captured.
void PlayDemoGame(Game& game, int capturesEach, int maxMoves);

}  // namespace tamsok
