#include "ui/LoadJpeg.h"

#include <QFile>
#include <QSysInfo>

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

// Decodes every scanline into rows of `stride` bytes starting at `bits`.
bool ReadScanlines(JpegContext& ctx, unsigned char* bits, long stride) {
  if (setjmp(ctx.jump)) return false;
  while (ctx.cinfo.output_scanline < ctx.cinfo.output_height) {
    JSAMPROW row = bits + stride * static_cast<long>(ctx.cinfo.output_scanline);
    if (jpeg_read_scanlines(&ctx.cinfo, &row, 1) != 1) return false;
  }
  jpeg_finish_decompress(&ctx.cinfo);
  return true;
}

}  // namespace

QImage LoadJpeg(const QByteArray& data) {
  if (data.isEmpty()) return {};
  JpegContext ctx{};
  ctx.cinfo.err = jpeg_std_error(&ctx.jerr);
  ctx.jerr.error_exit = ErrorExit;
  ctx.jerr.output_message = OutputMessage;
  jpeg_create_decompress(&ctx.cinfo);

  QImage image;
  const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
  if (StartDecompress(ctx, bytes, static_cast<unsigned long>(data.size()))) {
    image = QImage(static_cast<int>(ctx.cinfo.output_width),
                   static_cast<int>(ctx.cinfo.output_height), QImage::Format_RGB32);
    if (image.isNull() || !ReadScanlines(ctx, image.bits(), image.bytesPerLine())) image = {};
  }
  jpeg_destroy_decompress(&ctx.cinfo);
  return image;
}

QImage LoadJpegFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return LoadJpeg(file.readAll());
}

}  // namespace tamsok
