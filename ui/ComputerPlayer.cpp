#include "ui/ComputerPlayer.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QVariantAnimation>

#include <cmath>
#include <iterator>
#include <memory>
#include <utility>

#include <sys/resource.h>
#include <unistd.h>

#include "rules/Catalogue.h"
#include "rules/Frames.h"
#include "ui/Glide.h"
#include "ui/LearningTools.h"
#include "ui/MoveNames.h"
#include "ui/Translation.h"
#include "ui/UiTexts.h"
#include "ui/mainBoard.h"

namespace tamsok {

namespace {

constexpr std::size_t kTableMegabytes = 16;
// While a modal box is open nothing is decided; the game is looked at again after this pause.
constexpr int kModalRetryMs = 50;
// The worker thread's nice value: the window's thread always runs first.
constexpr int kWorkerNice = 10;

QString Text(const char* text) {
  return QString::fromUtf8(text);
}

struct StrengthRow {
  const char* name;
  const char* caption;
  engine::Strength strength;
};
// In the order of engine::Strength, weakest first.
constexpr StrengthRow kStrengthRows[] = {
    {"miBeginner", ui_text::kBeginner, engine::Strength::Beginner},
    {"miNovice", ui_text::kNovice, engine::Strength::Novice},
    {"miEasy", ui_text::kEasy, engine::Strength::Easy},
    {"miCasual", ui_text::kCasual, engine::Strength::Casual},
    {"miMedium", ui_text::kMedium, engine::Strength::Medium},
    {"miAdvanced", ui_text::kAdvanced, engine::Strength::Advanced},
    {"miSkilled", ui_text::kSkilled, engine::Strength::Skilled},
    {"miStrong", ui_text::kStrong, engine::Strength::Strong},
    {"miExpert", ui_text::kExpert, engine::Strength::Expert},
    {"miHard", ui_text::kHard, engine::Strength::Hard},
};
static_assert(std::size(kStrengthRows) == std::size(engine::kStrengths));

// Lowers the calling thread's scheduling priority (its nice value; on Linux a per-thread
// attribute). The search takes only the processor time the window and other programs leave:
// on a busy machine the window keeps answering, and the search, bounded by wall-clock time,
// goes less deep.
void YieldToTheWindow() {
  setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kWorkerNice);
}

}  // namespace

// ---- The worker -------------------------------------------------------------------------

// Owns the engine's searcher and runs one search at a time; it lives on the worker thread,
// and every call to it is queued there. It reads nothing of the game but the position copy it
// is given, and shares nothing with the window but the stop flag.
class EngineWorker : public QObject {
 public:
  explicit EngineWorker(const std::atomic<bool>& stop) : stop_(stop) {}

  engine::SearchResult Search(const engine::Position& position, const engine::Limits& limits,
                              bool freshGame, const engine::ProgressFn& progress) {
    if (!searcher_)
      searcher_ = std::make_unique<engine::Searcher>(kTableMegabytes);
    else if (freshGame)
      searcher_->Clear();
    return searcher_->Search(position, limits, stop_, progress);
  }

 private:
  const std::atomic<bool>& stop_;
  std::unique_ptr<engine::Searcher> searcher_;  // made on the first search, on this thread
};

// ---- The hint marks ---------------------------------------------------------------------

// The hinted move drawn over the board: a ring on the piece to move, a ring on its target and
// an arrow between them. It lets every mouse event through to the pieces below.
class HintMarks : public QWidget {
 public:
  HintMarks(QWidget* parent, const BoardGeometry& geometry) : QWidget(parent), geometry_(geometry) {
    setObjectName(QStringLiteral("ImgHint"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, TBoardForm::kClientWidth, kBoardPictureHeight);
    hide();
  }

  void Mark(Square from, Square to, const QString& description) {
    from_ = from;
    to_ = to;
    setAccessibleName(description);
    raise();
    show();
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF from = Centre(from_), to = Centre(to_);
    const QColor colour(20, 110, 240, 220);
    constexpr double kRing = 23;

    QPen pen(colour, 3);
    painter.setBrush(Qt::NoBrush);
    pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.drawEllipse(from, kRing, kRing);
    pen.setStyle(Qt::SolidLine);
    painter.setPen(pen);
    painter.drawEllipse(to, kRing, kRing);

    // The arrow runs from ring to ring, its head touching the target's ring.
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    if (length <= 2 * kRing) return;
    const QPointF unit = d / length, normal(-unit.y(), unit.x());
    const QPointF start = from + unit * kRing, tip = to - unit * kRing;
    pen.setWidth(4);
    painter.setPen(pen);
    painter.drawLine(start, tip - unit * 8);
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip - unit * 14 + normal * 8);
    head.lineTo(tip - unit * 14 - normal * 8);
    head.closeSubpath();
    painter.fillPath(head, colour);
  }

