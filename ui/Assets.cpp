#include "ui/Assets.h"

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
