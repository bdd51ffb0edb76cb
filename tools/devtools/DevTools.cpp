#include "tools/devtools/DevTools.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <span>
#include <vector>

#include <unistd.h>

#include "rules/Catalogue.h"
#include "rules/Frames.h"
#include "rules/Influence.h"
#include "rules/MoveCheck.h"
#include "tools/devtools/DemoGame.h"
#include "ui/About.h"
#include "ui/Analysis.h"
#include "ui/BoardKeyboard.h"
#include "ui/BoardOverlay.h"
#include "ui/Chatting.h"
#include "ui/GameProtocolForm.h"
#include "ui/Glide.h"
#include "ui/HowToPlay.h"
#include "ui/InputIP.h"
#include "ui/Kibo.h"
#include "ui/LearningTools.h"
#include "ui/Request.h"
#include "ui/Review.h"
#include "ui/WindowParts.h"
#include "ui/mainBoard.h"

namespace tamsok {

namespace {

// Runs the event loop until `done` holds or `timeoutMs` passed; false on time-out.
template <typename Done>
bool ProcessUntil(Done done, int timeoutMs) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

bool ShowAndWait(QWidget& window) {
  window.show();
  return ProcessUntil([&] { return window.windowHandle() && window.windowHandle()->isExposed(); },
                      5000);
}

// Writes a picture of the widget, or of the part `region` of it.
bool Save(QWidget& widget, const QString& dir, const QString& name,
          const QRect& region = QRect(QPoint(0, 0), QSize(-1, -1))) {
  QCoreApplication::processEvents();
  const QString path = QDir(dir).filePath(name);
  const bool ok = widget.grab(region).save(path, "PNG");
  std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
  return ok;
}

// Counts the paint events of every widget of the application.
class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

long ResidentKilobytes() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
  return -1;
}

// Milliseconds since the kernel started this process (its start time has 10 ms steps); -1
// when /proc cannot tell.
double ProcessAgeMs() {
  QFile stat(QStringLiteral("/proc/self/stat"));
  if (!stat.open(QIODevice::ReadOnly)) return -1;
  const QByteArray text = stat.readAll();
  // Fields after the command name, which is in parentheses: the start time is field 22.
  const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
  if (fields.size() < 20) return -1;
  const double startSeconds = fields[19].toDouble() / static_cast<double>(sysconf(_SC_CLK_TCK));
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  return (static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9 - startSeconds) * 1000.0;
}

void SendMouse(QWidget& target, QEvent::Type type, QPoint pos, Qt::MouseButtons held) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, pos, target.mapToGlobal(pos), button, held, Qt::NoModifier);
  QApplication::sendEvent(&target, &event);
}

// The skin items, in their menu order.
constexpr const char* kSkinItems[] = {"miSlate", "miWood", "miMarbtea", "miPBfoil"};

// A skin's name in picture file names, whatever the language of the menu: "miWood" is "wood".
QString SkinName(const char* item) {
  return QString::fromUtf8(item).mid(2).toLower();
}

// Writes a picture of the main window with the windows `over` it (menus, a box) drawn where
// they show, as a person sees them. A window with a caption gets a plain frame and title bar,
// which a display without a window manager does not draw.
bool SaveWithWindowsOver(TBoardForm& board, std::initializer_list<QWidget*> over,
                         const QString& dir, const QString& name) {
  QPixmap picture = board.grab();
  QPainter painter(&picture);
  for (QWidget* window : over) {
    const QRect at(board.mapFromGlobal(window->geometry().topLeft()), window->size());
    painter.drawPixmap(at.topLeft(), window->grab());
    if (window->windowTitle().isEmpty()) continue;
    const QRect title(at.left(), at.top() - 20, at.width(), 20);
    painter.fillRect(title, window->palette().color(QPalette::Highlight));
    painter.setPen(window->palette().color(QPalette::HighlightedText));
    painter.drawText(title.adjusted(6, 0, 0, 0), Qt::AlignVCenter, window->windowTitle());
    painter.setPen(window->palette().color(QPalette::Dark));
    painter.drawRect(at.united(title).adjusted(0, 0, -1, -1));
  }
  painter.end();
  const QString path = QDir(dir).filePath(name);
  const bool ok = picture.save(path, "PNG");
  std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
  return ok;
}

