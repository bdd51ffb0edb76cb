// The names of the squares and pieces as a screen reader gets them: over the accessibility bus
// (AT-SPI on D-Bus), from the window on an X display. Run by run-atspi, which gives the test a
// session bus and a display of its own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTest>
#include <QWindow>

#include <deque>
#include <optional>

#include "tests/ui/UiTestSupport.h"
#include "ui/BoardKeyboard.h"
#include "ui/Startup.h"

namespace tamsok {
namespace {

constexpr auto kAccessible = "org.a11y.atspi.Accessible";
constexpr unsigned kRoleList = 31, kRoleListItem = 32;  // AT-SPI's role numbers

struct Node {
  QString service;
  QString path;
};

// The accessibility bus, and calls on it answered while this program's event loop runs: the
// window's own bridge answers from that loop.
class AtSpi {
 public:
  AtSpi() {
    const QDBusMessage address = QDBusConnection::sessionBus().call(QDBusMessage::createMethodCall(
        QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
        QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress")));
    if (address.type() != QDBusMessage::ReplyMessage) return;
    bus_ = QDBusConnection::connectToBus(address.arguments().value(0).toString(),
                                         QStringLiteral("atspi-test"));
  }
  bool Connected() const { return bus_ && bus_->isConnected(); }

  std::optional<QDBusMessage> Call(const Node& node, const QString& interface,
                                   const QString& method, const QVariantList& args = {}) {
    QDBusMessage message =
        QDBusMessage::createMethodCall(node.service, node.path, interface, method);
    message.setArguments(args);
    QDBusPendingCallWatcher call(bus_->asyncCall(message, 5000));
    if (!call.isFinished()) {  // the bus's own time-out ends the wait too
      QEventLoop loop;
      QObject::connect(&call, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
      loop.exec();
    }
    if (call.isError()) return std::nullopt;
    return call.reply();
  }
  QString Name(const Node& node) {
    const auto reply =
        Call(node, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
             {QString::fromLatin1(kAccessible), QStringLiteral("Name")});
    if (!reply) return {};
    return qvariant_cast<QDBusVariant>(reply->arguments().value(0)).variant().toString();
  }
  unsigned Role(const Node& node) {
    const auto reply = Call(node, QString::fromLatin1(kAccessible), QStringLiteral("GetRole"));
    return reply ? reply->arguments().value(0).toUInt() : 0;
  }
  std::vector<Node> Children(const Node& node) {
    std::vector<Node> nodes;
    const auto reply = Call(node, QString::fromLatin1(kAccessible), QStringLiteral("GetChildren"));
    if (!reply) return nodes;
    const QDBusArgument list = qvariant_cast<QDBusArgument>(reply->arguments().value(0));
    list.beginArray();
    while (!list.atEnd()) {
      Node child;
      QDBusObjectPath path;
      list.beginStructure();
      list >> child.service >> path;
      list.endStructure();
      child.path = path.path();
      nodes.push_back(child);
    }
    list.endArray();
    return nodes;
  }
  Node ChildAt(const Node& node, int index) {
    const auto reply =
        Call(node, QString::fromLatin1(kAccessible), QStringLiteral("GetChildAtIndex"), {index});
    Node child;
    if (!reply) return child;
    const QDBusArgument value = qvariant_cast<QDBusArgument>(reply->arguments().value(0));
    QDBusObjectPath path;
    value.beginStructure();
    value >> child.service >> path;
    value.endStructure();
    child.path = path.path();
    return child;
  }
  // The first node under `root`, breadth first, that `wanted` accepts.
  template <typename Wanted>
  std::optional<Node> Find(const Node& root, Wanted wanted) {
    std::deque<Node> queue{root};
    for (int visited = 0; !queue.empty() && visited < 2000; ++visited) {
      const Node node = queue.front();
      queue.pop_front();
      if (wanted(node)) return node;
      for (const Node& child : Children(node))
        queue.push_back(child);
    }
    return std::nullopt;
  }

 private:
  std::optional<QDBusConnection> bus_;
};

using AccessibilityBus = testing::BoardFixture;

TEST_F(AccessibilityBus, AScreenReaderReadsSquaresAndPiecesAndFollowsAMove) {
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.windowHandle(), 10000));
  AtSpi atspi;
  ASSERT_TRUE(atspi.Connected()) << "no accessibility bus";
  const Node registry{QStringLiteral("org.a11y.atspi.Registry"),
                      QStringLiteral("/org/a11y/atspi/accessible/root")};
  // This program is the only application on its own bus.
  std::vector<Node> apps;
  ASSERT_TRUE(QTest::qWaitFor([&] { return !(apps = atspi.Children(registry)).empty(); }, 10000));
  const Node app = apps.front();

  NewGame();
  const std::optional<Node> board = atspi.Find(app, [&](const Node& n) {
    return atspi.Role(n) == kRoleList && atspi.Name(n) == QStringLiteral("Board");
  });
  ASSERT_TRUE(board);
  auto square = [&](Square s) { return atspi.ChildAt(*board, BoardKeyboard::IndexOf(s)); };
  EXPECT_EQ(atspi.Name(square({4, 0})).toStdString(), "Fir Tree on e0");
  EXPECT_EQ(atspi.Role(square({4, 0})), kRoleListItem);
  EXPECT_EQ(atspi.Name(square({4, 4})).toStdString(), "e4, empty");
  EXPECT_TRUE(atspi.Find(
      app, [&](const Node& n) { return atspi.Name(n) == QStringLiteral("Oak Tree on e9"); }));

  QTest::keyClicks(&form.Keyboard(), QStringLiteral("a2a3"));
  QTest::keyClick(&form.Keyboard(), Qt::Key_Return);
  ASSERT_EQ(form.game().RecordCount(), 1);
  EXPECT_EQ(atspi.Name(square({0, 2})).toStdString(), "a2, empty");
  EXPECT_EQ(atspi.Name(square({0, 3})).toStdString(), "Fir Ant on a3");
  EXPECT_TRUE(atspi.Find(app, [&](const Node& n) {
    return atspi.Role(n) != kRoleListItem && atspi.Name(n) == QStringLiteral("Fir Ant on a3");
  }));  // the piece's own image
}

}  // namespace
}  // namespace tamsok

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  tamsok::InitApplication(app);
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
