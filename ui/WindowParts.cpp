#include "ui/WindowParts.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "ui/Translation.h"
#include "ui/UiTexts.h"

namespace tamsok {

void PlaceBelow(const QWidget& main, QWidget& window) {
  PlaceBelowAt(main, window, 0);
}

void PlaceBelowAt(const QWidget& main, QWidget& window, int leftOffset) {
  const QRect m = main.frameGeometry();
  window.move(m.left() + leftOffset, m.top() + m.height());
}

void PlaceRightOf(const QWidget& main, QWidget& window) {
  const QRect m = main.frameGeometry();
  window.move(m.left() + m.width(), m.top());
}

void CenterOver(const QWidget& main, QWidget& window) {
  const QRect m = main.frameGeometry();
  const QRect w = window.frameGeometry();
  window.move(m.left() + (m.width() - w.width()) / 2, m.top() + (m.height() - w.height()) / 2);
}

void SetUpWindow(QWidget& window, const char* name, const char* caption) {
  window.setObjectName(QString::fromUtf8(name));
  window.setWindowTitle(Tr(caption));
  window.setAttribute(Qt::WA_QuitOnClose, false);
}

namespace {
constexpr Qt::WindowFlags kSmallWindowFlags =
    Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
    Qt::WindowCloseButtonHint;
}  // namespace

void MakeFixedWindow(QWidget& window, QSize client) {
  window.setWindowFlags(kSmallWindowFlags);
  window.setFixedSize(client);
}

void MakeSizeableWindow(QWidget& window, QSize client) {
  window.setWindowFlags(kSmallWindowFlags);
  window.resize(client);
}

void SetOuterSize(QWidget& window, QSize outer) {
  QSize frame = window.frameGeometry().size() - window.geometry().size();
  if (frame.isEmpty()) frame = QSize(8, 27);
  window.resize(outer - frame);
}

void SetSilverBase(QWidget& control) {
  QPalette palette = control.palette();
  palette.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
  control.setPalette(palette);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text, QPoint at) {
  auto* label = new QLabel(Tr(text), parent);
  label->setObjectName(QString::fromUtf8(name));
  label->move(at);
  label->adjustSize();
  return label;
}

QPushButton* MakeOkButton(QDialog& dialog, const char* name, QRect geometry) {
  auto* button = new QPushButton(Tr(ui_text::kOk), &dialog);
  button->setObjectName(QString::fromUtf8(name));
  button->setGeometry(geometry);
  button->setDefault(true);
  QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::accept);
  return button;
}

}  // namespace tamsok
