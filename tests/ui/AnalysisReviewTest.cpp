// "Analyse" and "Review game" from the Computer menu, driven as a player would: the analysis
// follows moves, undo and the viewing side at once and ends outside the local modes; the
// review marks a move that hangs the Tree, steps through the game from its graph, shows the
// better move, can be cancelled, and is saved and loaded with the game.
#include <QAbstractButton>
#include <QDockWidget>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <algorithm>

#include "game/ComputerGame.h"
#include "rules/Frames.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/Analysis.h"
#include "ui/HowToPlay.h"
#include "ui/Kibo.h"
#include "ui/LearningTools.h"
#include "ui/MoveArrows.h"
#include "ui/Review.h"
#include "ui/Translation.h"

namespace tamsok {
namespace {

constexpr int kWaitMs = 30000;
constexpr PieceId kFirCloud = 10;  // canonical (4, 3)
constexpr PieceId kOakAnt = 48;    // canonical (0, 7)
constexpr PieceId kFirAnt = 18;    // canonical (0, 2)

struct LearningFixture : testing::BoardFixture {
  LearningTools& learning = form.Learning();

  void Settle() {
    for (int i = 0; i < 3; ++i)
      QCoreApplication::processEvents();
  }
  engine::Position Now() const { return PositionOf(form.game()); }
};

TEST_F(LearningFixture, AnalysisFollowsMovesUndoAndTheViewAndOnlyInLocalModes) {
  AnalysisView& analysis = learning.Analysis();
  QAction* item = Item("miAnalyse");
  EXPECT_TRUE(item->isCheckable());
  NewGame();
  item->trigger();
  ASSERT_TRUE(analysis.On());
  EXPECT_TRUE(item->isChecked());
  EXPECT_TRUE(analysis.Dock()->isVisible());
  ASSERT_EVENTUALLY(analysis.Shown() && analysis.Shown()->depth >= 2, kWaitMs);
  EXPECT_EQ(*analysis.Analysed(), Now());
  auto arrowIsBestMove = [&] {
    const engine::Move best = analysis.Shown()->pv.front();
    const std::vector<SceneArrow>& arrows = analysis.Arrows()->Arrows();
    const int side = form.game().ViewSide();
    return !arrows.empty() && arrows.front().from == engine::ToViewSquare(side, best.From()) &&
           arrows.front().to == engine::ToViewSquare(side, best.To());
  };
  EXPECT_TRUE(arrowIsBestMove());
  // The three best moves, each an arrow with its score.
  const std::vector<engine::PvLine> lines = LinesOf(*analysis.Shown());
  ASSERT_EQ(lines.size(), 3u);
  ASSERT_EQ(analysis.Arrows()->Arrows().size(), 3u);
  for (std::size_t i = 0; i < 3; ++i)
    EXPECT_EQ(analysis.Arrows()->Arrows()[i].badge.toStdString(),
              review::ScoreText(lines[i].score));
  EXPECT_EQ(analysis.MovesLabel()->text().count(u'\n'), 2);
  EXPECT_FALSE(analysis.ScoreLabel()->text().isEmpty());
  EXPECT_FALSE(analysis.LineLabel()->text().isEmpty());

  // A move: the new position is analysed at once, and nothing found for the old one shows.
  DragTo(kFirAnt, View({0, 3}));
  Settle();
  EXPECT_EQ(*analysis.Analysed(), Now());
  EXPECT_TRUE(!analysis.Shown() || arrowIsBestMove());
  ASSERT_EVENTUALLY(analysis.Shown() && analysis.Shown()->depth >= 2, kWaitMs);

  // Another viewing side redraws what was found, in the new frame, without a new search.
  Item("miR180")->trigger();
  Settle();
  ASSERT_TRUE(analysis.Shown());
  EXPECT_TRUE(arrowIsBestMove());

  Item("miUndo")->trigger();
  Settle();
  EXPECT_EQ(*analysis.Analysed(), Now());
  EXPECT_EQ(Now().SideToMove(), Camp::Fir);

  // A network game ends the analysis, and it is not offered there.
  form.game().SetGameMode(GameMode::ServerPlaying);
  EXPECT_FALSE(analysis.On());
  EXPECT_FALSE(item->isChecked());
  EXPECT_FALSE(item->isEnabled());
  EXPECT_FALSE(analysis.Dock()->isVisible());
  EXPECT_TRUE(analysis.Arrows()->Arrows().empty());
  form.game().SetGameMode(GameMode::LocalFree);
  EXPECT_TRUE(item->isEnabled());
}

// Fir's Cloud steps next to its Tree's corner, where Oak's Lightning may strike the Tree.
TEST_F(LearningFixture, ReviewMarksTheBlunderStepsThroughTheGameAndIsSavedWithIt) {
  Item("miMoveHistory")->trigger();
  NewGame();
  Settle();
  EXPECT_FALSE(Item("miReviewGame")->isEnabled());  // nothing to review yet
  DragTo(kFirCloud, View({2, 1}));
  DragTo(kOakAnt, View({0, 6}));
  ASSERT_EQ(form.game().RecordCount(), 2);
  Settle();
  ASSERT_TRUE(Item("miReviewGame")->isEnabled());
  Item("miReviewGame")->trigger();
  GameReview& review = learning.Review();
  TReviewForm& window = *review.Window();
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.windowTitle().toStdString(), "Game review");
  ASSERT_EVENTUALLY(!review.Running(), kWaitMs);
  EXPECT_FALSE(window.ReviewProgress->isVisible());
  ASSERT_NE(review.Result(), nullptr);
  EXPECT_EQ(review.Result()->moves[0].mark, review::Mark::Blunder);
  ASSERT_EQ(window.LbxReview->count(), 2);
  EXPECT_TRUE(window.LbxReview->item(0)->text().contains(QLatin1String("?? blunder")));
  EXPECT_TRUE(window.ReviewSummary->text().contains(
      QLatin1String("Fir: 0 inaccuracies, 0 mistakes, 1 blunders")));
  const QString history = form.KiboForm()->MemoKibo->toPlainText();
  EXPECT_TRUE(history.startsWith(QLatin1String("[  1][F.Cl] {46->28}  ??")))
      << history.toStdString();

