#include "ui/BoardMarks.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

#include "ui/Fonts.h"
#include "ui/Translation.h"
#include "ui/UiTexts.h"

namespace tamsok {

namespace {

// Every mark has a white halo and a dark hairline, so that it reads on the dark Slate board as
// on the light Wood, Marbtea and PBfoil ones. The hint blue is used by no skin and no camp.
const QColor kHint(0x15, 0x65, 0xC0);
const QColor kHalo(255, 255, 255, 235);
const QColor kInk(0x1A, 0x1A, 0x1A);
const QColor kCloaked(0x8E, 0x24, 0xAA);
const QColor kFrozen(0x29, 0xB6, 0xF6);
const QColor kBolt(0xFF, 0xD6, 0x00);
const QColor kCampColour[kCampCount] = {QColor(0x2E, 0x7D, 0x32), QColor(0xC6, 0x28, 0x28)};

// Pixels from a square's centre. A piece picture is a disc of about 36 pixels; the badges sit
// on its rim, clear of the kind's figure, and every mark stays inside its 55 x 47 cell.
constexpr QPointF kCloakedAt(-15, -12);
constexpr QPointF kFrozenAt(15, -12);
constexpr QPointF kStrikeAt(15, 12);
constexpr qreal kBadgeScale = 1.2;  // the badges as drawn on the board; the legend's are 1.0
constexpr qreal kRingRadius = 19.5;
constexpr qreal kDotRadius = 6.5;
constexpr qreal kLandingHalf = 11;       // half the diagonal of a landing diamond
constexpr qreal kLandingOuterHalf = 15;  // Oak's, where both Lightnings may land

QPen Pen(const QColor& colour, qreal width) {
  return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A filled shape with a halo and a hairline.
void DrawSticker(QPainter& p, const QPainterPath& path, const QColor& fill) {
  p.setBrush(Qt::NoBrush);
  p.setPen(Pen(kHalo, 3.5));
  p.drawPath(path);
  p.setPen(Pen(kInk, 1));
  p.setBrush(fill);
  p.drawPath(path);
}

void DrawDot(QPainter& p, QPointF c) {
  QPainterPath dot;
  dot.addEllipse(c, kDotRadius, kDotRadius);
  DrawSticker(p, dot, kHint);
}

void DrawRing(QPainter& p, QPointF c) {
  p.setBrush(Qt::NoBrush);
  p.setPen(Pen(kHalo, 5.5));
  p.drawEllipse(c, kRingRadius, kRingRadius);
  p.setPen(Pen(kHint, 3));
  p.drawEllipse(c, kRingRadius, kRingRadius);
}

// A shield: the piece is protected from capture.
void DrawCloaked(QPainter& p, QPointF c) {
  QPainterPath shield;
  shield.moveTo(c + QPointF(-5.5, -6.5));
  shield.lineTo(c + QPointF(5.5, -6.5));
  shield.lineTo(c + QPointF(5.5, -1));
  shield.cubicTo(c + QPointF(5.5, 3.5), c + QPointF(2.5, 5.5), c + QPointF(0, 7));
  shield.cubicTo(c + QPointF(-2.5, 5.5), c + QPointF(-5.5, 3.5), c + QPointF(-5.5, -1));
  shield.closeSubpath();
  DrawSticker(p, shield, kCloaked);
  p.setPen(Pen(Qt::white, 1.5));
  p.drawLine(c + QPointF(0, -4.5), c + QPointF(0, 4));
}

// A padlock in the colour of ice: the piece cannot move.
void DrawFrozen(QPainter& p, QPointF c) {
  QPainterPath lock;
  lock.addRoundedRect(QRectF(c + QPointF(-5.5, -1.5), QSizeF(11, 8.5)), 1.5, 1.5);
  const QRectF shackle(c + QPointF(-3.5, -7), QSizeF(7, 9));
  p.setBrush(Qt::NoBrush);
  p.setPen(Pen(kHalo, 4.5));
  p.drawArc(shackle, 0, 180 * 16);
  p.setPen(Pen(kInk, 2.5));
  p.drawArc(shackle, 0, 180 * 16);
  DrawSticker(p, lock, kFrozen);
}

// A hollow diamond in the colour of the Lightning's camp, around an empty square's centre.
void DrawLanding(QPainter& p, QPointF c, int camp, qreal half) {
  QPainterPath diamond;
  diamond.moveTo(c + QPointF(0, -half));
  diamond.lineTo(c + QPointF(half, 0));
  diamond.lineTo(c + QPointF(0, half));
  diamond.lineTo(c + QPointF(-half, 0));
  diamond.closeSubpath();
  p.setBrush(Qt::NoBrush);
  p.setPen(Pen(kHalo, 5.5));
  p.drawPath(diamond);
  p.setPen(Pen(kCampColour[camp], 2.5));
  p.drawPath(diamond);
}

// A bolt on a disc in the colour of the striking Lightning's camp.
void DrawStrike(QPainter& p, QPointF c, int camp) {
  QPainterPath disc;
  disc.addEllipse(c, 6.5, 6.5);
  DrawSticker(p, disc, kCampColour[camp]);
  QPolygonF bolt;
  for (QPointF v : {QPointF(1.5, -5), QPointF(-3, 0.8), QPointF(-0.2, 0.8), QPointF(-1.5, 5),
                    QPointF(3, -0.8), QPointF(0.2, -0.8)})
    bolt << c + v;
  p.setPen(Pen(kInk, 0.6));
  p.setBrush(kBolt);
  p.drawPolygon(bolt);
}

// One mark drawn alone on a transparent picture, as an inline image of rich text.
template <typename Draw>
QString MarkImage(Draw draw) {
  constexpr int kSize = 20;
  QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p, QPointF(kSize / 2.0, kSize / 2.0));
  }
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return QStringLiteral("<img src=\"data:image/png;base64,%1\">")
      .arg(QString::fromLatin1(png.toBase64()));
}

// The labels take the colour of the picture's grid lines, a little lighter; where they stand
// on the board's surface (a diagram's margin), they stand on a band of the surface's own tone.
struct LabelLook {
  QColor colour;
  qreal alpha;
  QColor backing;
};
constexpr LabelLook kLabelLook[kSkinCount] = {
    {QColor(48, 26, 10), 0.72, QColor(214, 170, 116)},  // Wood
    {QColor(238, 232, 214), 0.7, QColor(58, 65, 70)},   // Slate
    {QColor(74, 44, 22), 0.72, QColor(226, 214, 196)},  // Marbtea
    {QColor(44, 34, 16), 0.72, QColor(214, 192, 134)},  // PBfoil
};

}  // namespace

