// make_assets: draws every picture and the click sound of the game and writes them, with the
// Qt resource file that compiles the pictures in, into one folder.
//
//   make_assets <dir>                       write all assets into <dir>
//   make_assets --preview <dir> <out.png>   compose a contact sheet from the files in <dir>
//   make_assets --check <dir>               regenerate in memory and compare with <dir>
//
// The output is deterministic: every random choice comes from fixed seeds, so running the tool
// again gives the same files.
// jpeglib.h uses FILE and size_t without including their headers.
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "Art.h"

namespace assets {
namespace {

constexpr int kJpegQuality = 90;
constexpr int kIconSize = 32;
// The desktop's icon theme sizes; each is drawn at its own size rather than scaled from one.
constexpr int kDesktopIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

const char* const kSkinSlug[kSkinCount] = {"wood", "slate", "marbtea", "pbfoil"};
const char* const kKindSlug[kKindCount] = {"tree",        "lightning", "dragonfly", "divingbeetle",
                                           "grasshopper", "wasp",      "wind",      "cloud",
                                           "spider",      "snow",      "ant",       "carpenterant"};
const char* const kCampSlug[kCampCount] = {"fir", "oak"};
const char* const kGlyphSlug[kMenuGlyphCount] = {"undo_first", "undo",  "redo",
                                                 "redo_last",  "board", "view_side"};

// The pictures for screens of two device pixels to a pixel carry "@2x" before the extension.
QString AtScale(const QString& name, int scale) {
  if (scale == 1) return name;
  const int dot = name.lastIndexOf(u'.');
  return name.left(dot) + QStringLiteral("@%1x").arg(scale) + name.mid(dot);
}
constexpr int kScales[] = {1, 2};

QString BoardFile(int skin, int scale = 1) {
  return AtScale(QStringLiteral("board_%1.jpg").arg(kSkinSlug[skin]), scale);
}
QString PieceFile(int kind, int camp, int scale = 1) {
  return AtScale(QStringLiteral("piece_%1_%2.png").arg(kKindSlug[kind], kCampSlug[camp]), scale);
}
const QString kMarkerFile = QStringLiteral("marker.png");
const QString kIconFile = QStringLiteral("icon.png");
QString DesktopIconFile(int size) {
  return QStringLiteral("icon_%1.png").arg(size);
}
const QString kSoundFile = QStringLiteral("TTAG.WAV");
const QString kQrcFile = QStringLiteral("assets.qrc");
const QString kReadmeFile = QStringLiteral("README.md");

struct Asset {
  QString name;
  QByteArray bytes;
  bool picture;            // compared pixel by pixel
  bool compiledIn = true;  // a picture listed in the resource file
};

// ---- Encoders ----------------------------------------------------------------------------------
// libjpeg's default error handler prints the problem and exits the process with a failure
// status, which is the right outcome for this command-line tool.

QByteArray EncodeJpeg(const QImage& image) {
  QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  jpeg_compress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
  cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, kJpegQuality, TRUE);
  // The exact integer DCT gives the same bytes on every CPU; optimised Huffman tables keep the
  // files small; full-resolution chroma keeps the thin grid lines crisp.
  cinfo.dct_method = JDCT_ISLOW;
  cinfo.optimize_coding = TRUE;
  for (int c = 0; c < 3; ++c) {
    cinfo.comp_info[c].h_samp_factor = 1;
    cinfo.comp_info[c].v_samp_factor = 1;
  }
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = rgb.scanLine(static_cast<int>(cinfo.next_scanline));
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  QByteArray out(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return out;
}

QImage DecodeJpeg(const QByteArray& data) {
  if (data.size() < 4 || static_cast<unsigned char>(data[0]) != 0xFF ||
      static_cast<unsigned char>(data[1]) != 0xD8)
    return {};
  jpeg_decompress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(data.constData()),
               static_cast<unsigned long>(data.size()));
  jpeg_read_header(&cinfo, TRUE);
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  QImage image(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height),
               QImage::Format_RGB888);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = image.scanLine(static_cast<int>(cinfo.output_scanline));
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return image;
}