 private:
  static constexpr int kBoardPictureHeight = 512;

  QPointF Centre(Square s) const {
    const PixelPos corner = geometry_.SquarePixel(s);
    return {corner.left + kPiecePictureSize / 2.0, corner.top + kPiecePictureSize / 2.0};
  }

  const BoardGeometry& geometry_;
  Square from_, to_;
};

// ---- Construction -----------------------------------------------------------------------

ComputerPlayer::ComputerPlayer(TBoardForm& form, ComputerGame& policy)
    : form_(form), game_(form.game()), policy_(policy) {
  setObjectName(QStringLiteral("ComputerPlayer"));
  BuildMenu();
  marks_ = new HintMarks(form_.BoardArea(), form_.Geometry());
  glide_ = new QVariantAnimation(this);
  connect(glide_, &QVariantAnimation::valueChanged, this,
          [this](const QVariant& step) { GlideStep(step.toDouble()); });
  connect(glide_, &QVariantAnimation::finished, this, &ComputerPlayer::GlideEnded);
  form_.installEventFilter(this);
}

ComputerPlayer::~ComputerPlayer() {
  stop_ = true;
  thread_.quit();
  thread_.wait();
}

void ComputerPlayer::BuildMenu() {
  QMenuBar* bar = form_.menuBar();
  auto* menu = new QMenu(Tr(ui_text::kMenuComputer), bar);
  menu->setObjectName(QStringLiteral("Computer1"));
  menu->menuAction()->setObjectName(QStringLiteral("Computer1"));
  bar->insertMenu(form_.Action(QStringLiteral("Help1")), menu);  // after "Interface"

  auto add = [&](const char* name, const char* caption, void (ComputerPlayer::*handler)()) {
    QAction* action = menu->addAction(Tr(caption));
    action->setObjectName(Text(name));
    connect(action, &QAction::triggered, this, handler);
    return action;
  };
  miComputerOak_ =
      add("miComputerOak", ui_text::kComputerPlaysOak, &ComputerPlayer::miComputerOakClick);
  miComputerFir_ =
      add("miComputerFir", ui_text::kComputerPlaysFir, &ComputerPlayer::miComputerFirClick);
  miComputerPlayOn_ =
      add("miComputerPlayOn", ui_text::kComputerPlaysOn, &ComputerPlayer::miComputerPlayOnClick);
  menu->addSeparator();
  strengthGroup_ = new QActionGroup(this);
  for (const StrengthRow& row : kStrengthRows) {
    QAction* action = menu->addAction(
        Tr(ui_text::kStrengthItem).arg(Tr(row.caption)).arg(engine::StrengthRating(row.strength)));
    action->setObjectName(Text(row.name));
    action->setCheckable(true);
    action->setChecked(row.strength == policy_.Strength());
    strengthGroup_->addAction(action);
    const engine::Strength strength = row.strength;
    connect(action, &QAction::triggered, this, [this, strength] { SelectStrength(strength); });
  }
  menu->addSeparator();
  miHint_ = add("miHint", ui_text::kHint, &ComputerPlayer::miHintClick);
  miStopThinking_ =
      add("miStopThinking", ui_text::kStopThinking, &ComputerPlayer::miStopThinkingClick);

  // A new viewing side is chosen by these items; their own handlers run first.
  for (const char* name : {"miR0", "miR90", "miR180", "miR270", "miMyView"})
    connect(form_.Action(Text(name)), &QAction::triggered, this, &ComputerPlayer::PositionChanged);
  RefreshMenu();
}

