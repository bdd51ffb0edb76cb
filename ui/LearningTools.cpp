#include "ui/LearningTools.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QTimer>

#include "ui/Analysis.h"
#include "ui/EdgeLabels.h"
#include "ui/GameDisplays.h"
#include "ui/Review.h"
#include "ui/Translation.h"
#include "ui/UiTexts.h"
#include "ui/WindowParts.h"
#include "ui/mainBoard.h"

namespace tamsok {

namespace {

QString Text(const char* text) {
  return QString::fromUtf8(text);
}

QAction* AddItem(QMenu* menu, QAction* before, const char* name, const char* caption) {
  auto* action = new QAction(Tr(caption), menu);
  action->setObjectName(Text(name));
  menu->insertAction(before, action);
  return action;
}

}  // namespace

LearningTools::LearningTools(TBoardForm& form) : form_(form) {
  SetSquareNaming(SquareNaming::Letters);  // as the menu starts
  setObjectName(QStringLiteral("LearningTools"));
  columnLabels_ =
      new EdgeLabelStrip(form_.BoardArea(), form_.Geometry(), EdgeLabelStrip::Edge::Foot);
  rowLabels_ = new EdgeLabelStrip(form_.BoardArea(), form_.Geometry(), EdgeLabelStrip::Edge::Left);
  analysis_ = std::make_unique<AnalysisView>(form_);
  review_ = std::make_unique<GameReview>(form_);
  BuildMenus();
  // A saved game keeps its review; a loaded one brings it back.
  form_.GameFiles().Notes = [this] { return review_->Notes(); };
  form_.GameFiles().Loaded = [this](const SavedGame& saved) { review_->Loaded(saved); };
}

LearningTools::~LearningTools() = default;

namespace {

bool LocalMode(GameMode mode) {
  return mode == GameMode::LocalFree || mode == GameMode::LocalPlaying;
}

}  // namespace

void LearningTools::BuildMenus() {
  // "Help" > "How to play", above "About".
  QAction* about = form_.Action(QStringLiteral("miAbout"));
  auto* help = qobject_cast<QMenu*>(about->parent());
  if (!help) help = form_.findChild<QMenu*>(QStringLiteral("Help1"));
  QAction* howToPlay = AddItem(help, about, "miHowToPlay", ui_text::kHowToPlay);
  howToPlay->setShortcut(QKeySequence(Qt::Key_F1));
  howToPlay->setShortcutContext(Qt::ApplicationShortcut);
  help->insertSeparator(about);
  connect(howToPlay, &QAction::triggered, this, &LearningTools::miHowToPlayClick);

  // "Interface" > "Board Labels", after "View Side".
  auto* interfaceMenu = form_.findChild<QMenu*>(QStringLiteral("miEnvironmentEx"));
  auto* sideMenu = form_.findChild<QMenu*>(QStringLiteral("BoardRotation1"));
  const QList<QAction*> items = interfaceMenu->actions();
  const qsizetype side = items.indexOf(sideMenu->menuAction());
  QAction* after = side + 1 < items.size() ? items[side + 1] : nullptr;
  auto* labels = new QMenu(Tr(ui_text::kMenuBoardLabels), interfaceMenu);
  labels->setObjectName(QStringLiteral("BoardLabels1"));
  labels->menuAction()->setObjectName(QStringLiteral("BoardLabels1"));
  interfaceMenu->insertMenu(after, labels);
  auto* group = new QActionGroup(this);
  miLabelsLetters_ = AddItem(labels, nullptr, "miLabelsLetters", ui_text::kLabelsLetters);
  miLabelsDigits_ = AddItem(labels, nullptr, "miLabelsDigits", ui_text::kLabelsDigits);
  for (QAction* a : {miLabelsLetters_, miLabelsDigits_}) {
    a->setCheckable(true);
    group->addAction(a);
  }
  miLabelsLetters_->setChecked(true);
  connect(miLabelsLetters_, &QAction::triggered, this,
          [this] { SelectNaming(SquareNaming::Letters); });
  connect(miLabelsDigits_, &QAction::triggered, this,
          [this] { SelectNaming(SquareNaming::Digits); });

  // "Computer" > "Analyse" and "Review game", at the end.
  auto* computer = form_.findChild<QMenu*>(QStringLiteral("Computer1"));
  computer->addSeparator();
  miAnalyse_ = AddItem(computer, nullptr, "miAnalyse", ui_text::kAnalyse);
  miAnalyse_->setCheckable(true);
  connect(miAnalyse_, &QAction::triggered, this, &LearningTools::miAnalyseClick);
  miReviewGame_ = AddItem(computer, nullptr, "miReviewGame", ui_text::kReviewGame);
  connect(miReviewGame_, &QAction::triggered, this, &LearningTools::miReviewGameClick);
}

LessonLook LearningTools::Look() const {
  LessonLook look;
  look.scene.skin = form_.CurrentSkin();
  look.scene.naming = Naming();
  look.scene.picture = form_.BoardImage(look.scene.skin)->Picture();
  look.viewSide = form_.game().ViewSide();
  return look;
}

void LearningTools::ShowLabels() {
  const int side = form_.game().ViewSide();
  const EdgeLabels labels = BoardEdgeLabels(Naming(), side);
  columnLabels_->Show(labels, form_.CurrentSkin());
  rowLabels_->Show(labels, form_.CurrentSkin());
  columnLabels_->show();
  rowLabels_->show();
}

// ---- Hooks ------------------------------------------------------------------------------

// A rebuild happens inside the game's operations (a new viewing side is stored only after
// it), so the game is looked at once the operation is over, on the next pass of the event
// loop.
void LearningTools::BoardChanged() {
  if (syncScheduled_) return;
  syncScheduled_ = true;
  QTimer::singleShot(0, this, [this] { Sync(); });
}

void LearningTools::Sync() {
  syncScheduled_ = false;
  const int side = form_.game().ViewSide();
  if (side != shownSide_) {
    shownSide_ = side;
    ShowLabels();
    if (howToPlay_ && howToPlay_->isVisible()) howToPlay_->Refresh();
  }
  analysis_->Follow(Naming());
  review_->Follow(Naming());
  miReviewGame_->setEnabled(review_->Offered());
}

void LearningTools::SkinChanged() {
  ShowLabels();
  if (howToPlay_ && howToPlay_->isVisible()) howToPlay_->Refresh();
}

// Analysis is for games at this machine: another mode ends it.
void LearningTools::GameModeApplied() {
  const bool local = LocalMode(form_.game().Mode());
  miAnalyse_->setEnabled(local);
  if (!local && analysis_->On()) {
    analysis_->SetOn(false);
    miAnalyse_->setChecked(false);
  }
  BoardChanged();
}

// ---- Commands ---------------------------------------------------------------------------

void LearningTools::miHowToPlayClick() {
  if (!howToPlay_) {
    howToPlay_ = new THowToPlayForm(&form_, form_.Geometry(), [this] { return Look(); });
    PlaceRightOf(form_, *howToPlay_);
  } else {
    howToPlay_->Refresh();
  }
  howToPlay_->show();
  howToPlay_->raise();
  howToPlay_->activateWindow();
}

void LearningTools::SelectNaming(SquareNaming naming) {
  SetSquareNaming(naming);
  (naming == SquareNaming::Letters ? miLabelsLetters_ : miLabelsDigits_)->setChecked(true);
  ShowLabels();
  if (howToPlay_ && howToPlay_->isVisible()) howToPlay_->Refresh();
  analysis_->Follow(Naming());
  review_->Follow(Naming());
  form_.game().RebuildHistory();
  form_.Displays().Schedule();  // the pieces' accessible names name their squares
}

void LearningTools::miAnalyseClick() {
  const bool on = miAnalyse_->isChecked() && LocalMode(form_.game().Mode());
  miAnalyse_->setChecked(on);
  analysis_->SetOn(on);
  if (on) analysis_->Follow(Naming());
}

void LearningTools::miReviewGameClick() {
  review_->miReviewGameClick();
}

std::vector<std::string> LearningTools::DecorateHistory(std::vector<std::string> lines) const {
  review_->Decorate(lines);
  return lines;
}

}  // namespace tamsok
