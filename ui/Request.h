// The game-request dialog: the camp the requester wants and the terms of the game. It is
// created once and keeps its values from one showing to the next.
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tamsok {

class SpinEdit;

class TRequestForm : public QDialog {
 public:
  explicit TRequestForm(QWidget* owner);

  // The selected item of rgTree: 0 Fir(Green), 1 Oak(Red).
  int TreeIndex() const;
  void SetTreeIndex(int index);

  QGroupBox* rgTree;
  QRadioButton* rbFir;
  QRadioButton* rbOak;
  QLabel* Label1;
  SpinEdit* seUnitTime;
  QLabel* Label2;
  SpinEdit* seNExceed;
  QLabel* Label3;
  SpinEdit* seRetract;
  QPushButton* BitBtn1;
};

}  // namespace tamsok
