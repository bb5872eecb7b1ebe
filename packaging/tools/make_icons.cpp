// Draws the Gavrento icon (a white balance with yellow pans on a teal tile) at any size and
// writes every raster file the package ships: the hicolor PNGs and the Windows ICO.
//
// The outputs are committed, so a normal build never runs this program; rebuild them with the
// `make_icons` CMake target after changing the picture.  The picture is described analytically
// and sampled by hand instead of with QPainter so the output does not depend on the Qt
// rasteriser version, which keeps the committed ICO reproducible byte for byte.
//
// Usage: make_icons <output-dir>
//   writes <output-dir>/icons/hicolor/<N>x<N>/apps/gavrento.png and
//          <output-dir>/windows/gavrento.ico

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

// Everything is laid out on a 16x16 grid so that edges fall on pixel boundaries at 16 and 32 px,
// where the Windows images are drawn without antialiasing.  gavrento.svg uses the same
// coordinates multiplied by 16; keep the two in step.
constexpr double kGrid = 16.0;

enum class Ink { None, Tile, Metal, Pan };

struct Point {
  double x;
  double y;
};

bool insideRect(Point p, double left, double top, double right, double bottom) {
  return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
}

bool insideCircle(Point p, double cx, double cy, double radius) {
  const double dx = p.x - cx;
  const double dy = p.y - cy;
  return dx * dx + dy * dy < radius * radius;
}

bool insideRoundedRect(Point p, double left, double top, double right, double bottom,
                       double radius) {
  if (!insideRect(p, left, top, right, bottom)) return false;
  const double cx = std::clamp(p.x, left + radius, right - radius);
  const double cy = std::clamp(p.y, top + radius, bottom - radius);
  return insideCircle(p, cx, cy, radius) || (cx == p.x || cy == p.y);
}

// Isosceles trapezoid with horizontal top and bottom edges: the pans and the foot.
bool insideTrapezoid(Point p, double top, double bottom, double topHalfWidth,
                     double bottomHalfWidth, double centreX) {
  if (p.y < top || p.y >= bottom) return false;
  const double t = (p.y - top) / (bottom - top);
  const double halfWidth = topHalfWidth + t * (bottomHalfWidth - topHalfWidth);
  return std::abs(p.x - centreX) < halfWidth;
}

bool insidePans(Point p) {
  return insideTrapezoid(p, 9.0, 11.0, 2.5, 1.5, 3.5) ||
         insideTrapezoid(p, 9.0, 11.0, 2.5, 1.5, 12.5);
}

bool insideMetal(Point p) {
  return insideCircle(p, 8.0, 3.0, 2.0)                     // knob on top of the post
         || insideRect(p, 2.0, 4.0, 14.0, 5.0)              // beam
         || insideRect(p, 7.0, 3.0, 9.0, 13.0)              // post
         || insideRect(p, 3.0, 5.0, 4.0, 9.0)               // left hanger
         || insideRect(p, 12.0, 5.0, 13.0, 9.0)             // right hanger
         || insideTrapezoid(p, 13.0, 15.0, 3.0, 4.0, 8.0);  // foot
}

bool insideTile(Point p) {
  return insideRoundedRect(p, 0.0, 0.0, kGrid, kGrid, 3.0);
}

// Topmost ink at a point of the 16x16 grid.
Ink inkAt(Point p) {
  if (insidePans(p)) return Ink::Pan;
  if (insideMetal(p)) return Ink::Metal;
  if (insideTile(p)) return Ink::Tile;
  return Ink::None;
}

Point gridPoint(int size, double x, double y) {
  return {x * kGrid / size, y * kGrid / size};
}

// ---------------------------------------------------------------------------------------------
// Full-colour PNGs

QRgb trueColour(Ink ink) {
  switch (ink) {
    case Ink::Tile:
      return qRgb(0x12, 0x80, 0x8c);
    case Ink::Metal:
      return qRgb(0xff, 0xff, 0xff);
    case Ink::Pan:
      return qRgb(0xf5, 0xb7, 0x00);
    case Ink::None:
      break;
  }
  return qRgba(0, 0, 0, 0);
}

