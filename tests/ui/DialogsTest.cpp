// The secondary windows: their controls and the behaviour that belongs to the window itself.
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

#include "tests/ui/UiTestSupport.h"
#include "ui/About.h"
#include "ui/Chatting.h"
#include "ui/GameProtocolForm.h"
#include "ui/InputIP.h"
#include "ui/Kibo.h"
#include "ui/Request.h"
#include "ui/SpinEdit.h"

namespace tamsok {
namespace {

using testing::BoardFixture;

// Moves the input focus out of a spin edit the way a user does, by focusing another field.
void LeaveEdit(QDialog& dialog, SpinEdit& from, QWidget& to) {
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog, 5000));
  from.Edit()->setFocus();
  ASSERT_EVENTUALLY(from.Edit()->hasFocus(), 5000);
  to.setFocus();
  ASSERT_EVENTUALLY(!from.Edit()->hasFocus(), 5000);
}

void Retype(SpinEdit& spin, const char* text) {
  spin.Edit()->clear();
  QTest::keyClicks(spin.Edit(), QString::fromUtf8(text));
}

TEST_F(BoardFixture, WindowsHaveTheirCaptionsAndSizes) {
  struct Row {
    QWidget* window;
    const char* caption;
    QSize client;
  };
  const Row rows[] = {
      {form.ChatForm(), "Chatting window", {588, 118}},
      {form.AboutBox(), "About", {330, 269}},
      {form.KiboForm(), "Move History", {186, 119}},
      {form.ProtocolForm(), "Room status", {534, 190}},
      {form.RequestForm(), "Request game (always fir camp first)", {0, 0}},
      {form.InputIPForm(), "Input Server IP", {0, 0}},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(r.window->windowTitle().toStdString(), r.caption);
    EXPECT_FALSE(r.window->isVisible()) << r.caption;
    if (!r.client.isEmpty()) {
      EXPECT_EQ(r.window->size(), r.client) << r.caption;
    }
  }
  TKiboForm& kibo = *form.KiboForm();
  EXPECT_EQ(kibo.MemoKibo->geometry(), QRect(0, 0, 186, 119));
  EXPECT_TRUE(kibo.MemoKibo->font().bold());
  EXPECT_EQ(kibo.MemoKibo->font().pixelSize(), 12);

  TChatForm& chat = *form.ChatForm();
  EXPECT_EQ(chat.MemoR->toPlainText().toStdString(), "[Receive message]");
  EXPECT_EQ(chat.EditHead->text().toStdString(), "Head");
  EXPECT_EQ(chat.MemoS->toPlainText().toStdString(), "msg");
  EXPECT_EQ(chat.MemoS->geometry(), QRect(80, 96, 400, 19));
  EXPECT_EQ(chat.EditHead->font().family().toStdString(), "NanumGothic");

  TProtocolForm& room = *form.ProtocolForm();
  EXPECT_EQ(room.LBxReq->geometry(), QRect(8, 40, 337, 145));
  EXPECT_EQ(room.LBxIP->geometry(), QRect(352, 40, 177, 145));

  TInputIPForm& ip = *form.InputIPForm();
  EXPECT_TRUE(ip.cbIP->isEditable());
  EXPECT_EQ(ip.cbIP->geometry(), QRect(72, 24, 153, 21));
  EXPECT_TRUE(ip.BitBtn1->isDefault());
}

TEST_F(BoardFixture, RequestDialogOpensWithItsDefaults) {
  TRequestForm& r = *form.RequestForm();
  EXPECT_EQ(r.TreeIndex(), 0);
  EXPECT_EQ(r.rgTree->title().toStdString(), "My Tree");
  EXPECT_EQ(r.rbFir->text().toStdString(), "Fir(Green)");
  EXPECT_EQ(r.rbOak->text().toStdString(), "Oak(Red)");
  EXPECT_EQ(r.seUnitTime->Value(), 30);
  EXPECT_EQ(r.seNExceed->Value(), 5);
  EXPECT_EQ(r.seRetract->Value(), 0);
  EXPECT_EQ(r.seUnitTime->Edit()->maxLength(), 3);
  EXPECT_EQ(r.seNExceed->Edit()->maxLength(), 2);
  EXPECT_EQ(r.seUnitTime->geometry(), QRect(168, 16, 49, 22));
  EXPECT_TRUE(r.BitBtn1->isDefault());
}