// Message boxes shown long enough to take their picture over the main window, each answered
// with OK.
class PictureTakingPrompts : public QtPrompts {
 public:
  PictureTakingPrompts(TBoardForm& board, QString dir) : board_(board), dir_(std::move(dir)) {}
  BoxAnswer MessageBox(QWidget* owner, const QString& text, const QString& caption,
                       BoxButtons buttons) override {
    const std::unique_ptr<QMessageBox> box = MakeMessageBox(owner, text, caption, buttons);
    taken &= ShowAndWait(*box) &&
             SaveWithWindowsOver(board_, {box.get()}, dir_, QStringLiteral("message-box.png"));
    return BoxAnswer::Ok;
  }
  bool taken = true;

 private:
  TBoardForm& board_;
  QString dir_;
};

// The window with the Interface menu and its Language submenu open, and with the box that
// ends a local game by scoring, which needs 50 records.
bool TakeMenuAndBoxScreenshots(TBoardForm& board, const QString& dir) {
  auto* menu = board.findChild<QMenu*>(QStringLiteral("miEnvironmentEx"));
  auto* languages = board.findChild<QMenu*>(QStringLiteral("miLanguage"));
  const QMenuBar& bar = *board.menuBar();
  menu->popup(bar.mapToGlobal(bar.actionGeometry(menu->menuAction()).bottomLeft()));
  ShowAndWait(*menu);
  languages->popup(menu->mapToGlobal(menu->actionGeometry(languages->menuAction()).topRight()));
  ShowAndWait(*languages);
  bool ok = SaveWithWindowsOver(board, {menu, languages}, dir, QStringLiteral("window-menus.png"));
  languages->hide();
  menu->hide();

  PlayDemoGame(board.game(), kPieceCount, 50 - board.game().RecordCount());
  PictureTakingPrompts prompts(board, dir);
  UiPrompts& before = board.Prompts();
  board.SetPrompts(&prompts);
  board.game().miScoringClick();  // the game's own box, without the question before it
  board.SetPrompts(&before);
  return ok && prompts.taken;
}

// The board's marks: the legal targets of a held piece, the influence overlay on every skin
// and from every side, and its legend.
bool TakeMarkScreenshots(TBoardForm& board, const QString& dir) {
  const Game& game = board.game();
  // The pictures of the marks show the window down to the middle of the board, where the
  // marks of these positions are: the top six rows.
  const QRect topHalf(0, 0, board.width(),
                      board.BoardArea()->y() + board.Geometry().SquareTop[6] - 1);
  PieceId held = kNoPiece;
  std::size_t most = 0;
  for (PieceId p = 0; p < kPieceCount; ++p) {
    const std::size_t n = game.DropTargets(p).size();
    if (n > most) most = n, held = p;
  }
  bool ok = held != kNoPiece;
  if (ok) {
    PieceImageControl& image = *board.PieceImage(held);
    SendMouse(image, QEvent::MouseButtonPress, {20, 20}, Qt::LeftButton);
    SendMouse(image, QEvent::MouseMove, {44, 36}, Qt::LeftButton);       // on its way
    ok &= Save(board, dir, QStringLiteral("legal-moves.png"), topHalf);  // on the Slate board
    for (const char* name : std::span(kSkinItems).subspan(1)) {
      board.Action(QString::fromUtf8(name))->trigger();
      ok &= Save(board, dir, QStringLiteral("legal-moves-%1.png").arg(SkinName(name)), topHalf);
    }
    board.Action(QStringLiteral("miSlate"))->trigger();
    SendMouse(image, QEvent::MouseButtonRelease, {20, 20}, Qt::NoButton);
  }

  // The demo game goes on until a piece is frozen, so that every kind of mark shows; the extra
  // moves are taken back afterwards.
  auto anyFrozen = [&] {
    for (PieceId p = 0; p < kPieceCount; ++p)
      if (IsFrozen(game.board(), p)) return true;
    return false;
  };
  int extra = 0;
  for (; !anyFrozen() && extra < 60; ++extra)
    PlayDemoGame(board.game(), kPieceCount, 1);

  board.Action(QStringLiteral("miShowInfluence"))->trigger();
  for (const char* name : kSkinItems) {
    board.Action(QString::fromUtf8(name))->trigger();
    ok &= Save(board, dir, QStringLiteral("influence-%1.png").arg(SkinName(name)), topHalf);
  }
  board.Action(QStringLiteral("miSlate"))->trigger();
  for (int side = 1; side < 4; ++side) {
    board.game().SelectViewSide(side);
    ok &= Save(board, dir, QStringLiteral("influence-side%1.png").arg(side));
  }
  board.game().SelectViewSide(0);
  board.Action(QStringLiteral("miShowInfluence"))->trigger();
  for (; extra > 0; --extra)
    board.miUndoClick();

  QLabel legend(BoardOverlay::InfluenceLegend());
  legend.setObjectName(QStringLiteral("InfluenceLegend"));
  legend.setContentsMargins(4, 4, 4, 4);
  ShowAndWait(legend);
  ok &= Save(legend, dir, QStringLiteral("influence-legend.png"));
  return ok;
}

