#include "ui/UiPrompts.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "ui/Translation.h"
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

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* owner, const QString& text,
                                            const QString& caption, BoxButtons buttons) {
  auto box = std::make_unique<QMessageBox>(owner);
  box->setWindowTitle(caption);
  box->setText(text);
  if (buttons == BoxButtons::ReconnectClose) {
    QPushButton* reconnect = box->addButton(Tr(ui_text::kReconnect), QMessageBox::AcceptRole);
    box->addButton(Tr(ui_text::kClose), QMessageBox::RejectRole);
    box->setDefaultButton(reconnect);
    return box;
  }
  if (buttons == BoxButtons::OkCancel) {
    box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
  } else {
    box->setStandardButtons(QMessageBox::Ok);
  }
  box->setDefaultButton(QMessageBox::Ok);
  return box;
}

BoxAnswer QtPrompts::MessageBox(QWidget* owner, const QString& text, const QString& caption,
                                BoxButtons buttons) {
  const std::unique_ptr<QMessageBox> box = MakeMessageBox(owner, text, caption, buttons);
  const int result = box->exec();
  if (buttons == BoxButtons::ReconnectClose)
    return box->buttonRole(box->clickedButton()) == QMessageBox::AcceptRole ? BoxAnswer::Ok
                                                                            : BoxAnswer::Cancel;
  return result == QMessageBox::Ok ? BoxAnswer::Ok : BoxAnswer::Cancel;
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
