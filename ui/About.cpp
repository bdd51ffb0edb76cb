#include "ui/About.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "ui/Assets.h"
#include "ui/Fonts.h"
#include "ui/ImageControl.h"
#include "ui/UiTexts.h"
#include "ui/WindowParts.h"

namespace tamsok {

TAboutBox::TAboutBox(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint) {
  SetUpWindow(*this, "AboutBox", ui_text::kAboutBoxCaption);
  setFixedSize(330, 269);

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(8, 8, 313, 217);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setLineWidth(1);

  ProgramIcon = new ImageControl(Panel1, QStringLiteral("ProgramIcon"), QSize(33, 33));
  ProgramIcon->move(8, 16);
  ProgramIcon->SetStretch(true);
  ProgramIcon->SetPicture(WindowIconPixmap());

  ProductName = MakeLabel(Panel1, "ProductName", ui_text::kProductName, {56, 16});
  ProductName->setFont(SansFont(24, /*bold=*/true));
  ProductName->adjustSize();
  Version = MakeLabel(Panel1, "Version", ui_text::kVersion, {200, 56});
  Copyright = MakeLabel(Panel1, "Copyright", ui_text::kRevision, {168, 72});

  OKButton = MakeOkButton(*this, "OKButton", {127, 236, 75, 25});
}

}  // namespace tamsok