QByteArray EncodePng(const QImage& image) {
  QByteArray out;
  QBuffer buffer(&out);
  buffer.open(QIODevice::WriteOnly);
  image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
  return out;
}

QImage DecodePicture(const QString& name, const QByteArray& data) {
  if (name.endsWith(QLatin1String(".jpg"))) return DecodeJpeg(data);
  return QImage::fromData(data, "PNG").convertToFormat(QImage::Format_ARGB32);
}

// ---- The asset set -----------------------------------------------------------------------------

QByteArray ResourceFile(const std::vector<Asset>& all) {
  QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/assets\">\n";
  for (const Asset& a : all) {
    if (!a.picture || !a.compiledIn) continue;
    qrc += QStringLiteral("    <file alias=\"%1\">%1</file>\n").arg(a.name).toUtf8();
  }
  qrc += "  </qresource>\n</RCC>\n";
  return qrc;
}

QByteArray Readme() {
  return QByteArrayLiteral(
      "# Assets\n"
      "\n"
      "Every file here is drawn or synthesised by `tools/make_assets` (run it as\n"
      "`QT_QPA_PLATFORM=offscreen make_assets assets`); do not edit them by hand. The output is\n"
      "deterministic, and `make_assets --check assets` tells whether these files are current.\n"
      "The pictures are compiled in through `assets.qrc` under the prefix `/assets`, e.g.\n"
      "`:/assets/board_slate.jpg`; `TTAG.WAV` is copied beside the executable and installed\n"
      "in `share/tamsok/`.\n"
      "\n"
      "- `board_wood.jpg`, `board_slate.jpg`, `board_marbtea.jpg` (784 x 512) and\n"
      "  `board_pbfoil.jpg` (785 x 513): the board skins. Square (x, y) of the view is centred\n"
      "  on pixel (144 + 55 x, 44 + 47 y); the recessed strips at the left and right edges are\n"
      "  the trays for captured pieces.\n"
      "- `piece_<kind>_<camp>.png` (40 x 40, transparent): one token per kind and camp. `<kind>`\n"
      "  is one of tree, lightning, dragonfly, divingbeetle, grasshopper, wasp, wind, cloud,\n"
      "  spider, snow, ant, carpenterant; `<camp>` is fir (green, round token) or oak (red,\n"
      "  octagonal token). All pieces of one kind and camp share the picture.\n"
      "- `marker.png` (10 x 10): the last-move marker.\n"
      "- `menu_undo_first.png`, `menu_undo.png`, `menu_redo.png`, `menu_redo_last.png`,\n"
      "  `menu_board.png`, `menu_view_side.png` (20 x 20): menu pictures.\n"
      "- `swatch_wood.png`, `swatch_slate.png`, `swatch_marbtea.png`, `swatch_pbfoil.png`\n"
      "  (20 x 20): the skin menu's colour swatches.\n"
      "- `icon.png` (32 x 32): the window icon.\n"
      "- `<name>@2x.<ext>`: each picture above but the desktop icons drawn again at twice its\n"
      "  size by the same code, for screens of two device pixels to a pixel (the board pictures\n"
      "  1568 x 1024, PBfoil's 1570 x 1026); the windows pick them by the screen's ratio.\n"
      "- `icon_16.png`, `icon_24.png`, `icon_32.png`, `icon_48.png`, `icon_64.png`,\n"
      "  `icon_128.png`, `icon_256.png`: the desktop's application icon in the icon theme's\n"
      "  sizes, each drawn at its size; installed, not compiled in.\n"
      "- `TTAG.WAV`: the move click, 85 ms, 16-bit PCM mono at 44100 Hz.\n");
}

