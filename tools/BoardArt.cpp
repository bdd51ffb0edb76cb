// The four board skins: a procedural material, two recessed trays for captured pieces, the
// 10 x 10 grid with its frame and neutral position marks. The coordinate labels along the
// edges are drawn by the program, in the frame of the viewing side.
//
// Frame of coordinates: picture pixels, origin top-left, x right, y down. A pixel (x, y) covers
// [x, x + 1) x [y, y + 1), so a line meant to run through pixel column 144 is drawn at 144.5.
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "Art.h"
#include "Noise.h"

namespace assets {
namespace {

constexpr int kGridRight = kGridLeft + kPitchX * (kGridLines - 1);  // 639
constexpr int kGridBottom = kGridTop + kPitchY * (kGridLines - 1);  // 467

// Captured pieces fill 42-pixel columns from the picture's left edge (Fir) and right edge
// (Oak); at most 24 pieces of a camp can be captured, so two columns of a tray are ever used.
constexpr double kTrayWidth = 83;
constexpr double kTrayInset = 2;

// Frame lines around the grid, at these distances outside the outermost grid lines.
constexpr double kOuterFrame = 26;
constexpr double kInnerFrame = 22;

struct Rgb {
  double r, g, b;
};

Rgb Lerp(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Rgb Scale(Rgb c, double k) {
  return {c.r * k, c.g * k, c.b * k};
}
Rgb Add(Rgb c, double d) {
  return {c.r + d, c.g + d, c.b + d};
}

QRgb ToQRgb(Rgb c) {
  auto ch = [](double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0))); };
  return qRgb(ch(c.r), ch(c.g), ch(c.b));
}

// ---- Materials -------------------------------------------------------------------------------

// Flat-sawn wood, grain running along x: growth rings of uneven spacing that meander, darker
// late wood at the end of each ring, fine fibre streaks and pores.
Rgb WoodTexel(double x, double y, int ix, int iy) {
  const double warp = 22 * Fbm(x * 0.0025, y * 0.008, 11, 4) + 8 * std::sin(x * 0.0041 + 1.3);
  const double phase = (y + warp) / 24.0 + 1.7 * Fbm(x * 0.0012 + 7, y * 0.0045, 16, 3);
  const double f = phase - std::floor(phase);
  const double late = SmoothStep(0.62, 0.94, f) * (1 - SmoothStep(0.94, 1.0, f));
  const double fibre = Fbm(x * 0.006, y * 0.5, 12, 3);
  const double pores = GradientNoise(x * 0.22, y * 1.6, 13);
  const double tone = Fbm(x * 0.0018, y * 0.0035, 14, 3);
  const Rgb light{228, 186, 130};
  const Rgb dark{156, 98, 52};
  Rgb c = Lerp(light, dark, Clamp01(0.38 * late + 0.2 * (0.5 + fibre) + 0.35 * (0.45 - tone)));
  c = Add(c, 6 * pores + 2.5 * Grain(ix, iy, 15));
  return c;
}

// Dark slate: cloudy blue-grey stone, faint cleavage layers along a slight slope, fine speckle.
Rgb SlateTexel(double x, double y, int ix, int iy) {
  const double cloud = Fbm(x * 0.0035, y * 0.0035, 21, 5);
  const double u = x * 0.97 + y * 0.24;
  const double v = -x * 0.24 + y * 0.97;
  const double layer = Fbm(u * 0.003, v * 0.045, 22, 4);
  const double mineral = SmoothStep(0.35, 0.7, Fbm(x * 0.02, y * 0.02, 24, 3) + 0.3);
  Rgb c{60, 67, 72};
  c = Add(c, 13 * cloud + 7 * layer + 4.5 * Grain(ix, iy, 23));
  c = Lerp(c, Rgb{70, 80, 82}, 0.35 * mineral);
  c.b += 4 * cloud;
  return c;
}

// Marble the colour of milky tea: soft creamy clouds, a few long veins running diagonally that
// fade in and out along their length, and fine cracks that appear only here and there.
Rgb MarbteaTexel(double x, double y, int ix, int iy) {
  const double warp =
      3.4 * Fbm(x * 0.003, y * 0.003, 31, 4) + 0.5 * Fbm(x * 0.016, y * 0.016, 36, 3);
  const double band = std::pow(1 - std::fabs(std::sin((x * 0.75 + y * 0.66) * 0.011 + warp)), 9);
  const double bandFade = SmoothStep(-0.25, 0.35, Fbm(x * 0.004 + 100, y * 0.004, 37, 3));
  const double ridge = 1 - std::fabs(Fbm(x * 0.009, y * 0.009, 32, 4));
  const double crack = std::pow(ridge, 30) * SmoothStep(0.0, 0.3, Fbm(x * 0.006, y * 0.006, 38, 2));
  const double cloud = Fbm(x * 0.0035, y * 0.0035, 33, 5);
  const double fleck = Fbm(x * 0.05, y * 0.05, 35, 2);
  Rgb c = Lerp(Rgb{244, 230, 204}, Rgb{204, 160, 108}, Clamp01(0.45 + 1.2 * cloud));
  c = Lerp(c, Rgb{156, 104, 60}, 0.55 * band * bandFade);
  c = Lerp(c, Rgb{140, 96, 58}, 0.5 * crack);
  c = Add(c, 4.0 * fleck + 1.8 * Grain(ix, iy, 34));
  return c;
}

