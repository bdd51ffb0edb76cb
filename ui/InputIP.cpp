#include "ui/InputIP.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "ui/UiTexts.h"
#include "ui/WindowParts.h"

namespace tamsok {

namespace {
constexpr QSize kOuterSize(256, 149);
}

TInputIPForm::TInputIPForm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint) {
  SetUpWindow(*this, "InputIPForm", ui_text::kInputIPFormCaption);
  SetOuterSize(*this, kOuterSize);

  Label1 = MakeLabel(this, "Label1", ui_text::kServerIp, {16, 24});

  cbIP = new QComboBox(this);
  cbIP->setObjectName(QStringLiteral("cbIP"));
  cbIP->setGeometry(72, 24, 153, 21);
  cbIP->setEditable(true);
  cbIP->setInsertPolicy(QComboBox::NoInsert);
  for (const char* address : ui_text::kPresetServers)
    cbIP->addItem(QString::fromUtf8(address));
  cbIP->setEditText(QString());

  BitBtn1 = MakeOkButton(*this, "BitBtn1", {88, 64, 75, 25});
}

}  // namespace tamsok