// Averages a grid of samples per pixel so edges are smooth at every size.
QRgb antialiasedPixel(int size, int x, int y) {
  constexpr int kSamples = 8;
  int red = 0, green = 0, blue = 0, covered = 0;
  for (int sy = 0; sy < kSamples; ++sy) {
    for (int sx = 0; sx < kSamples; ++sx) {
      const double px = x + (sx + 0.5) / kSamples;
      const double py = y + (sy + 0.5) / kSamples;
      const Ink ink = inkAt(gridPoint(size, px, py));
      if (ink == Ink::None) continue;
      const QRgb colour = trueColour(ink);
      red += qRed(colour);
      green += qGreen(colour);
      blue += qBlue(colour);
      ++covered;
    }
  }
  if (covered == 0) return qRgba(0, 0, 0, 0);
  const int alpha = (covered * 255 + kSamples * kSamples / 2) / (kSamples * kSamples);
  return qRgba((red + covered / 2) / covered, (green + covered / 2) / covered,
               (blue + covered / 2) / covered, alpha);
}

QImage renderTrueColour(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) image.setPixel(x, y, antialiasedPixel(size, x, y));
  }
  return image;
}

// ---------------------------------------------------------------------------------------------
// Palette images for the Windows ICO

struct RgbQuad {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
};

// The classic sixteen Windows colours, in their usual order.
constexpr std::array<RgbQuad, 16> kSixteenColours{{{0x00, 0x00, 0x00},
                                                   {0x80, 0x00, 0x00},
                                                   {0x00, 0x80, 0x00},
                                                   {0x80, 0x80, 0x00},
                                                   {0x00, 0x00, 0x80},
                                                   {0x80, 0x00, 0x80},
                                                   {0x00, 0x80, 0x80},
                                                   {0xc0, 0xc0, 0xc0},
                                                   {0x80, 0x80, 0x80},
                                                   {0xff, 0x00, 0x00},
                                                   {0x00, 0xff, 0x00},
                                                   {0xff, 0xff, 0x00},
                                                   {0x00, 0x00, 0xff},
                                                   {0xff, 0x00, 0xff},
                                                   {0x00, 0xff, 0xff},
                                                   {0xff, 0xff, 0xff}}};
constexpr std::array<RgbQuad, 2> kTwoColours{{{0x00, 0x00, 0x00}, {0xff, 0xff, 0xff}}};

constexpr std::uint8_t kSixteenTeal = 6;
constexpr std::uint8_t kSixteenYellow = 11;
constexpr std::uint8_t kSixteenWhite = 15;
constexpr std::uint8_t kTwoBlack = 0;
constexpr std::uint8_t kTwoWhite = 1;

struct PaletteImage {
  int size = 0;
  int bitsPerPixel = 0;
  std::vector<RgbQuad> palette;
  std::vector<std::uint8_t> indices;  // row-major, top row first
  std::vector<bool> transparent;      // becomes the AND mask
};

// Drawn straight in the palette (no colour matching) so the small images stay crisp.
std::uint8_t sixteenColourIndex(Ink ink) {
  switch (ink) {
    case Ink::Tile:
      return kSixteenTeal;
    case Ink::Metal:
      return kSixteenWhite;
    case Ink::Pan:
      return kSixteenYellow;
    case Ink::None:
      break;
  }
  return 0;
}

std::uint8_t twoColourIndex(Ink ink) {
  return (ink == Ink::Metal || ink == Ink::Pan) ? kTwoWhite : kTwoBlack;
}

PaletteImage renderPalette(int size, int bitsPerPixel) {
  PaletteImage image;
  image.size = size;
  image.bitsPerPixel = bitsPerPixel;
  if (bitsPerPixel == 1) {
    image.palette.assign(kTwoColours.begin(), kTwoColours.end());
  } else {
    image.palette.assign(kSixteenColours.begin(), kSixteenColours.end());
  }
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const Ink ink = inkAt(gridPoint(size, x + 0.5, y + 0.5));
      image.indices.push_back(bitsPerPixel == 1 ? twoColourIndex(ink) : sixteenColourIndex(ink));
      image.transparent.push_back(ink == Ink::None);
    }
  }
  return image;
}

// ---------------------------------------------------------------------------------------------
// ICO encoding: ICONDIR, one ICONDIRENTRY per image, then BITMAPINFOHEADER + colour table +
// XOR bits + AND mask for each image, rows bottom-up and padded to 32 bits.

void appendU8(QByteArray& out, unsigned value) {
  out.append(static_cast<char>(value & 0xff));
}

void appendU16(QByteArray& out, unsigned value) {
  appendU8(out, value);
  appendU8(out, value >> 8);
}

void appendU32(QByteArray& out, std::uint32_t value) {
  appendU16(out, value & 0xffff);
  appendU16(out, value >> 16);
}

int rowStride(int width, int bitsPerPixel) {
  return ((width * bitsPerPixel + 31) / 32) * 4;
}

