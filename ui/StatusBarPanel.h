// One text panel of the main window's status bar: a sunken label whose text is drawn from its
// left edge, on a tint when the panel is marked (the clock of the side to move).
#pragma once

#include <optional>

#include <QColor>
#include <QLabel>

namespace tamsok {

class StatusBarPanel : public QLabel {
 public:
  StatusBarPanel(const QString& text, QWidget* parent);

  // Draws the panel on `tint`, or plain without one. The text is untouched.
  void SetTint(std::optional<QColor> tint);
  bool IsTinted() const { return tint_.has_value(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<QColor> tint_;
};

}  // namespace tamsok
