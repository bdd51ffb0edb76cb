#include "ui/Review.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

#include "engine/Engine.h"
#include "rules/Catalogue.h"
#include "rules/Frames.h"
#include "ui/BoardMarks.h"
#include "ui/Fonts.h"
#include "ui/MoveArrows.h"
#include "ui/MoveNames.h"
#include "ui/SearchThread.h"
#include "ui/Translation.h"
#include "ui/UiTexts.h"
#include "ui/WindowParts.h"
#include "ui/mainBoard.h"

namespace tamsok {

namespace {

using review::Mark;

// Reviews are made at the Expert level's limits (150,000 positions a move, without a weak
// level's misjudgement): deep enough to see the tactics a player missed, and a few seconds
// for a whole game.
constexpr engine::Strength kBudget = engine::Strength::Expert;
constexpr QSize kGraphSize(520, 170);

const QColor kMarkColour[review::kMarkCount] = {QColor(), QColor(0xF9, 0xA8, 0x25),
                                                QColor(0xEF, 0x6C, 0x00), QColor(0xC6, 0x28, 0x28)};
const QColor kBetterColour(0x00, 0x89, 0x7B, 230);

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool LocalMode(GameMode mode) {
  return mode == GameMode::LocalFree || mode == GameMode::LocalPlaying;
}

}  // namespace

// ---- The graph ----------------------------------------------------------------------------

EvalGraph::EvalGraph(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ReviewGraph"));
  setMinimumSize(kGraphSize);
  setCursor(Qt::PointingHandCursor);
}

void EvalGraph::Set(std::vector<std::optional<double>> shares, std::vector<Mark> marks,
                    int current) {
  shares_ = std::move(shares);
  marks_ = std::move(marks);
  current_ = current;
  update();
}

QRectF EvalGraph::Plot() const {
  return QRectF(rect()).adjusted(30, 8, -8, -8);
}

QPoint EvalGraph::PointOf(int ply) const {
  const QRectF r = Plot();
  const int plies = std::max(1, Plies());
  const double share =
      ply >= 0 && ply < static_cast<int>(shares_.size()) && shares_[ply] ? *shares_[ply] : 0.5;
  return QPointF(r.left() + r.width() * ply / plies, r.bottom() - r.height() * share).toPoint();
}

int EvalGraph::PlyAt(QPoint point) const {
  const QRectF r = Plot();
  const int plies = Plies();
  if (plies <= 0) return 0;
  const double x = (point.x() - r.left()) / r.width() * plies;
  return std::clamp(static_cast<int>(std::lround(x)), 0, plies);
}

void EvalGraph::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = Plot();
  p.fillRect(rect(), palette().base());
  p.setPen(palette().text().color());
  p.setFont(SansFont(11, /*bold=*/true));
  p.drawText(QRectF(0, r.top(), 28, 16), Qt::AlignCenter, Tr(CampName(Camp::Fir)));
  p.drawText(QRectF(0, r.bottom() - 16, 28, 16), Qt::AlignCenter, Tr(CampName(Camp::Oak)));
  const double middle = r.center().y();

