// The painters of every picture and sound the game ships. Each function is pure: the same call
// gives the same pixels or samples, so the committed assets can be regenerated bit for bit.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPainterPath>
#include <QPointF>

namespace assets {

// Board skins, in the order of the skin menu.
enum class Skin { Wood, Slate, Marbtea, PBfoil };
inline constexpr int kSkinCount = 4;

// Pixel geometry of the board picture, shared with the piece images: the centre of square
// (x, y) in the default view is (kGridLeft + kPitchX * x, kGridTop + kPitchY * y); a piece image
// is 41 x 41 with its top-left at centre - 20.
inline constexpr int kGridLeft = 144;
inline constexpr int kGridTop = 44;
inline constexpr int kPitchX = 55;
inline constexpr int kPitchY = 47;
inline constexpr int kGridLines = 10;

// Twelve piece kinds in the rules' kind order (Tree first, CarpenterAnt last); camps Fir, Oak.
inline constexpr int kKindCount = 12;
inline constexpr int kCampCount = 2;
enum Kind {
  kTree,
  kLightning,
  kDragonFly,
  kDivingBeetle,
  kGrasshopper,
  kWasp,
  kWind,
  kCloud,
  kSpider,
  kSnow,
  kAnt,
  kCarpenterAnt
};
enum Camp { kFir, kOak };

enum class MenuGlyph { UndoFirst, Undo, Redo, RedoLast, BoardFigure, ViewSide };
inline constexpr int kMenuGlyphCount = 6;

// Every picture the windows show is drawn at its own size (scale 1) and at `scale` times it,
// for screens of that many device pixels to a pixel; the drawing is the same, only finer.

// Board picture, RGB: 784 x 512 (PBfoil 785 x 513).
QImage PaintBoard(Skin skin, int scale = 1);
// 20 x 20 menu swatch cut from the finished board picture of the same skin and scale.
QImage PaintSwatch(const QImage& board, int scale = 1);

// 40 x 40 token with a transparent background.
QImage PaintPiece(int kind, int camp, int scale = 1);
// Square window icon of the given edge, in the style of the Fir Tree token.
QImage PaintIcon(int size);
// 10 x 10 last-move marker.
QImage PaintMarker(int scale = 1);
// 20 x 20 menu picture.
QImage PaintMenuGlyph(MenuGlyph glyph, int scale = 1);

// The move click as a complete RIFF/WAVE file (16-bit PCM mono).
QByteArray MakeClickWav();

// Gaussian-like blur of an ARGB32_Premultiplied image by three box passes of the given radius.
void BoxBlur(QImage& image, int radius);

}  // namespace assets