bool ComputerPlayer::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &form_) {
    if (event->type() == QEvent::Close) {
      closed_ = true;
      CancelJob();
    } else if (event->type() == QEvent::Show) {
      closed_ = false;
      ScheduleSync();
    }
  }
  return QObject::eventFilter(watched, event);
}

// ---- Menu commands ----------------------------------------------------------------------

void ComputerPlayer::NewGameAgainst(Camp camp) {
  CancelJob();
  hintRequest_.reset();
  ClearHint();
  if (policy_.NewGameAgainst(camp)) ScheduleSync();
}

void ComputerPlayer::miComputerPlayOnClick() {
  if (!policy_.TakeOver()) return;
  PositionChanged();
  RefreshMenu();
}

void ComputerPlayer::SelectStrength(engine::Strength strength) {
  policy_.SetStrength(strength);  // from the next search on
  RefreshMenu();
}

void ComputerPlayer::miHintClick() {
  const GameMode mode = game_.Mode();
  if ((mode != GameMode::LocalFree && mode != GameMode::LocalPlaying) || policy_.ComputerToMove())
    return;
  const Snapshot now = policy_.Now();
  if (hint_ && hint_->snapshot.SamePosition(now)) return;  // already on the board
  hintRequest_ = now;
  Sync();
}

void ComputerPlayer::miStopThinkingClick() {
  if (job_ && !job_->finished)
    stop_ = true;  // the search returns its best move so far, which is used
}

// ---- Hooks ------------------------------------------------------------------------------

void ComputerPlayer::PositionChanged() {
  if (job_ && !Wanted(*job_)) CancelJob();
  ScheduleSync();
}

void ComputerPlayer::GameModeApplied() {
  policy_.GameModeApplied();
  PositionChanged();
  RefreshMenu();
}

bool ComputerPlayer::Retract(Retraction command) {
  if (!policy_.Active()) return false;
  CancelJob();
  return policy_.Retract(command);
}

bool ComputerPlayer::RefusePress(PieceId piece) {
  switch (policy_.RefusePress(piece)) {
    case ComputerGame::Refusal::ComputerToMove:
      ShowStatus(Tr(ui_text::kWaitForComputer));
      return true;
    case ComputerGame::Refusal::ComputerPiece: {
      const Camp computer = *policy_.ComputerCamp();
      ShowStatus(Tr(ui_text::kComputerPieces)
                     .arg(Tr(CampName(computer)), Tr(CampName(OtherCamp(computer)))));
      return true;
    }
    case ComputerGame::Refusal::None:
      break;
  }
  return false;
}

bool ComputerPlayer::RefusePass() {
  if (policy_.RefusePass() == ComputerGame::Refusal::None) return false;
  ShowStatus(Tr(ui_text::kWaitForComputer));
  return true;
}

// ---- State ------------------------------------------------------------------------------

std::optional<engine::BoardMove> ComputerPlayer::ShownHint() const {
  if (!hint_ || hint_->canonical.piece == kNoPiece) return std::nullopt;
  const int side = game_.ViewSide();
  return engine::BoardMove{hint_->canonical.piece, FromCanonical(side, hint_->canonical.from),
                           FromCanonical(side, hint_->canonical.to)};
}

// ---- Deciding and searching -------------------------------------------------------------

void ComputerPlayer::ScheduleSync(int delayMs) {
  if (syncScheduled_) return;
  syncScheduled_ = true;
  QTimer::singleShot(delayMs, this, [this] { Sync(); });
}

