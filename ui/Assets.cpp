#include "ui/Assets.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>

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

// The resource of a picture at the scale the screens ask for: "<name>@2x.<ext>" at 2, as
// tools/make_assets draws them; the picture itself when there is none at that scale.
QString ScaledResource(const QString& file, int scale) {
  if (scale > 1) {
    const int dot = file.lastIndexOf(u'.');
    const QString scaled =
        Resource(file.left(dot) + QStringLiteral("@%1x").arg(scale) + file.mid(dot));
    if (QFile::exists(scaled)) return scaled;
  }
  return Resource(file);
}

// Our PNGs are read by Qt's own reader. Named as PNG and with format detection off, the reader
// does not first load every image-format plugin of the system to ask whether it reads PNG.
// Decoded pictures are kept, since many images share one.
QPixmap Png(const QString& file) {
  const int scale = PictureScale();
  const QString key = QStringLiteral("tamsok:%1:").arg(scale) + file;
  QPixmap picture;
  if (QPixmapCache::find(key, &picture)) return picture;
  const QString path = ScaledResource(file, scale);
  QImageReader reader(path, "png");
  reader.setAutoDetectImageFormat(false);
  picture = QPixmap::fromImage(reader.read());
  if (path != Resource(file)) picture.setDevicePixelRatio(scale);
  QPixmapCache::insert(key, picture);
  return picture;
}

QString BoardPictureFile(Skin skin) {
  return ScaledResource(QStringLiteral("board_%1.jpg").arg(kSkinSlug[static_cast<int>(skin)]),
                        PictureScale());
}

// How many device pixels of the board picture's file make one pixel of the window.
int BoardPictureScale(Skin skin) {
  return BoardPictureFile(skin).contains(u'@') ? PictureScale() : 1;
}

}  // namespace

int PictureScale() {
  return qGuiApp && qGuiApp->devicePixelRatio() > 1.25 ? 2 : 1;
}

QImage BoardPicture(Skin skin) {
  QImage picture = LoadJpegFile(BoardPictureFile(skin));
  picture.setDevicePixelRatio(BoardPictureScale(skin));
  return picture;
}

bool HasBoardPicture(Skin skin) {
  return QFile::exists(BoardPictureFile(skin));
}

QRect PaintBoardPicture(Skin skin, QPainter& painter, const QRect& clip) {
  // 16 rows: two rows of the 8 x 8 blocks libjpeg decodes, 50 KB for a board's width at 1x.
  // Rows and clip are in pixels of the window; a picture at scale s has s rows to each.
  constexpr int kBandRows = 16;
  const int scale = BoardPictureScale(skin);
  const QSize size =
      DecodeJpegFileBands(BoardPictureFile(skin), (clip.bottom() + 1) * scale, kBandRows,
                          [&](int top, const QImage& band, int rows) {
                            if (top + rows <= clip.top() * scale) return;
                            const QRectF target(0, static_cast<double>(top) / scale,
                                                static_cast<double>(band.width()) / scale,
                                                static_cast<double>(rows) / scale);
                            painter.drawImage(target, band, QRect(0, 0, band.width(), rows));
                          });
  return QRect(QPoint(0, 0), size / scale);
}

QPixmap SkinSwatch(Skin skin) {
  return Png(QStringLiteral("swatch_%1.png").arg(kSkinSlug[static_cast<int>(skin)]));
}

QIcon SkinSwatchIcon(Skin skin) {
  const QPixmap swatch = SkinSwatch(skin);
  const qreal ratio = swatch.devicePixelRatio();
  QPixmap checked(QSize(kMenuPictureSize, kMenuPictureSize) * ratio);
  checked.setDevicePixelRatio(ratio);
  checked.fill(Qt::transparent);
  {
    QPainter painter(&checked);
    painter.drawPixmap(QRect(0, 0, kMenuPictureSize, kMenuPictureSize), swatch);
    // A tick from the left edge down and up to the top right, in pixels of the 20 x 20 picture:
    // a dark stroke in a light halo reads on the light and the dark skins alike.
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath tick;
    tick.moveTo(4, 10.5);
    tick.lineTo(8.5, 15);
    tick.lineTo(16, 5);
    painter.strokePath(tick, QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.strokePath(
        tick, QPen(QColor(0x10, 0x10, 0x10), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  }
  QIcon icon(swatch);
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
