// The about box: the product name, the version and the rule revision.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace tamsok {

class ImageControl;

class TAboutBox : public QDialog {
 public:
  explicit TAboutBox(QWidget* owner);

  QFrame* Panel1;
  ImageControl* ProgramIcon;
  QLabel* ProductName;
  QLabel* Version;
  QLabel* Copyright;
  QPushButton* OKButton;
};

}  // namespace tamsok