// A game against the computer: a hint for the player after the computer's first answer, then
// the computer thinking at its hardest.
bool TakeComputerScreenshots(TBoardForm& board, const QString& dir) {
  ComputerPlayer& computer = board.Computer();
  Game& game = board.game();
  auto idle = [&] { return !computer.WorkerBusy() && !computer.Searching(); };
  board.Action(QStringLiteral("miEasy"))->trigger();
  board.Action(QStringLiteral("miComputerOak"))->trigger();
  auto fail = [](const char* what) {
    std::fprintf(stderr, "tamsok: the game against the computer: %s\n", what);
    return false;
  };
  constexpr PieceId kAnt = 18;  // Fir's first Ant steps ahead
  const Square ahead =
      FromCanonical(game.ViewSide(), {InitialPosition[kAnt].x, InitialPosition[kAnt].y + 1});
  game.PlayDroppedPiece(kAnt, ahead.x, ahead.y);
  if (!ProcessUntil([&] { return game.RecordCount() == 2 && idle(); }, 20000))
    return fail("no answer");
  board.Action(QStringLiteral("miHint"))->trigger();
  if (!ProcessUntil([&] { return computer.ShownHint().has_value(); }, 10000))
    return fail("no hint");
  bool ok = Save(board, dir, QStringLiteral("computer-hint.png"));

  const engine::BoardMove hint = *computer.ShownHint();
  board.Action(QStringLiteral("miHard"))->trigger();
  game.PlayDroppedPiece(hint.piece, hint.to.x, hint.to.y);
  const QLabel& status = *board.StatusPanel(kPanelGame);
  // The thinking text ends in the depth reached, in any language.
  auto depthShown = [&] { return !status.text().isEmpty() && status.text().back().isDigit(); };
  if (!ProcessUntil(depthShown, 10000)) return fail("not thinking");
  ok &= Save(board, dir, QStringLiteral("computer-thinking.png"));
  board.Action(QStringLiteral("miStopThinking"))->trigger();
  if (!ProcessUntil([&] { return game.RecordCount() == 4 && idle(); }, 20000))
    return fail("no second answer");
  return ok;
}

