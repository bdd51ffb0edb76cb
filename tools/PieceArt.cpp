// Piece tokens, the window icon, the last-move marker and the menu pictures.
//
// Tokens are drawn in a 40 x 40 logical frame (pixels of the piece picture, origin top-left, y
// down) whose point (20.5, 20.5) is the centre of pixel (20, 20): the piece image's top-left
// sits at the square's centre - 20, so that pixel lies on the grid intersection. Pictograms are
// drawn around the origin after translating there, within a radius of about 13.
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <tuple>
#include <vector>

#include "Art.h"

namespace assets {
namespace {

constexpr double kTokenSize = 40;
constexpr double kCentre = 20.5;
constexpr double kPi = 3.14159265358979323846;

struct CampStyle {
  QColor rimLight;
  QColor rimDark;
  QColor ink;  // pictogram
};

// Fir green, Oak red; the inks are dark enough to read on the ivory face.
const CampStyle kCampStyle[kCampCount] = {
    {QColor(112, 192, 104), QColor(22, 104, 42), QColor(18, 106, 40)},
    {QColor(240, 112, 94), QColor(148, 22, 24), QColor(184, 28, 30)},
};
const QColor kFaceLight(253, 250, 238);
const QColor kFaceEdge(226, 215, 186);
const QColor kGoldLight(246, 214, 110);
const QColor kGoldDark(166, 116, 24);

QColor WithAlpha(QColor c, double alpha) {
  c.setAlphaF(alpha);
  return c;
}

QPainterPath EllipsePath(double cx, double cy, double rx, double ry, double angleDeg = 0) {
  QPainterPath e;
  e.addEllipse(QPointF(0, 0), rx, ry);
  QTransform t;
  t.translate(cx, cy);
  t.rotate(angleDeg);
  return t.map(e);
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(points)));
  path.closeSubpath();
  return path;
}

QPainterPath Polyline(std::initializer_list<QPointF> points) {
  QPainterPath path;
  auto it = points.begin();
  path.moveTo(*it);
  for (++it; it != points.end(); ++it)
    path.lineTo(*it);
  return path;
}

