#include "ui/UiPrompts.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

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
  return MakeMessageBox(owner, text, caption, buttons)->exec() == QMessageBox::Ok
             ? BoxAnswer::Ok
             : BoxAnswer::Cancel;
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
