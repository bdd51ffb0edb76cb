// The developer's program tamsok_devtools: the game's own windows, for looking at them and
// measuring them. The installed program has none of this.
//   --screenshots DIR   shows the window and writes PNG pictures of it and its side windows
//   --measure           prints start-up time, memory, the time from a drop to the repaint, the
//                       longest stall of the window while a received move glides, and how
//                       often the analysis redraws and how long the window stalls meanwhile
#pragma once

#include <optional>

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

namespace tamsok {

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

}  // namespace tamsok
