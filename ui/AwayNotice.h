// The room's notice that the player of its game has lost the link: a strip above the board's
// frame that says so with the time left, and, once the wait is over, a button to claim the
// win. It covers nothing of the board, its labels or the trays.
#pragma once

#include <QFrame>
#include <functional>

class QLabel;
class QPushButton;

namespace tamsok {

class AwayNotice : public QFrame {
 public:
  explicit AwayNotice(QWidget* boardArea);

  // Shows `text`; the claim button is there when `claimable`.
  void Show(const QString& text, bool claimable);

  // What the claim button does.
  std::function<void()> onClaim;

  QLabel* Text() const { return text_; }
  QPushButton* ClaimButton() const { return claim_; }

 private:
  QLabel* text_;
  QPushButton* claim_;
};

}  // namespace tamsok