TEST_F(BoardFixture, SpinEditBringsATypedValueIntoRangeWhenLeft) {
  TRequestForm& r = *form.RequestForm();
  Retype(*r.seUnitTime, "700");
  EXPECT_EQ(r.seUnitTime->Text().toStdString(), "700");
  LeaveEdit(r, *r.seUnitTime, *r.seNExceed->Edit());
  EXPECT_EQ(r.seUnitTime->Text().toStdString(), "600");
  EXPECT_EQ(r.seUnitTime->Value(), 600);

  Retype(*r.seUnitTime, "5");
  LeaveEdit(r, *r.seUnitTime, *r.seNExceed->Edit());
  EXPECT_EQ(r.seUnitTime->Value(), 10);

  // Text that is no number stays, and reads as the minimum.
  r.seUnitTime->Edit()->clear();
  LeaveEdit(r, *r.seUnitTime, *r.seNExceed->Edit());
  EXPECT_EQ(r.seUnitTime->Text().toStdString(), "");
  EXPECT_EQ(r.seUnitTime->Value(), 10);
  r.hide();
}

TEST_F(BoardFixture, SpinEditFiltersTypedCharacters) {
  SpinEdit& spin = *form.RequestForm()->seUnitTime;
  Retype(spin, "1a2b");
  EXPECT_EQ(spin.Text().toStdString(), "12");
  Retype(spin, "+45");
  EXPECT_EQ(spin.Text().toStdString(), "+45");
  EXPECT_EQ(spin.Value(), 45);
  Retype(spin, "-7");
  EXPECT_EQ(spin.Text().toStdString(), "-7");
  EXPECT_EQ(spin.Value(), 10);  // read within the range
  Retype(spin, "1234");
  EXPECT_EQ(spin.Text().toStdString(), "123");  // at most three characters
  QTest::keyClick(spin.Edit(), Qt::Key_Backspace);
  EXPECT_EQ(spin.Text().toStdString(), "12");
}

TEST_F(BoardFixture, SpinEditArrowsStepWithinTheRange) {
  SpinEdit& unit = *form.RequestForm()->seUnitTime;
  unit.SetValue(599);
  QTest::keyClick(unit.Edit(), Qt::Key_Up);
  EXPECT_EQ(unit.Value(), 600);
  QTest::keyClick(unit.Edit(), Qt::Key_Up);
  unit.UpButton()->click();
  EXPECT_EQ(unit.Text().toStdString(), "600");

  SpinEdit& retract = *form.RequestForm()->seRetract;
  retract.DownButton()->click();
  EXPECT_EQ(retract.Value(), 0);
  retract.UpButton()->click();
  retract.UpButton()->click();
  EXPECT_EQ(retract.Value(), 2);
  QTest::keyClick(retract.Edit(), Qt::Key_Down);
  EXPECT_EQ(retract.Value(), 1);

  Retype(unit, "");
  unit.UpButton()->click();  // no number counts as the minimum
  EXPECT_EQ(unit.Value(), 11);
}

TEST_F(BoardFixture, RequestDialogKeepsItsValuesBetweenOpenings) {
  TRequestForm& r = *form.RequestForm();
  auto openAndClose = [&] {
    QTimer::singleShot(0, &r, [&r] { r.BitBtn1->click(); });
    r.exec();
  };
  openAndClose();
  r.SetTreeIndex(1);
  Retype(*r.seUnitTime, "45");
  Retype(*r.seNExceed, "7");
  r.seRetract->UpButton()->click();
  openAndClose();
  EXPECT_FALSE(r.isVisible());
  openAndClose();
  EXPECT_EQ(r.TreeIndex(), 1);
  EXPECT_EQ(r.seUnitTime->Value(), 45);
  EXPECT_EQ(r.seNExceed->Value(), 7);
  EXPECT_EQ(r.seRetract->Value(), 1);
}

