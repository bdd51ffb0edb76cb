#include "ui/StatusBarPanel.h"

#include <QPainter>

namespace tamsok {

StatusBarPanel::StatusBarPanel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setIndent(2);
}

void StatusBarPanel::SetTint(std::optional<QColor> tint) {
  if (tint == tint_) return;
  tint_ = tint;
  update();
}

void StatusBarPanel::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(this);
    if (tint_) painter.fillRect(contentsRect(), *tint_);
  }
  QLabel::paintEvent(event);
}

}  // namespace tamsok
