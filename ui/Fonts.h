// The fonts of the windows. Sizes are in pixels, as the window layouts were drawn at 96 pixels
// per inch; pixel sizes keep the layouts intact on a display of any resolution.
#pragma once

#include <QFont>

namespace tamsok {

// The default font of every window: a plain sans of 11 pixels (8 points at 96 dpi).
QFont DefaultUiFont();
// A Korean-capable font (NanumGothic) for the chat fields.
QFont KoreanFont(int pixelSize, bool bold = false);
// The room-status window's font: a wide sans made for the screen.
QFont RoomFont(int pixelSize, bool bold = false);
// A sans font of the given pixel size and weight.
QFont SansFont(int pixelSize, bool bold = false);

}  // namespace tamsok