  // Fir's advantage above the middle line in its colour, Oak's below in its own.
  QPainterPath curve;
  bool started = false;
  for (int ply = 0; ply < static_cast<int>(shares_.size()); ++ply) {
    if (!shares_[ply]) continue;
    const QPointF at = PointOf(ply);
    if (!started) {
      curve.moveTo(at.x(), middle);
      started = true;
    }
    curve.lineTo(at);
    if (ply + 1 == static_cast<int>(shares_.size()) || !shares_[ply + 1]) {
      curve.lineTo(at.x(), middle);
      started = false;
    }
  }
  QColor fir = CampMarkColour(Camp::Fir), oak = CampMarkColour(Camp::Oak);
  fir.setAlpha(150);
  oak.setAlpha(150);
  p.save();
  p.setClipRect(QRectF(r.left(), r.top(), r.width(), middle - r.top()));
  p.fillPath(curve, fir);
  p.setClipRect(QRectF(r.left(), middle, r.width(), r.bottom() - middle));
  p.fillPath(curve, oak);
  p.restore();
  p.setPen(QPen(palette().mid().color(), 1, Qt::DashLine));
  p.drawLine(QPointF(r.left(), middle), QPointF(r.right(), middle));
  p.setPen(QPen(palette().mid().color(), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(r);

  if (current_ >= 0 && current_ <= Plies()) {
    p.setPen(QPen(QColor(0x15, 0x65, 0xC0), 2));
    const double x = PointOf(current_).x();
    p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
  }
  for (int ply = 1; ply < static_cast<int>(marks_.size()); ++ply) {
    if (marks_[ply] == Mark::None || !shares_[ply]) continue;
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(kMarkColour[static_cast<int>(marks_[ply])]);
    p.drawEllipse(QPointF(PointOf(ply)), 4.5, 4.5);
  }
}

void EvalGraph::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && onClick && Plies() > 0)
    onClick(PlyAt(event->position().toPoint()));
}

// ---- The window ---------------------------------------------------------------------------

TReviewForm::TReviewForm(QWidget* owner) : QWidget(owner) {
  SetUpWindow(*this, "ReviewForm", ui_text::kReviewCaption);
  setWindowFlag(Qt::Window);
  ReviewStatus = new QLabel(this);
  ReviewStatus->setObjectName(QStringLiteral("ReviewStatus"));
  ReviewStatus->setWordWrap(true);
  ReviewProgress = new QProgressBar(this);
  ReviewProgress->setObjectName(QStringLiteral("ReviewProgress"));
  BtnCancelReview = new QPushButton(Tr(ui_text::kReviewCancel), this);
  BtnCancelReview->setObjectName(QStringLiteral("BtnCancelReview"));
  ReviewGraph = new EvalGraph(this);
  LbxReview = new QListWidget(this);
  LbxReview->setObjectName(QStringLiteral("LbxReview"));
  LbxReview->setFont(SansFont(12));
  ReviewSummary = new QLabel(this);
  ReviewSummary->setObjectName(QStringLiteral("ReviewSummary"));
  ReviewSummary->setWordWrap(true);
  auto* help = new QLabel(Tr(ui_text::kReviewHelp), this);
  help->setWordWrap(true);

  auto* progress = new QHBoxLayout;
  progress->addWidget(ReviewProgress, 1);
  progress->addWidget(BtnCancelReview);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ReviewStatus);
  layout->addLayout(progress);
  layout->addWidget(ReviewGraph);
  layout->addWidget(ReviewSummary);
  layout->addWidget(help);
  layout->addWidget(LbxReview, 1);
  resize(kGraphSize.width() + 24, 560);
}

// ---- The review ---------------------------------------------------------------------------

GameReview::GameReview(TBoardForm& form) : form_(form) {}

GameReview::~GameReview() {
  worker_.reset();  // its reports stop before this object goes
}

bool GameReview::Offered() const {
  const Game& game = form_.game();
  return (LocalMode(game.Mode()) && game.RedoLimit() > 0) || game.Winner().has_value();
}

void GameReview::MakeWindow() {
  window_ = new TReviewForm(&form_);
  PlaceRightOf(form_, *window_);
  connect(window_->BtnCancelReview, &QPushButton::clicked, this, &GameReview::Cancel);
  window_->ReviewGraph->onClick = [this](int ply) { GoToPly(ply); };
  connect(window_->LbxReview, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { GoToPly(window_->LbxReview->row(item)); });
  arrows_ = new MoveArrows(form_.BoardArea(), form_.Geometry(), "ReviewArrows");
}

