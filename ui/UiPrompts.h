// Everything modal that the windows open: message boxes, the file dialogs and the modal
// showing of a dialog window. It all goes through this one interface so that a test can
// record what would have been shown and answer without a modal loop.
#pragma once

#include <QString>

#include <memory>

#include "game/GameView.h"

class QDialog;
class QMessageBox;
class QWidget;

namespace tamsok {

class UiPrompts {
 public:
  virtual ~UiPrompts() = default;
  virtual BoxAnswer MessageBox(QWidget* owner, const QString& text, const QString& caption,
                               BoxButtons buttons) = 0;
  // The file dialogs: a title and an initial file name, no filter. Return the chosen path,
  // empty when cancelled.
  virtual QString OpenFileDialog(QWidget* owner, const QString& title, const QString& fileName) = 0;
  virtual QString SaveFileDialog(QWidget* owner, const QString& title, const QString& fileName) = 0;
  // Shows a dialog window modally and returns when it is closed.
  virtual void RunModal(QDialog& dialog) = 0;
};

// The message box the real prompts show: the text, the caption, OK (the default) and Cancel.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* owner, const QString& text,
                                            const QString& caption, BoxButtons buttons);

// The real thing: QMessageBox, QFileDialog, QDialog::exec.
class QtPrompts : public UiPrompts {
 public:
  BoxAnswer MessageBox(QWidget* owner, const QString& text, const QString& caption,
                       BoxButtons buttons) override;
  QString OpenFileDialog(QWidget* owner, const QString& title, const QString& fileName) override;
  QString SaveFileDialog(QWidget* owner, const QString& title, const QString& fileName) override;
  void RunModal(QDialog& dialog) override;
};

}  // namespace tamsok
