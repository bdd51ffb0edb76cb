// Shared pieces of the widget tests: a prompt recorder in place of modal boxes and dialogs,
// a fixture with the real windows, and mouse gestures on the piece images.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QTest>

#include "rules/Frames.h"
#include "ui/mainBoard.h"

// Dispatches events until `condition` holds, and fails the test when it does not within `ms`
// milliseconds. Qt's QTRY_* macros report to Qt Test, which a GoogleTest run never hears from:
// a wait that timed out there would end the test as a pass.
#define ASSERT_EVENTUALLY(condition, ms) \
  ASSERT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(condition); }, ms)) << #condition

namespace tamsok::testing {

// Records every box and dialog instead of showing it; boxes answer from `answers`, OK when
// it is empty.
class RecordingPrompts : public UiPrompts {
 public:
  std::vector<std::string> log;
  std::deque<BoxAnswer> answers;
  // What the file dialogs hand back: the user's choice, empty for Cancel.
  QString openPath, savePath;

  BoxAnswer MessageBox(QWidget*, const QString& text, const QString& caption, BoxButtons) override {
    log.push_back("box:" + caption.toStdString() + "|" + text.toStdString());
    if (answers.empty()) return BoxAnswer::Ok;
    const BoxAnswer a = answers.front();
    answers.pop_front();
    return a;
  }
  QString OpenFileDialog(QWidget*, const QString& title, const QString& fileName) override {
    log.push_back("open:" + title.toStdString() + "|" + fileName.toStdString());
    return openPath;
  }
  QString SaveFileDialog(QWidget*, const QString& title, const QString& fileName) override {
    log.push_back("save:" + title.toStdString() + "|" + fileName.toStdString());
    return savePath;
  }
  void RunModal(QDialog& dialog) override {
    log.push_back("modal:" + dialog.objectName().toStdString());
    if (onModal) onModal(dialog);
  }
  // Runs while a dialog is "shown", as the user would fill it in.
  std::function<void(QDialog&)> onModal;
};

// The main window and the six others, created as the program creates them, with recorded
// prompts, instant glides and a fixed station identifier.
struct BoardFixture : ::testing::Test {
  TBoardForm form{12345u};
  RecordingPrompts prompts;
  std::vector<std::string> sentToAll, sentToServer;
  int socketCloses = 0;

  BoardFixture() {
    form.CreateSecondaryWindows();
    form.SetPrompts(&prompts);
    form.SetGlideStepDelay(0);
    form.Peer().sendToAll = [this](const std::string& t) { sentToAll.push_back(t); };
    form.Peer().sendToServer = [this](const std::string& t) { sentToServer.push_back(t); };
    form.CloseSockets = [this] { ++socketCloses; };
    form.show();
  }
  ~BoardFixture() override {
    for (QWidget* w : QApplication::topLevelWidgets())
      w->hide();
  }

  QAction* Item(const char* name) {
    QAction* a = form.Action(QString::fromUtf8(name));
    EXPECT_NE(a, nullptr) << name;
    return a;
  }
  std::string Panel(int i) const { return form.StatusPanel(i)->text().toStdString(); }
  // The square of the viewing side's frame that shows the canonical square.
  Square View(Square canonical) const { return FromCanonical(form.game().ViewSide(), canonical); }
  QPoint ImagePos(PieceId p) const { return form.PieceImage(p)->pos(); }
  QPoint SquarePos(Square s) const {
    const PixelPos px = form.Geometry().SquarePixel(s);
    return {px.left, px.top};
  }
  QPoint MarkerPos() const { return form.ImgLastPosition()->pos(); }

  // Presses the left button at the image's centre, drags the image by `delta` and releases,
  // with `keys` held at the release.
  void Drag(PieceId p, QPoint delta, Qt::KeyboardModifiers keys = Qt::NoModifier) {
    PieceImageControl* image = form.PieceImage(p);
    const QPoint grip(20, 20);
    QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, grip);
    QTest::mouseMove(image, grip + delta);
    // The image followed the pointer, so the pointer is on the grip again.
    QTest::mouseRelease(image, Qt::LeftButton, keys, grip);
  }
  // Drags the image so that its corner lands exactly on `corner`.
  void DragCornerTo(PieceId p, QPoint corner) { Drag(p, corner - ImagePos(p)); }
  void DragTo(PieceId p, Square s) { DragCornerTo(p, SquarePos(s)); }

  void NewGame() { Item("miNew")->trigger(); }
};

}  // namespace tamsok::testing