void GameReview::Take(std::vector<SavedRecord> records, review::Review review) {
  records_ = std::move(records);
  plies_ = review::PliesOf(records_);
  review_ = std::move(review);
  review::Judge(plies_, review_);
  reviewed_ = true;
  gameNumber_ = form_.game().GameNumber();
  fitting_ = FittingRecords();
}

void GameReview::miReviewGameClick() {
  if (!Offered()) return;
  if (!window_) MakeWindow();
  const Game& game = form_.game();
  std::vector<SavedRecord> now = SaveGame(game, {}).records;
  // Positions of the same game already judged are kept.
  const int fitting = FittingRecords();
  const review::Plies plies = review::PliesOf(now);
  review::Review fresh = review::Start(plies, kBudget);
  for (int i = 0; i <= fitting && i < static_cast<int>(fresh.evals.size()); ++i)
    if (reviewed_ && i < static_cast<int>(review_.evals.size()))
      fresh.evals[static_cast<std::size_t>(i)] = review_.evals[static_cast<std::size_t>(i)];
  Take(std::move(now), std::move(fresh));

  std::vector<int> missing;
  for (int i = 0; i < static_cast<int>(review_.evals.size()); ++i)
    if (!review_.evals[static_cast<std::size_t>(i)].known) missing.push_back(i);
  done_ = static_cast<int>(review_.evals.size() - missing.size());
  window_->ReviewProgress->setRange(0, static_cast<int>(review_.evals.size()));
  window_->ReviewProgress->setValue(done_);
  window_->show();
  window_->raise();
  if (missing.empty()) {
    Finish(false);
    return;
  }
  running_ = true;
  window_->ReviewProgress->show();
  window_->BtnCancelReview->show();
  window_->ReviewStatus->setText(
      Tr(ui_text::kReviewProgress).arg(done_ + 1).arg(static_cast<int>(review_.evals.size())));
  Show();
  if (!worker_) worker_ = std::make_unique<SearchThread>("ReviewWorker");
  const int id = ++job_;
  const std::vector<engine::Position> positions = plies_.positions;
  worker_->Run(
      [this, id, positions, missing](engine::Searcher& searcher, const std::atomic<bool>& stop) {
        searcher.Clear();  // the same game gives the same review
        const engine::Limits limits = engine::StrengthLimits(kBudget);
        for (int i : missing) {
          if (stop.load()) return;
          const review::Eval eval =
              review::Evaluate(searcher, positions[static_cast<std::size_t>(i)], limits, stop);
          if (stop.load()) return;
          QMetaObject::invokeMethod(
              this, [this, id, i, eval] { OnEval(id, i, eval); }, Qt::QueuedConnection);
        }
      });
}

void GameReview::OnEval(int job, int index, const review::Eval& eval) {
  if (job != job_ || !running_) return;
  review_.evals[static_cast<std::size_t>(index)] = eval;
  ++done_;
  const int total = static_cast<int>(review_.evals.size());
  window_->ReviewProgress->setValue(done_);
  if (done_ >= total) {
    Finish(false);
    return;
  }
  window_->ReviewStatus->setText(Tr(ui_text::kReviewProgress).arg(done_ + 1).arg(total));
  review::Judge(plies_, review_);
  Show();
}

void GameReview::Cancel() {
  if (!running_) return;
  if (worker_) worker_->Stop();
  ++job_;
  Finish(true);
}

void GameReview::Finish(bool cancelled) {
  running_ = false;
  const int total = static_cast<int>(review_.evals.size());
  window_->ReviewProgress->hide();
  window_->BtnCancelReview->hide();
  window_->ReviewStatus->setText(cancelled
                                     ? Tr(ui_text::kReviewCancelled).arg(done_).arg(total)
                                     : Tr(ui_text::kReviewDone).arg(total).arg(Tr(review_.budget)));
  review::Judge(plies_, review_);
  Show();
  form_.game().RebuildHistory();
}