// The rules window on a kind's page and its practice board, in two skins and two viewing
// sides.
bool TakeLearningScreenshots(TBoardForm& board, const QString& dir) {
  LearningTools& learning = board.Learning();
  board.Action(QStringLiteral("miHowToPlay"))->trigger();
  THowToPlayForm& window = *learning.HowToPlay();
  ShowAndWait(window);
  bool ok = true;
  struct Shot {
    const char* skin;
    int side;
    const char* page;
  };
  for (const Shot& shot :
       {Shot{"miSlate", 0, "LessonCloud"}, Shot{"miWood", 2, "LessonCloud"},
        Shot{"miSlate", 2, "LessonLightning"}, Shot{"miWood", 1, "LessonTree"}}) {
    board.Action(QString::fromUtf8(shot.skin))->trigger();
    board.game().SelectViewSide(shot.side);
    QCoreApplication::processEvents();
    for (int i = 0; i < window.LbxLessons->count(); ++i)
      if (window.LbxLessons->item(i)->data(Qt::UserRole).toString() == QLatin1String(shot.page))
        window.ShowLesson(i);
    const QString name = QStringLiteral("how-to-play-%1-%2-side%3.png")
                             .arg(QString::fromUtf8(shot.page).mid(6).toLower(),
                                  QString::fromUtf8(shot.skin).mid(2).toLower())
                             .arg(shot.side);
    ok &= Save(window, dir, name);
  }
  window.TryIt();
  TryItBoard& tryBoard = *window.TryBoard;
  const Square from = tryBoard.board().PiecePos[tryBoard.Subject()];
  const QPoint start = tryBoard.SquarePoint(from);
  SendMouse(tryBoard, QEvent::MouseButtonPress, start, Qt::LeftButton);
  SendMouse(tryBoard, QEvent::MouseMove, start + QPoint(30, 20), Qt::LeftButton);
  ok &= Save(window, dir, QStringLiteral("how-to-play-try-it.png"));
  SendMouse(tryBoard, QEvent::MouseButtonRelease, start, Qt::NoButton);
  window.hide();
  board.Action(QStringLiteral("miSlate"))->trigger();
  board.game().SelectViewSide(0);
  return ok;
}

// The analysis beside a middle game, in two skins and two viewing sides.
bool TakeAnalysisScreenshots(TBoardForm& board, const QString& dir) {
  AnalysisView& analysis = board.Learning().Analysis();
  board.Action(QStringLiteral("miAnalyse"))->trigger();
  bool ok = true;
  for (const auto& [skin, side] : {std::pair{"miSlate", 0}, std::pair{"miWood", 2}}) {
    board.Action(QString::fromUtf8(skin))->trigger();
    board.game().SelectViewSide(side);
    if (!ProcessUntil([&] { return analysis.Shown() && analysis.Shown()->depth >= 5; }, 20000)) {
      std::fprintf(stderr, "tamsok: the analysis did not reach depth 5\n");
      ok = false;
    }
    ok &= Save(board, dir,
               QStringLiteral("analysis-%1-side%2.png")
                   .arg(QString::fromUtf8(skin).mid(2).toLower())
                   .arg(side));
  }
  board.Action(QStringLiteral("miAnalyse"))->trigger();
  board.Action(QStringLiteral("miSlate"))->trigger();
  board.game().SelectViewSide(0);
  ProcessUntil(
      [&] { return !board.findChild<QWidget*>(QStringLiteral("AnalysisDock"))->isVisible(); },
      1000);
  return ok;
}

// The review of the demo game: its window, and the board before its first marked move with
// the better move's arrow, in two skins and two viewing sides.
bool TakeReviewScreenshots(TBoardForm& board, const QString& dir) {
  GameReview& review = board.Learning().Review();
  board.Action(QStringLiteral("miReviewGame"))->trigger();
  if (!ProcessUntil([&] { return review.Result() && !review.Running(); }, 60000)) {
    std::fprintf(stderr, "tamsok: the review did not end\n");
    return false;
  }
  TReviewForm& window = *review.Window();
  ShowAndWait(window);
  int marked = -1;
  const review::Review& r = *review.Result();
  for (std::size_t i = 0; i < r.moves.size() && marked < 0; ++i)
    if (r.moves[i].mark >= review::Mark::Mistake) marked = static_cast<int>(i);
  const int last = board.game().RecordCount();
  bool ok = true;
  if (marked >= 0) {
    review.GoToPly(marked);
    for (const auto& [skin, side] : {std::pair{"miSlate", 0}, std::pair{"miWood", 2}}) {
      board.Action(QString::fromUtf8(skin))->trigger();
      board.game().SelectViewSide(side);
      QCoreApplication::processEvents();
      ok &= Save(board, dir,
                 QStringLiteral("review-board-%1-side%2.png")
                     .arg(QString::fromUtf8(skin).mid(2).toLower())
                     .arg(side));
    }
  }
  ok &= Save(window, dir, QStringLiteral("review-window.png"));
  review.GoToPly(last);
  window.hide();
  board.Action(QStringLiteral("miSlate"))->trigger();
  board.game().SelectViewSide(0);
  return ok;
}

