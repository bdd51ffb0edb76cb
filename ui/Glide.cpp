#include "ui/Glide.h"

#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

namespace tamsok {

int GlideSteps(QPoint from, QPoint to) {
  const QPoint d = to - from;
  return std::max(std::abs(d.x()), std::abs(d.y()));
}

QPoint GlidePoint(QPoint from, QPoint to, int step) {
  const QPoint d = to - from;
  const int ax = std::abs(d.x()), ay = std::abs(d.y());
  const int sx = (d.x() > 0) - (d.x() < 0), sy = (d.y() > 0) - (d.y() < 0);
  const int k = std::clamp(step, 0, std::max(ax, ay));
  const int straight = std::abs(ax - ay);
  const int along = std::min(k, straight), diagonal = std::max(0, k - straight);
  return from + (ax > ay ? QPoint(sx * (along + diagonal), sy * diagonal)
                         : QPoint(sx * diagonal, sy * (along + diagonal)));
}

ReceivedGlide::ReceivedGlide() : timer_(new QTimer(this)) {
  timer_->setTimerType(Qt::PreciseTimer);
  connect(timer_, &QTimer::timeout, this, &ReceivedGlide::Step);
}

ReceivedGlide::~ReceivedGlide() = default;

void ReceivedGlide::Start(QWidget& image, QPoint target, int stepMs) {
  Finish();
  from_ = image.pos();
  to_ = target;
  steps_ = GlideSteps(from_, to_);
  if (stepMs <= 0) {
    // Every step drawn at once, without a pause: the glide is over when this returns.
    QWidget* board = image.parentWidget();
    for (int k = 1; k <= steps_; ++k) {
      const QRect before = image.geometry();
      image.move(GlidePoint(from_, to_, k));
      if (board) board->repaint(before.united(image.geometry()));
    }
    image.move(to_);
    return;
  }
  image_ = &image;
  stepMs_ = stepMs;
  keeping_ = true;
  clock_.start();
  timer_->start(stepMs);
  // The move's own effects come in the same pass of the event loop; the next pass ends that.
  QTimer::singleShot(0, this, [this, glide = &image] {
    if (image_ == glide) keeping_ = false;
  });
}

bool ReceivedGlide::Keep(std::function<void()> effect) {
  if (!image_ || !keeping_) return false;
  kept_.push_back(std::move(effect));
  return true;
}

void ReceivedGlide::Step() {
  if (!image_) return;
  const int k = static_cast<int>(clock_.elapsed() / stepMs_);
  image_->move(GlidePoint(from_, to_, k));
  if (onStep) onStep();
  if (k >= steps_) Finish();
}

void ReceivedGlide::Finish() {
  if (!image_) return;
  timer_->stop();
  image_->move(to_);
  image_ = nullptr;
  keeping_ = false;
  // The effects may start another glide or ask for more; they run on a list of their own.
  const std::vector<std::function<void()>> effects = std::exchange(kept_, {});
  for (const std::function<void()>& effect : effects)
    effect();
}

}  // namespace tamsok