QPen InkPen(const QColor& ink, double width) {
  return QPen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Token outline centred on the origin: Fir's tokens are round and Oak's octagonal, so the camp
// reads from the shape as well as from the colour. `apothem` is the radius of the inscribed
// circle, so both shapes have the same width.
QPainterPath TokenShape(int camp, double apothem) {
  QPainterPath path;
  if (camp == kFir) {
    path.addEllipse(QPointF(0, 0), apothem, apothem);
    return path;
  }
  // Octagon with flat sides facing the axes and slightly rounded corners.
  const double r = apothem / std::cos(kPi / 8);
  const double round = 0.18;  // fraction of each side used by a corner's curve
  QPointF v[8];
  for (int i = 0; i < 8; ++i) {
    const double a = kPi / 8 + i * kPi / 4;
    v[i] = QPointF(r * std::cos(a), r * std::sin(a));
  }
  for (int i = 0; i < 8; ++i) {
    const QPointF prev = v[(i + 7) % 8];
    const QPointF cur = v[i];
    const QPointF next = v[(i + 1) % 8];
    const QPointF a = cur + (prev - cur) * round;
    const QPointF b = cur + (next - cur) * round;
    if (i == 0)
      path.moveTo(a);
    else
      path.lineTo(a);
    path.quadTo(cur, b);
  }
  path.closeSubpath();
  return path;
}

// ---- Pictograms --------------------------------------------------------------------------------

void DrawTree(QPainter& p, int camp, const QColor& ink) {
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  if (camp == kFir) {
    // A fir: three tiers and a trunk.
    p.drawPath(Polygon({{0, -12.5},
                        {5.2, -5.5},
                        {2.6, -5.5},
                        {8.4, 1.2},
                        {4.8, 1.2},
                        {10.6, 8},
                        {2.3, 8},
                        {2.3, 12.2},
                        {-2.3, 12.2},
                        {-2.3, 8},
                        {-10.6, 8},
                        {-4.8, 1.2},
                        {-8.4, 1.2},
                        {-2.6, -5.5},
                        {-5.2, -5.5}}));
    return;
  }
  // An oak: a round, lobed crown on a flared trunk.
  QPainterPath tree;
  tree.setFillRule(Qt::WindingFill);
  tree.addPath(Polygon({{-2, 2}, {2, 2}, {2.4, 9}, {5, 12}, {-5, 12}, {-2.4, 9}}));
  for (const auto& [x, y, r] : {std::tuple{0.0, -6.8, 5.6},
                                {-6.0, -3.2, 4.6},
                                {6.0, -3.2, 4.6},
                                {-3.6, 1.6, 4.2},
                                {3.6, 1.6, 4.2},
                                {0.0, -1.0, 5.0}}) {
    tree.addEllipse(QPointF(x, y), r, r);
  }
  p.drawPath(tree.simplified());
}

void DrawLightning(QPainter& p, const QColor& ink) {
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawPath(Polygon({{3.4, -12.6},
                      {-7.4, 1.4},
                      {-1.2, 1.4},
                      {-4.4, 12.6},
                      {7.6, -3.2},
                      {1.4, -3.2},
                      {5.8, -12.6}}));
}

void DrawDragonFly(QPainter& p, const QColor& ink) {
  p.setPen(InkPen(ink, 0.9));
  p.setBrush(WithAlpha(ink, 0.42));
  for (int s : {-1, 1}) {
    p.drawPath(EllipsePath(s * 5.8, -6.6, 5.4, 2.1, -s * 15));
    p.drawPath(EllipsePath(s * 5.4, -2.2, 5.0, 1.9, s * 16));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawEllipse(QPointF(0, -10.4), 2.5, 2.2);
  p.drawPath(EllipsePath(0, -5.0, 2.4, 3.2));
  p.drawRoundedRect(QRectF(-1.3, -2.5, 2.6, 15.0), 1.3, 1.3);
}

void DrawDivingBeetle(QPainter& p, const QColor& ink, const QColor& face) {
  p.setBrush(Qt::NoBrush);
  for (int s : {-1, 1}) {
    p.setPen(InkPen(ink, 1.3));
    p.drawPath(Polyline({{s * 4.0, -5.0}, {s * 8.0, -8.0}, {s * 9.0, -10.5}}));
    p.drawPath(Polyline({{s * 5.5, 0.0}, {s * 10.0, -1.5}, {s * 11.2, 1.0}}));
    // Hind legs are flattened oars.
    p.setPen(InkPen(ink, 2.4));
    p.drawLine(QPointF(s * 5.0, 4.5), QPointF(s * 9.6, 8.8));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(EllipsePath(s * 10.0, 10.0, 3.4, 1.7, s * 42));
    p.setBrush(Qt::NoBrush);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawPath(EllipsePath(0, -8.3, 3.8, 2.8));
  p.drawPath(EllipsePath(0, 2.4, 7.0, 9.6));
  // Pronotum edge, wing-case seam and a glint.
  p.setBrush(Qt::NoBrush);
  p.setPen(InkPen(face, 1.0));
  QPainterPath pronotum;
  pronotum.moveTo(-6.2, -2.6);
  pronotum.quadTo(0, -0.4, 6.2, -2.6);
  p.drawPath(pronotum);
  p.drawLine(QPointF(0, -1.2), QPointF(0, 11.2));
  p.setPen(Qt::NoPen);
  p.setBrush(WithAlpha(face, 0.45));
  p.drawPath(EllipsePath(-3.4, 3.0, 1.3, 3.6, 8));
}

void DrawGrasshopper(QPainter& p, const QColor& ink, const QColor& face) {
  // Side view, facing right: a long body, a head, long antennae swept back and the big jumping
  // leg folded above the body.
  p.setBrush(Qt::NoBrush);
  p.setPen(InkPen(ink, 1.0));
  QPainterPath antenna;
  antenna.moveTo(9.0, -3.2);
  antenna.cubicTo(7.0, -8.0, 3.0, -11.0, -3.0, -12.0);
  p.drawPath(antenna);
  p.setPen(InkPen(ink, 1.2));
  p.drawPath(Polyline({{5.5, 5.0}, {7.0, 8.6}, {9.4, 9.8}}));
  p.drawPath(Polyline({{2.0, 5.8}, {1.6, 9.8}, {3.6, 11.0}}));
  // Hind tibia, from the knee down to the foot behind the body.
  p.setPen(InkPen(ink, 1.4));
  p.drawPath(Polyline({{-10.6, -6.6}, {-11.6, 8.0}, {-8.6, 9.6}}));
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawPath(EllipsePath(-1.0, 3.0, 10.0, 3.9, -8));
  p.drawPath(EllipsePath(8.8, 0.0, 3.4, 4.1, -15));
  // Femur: thick at the hip, thin at the knee.
  p.drawPath(Polygon({{-1.0, 2.6}, {-4.4, 4.0}, {-11.8, -6.0}, {-9.8, -7.6}}));
  p.setBrush(face);
  p.drawEllipse(QPointF(9.8, -1.0), 1.1, 1.1);
  p.setBrush(Qt::NoBrush);
  p.setPen(InkPen(WithAlpha(face, 0.75), 0.8));
  p.drawLine(QPointF(-4.6, 3.6), QPointF(6.0, 1.6));
}

void DrawWasp(QPainter& p, const QColor& ink, const QColor& face) {
  p.setPen(InkPen(ink, 0.9));
  p.setBrush(WithAlpha(ink, 0.4));
  for (int s : {-1, 1})
    p.drawPath(EllipsePath(s * 5.6, -6.4, 5.4, 2.3, -s * 24));
  p.setPen(InkPen(ink, 1.1));
  p.setBrush(Qt::NoBrush);
  for (int s : {-1, 1})
    p.drawPath(Polyline({{s * 1.4, -12.0}, {s * 3.6, -13.2}}));
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawPath(EllipsePath(0, -10.4, 3.0, 2.3));
  p.drawPath(EllipsePath(0, -5.8, 3.4, 3.3));
  const QPainterPath abdomen = EllipsePath(0, 4.6, 5.6, 7.9);
  p.drawPath(abdomen);
  p.drawPath(Polygon({{-1.0, 11.8}, {1.0, 11.8}, {0, 14.2}}));
  // Pale bands across the abdomen.
  p.save();
  p.setClipPath(abdomen);
  p.setBrush(face);
  for (double y : {0.4, 4.4, 8.4})
    p.drawRect(QRectF(-7, y, 14, 1.9));
  p.restore();
}

void DrawWind(QPainter& p, const QColor& ink) {
  p.setPen(InkPen(ink, 2.3));
  p.setBrush(Qt::NoBrush);
  QPainterPath top;
  top.moveTo(-11.0, -5.0);
  top.lineTo(3.2, -5.0);
  top.cubicTo(8.2, -5.0, 9.0, -11.2, 4.8, -11.4);
  top.cubicTo(2.2, -11.5, 1.6, -8.6, 3.6, -8.2);
  p.drawPath(top);
  QPainterPath middle;
  middle.moveTo(-12.0, 0.8);
  middle.lineTo(10.6, 0.8);
  p.drawPath(middle);
  QPainterPath bottom;
  bottom.moveTo(-8.6, 6.6);
  bottom.lineTo(0.6, 6.6);
  bottom.cubicTo(5.6, 6.6, 6.4, 12.4, 2.2, 12.6);
  bottom.cubicTo(-0.4, 12.7, -1.0, 9.8, 1.0, 9.4);
  p.drawPath(bottom);
}

void DrawCloud(QPainter& p, const QColor& ink, const QColor& face) {
  QPainterPath cloud;
  cloud.setFillRule(Qt::WindingFill);
  cloud.addEllipse(QPointF(-5.6, 2.4), 4.8, 4.8);
  cloud.addEllipse(QPointF(0.6, -1.8), 6.4, 6.4);
  cloud.addEllipse(QPointF(6.6, 2.6), 4.6, 4.6);
  cloud.addRoundedRect(QRectF(-10.4, 2.0, 21.6, 5.4), 2.7, 2.7);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawPath(cloud.simplified());
  // A pale lining under the top puff gives the cloud volume.
  p.setBrush(Qt::NoBrush);
  p.setPen(InkPen(WithAlpha(face, 0.7), 1.0));
  QPainterPath lining;
  lining.moveTo(-3.6, -1.4);
  lining.cubicTo(-2.6, -5.2, 2.0, -6.0, 4.0, -3.6);
  p.drawPath(lining);
}

void DrawSpider(QPainter& p, const QColor& ink, const QColor& face) {
  p.setBrush(Qt::NoBrush);
  p.setPen(InkPen(ink, 1.4));
  const QPointF tips[4] = {{8.6, -12.0}, {12.6, -5.4}, {12.6, 3.2}, {9.4, 11.2}};
  for (int s : {-1, 1}) {
    for (int i = 0; i < 4; ++i) {
      const QPointF hip(s * 2.0, -5.0 + i * 1.7);
      const QPointF tip(s * tips[i].x(), tips[i].y());
      const QPointF knee = (hip + tip) / 2 + QPointF(s * 1.2, -3.2);
      p.drawPath(Polyline({hip, knee, tip}));
    }
  }
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawPath(EllipsePath(0, -4.2, 3.7, 3.4));
  p.drawPath(EllipsePath(0, 4.6, 5.4, 6.3));
  p.setBrush(face);
  p.drawEllipse(QPointF(0, 3.6), 1.4, 1.4);
}

void DrawSnow(QPainter& p, const QColor& ink) {
  p.setBrush(Qt::NoBrush);
  for (int k = 0; k < 6; ++k) {
    p.save();
    p.rotate(k * 60.0);
    p.setPen(InkPen(ink, 2.1));
    p.drawLine(QPointF(0, 0), QPointF(0, -12.0));
    p.setPen(InkPen(ink, 1.6));
    p.drawLine(QPointF(0, -6.6), QPointF(-3.2, -9.6));
    p.drawLine(QPointF(0, -6.6), QPointF(3.2, -9.6));
    p.restore();
  }
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawEllipse(QPointF(0, 0), 2.6, 2.6);
}

// Ant seen from above, head up. `heavy` widens head, thorax and gaster for the CarpenterAnt.
void DrawAntBody(QPainter& p, const QColor& ink, bool heavy, bool antennae) {
  p.setBrush(Qt::NoBrush);
  p.setPen(InkPen(ink, heavy ? 1.4 : 1.2));
  for (int s : {-1, 1}) {
    p.drawPath(Polyline({{s * 1.8, -4.0}, {s * 5.6, -6.4}, {s * 7.6, -10.4}}));
    p.drawPath(Polyline({{s * 2.0, -2.0}, {s * 7.0, -2.6}, {s * 10.2, 1.0}}));
    p.drawPath(Polyline({{s * 1.8, 0.0}, {s * 6.0, 3.6}, {s * 8.6, 10.2}}));
    if (antennae) p.drawPath(Polyline({{s * 1.2, -10.4}, {s * 3.4, -12.4}, {s * 6.4, -11.2}}));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  const double w = heavy ? 1.2 : 1.0;
  p.drawPath(EllipsePath(0, -8.6, 3.3 * w, 2.9 * w));
  p.drawPath(EllipsePath(0, -2.6, 2.3 * w, 3.6));
  p.drawPath(EllipsePath(0, 2.0, 1.4 * w, 1.3));
  p.drawPath(EllipsePath(0, 7.4, 4.6 * w, 5.0 * w));
}

void DrawCarpenterAnt(QPainter& p, const QColor& ink) {
  // The heavier ant with a gold crown ("king of the ants"); the token adds an inner ring.
  p.save();
  p.translate(0, 2.2);
  p.scale(0.8, 0.8);
  DrawAntBody(p, ink, true, false);
  p.restore();
  QLinearGradient gold(QPointF(0, -12), QPointF(0, -6));
  gold.setColorAt(0, kGoldLight);
  gold.setColorAt(1, kGoldDark);
  p.setPen(QPen(ink, 0.9, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
  p.setBrush(gold);
  p.drawPath(Polygon({{-5.2, -6.0},
                      {-5.8, -11.0},
                      {-2.8, -8.6},
                      {0, -12.2},
                      {2.8, -8.6},
                      {5.8, -11.0},
                      {5.2, -6.0}}));
}

void DrawPictogram(QPainter& p, int kind, int camp, const QColor& ink, const QColor& face) {
  switch (kind) {
    case kTree:
      return DrawTree(p, camp, ink);
    case kLightning:
      return DrawLightning(p, ink);
    case kDragonFly:
      return DrawDragonFly(p, ink);
    case kDivingBeetle:
      return DrawDivingBeetle(p, ink, face);
    case kGrasshopper:
      return DrawGrasshopper(p, ink, face);
    case kWasp:
      return DrawWasp(p, ink, face);
    case kWind:
      return DrawWind(p, ink);
    case kCloud:
      return DrawCloud(p, ink, face);
    case kSpider:
      return DrawSpider(p, ink, face);
    case kSnow:
      return DrawSnow(p, ink);
    case kAnt:
      return DrawAntBody(p, ink, false, true);
    case kCarpenterAnt:
      return DrawCarpenterAnt(p, ink);
    default:
      return;
  }
}

// ---- Token
// ---------------------------------------------------------------------------------------

// Draws a token of the given kind and camp into a size x size image; the design is made at 40 x
// 40 and scaled, so the icon reuses it.
QImage RenderToken(int kind, int camp, int size) {
  const double scale = size / kTokenSize;
  const bool tree = kind == kTree;
  const double apothem = tree ? 19.0 : 18.0;
  const double rimWidth = tree ? 4.0 : 3.0;
  const CampStyle& style = kCampStyle[camp];
  const QPainterPath outer = TokenShape(camp, apothem);
  const QPainterPath faceShape = TokenShape(camp, apothem - rimWidth);

  // Soft shadow, cast down and to the right.
  QImage shadow(size, size, QImage::Format_ARGB32_Premultiplied);
  shadow.fill(Qt::transparent);
  {
    QPainter sp(&shadow);
    sp.setRenderHint(QPainter::Antialiasing, true);
    sp.scale(scale, scale);
    sp.translate(kCentre + 0.8, kCentre + 1.3);
    sp.setPen(Qt::NoPen);
    sp.setBrush(QColor(0, 0, 0, 120));
    sp.drawPath(outer);
  }
  BoxBlur(shadow, std::max(1, static_cast<int>(std::lround(scale))));

  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.drawImage(0, 0, shadow);
  p.scale(scale, scale);
  p.translate(kCentre, kCentre);

  // Rim, lit from the top-left, with a crisp dark edge so the token stands out on any skin.
  QLinearGradient rim(QPointF(-apothem, -apothem), QPointF(apothem, apothem));
  rim.setColorAt(0, style.rimLight);
  rim.setColorAt(1, style.rimDark);
  p.setPen(QPen(style.rimDark.darker(140), 0.9));
  p.setBrush(rim);
  p.drawPath(outer);

  if (tree) {
    // The Tree, whose capture decides the game, wears a gold band inside its rim.
    QLinearGradient gold(QPointF(-apothem, -apothem), QPointF(apothem, apothem));
    gold.setColorAt(0, kGoldLight);
    gold.setColorAt(1, kGoldDark);
    p.setPen(QPen(QBrush(gold), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(TokenShape(camp, apothem - 2.0));
  }

  QRadialGradient face(QPointF(-4, -5), apothem * 1.3);
  face.setColorAt(0, kFaceLight);
  face.setColorAt(0.6, kFaceLight);
  face.setColorAt(1, kFaceEdge);
  p.setPen(QPen(QColor(0, 0, 0, 70), 0.8));
  p.setBrush(face);
  p.drawPath(faceShape);

  // Gloss along the upper-left of the rim.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255, 90), 0.9, Qt::SolidLine, Qt::RoundCap));
  const double glossR = apothem - 1.1;
  p.drawArc(QRectF(-glossR, -glossR, 2 * glossR, 2 * glossR), 100 * 16, 70 * 16);

  if (kind == kCarpenterAnt) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(style.ink, 1.0));
    p.drawPath(TokenShape(camp, apothem - rimWidth - 1.4));
  }
  DrawPictogram(p, kind, camp, style.ink, kFaceLight);
  p.end();
  return image;
}

// Three horizontal then three vertical box passes over premultiplied ARGB.
void BoxBlurPass(QImage& image, int radius, bool horizontal) {
  const int w = image.width();
  const int h = image.height();
  const int lines = horizontal ? h : w;
  const int length = horizontal ? w : h;
  std::vector<QRgb> src(static_cast<size_t>(length));
  auto at = [&](int line, int i) -> QRgb& {
    const int x = horizontal ? i : line;
    const int y = horizontal ? line : i;
    return reinterpret_cast<QRgb*>(image.scanLine(y))[x];
  };
  const int span = 2 * radius + 1;
  for (int line = 0; line < lines; ++line) {
    for (int i = 0; i < length; ++i)
      src[static_cast<size_t>(i)] = at(line, i);
    for (int i = 0; i < length; ++i) {
      int sum[4] = {0, 0, 0, 0};
      for (int k = -radius; k <= radius; ++k) {
        const QRgb c = src[static_cast<size_t>(std::clamp(i + k, 0, length - 1))];
        sum[0] += qAlpha(c);
        sum[1] += qRed(c);
        sum[2] += qGreen(c);
        sum[3] += qBlue(c);
      }
      at(line, i) = qRgba(sum[1] / span, sum[2] / span, sum[3] / span, sum[0] / span);
    }
  }
}

// ---- Menu pictures
// -------------------------------------------------------------------------------

const QColor kGlyphLight(86, 132, 200);
const QColor kGlyphDark(34, 64, 120);
const QColor kGlyphEdge(18, 34, 70);

void FillGlyph(QPainter& p, const QPainterPath& path) {
  QLinearGradient g(QPointF(0, 3), QPointF(0, 17));
  g.setColorAt(0, kGlyphLight);
  g.setColorAt(1, kGlyphDark);
  p.setPen(QPen(kGlyphEdge, 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(g);
  p.drawPath(path);
}

// Undo glyphs point left; the redo glyphs are their mirror images.
QPainterPath UndoPath(bool toFirst) {
  QPainterPath path;
  if (toFirst) {
    path.addRect(QRectF(2.5, 4.5, 2.6, 11));
    path.addPath(Polygon({{11.0, 4.5}, {11.0, 15.5}, {5.6, 10.0}}));
    path.addPath(Polygon({{17.2, 4.5}, {17.2, 15.5}, {11.8, 10.0}}));
  } else {
    path.addPath(Polygon({{13.6, 4.0}, {13.6, 16.0}, {6.4, 10.0}}));
  }
  return path;
}

void DrawBoardFigure(QPainter& p) {
  QLinearGradient wood(QPointF(2, 2), QPointF(18, 18));
  wood.setColorAt(0, QColor(232, 192, 136));
  wood.setColorAt(1, QColor(184, 124, 66));
  p.setPen(QPen(QColor(70, 40, 16), 1.0));
  p.setBrush(wood);
  p.drawRoundedRect(QRectF(2.5, 2.5, 15, 15), 1.5, 1.5);
  p.setPen(QPen(QColor(70, 40, 16), 0.8));
  for (double t : {6.5, 10.0, 13.5}) {
    p.drawLine(QPointF(t, 4.5), QPointF(t, 15.5));
    p.drawLine(QPointF(4.5, t), QPointF(15.5, t));
  }
  p.setPen(QPen(QColor(0, 0, 0, 110), 0.6));
  p.setBrush(kCampStyle[kFir].rimDark);
  p.drawEllipse(QPointF(6.5, 6.5), 2.0, 2.0);
  p.setBrush(kCampStyle[kOak].rimDark);
  p.drawEllipse(QPointF(13.5, 13.5), 2.0, 2.0);
}

void DrawViewSide(QPainter& p) {
  // Two arrows chasing each other round a circle.
  const QRectF circle(4, 4, 12, 12);
  for (int half = 0; half < 2; ++half) {
    const double start = 20 + half * 180;  // degrees, counter-clockwise from 3 o'clock
    const double span = 130;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGlyphEdge, 3.4, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(circle, static_cast<int>(start * 16), static_cast<int>(span * 16));
    p.setPen(QPen(kGlyphLight, 1.8, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(circle, static_cast<int>(start * 16), static_cast<int>(span * 16));
    // Arrowhead at the end of the arc, pointing along it.
    const double end = (start + span) * kPi / 180;
    const QPointF tip(10 + 6 * std::cos(end), 10 - 6 * std::sin(end));
    const QPointF along(-std::sin(end), -std::cos(end));  // direction of travel on screen
    const QPointF out(std::cos(end), -std::sin(end));
    p.save();
    QPainterPath head = Polygon({tip + along * 3.6, tip + out * 3.2, tip - out * 3.2});
    FillGlyph(p, head);
    p.restore();
  }
}

}  // namespace

void BoxBlur(QImage& image, int radius) {
  for (int pass = 0; pass < 3; ++pass) {
    BoxBlurPass(image, radius, true);
    BoxBlurPass(image, radius, false);
  }
}

QImage PaintPiece(int kind, int camp, int scale) {
  return RenderToken(kind, camp, 40 * scale);
}

// Below 32 pixels the token's shadow, gold band and gloss blur into a smudge, so the small
// icons keep only a plain rim, the face and a larger tree.
QImage PaintSmallIcon(int size) {
  const CampStyle& style = kCampStyle[kFir];
  const double radius = size / 2.0;
  const double rim = std::max(1.5, size / 10.0);
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.translate(radius, radius);
  QLinearGradient rimShade(QPointF(-radius, -radius), QPointF(radius, radius));
  rimShade.setColorAt(0, style.rimDark.lighter(160));
  rimShade.setColorAt(1, style.rimDark);
  p.setPen(Qt::NoPen);
  p.setBrush(rimShade);
  p.drawEllipse(QPointF(0, 0), radius - 0.2, radius - 0.2);
  p.setBrush(kFaceLight);
  p.drawEllipse(QPointF(0, 0), radius - rim, radius - rim);
  // The tree's outline reaches 13.3 units from its origin; let it touch the face's edge.
  const double scale = (radius - rim + 0.6) / 13.3;
  p.scale(scale, scale);
  DrawTree(p, kFir, style.ink);
  p.end();
  return image;
}

QImage PaintIcon(int size) {
  if (size < 32) return PaintSmallIcon(size);
  return RenderToken(kTree, kFir, size);
}

QImage PaintMarker(int scale) {
  // A bright corner tab that points at the piece whose image corner it peeks out from. Cyan
  // stands out on all four skins and is neither camp's colour.
  QImage image(10 * scale, 10 * scale, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.scale(scale, scale);
  QLinearGradient g(QPointF(0, 0), QPointF(7, 7));
  g.setColorAt(0, QColor(150, 240, 255));
  g.setColorAt(1, QColor(0, 150, 240));
  p.setPen(QPen(QColor(0, 36, 90), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(g);
  p.drawPath(Polygon({{0.7, 0.7}, {9.3, 0.7}, {0.7, 9.3}}));
  p.end();
  return image;
}

QImage PaintMenuGlyph(MenuGlyph glyph, int scale) {
  QImage image(20 * scale, 20 * scale, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.scale(scale, scale);
  const QTransform mirror(-1, 0, 0, 1, 20, 0);
  switch (glyph) {
    case MenuGlyph::UndoFirst:
      FillGlyph(p, UndoPath(true));
      break;
    case MenuGlyph::Undo:
      FillGlyph(p, UndoPath(false));
      break;
    case MenuGlyph::Redo:
      FillGlyph(p, mirror.map(UndoPath(false)));
      break;
    case MenuGlyph::RedoLast:
      FillGlyph(p, mirror.map(UndoPath(true)));
      break;
    case MenuGlyph::BoardFigure:
      DrawBoardFigure(p);
      break;
    case MenuGlyph::ViewSide:
      DrawViewSide(p);
      break;
  }
  p.end();
  return image;
}

}  // namespace assets