int GameReview::FittingRecords() const {
  const Game& game = form_.game();
  if (!reviewed_ || gameNumber_ != game.GameNumber()) return 0;
  const int side = game.ViewSide();
  // The review covers the records up to a Tree's capture (or a record the rules refuse).
  const int n = std::min(
      {game.RedoLimit(), static_cast<int>(records_.size()), static_cast<int>(plies_.moves.size())});
  for (int i = 0; i < n; ++i) {
    const MoveRecord& r = game.Record(i + 1);
    const SavedRecord& s = records_[static_cast<std::size_t>(i)];
    if (r.IsPass != s.isPass) return i;
    if (!r.IsPass && (ToCanonical(side, {r.FromX, r.FromY}) != s.squares.from ||
                      ToCanonical(side, {r.ToX, r.ToY}) != s.squares.to))
      return i;
  }
  return n;
}

void GameReview::Follow(SquareNaming naming) {
  naming_ = naming;
  const int fitting = FittingRecords();
  if (fitting != fitting_) {
    fitting_ = fitting;
    form_.game().RebuildHistory();
  }
  if (window_ && window_->isVisible()) Show();
  ShowArrows();
}

void GameReview::Show() {
  if (!window_) return;
  const int view = form_.game().ViewSide();
  const int current = form_.game().RecordCount() <= fitting_ ? form_.game().RecordCount() : -1;
  std::vector<std::optional<double>> shares(review_.evals.size());
  std::vector<Mark> marks(review_.evals.size(), Mark::None);
  for (std::size_t i = 0; i < review_.evals.size(); ++i) {
    const review::Eval& e = review_.evals[i];
    if (e.known)
      shares[i] =
          review::ExpectedScore(plies_.positions[i].SideToMove() == Camp::Fir ? e.score : -e.score);
    if (i > 0) marks[i] = review_.moves[i - 1].mark;
  }
  window_->ReviewGraph->Set(std::move(shares), std::move(marks), current);

  // One line per move: the move, and for a marked one its mark and the better move.
  QListWidget& list = *window_->LbxReview;
  const int rows = static_cast<int>(plies_.moves.size());
  while (list.count() > rows)
    delete list.takeItem(list.count() - 1);
  while (list.count() < rows)
    list.addItem(QString());
  for (int i = 0; i < rows; ++i) {
    const engine::Position& before = plies_.positions[static_cast<std::size_t>(i)];
    const review::Verdict& v = review_.moves[static_cast<std::size_t>(i)];
    QString text =
        Tr(ui_text::kReviewMove)
            .arg(i + 1)
            .arg(Tr(CampName(before.SideToMove())),
                 MoveForPeople(before, plies_.moves[static_cast<std::size_t>(i)], naming_, view));
    if (v.mark != Mark::None)
      text += Tr(ui_text::kReviewMarked)
                  .arg(Text(review::MarkSymbol(v.mark)), Tr(review::MarkName(v.mark)),
                       MoveForPeople(before, v.better, naming_, view));
    QListWidgetItem* item = list.item(i);
    item->setText(text);
    item->setForeground(v.mark == Mark::None ? window_->palette().text()
                                             : QBrush(kMarkColour[static_cast<int>(v.mark)]));
  }
  if (current >= 0 && current < rows) list.setCurrentRow(current);

  QStringList summary;
  for (Camp c : {Camp::Fir, Camp::Oak}) {
    const review::Summary s = review::Summarise(plies_, review_, c);
    summary << Tr(ui_text::kReviewSummary)
                   .arg(Tr(CampName(c)))
                   .arg(s.marks[1])
                   .arg(s.marks[2])
                   .arg(s.marks[3])
                   .arg(100 * s.averageDrop, 0, 'f', 1);
  }
  if (fitting_ < static_cast<int>(plies_.moves.size()) && !running_)
    summary << Tr(ui_text::kReviewStale);
  window_->ReviewSummary->setText(summary.join(u'\n'));
}