void SendKey(QWidget& target, int key, const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(&target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(&target, &release);
}

// Keyboard play and the end of a game: the cursor carrying a piece, a move being typed, and
// the result kept beside the menus with the last move outlined.
bool TakeKeyboardScreenshots(TBoardForm& board, const QString& dir) {
  Game& game = board.game();
  if (IsPlayingMode(game.Mode())) game.miLocalAloneClick();
  board.miNewClick();
  board.game().SelectViewSide(2);
  BoardKeyboard& keys = board.Keyboard();
  auto type = [&](const QString& text) {
    for (QChar c : text)
      SendKey(keys, c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_A + (c.unicode() - 'a'), c);
  };
  for (const QString& typed : {QStringLiteral("c2c3"), QStringLiteral("a7a6")}) {
    type(typed);
    SendKey(keys, Qt::Key_Return);
  }
  // The cursor to Fir's Lightning, which is picked up and carried three squares ahead.
  const Square lightning = game.board().PiecePos[1];
  while (keys.Cursor().y != lightning.y)
    SendKey(keys, keys.Cursor().y < lightning.y ? Qt::Key_Down : Qt::Key_Up);
  while (keys.Cursor().x != lightning.x)
    SendKey(keys, keys.Cursor().x < lightning.x ? Qt::Key_Right : Qt::Key_Left);
  SendKey(keys, Qt::Key_Return);
  for (int n = 0; n < 3; ++n)
    SendKey(keys, Qt::Key_Up);
  type(QStringLiteral("e2"));
  bool ok = Save(board, dir, QStringLiteral("keyboard.png"));
  // A part of it, small enough to compare the pictures of a one- and a two-pixel screen.
  ok &= Save(board, dir, QStringLiteral("keyboard-detail.png"),
             QRect(board.BoardArea()->mapTo(&board, QPoint(300, 130)), QSize(380, 250)));
  SendKey(keys, Qt::Key_Escape);
  SendKey(keys, Qt::Key_Escape);

  game.miLossgameClick();  // Fir, to move, gives up
  QCoreApplication::processEvents();
  ok &= Save(board, dir, QStringLiteral("result.png"),
             QRect(0, 0, board.width(), board.BoardArea()->y() + board.Geometry().SquareTop[3]));
  game.SelectViewSide(0);
  return ok;
}

int TakeScreenshots(TBoardForm& board, const QString& dir) {
  QDir().mkpath(dir);
  if (!ShowAndWait(board)) {
    std::fprintf(stderr, "tamsok: the window was not shown\n");
    return 1;
  }
  bool ok = Save(board, dir, QStringLiteral("start-position.png"));

  board.miNewClick();
  PlayDemoGame(board.game(), 3, 200);
  ok &= Save(board, dir, QStringLiteral("midgame-side0.png"));
  for (int side = 1; side < 4; ++side) {
    board.game().SelectViewSide(side);
    ok &= Save(board, dir, QStringLiteral("midgame-side%1.png").arg(side));
  }
  board.game().SelectViewSide(0);
  ok &= TakeAnalysisScreenshots(board, dir);

  for (const char* name : std::span(kSkinItems).subspan(1)) {
    board.Action(QString::fromUtf8(name))->trigger();
    ok &= Save(board, dir, QStringLiteral("skin-%1.png").arg(SkinName(name)));
  }
  board.Action(QStringLiteral("miSlate"))->trigger();
  ok &= TakeLearningScreenshots(board, dir);
  ok &= TakeMarkScreenshots(board, dir);

  // A long game for the history window, seen at its starting size and enlarged.
  PlayDemoGame(board.game(), 8, 400);
  ok &= Save(board, dir, QStringLiteral("long-game.png"));
  board.miChatWindowClick();
  board.miMoveHistoryClick();
  ProcessUntil([&] { return board.KiboForm()->windowHandle()->isExposed(); }, 5000);
  ok &= Save(*board.ChatForm(), dir, QStringLiteral("chat.png"));
  ok &= Save(*board.KiboForm(), dir, QStringLiteral("history.png"));
  board.KiboForm()->resize(300, 320);
  ok &= Save(*board.KiboForm(), dir, QStringLiteral("history-enlarged.png"));
  ok &= TakeReviewScreenshots(board, dir);
  ok &= Save(*board.KiboForm(), dir, QStringLiteral("history-reviewed.png"));
  ok &= TakeMenuAndBoxScreenshots(board, dir);

  for (QWidget* window : std::initializer_list<QWidget*>{
           board.AboutBox(), board.ProtocolForm(), board.RequestForm(), board.InputIPForm()}) {
    CenterOver(board, *window);
    ShowAndWait(*window);
    ok &= Save(*window, dir, window->objectName() + QStringLiteral(".png"));
    window->hide();
  }

  ok &= TakeComputerScreenshots(board, dir);
  ok &= TakeKeyboardScreenshots(board, dir);

  // The menus with pictures: the skin and side submenus, the undo and redo items, and the
  // computer's menu.
  for (const char* name :
       {"miEnvironmentEx", "Board1", "BoardRotation1", "Playing1", "Computer1"}) {
    auto* menu = board.findChild<QMenu*>(QString::fromUtf8(name));
    menu->popup(board.mapToGlobal(QPoint(200, 20)));
    ShowAndWait(*menu);
    ok &= Save(*menu, dir, QStringLiteral("menu-%1.png").arg(QString::fromUtf8(name).toLower()));
    menu->hide();
  }
  return ok ? 0 : 1;
}

// The processor time the calling thread has used, in milliseconds.
double ThreadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + t.tv_nsec / 1e6;
}

