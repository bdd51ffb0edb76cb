#include "ui/UiPrompts.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "ui/UiTexts.h"

namespace tamsok {

namespace {

QString RunFileDialog(QWidget* owner, const QString& title, const QString& fileName,
                      QFileDialog::AcceptMode mode) {
  QFileDialog dialog(owner, title);
  dialog.setAcceptMode(mode);
  dialog.selectFile(fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

}  // namespace

BoxAnswer QtPrompts::MessageBox(QWidget* owner, const QString& text, const QString& caption,
                                BoxButtons buttons) {
  QMessageBox box(owner);
  box.setWindowTitle(caption);
  box.setText(text);
  if (buttons == BoxButtons::ReconnectClose) {
    QPushButton* reconnect =
        box.addButton(QString::fromUtf8(ui_text::kReconnect), QMessageBox::AcceptRole);
    box.addButton(QString::fromUtf8(ui_text::kClose), QMessageBox::RejectRole);
    box.setDefaultButton(reconnect);
    box.exec();
    return box.clickedButton() == reconnect ? BoxAnswer::Ok : BoxAnswer::Cancel;
  }
  if (buttons == BoxButtons::OkCancel) {
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  box.setDefaultButton(QMessageBox::Ok);
  return box.exec() == QMessageBox::Ok ? BoxAnswer::Ok : BoxAnswer::Cancel;
}

QString QtPrompts::OpenFileDialog(QWidget* owner, const QString& title, const QString& fileName) {
  return RunFileDialog(owner, title, fileName, QFileDialog::AcceptOpen);
}

QString QtPrompts::SaveFileDialog(QWidget* owner, const QString& title, const QString& fileName) {
  return RunFileDialog(owner, title, fileName, QFileDialog::AcceptSave);
}

void QtPrompts::RunModal(QDialog& dialog) {
  dialog.exec();
}

}  // namespace tamsok