void ComputerPlayer::Sync() {
  syncScheduled_ = false;
  if (QApplication::activeModalWidget()) {  // a box is open: its answer may end the game
    ScheduleSync(kModalRetryMs);
    return;
  }
  const Snapshot now = policy_.Now();
  if (hintRequest_ && !hintRequest_->SamePosition(now)) hintRequest_.reset();
  if (hint_ && !hint_->snapshot.SamePosition(now)) ClearHint();
  if (const std::optional<engine::BoardMove> shown = ShownHint())
    marks_->Mark(shown->from, shown->to, hint_->text);  // in the frame of the viewing side

  // The rule gives the computer the game: it calls Scoring at once, whoever is to move.
  if (policy_.ShouldClaim()) {
    CancelJob();
    hintRequest_.reset();
    policy_.Claim();
    RefreshMenu();
    return;
  }

  std::optional<Purpose> wanted;
  if (policy_.WantsMove())
    wanted = Purpose::Move;
  else if (hintRequest_)
    wanted = Purpose::Hint;
  if (job_ && (!wanted || job_->purpose != *wanted || !Wanted(*job_))) CancelJob();

  if (job_ && job_->finished && job_->gliding == kNoPiece) {
    if (job_->purpose == Purpose::Move)
      StartGlide();  // the move's hooks decide again once it is played
    else
      ShowHint();
  } else if (wanted && !job_ && !workerBusy_ && !closed_) {
    StartJob(*wanted, now);
  }
  RefreshMenu();
}

void ComputerPlayer::StartJob(Purpose purpose, const Snapshot& now) {
  if (!worker_) {
    worker_ = new EngineWorker(stop_);
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.setObjectName(QStringLiteral("EngineWorker"));
    thread_.start();
    QMetaObject::invokeMethod(worker_, &YieldToTheWindow, Qt::QueuedConnection);
  }
  job_.emplace();
  job_->id = ++lastJobId_;
  job_->purpose = purpose;
  job_->snapshot = now;
  statusBefore_ = form_.StatusPanel(kPanelGame)->text();
  ShowThinking(0);

  const engine::Limits limits = policy_.LimitsFor(purpose);
  const bool freshGame = policy_.TakeFreshGame();
  const int id = job_->id;
  const engine::Position position = now.position;
  stop_ = false;
  workerBusy_ = true;

  // Runs on the worker thread; progress and the result come back as queued calls with plain
  // values, delivered only while this object lives.
  EngineWorker* worker = worker_;
  QMetaObject::invokeMethod(
      worker,
      [this, worker, id, position, limits, freshGame, search = search_] {
        const engine::ProgressFn progress = [this, id](const engine::SearchInfo& info) {
          const int depth = info.depth;
          QMetaObject::invokeMethod(
              this, [this, id, depth] { OnProgress(id, depth); }, Qt::QueuedConnection);
        };
        const engine::SearchResult r = search
                                           ? search(position, limits, stop_, progress)
                                           : worker->Search(position, limits, freshGame, progress);
        QMetaObject::invokeMethod(
            this, [this, id, best = r.best, claim = r.claim] { OnFinished(id, best, claim); },
            Qt::QueuedConnection);
      },
      Qt::QueuedConnection);
}

void ComputerPlayer::CancelJob() {
  if (!job_) return;
  stop_ = true;
  if (job_->gliding != kNoPiece) {  // back onto its square
    glide_->stop();
    form_.MovePieceImage(job_->gliding, game_.board().PiecePos[job_->gliding]);
  }
  job_.reset();
  RestoreStatus();
  RefreshMenu();
}

void ComputerPlayer::OnProgress(int id, int depth) {
  if (job_ && job_->id == id && !job_->finished) ShowThinking(depth);
}

void ComputerPlayer::OnFinished(int id, engine::Move best, bool claim) {
  workerBusy_ = false;
  if (job_ && job_->id == id) {
    job_->finished = true;
    job_->best = best;
    job_->claim = claim;
  }
  Sync();
}

// The computer's piece glides as a received move's does, first along the longer axis, then
// diagonally, one pixel per glide step; but the window goes on answering meanwhile, and
// anything that changes the game puts the piece back and drops the move.
void ComputerPlayer::StartGlide() {
  const engine::BoardMove move =
      engine::ToBoardMove(job_->snapshot.position, job_->best, game_.ViewSide());
  const int delay = form_.GlideStepDelay();
  if (job_->claim || move.piece == kNoPiece || delay <= 0) {
    PlayComputerMove();
    return;
  }
  QWidget& image = *form_.PieceImage(move.piece);
  const PixelPos target = form_.Geometry().SquarePixel(move.to);
  glideFrom_ = image.pos();
  glideTo_ = {target.left, target.top};
  const int steps = GlideSteps(glideFrom_, glideTo_);
  if (steps == 0) {
    PlayComputerMove();
    return;
  }
  job_->gliding = move.piece;
  form_.BringToFront(image);
  glide_->setStartValue(0.0);
  glide_->setEndValue(static_cast<double>(steps));
  glide_->setDuration(steps * delay);
  glide_->start();
}

