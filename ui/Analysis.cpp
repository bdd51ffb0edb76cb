#include "ui/Analysis.h"

#include <QDockWidget>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

#include "game/ComputerGame.h"
#include "game/Review.h"
#include "rules/Catalogue.h"
#include "ui/BoardMarks.h"
#include "ui/Fonts.h"
#include "ui/MoveArrows.h"
#include "ui/MoveNames.h"
#include "ui/SearchThread.h"
#include "ui/Translation.h"
#include "ui/UiTexts.h"
#include "ui/mainBoard.h"

namespace tamsok {

namespace {

// Reports that arrive faster than this are shown together: the window's thread spends its
// time on the board, not on redrawing the panel for every shallow depth.
constexpr qint64 kShowEveryMs = 40;
constexpr int kPanelWidth = 240;
constexpr int kBarWidth = 22;
constexpr std::size_t kLineMoves = 10;  // moves of the best line written out
constexpr std::size_t kArrowLines = 3;

// The best move's arrow, then the second's and the third's, paler.
const QColor kLineColour[kArrowLines] = {
    QColor(0x15, 0x65, 0xC0, 235), QColor(0x1E, 0x88, 0xE5, 200), QColor(0x64, 0xB5, 0xF6, 190)};

}  // namespace

std::vector<engine::PvLine> LinesOf(const engine::SearchInfo& info) {
  std::vector<engine::PvLine> lines;
  for (const engine::PvLine& line : info.lines)
    if (!line.pv.empty()) lines.push_back(line);
  if (lines.empty() && !info.pv.empty()) lines.push_back({info.score, info.pv});
  return lines;
}

// ---- The bar ------------------------------------------------------------------------------

EvalBar::EvalBar(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("EvalBar"));
  setFixedWidth(kBarWidth);
  setMinimumHeight(200);
}

void EvalBar::Set(double firShare, bool firAtFoot) {
  firShare_ = firShare;
  firAtFoot_ = firAtFoot;
  update();
}

void EvalBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect r = rect().adjusted(1, 1, -1, -1);
  const int firHeight = static_cast<int>(r.height() * firShare_ + 0.5);
  const QRect fir = firAtFoot_ ? QRect(r.left(), r.bottom() - firHeight + 1, r.width(), firHeight)
                               : QRect(r.left(), r.top(), r.width(), firHeight);
  p.fillRect(r, CampMarkColour(Camp::Oak));
  p.fillRect(fir, CampMarkColour(Camp::Fir));
  p.setPen(QPen(QColor(255, 255, 255, 200), 1, Qt::DashLine));
  p.drawLine(r.left(), r.center().y(), r.right(), r.center().y());
  p.setPen(QColor(0x1A, 0x1A, 0x1A));
  p.drawRect(r);
}

// ---- The view -----------------------------------------------------------------------------

AnalysisView::AnalysisView(TBoardForm& form) : form_(form) {}

AnalysisView::~AnalysisView() {
  worker_.reset();  // its reports stop before this object goes
}

void AnalysisView::BuildPanel() {
  dock_ = new QDockWidget(&form_);
  dock_->setObjectName(QStringLiteral("AnalysisDock"));
  dock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
  dock_->setTitleBarWidget(new QWidget(dock_));
  auto* panel = new QWidget(dock_);
  panel->setObjectName(QStringLiteral("AnalysisPanel"));
  // A fixed size: no text shown may resize the main window, which would repaint the board.
  panel->setFixedSize(kPanelWidth, TBoardForm::kClientHeight);
  bar_ = new EvalBar(panel);
  auto label = [&](const char* name, QFont font) {
    auto* l = new QLabel(panel);
    l->setObjectName(QString::fromUtf8(name));
    l->setFont(font);
    l->setWordWrap(true);
    l->setTextFormat(Qt::PlainText);
    return l;
  };
  toMove_ = label("AnalysisToMove", SansFont(12));
  score_ = label("AnalysisScore", SansFont(22, /*bold=*/true));
  depth_ = label("AnalysisDepth", SansFont(11));
  auto* lineHead = label("AnalysisLineHead", SansFont(12, /*bold=*/true));
  lineHead->setText(Tr(ui_text::kAnalysisBestLine));
  line_ = label("AnalysisLine", SansFont(12));
  line_->setTextFormat(Qt::RichText);
  auto* movesHead = label("AnalysisMovesHead", SansFont(12, /*bold=*/true));
  movesHead->setText(Tr(ui_text::kAnalysisBestMoves));
  moves_ = label("AnalysisMoves", SansFont(12));

  auto* texts = new QVBoxLayout;
  for (QLabel* l : {toMove_, score_, depth_, movesHead, moves_, lineHead, line_})
    texts->addWidget(l);
  texts->addStretch(1);
  auto* layout = new QHBoxLayout(panel);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(bar_);
  layout->addLayout(texts, 1);
  dock_->setWidget(panel);
  form_.addDockWidget(Qt::RightDockWidgetArea, dock_);
  arrows_ = new MoveArrows(form_.BoardArea(), form_.Geometry(), "AnalysisArrows");
}

void AnalysisView::SetOn(bool on) {
  if (on == on_) return;
  on_ = on;
  if (!on) {
    if (worker_) worker_->Stop();
    ++job_;
    analysed_.reset();
    latest_.reset();
    shown_.reset();
    if (dock_) dock_->hide();
    if (arrows_) arrows_->Clear();
    return;
  }
  if (!dock_) BuildPanel();
  if (!worker_) worker_ = std::make_unique<SearchThread>("AnalysisWorker");
  updates_ = 0;
  dock_->show();
  arrows_->show();
  arrows_->raise();
  Follow(naming_);
}

