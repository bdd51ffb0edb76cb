#include "ui/HowToPlay.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include <array>

#include "engine/Engine.h"
#include "rules/Catalogue.h"
#include "rules/Frames.h"
#include "rules/Influence.h"
#include "rules/MoveCheck.h"
#include "ui/BoardMarks.h"
#include "ui/Translation.h"
#include "ui/UiTexts.h"
#include "ui/WindowParts.h"

namespace tamsok {

namespace {

using lessons::Influence;

QString Text(const char* text) {
  return QString::fromUtf8(text);
}

constexpr std::array<const std::array<int, kKindCount>*, 6> kRadius = {
    &CloakRadius, &RevealRadius, &FreezeRadius, &ThawRadius, &TreeZoneRadius, &CloudZoneRadius};

int Radius(PieceKind kind, Influence which) {
  return (*kRadius[static_cast<int>(which)])[Index(kind)];
}

// The colour of an influence's tint: the colour of the mark it leads to.
QColor AreaColour(Influence which, Camp camp) {
  switch (which) {
    case Influence::Cloak:
      return QColor(0x8E, 0x24, 0xAA);
    case Influence::Freeze:
      return QColor(0x29, 0xB6, 0xF6);
    case Influence::CloudZone:
      return QColor(0xFF, 0xC4, 0x00);
    case Influence::TreeZone:
      return CampMarkColour(camp);
    case Influence::Reveal:
    case Influence::Thaw:
      break;
  }
  return QColor(0xF5, 0xF5, 0xF5);
}

// A piece of the kind and camp that the board does not hold yet.
PieceId FreePiece(const Board& board, Camp camp, PieceKind kind) {
  const PieceId first = camp == Camp::Fir ? 0 : kPiecesPerCamp;
  for (PieceId p = first; p < first + kPiecesPerCamp; ++p)
    if (KindOf(p) == kind && !board.InPlay[p]) return p;
  return kNoPiece;
}

Board EmptyBoard(int viewSide) {
  Board board;
  board.ViewSide = viewSide;
  board.PiecePos.fill(kOffBoard);
  board.InPlay.fill(false);
  return board;
}

// The union of the squares a piece reaches with any of its influences.
std::vector<Square> WholeReach(const Board& board, PieceId piece) {
  bool covered[kBoardSize][kBoardSize]{};
  for (int i = 0; i < 6; ++i)
    for (Square s : InfluenceArea(board, piece, static_cast<Influence>(i)))
      covered[s.x][s.y] = true;
  std::vector<Square> squares;
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y)
      if (covered[x][y]) squares.push_back({x, y});
  return squares;
}

QString Cell(const QString& text, bool header = false) {
  return (header ? QStringLiteral("<th>%1</th>") : QStringLiteral("<td align=\"center\">%1</td>"))
      .arg(text);
}

QString ValuesTable() {
  QString rows;
  for (int k = 0; k < kKindCount; ++k) {
    const PieceKind kind = static_cast<PieceKind>(k);
    const QString value =
        kind == PieceKind::Tree ? Tr(ui_text::kTableValueTree) : QString::number(ValueOf(kind));
    rows +=
        QStringLiteral("<tr>") + Cell(Tr(KindName(kind))) + Cell(value) + QStringLiteral("</tr>");
  }
  return QStringLiteral("<table border=\"1\" cellpadding=\"3\" cellspacing=\"0\"><tr>") +
         Cell(Tr(ui_text::kTableKind), true) + Cell(Tr(ui_text::kTableValue), true) +
         QStringLiteral("</tr>") + rows + QStringLiteral("</table>");
}

QString InfluencesTable() {
  QString head = Cell(Tr(ui_text::kTableKind), true);
  for (const char* name : ui_text::kTableInfluence)
    head += Cell(Tr(name), true);
  head += Cell(Tr(ui_text::kTableCloakable), true) + Cell(Tr(ui_text::kTableFreezable), true);
  QString rows;
  auto flag = [](bool on) { return Tr(on ? ui_text::kYes : ui_text::kNo); };
  for (int k = 0; k < kKindCount; ++k) {
    const PieceKind kind = static_cast<PieceKind>(k);
    QString row = Cell(Tr(KindName(kind)));
    for (int i = 0; i < 6; ++i) {
      const int r = Radius(kind, static_cast<Influence>(i));
      row += Cell(r > 0 ? QString::number(r) : QString());
    }
    row += Cell(flag(Cloakable[k])) + Cell(flag(Freezable[k]));
    rows += QStringLiteral("<tr>") + row + QStringLiteral("</tr>");
  }
  return QStringLiteral("<table border=\"1\" cellpadding=\"3\" cellspacing=\"0\"><tr>") + head +
         QStringLiteral("</tr>") + rows + QStringLiteral("</table>");
}

QImage RenderDiagram(const BoardGeometry& geometry, const DiagramModel& model,
                     const SceneLook& look) {
  const auto [first, last] = SceneBlock(model.scene, 1, 5);
  const QRect rect = SceneRect(geometry, first, last);
  QImage image(rect.size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  PaintBoardScene(p, geometry, model.scene, look, rect);
  return image;
}

}  // namespace

// ---- Diagrams ---------------------------------------------------------------------------

std::vector<Square> InfluenceArea(const Board& board, PieceId piece, Influence which) {
  std::vector<Square> squares;
  if (!board.StandsOnBoard(piece)) return squares;
  const int r = Radius(KindOf(piece), which);
  const Square c = board.PiecePos[piece];
  for (int x = c.x - r; r > 0 && x <= c.x + r; ++x)
    for (int y = c.y - r; y <= c.y + r; ++y)
      if (OnBoard(x, y)) squares.push_back({x, y});
  return squares;
}

DiagramModel BuildDiagram(const lessons::Diagram& d, int viewSide) {
  DiagramModel model;
  Board& board = model.scene.board;
  if (d.startPosition) {
    board.ViewSide = viewSide;
    LoadInitialPosition(board);
  } else {
    board = EmptyBoard(viewSide);
    for (std::size_t i = 0; i < d.pieces.size(); ++i) {
      const lessons::Placed& placed = d.pieces[i];
      const PieceId p = FreePiece(board, placed.camp, placed.kind);
      if (p == kNoPiece) continue;
      board.PiecePos[p] = FromCanonical(viewSide, placed.at);
      board.InPlay[p] = true;
      if (static_cast<int>(i) == d.subject) model.subject = p;
    }
    RebuildBoard(board);
  }
  if (model.subject != kNoPiece && d.targets)
    model.scene.targets = engine::LegalTargets(board, model.subject);
  if (d.influence) model.scene.influence = ReadInfluence(board);
  if (d.area && model.subject != kNoPiece) {
    model.scene.area = InfluenceArea(board, model.subject, *d.area);
    model.scene.areaColour = AreaColour(*d.area, CampOf(model.subject));
  }
  return model;
}

QString DiagramCaption(const lessons::Diagram& d, const DiagramModel& model, SquareNaming naming) {
  QString caption = Tr(d.caption);
  if (model.subject == kNoPiece) return caption;
  const Board& board = model.scene.board;
  const QString form = Tr(ui_text::kDiagramSubject);
  QString subject = form.arg(
      Tr(CampName(CampOf(model.subject))), Tr(KindName(KindOf(model.subject))),
      QString::fromStdString(SquareName(naming, board.ViewSide, board.PiecePos[model.subject])));
  // "The Fir Tree on e4 ..." at the start of a sentence; never a square's letter.
  if (caption.startsWith(QLatin1String("%1")) && !form.startsWith(u'%'))
    subject[0] = subject[0].toUpper();
  return caption.arg(subject);
}

// ---- The practice board -----------------------------------------------------------------

TryItBoard::TryItBoard(QWidget* parent, const BoardGeometry& geometry)
    : QWidget(parent), geometry_(geometry) {
  setObjectName(QStringLiteral("TryItBoard"));
  rect_ = SceneRect(geometry_, {0, 0}, {kBoardSize - 1, kBoardSize - 1});
  setFixedSize(rect_.size());
}

void TryItBoard::SetUp(PieceKind kind, const LessonLook& look) {
  look_ = look;
  Board board = EmptyBoard(look.viewSide);
  auto put = [&](PieceKind k, Square canonical) {
    const PieceId p = FreePiece(board, Camp::Fir, k);
    board.PiecePos[p] = FromCanonical(look.viewSide, canonical);
    board.InPlay[p] = true;
    return p;
  };
  // A Lightning moves only next to its own Tree.
  if (kind == PieceKind::Lightning) put(PieceKind::Tree, {4, 1});
  subject_ = put(kind, {4, 5});
  scene_ = BoardScene{};
  scene_.board = board;
  refusal_.clear();
  Refresh();
}

void TryItBoard::SetLook(const LessonLook& look) {
  Board& board = scene_.board;
  for (Square& s : board.PiecePos)
    if (OnBoard(s)) s = ChangeFrame(board.ViewSide, look.viewSide, s);
  board.ViewSide = look.viewSide;
  look_ = look;
  Refresh();
}

void TryItBoard::Refresh() {
  Board& board = scene_.board;
  RebuildBoard(board);
  const PieceId shown = scene_.lifted != kNoPiece ? scene_.lifted : subject_;
  scene_.targets = engine::LegalTargets(board, shown);
  scene_.influence = ReadInfluence(board);
  scene_.area = WholeReach(board, subject_);
  scene_.areaColour = AreaColour(Influence::Reveal, Camp::Fir);
  update();
}

QPoint TryItBoard::SquarePoint(Square s) const {
  return (SquareCentre(geometry_, s) - QPointF(rect_.topLeft())).toPoint();
}

void TryItBoard::paintEvent(QPaintEvent*) {
  QPainter p(this);
  PaintBoardScene(p, geometry_, scene_, look_.scene, rect_);
}

void TryItBoard::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint at = event->position().toPoint() + rect_.topLeft();
  for (PieceId p = 0; p < kPieceCount; ++p) {
    if (!scene_.board.StandsOnBoard(p)) continue;
    const PixelPos corner = geometry_.SquarePixel(scene_.board.PiecePos[p]);
    const QRect picture(corner.left, corner.top, kPiecePictureSize, kPiecePictureSize);
    if (!picture.contains(at)) continue;
    scene_.lifted = p;
    grip_ = at - picture.topLeft();
    scene_.liftedCorner = picture.topLeft();
    Refresh();
    return;
  }
}

