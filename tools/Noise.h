// Deterministic randomness for the asset painters.
//
// The standard <random> distributions are implementation-defined, so a texture made with them
// could change with the compiler. Everything here is plain integer hashing and double
// arithmetic: the same seed gives the same picture on every build.
#pragma once

#include <cmath>
#include <cstdint>

namespace assets {

// SplitMix64 generator.
class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed) {}

  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  // Uniform in [0, 1).
  double Uniform() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
  double Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }

 private:
  uint64_t state_;
};

// Hash of an integer lattice point; the seed selects an independent noise field.
inline uint32_t HashLattice(int32_t x, int32_t y, uint32_t seed) {
  uint32_t h = seed * 0x27D4EB2Du;
  h ^= static_cast<uint32_t>(x) * 0x85EBCA6Bu;
  h = (h << 13) | (h >> 19);
  h ^= static_cast<uint32_t>(y) * 0xC2B2AE35u;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return h;
}

// Gradient noise in about [-1, 1], smooth (quintic fade), zero at lattice points.
inline double GradientNoise(double x, double y, uint32_t seed) {
  const double fx = std::floor(x);
  const double fy = std::floor(y);
  const int32_t ix = static_cast<int32_t>(fx);
  const int32_t iy = static_cast<int32_t>(fy);
  const double dx = x - fx;
  const double dy = y - fy;
  // Eight fixed directions: cheap and free of axis bias at the scales used here.
  static constexpr double kDir[8][2] = {{1, 0},  {0.7071, 0.7071},   {0, 1},  {-0.7071, 0.7071},
                                        {-1, 0}, {-0.7071, -0.7071}, {0, -1}, {0.7071, -0.7071}};
  auto corner = [&](int32_t cx, int32_t cy, double ox, double oy) {
    const double* g = kDir[HashLattice(cx, cy, seed) & 7u];
    return g[0] * ox + g[1] * oy;
  };
  auto fade = [](double t) { return t * t * t * (t * (t * 6 - 15) + 10); };
  const double u = fade(dx);
  const double v = fade(dy);
  const double n00 = corner(ix, iy, dx, dy);
  const double n10 = corner(ix + 1, iy, dx - 1, dy);
  const double n01 = corner(ix, iy + 1, dx, dy - 1);
  const double n11 = corner(ix + 1, iy + 1, dx - 1, dy - 1);
  const double a = n00 + u * (n10 - n00);
  const double b = n01 + u * (n11 - n01);
  return 1.4 * (a + v * (b - a));
}

// Fractal sum of octaves; each octave gets its own seed so the layers do not line up.
inline double Fbm(double x, double y, uint32_t seed, int octaves, double gain = 0.5) {
  double sum = 0;
  double amp = 1;
  double norm = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += amp * GradientNoise(x, y, seed + 101u * static_cast<uint32_t>(i));
    norm += amp;
    amp *= gain;
    x *= 2.03;
    y *= 2.03;
  }
  return sum / norm;
}

// Like Fbm but of absolute values: sharp creases, used for marble veins and crinkled foil.
inline double Turbulence(double x, double y, uint32_t seed, int octaves) {
  double sum = 0;
  double amp = 1;
  double norm = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += amp * std::fabs(GradientNoise(x, y, seed + 211u * static_cast<uint32_t>(i)));
    norm += amp;
    amp *= 0.5;
    x *= 2.01;
    y *= 2.01;
  }
  return sum / norm;
}

// Per-pixel white noise in [-1, 1] (film grain, speckle).
inline double Grain(int x, int y, uint32_t seed) {
  return static_cast<double>(HashLattice(x, y, seed) & 0xFFFFu) / 32767.5 - 1.0;
}

inline double Clamp01(double v) {
  return v < 0 ? 0 : (v > 1 ? 1 : v);
}

inline double SmoothStep(double e0, double e1, double x) {
  const double t = Clamp01((x - e0) / (e1 - e0));
  return t * t * (3 - 2 * t);
}

}  // namespace assets
