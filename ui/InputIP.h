// The server-address dialog: an editable list of the addresses used before.
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace tamsok {

class TInputIPForm : public QDialog {
 public:
  explicit TInputIPForm(QWidget* owner);

  QLabel* Label1;
  QComboBox* cbIP;
  QPushButton* BitBtn1;
};

}  // namespace tamsok
