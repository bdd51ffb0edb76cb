#include "ui/Startup.h"

#include <QApplication>
#include <QIcon>

#include "ui/Assets.h"
#include "ui/Fonts.h"

// The pictures live in a resource file compiled into the ui library; a static library's
// resources are registered explicitly. Outside any namespace, as Qt requires.
static void RegisterAssets() {
#ifdef TAMSOK_HAS_ASSETS
  Q_INIT_RESOURCE(assets);
#endif
}

namespace tamsok {

void InitApplication(QApplication& app) {
  RegisterAssets();
  app.setFont(DefaultUiFont());
  app.setWindowIcon(QIcon(WindowIconPixmap()));
  // Lets the desktop match the windows with the installed menu entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(TAMSOK_APP_ID));
  // The other windows do not keep the program alive: it ends when the main window closes.
  app.setQuitOnLastWindowClosed(true);
}

}  // namespace tamsok
