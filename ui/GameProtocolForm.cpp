#include "ui/GameProtocolForm.h"

#include <QLabel>
#include <QListWidget>
#include <QStyledItemDelegate>

#include "ui/Fonts.h"
#include "ui/UiTexts.h"
#include "ui/WindowParts.h"

namespace tamsok {

namespace {

constexpr int kFontPixels = 11;
constexpr int kItemHeight = 18;
// Where a request line keeps the bytes it was listed with.
constexpr int kWireRole = Qt::UserRole;

// Every line of the lists is 18 pixels high.
class FixedHeightDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), kItemHeight};
  }
};

// Silver, bold, 18-pixel lines.
QListWidget* MakeList(QWidget* parent, const char* name, QRect geometry) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QString::fromUtf8(name));
  list->setGeometry(geometry);
  list->setFont(RoomFont(kFontPixels, /*bold=*/true));
  list->setUniformItemSizes(true);
  list->setItemDelegate(new FixedHeightDelegate(list));
  SetSilverBase(*list);
  return list;
}

}  // namespace

TProtocolForm::TProtocolForm(QWidget* owner) : QWidget(owner) {
  SetUpWindow(*this, "ProtocolForm", ui_text::kProtocolFormCaption);
  MakeFixedWindow(*this, QSize(534, 190));
  setFont(RoomFont(kFontPixels));

  Label1 = MakeLabel(this, "Label1", ui_text::kRequestedGame, {8, 0});
  Label3 = MakeLabel(this, "Label3", ui_text::kRequestLegend, {8, 24});
  LBxReq = MakeList(this, "LBxReq", {8, 40, 337, 145});
  Label2 = MakeLabel(this, "Label2", ui_text::kIpAddress, {352, 16});
  Label2->setFont(RoomFont(kFontPixels, /*bold=*/true));
  Label2->adjustSize();
  LBxIP = MakeList(this, "LBxIP", {352, 40, 177, 145});

  QObject::connect(LBxReq, &QListWidget::itemDoubleClicked, this, [this] { LBxReqDblClick(); });
}

void TProtocolForm::AddUniqueLine(QListWidget& list, const QString& text) {
  for (int i = 0; i < list.count(); ++i)
    if (list.item(i)->text() == text) return;
  list.addItem(text);
}

void TProtocolForm::RemoveFirstLine(QListWidget& list, const QString& text) {
  for (int i = 0; i < list.count(); ++i) {
    if (list.item(i)->text() == text) {
      delete list.takeItem(i);
      return;
    }
  }
}

void TProtocolForm::AddRequestLine(const std::string& wire, const QString& shown) {
  const QByteArray bytes(wire.data(), static_cast<qsizetype>(wire.size()));
  for (int i = 0; i < LBxReq->count(); ++i)
    if (LBxReq->item(i)->data(kWireRole).toByteArray() == bytes) return;
  auto* item = new QListWidgetItem(shown);
  item->setData(kWireRole, bytes);
  LBxReq->addItem(item);
}

void TProtocolForm::RemoveRequestLine(const std::string& wire) {
  const QByteArray bytes(wire.data(), static_cast<qsizetype>(wire.size()));
  for (int i = 0; i < LBxReq->count(); ++i) {
    if (LBxReq->item(i)->data(kWireRole).toByteArray() == bytes) {
      delete LBxReq->takeItem(i);
      return;
    }
  }
}

void TProtocolForm::LBxReqDblClick() {
  if (RequestsLocked || LBxReq->currentRow() < 0) return;
  const QListWidgetItem& item = *LBxReq->currentItem();
  const QVariant wire = item.data(kWireRole);
  if (AcceptLine)
    AcceptLine(wire.isValid() ? wire.toByteArray().toStdString() : item.text().toStdString());
}

}  // namespace tamsok