struct Stall {
  double busyMs = 0;        // the longest run of the window's thread between two ticks
  double medianWallMs = 0;  // the median over the seconds of each second's longest wait
  double worstWallMs = 0;   // the longest wait of all
};

// How long the window's thread was kept from a 2 ms timer over `seconds` seconds, while `step`
// runs at the start of each second. On a busy machine a wait includes the time the thread
// waited for a processor, which comes and goes from second to second; the thread's own
// processor time between two ticks is what the program spends.
Stall LongestStall(int seconds, const std::function<void()>& step) {
  QElapsedTimer clock, sinceTick;
  clock.start();
  sinceTick.start();
  double cpuAtTick = ThreadCpuMs(), secondWorst = 0;
  std::vector<double> perSecond;
  Stall longest;
  QTimer ticker;
  ticker.setTimerType(Qt::PreciseTimer);
  ticker.setInterval(2);
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    const double cpu = ThreadCpuMs();
    secondWorst = std::max(secondWorst, sinceTick.nsecsElapsed() / 1e6 - ticker.interval());
    longest.busyMs = std::max(longest.busyMs, cpu - cpuAtTick);
    sinceTick.start();
    cpuAtTick = cpu;
  });
  ticker.start();
  qint64 nextStep = 0;
  ProcessUntil(
      [&] {
        if (clock.elapsed() >= nextStep) {
          if (nextStep > 0) perSecond.push_back(secondWorst);
          secondWorst = 0;
          nextStep += 1000;
          step();
          // The step itself is the user's own action, not a stall.
          sinceTick.start();
          cpuAtTick = ThreadCpuMs();
        }
        return static_cast<int>(perSecond.size()) >= seconds;
      },
      seconds * 1000 + 2000);
  if (perSecond.empty()) return longest;
  std::sort(perSecond.begin(), perSecond.end());
  longest.medianWallMs = perSecond[perSecond.size() / 2];
  longest.worstWallMs = perSecond.back();
  return longest;
}