// Pale gold foil: brushed along x, a broad diagonal sheen and a faint crinkle lit from the
// top-left.
Rgb FoilTexel(double x, double y, int ix, int iy) {
  const double brushed =
      0.6 * GradientNoise(x * 0.006, y * 1.1, 41) + 0.4 * GradientNoise(x * 0.02, y * 2.3, 44);
  auto crinkle = [](double px, double py) { return Turbulence(px * 0.012, py * 0.012, 42, 4); };
  const double shade =
      (crinkle(x - 1, y) - crinkle(x + 1, y)) + (crinkle(x, y - 1) - crinkle(x, y + 1));
  const double sheen =
      0.5 + 0.5 * std::sin((x * 0.6 + y) * 0.0105 + 2.2 * Fbm(x * 0.0025, y * 0.0025, 43, 3));
  Rgb c = Lerp(Rgb{178, 150, 92}, Rgb{247, 233, 184}, sheen);
  c = Scale(c, 1 + 0.05 * brushed + 1.6 * shade);
  c = Add(c, 1.5 * Grain(ix, iy, 45));
  return c;
}

struct Look {
  // The material at (x, y) in pixels of the 1x picture; (ix, iy) is the pixel being made, for
  // the finest grain, which follows the pixels of whatever scale is drawn.
  Rgb (*texel)(double x, double y, int ix, int iy);
  QColor line;        // grid, frame and marks: strongly contrasting with the material
  double trayDarken;  // tray floor brightness relative to the board surface
};

Look LookOf(Skin skin) {
  switch (skin) {
    case Skin::Wood:
      return {WoodTexel, QColor(48, 26, 10), 0.70};
    case Skin::Slate:
      return {SlateTexel, QColor(238, 232, 214), 0.68};
    case Skin::Marbtea:
      return {MarbteaTexel, QColor(74, 44, 22), 0.78};
    case Skin::PBfoil:
      return {FoilTexel, QColor(44, 34, 16), 0.74};
  }
  return {SlateTexel, Qt::white, 0.7};
}

// ---- Trays -------------------------------------------------------------------------------------

// Signed distance to a rounded rectangle (negative inside).
double RoundRectDistance(double px, double py, const QRectF& r, double radius) {
  const double qx = std::fabs(px - r.center().x()) - (r.width() / 2 - radius);
  const double qy = std::fabs(py - r.center().y()) - (r.height() / 2 - radius);
  const double ox = std::max(qx, 0.0);
  const double oy = std::max(qy, 0.0);
  return std::hypot(ox, oy) + std::min(std::max(qx, qy), 0.0) - radius;
}

// Brightness factor for a pixel in or around a recessed tray: a darker floor, a shadow cast by
// the top-left walls, lit bottom-right walls and a thin bright lip outside the opening.
double TrayShading(double px, double py, const QRectF& well, double floorDarken) {
  constexpr double kRadius = 7;
  const double d = RoundRectDistance(px, py, well, kRadius);
  if (d > 2.5) return 1.0;
  // Outward normal from the distance field's gradient.
  const double gx = RoundRectDistance(px + 0.5, py, well, kRadius) -
                    RoundRectDistance(px - 0.5, py, well, kRadius);
  const double gy = RoundRectDistance(px, py + 0.5, well, kRadius) -
                    RoundRectDistance(px, py - 0.5, well, kRadius);
  const double facing = (gx + gy) * 0.7071;  // > 0 on the bottom-right walls
  if (d > 0) {
    // Lip: light on the top-left rim (it faces the light), dark on the bottom-right rim.
    return 1 - 0.16 * facing * (1 - d / 2.5);
  }
  const double depth = -d;
  double m = floorDarken;
  const QRectF shifted = well.translated(4, 4);
  const double cast = 1 - SmoothStep(-2, 9, -RoundRectDistance(px, py, shifted, kRadius));
  m *= 1 - 0.32 * cast;
  if (depth < 3) m *= 1 + 0.3 * facing * (1 - depth / 3);
  return m;
}

// ---- Grid and marks --------------------------------------------------------------------------

QPointF Centre(int col, int row) {
  return {kGridLeft + kPitchX * col + 0.5, kGridTop + kPitchY * row + 0.5};
}