std::vector<Asset> MakeAll() {
  std::vector<Asset> all;
  for (int scale : kScales) {
    for (int s = 0; s < kSkinCount; ++s) {
      const QImage board = PaintBoard(static_cast<Skin>(s), scale);
      all.push_back({BoardFile(s, scale), EncodeJpeg(board), true});
      all.push_back({AtScale(QStringLiteral("swatch_%1.png").arg(kSkinSlug[s]), scale),
                     EncodePng(PaintSwatch(board, scale)), true});
    }
    for (int camp = 0; camp < kCampCount; ++camp)
      for (int kind = 0; kind < kKindCount; ++kind)
        all.push_back(
            {PieceFile(kind, camp, scale), EncodePng(PaintPiece(kind, camp, scale)), true});
    all.push_back({AtScale(kMarkerFile, scale), EncodePng(PaintMarker(scale)), true});
    for (int g = 0; g < kMenuGlyphCount; ++g)
      all.push_back({AtScale(QStringLiteral("menu_%1.png").arg(kGlyphSlug[g]), scale),
                     EncodePng(PaintMenuGlyph(static_cast<MenuGlyph>(g), scale)), true});
    all.push_back({AtScale(kIconFile, scale), EncodePng(PaintIcon(kIconSize * scale)), true});
  }
  for (int size : kDesktopIconSizes)
    all.push_back({DesktopIconFile(size), EncodePng(PaintIcon(size)), true, false});
  all.push_back({kSoundFile, MakeClickWav(), false});
  all.push_back({kQrcFile, ResourceFile(all), false});
  all.push_back({kReadmeFile, Readme(), false});
  return all;
}

bool ReadFile(const QString& path, QByteArray& out) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return false;
  out = f.readAll();
  return true;
}

int Write(const QString& dirPath) {
  QDir dir(dirPath);
  if (!dir.exists() && !QDir().mkpath(dirPath)) {
    std::fprintf(stderr, "make_assets: cannot create %s\n", qPrintable(dirPath));
    return 1;
  }
  for (const Asset& a : MakeAll()) {
    QFile f(dir.filePath(a.name));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(a.bytes) != a.bytes.size()) {
      std::fprintf(stderr, "make_assets: cannot write %s\n", qPrintable(f.fileName()));
      return 1;
    }
    std::printf("%-28s %7lld bytes\n", qPrintable(a.name), static_cast<long long>(a.bytes.size()));
  }
  return 0;
}

// ---- Check -------------------------------------------------------------------------------------

// Pictures are compared pixel by pixel with a small tolerance, so that a rounding difference of
// another CPU's blending code is not taken for a stale file; everything else byte by byte.
bool SamePicture(const QImage& a, const QImage& b, QString& why) {
  if (a.isNull() || b.isNull()) {
    why = QStringLiteral("cannot be decoded");
    return false;
  }
  if (a.size() != b.size()) {
    why = QStringLiteral("is %1 x %2, expected %3 x %4")
              .arg(b.width())
              .arg(b.height())
              .arg(a.width())
              .arg(a.height());
    return false;
  }
  const QImage x = a.convertToFormat(QImage::Format_ARGB32);
  const QImage y = b.convertToFormat(QImage::Format_ARGB32);
  long long total = 0;
  int worst = 0;
  for (int row = 0; row < x.height(); ++row) {
    const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
    const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
    for (int col = 0; col < x.width(); ++col) {
      for (int shift : {0, 8, 16, 24}) {
        const int d = std::abs(static_cast<int>((p[col] >> shift) & 0xFF) -
                               static_cast<int>((q[col] >> shift) & 0xFF));
        total += d;
        worst = std::max(worst, d);
      }
    }
  }
  const double mean = static_cast<double>(total) / (4.0 * x.width() * x.height());
  if (worst > 40 || mean > 0.5) {
    why = QStringLiteral("differs from the generator's output (mean %1, worst %2)")
              .arg(mean, 0, 'f', 2)
              .arg(worst);
    return false;
  }
  return true;
}

