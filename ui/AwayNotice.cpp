#include "ui/AwayNotice.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/Translation.h"
#include "ui/UiTexts.h"

namespace tamsok {

namespace {
// Across the board above its first row, clear of the trays at its right.
constexpr QRect kNoticeRect(120, 4, 520, 34);
}  // namespace

AwayNotice::AwayNotice(QWidget* boardArea) : QFrame(boardArea) {
  setObjectName(QStringLiteral("AwayNotice"));
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor(0xFF, 0xF4, 0xC8));
  p.setColor(QPalette::WindowText, Qt::black);
  setPalette(p);
  setGeometry(kNoticeRect);

  text_ = new QLabel(this);
  text_->setObjectName(QStringLiteral("AwayNoticeText"));
  claim_ = new QPushButton(Tr(ui_text::kClaimWin), this);
  claim_->setObjectName(QStringLiteral("btnClaimWin"));
  connect(claim_, &QPushButton::clicked, this, [this] {
    if (onClaim) onClaim();
  });
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(8, 2, 4, 2);
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
