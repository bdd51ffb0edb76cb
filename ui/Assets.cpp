#include "ui/Assets.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/LoadJpeg.h"

namespace tamsok {

namespace {

const char* const kSkinSlug[kSkinCount] = {"wood", "slate", "marbtea", "pbfoil"};
const char* const kKindSlug[kKindCount] = {"tree",        "lightning", "dragonfly", "divingbeetle",
                                           "grasshopper", "wasp",      "wind",      "cloud",
                                           "spider",      "snow",      "ant",       "carpenterant"};
const char* const kCampSlug[kCampCount] = {"fir", "oak"};
const char* const kMenuSlug[] = {"undo_first", "undo", "redo", "redo_last", "board", "view_side"};

QString Resource(const QString& file) {
  return QStringLiteral(":/assets/") + file;
}

QPixmap Png(const QString& file) {
  return QPixmap(Resource(file));
}

}  // namespace

QImage BoardPicture(Skin skin) {
  return LoadJpegFile(
      Resource(QStringLiteral("board_%1.jpg").arg(kSkinSlug[static_cast<int>(skin)])));
}

QPixmap SkinSwatch(Skin skin) {
  return Png(QStringLiteral("swatch_%1.png").arg(kSkinSlug[static_cast<int>(skin)]));
}

QIcon SkinSwatchIcon(Skin skin) {
  const QPixmap swatch = SkinSwatch(skin);
  QPixmap checked = swatch.isNull() ? QPixmap(kMenuPictureSize, kMenuPictureSize) : swatch;
  if (swatch.isNull()) checked.fill(Qt::transparent);
  {
    // A tick over the swatch: a dark stroke in a light halo reads on light and dark skins.
    QPainter painter(&checked);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = checked.width() / 20.0;
    QPainterPath tick;
    tick.moveTo(4 * s, 10.5 * s);
    tick.lineTo(8.5 * s, 15 * s);
    tick.lineTo(16 * s, 5 * s);
    painter.strokePath(tick, QPen(Qt::white, 5 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.strokePath(
        tick, QPen(QColor(0x10, 0x10, 0x10), 2.5 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  }
  QIcon icon;
  if (!swatch.isNull()) icon.addPixmap(swatch, QIcon::Normal, QIcon::Off);
  icon.addPixmap(checked, QIcon::Normal, QIcon::On);
  return icon;
}

QPixmap PiecePicture(Camp camp, PieceKind kind) {
  return Png(QStringLiteral("piece_%1_%2.png").arg(kKindSlug[Index(kind)], kCampSlug[Index(camp)]));
}

QPixmap MarkerPicture() {
  return Png(QStringLiteral("marker.png"));
}

QPixmap MenuPicturePixmap(MenuPicture picture) {
  return Png(QStringLiteral("menu_%1.png").arg(kMenuSlug[static_cast<int>(picture)]));
}

QPixmap WindowIconPixmap() {
  return Png(QStringLiteral("icon.png"));
}

}  // namespace tamsok
