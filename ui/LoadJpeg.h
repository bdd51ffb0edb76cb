// Decoding of the board pictures with libjpeg's decompression API, called directly.
#pragma once

#include <functional>

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

// Receives the decoded picture a band at a time: `rows` rows from row `top` of the picture,
// held in the first rows of `band` (an RGB32 image of the picture's width, reused for every
// band).
using BandHandler = std::function<void(int top, const QImage& band, int rows)>;

// Decodes a JPEG band by band, `bandRows` rows at a time, without ever holding the whole
// picture; rows from `endRow` on are not decoded. Returns the picture's size, or an empty size
// when libjpeg rejects the data (the bands handed on until then stay handed on).
QSize DecodeJpegBands(const QByteArray& data, int endRow, int bandRows, const BandHandler& band);
QSize DecodeJpegFileBands(const QString& path, int endRow, int bandRows, const BandHandler& band);

}  // namespace tamsok
