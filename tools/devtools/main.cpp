// tamsok_devtools: the game's windows, made as the program makes them, for pictures and
// measurements (see DevTools.h).
#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

#include "tools/devtools/DevTools.h"
#include "ui/Startup.h"
#include "ui/mainBoard.h"

namespace {
constexpr const char* kUsage =
    "Usage: tamsok_devtools --screenshots DIR | --measure\n"
    "  --screenshots DIR  write pictures of the windows into DIR, then exit\n"
    "  --measure          print start-up time, memory, drop-to-repaint time and the longest\n"
    "                     stall while a received move glides, then exit\n";
}  // namespace

int main(int argc, char* argv[]) {
  QElapsedTimer sinceStart;
  sinceStart.start();
  QApplication app(argc, argv);
  const auto options = tamsok::ParseDevOptions(QApplication::arguments());
  if (!options) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  tamsok::InitApplication(app);
  tamsok::TBoardForm board;
  board.CreateSecondaryWindows();
  return tamsok::RunDevOptions(board, *options, sinceStart);
}
