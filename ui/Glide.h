// The glide of a piece image to its square: one-pixel steps, first along the longer axis for
// the difference of the two distances, then diagonally.
//
// A received move's glide runs on timer ticks, so the window goes on answering while the piece
// travels. What the game shows after the move (the marker, the tray, the texts, the sound) is
// kept until the piece lands, so it appears in the same order as after a glide that held the
// thread. Anything else that touches the board first lands the piece at once, with its kept
// effects: a message that arrives during a glide is handled after the glide's move is complete.
#pragma once

#include <functional>
#include <vector>

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>

class QTimer;
class QWidget;

namespace tamsok {

// One-pixel steps from `from` to `to`: as many as the longer distance.
int GlideSteps(QPoint from, QPoint to);
// Where the glide from `from` to `to` stands after `step` steps (0..GlideSteps).
QPoint GlidePoint(QPoint from, QPoint to, int step);

class ReceivedGlide : public QObject {
 public:
  ReceivedGlide();
  ~ReceivedGlide() override;

  // Starts the image's glide to `target`, `stepMs` milliseconds a step. With no pause the
  // glide is done before this returns, a repaint per step, as the tests want it.
  void Start(QWidget& image, QPoint target, int stepMs);
  bool Active() const { return image_ != nullptr; }
  // While the glide's own move is still being applied (before control returns to the event
  // loop), keeps `effect` for the landing and returns true. Otherwise returns false: the
  // caller does it now.
  bool Keep(std::function<void()> effect);
  // Lands a glide under way at once and runs its kept effects, in order. Nothing when none.
  void Finish();
  // The glide's own move has been applied: from now on nothing more is kept.
  void StopKeeping() { keeping_ = false; }

  // Called after each step, with the image already moved (for measuring).
  std::function<void()> onStep;

 private:
  void Step();

  QTimer* timer_;
  QWidget* image_ = nullptr;
  QPoint from_, to_;
  int steps_ = 0, stepMs_ = 0;
  QElapsedTimer clock_;
  bool keeping_ = false;
  std::vector<std::function<void()>> kept_;
};

}  // namespace tamsok
