// Two copies of the program in one process, a room and a player, playing over loopback with
// real mouse events on their windows.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTextBlock>

#include "net/TextCodec.h"
#include "rules/Frames.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/Chatting.h"
#include "ui/GameProtocolForm.h"
#include "ui/InputIP.h"

namespace tamsok {
namespace {

using testing::RecordingPrompts;

// One copy: its windows, recorded prompts and instant glides.
struct Copy {
  TBoardForm form;
  RecordingPrompts prompts;

  Copy(unsigned seed, const std::filesystem::path& ini) : form(seed) {
    form.CreateSecondaryWindows(0, ini);
    form.SetPrompts(&prompts);
    form.SetGlideStepDelay(0);
    form.show();
  }
  QAction* Item(const char* name) { return form.Action(QString::fromUtf8(name)); }
  QPoint ImagePos(PieceId p) const { return form.PieceImage(p)->pos(); }
  QPoint SquarePos(Square s) const {
    const PixelPos px = form.Geometry().SquarePixel(s);
    return {px.left, px.top};
  }
  void DragTo(PieceId p, Square s) {
    PieceImageControl* image = form.PieceImage(p);
    const QPoint grip(20, 20);
    QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, grip);
    QTest::mouseMove(image, grip + SquarePos(s) - ImagePos(p));
    QTest::mouseRelease(image, Qt::LeftButton, Qt::NoModifier, grip);
  }
  bool Logged(const std::string& entry) const {
    return std::find(prompts.log.begin(), prompts.log.end(), entry) != prompts.log.end();
  }
  QString Received() const { return form.ChatForm()->MemoR->toPlainText(); }
};

class TwoCopies : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  std::unique_ptr<Copy> room, player;

  std::filesystem::path Ini(const char* name) {
    return std::filesystem::path(dir.path().toStdString()) / name;
  }

  void SetUp() override {
    room = std::make_unique<Copy>(1u, Ini("room.ini"));
    player = std::make_unique<Copy>(2u, Ini("player.ini"));
    room->Item("miCreateRoom")->trigger();
    ASSERT_TRUE(room->form.Net()->server().IsActive());
    EXPECT_TRUE(room->Item("miCreateRoom")->isChecked());
    EXPECT_TRUE(room->form.ProtocolForm()->isVisible());
    player->form.Net()->client().SetPort(room->form.Net()->server().Port());
    player->prompts.onModal = [](QDialog& dialog) {
      if (auto* input = dynamic_cast<TInputIPForm*>(&dialog))
        input->cbIP->setCurrentText(QStringLiteral("127.0.0.1"));
    };
    player->Item("miConnect")->trigger();
    ASSERT_EVENTUALLY(player->form.game().Mode() == GameMode::ClientFree, 5000);
    EXPECT_TRUE(player->Item("miConnect")->isChecked());
    EXPECT_TRUE(player->Item("miReqGame")->isEnabled());
  }

  void TearDown() override {
    for (QWidget* w : QApplication::topLevelWidgets())
      w->hide();
  }
};

