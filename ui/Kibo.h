// The move-history window: one memo that lists the move records while the window is shown.
#pragma once

#include <string>
#include <vector>

#include <QWidget>

class QPlainTextEdit;

namespace tamsok {

class TKiboForm : public QWidget {
 public:
  explicit TKiboForm(QWidget* owner);

  // Replaces the memo's text by the lines, one per record.
  void SetLines(const std::vector<std::string>& lines);

  QPlainTextEdit* MemoKibo;
};

}  // namespace tamsok
