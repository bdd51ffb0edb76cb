#include "ui/LoadJpeg.h"

#include <QFile>
#include <QSysInfo>

#include <algorithm>
#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

namespace tamsok {

namespace {

// libjpeg reports fatal errors through error_exit, which must not return; it jumps back to
// the setjmp of the step that was running. Only plain data lives in the functions that call
// setjmp, so the jump skips no destructor.
struct JpegContext {
  jpeg_decompress_struct cinfo;
  jpeg_error_mgr jerr;
  std::jmp_buf jump;
};

void ErrorExit(j_common_ptr cinfo) {
  auto* ctx =
      reinterpret_cast<JpegContext*>(reinterpret_cast<char*>(cinfo) - offsetof(JpegContext, cinfo));
  std::longjmp(ctx->jump, 1);
}

// Warnings (a corrupt but decodable stream) are not printed.
void OutputMessage(j_common_ptr) {}

// The byte order of QImage::Format_RGB32 (0xffRRGGBB in a native 32-bit word); libjpeg-turbo
// writes 0xFF into the fourth byte of these spaces.
constexpr J_COLOR_SPACE kRgb32Space =
    QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRA : JCS_EXT_ARGB;

// Reads the header and starts decompression into 32-bit pixels. False on any libjpeg error.
bool StartDecompress(JpegContext& ctx, const unsigned char* data, unsigned long size) {
  if (setjmp(ctx.jump)) return false;
  jpeg_mem_src(&ctx.cinfo, data, size);
  if (jpeg_read_header(&ctx.cinfo, TRUE) != JPEG_HEADER_OK) return false;
  ctx.cinfo.out_color_space = kRgb32Space;
  return jpeg_start_decompress(&ctx.cinfo) != 0 && ctx.cinfo.output_components == 4;
}

// Decodes the next `count` scanlines (fewer at the picture's end) into rows of `stride` bytes
// starting at `bits`. False on any libjpeg error.
bool ReadScanlines(JpegContext& ctx, unsigned char* bits, long stride, int count) {
  if (setjmp(ctx.jump)) return false;
  for (int i = 0; i < count && ctx.cinfo.output_scanline < ctx.cinfo.output_height; ++i) {
    JSAMPROW row = bits + stride * i;
    if (jpeg_read_scanlines(&ctx.cinfo, &row, 1) != 1) return false;
  }
  return true;
}

bool FinishDecompress(JpegContext& ctx) {
  if (setjmp(ctx.jump)) return false;
  jpeg_finish_decompress(&ctx.cinfo);
  return true;
}

// A decompression of `data` that has read the header and started; `started` is false when
// libjpeg rejected the data.
class Decompression {
 public:
  explicit Decompression(const QByteArray& data) {
    ctx_.cinfo.err = jpeg_std_error(&ctx_.jerr);
    ctx_.jerr.error_exit = ErrorExit;
    ctx_.jerr.output_message = OutputMessage;
    jpeg_create_decompress(&ctx_.cinfo);
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
    started =
        !data.isEmpty() && StartDecompress(ctx_, bytes, static_cast<unsigned long>(data.size()));
  }
  ~Decompression() { jpeg_destroy_decompress(&ctx_.cinfo); }
  Decompression(const Decompression&) = delete;
  Decompression& operator=(const Decompression&) = delete;

  QSize Size() const {
    return {static_cast<int>(ctx_.cinfo.output_width), static_cast<int>(ctx_.cinfo.output_height)};
  }
  int NextRow() const { return static_cast<int>(ctx_.cinfo.output_scanline); }
  bool Read(QImage& into, int count) {
    return ReadScanlines(ctx_, into.bits(), into.bytesPerLine(), count);
  }
  bool Finish() { return FinishDecompress(ctx_); }

  bool started = false;

 private:
  JpegContext ctx_{};
};

// The bytes of an open file, read in place where the file can be mapped: a compiled-in
// picture is then not copied. Valid while the file stays open.
QByteArray FileBytes(QFile& file) {
  if (uchar* mapped = file.map(0, file.size()))
    return QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), file.size());
  return file.readAll();
}

}  // namespace

QImage LoadJpeg(const QByteArray& data) {
  Decompression jpeg(data);
  if (!jpeg.started) return {};
  QImage image(jpeg.Size(), QImage::Format_RGB32);
  if (image.isNull() || !jpeg.Read(image, image.height()) || !jpeg.Finish()) return {};
  return image;
}

QSize DecodeJpegBands(const QByteArray& data, int endRow, int bandRows, const BandHandler& band) {
  Decompression jpeg(data);
  if (!jpeg.started || bandRows < 1) return {};
  const QSize size = jpeg.Size();
  QImage rows(size.width(), bandRows, QImage::Format_RGB32);
  if (rows.isNull()) return {};
  for (int top = 0; top < std::min(endRow, size.height()); top = jpeg.NextRow()) {
    const int count = std::min(bandRows, size.height() - top);
    if (!jpeg.Read(rows, count)) return {};
    band(top, rows, count);
  }
  return size;
}

QImage LoadJpegFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return LoadJpeg(FileBytes(file));
}

QSize DecodeJpegFileBands(const QString& path, int endRow, int bandRows, const BandHandler& band) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return DecodeJpegBands(FileBytes(file), endRow, bandRows, band);
}

}  // namespace tamsok
