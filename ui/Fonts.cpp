#include "ui/Fonts.h"

namespace tamsok {

namespace {

// 8 points at 96 pixels per inch.
constexpr int kDefaultPixelSize = 11;

QFont Make(const QString& family, int pixelSize, bool bold) {
  QFont font(family);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace

QFont DefaultUiFont() {
  return SansFont(kDefaultPixelSize);
}

QFont KoreanFont(int pixelSize, bool bold) {
  return Make(QStringLiteral("NanumGothic"), pixelSize, bold);
}

// DejaVu Sans: wide, open letters drawn for the screen.
QFont RoomFont(int pixelSize, bool bold) {
  return Make(QStringLiteral("DejaVu Sans"), pixelSize, bold);
}

// NanumGothic's Latin letters are about as narrow as the classic 8-point dialog font, so the
// captions fit the controls they were laid out for.
QFont SansFont(int pixelSize, bool bold) {
  return Make(QStringLiteral("NanumGothic"), pixelSize, bold);
}

}  // namespace tamsok