// The analysis of a middle game for ten seconds, a move taken back or played again every
// second: how often the panel is redrawn and how long the window's thread is ever kept busy.
int MeasureAnalysis(TBoardForm& board) {
  board.miNewClick();
  PlayDemoGame(board.game(), 3, 200);
  AnalysisView& analysis = board.Learning().Analysis();
  int steps = 0;
  auto step = [&] { (steps++ % 2 == 0) ? board.miUndoClick() : board.miRedoClick(); };
  const Stall idle = LongestStall(5, step);
  board.Action(QStringLiteral("miAnalyse"))->trigger();
  constexpr int kSeconds = 10;
  const Stall busy = LongestStall(kSeconds, step);
  const int updates = analysis.Updates();
  const int depth = analysis.Shown() ? analysis.Shown()->depth : 0;
  board.Action(QStringLiteral("miAnalyse"))->trigger();
  std::printf(
      "analysis (10 s, a move undone or redone every second): %d updates, %.1f per second, "
      "depth %d at the end\n",
      updates, static_cast<double>(updates) / kSeconds, depth);
  std::printf(
      "longest stall of the window's thread, analysing: its own work %.1f ms; a 2 ms timer "
      "waited %.1f ms (median of the seconds' longest), %.1f ms at worst\n",
      busy.busyMs, busy.medianWallMs, busy.worstWallMs);
  std::printf(
      "the same without the analysis: its own work %.1f ms; waited %.1f ms, %.1f ms at "
      "worst\n",
      idle.busyMs, idle.medianWallMs, idle.worstWallMs);
  return 0;
}

// A received move: Fir's legal move of the longest glide from the start position, one-pixel
// steps of 10 ms. A 1 ms timer ticks meanwhile; the longest gap between its ticks is the longest
// time the window did not answer.
int MeasureGlide(TBoardForm& board) {
  Game& game = board.game();
  game.miNewClick();  // no question: the measured game is given up
  board.SetGlideStepDelay(10);
  const BoardGeometry& geometry = board.Geometry();
  auto corner = [&](Square s) {
    const PixelPos p = geometry.SquarePixel(s);
    return QPoint(p.left, p.top);
  };
  PieceId piece = kNoPiece;
  Square to;
  int steps = 0;
  for (PieceId p = 0; p < kPiecesPerCamp; ++p)
    for (Square s : game.DropTargets(p))
      if (const int n = GlideSteps(corner(game.board().PiecePos[p]), corner(s)); n > steps)
        piece = p, to = s, steps = n;
  const Square from = game.board().PiecePos[piece];
  const Square cf = ToCanonical(game.ViewSide(), from), ct = ToCanonical(game.ViewSide(), to);
  QTimer ticker;
  ticker.setTimerType(Qt::PreciseTimer);
  QElapsedTimer sinceTick, glide;
  qint64 longestUs = 0;
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    longestUs = std::max(longestUs, sinceTick.nsecsElapsed() / 1000);
    sinceTick.restart();
  });
  glide.start();
  sinceTick.start();
  ticker.start(1);
  game.ApplyReceivedMove({piece, game.board().OccupantAt(to), cf.x, cf.y, ct.x, ct.y, 0}, "Move");
  const qint64 applyUs = glide.nsecsElapsed() / 1000;
  const bool landed = ProcessUntil(
      [&] { return !board.Glide().Active() && board.PieceImage(piece)->pos() == corner(to); },
      20000);
  ticker.stop();
  if (!landed) {
    std::fprintf(stderr, "tamsok: the received move did not land\n");
    return 1;
  }
  std::printf(
      "received move of %d steps: glided in %lld ms; the window's longest stall %.1f ms "
      "(the move itself applied in %lld us)\n",
      steps, static_cast<long long>(glide.elapsed()), static_cast<double>(longestUs) / 1000.0,
      static_cast<long long>(applyUs));
  return 0;
}