void ComputerPlayer::GlideStep(double step) {
  if (!job_ || job_->gliding == kNoPiece) return;
  form_.PieceImage(job_->gliding)->move(GlidePoint(glideFrom_, glideTo_, static_cast<int>(step)));
}

void ComputerPlayer::GlideEnded() {
  if (!job_ || job_->gliding == kNoPiece) return;
  form_.PieceImage(job_->gliding)->move(glideTo_);
  job_->gliding = kNoPiece;
  Sync();  // the move is played unless the game changed or a box is open
}

// The computer's answer is played as the player's would be: a move as a dropped piece (record,
// history, sound, tray, status text, the end of the game when a Tree falls), a pass as the Pass
// command and a claim as the Scoring command.
void ComputerPlayer::PlayComputerMove() {
  const Job job = *std::exchange(job_, std::nullopt);
  statusShown_.clear();  // the move's own text follows
  policy_.Play(job.snapshot, job.best, job.claim);
}

void ComputerPlayer::ShowHint() {
  const Job job = *std::exchange(job_, std::nullopt);
  const engine::BoardMove canonical = engine::ToBoardMove(job.snapshot.position, job.best, 0);
  hint_ = Hint{canonical, job.snapshot, Tr(job.claim ? ui_text::kHintScoring : ui_text::kHintPass)};
  hintRequest_.reset();
  statusShown_.clear();
  if (const std::optional<engine::BoardMove> view = ShownHint()) {
    // Squares named as the board's edge labels name them.
    hint_->text = Tr(ui_text::kHintMove)
                      .arg(MoveForPeople(job.snapshot.position, job.best, form_.Learning().Naming(),
                                         game_.ViewSide(),
                                         /*camp=*/true));
    marks_->Mark(view->from, view->to, hint_->text);
  }
  ShowStatus(hint_->text);
}

void ComputerPlayer::ClearHint() {
  hint_.reset();
  marks_->hide();
}

// ---- Texts and menu ---------------------------------------------------------------------

void ComputerPlayer::ShowStatus(const QString& text) {
  form_.ShowStatus(kPanelGame, text.toStdString());
}

void ComputerPlayer::ShowThinking(int depth) {
  QString text;
  if (job_->purpose == Purpose::Move) {
    const QString camp = Tr(CampName(*job_->snapshot.computer));
    text = depth > 0 ? Tr(ui_text::kComputerThinkingDepth).arg(camp).arg(depth)
                     : Tr(ui_text::kComputerThinking).arg(camp);
  } else {
    text = depth > 0 ? Tr(ui_text::kHintSearchingDepth).arg(depth) : Tr(ui_text::kHintSearching);
  }
  statusShown_ = text;
  ShowStatus(text);
}

// The thinking text gives way to what the panel said before, unless something else has been
// written over it since.
void ComputerPlayer::RestoreStatus() {
  if (!statusShown_.isEmpty() && form_.StatusPanel(kPanelGame)->text() == statusShown_)
    ShowStatus(statusBefore_);
  statusShown_.clear();
}

void ComputerPlayer::RefreshMenu() {
  const GameMode mode = game_.Mode();
  const bool local = mode == GameMode::LocalFree || mode == GameMode::LocalPlaying;
  miComputerOak_->setEnabled(local);
  miComputerFir_->setEnabled(local);
  miComputerPlayOn_->setEnabled(mode == GameMode::LocalPlaying && !policy_.ComputerCamp());
  miHint_->setEnabled(local && !policy_.ComputerToMove());
  miStopThinking_->setEnabled(job_ && !job_->finished);
  strengthGroup_->actions().at(static_cast<int>(policy_.Strength()))->setChecked(true);
}

}  // namespace tamsok
