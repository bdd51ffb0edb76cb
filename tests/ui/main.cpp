// The widget tests run real windows on a QApplication; without a display they use the
// offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/Startup.h"

namespace {

// The offscreen platform reports that it cannot pass fixed window sizes to a window manager;
// there is none, so the note is dropped. Everything else is printed as usual.
QtMessageHandler defaultHandler = nullptr;

void FilterMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.contains(QLatin1String("does not support propagateSizeHints"))) return;
  defaultHandler(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
  defaultHandler = qInstallMessageHandler(FilterMessages);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  tamsok::InitApplication(app);
  QApplication::setQuitOnLastWindowClosed(false);  // closing a test window must not quit
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
