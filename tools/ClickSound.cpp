// The move click: a wooden "tak". A band-passed noise burst gives the sharp contact, a few
// damped partials give the hollow body of a wooden piece striking a board.
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <vector>

#include "Art.h"
#include "Noise.h"

namespace assets {
namespace {

constexpr int kSampleRate = 44100;
constexpr double kDuration = 0.085;  // seconds
constexpr double kPi = 3.14159265358979323846;

// Band-pass biquad (constant peak gain), direct form I.
class BandPass {
 public:
  BandPass(double centreHz, double q) {
    const double w = 2 * kPi * centreHz / kSampleRate;
    const double alpha = std::sin(w) / (2 * q);
    const double a0 = 1 + alpha;
    b0_ = alpha / a0;
    b2_ = -alpha / a0;
    a1_ = -2 * std::cos(w) / a0;
    a2_ = (1 - alpha) / a0;
  }
  double operator()(double x) {
    const double y = b0_ * x + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
  }

 private:
  double b0_, b2_, a1_, a2_;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

void PutLe16(QByteArray& out, uint16_t v) {
  char b[2];
  qToLittleEndian(v, b);
  out.append(b, 2);
}
void PutLe32(QByteArray& out, uint32_t v) {
  char b[4];
  qToLittleEndian(v, b);
  out.append(b, 4);
}

}  // namespace

QByteArray MakeClickWav() {
  const int count = static_cast<int>(kSampleRate * kDuration);
  std::vector<double> s(static_cast<size_t>(count));
  Rng rng(0x7A6B0001u);
  BandPass contact(3200, 1.1);
  BandPass knock(1400, 2.5);
  struct Partial {
    double hz, amp, decay;  // decay: time constant in seconds
  };
  const Partial body[] = {{680, 0.55, 0.016}, {1330, 0.35, 0.010}, {2450, 0.18, 0.006}};

  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double attack = std::min(1.0, t / 0.0004);
    const double noise = rng.Range(-1, 1);
    double v = 1.6 * contact(noise) * std::exp(-t / 0.0035);
    v += 0.9 * knock(noise) * std::exp(-t / 0.009);
    for (const Partial& p : body)
      v += p.amp * std::sin(2 * kPi * p.hz * t) * std::exp(-t / p.decay);
    // Fade the tail to exact silence so the file ends without a click of its own.
    const double tail = std::min(1.0, (kDuration - t) / 0.004);
    s[static_cast<size_t>(i)] = v * attack * tail;
  }
  double peak = 0;
  for (double v : s)
    peak = std::max(peak, std::fabs(v));
  const double gain = peak > 0 ? 0.85 / peak : 0;

  const uint32_t dataBytes = static_cast<uint32_t>(count) * 2;
  QByteArray wav;
  wav.reserve(static_cast<int>(44 + dataBytes));
  wav.append("RIFF", 4);
  PutLe32(wav, 36 + dataBytes);
  wav.append("WAVE", 4);
  wav.append("fmt ", 4);
  PutLe32(wav, 16);               // fmt chunk size
  PutLe16(wav, 1);                // PCM
  PutLe16(wav, 1);                // mono
  PutLe32(wav, kSampleRate);      // sample rate
  PutLe32(wav, kSampleRate * 2);  // byte rate
  PutLe16(wav, 2);                // block align
  PutLe16(wav, 16);               // bits per sample
  wav.append("data", 4);
  PutLe32(wav, dataBytes);
  for (double v : s) {
    const long q = std::lround(std::clamp(v * gain, -1.0, 1.0) * 32767);
    PutLe16(wav, static_cast<uint16_t>(static_cast<int16_t>(q)));
  }
  return wav;
}

}  // namespace assets