void TryItBoard::mouseMoveEvent(QMouseEvent* event) {
  if (scene_.lifted == kNoPiece) return;
  scene_.liftedCorner = event->position().toPoint() + rect_.topLeft() - grip_;
  update();
}

// The drop is decided as the main board decides it: by where the picture's corner lands.
void TryItBoard::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || scene_.lifted == kNoPiece) return;
  const PieceId piece = std::exchange(scene_.lifted, kNoPiece);
  const QPoint corner = event->position().toPoint() + rect_.topLeft() - grip_;
  Board& board = scene_.board;
  if (const std::optional<Square> to = geometry_.PixelToSquare(corner.x(), corner.y())) {
    const Square from = board.PiecePos[piece];
    const MoveCheckResult code = CheckMove(board, piece, from.x, from.y, to->x, to->y);
    if (code == MoveCheckResult::Legal) {
      const PieceId captured = board.OccupantAt(*to);
      if (captured != kNoPiece) {
        board.InPlay[captured] = false;
        board.PiecePos[captured] = kOffBoard;
      }
      board.PiecePos[piece] = *to;
      refusal_.clear();
      if (onStatus)
        onStatus(Tr(ui_text::kKindMove)
                     .arg(Tr(KindName(KindOf(piece))),
                          QString::fromStdString(MoveName(look_.scene.naming, board.ViewSide, from,
                                                          *to, captured != kNoPiece))));
    } else if (code != MoveCheckResult::StandStill) {
      refusal_ = Tr(MoveCheckText(code, CampOf(piece)));
      if (onStatus) onStatus(refusal_);
    }
  }
  Refresh();
}