int Check(const QString& dirPath) {
  const std::vector<Asset> first = MakeAll();
  const std::vector<Asset> second = MakeAll();
  int failures = 0;
  auto fail = [&](const QString& text) {
    std::fprintf(stderr, "make_assets --check: %s\n", qPrintable(text));
    ++failures;
  };
  QDir dir(dirPath);
  QSet<QString> expected;
  for (size_t i = 0; i < first.size(); ++i) {
    const Asset& a = first[i];
    expected.insert(a.name);
    if (second[i].bytes != a.bytes) fail(a.name + QStringLiteral(" is not deterministic"));
    QByteArray onDisk;
    if (!ReadFile(dir.filePath(a.name), onDisk)) {
      fail(a.name + QStringLiteral(" is missing"));
      continue;
    }
    if (onDisk == a.bytes) continue;
    QString why = QStringLiteral("differs from the generator's output");
    if (!a.picture ||
        !SamePicture(DecodePicture(a.name, a.bytes), DecodePicture(a.name, onDisk), why))
      fail(a.name + QLatin1Char(' ') + why);
  }
  for (const QString& name : dir.entryList(QDir::Files))
    if (!expected.contains(name)) fail(name + QStringLiteral(" is not made by make_assets"));
  if (failures == 0)
    std::printf("make_assets --check: %zu files current\n", first.size());
  else
    std::fprintf(stderr, "make_assets --check: run make_assets %s to regenerate\n",
                 qPrintable(dirPath));
  return failures == 0 ? 0 : 1;
}

// ---- Preview -----------------------------------------------------------------------------------

struct Placed {
  int kind, x, y;  // Fir's start square in the default view
};
const Placed kFirStart[] = {
    {kTree, 4, 0},         {kLightning, 5, 0},    {kDragonFly, 3, 0},   {kDragonFly, 6, 0},
    {kDivingBeetle, 2, 0}, {kDivingBeetle, 7, 0}, {kGrasshopper, 1, 0}, {kGrasshopper, 8, 0},
    {kWasp, 0, 0},         {kWasp, 9, 0},         {kCloud, 4, 3},       {kCloud, 5, 3},
    {kSpider, 3, 2},       {kSpider, 6, 2},       {kWind, 1, 2},        {kWind, 8, 2},
    {kSnow, 1, 3},         {kSnow, 8, 3},         {kAnt, 0, 2},         {kAnt, 2, 2},
    {kAnt, 4, 2},          {kAnt, 5, 2},          {kAnt, 7, 2},         {kAnt, 9, 2}};

QImage LoadPicture(const QDir& dir, const QString& name) {
  QByteArray data;
  if (!ReadFile(dir.filePath(name), data)) return {};
  return DecodePicture(name, data);
}

// The board as the game shows it: all 48 pieces on their start squares, the marker on one of
// them and a few captured pieces in each tray.
QImage SetUpBoard(const QDir& dir, int skin, const QImage (&pieces)[kCampCount][kKindCount],
                  const QImage& marker) {
  QImage board = LoadPicture(dir, BoardFile(skin)).convertToFormat(QImage::Format_RGB32);
  QPainter p(&board);
  auto left = [](int x) { return kGridLeft - 20 + kPitchX * x; };
  auto top = [](int y) { return kGridTop - 20 + kPitchY * y; };
  p.drawImage(left(4) - 5, top(6) - 5, marker);
  for (const Placed& s : kFirStart) {
    p.drawImage(left(s.x), top(s.y), pieces[kFir][s.kind]);
    p.drawImage(left(s.x), top(9 - s.y), pieces[kOak][s.kind]);
  }
  const int trayKinds[] = {kAnt, kWasp, kSnow, kCloud, kSpider, kDragonFly, kAnt, kWind};
  const int trayIndex[] = {0, 1, 2, 3, 4, 11, 12, 13};
  for (int i = 0; i < 8; ++i) {
    const int n = trayIndex[i];
    p.drawImage(42 * (n / 12), 42 * (n % 12), pieces[kFir][trayKinds[i]]);
    p.drawImage(742 - 42 * (n / 12), 470 - 42 * (n % 12), pieces[kOak][trayKinds[i]]);
  }
  p.end();
  return board;
}