int Measure(TBoardForm& board, const QElapsedTimer& sinceStart) {
  PaintCounter counter;
  qApp->installEventFilter(&counter);
  board.show();
  if (!ProcessUntil([&] { return counter.paints > 0; }, 5000)) {
    std::fprintf(stderr, "tamsok: the window was never painted\n");
    return 1;
  }
  const qint64 startUpMs = sinceStart.elapsed();
  const double processAgeMs = ProcessAgeMs();
  const long rssKb = ResidentKilobytes();

  // A legal move by dragging Fir's first Ant one row down, then undone; only the span from
  // the release event to the end of the repaint is timed. Sorted microseconds, or nothing when
  // a drop went wrong.
  board.miNewClick();
  board.SetGlideStepDelay(0);
  const Square from = board.game().board().PiecePos[18];
  PieceImageControl& image = *board.PieceImage(18);
  auto measureDrops = [&]() -> std::vector<double> {
    std::vector<double> micros;
    for (int trial = 0; trial < 50; ++trial) {
      QCoreApplication::processEvents();
      SendMouse(image, QEvent::MouseButtonPress, {20, 20}, Qt::LeftButton);
      // Let go 3 pixels short of the square, so that the drop also re-places the image.
      SendMouse(image, QEvent::MouseMove, {20, 20 + BoardGeometry::kPitchY - 3}, Qt::LeftButton);
      QCoreApplication::processEvents();
      counter.paints = 0;
      QElapsedTimer clock;
      clock.start();
      SendMouse(image, QEvent::MouseButtonRelease, {20, 20}, Qt::NoButton);
      if (!ProcessUntil([&] { return counter.paints > 0; }, 2000)) {
        std::fprintf(stderr, "tamsok: the board was not repainted after a drop\n");
        return {};
      }
      micros.push_back(static_cast<double>(clock.nsecsElapsed()) / 1000.0);
      if (board.game().RecordCount() != 1) {
        std::fprintf(stderr, "tamsok: the measured drop was not played\n");
        return {};
      }
      board.miUndoClick();
      if (board.game().board().PiecePos[18] != from) return {};
    }
    std::sort(micros.begin(), micros.end());
    return micros;
  };
  std::printf("start-up to first frame: %lld ms from main(), %.0f ms from the process start\n",
              static_cast<long long>(startUpMs), processAgeMs);
  std::printf("resident memory after start-up: %ld KiB\n", rssKb);
  // The marks as they are at start-up, then without any, then with the influence overlay too.
  const struct {
    const char* marks;
    bool legalMoves, influence;
  } runs[] = {{"legal moves shown", true, false},
              {"no marks", false, false},
              {"legal moves and influence shown", true, true}};
  auto setSwitch = [&](const char* name, bool on) {
    QAction* item = board.Action(QString::fromUtf8(name));
    if (item->isChecked() != on) item->trigger();
  };
  for (const auto& run : runs) {
    setSwitch("miShowLegalMoves", run.legalMoves);
    setSwitch("miShowInfluence", run.influence);
    const std::vector<double> micros = measureDrops();
    if (micros.empty()) return 1;
    std::printf("release to repainted board (50 drops, %s): median %.0f us, max %.0f us\n",
                run.marks, micros[micros.size() / 2], micros.back());
  }
  if (const int failed = MeasureGlide(board)) return failed;
  return MeasureAnalysis(board);
}

}  // namespace

std::optional<DevOptions> ParseDevOptions(const QStringList& args) {
  DevOptions options;
  bool any = false;
  for (int i = 1; i < args.size(); ++i) {
    if (args[i] == QLatin1String("--screenshots") && i + 1 < args.size()) {
      options.screenshotDir = args[++i];
      any = true;
    } else if (args[i] == QLatin1String("--measure")) {
      options.measure = true;
      any = true;
    }
  }
  if (!any) return std::nullopt;
  return options;
}

int RunDevOptions(TBoardForm& board, const DevOptions& options, const QElapsedTimer& sinceStart) {
  // Nobody is there to answer a box: each is answered OK at once.
  struct AnsweringPrompts : QtPrompts {
    BoxAnswer MessageBox(QWidget*, const QString&, const QString&, BoxButtons) override {
      return BoxAnswer::Ok;
    }
  };
  static AnsweringPrompts prompts;
  board.SetPrompts(&prompts);
  if (options.measure) return Measure(board, sinceStart);
  return TakeScreenshots(board, options.screenshotDir);
}

}  // namespace tamsok
