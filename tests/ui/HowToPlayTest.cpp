// The rules window: every diagram shows what the rules answer for its position, from every
// viewing side, and shows what its page says it shows; the window opens from the menu, keeps
// its diagrams in the board's skin, and its practice board moves a piece by the rules.
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>

#include <algorithm>
#include <set>

#include "rules/Catalogue.h"
#include "rules/Frames.h"
#include "rules/Influence.h"
#include "rules/MoveCheck.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/EdgeLabels.h"
#include "ui/HowToPlay.h"
#include "ui/LearningTools.h"
#include "ui/SquareNames.h"

namespace tamsok {
namespace {

using lessons::Influence;
using SquareSet = std::set<std::pair<int, int>>;

SquareSet Set(const std::vector<Square>& squares) {
  SquareSet s;
  for (Square q : squares)
    s.insert({q.x, q.y});
  return s;
}

MoveCheckResult Check(const Board& b, PieceId p, Square to) {
  return CheckMove(b, p, b.PiecePos[p].x, b.PiecePos[p].y, to.x, to.y);
}

SquareSet LegalBySquareScan(const Board& b, PieceId p) {
  SquareSet s;
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y)
      if (Check(b, p, {x, y}) == MoveCheckResult::Legal) s.insert({x, y});
  return s;
}

bool CloakedByCounters(const Board& b, PieceId p) {
  const Square s = b.PiecePos[p];
  return b.StandsOnBoard(p) && Cloakable[Index(KindOf(p))] && b.At(s).Cloak[Index(CampOf(p))] > 0;
}

bool FrozenByCounters(const Board& b, PieceId p) {
  const Square s = b.PiecePos[p];
  return b.StandsOnBoard(p) && Freezable[Index(KindOf(p))] && b.At(s).Freeze[Index(CampOf(p))] > 0;
}

// The overlay's answers rebuilt from the counters and the legality check of each Lightning.
InfluenceMap InfluenceByRules(const Board& b) {
  InfluenceMap m;
  for (PieceId p = 0; p < kPieceCount; ++p) {
    if (!b.StandsOnBoard(p)) continue;
    const Square s = b.PiecePos[p];
    m.cells[s.x][s.y].cloaked = CloakedByCounters(b, p);
    m.cells[s.x][s.y].frozen = FrozenByCounters(b, p);
    if (KindOf(p) != PieceKind::Lightning) continue;
    for (Square t : [&] {
           std::vector<Square> v;
           for (auto [x, y] : LegalBySquareScan(b, p))
             v.push_back({x, y});
           return v;
         }()) {
      SquareInfluence& cell = m.cells[t.x][t.y];
      (b.OccupantAt(t) == kNoPiece ? cell.landing : cell.strike)[Index(CampOf(p))] = true;
    }
  }
  return m;
}

Board Without(Board b, PieceId p) {
  b.InPlay[p] = false;
  RebuildBoard(b);
  return b;
}

// The squares where the subject's counter of one influence counts: those that change when it
// leaves the board.
SquareSet AreaByCounters(const Board& b, PieceId subject, Influence which) {
  const Board w = Without(b, subject);
  const int own = Index(CampOf(subject)), enemy = 1 - own;
  SquareSet s;
  for (int x = 0; x < kBoardSize; ++x) {
    for (int y = 0; y < kBoardSize; ++y) {
      const BoardCell &a = b.At(x, y), &c = w.At(x, y);
      const bool differs[] = {
          a.Cloak[own] != c.Cloak[own],       a.Cloak[enemy] != c.Cloak[enemy],
          a.Freeze[enemy] != c.Freeze[enemy], a.Freeze[own] != c.Freeze[own],
          a.TreeZone[own] != c.TreeZone[own], a.CloudZone[own] != c.CloudZone[own]};
      if (differs[static_cast<int>(which)]) s.insert({x, y});
    }
  }
  return s;
}

// Whether the position shows what the page says the diagram shows.
bool Shows(const Board& b, PieceId subject, lessons::Shows what) {
  auto pieces = [&](auto pred) {
    for (PieceId p = 0; p < kPieceCount; ++p)
      if (b.StandsOnBoard(p) && pred(p)) return true;
    return false;
  };
  auto lightningMay = [&](bool capture) {
    return pieces([&](PieceId l) {
      if (KindOf(l) != PieceKind::Lightning) return false;
      for (auto [x, y] : LegalBySquareScan(b, l))
        if ((b.OccupantAt({x, y}) != kNoPiece) == capture) return true;
      return false;
    });
  };
  const Camp own = subject == kNoPiece ? Camp::Fir : CampOf(subject);
  switch (what) {
    case lessons::kCaptures:
      for (auto [x, y] : LegalBySquareScan(b, subject))
        if (b.OccupantAt({x, y}) != kNoPiece) return true;
      return false;
    case lessons::kBlocked:
      for (int x = 0; x < kBoardSize; ++x)
        for (int y = 0; y < kBoardSize; ++y)
          if (Check(b, subject, {x, y}) == MoveCheckResult::Blocked) return true;
      return false;
    case lessons::kJumps: {
      const Square from = b.PiecePos[subject];
      for (auto [x, y] : LegalBySquareScan(b, subject)) {
        const int dx = x - from.x, dy = y - from.y, n = std::max(std::abs(dx), std::abs(dy));
        if (dx != 0 && dy != 0 && std::abs(dx) != std::abs(dy)) continue;
        for (int k = 1; k < n; ++k)
          if (b.OccupantAt({from.x + k * dx / n, from.y + k * dy / n}) != kNoPiece) return true;
      }
      return false;
    }
    case lessons::kCloaked:
      return pieces([&](PieceId p) { return CloakedByCounters(b, p); });
    case lessons::kUncloaked:
      return pieces([&](PieceId p) {
        return CampOf(p) != own && !CloakedByCounters(b, p) &&
               CloakedByCounters(Without(b, subject), p);
      });
    case lessons::kFrozen:
      return pieces([&](PieceId p) { return FrozenByCounters(b, p); });
    case lessons::kNotFrozen:
      return pieces([&](PieceId p) {
        return CampOf(p) == own && !FrozenByCounters(b, p) &&
               FrozenByCounters(Without(b, subject), p);
      });
    case lessons::kLanding:
      return lightningMay(false);
    case lessons::kStrike:
      return lightningMay(true);
    case lessons::kNoCapture:
      return pieces([&](PieceId p) {
        const MoveCheckResult r = Check(b, subject, b.PiecePos[p]);
        return CampOf(p) != own &&
               (r == MoveCheckResult::InvalidMove || r == MoveCheckResult::CannotCapture);
      });
  }
  return false;
}

TEST(HowToPlayDiagramTest, EveryDiagramShowsTheRulesAnswersFromEverySide) {
  int diagrams = 0;
  for (const lessons::Lesson& lesson : lessons::Lessons()) {
    for (const lessons::Block& block : lesson.blocks) {
      if (!block.diagram) continue;
      const lessons::Diagram& d = *block.diagram;
      ++diagrams;
      for (int side = 0; side < 4; ++side) {
        SCOPED_TRACE(std::string(lesson.name) + " \"" + d.caption + "\" side " +
                     std::to_string(side));
        const DiagramModel m = BuildDiagram(d, side);
        const Board& b = m.scene.board;
        int onBoard = 0;
        for (PieceId p = 0; p < kPieceCount; ++p)
          onBoard += b.StandsOnBoard(p);
        EXPECT_EQ(onBoard, d.startPosition ? 48 : static_cast<int>(d.pieces.size()));
        ASSERT_EQ(m.subject != kNoPiece, d.subject >= 0);
        if (m.subject != kNoPiece) {
          EXPECT_EQ(KindOf(m.subject), d.pieces[static_cast<std::size_t>(d.subject)].kind);
          EXPECT_EQ(Set(m.scene.targets),
                    d.targets ? LegalBySquareScan(b, m.subject) : SquareSet{});
        }
        EXPECT_EQ(m.scene.influence.has_value(), d.influence);
        if (m.scene.influence) {
          EXPECT_TRUE(*m.scene.influence == InfluenceByRules(b));
        }
        if (d.area) {
          EXPECT_EQ(Set(m.scene.area), AreaByCounters(b, m.subject, *d.area));
        }
        for (unsigned bit = 1; bit <= lessons::kNoCapture; bit <<= 1) {
          if (!(d.shows & bit)) continue;
          EXPECT_TRUE(Shows(b, m.subject, static_cast<lessons::Shows>(bit))) << "shows " << bit;
        }
        // A caption names its subject with the square the board's labels give it.
        if (m.subject != kNoPiece && std::string(d.caption).find("%1") != std::string::npos) {
          EXPECT_TRUE(DiagramCaption(d, m, SquareNaming::Letters)
                          .contains(QString::fromStdString(
                              SquareName(SquareNaming::Letters, side, b.PiecePos[m.subject]))));
        }
      }
    }
  }
  EXPECT_GE(diagrams, 20);
}

using HowToPlayFixture = testing::BoardFixture;

// F1 opens the window beside the board, not modal; a kind's page draws its diagrams in the
// board's skin; "Try it" puts the piece alone on a board where a legal drop moves it and a
// refused one says why.
TEST_F(HowToPlayFixture, OpensBesideTheBoardAndItsPracticeBoardFollowsTheRules) {
  QAction* item = Item("miHowToPlay");
  EXPECT_EQ(item->text().toStdString(), "How to play");
  EXPECT_EQ(item->shortcut(), QKeySequence(Qt::Key_F1));
  item->trigger();
  THowToPlayForm* window = form.Learning().HowToPlay();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(window->isModal());
  EXPECT_EQ(window->windowTitle().toStdString(), "How to play");
  EXPECT_EQ(window->LbxLessons->count(), static_cast<int>(lessons::Lessons().size()));
  EXPECT_FALSE(window->BtnTryIt->isVisible());  // the first page is about no kind

  int spider = -1;
  for (int i = 0; i < window->LbxLessons->count(); ++i)
    if (window->LbxLessons->item(i)->text() == QLatin1String("Spider")) spider = i;
  ASSERT_GE(spider, 0);
  window->LbxLessons->setCurrentRow(spider);
  EXPECT_TRUE(window->BtnTryIt->isVisible());
  const QImage slate = window->MemoLesson->document()
                           ->resource(QTextDocument::ImageResource, QUrl("diagram:LessonSpider/0"))
                           .value<QImage>();
  ASSERT_FALSE(slate.isNull());
  Item("miWood")->trigger();
  const QImage wood = window->MemoLesson->document()
                          ->resource(QTextDocument::ImageResource, QUrl("diagram:LessonSpider/0"))
                          .value<QImage>();
  EXPECT_EQ(wood.size(), slate.size());
  EXPECT_NE(wood, slate);

  QTest::mouseClick(window->BtnTryIt, Qt::LeftButton);
  TryItBoard& board = *window->TryBoard;
  ASSERT_TRUE(board.isVisible());
  const PieceId piece = board.Subject();
  ASSERT_EQ(KindOf(piece), PieceKind::Spider);
  auto drag = [&](Square from, Square to) {
    QTest::mousePress(&board, Qt::LeftButton, Qt::NoModifier, board.SquarePoint(from));
    QTest::mouseMove(&board, board.SquarePoint(to));
    QTest::mouseRelease(&board, Qt::LeftButton, Qt::NoModifier, board.SquarePoint(to));
  };
  const Square start = board.board().PiecePos[piece];
  const Square far{start.x + 3, start.y};
  drag(start, far);
  EXPECT_EQ(board.board().PiecePos[piece], start);
  EXPECT_EQ(window->TryStatus->text().toStdString(), "Invalid move(rule violation)");
  const Square near{start.x + 2, start.y - 2};
  drag(start, near);
  EXPECT_EQ(board.board().PiecePos[piece], near);
  EXPECT_TRUE(board.Refusal().isEmpty());
  QTest::mouseClick(window->BtnReset, Qt::LeftButton);
  EXPECT_EQ(board.board().PiecePos[piece], start);
  QTest::mouseClick(window->BtnBack, Qt::LeftButton);
  EXPECT_TRUE(window->MemoLesson->isVisible());
}

// The edge labels follow the viewing side and the naming chosen in the menu.
TEST_F(HowToPlayFixture, EdgeLabelsFollowTheViewAndTheNaming) {
  auto labels = [&] {
    const EdgeLabels& l = form.Learning().ColumnLabels()->Labels();
    const EdgeLabels& r = form.Learning().RowLabels()->Labels();
    return std::string(l.columns.begin(), l.columns.end()) + "/" +
           std::string(r.rows.begin(), r.rows.end());
  };
  QCoreApplication::processEvents();
  EXPECT_EQ(labels(), "abcdefghij/0123456789");
  Item("miR90")->trigger();
  QCoreApplication::processEvents();
  EXPECT_EQ(labels(), "9876543210/abcdefghij");
  Item("miLabelsDigits")->trigger();
  EXPECT_TRUE(Item("miLabelsDigits")->isChecked());
  EXPECT_FALSE(Item("miLabelsLetters")->isChecked());
  EXPECT_EQ(labels(), "0123456789/9876543210");

  // Accessible names and typed moves name squares as the labels do; the engine's notation is
  // still understood.
  NewGame();
  QCoreApplication::processEvents();
  const Square ant = form.game().board().PiecePos[18];  // Fir's first Ant
  const std::string name = SquareName(SquareNaming::Digits, 1, ant);
  EXPECT_TRUE(form.PieceImage(18)->accessibleName().endsWith(QString::fromStdString(name)))
      << form.PieceImage(18)->accessibleName().toStdString();
  const Square ahead = FromCanonical(1, {0, 3});
  const std::optional<engine::MoveSquares> typed = ParseTypedMove(
      1, QString::fromStdString(name + "->" + SquareName(SquareNaming::Digits, 1, ahead)));
  ASSERT_TRUE(typed);
  EXPECT_EQ(typed->from, ant);
  EXPECT_EQ(typed->to, ahead);
  EXPECT_EQ(ParseTypedMove(1, QStringLiteral("a2a3")), typed);
}

}  // namespace
}  // namespace tamsok