  // A click on the graph's first point goes back to the start, where the better move shows.
  EvalGraph& graph = *window.ReviewGraph;
  QTest::mouseClick(&graph, Qt::LeftButton, Qt::NoModifier, graph.PointOf(0));
  Settle();
  EXPECT_EQ(form.game().RecordCount(), 0);
  EXPECT_EQ(form.game().RedoLimit(), 2);
  ASSERT_EQ(review.Arrows()->Arrows().size(), 2u);
  EXPECT_EQ(review.Arrows()->Arrows()[1].from, View({4, 3}));  // the move played
  EXPECT_EQ(review.Arrows()->Arrows()[1].to, View({2, 1}));
  QTest::mouseClick(&graph, Qt::LeftButton, Qt::NoModifier, graph.PointOf(2));
  Settle();
  EXPECT_EQ(form.game().RecordCount(), 2);
  EXPECT_TRUE(review.Arrows()->Arrows().empty());

  // Saved with the game, and back with it without a new analysis.
  QTemporaryDir dir;
  prompts.savePath = dir.filePath(QStringLiteral("reviewed"));
  Item("miSaveas")->trigger();
  QFile file(dir.filePath(QStringLiteral("reviewed.TMK")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray saved = file.readAll();
  EXPECT_TRUE(saved.contains("\nReview: Expert\nEvaluations: ")) << saved.toStdString();
  EXPECT_TRUE(saved.contains("\nMarks: 1?? ")) << saved.toStdString();
  const std::vector<review::Eval> evals = review.Result()->evals;
  Item("miLocalAlone")->trigger();
  NewGame();
  Settle();
  EXPECT_EQ(review.Fitting(), 0);
  Item("miLocalAlone")->trigger();
  prompts.openPath = file.fileName();
  Item("miLoad")->trigger();
  Settle();
  ASSERT_NE(review.Result(), nullptr);
  EXPECT_FALSE(review.Running());
  EXPECT_EQ(review.Result()->evals, evals);
  EXPECT_EQ(review.Fitting(), 2);
  EXPECT_TRUE(form.KiboForm()->MemoKibo->toPlainText().contains(QLatin1String("{46->28}  ??")));
}

// A game that has ended, here by Oak's Lightning striking Fir's Tree, is reviewed up to its
// end and stepped through from the graph.
TEST_F(LearningFixture, AFinishedGameIsReviewedToItsEnd) {
  Item("miMoveHistory")->trigger();
  NewGame();
  DragTo(kFirCloud, View({2, 1}));
  DragTo(31, View({4, 0}));  // Oak's Lightning strikes the Tree
  ASSERT_EQ(form.game().Winner(), Camp::Oak);
  Settle();
  ASSERT_TRUE(Item("miReviewGame")->isEnabled());
  Item("miReviewGame")->trigger();
  GameReview& review = learning.Review();
  ASSERT_EVENTUALLY(!review.Running(), kWaitMs);
  ASSERT_EQ(review.Result()->moves.size(), 2u);
  EXPECT_EQ(review.Result()->evals[2].score, -engine::kWinScore);  // Fir has lost its Tree
  EXPECT_EQ(review.Fitting(), 2);
  const QStringList lines = form.KiboForm()->MemoKibo->toPlainText().split(u'\n');
  ASSERT_EQ(lines.size(), 2);
  EXPECT_TRUE(lines[0].endsWith(QLatin1String("??")));
  EvalGraph& graph = *review.Window()->ReviewGraph;
  QTest::mouseClick(&graph, Qt::LeftButton, Qt::NoModifier, graph.PointOf(1));
  Settle();
  EXPECT_EQ(form.game().RecordCount(), 1);
  QTest::mouseClick(&graph, Qt::LeftButton, Qt::NoModifier, graph.PointOf(2));
  Settle();
  EXPECT_EQ(form.game().RecordCount(), 2);
}

TEST_F(LearningFixture, ACancelledReviewKeepsWhatItFound) {
  NewGame();
  for (int i = 0; i < 20; ++i) {
    // Fir's first Ant and Oak's first Ant step back and forth.
    const bool fir = i % 2 == 0;
    const PieceId ant = fir ? kFirAnt : kOakAnt;
    const int y = fir ? (i % 4 == 0 ? 3 : 2) : (i % 4 == 1 ? 6 : 7);
    DragTo(ant, View({0, y}));
  }
  ASSERT_EQ(form.game().RecordCount(), 20);
  Item("miReviewGame")->trigger();
  GameReview& review = learning.Review();
  ASSERT_TRUE(review.Running());
  QTest::mouseClick(review.Window()->BtnCancelReview, Qt::LeftButton);
  EXPECT_FALSE(review.Running());
  EXPECT_FALSE(review.Window()->BtnCancelReview->isVisible());
  EXPECT_TRUE(review.Window()->ReviewStatus->text().startsWith(QLatin1String("Cancelled: ")));
  int known = 0;
  for (const review::Eval& e : review.Result()->evals)
    known += e.known;
  EXPECT_LT(known, 21);
  // Asked again, it goes on from there and finishes.
  Item("miReviewGame")->trigger();
  ASSERT_EVENTUALLY(!review.Running(), kWaitMs);
  for (const review::Eval& e : review.Result()->evals)
    EXPECT_TRUE(e.known);
}

// The new windows speak Korean in the Korean interface: captions, buttons, labels, the rules'
// pages and diagrams' captions, and the scores and marks composed below the windows.
struct KoreanLearningFixture : LearningFixture {
  static void SetUpTestSuite() {
    ASSERT_TRUE(UseLanguage(Language::Korean, QString::fromUtf8(TAMSOK_TEST_TRANSLATIONS)));
  }
  static void TearDownTestSuite() { UseLanguage(Language::English, QString()); }
};

TEST_F(KoreanLearningFixture, TheNewWindowsSpeakKorean) {
  auto hangul = [](const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0xAC00 && c.unicode() <= 0xD7A3; });
  };
  NewGame();
  DragTo(kFirCloud, View({2, 1}));
  Item("miAnalyse")->trigger();
  Item("miReviewGame")->trigger();
  ASSERT_EVENTUALLY(!learning.Review().Running() && learning.Analysis().Shown(), kWaitMs);
  Item("miHowToPlay")->trigger();
  std::vector<QWidget*> windows = {learning.HowToPlay(), learning.Review().Window(),
                                   learning.Analysis().Dock()};
  std::vector<QString> texts;
  for (QWidget* w : windows) {
    if (w->isWindow()) texts.push_back(w->windowTitle());
    for (const QLabel* label : w->findChildren<QLabel*>())
      if (label->objectName() != QLatin1String("AnalysisScore")) texts.push_back(label->text());
    for (const QAbstractButton* button : w->findChildren<QAbstractButton*>())
      texts.push_back(button->text());
  }
  for (const QString& text : texts)
    EXPECT_TRUE(text.isEmpty() || hangul(text)) << text.toStdString();
  EXPECT_TRUE(hangul(learning.HowToPlay()->MemoLesson->toPlainText()));
  const QString move = learning.Review().Window()->LbxReview->item(0)->text();
  EXPECT_TRUE(move.contains(QStringLiteral("전나무 구름 e3-c1"))) << move.toStdString();
  EXPECT_TRUE(move.contains(QStringLiteral("대실수"))) << move.toStdString();
  EXPECT_EQ(Tr(review::ScoreText(engine::kWinScore - 5)), QStringLiteral("3수 안에 나무를 잡음"));
}

}  // namespace
}  // namespace tamsok