// While the board stands before a marked move: that move in its mark's colour and the better
// one.
void GameReview::ShowArrows() {
  if (!arrows_) return;
  const Game& game = form_.game();
  const int ply = game.RecordCount();
  if (!reviewed_ || ply >= fitting_ || ply >= static_cast<int>(review_.moves.size())) {
    arrows_->Clear();
    return;
  }
  const review::Verdict& v = review_.moves[static_cast<std::size_t>(ply)];
  const engine::Move played = plies_.moves[static_cast<std::size_t>(ply)];
  if (v.mark == Mark::None) {
    arrows_->Clear();
    return;
  }
  const int view = game.ViewSide();
  std::vector<SceneArrow> arrows;
  auto add = [&](engine::Move m, QColor colour, const QString& badge) {
    if (!m.IsNone())
      arrows.push_back({engine::ToViewSquare(view, m.From()), engine::ToViewSquare(view, m.To()),
                        colour, badge});
  };
  add(v.better, kBetterColour, QString());
  QColor colour = kMarkColour[static_cast<int>(v.mark)];
  colour.setAlpha(200);
  add(played, colour, Text(review::MarkSymbol(v.mark)));
  arrows_->Show(std::move(arrows));
  arrows_->raise();
}

void GameReview::GoToPly(int ply) {
  Game& game = form_.game();
  if (!reviewed_ || !LocalMode(game.Mode())) return;
  ply = std::clamp(ply, 0, std::min(fitting_, game.RedoLimit()));
  const std::optional<Camp> computer = form_.Computer().ComputerCamp();
  if (computer && game.Mode() == GameMode::LocalPlaying)
    while (ply > 0 && plies_.positions[static_cast<std::size_t>(ply)].SideToMove() == *computer)
      --ply;
  form_.ClearDragState();
  while (game.RecordCount() > ply)
    game.miUndoClick();
  while (game.RecordCount() < ply)
    game.miRedoClick();
}

// The game rebuilds its history in the middle of its operations (a new viewing side is stored
// after it), so the fitting records counted when the game last stood still are used; Follow
// has the history rebuilt when that count changes.
void GameReview::Decorate(std::vector<std::string>& lines) const {
  if (!reviewed_ || gameNumber_ != form_.game().GameNumber()) return;
  const int fitting = std::min(fitting_, static_cast<int>(lines.size()));
  for (int i = 0; i < fitting; ++i) {
    const Mark mark = review_.moves[static_cast<std::size_t>(i)].mark;
    if (mark != Mark::None)
      lines[static_cast<std::size_t>(i)] += "  " + std::string(review::MarkSymbol(mark));
  }
}

std::vector<HeaderNote> GameReview::Notes() const {
  const int fitting = FittingRecords();
  if (!reviewed_ || fitting == 0) return {};
  const review::Plies plies = review::PliesOf(SaveGame(form_.game(), {}).records);
  review::Review r = review::Start(plies, kBudget);
  r.budget = review_.budget;
  for (int i = 0; i <= fitting && i < static_cast<int>(r.evals.size()); ++i)
    r.evals[static_cast<std::size_t>(i)] = review_.evals[static_cast<std::size_t>(i)];
  review::Judge(plies, r);
  return review::WriteNotes(plies, r);
}

void GameReview::Loaded(const SavedGame& saved) {
  if (running_) Cancel();
  std::optional<review::Review> r = review::ReadNotes(saved.notes, saved);
  if (!r) {
    reviewed_ = false;
    fitting_ = 0;
    if (arrows_) arrows_->Clear();
    if (window_ && window_->isVisible()) Show();
    return;
  }
  Take(saved.records, std::move(*r));
  done_ = static_cast<int>(review_.evals.size());
  if (window_ && window_->isVisible()) Finish(false);
  form_.game().RebuildHistory();
  ShowArrows();
}

}  // namespace tamsok