// ---- The window -------------------------------------------------------------------------

THowToPlayForm::THowToPlayForm(QWidget* owner, const BoardGeometry& geometry,
                               std::function<LessonLook()> look)
    : QWidget(owner), look_(std::move(look)), geometry_(geometry) {
  SetUpWindow(*this, "HowToPlayForm", ui_text::kHowToPlay);
  setWindowFlag(Qt::Window);

  LbxLessons = new QListWidget(this);
  LbxLessons->setObjectName(QStringLiteral("LbxLessons"));
  for (const lessons::Lesson& lesson : lessons::Lessons()) {
    auto* item = new QListWidgetItem(Tr(lesson.title), LbxLessons);
    item->setData(Qt::UserRole, Text(lesson.name));
  }
  LbxLessons->setFixedWidth(LbxLessons->sizeHintForColumn(0) + 24);

  MemoLesson = new QTextBrowser(this);
  MemoLesson->setObjectName(QStringLiteral("MemoLesson"));
  MemoLesson->setOpenLinks(false);
  BtnTryIt = new QPushButton(Tr(ui_text::kTryIt), this);
  BtnTryIt->setObjectName(QStringLiteral("BtnTryIt"));
  auto* page = new QWidget(this);
  auto* pageLayout = new QVBoxLayout(page);
  pageLayout->setContentsMargins(0, 0, 0, 0);
  pageLayout->addWidget(MemoLesson, 1);
  pageLayout->addWidget(BtnTryIt, 0, Qt::AlignLeft);

  TryBoard = new TryItBoard(this, geometry_);
  TryStatus = new QLabel(this);
  TryStatus->setObjectName(QStringLiteral("TryStatus"));
  TryStatus->setWordWrap(true);
  BtnBack = new QPushButton(Tr(ui_text::kBackToPage), this);
  BtnBack->setObjectName(QStringLiteral("BtnBack"));
  BtnReset = new QPushButton(Tr(ui_text::kStartAgain), this);
  BtnReset->setObjectName(QStringLiteral("BtnReset"));
  auto* practice = new QWidget(this);
  auto* practiceLayout = new QVBoxLayout(practice);
  practiceLayout->setContentsMargins(0, 0, 0, 0);
  practiceLayout->addWidget(TryBoard);
  practiceLayout->addWidget(TryStatus);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BtnBack);
  buttons->addWidget(BtnReset);
  buttons->addStretch(1);
  practiceLayout->addLayout(buttons);
  practiceLayout->addStretch(1);
  TryBoard->onStatus = [this](const QString& text) { TryStatus->setText(text); };

  pages_ = new QStackedWidget(this);
  pages_->addWidget(page);
  pages_->addWidget(practice);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(LbxLessons);
  layout->addWidget(pages_, 1);
  resize(LbxLessons->width() + TryBoard->width() + 50, TryBoard->height() + 110);

  connect(LbxLessons, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) ShowLesson(row);
  });
  connect(BtnTryIt, &QPushButton::clicked, this, &THowToPlayForm::TryIt);
  connect(BtnBack, &QPushButton::clicked, this, &THowToPlayForm::BackToLesson);
  connect(BtnReset, &QPushButton::clicked, this, &THowToPlayForm::TryIt);
  ShowLesson(0);
}

