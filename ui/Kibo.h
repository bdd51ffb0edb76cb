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

  // Replaces the memo's text by the lines, one per record, and shows the last one.
  void SetLines(const std::vector<std::string>& lines);

  QPlainTextEdit* MemoKibo;

 private:
  void ShowLastRecord();

  // The last record stays in sight while the memo's scroll ranges settle (a sideways scroll
  // bar appearing takes a line's height), until the user scrolls the list.
  bool followLast_ = false;
};

}  // namespace tamsok