void AnalysisView::Follow(SquareNaming naming) {
  if (!on_) return;
  const Game& game = form_.game();
  const engine::Position now = PositionOf(game);
  const bool redraw = naming != naming_ || game.ViewSide() != viewSide_;
  naming_ = naming;
  viewSide_ = game.ViewSide();
  if (!analysed_ || !(*analysed_ == now))
    Start(now);
  else if (redraw)
    Redraw();
}

void AnalysisView::Start(const engine::Position& position) {
  const int id = ++job_;
  analysed_ = position;
  latest_.reset();
  shown_.reset();
  showPending_ = false;
  Redraw();
  // A game that is over, by a Tree or by the Scoring rule, is not searched.
  if (!position.TreeStands(Camp::Fir) || !position.TreeStands(Camp::Oak) ||
      position.ScoringOpen()) {
    worker_->Stop();
    return;
  }
  worker_->Run([this, id, position](engine::Searcher& searcher, const std::atomic<bool>& stop) {
    const engine::ProgressFn progress = [this, id](const engine::SearchInfo& info) {
      QMetaObject::invokeMethod(
          this, [this, id, info] { OnReport(id, info); }, Qt::QueuedConnection);
    };
    engine::Limits limits;
    limits.depth = engine::kMaxDepth;  // deeper until the position changes
    limits.multiPv = static_cast<int>(kArrowLines);
    searcher.Search(position, limits, stop, progress);
  });
}

void AnalysisView::OnReport(int job, const engine::SearchInfo& info) {
  if (job != job_ || !on_) return;
  latest_ = info;
  if (showPending_) return;
  const qint64 wait = shown_ ? kShowEveryMs - sinceShown_.elapsed() : 0;
  if (wait <= 0) {
    ShowLatest();
    return;
  }
  showPending_ = true;
  QTimer::singleShot(static_cast<int>(wait), this, [this, job] {
    showPending_ = false;
    if (job == job_ && on_) ShowLatest();
  });
}

void AnalysisView::ShowLatest() {
  if (!latest_) return;
  shown_ = latest_;
  sinceShown_.start();
  ++updates_;
  Redraw();
}

// Writes what was found for the position analysed, in the current view and naming.
void AnalysisView::Redraw() {
  if (!analysed_ || !dock_) return;
  const engine::Position& pos = *analysed_;
  const Camp side = pos.SideToMove();
  const int view = form_.game().ViewSide();
  toMove_->setText(Tr(ui_text::kAnalysisToMove).arg(Tr(CampName(side))));
  const bool firAtFoot = view == 2 || view == 3;
  if (!pos.TreeStands(Camp::Fir) || !pos.TreeStands(Camp::Oak)) {
    score_->setText(QString());
    depth_->setText(Tr(ui_text::kAnalysisGameOver));
    bar_->Set(pos.TreeStands(Camp::Fir) ? 1.0 : 0.0, firAtFoot);
    line_->clear();
    moves_->clear();
    arrows_->Clear();
    return;
  }
  if (pos.ScoringOpen()) {  // the camp the rule favours wins by calling Scoring
    const int score =
        pos.ScoringFavours() == side ? engine::kClaimWinScore : -engine::kClaimWinScore;
    score_->setText(Tr(review::ScoreText(score)));
    depth_->clear();
    bar_->Set(pos.ScoringFavours() == Camp::Fir ? 1.0 : 0.0, firAtFoot);
    line_->clear();
    moves_->clear();
    arrows_->Clear();
    return;
  }
  if (!shown_) {
    score_->setText(QString());
    depth_->setText(Tr(ui_text::kAnalysisThinking));
    bar_->Set(0.5, firAtFoot);
    line_->clear();
    moves_->clear();
    arrows_->Clear();
    return;
  }
  const engine::SearchInfo& info = *shown_;
  const std::vector<engine::PvLine> lines = LinesOf(info);
  const int score = lines.empty() ? info.score : lines.front().score;
  score_->setText(Tr(review::ScoreText(score)));
  depth_->setText(Tr(ui_text::kAnalysisDepth).arg(info.depth).arg(info.nodes));
  bar_->Set(review::ExpectedScore(side == Camp::Fir ? score : -score), firAtFoot);

  // The best line, its moves played out on a copy of the position.
  QStringList words;
  if (!lines.empty()) {
    engine::Position line = pos;
    for (std::size_t i = 0; i < lines.front().pv.size() && i < kLineMoves; ++i) {
      const engine::Move m = lines.front().pv[i];
      if (!m.IsNone() && !engine::IsLegal(line, m)) break;
      // A move is never broken across two lines of the label.
      words << QStringLiteral("<span style=\"white-space:nowrap\">%1</span>")
                   .arg(MoveForPeople(line, m, naming_, view).toHtmlEscaped());
      if (m.IsNone()) {
        line.MakePass();
      } else {
        engine::Undo undo;
        line.Make(m, undo);
      }
    }
  }
  line_->setText(words.join(QStringLiteral(", ")));

  QStringList best;
  std::vector<SceneArrow> arrows;
  for (std::size_t i = 0; i < lines.size() && i < kArrowLines; ++i) {
    const engine::Move m = lines[i].pv.front();
    if (!m.IsNone() && !engine::IsLegal(pos, m)) continue;
    const QString scoreText = Tr(review::ScoreText(lines[i].score));
    best << QStringLiteral("%1. %2  %3")
                .arg(i + 1)
                .arg(MoveForPeople(pos, m, naming_, view), scoreText);
    if (!m.IsNone())  // a pass has no arrow
      arrows.push_back({engine::ToViewSquare(view, m.From()), engine::ToViewSquare(view, m.To()),
                        kLineColour[i], scoreText});
  }
  moves_->setText(best.join(u'\n'));
  arrows_->Show(std::move(arrows));
}

}  // namespace tamsok