// Corner brackets around an intersection, only in the quadrants that lie on the board. Placed
// where rows 3 and 6 and columns 3 and 6 meet the edges and each other: they outline the home
// areas whichever side the board is viewed from, without favouring either camp.
void DrawPositionMark(QPainter& p, int col, int row) {
  constexpr double kGap = 4;
  constexpr double kArm = 7;
  const QPointF c = Centre(col, row);
  for (int sx : {-1, 1}) {
    for (int sy : {-1, 1}) {
      const int nc = col + sx;
      const int nr = row + sy;
      if (nc < 0 || nc >= kGridLines || nr < 0 || nr >= kGridLines) continue;
      const QPointF corner(c.x() + sx * kGap, c.y() + sy * kGap);
      QPainterPath path;
      path.moveTo(corner.x() + sx * kArm, corner.y());
      path.lineTo(corner);
      path.lineTo(corner.x(), corner.y() + sy * kArm);
      p.drawPath(path);
    }
  }
}

void DrawGrid(QPainter& p, const Look& look) {
  p.setRenderHint(QPainter::Antialiasing, true);
  QColor line = look.line;

  // Frame: a heavy outer line and a thin inner one around the grid.
  auto frameRect = [](double margin) {
    return QRectF(QPointF(kGridLeft + 0.5 - margin, kGridTop + 0.5 - margin),
                  QPointF(kGridRight + 0.5 + margin, kGridBottom + 0.5 + margin));
  };
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(line, 2.4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawRect(frameRect(kOuterFrame));
  QColor thin = line;
  thin.setAlphaF(0.75);
  p.setPen(QPen(thin, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawRect(frameRect(kInnerFrame));

  // Grid lines; the outermost ones are heavier and form the border of the playing area.
  for (int i = 0; i < kGridLines; ++i) {
    const bool edge = i == 0 || i == kGridLines - 1;
    p.setPen(QPen(line, edge ? 2.6 : 1.5, Qt::SolidLine, Qt::SquareCap));
    const double x = kGridLeft + kPitchX * i + 0.5;
    const double y = kGridTop + kPitchY * i + 0.5;
    p.drawLine(QPointF(x, kGridTop + 0.5), QPointF(x, kGridBottom + 0.5));
    p.drawLine(QPointF(kGridLeft + 0.5, y), QPointF(kGridRight + 0.5, y));
  }

  p.setPen(QPen(line, 1.3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  for (int a : {3, 6}) {
    for (int b : {0, 3, 6, 9}) {
      DrawPositionMark(p, a, b);
      if (b == 0 || b == 9) DrawPositionMark(p, b, a);
    }
  }
}

}  // namespace

QImage PaintBoard(Skin skin, int scale) {
  const bool foil = skin == Skin::PBfoil;
  const int width = foil ? 785 : 784;
  const int height = foil ? 513 : 512;
  const Look look = LookOf(skin);

  const QRectF leftTray(kTrayInset, kTrayInset, kTrayWidth - kTrayInset, height - 2 * kTrayInset);
  const QRectF rightTray(width - kTrayWidth, kTrayInset, kTrayWidth - kTrayInset,
                         height - 2 * kTrayInset);

  // Every position below is in pixels of the 1x picture; a larger scale samples it finer.
  QImage image(width * scale, height * scale, QImage::Format_RGB32);
  for (int iy = 0; iy < image.height(); ++iy) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(iy));
    const double y = static_cast<double>(iy) / scale;
    for (int ix = 0; ix < image.width(); ++ix) {
      const double x = static_cast<double>(ix) / scale;
      const double px = (ix + 0.5) / scale;
      const double py = (iy + 0.5) / scale;
      // A soft vignette gives the playing field some depth.
      const double dx = (px - width / 2.0) / (width / 2.0);
      const double dy = (py - height / 2.0) / (height / 2.0);
      double k = 1 - 0.07 * (dx * dx + dy * dy);
      k *= TrayShading(px, py, leftTray, look.trayDarken);
      k *= TrayShading(px, py, rightTray, look.trayDarken);
      row[ix] = ToQRgb(Scale(look.texel(x, y, ix, iy), k));
    }
  }

  QPainter p(&image);
  p.scale(scale, scale);
  DrawGrid(p, look);
  p.end();
  return image;
}

QImage PaintSwatch(const QImage& board, int scale) {
  // A piece of the board around an empty intersection, framed like a tile.
  constexpr int kSize = 20;
  const QPoint centre(kGridLeft + kPitchX * 4 + kPitchX / 2, kGridTop + kPitchY * 4);
  const QImage crop =
      board.copy((centre.x() - 20) * scale, (centre.y() - 20) * scale, 40 * scale, 40 * scale)
          .scaled((kSize - 2) * scale, (kSize - 2) * scale, Qt::IgnoreAspectRatio,
                  Qt::SmoothTransformation);
  QImage out(kSize * scale, kSize * scale, QImage::Format_ARGB32_Premultiplied);
  out.fill(Qt::transparent);
  QPainter p(&out);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.scale(scale, scale);
  QPainterPath tile;
  tile.addRoundedRect(QRectF(1, 1, kSize - 2, kSize - 2), 3, 3);
  p.setClipPath(tile);
  p.drawImage(QRectF(1, 1, kSize - 2, kSize - 2), crop);
  p.setClipping(false);
  p.setPen(QPen(QColor(0, 0, 0, 150), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(1, 1, kSize - 2, kSize - 2), 3, 3);
  p.end();
  return out;
}

}  // namespace assets
