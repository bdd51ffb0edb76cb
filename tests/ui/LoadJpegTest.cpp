#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include <jpeglib.h>

#include <QFile>

#include "ui/Assets.h"
#include "ui/LoadJpeg.h"

namespace tamsok {
namespace {

// A JPEG of `width` x `height` filled with one colour, made with libjpeg's compressor.
QByteArray EncodeSolid(int width, int height, int components, const unsigned char* colour) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = components;
  cinfo.in_color_space = components == 3 ? JCS_RGB : JCS_GRAYSCALE;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 100, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<unsigned char> row(static_cast<std::size_t>(width * components));
  for (int x = 0; x < width; ++x)
    for (int c = 0; c < components; ++c)
      row[static_cast<std::size_t>(x * components + c)] = colour[c];
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&cinfo, &r, 1);
  }
  jpeg_finish_compress(&cinfo);
  QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return bytes;
}

TEST(LoadJpeg, DecodesColourAndGreyPictures) {
  const unsigned char teal[3] = {20, 140, 160};
  QImage colour = LoadJpeg(EncodeSolid(17, 9, 3, teal));
  ASSERT_FALSE(colour.isNull());
  EXPECT_EQ(colour.size(), QSize(17, 9));
  const QColor c = colour.pixelColor(16, 8);
  EXPECT_NEAR(c.red(), 20, 3);
  EXPECT_NEAR(c.green(), 140, 3);
  EXPECT_NEAR(c.blue(), 160, 3);

  const unsigned char grey[1] = {90};
  QImage g = LoadJpeg(EncodeSolid(8, 8, 1, grey));
  ASSERT_FALSE(g.isNull());
  EXPECT_NEAR(g.pixelColor(3, 3).green(), 90, 3);
}

TEST(LoadJpeg, RejectsDamagedDataWithoutCrashing) {
  const unsigned char red[3] = {200, 10, 10};
  const QByteArray good = EncodeSolid(32, 32, 3, red);
  EXPECT_TRUE(LoadJpeg(QByteArray()).isNull());
  EXPECT_TRUE(LoadJpeg(QByteArray("not a picture at all")).isNull());
  // A cut-off stream decodes as far as it goes (libjpeg pads it) or not at all.
  const QImage cut = LoadJpeg(good.left(good.size() / 3));
  EXPECT_TRUE(cut.isNull() || cut.size() == QSize(32, 32));
  QByteArray broken = good;
  for (qsizetype i = 2; i < 40 && i < broken.size(); ++i)
    broken[i] = static_cast<char>(0xFF);
  EXPECT_TRUE(LoadJpeg(broken).isNull());
  EXPECT_TRUE(LoadJpegFile(QStringLiteral("/nonexistent/board.jpg")).isNull());
}

// Band by band, the rows come in order, once each, as the whole decode has them; decoding ends
// with the band that reaches the last row asked for.
TEST(LoadJpeg, DecodesBandsAsTheWholePictureHasThem) {
  const QImage whole = BoardPicture(Skin::PBfoil);
  ASSERT_FALSE(whole.isNull());
  QFile file(QStringLiteral(":/assets/board_pbfoil.jpg"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray data = file.readAll();
  struct Row {
    int endRow, bandRows, expectRows;
  };
  for (const Row& row : {Row{513, 16, 513}, Row{100, 16, 112}, Row{1000, 7, 513}}) {
    int next = 0;
    const QSize size =
        DecodeJpegBands(data, row.endRow, row.bandRows, [&](int top, const QImage& band, int rows) {
          ASSERT_EQ(top, next);
          for (int y = 0; y < rows; ++y)
            for (int x : {0, 391, 784})
              ASSERT_EQ(band.pixel(x, y), whole.pixel(x, top + y));
          next += rows;
        });
    EXPECT_EQ(size, QSize(785, 513));
    EXPECT_EQ(next, row.expectRows) << row.endRow << " " << row.bandRows;
  }
  EXPECT_FALSE(DecodeJpegBands(data.left(100), 513, 16, [](int, const QImage&, int) {}).isValid());
}

TEST(LoadJpeg, DecodesTheBoardPictures) {
  EXPECT_EQ(BoardPicture(Skin::Slate).size(), QSize(784, 512));
  EXPECT_EQ(BoardPicture(Skin::Wood).size(), QSize(784, 512));
  EXPECT_EQ(BoardPicture(Skin::Marbtea).size(), QSize(784, 512));
  EXPECT_EQ(BoardPicture(Skin::PBfoil).size(), QSize(785, 513));
}

}  // namespace
}  // namespace tamsok
