#include "ui/Startup.h"

#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QProxyStyle>

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

namespace {

// The application's style, with menu pictures at their own size rather than the style's
// smaller icon size, which would shrink them.
class MenuPictureStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    if (metric == PM_SmallIconSize && qobject_cast<const QMenu*>(widget)) return kMenuPictureSize;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

}  // namespace

void InitApplication(QApplication& app) {
  RegisterAssets();
  QApplication::setStyle(new MenuPictureStyle);  // the application owns it
  app.setFont(DefaultUiFont());
  app.setWindowIcon(QIcon(WindowIconPixmap()));
  // Lets the desktop match the windows with the installed menu entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(TAMSOK_APP_ID));
  // The other windows do not keep the program alive: it ends when the main window closes.
  app.setQuitOnLastWindowClosed(true);
}

}  // namespace tamsok
