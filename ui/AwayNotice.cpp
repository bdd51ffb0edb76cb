#include "ui/AwayNotice.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/Translation.h"
#include "ui/UiTexts.h"

namespace tamsok {

namespace {
// The strip of the board picture above its frame and between the two trays: no square, no
// label and no captured piece is ever drawn there. The frame's outer line is at y = 18.
constexpr QRect kNoticeRect(118, 0, 548, 17);
constexpr int kTextPixels = 12;
constexpr int kButtonHeight = 15;
}  // namespace

AwayNotice::AwayNotice(QWidget* boardArea) : QFrame(boardArea) {
  setObjectName(QStringLiteral("AwayNotice"));
  setFrameShape(QFrame::NoFrame);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor(0xFF, 0xF4, 0xC8));
  p.setColor(QPalette::WindowText, Qt::black);
  setPalette(p);
  setGeometry(kNoticeRect);
  QFont small = font();
  small.setPixelSize(kTextPixels);
  setFont(small);

  text_ = new QLabel(this);
  text_->setObjectName(QStringLiteral("AwayNoticeText"));
  claim_ = new QPushButton(Tr(ui_text::kClaimWin), this);
  claim_->setObjectName(QStringLiteral("btnClaimWin"));
  claim_->setFixedHeight(kButtonHeight);  // the strip's height, less than the style's own
  connect(claim_, &QPushButton::clicked, this, [this] {
    if (onClaim) onClaim();
  });
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(8, 1, 1, 1);
  row->setSpacing(6);
  row->addWidget(text_, 1);
  row->addWidget(claim_);
  hide();
}

void AwayNotice::Show(const QString& text, bool claimable) {
  text_->setText(text);
  claim_->setVisible(claimable);
  show();
  raise();
}

}  // namespace tamsok