TEST_F(TwoCopies, RequestAcceptPlayToATreeCaptureAndChat) {
  QListWidget* ips = room->form.ProtocolForm()->LBxIP;
  ASSERT_EVENTUALLY(ips->count() == 1, 5000);
  EXPECT_EQ(ips->item(0)->text(), QStringLiteral("127.0.0.1"));

  player->Item("miR180")->trigger();  // the player looks from its own side
  player->Item("miReqGame")->trigger();
  QListWidget* requests = room->form.ProtocolForm()->LBxReq;
  ASSERT_EVENTUALLY(requests->count() == 1, 5000);
  EXPECT_TRUE(requests->item(0)->text().startsWith(
      QStringLiteral("[      127.0.0.1][Fir][ 30][  5][  0][")));

  // The room's user double-clicks the request and confirms it.
  const QPoint at = requests->visualItemRect(requests->item(0)).center();
  QTest::mouseClick(requests->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(requests->viewport(), Qt::LeftButton, {}, at);
  EXPECT_TRUE(room->Logged("box:Confirm|" + requests->item(0)->text().toStdString()));
  EXPECT_EQ(room->form.game().Mode(), GameMode::ServerPlaying);
  EXPECT_FALSE(room->form.ProtocolForm()->isVisible());
  ASSERT_EVENTUALLY(player->form.game().Mode() == GameMode::ClientPlaying, 5000);
  EXPECT_TRUE(player->form.game().CanHandlePieces());
  EXPECT_TRUE(
      player->Logged("box:Start new game|" + requests->item(0)->text().mid(17).toStdString()));

  // The player (Fir, seen from side 2) moves an Ant with the mouse.
  player->DragTo(18, {9, 6});
  EXPECT_EQ(player->ImagePos(18), player->SquarePos({9, 6}));
  ASSERT_EVENTUALLY(room->ImagePos(18) == room->SquarePos({0, 3}), 5000);
  EXPECT_EQ(room->form.ImgLastPosition()->pos(), room->SquarePos({0, 3}) - QPoint(5, 5));

  // The room (Oak) steps its Tree forward; the player sees it glide to its own frame.
  room->DragTo(30, {4, 8});
  ASSERT_EVENTUALLY(player->ImagePos(30) == player->SquarePos({5, 1}), 5000);

  // Chat from the player's window: Enter sends the last line.
  QTest::keyClick(player->form.ChatForm()->MemoS, Qt::Key_Return);
  ASSERT_EVENTUALLY(room->Received().contains(QStringLiteral("[127.0.0.1][Head] msg")), 5000);
  ASSERT_EVENTUALLY(player->Received().endsWith(QStringLiteral("[Head] msg")), 5000);

  // Fir's Lightning strikes Oak's Tree: both copies announce Fir.
  player->DragTo(1, {5, 1});
  ASSERT_EVENTUALLY(player->Logged("box:Game over|Fir Win"), 5000);
  EXPECT_TRUE(room->Logged("box:Game over|Fir Win"));
  EXPECT_EQ(room->form.game().Mode(), GameMode::ServerFree);
  EXPECT_EQ(player->form.game().Mode(), GameMode::ClientFree);
  EXPECT_EQ(room->ImagePos(30), QPoint(742, 470));  // Oak's first tray slot
  EXPECT_EQ(player->ImagePos(30), QPoint(742, 470));
  EXPECT_FALSE(room->form.ProtocolForm()->RequestsLocked);
}

TEST_F(TwoCopies, ServerModeOffDropsThePlayerAndTheSettingsFileRemembersTheAddress) {
  room->Item("miCreateRoom")->trigger();
  EXPECT_FALSE(room->Item("miCreateRoom")->isChecked());
  EXPECT_EQ(room->form.game().Mode(), GameMode::LocalFree);
  ASSERT_EVENTUALLY(player->form.game().Mode() == GameMode::LocalFree, 5000);
  EXPECT_FALSE(player->Item("miConnect")->isChecked());
  EXPECT_EQ(player->form.StatusPanel(kPanelConnection)->text(), QStringLiteral("Disconnected"));

  // The next connection lists the address used before.
  player->prompts.onModal = [](QDialog& dialog) {
    if (auto* input = dynamic_cast<TInputIPForm*>(&dialog)) {
      EXPECT_EQ(input->cbIP->itemText(0), QStringLiteral("127.0.0.1"));
    }
  };
  player->Item("miConnect")->trigger();
  EXPECT_EQ(player->form.InputIPForm()->cbIP->count(), 1);
}

// The room lists its own chat lines as its clients see them, and "Chat only" leaves the chat
// lines of the log: the protocol lines go and come back, the wire is untouched.
TEST_F(TwoCopies, TheRoomListsItsOwnLinesAndChatOnlyHidesTheProtocol) {
  player->Item("miReqGame")->trigger();
  ASSERT_EVENTUALLY(room->Received().contains(QStringLiteral("[127.0.0.1]Requested")), 5000);
  TChatForm& chat = *room->form.ChatForm();
  chat.MemoS->setPlainText(QStringLiteral("hi"));
  QTest::keyClick(chat.MemoS, Qt::Key_Return);
  EXPECT_TRUE(chat.MemoS->toPlainText().isEmpty());
  EXPECT_TRUE(room->Received().endsWith(QStringLiteral("\n[Head] hi")));
  ASSERT_EVENTUALLY(player->Received().endsWith(QStringLiteral("\n[Head] hi")), 5000);
  QTest::keyClick(player->form.ChatForm()->MemoS, Qt::Key_Return);
  ASSERT_EVENTUALLY(room->Received().endsWith(QStringLiteral("[127.0.0.1][Head] msg")), 5000);

  const QString everything = room->Received();
  chat.cbChatOnly->click();
  EXPECT_EQ(room->Received(),
            QStringLiteral("[Receive message]\n[Head] hi\n[127.0.0.1][Head] msg"));
  chat.cbChatOnly->click();
  EXPECT_EQ(room->Received(), everything);
}

// A 4 MiB chat line without a blank, with both chat windows open: the room passes it on
// byte for byte and both windows show it at once, cut, with its length.
TEST_F(TwoCopies, AHugeChatLineIsRelayedWholeAndShownCut) {
  room->form.ChatForm()->show();
  player->form.ChatForm()->show();
  QTcpSocket listener;  // shares the player's address, so it gets the room's echo too
  listener.connectToHost(QHostAddress::LocalHost, room->form.Net()->server().Port());
  QTRY_COMPARE_WITH_TIMEOUT(room->form.Net()->server().ConnectionCount(), std::size_t{2}, 5000);
  QByteArray got;
  QObject::connect(&listener, &QTcpSocket::readyRead, [&] { got += listener.readAll(); });

  const std::string line = "[Head] " + std::string(std::size_t{4} << 20, 'y');
  player->form.Net()->SendChatLine(line);
  QTRY_VERIFY_WITH_TIMEOUT(got.size() >= static_cast<qsizetype>(line.size()), 30000);
  EXPECT_TRUE(got.toStdString() == line);
  for (Copy* copy : {room.get(), player.get()}) {
    QTRY_VERIFY_WITH_TIMEOUT(copy->Received().contains(QStringLiteral(" bytes in all]")), 30000);
    const QTextDocument& shown = *copy->form.ChatForm()->MemoR->document();
    for (QTextBlock b = shown.begin(); b.isValid(); b = b.next())
      EXPECT_LE(b.length(), static_cast<int>(kMaxShownBytes) + 64);
    EXPECT_LE(copy->form.StatusPanel(kPanelGame)->text().size(),
              static_cast<int>(kMaxShownBytes) + 64);
  }
}

// The room goes away in the middle of a game: the player's window keeps the game, saves it,
// and reconnects into it once the room is back; the room's window says it is waiting, and
// its user can claim the win when the wait is over.
TEST_F(TwoCopies, ALostRoomKeepsTheGameForSavingAndReconnecting) {
  player->Item("miReqGame")->trigger();
  QListWidget* requests = room->form.ProtocolForm()->LBxReq;
  ASSERT_EVENTUALLY(requests->count() == 1, 5000);
  const QPoint at = requests->visualItemRect(requests->item(0)).center();
  QTest::mouseClick(requests->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(requests->viewport(), Qt::LeftButton, {}, at);
  ASSERT_EVENTUALLY(player->form.game().Mode() == GameMode::ClientPlaying, 5000);
  QCoreApplication::processEvents();  // the player's board turns to Fir's camp
  const Square ahead = FromCanonical(player->form.game().ViewSide(), {0, 3});
  player->DragTo(18, ahead);
  ASSERT_EVENTUALLY(room->form.game().RecordCount() == 1, 5000);

  // The player's link breaks; the room says so over its board and the player gets one box.
  player->prompts.answers = {BoxAnswer::Cancel};  // "Close"
  player->form.Net()->client().Deactivate();
  ASSERT_EVENTUALLY(room->form.Net()->PlayerAway(), 5000);
  auto* notice = room->form.findChild<QWidget*>(QStringLiteral("AwayNotice"));
  ASSERT_NE(notice, nullptr);
  EXPECT_TRUE(notice->isVisible());
  EXPECT_EQ(notice->findChild<QLabel*>(QStringLiteral("AwayNoticeText"))->text(),
            QStringLiteral("Fir's player left: waiting 60 s for them to return"));
  auto* claim = notice->findChild<QPushButton*>(QStringLiteral("btnClaimWin"));
  EXPECT_FALSE(claim->isVisible());
  for (PieceId p = 0; p < kPieceCount; ++p)  // it hides nothing of the game
    EXPECT_FALSE(notice->geometry().intersects(room->form.PieceImage(p)->geometry())) << p;
  ASSERT_EVENTUALLY(player->Logged("box:Room lost|The room at 127.0.0.1 closed the connection.\n"
                                   "The game stays on the board and can be saved. Reconnect to "
                                   "go on with it if the room still waits for you."),
                    5000);
  EXPECT_EQ(player->ImagePos(18), player->SquarePos(ahead));
  ASSERT_TRUE(player->Item("miSave")->isEnabled());
  player->prompts.savePath = QString::fromStdString(Ini("kept.TMK").string());
  player->Item("miSaveas")->trigger();
  EXPECT_TRUE(std::filesystem::exists(Ini("kept.TMK")));

  // Reconnect: the game goes on from where it stood, the player's turn again after Oak.
  player->form.Net()->Reconnect();
  ASSERT_EVENTUALLY(!room->form.Net()->PlayerAway(), 5000);
  EXPECT_FALSE(notice->isVisible());
  ASSERT_EVENTUALLY(player->form.game().CanHandlePieces() && player->form.game().RecordCount() == 1,
                    5000);
  room->DragTo(30, {4, 8});
  ASSERT_EVENTUALLY(player->form.game().RecordCount() == 2, 5000);

  // Gone again, with no wait left: the room's user claims the win with the button.
  room->form.Net()->SetGraceSeconds(0);
  player->form.Net()->client().Deactivate();
  ASSERT_EVENTUALLY(claim->isVisible(), 5000);
  EXPECT_TRUE(notice->rect().contains(claim->geometry()));
  QTest::mouseClick(claim, Qt::LeftButton);
  EXPECT_EQ(room->form.game().Mode(), GameMode::ServerFree);
  EXPECT_TRUE(room->Logged("box:Game over|Oak Win"));
  EXPECT_FALSE(notice->isVisible());
}

}  // namespace
}  // namespace tamsok