void PaintSquareMarks(QPainter& p, QPointF c, const SquareInfluence& s, TargetMark target) {
  const bool bothLand = s.landing[0] && s.landing[1];
  for (int camp = 0; camp < kCampCount; ++camp)
    if (s.landing[camp])
      DrawLanding(p, c, camp, bothLand && camp == 1 ? kLandingOuterHalf : kLandingHalf);
  if (target == TargetMark::Dot) DrawDot(p, c);
  if (target == TargetMark::Ring) DrawRing(p, c);
  auto badge = [&p](QPointF at, auto draw) {
    p.save();
    p.translate(at);
    p.scale(kBadgeScale, kBadgeScale);
    draw(p, QPointF());
    p.restore();
  };
  if (s.cloaked) badge(c + kCloakedAt, DrawCloaked);
  if (s.frozen) badge(c + kFrozenAt, DrawFrozen);
  for (int camp = 0; camp < kCampCount; ++camp)
    if (s.strike[camp])
      badge(c + kStrikeAt, [camp](QPainter& q, QPointF at) { DrawStrike(q, at, camp); });
}

void PaintMoveArrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, qreal width,
                    const QString& badge) {
  constexpr qreal kShort = 14;  // the arrow starts and ends this far from the centres
  const QPointF d = to - from;
  const qreal length = std::hypot(d.x(), d.y());
  if (length <= 2 * kShort) return;
  const QPointF unit = d / length, normal(-unit.y(), unit.x());
  const QPointF start = from + unit * kShort, tip = to - unit * kShort;
  const qreal headLength = 3 * width + 6, headHalf = 1.6 * width + 4;
  QPainterPath arrow;
  arrow.moveTo(start + normal * width / 2);
  arrow.lineTo(tip - unit * headLength + normal * width / 2);
  arrow.lineTo(tip - unit * headLength + normal * headHalf);
  arrow.lineTo(tip);
  arrow.lineTo(tip - unit * headLength - normal * headHalf);
  arrow.lineTo(tip - unit * headLength - normal * width / 2);
  arrow.lineTo(start - normal * width / 2);
  arrow.closeSubpath();
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Pen(kHalo, 2));
  p.setBrush(colour);
  p.drawPath(arrow);
  if (!badge.isEmpty()) {
    QFont font = SansFont(12, /*bold=*/true);
    p.setFont(font);
    const QFontMetricsF metrics(font);
    const QSizeF size(metrics.horizontalAdvance(badge) + 8, metrics.height() + 2);
    // Beside the middle of the shaft, clear of the pieces at both ends.
    const qreal aside = width / 2 + 3 + std::abs(normal.x()) * size.width() / 2 +
                        std::abs(normal.y()) * size.height() / 2;
    const QPointF at = (start + tip) / 2 + normal * aside;
    const QRectF box(at - QPointF(size.width() / 2, size.height() / 2), size);
    QColor fill = colour;
    fill.setAlpha(255);
    p.setPen(Pen(kHalo, 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(box, 4, 4);
    p.setPen(Qt::white);
    p.drawText(box, Qt::AlignCenter, badge);
  }
  p.restore();
}

void PaintEdgeLabel(QPainter& p, QPointF centre, QChar label, Skin skin) {
  const LabelLook& look = kLabelLook[static_cast<int>(skin)];
  QColor colour = look.colour;
  colour.setAlphaF(look.alpha);
  p.save();
  p.setFont(SansFont(12, /*bold=*/true));
  p.setPen(colour);
  p.drawText(QRectF(centre - QPointF(10, 8), QSizeF(20, 16)), Qt::AlignCenter, QString(label));
  p.restore();
}

QColor LabelBacking(Skin skin) {
  QColor c = kLabelLook[static_cast<int>(skin)].backing;
  c.setAlpha(225);
  return c;
}

QColor CampMarkColour(Camp camp) {
  return kCampColour[Index(camp)];
}

QString TargetLegendText() {
  auto row = [](const QString& image, const char* text) {
    return QStringLiteral("<tr><td>%1</td><td>&nbsp;%2</td></tr>")
        .arg(image, Tr(text).toHtmlEscaped());
  };
  // The ring is as wide as a piece; drawn smaller here, like the legend's other marks.
  auto ring = [](QPainter& p, QPointF c) {
    p.setBrush(Qt::NoBrush);
    p.setPen(Pen(kHalo, 4));
    p.drawEllipse(c, 7, 7);
    p.setPen(Pen(kHint, 2.2));
    p.drawEllipse(c, 7, 7);
  };
  return QStringLiteral("<table>") + row(MarkImage(DrawDot), ui_text::kLegendTarget) +
         row(MarkImage(ring), ui_text::kLegendCapture) + QStringLiteral("</table>");
}

QString InfluenceLegendText() {
  auto row = [](const QString& images, const char* text) {
    return QStringLiteral("<tr><td>%1</td><td>&nbsp;%2</td></tr>")
        .arg(images, Tr(text).toHtmlEscaped());
  };
  auto landing = [](int camp) {
    return MarkImage([camp](QPainter& p, QPointF c) { DrawLanding(p, c, camp, 7); });
  };
  auto strike = [](int camp) {
    return MarkImage([camp](QPainter& p, QPointF c) { DrawStrike(p, c, camp); });
  };
  return QStringLiteral("<table>") + row(MarkImage(DrawCloaked), ui_text::kLegendCloaked) +
         row(MarkImage(DrawFrozen), ui_text::kLegendFrozen) +
         row(landing(0) + landing(1), ui_text::kLegendLanding) +
         row(strike(0) + strike(1), ui_text::kLegendStrike) + QStringLiteral("</table>");
}

}  // namespace tamsok