void THowToPlayForm::ShowLesson(int index) {
  const std::vector<lessons::Lesson>& all = lessons::Lessons();
  if (index < 0 || index >= static_cast<int>(all.size())) return;
  lesson_ = index;
  if (LbxLessons->currentRow() != index) LbxLessons->setCurrentRow(index);
  const lessons::Lesson& lesson = all[static_cast<std::size_t>(index)];
  BtnTryIt->setVisible(lesson.kind.has_value());
  BackToLesson();
  MemoLesson->setHtml(PageHtml(lesson, look_()));
}

void THowToPlayForm::Refresh() {
  if (lesson_ < 0) return;
  const LessonLook look = look_();
  const int scroll = MemoLesson->verticalScrollBar()->value();
  MemoLesson->setHtml(PageHtml(lessons::Lessons()[static_cast<std::size_t>(lesson_)], look));
  MemoLesson->verticalScrollBar()->setValue(scroll);
  if (TryBoard->Subject() != kNoPiece) TryBoard->SetLook(look);
}

void THowToPlayForm::TryIt() {
  const lessons::Lesson& lesson = lessons::Lessons()[static_cast<std::size_t>(lesson_)];
  if (!lesson.kind) return;
  TryBoard->SetUp(*lesson.kind, look_());
  TryStatus->setText(Tr(ui_text::kTryItIntro).arg(Tr(KindName(*lesson.kind))));
  pages_->setCurrentIndex(1);
}

void THowToPlayForm::BackToLesson() {
  pages_->setCurrentIndex(0);
}

QString THowToPlayForm::PageHtml(const lessons::Lesson& lesson, const LessonLook& look) {
  QTextDocument* document = MemoLesson->document();
  QString html = QStringLiteral("<h2>%1</h2>").arg(Tr(lesson.title).toHtmlEscaped());
  int n = 0;
  for (const lessons::Block& block : lesson.blocks) {
    if (block.text) html += Tr(block.text);
    switch (block.table) {
      case lessons::Table::Values:
        html += ValuesTable();
        break;
      case lessons::Table::Influences:
        html += InfluencesTable();
        break;
      case lessons::Table::Legend:
        html += TargetLegendText() + InfluenceLegendText();
        break;
      case lessons::Table::None:
        break;
    }
    if (!block.diagram) continue;
    const DiagramModel model = BuildDiagram(*block.diagram, look.viewSide);
    const QUrl url(QStringLiteral("diagram:%1/%2").arg(Text(lesson.name)).arg(n++));
    document->addResource(QTextDocument::ImageResource, url,
                          RenderDiagram(geometry_, model, look.scene));
    html += QStringLiteral("<p align=\"center\"><img src=\"%1\"><br><i>%2</i></p>")
                .arg(url.toString(),
                     DiagramCaption(*block.diagram, model, look.scene.naming).toHtmlEscaped());
  }
  return html;
}

}  // namespace tamsok
