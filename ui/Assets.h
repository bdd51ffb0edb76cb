// The pictures and the sound the windows use, by the names they have under assets/. Every
// picture is compiled in under the resource prefix /assets; a picture that is missing loads
// as a null pixmap and its control simply shows nothing.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QString>

#include "rules/Types.h"

class QPainter;

namespace tamsok {

// The four board skins, in the order of the "Board Figure" menu.
enum class Skin { Wood, Slate, Marbtea, PBfoil };
inline constexpr int kSkinCount = 4;

// The six menu pictures.
enum class MenuPicture { UndoFirst, Undo, Redo, RedoLast, BoardFigure, ViewSide };

// The six menu pictures and the skin swatches are drawn at this size, in pixels, both ways.
inline constexpr int kMenuPictureSize = 20;

// The scale of the pictures the windows show: 2 where a screen has two device pixels to a
// pixel (or about that many), then the pictures drawn at twice their size are used; else 1.
// Sizes and positions stay in pixels of the window either way.
int PictureScale();

// The decoded board picture of a skin (JPEG, decoded by libjpeg), at PictureScale().
QImage BoardPicture(Skin skin);
// Whether the skin's picture is among the compiled-in assets; nothing is decoded.
bool HasBoardPicture(Skin skin);
// Draws the skin's picture with its top-left corner at (0, 0), as far down as `clip` reaches,
// straight from its file a band of rows at a time: the whole picture is never held. Returns
// the picture's rectangle, empty when it cannot be decoded.
QRect PaintBoardPicture(Skin skin, QPainter& painter, const QRect& clip);
// The 20 x 20 colour swatch of a skin's menu item.
QPixmap SkinSwatch(Skin skin);
// The skin item's picture: the swatch, and for the checked item the swatch under a bold check
// mark, so the chosen skin shows at a glance whatever the style draws around the picture.
QIcon SkinSwatchIcon(Skin skin);
// The 40 x 40 picture of a piece kind of a camp, transparent background.
QPixmap PiecePicture(Camp camp, PieceKind kind);
QPixmap MarkerPicture();
QPixmap MenuPicturePixmap(MenuPicture picture);
QPixmap WindowIconPixmap();

// The move sound's file name; it lies beside the executable or in the installed data folder.
inline constexpr const char* kMoveSoundFile = "TTAG.WAV";

}  // namespace tamsok
