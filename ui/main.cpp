// The program: create the main window and then the six other windows, in that order, and run
// until the main window closes.
#include <QApplication>

#include <cstdio>

#include "ui/CommandLine.h"
#include "ui/Startup.h"
#include "ui/Translation.h"
#include "ui/mainBoard.h"

int main(int argc, char* argv[]) {
  if (const auto text = tamsok::InfoText(argc, argv)) {
    // A full disk or a closed pipe is a failure, not a printed answer.
    const bool written = std::fwrite(text->data(), 1, text->size(), stdout) == text->size();
    return written && std::fflush(stdout) == 0 ? 0 : 1;
  }
  QApplication app(argc, argv);
  tamsok::InitApplication(app);
  // The language the user chose, or the system's, before any window shows a text.
  tamsok::UseLanguage(tamsok::ChosenLanguage(tamsok::NetSession::DefaultIniPath()),
                      tamsok::TranslationsDir(QApplication::applicationDirPath()));

  tamsok::TBoardForm board;
  board.CreateSecondaryWindows();
  if (const auto grace = tamsok::GraceSeconds(argc, argv)) board.Net()->SetGraceSeconds(*grace);

  board.show();
  return QApplication::exec();
}
