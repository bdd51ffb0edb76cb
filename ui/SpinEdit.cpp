#include "ui/SpinEdit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QToolButton>

#include <algorithm>

namespace tamsok {

namespace {

constexpr int kButtonWidth = 15;

// Whether a typed character may enter the edit.
bool IsAcceptedChar(QChar c) {
  const QChar decimal = QLocale().decimalPoint().front();
  return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == decimal;
}

}  // namespace

SpinEdit::SpinEdit(QWidget* parent, const QString& name, int minValue, int maxValue, int value,
                   int maxLength)
    : QWidget(parent),
      min_(minValue),
      max_(maxValue),
      edit_(new QLineEdit(this)),
      up_(new QToolButton(this)),
      down_(new QToolButton(this)) {
  setObjectName(name);
  edit_->setObjectName(name + QStringLiteral("Edit"));
  edit_->setMaxLength(maxLength);
  edit_->installEventFilter(this);
  setFocusProxy(edit_);
  for (QToolButton* b : {up_, down_}) {
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoRepeat(true);
  }
  up_->setObjectName(name + QStringLiteral("Up"));
  down_->setObjectName(name + QStringLiteral("Down"));
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  connect(up_, &QToolButton::clicked, this, [this] { Step(1); });
  connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
  SetValue(value);
}

int SpinEdit::TypedValue() const {
  bool ok = false;
  const int v = edit_->text().toInt(&ok, 10);
  return ok ? v : min_;
}

int SpinEdit::Clamp(int v) const {
  return std::clamp(v, min_, max_);
}

int SpinEdit::Value() const {
  return Clamp(TypedValue());
}

void SpinEdit::SetValue(int value) {
  edit_->setText(QString::number(Clamp(value)));
}

QString SpinEdit::Text() const {
  return edit_->text();
}

void SpinEdit::Step(int delta) {
  SetValue(TypedValue() + delta);
  edit_->selectAll();
}

bool SpinEdit::eventFilter(QObject* watched, QEvent* event) {
  if (watched != edit_) return QWidget::eventFilter(watched, event);
  if (event->type() == QEvent::FocusOut) {
    // Leaving the edit brings a typed number into range. Text that is no number stays as it
    // is (it reads as the minimum). The edit's own focus handling goes on afterwards.
    if (TypedValue() != Value()) SetValue(TypedValue());
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
    Step(key->key() == Qt::Key_Up ? 1 : -1);
    return true;
  }
  const QString text = key->text();
  if (text.isEmpty()) return false;  // navigation and other keys without a character
  const QChar c = text.front();
  if (c == u'\r' || c == u'\n') return false;  // the edit passes Enter on to the default button
  if (c.unicode() < 0x20 || c.unicode() == 0x7f) return false;  // control keys
  return !IsAcceptedChar(c);
}

void SpinEdit::resizeEvent(QResizeEvent*) {
  const int w = width(), h = height();
  edit_->setGeometry(0, 0, w - kButtonWidth, h);
  up_->setGeometry(w - kButtonWidth, 0, kButtonWidth, h / 2);
  down_->setGeometry(w - kButtonWidth, h / 2, kButtonWidth, h - h / 2);
}

}  // namespace tamsok
