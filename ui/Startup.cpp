#include "ui/Startup.h"

#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QPointer>
#include <QProxyStyle>

#include "ui/Assets.h"
#include "ui/Fonts.h"
#include "ui/LazyIcon.h"

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
  // Every menu bar makes the icon of its overflow button, which ours never shows. Qt reads that
  // icon with format detection, which loads every image-format plugin of the system; made on
  // first use, it costs nothing at start-up.
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                     const QWidget* widget) const override {
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
      return QProxyStyle::standardIcon(icon, option, widget);
    return LazyIcon([style = QPointer(this), icon] {
      return style ? style->QProxyStyle::standardIcon(icon, nullptr, nullptr) : QIcon();
    });
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
