// What the application sets up before its first window: the compiled-in pictures, the
// default font and style, and the rule that closing the main window ends the program.
#pragma once

class QApplication;

namespace tamsok {

void InitApplication(QApplication& app);

}  // namespace tamsok