TEST_F(BoardFixture, ChatEnterSendsTheComposedLastLine) {
  TChatForm& chat = *form.ChatForm();
  std::vector<std::string> sent;
  chat.SendChatLine = [&](const QString& line) { sent.push_back(line.toStdString()); };
  QTest::keyClick(chat.MemoS, Qt::Key_End);
  QTest::keyClick(chat.MemoS, Qt::Key_Return);
  QTest::keyClicks(chat.MemoS, QStringLiteral("hello"));
  chat.EditHead->setText(QStringLiteral("Guest"));
  QTest::keyClick(chat.MemoS, Qt::Key_Return);
  QTest::keyClick(chat.MemoS, Qt::Key_Return);
  QTest::keyClick(chat.MemoS, Qt::Key_A);  // other keys send nothing
  EXPECT_EQ(sent, (std::vector<std::string>{"[Head] msg", "[Guest] hello", "[Guest] "}));
  EXPECT_EQ(chat.MemoS->toPlainText().toStdString(), "a");  // each Enter empties it
}

// The log stays on its newest line, also while the window is hidden, until the user scrolls
// up; scrolled back to the end, it follows again.
TEST_F(BoardFixture, ChatLogFollowsTheNewestLineUnlessScrolledUp) {
  TChatForm& chat = *form.ChatForm();
  QScrollBar& bar = *chat.MemoR->verticalScrollBar();
  for (int i = 0; i < 40; ++i)
    chat.AppendReceived(QStringLiteral("line %1").arg(i));
  chat.show();
  ASSERT_EVENTUALLY(bar.maximum() > 0 && bar.value() == bar.maximum(), 2000);
  bar.triggerAction(QAbstractSlider::SliderPageStepSub);
  const int up = bar.value();
  chat.AppendReceived(QStringLiteral("more"));
  EXPECT_EQ(bar.value(), up);
  bar.triggerAction(QAbstractSlider::SliderToMaximum);
  chat.AppendReceived(QStringLiteral("newest"));
  EXPECT_EQ(bar.value(), bar.maximum());
}

TEST_F(BoardFixture, RoomListsKeepLinesUniqueAndHonourTheLock) {
  TProtocolForm& room = *form.ProtocolForm();
  TProtocolForm::AddUniqueLine(*room.LBxIP, QStringLiteral("127.0.0.1"));
  TProtocolForm::AddUniqueLine(*room.LBxIP, QStringLiteral("127.0.0.1"));
  TProtocolForm::AddUniqueLine(*room.LBxIP, QStringLiteral("127.0.0.2"));
  EXPECT_EQ(room.LBxIP->count(), 2);
  TProtocolForm::RemoveFirstLine(*room.LBxIP, QStringLiteral("127.0.0.1"));
  ASSERT_EQ(room.LBxIP->count(), 1);
  EXPECT_EQ(room.LBxIP->item(0)->text().toStdString(), "127.0.0.2");

  std::vector<std::string> accepted;
  room.AcceptLine = [&](const std::string& line) { accepted.push_back(line); };
  TProtocolForm::AddUniqueLine(*room.LBxReq, QStringLiteral("line"));
  room.LBxReqDblClick();  // nothing selected
  room.LBxReq->setCurrentRow(0);
  room.LockRequests();
  room.LBxReqDblClick();
  EXPECT_TRUE(accepted.empty());
  form.UnlockRequests();
  room.LBxReqDblClick();
  EXPECT_EQ(accepted, std::vector<std::string>{"line"});
}

}  // namespace
}  // namespace tamsok
