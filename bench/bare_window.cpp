// The yardstick for the game's start-up: the least a Qt Widgets program does to put a window
// on the screen. startup_bench starts it and the game side by side.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.show();
  return QApplication::exec();
}
