#include "ui/Request.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "game/Messages.h"
#include "ui/SpinEdit.h"
#include "ui/Translation.h"
#include "ui/UiTexts.h"
#include "ui/WindowParts.h"

namespace tamsok {

namespace {

constexpr QSize kOuterSize(240, 200);

SpinEdit* MakeSpin(QWidget* parent, const char* name, QPoint at, int min, int max, int value,
                   int maxLength) {
  auto* spin = new SpinEdit(parent, QString::fromUtf8(name), min, max, value, maxLength);
  spin->setGeometry(at.x(), at.y(), 49, 22);
  return spin;
}

}  // namespace

TRequestForm::TRequestForm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
  SetUpWindow(*this, "RequestForm", ui_text::kRequestFormCaption);
  SetOuterSize(*this, kOuterSize);

  rgTree = new QGroupBox(Tr(ui_text::kMyTree), this);
  rgTree->setObjectName(QStringLiteral("rgTree"));
  rgTree->setGeometry(16, 16, 81, 57);
  rbFir = new QRadioButton(Tr(ui_text::kFirGreen), rgTree);
  rbOak = new QRadioButton(Tr(ui_text::kOakRed), rgTree);
  rbFir->setObjectName(QStringLiteral("rgTreeFir"));
  rbOak->setObjectName(QStringLiteral("rgTreeOak"));
  rbFir->setGeometry(6, 16, 72, 17);
  rbOak->setGeometry(6, 34, 72, 17);
  rbFir->setChecked(true);

  Label1 = MakeLabel(this, "Label1", ui_text::kUnitTime, {112, 24});
  seUnitTime = MakeSpin(this, "seUnitTime", {168, 16}, kUnitTimeMin, kUnitTimeMax, 30, 3);
  Label2 = MakeLabel(this, "Label2", ui_text::kNExceed, {112, 48});
  seNExceed = MakeSpin(this, "seNExceed", {168, 40}, kExceedMin, kExceedMax, 5, 2);
  Label3 = MakeLabel(this, "Label3", ui_text::kRetract, {112, 72});
  seRetract = MakeSpin(this, "seRetract", {168, 64}, kRetractMin, kRetractMax, 0, 2);

  BitBtn1 = MakeOkButton(*this, "BitBtn1", {72, 128, 75, 25});
}

int TRequestForm::TreeIndex() const {
  return rbOak->isChecked() ? 1 : 0;
}

void TRequestForm::SetTreeIndex(int index) {
  (index == 1 ? rbOak : rbFir)->setChecked(true);
}

}  // namespace tamsok