// Packs one value per pixel, most significant bits first, bottom row first.
QByteArray packBottomUp(int size, int bitsPerPixel, const std::vector<std::uint8_t>& values) {
  const int stride = rowStride(size, bitsPerPixel);
  QByteArray bits(stride * size, '\0');
  const int pixelsPerByte = 8 / bitsPerPixel;
  for (int y = 0; y < size; ++y) {
    char* row = bits.data() + (size - 1 - y) * stride;
    for (int x = 0; x < size; ++x) {
      const int shift = 8 - bitsPerPixel * (x % pixelsPerByte + 1);
      row[x / pixelsPerByte] |= static_cast<char>(values[y * size + x] << shift);
    }
  }
  return bits;
}

QByteArray encodeDib(const PaletteImage& image) {
  const QByteArray xorBits = packBottomUp(image.size, image.bitsPerPixel, image.indices);
  const std::vector<std::uint8_t> maskValues(image.transparent.begin(), image.transparent.end());
  const QByteArray andBits = packBottomUp(image.size, 1, maskValues);

  QByteArray dib;
  appendU32(dib, 40);  // biSize
  appendU32(dib, image.size);
  appendU32(dib, 2 * image.size);  // XOR and AND bitmaps stacked
  appendU16(dib, 1);               // biPlanes
  appendU16(dib, image.bitsPerPixel);
  appendU32(dib, 0);  // BI_RGB
  appendU32(dib, xorBits.size() + andBits.size());
  appendU32(dib, 0);  // biXPelsPerMeter
  appendU32(dib, 0);  // biYPelsPerMeter
  appendU32(dib, 0);  // biClrUsed: the full 2^bitcount table follows
  appendU32(dib, 0);  // biClrImportant
  for (const RgbQuad& colour : image.palette) {
    appendU8(dib, colour.blue);
    appendU8(dib, colour.green);
    appendU8(dib, colour.red);
    appendU8(dib, 0);
  }
  dib.append(xorBits);
  dib.append(andBits);
  return dib;
}

QByteArray encodeIco(const std::vector<PaletteImage>& images) {
  constexpr int kDirectorySize = 6;
  constexpr int kEntrySize = 16;
  std::vector<QByteArray> dibs;
  for (const PaletteImage& image : images) dibs.push_back(encodeDib(image));

  QByteArray ico;
  appendU16(ico, 0);  // reserved
  appendU16(ico, 1);  // resource type: icon
  appendU16(ico, images.size());
  std::uint32_t offset = kDirectorySize + kEntrySize * images.size();
  for (std::size_t i = 0; i < images.size(); ++i) {
    appendU8(ico, images[i].size);
    appendU8(ico, images[i].size);
    appendU8(ico, 1u << images[i].bitsPerPixel);  // bColorCount
    appendU8(ico, 0);                             // bReserved
    appendU16(ico, 1);                            // wPlanes
    appendU16(ico, images[i].bitsPerPixel);
    appendU32(ico, dibs[i].size());
    appendU32(ico, offset);
    offset += dibs[i].size();
  }
  for (const QByteArray& dib : dibs) ico.append(dib);
  return ico;
}

// Order matters to old Windows versions, which pick the first image that fits.
QByteArray makeWindowsIcon() {
  return encodeIco({renderPalette(32, 1), renderPalette(32, 4), renderPalette(16, 4)});
}

// ---------------------------------------------------------------------------------------------
// Output

constexpr std::array<int, 6> kPngSizes{16, 32, 48, 64, 128, 256};

bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

bool writePngs(const QDir& outputDir) {
  for (int size : kPngSizes) {
    const QString dir = QStringLiteral("icons/hicolor/%1x%1/apps").arg(size);
    const QString path = outputDir.filePath(dir + QStringLiteral("/gavrento.png"));
    if (!outputDir.mkpath(dir) || !renderTrueColour(size).save(path, "PNG")) {
      std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(path));
      return false;
    }
  }
  return true;
}

bool writeIco(const QDir& outputDir) {
  if (!outputDir.mkpath(QStringLiteral("windows"))) return false;
  return writeFile(outputDir.filePath(QStringLiteral("windows/gavrento.ico")), makeWindowsIcon());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icons <output-dir>\n");
    return 2;
  }
  const QDir outputDir(QString::fromLocal8Bit(argv[1]));
  if (!outputDir.exists() && !QDir().mkpath(outputDir.path())) {
    std::fprintf(stderr, "make_icons: cannot create %s\n", argv[1]);
    return 1;
  }
  return writePngs(outputDir) && writeIco(outputDir) ? 0 : 1;
}
