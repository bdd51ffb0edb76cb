// The program: create the main window and then the six other windows, in that order, and run
// until the main window closes.
#include <QApplication>
#include <QElapsedTimer>

#include "ui/DevTools.h"
#include "ui/Startup.h"
#include "ui/mainBoard.h"

int main(int argc, char* argv[]) {
  QElapsedTimer sinceStart;
  sinceStart.start();
  QApplication app(argc, argv);
  tamsok::InitApplication(app);

  tamsok::TBoardForm board;
  board.CreateSecondaryWindows();

  if (const auto options = tamsok::ParseDevOptions(QApplication::arguments()))
    return tamsok::RunDevOptions(board, *options, sinceStart);

  board.show();
  return QApplication::exec();
}
