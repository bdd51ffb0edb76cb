#include "ui/StatusBarPanel.h"

#include <QApplication>
#include <QPainter>

namespace tamsok {

StatusBarPanel::StatusBarPanel(const QString& text, QWidget* parent) : QLabel(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setIndent(2);
  SetText(text);
}

void StatusBarPanel::SetText(const QString& text) {
  setText(text);
  setToolTip(text);
  FitFont();
}

void StatusBarPanel::SetExplain(std::function<QString(const QString&)> explain) {
  explain_ = std::move(explain);
}

QString StatusBarPanel::ToolTipText() const {
  return explain_ ? explain_(text()) : text();
}

// The explanation is made when the tooltip is asked for, not for every text shown.
bool StatusBarPanel::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip && explain_) setToolTip(ToolTipText());
  return QLabel::event(event);
}

void StatusBarPanel::SetTint(std::optional<QColor> tint) {
  if (tint == tint_) return;
  tint_ = tint;
  update();
}

QRect StatusBarPanel::TextRect() const {
  return contentsRect().adjusted(indent(), 0, 0, 0);
}

// Starts from the bar's font each time, so a short text after a long one is drawn full size.
void StatusBarPanel::FitFont() {
  QFont fitted = parentWidget() ? parentWidget()->font() : QApplication::font();
  const int room = TextRect().width();
  for (int px = QFontInfo(fitted).pixelSize();
       px > kMinPixelSize && QFontMetrics(fitted).horizontalAdvance(text()) > room;)
    fitted.setPixelSize(--px);
  setFont(fitted);
}

void StatusBarPanel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  FitFont();
}

void StatusBarPanel::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);  // the sunken frame
  QPainter painter(this);
  if (tint_) painter.fillRect(contentsRect(), *tint_);
  painter.setPen(palette().color(foregroundRole()));
  const QRect room = TextRect();
  painter.drawText(room, Qt::AlignLeft | Qt::AlignVCenter,
                   fontMetrics().elidedText(text(), Qt::ElideRight, room.width()));
}

}  // namespace tamsok
