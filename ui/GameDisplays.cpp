#include "ui/GameDisplays.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include "rules/Catalogue.h"
#include "ui/BoardGeometry.h"
#include "ui/BoardOverlay.h"
#include "ui/SquareNames.h"
#include "ui/Translation.h"
#include "ui/UiTexts.h"
#include "ui/mainBoard.h"

namespace tamsok {

namespace {

// The outline: an amber line between a dark rim and a light halo. The amber is no skin's, no
// camp's and no other mark's colour; the rims carry it on the dark Slate board as on the light
// Wood, Marbtea and PBfoil ones.
const QColor kOutline(0xFF, 0xA0, 0x00);
const QColor kOutlineRim(0x20, 0x14, 0x00, 230);
const QColor kOutlineHalo(255, 255, 255, 200);
// The result's label stands in the band above the board's frame.
constexpr int kResultHeight = 17;

}  // namespace

// ---- The last move's squares --------------------------------------------------------------

LastMoveMarks::LastMoveMarks(QWidget* parent, const BoardGeometry& geometry)
    : QWidget(parent), geometry_(geometry) {
  setObjectName(QStringLiteral("LastMoveMarks"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
}

void LastMoveMarks::Show(std::optional<std::pair<Square, Square>> move) {
  if (move == move_) return;
  for (const auto& shown : {move_, move})
    if (shown)
      update(QRegion(SquareCell(geometry_, shown->first)) + SquareCell(geometry_, shown->second));
  move_ = move;
}

void LastMoveMarks::paintEvent(QPaintEvent*) {
  if (!move_) return;
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(Qt::NoBrush);
  auto outline = [&](Square s, Qt::PenStyle style) {
    // Just inside the cell: around the 40 x 40 piece picture, clear of a neighbour's outline.
    const QRectF r = QRectF(SquareCell(geometry_, s)).adjusted(2.5, 2.5, -2, -2);
    p.setPen(QPen(kOutlineHalo, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawRoundedRect(r, 7, 7);
    p.setPen(QPen(kOutlineRim, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawRoundedRect(r, 7, 7);
    p.setPen(QPen(kOutline, 2.5, style, Qt::FlatCap, Qt::RoundJoin));
    p.drawRoundedRect(r, 7, 7);
  };
  outline(move_->first, Qt::DashLine);  // where it came from
  outline(move_->second, Qt::SolidLine);
}

// ---- The result ----------------------------------------------------------------------------

// Dark bold text on a light rounded plate with a dark edge: it reads over every skin.
void ResultPlate::paintEvent(QPaintEvent* event) {
  {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x10, 0x10, 0x10), 1));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
  }
  QLabel::paintEvent(event);
}

// ---- The displays -------------------------------------------------------------------------

GameDisplays::GameDisplays(TBoardForm& form)
    : QObject(&form),
      form_(form),
      outline_(new LastMoveMarks(form.BoardArea(), form.Geometry())),
      result_(new ResultPlate(form.BoardArea())) {
  setObjectName(QStringLiteral("GameDisplays"));
  outline_->setGeometry(form.Overlay()->geometry());  // the board picture
  outline_->stackUnder(form.PieceImage(0));  // over the board and the marker, under the pieces

  // Over the band above the board's frame, between the trays, where nothing else is drawn.
  result_->setObjectName(QStringLiteral("ResultLabel"));
  result_->setAttribute(Qt::WA_TransparentForMouseEvents);
  result_->setAlignment(Qt::AlignCenter);
  QFont bold = result_->font();
  bold.setBold(true);
  result_->setFont(bold);
  result_->setContentsMargins(8, 0, 8, 0);
  result_->hide();
}

void GameDisplays::Schedule() {
  if (scheduled_) return;
  scheduled_ = true;
  QTimer::singleShot(0, this, [this] { Sync(); });
}

void GameDisplays::Sync() {
  scheduled_ = false;
  Game& game = form_.game();
  const int n = game.RecordCount();
  if (n >= 1 && !game.Record(n).IsPass) {
    const MoveRecord& r = game.Record(n);
    outline_->Show(std::pair(Square{r.FromX, r.FromY}, Square{r.ToX, r.ToY}));
  } else {
    outline_->Show(std::nullopt);
  }

  // A network player sees the game from the own camp, as against the computer; the side can
  // be changed afterwards as always.
  const std::optional<NetworkTerms>& terms = game.Terms();
  if (IsNetworkGame(game.Mode()) && terms && terms->playedAs && game.CanHandlePieces() &&
      turnedGame_ != game.GameNumber()) {
    turnedGame_ = game.GameNumber();
    game.miMyViewClick();
  }
  NoteComputerGame();
  ShowResult();
  NamePieces();
}

void GameDisplays::NoteComputerGame() {
  if (const std::optional<Camp> computer = form_.Computer().ComputerCamp()) {
    computerGame_ = form_.game().GameNumber();
    computerGamePlayer_ = OtherCamp(*computer);
  }
}

void GameDisplays::ShowResult() {
  const Game& game = form_.game();
  const std::optional<Camp> winner = game.Winner();
  result_->setVisible(winner.has_value());
  if (!winner) return;
  std::optional<Camp> player;
  if (game.Terms())
    player = game.Terms()->playedAs;
  else if (computerGame_ == game.GameNumber())
    player = computerGamePlayer_;
  const QString camp = Tr(CampName(*winner));
  result_->setText(
      player ? Tr(ui_text::kResultForPlayer)
                   .arg(camp, Tr(*player == *winner ? ui_text::kYouWin : ui_text::kYouLose))
             : Tr(ui_text::kResult).arg(camp));
  const int width = result_->sizeHint().width();
  result_->setGeometry((TBoardForm::kClientWidth - width) / 2, 0, width, kResultHeight);
  result_->raise();
}

void GameDisplays::NamePieces() {
  const Board& board = form_.game().board();
  for (PieceId p = 0; p < kPieceCount; ++p) {
    const QString name = PieceAccessibleName(board, p);
    QWidget* image = form_.PieceImage(p);
    if (image->accessibleName() != name) image->setAccessibleName(name);
  }
}

}  // namespace tamsok
