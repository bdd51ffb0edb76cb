// Decoding of the board pictures with libjpeg's decompression API, called directly.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace tamsok {

// Decodes a baseline or progressive JPEG (grey or colour) into an RGB32 image, the screen's own
// format, so that it goes on the screen without a conversion. Returns a null image for data
// that libjpeg rejects; never throws and never aborts the program.
QImage LoadJpeg(const QByteArray& data);

// Reads a file (a Qt resource path such as ":/assets/board_slate.jpg" works too) and decodes
// it; a null image when the file is missing or not a JPEG.
QImage LoadJpegFile(const QString& path);

}  // namespace tamsok
