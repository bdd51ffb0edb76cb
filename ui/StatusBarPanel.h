// One text panel of the main window's status bar: a sunken label whose text is drawn from its
// left edge, on a tint when the panel is marked (the clock of the side to move).
//
// A text too wide for the panel in the bar's font is drawn in a smaller one, down to
// kMinPixelSize, so the game's longest texts stay whole; a text that is too wide even then is
// cut with an ellipsis. The tooltip carries the whole text, or what `explain` makes of it, and
// text() is always the text given.
#pragma once

#include <functional>
#include <optional>

#include <QColor>
#include <QLabel>

namespace tamsok {

class StatusBarPanel : public QLabel {
 public:
  static constexpr int kMinPixelSize = 9;

  StatusBarPanel(const QString& text, QWidget* parent);

  // Shows `text`, in the largest font up to the bar's own in which it fits.
  void SetText(const QString& text);
  // Draws the panel on `tint`, or plain without one. The text is untouched.
  void SetTint(std::optional<QColor> tint);
  // Makes the tooltip of the text shown, when the tooltip is asked for.
  void SetExplain(std::function<QString(const QString&)> explain);
  // The tooltip for the text shown now.
  QString ToolTipText() const;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QRect TextRect() const;
  void FitFont();

  std::optional<QColor> tint_;
  std::function<QString(const QString&)> explain_;
};

}  // namespace tamsok