int Preview(const QString& dirPath, const QString& outPath) {
  const QDir dir(dirPath);
  QImage pieces[kCampCount][kKindCount];
  for (int camp = 0; camp < kCampCount; ++camp)
    for (int kind = 0; kind < kKindCount; ++kind) {
      pieces[camp][kind] = LoadPicture(dir, PieceFile(kind, camp));
      if (pieces[camp][kind].isNull()) {
        std::fprintf(stderr, "make_assets: %s not found; write the assets first\n",
                     qPrintable(PieceFile(kind, camp)));
        return 1;
      }
    }
  const QImage marker = LoadPicture(dir, kMarkerFile);

  constexpr int kGap = 10;
  constexpr int kSheetTop = 530;
  QImage sheet(784 + kGap + 2 * 392, kSheetTop + 100 + 2 * 130 + 175, QImage::Format_RGB32);
  sheet.fill(QColor(128, 128, 128));
  QPainter p(&sheet);
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  p.drawImage(0, 0, SetUpBoard(dir, static_cast<int>(Skin::Slate), pieces, marker));
  const int others[] = {static_cast<int>(Skin::Wood), static_cast<int>(Skin::Marbtea),
                        static_cast<int>(Skin::PBfoil)};
  for (int i = 0; i < 3; ++i) {
    const QImage small = SetUpBoard(dir, others[i], pieces, marker)
                             .scaled(392, 256, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    p.drawImage(784 + kGap + (i % 2) * 392, (i / 2) * 258, small);
  }
  // Pieces at 1x on light, grey and dark grounds, then at 3x.
  const QColor grounds[] = {QColor(235, 235, 235), QColor(60, 66, 72)};
  for (int g = 0; g < 2; ++g) {
    p.fillRect(QRect(g * 520, kSheetTop, 520, 90), grounds[g]);
    for (int camp = 0; camp < kCampCount; ++camp)
      for (int kind = 0; kind < kKindCount; ++kind)
        p.drawImage(g * 520 + 4 + 42 * kind, kSheetTop + 4 + 44 * camp, pieces[camp][kind]);
  }
  int x = 4;
  const int glyphTop = kSheetTop + 100 + 2 * 130;
  for (const QString& name :
       {QStringLiteral("menu_undo_first.png"), QStringLiteral("menu_undo.png"),
        QStringLiteral("menu_redo.png"), QStringLiteral("menu_redo_last.png"),
        QStringLiteral("menu_board.png"), QStringLiteral("menu_view_side.png"),
        QStringLiteral("swatch_wood.png"), QStringLiteral("swatch_slate.png"),
        QStringLiteral("swatch_marbtea.png"), QStringLiteral("swatch_pbfoil.png"), kMarkerFile,
        kIconFile}) {
    const QImage img = LoadPicture(dir, name);
    p.fillRect(QRect(x, glyphTop, img.width() * 4 + 4, 40 + img.height() * 4),
               QColor(240, 240, 240));
    p.drawImage(x + 2, glyphTop + 2, img);
    p.drawImage(QRect(x + 2, glyphTop + 36, img.width() * 4, img.height() * 4), img);
    x += img.width() * 4 + 10;
  }
  for (int camp = 0; camp < kCampCount; ++camp)
    for (int kind = 0; kind < kKindCount; ++kind)
      p.drawImage(QRect(4 + 130 * kind, kSheetTop + 100 + 130 * camp, 120, 120),
                  pieces[camp][kind]);
  p.end();
  if (!sheet.save(outPath, "PNG")) {
    std::fprintf(stderr, "make_assets: cannot write %s\n", qPrintable(outPath));
    return 1;
  }
  return 0;
}

int Usage() {
  std::fprintf(stderr,
               "usage: make_assets <dir>\n"
               "       make_assets --preview <dir> <out.png>\n"
               "       make_assets --check <dir>\n");
  return 2;
}

}  // namespace
}  // namespace assets

int main(int argc, char** argv) {
  const QStringList args = [&] {
    QStringList list;
    for (int i = 1; i < argc; ++i)
      list << QString::fromLocal8Bit(argv[i]);
    return list;
  }();
  if (args.size() == 1 && !args[0].startsWith(QLatin1String("--"))) return assets::Write(args[0]);
  if (args.size() == 3 && args[0] == QLatin1String("--preview"))
    return assets::Preview(args[1], args[2]);
  if (args.size() == 2 && args[0] == QLatin1String("--check")) return assets::Check(args[1]);
  return assets::Usage();
}
