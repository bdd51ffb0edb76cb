// A spin edit: a one-line edit of a whole number with up and down arrows.
//
// Typing accepts only digits, "+", "-" and the decimal separator (control keys other than
// Enter pass through, so Backspace works and Enter reaches the dialog's default button). A
// typed value may stand outside the range until the input focus leaves the edit, which
// brings it into range; text that is no number reads as the minimum. The arrows (the
// buttons, or the Up and Down keys) step by 1 and stop at the range's ends.
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace tamsok {

class SpinEdit : public QWidget {
  Q_OBJECT

 public:
  SpinEdit(QWidget* parent, const QString& name, int minValue, int maxValue, int value,
           int maxLength);

  // The value as the caller reads it: the number typed, the minimum for text that is no
  // number, and always within the range.
  int Value() const;
  void SetValue(int value);
  int MinValue() const { return min_; }
  int MaxValue() const { return max_; }
  QString Text() const;
  QLineEdit* Edit() const { return edit_; }
  QToolButton* UpButton() const { return up_; }
  QToolButton* DownButton() const { return down_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The number the text holds, or the minimum when it holds none; not clamped.
  int TypedValue() const;
  int Clamp(int v) const;
  void Step(int delta);

  int min_;
  int max_;
  QLineEdit* edit_;
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace tamsok
