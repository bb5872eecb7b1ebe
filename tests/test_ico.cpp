// Checks packaging/windows/gavrento.ico, the icon linked into Gavrento.exe: the directory and
// every image header are read back independently of the generator, and the generator is run
// again to prove the committed files are exactly what it draws.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "../packaging/test_support/packaging_paths.h"

namespace {

constexpr int kDirectorySize = 6;
constexpr int kEntrySize = 16;
constexpr int kInfoHeaderSize = 40;

struct DirectoryEntry {
  int width = 0;
  int height = 0;
  int colorCount = 0;
  int reserved = 0;
  int planes = 0;
  int bitCount = 0;
  std::uint32_t bytesInRes = 0;
  std::uint32_t imageOffset = 0;
};

struct InfoHeader {
  std::uint32_t size = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  int planes = 0;
  int bitCount = 0;
  std::uint32_t compression = 0;
  std::uint32_t sizeImage = 0;
  std::uint32_t colorsUsed = 0;
};

struct IconImage {
  DirectoryEntry entry;
  InfoHeader header;
  std::vector<QRgb> palette;
  QByteArray xorBits;
  QByteArray andBits;
};

struct IconFile {
  int reserved = 0;
  int type = 0;
  std::vector<IconImage> images;
};

class LittleEndianReader {
 public:
  explicit LittleEndianReader(const QByteArray& bytes) : bytes_(bytes) {}

  bool has(qsizetype offset, qsizetype length) const {
    return offset >= 0 && length >= 0 && offset + length <= bytes_.size();
  }
  std::uint32_t u8(qsizetype offset) const { return static_cast<std::uint8_t>(bytes_[offset]); }
  std::uint32_t u16(qsizetype offset) const { return u8(offset) | u8(offset + 1) << 8; }
  std::uint32_t u32(qsizetype offset) const { return u16(offset) | u16(offset + 2) << 16; }
  QByteArray slice(qsizetype offset, qsizetype length) const { return bytes_.mid(offset, length); }

 private:
  const QByteArray& bytes_;
};

int rowStride(int width, int bitsPerPixel) {
  return ((width * bitsPerPixel + 31) / 32) * 4;
}

int paletteEntries(int bitCount) {
  return bitCount <= 8 ? 1 << bitCount : 0;
}

DirectoryEntry readEntry(const LittleEndianReader& in, qsizetype at) {
  DirectoryEntry entry;
  entry.width = in.u8(at) == 0 ? 256 : in.u8(at);
  entry.height = in.u8(at + 1) == 0 ? 256 : in.u8(at + 1);
  entry.colorCount = in.u8(at + 2);
  entry.reserved = in.u8(at + 3);
  entry.planes = in.u16(at + 4);
  entry.bitCount = in.u16(at + 6);
  entry.bytesInRes = in.u32(at + 8);
  entry.imageOffset = in.u32(at + 12);
  return entry;
}

InfoHeader readInfoHeader(const LittleEndianReader& in, qsizetype at) {
  InfoHeader header;
  header.size = in.u32(at);
  header.width = static_cast<std::int32_t>(in.u32(at + 4));
  header.height = static_cast<std::int32_t>(in.u32(at + 8));
  header.planes = in.u16(at + 12);
  header.bitCount = in.u16(at + 14);
  header.compression = in.u32(at + 16);
  header.sizeImage = in.u32(at + 20);
  header.colorsUsed = in.u32(at + 32);
  return header;
}

// Reads the bitmap that an entry points at; nullopt if any part lies outside the file.
std::optional<IconImage> readImage(const LittleEndianReader& in, const DirectoryEntry& entry) {
  IconImage image;
  image.entry = entry;
  if (!in.has(entry.imageOffset, kInfoHeaderSize)) return std::nullopt;
  image.header = readInfoHeader(in, entry.imageOffset);

  const int width = image.header.width;
  const int height = image.header.height / 2;
  const int colours = paletteEntries(image.header.bitCount);
  if (width <= 0 || height <= 0 || width > 256 || height > 256) return std::nullopt;

  qsizetype at = entry.imageOffset + image.header.size;
  if (!in.has(at, colours * 4)) return std::nullopt;
  for (int i = 0; i < colours; ++i, at += 4) {
    image.palette.push_back(qRgb(in.u8(at + 2), in.u8(at + 1), in.u8(at)));
  }
  const qsizetype xorSize = qsizetype{rowStride(width, image.header.bitCount)} * height;
  const qsizetype andSize = qsizetype{rowStride(width, 1)} * height;
  if (!in.has(at, xorSize + andSize)) return std::nullopt;
  image.xorBits = in.slice(at, xorSize);
  image.andBits = in.slice(at + xorSize, andSize);
  return image;
}

std::optional<IconFile> parseIco(const QByteArray& bytes) {
  const LittleEndianReader in(bytes);
  if (!in.has(0, kDirectorySize)) return std::nullopt;
  IconFile file;
  file.reserved = in.u16(0);
  file.type = in.u16(2);
  const int count = in.u16(4);
  if (!in.has(kDirectorySize, qsizetype{count} * kEntrySize)) return std::nullopt;
  for (int i = 0; i < count; ++i) {
    const auto image = readImage(in, readEntry(in, kDirectorySize + i * kEntrySize));
    if (!image) return std::nullopt;
    file.images.push_back(*image);
  }
  return file;
}

// Value of one pixel in bottom-up, MSB-first packed rows; y counts from the top.
int packedValue(const QByteArray& bits, int width, int height, int bitsPerPixel, int x, int y) {
  const int stride = rowStride(width, bitsPerPixel);
  const int bitOffset = x * bitsPerPixel;
  const auto byte = static_cast<std::uint8_t>(bits[(height - 1 - y) * stride + bitOffset / 8]);
  const int shift = 8 - bitsPerPixel - bitOffset % 8;
  return (byte >> shift) & ((1 << bitsPerPixel) - 1);
}

int imageHeight(const IconImage& image) {
  return image.header.height / 2;
}

bool isTransparent(const IconImage& image, int x, int y) {
  return packedValue(image.andBits, image.header.width, imageHeight(image), 1, x, y) == 1;
}

int colourIndex(const IconImage& image, int x, int y) {
  return packedValue(image.xorBits, image.header.width, imageHeight(image), image.header.bitCount,
                     x, y);
}

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString packagingPath(const QString& relative) {
  return QDir(QString::fromUtf8(packaging_paths::sourceDir())).filePath(relative);
}

QString committedIcoPath() {
  return packagingPath(QStringLiteral("windows/gavrento.ico"));
}

}  // namespace

class IcoTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void directory();
  void entries_data();
  void entries();
  void imageHeaders_data();
  void imageHeaders();
  void imagesDoNotOverlap();
  void pixels_data();
  void pixels();
  void monochromeAndColourShareOneOutline();
  void generatorReproducesCommittedFiles();

 private:
  void addImageColumns();
  const IconImage& currentImage();

  QByteArray bytes_;
  IconFile ico_;
};

void IcoTest::initTestCase() {
  bytes_ = readAll(committedIcoPath());
  QVERIFY2(!bytes_.isEmpty(), qPrintable(committedIcoPath()));
  const auto parsed = parseIco(bytes_);
  QVERIFY2(parsed.has_value(), "directory or an image reaches past the end of the file");
  ico_ = *parsed;
}

void IcoTest::directory() {
  QCOMPARE(ico_.reserved, 0);
  QCOMPARE(ico_.type, 1);  // 1 = icon, 2 = cursor
  QCOMPARE(ico_.images.size(), std::size_t{3});
}

void IcoTest::addImageColumns() {
  QTest::addColumn<int>("index");
  QTest::addColumn<int>("size");
  QTest::addColumn<int>("bitCount");
  QTest::addColumn<int>("colorCount");
  QTest::newRow("32x32 two colours") << 0 << 32 << 1 << 2;
  QTest::newRow("32x32 sixteen colours") << 1 << 32 << 4 << 16;
  QTest::newRow("16x16 sixteen colours") << 2 << 16 << 4 << 16;
}

const IconImage& IcoTest::currentImage() {
  QFETCH(int, index);
  return ico_.images.at(index);
}

void IcoTest::entries_data() {
  addImageColumns();
}

void IcoTest::entries() {
  QFETCH(int, size);
  QFETCH(int, bitCount);
  QFETCH(int, colorCount);
  const DirectoryEntry& entry = currentImage().entry;
  QCOMPARE(entry.width, size);
  QCOMPARE(entry.height, size);
  QCOMPARE(entry.colorCount, colorCount);
  QCOMPARE(entry.reserved, 0);
  QCOMPARE(entry.planes, 1);
  QCOMPARE(entry.bitCount, bitCount);
  const auto directoryEnd = std::uint32_t(kDirectorySize + kEntrySize * ico_.images.size());
  QVERIFY(entry.imageOffset >= directoryEnd);
  QVERIFY(std::uint64_t{entry.imageOffset} + entry.bytesInRes <= std::uint64_t(bytes_.size()));
}

void IcoTest::imageHeaders_data() {
  addImageColumns();
}

void IcoTest::imageHeaders() {
  QFETCH(int, size);
  QFETCH(int, bitCount);
  QFETCH(int, colorCount);
  const IconImage& image = currentImage();
  const InfoHeader& header = image.header;
  QCOMPARE(header.size, std::uint32_t(kInfoHeaderSize));
  QCOMPARE(header.width, size);
  QCOMPARE(header.height, 2 * size);  // colour bitmap and AND mask stacked
  QCOMPARE(header.planes, 1);
  QCOMPARE(header.bitCount, bitCount);
  QCOMPARE(header.compression, std::uint32_t{0});  // BI_RGB
  QVERIFY(header.colorsUsed == 0 || header.colorsUsed == std::uint32_t(colorCount));
  QCOMPARE(image.palette.size(), std::size_t(colorCount));

  const int xorSize = rowStride(size, bitCount) * size;
  const int andSize = rowStride(size, 1) * size;
  QCOMPARE(image.andBits.size(), andSize);
  QVERIFY(header.sizeImage == 0 || header.sizeImage == std::uint32_t(xorSize + andSize));
  const int resourceSize = kInfoHeaderSize + colorCount * 4 + xorSize + andSize;
  QCOMPARE(image.entry.bytesInRes, std::uint32_t(resourceSize));
}

void IcoTest::imagesDoNotOverlap() {
  std::vector<std::pair<std::uint32_t, std::uint32_t>> ranges;
  for (const IconImage& image : ico_.images) {
    ranges.emplace_back(image.entry.imageOffset, image.entry.imageOffset + image.entry.bytesInRes);
  }
  std::sort(ranges.begin(), ranges.end());
  for (std::size_t i = 1; i < ranges.size(); ++i) QVERIFY(ranges[i - 1].second <= ranges[i].first);
  QCOMPARE(qsizetype(ranges.back().second), bytes_.size());  // no trailing garbage
}

void IcoTest::pixels_data() {
  addImageColumns();
}

void IcoTest::pixels() {
  QFETCH(int, size);
  QFETCH(int, bitCount);
  const IconImage& image = currentImage();
  QSet<QRgb> opaqueColours;
  int opaque = 0;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      if (isTransparent(image, x, y)) continue;
      ++opaque;
      opaqueColours.insert(image.palette.at(colourIndex(image, x, y)));
    }
  }
  QVERIFY2(opaque > size * size / 2, "the picture should cover most of the icon");
  QVERIFY2(opaque < size * size, "the rounded corners should be transparent");
  if (bitCount == 1) {
    QCOMPARE(opaqueColours.size(), 2);
  } else {
    QVERIFY2(opaqueColours.size() > 2, "a sixteen-colour image drawn in two colours");
  }
}

void IcoTest::monochromeAndColourShareOneOutline() {
  const IconImage& monochrome = ico_.images.at(0);
  const IconImage& colour = ico_.images.at(1);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      QCOMPARE(isTransparent(monochrome, x, y), isTransparent(colour, x, y));
    }
  }
}

void IcoTest::generatorReproducesCommittedFiles() {
  QTemporaryDir output;
  QVERIFY(output.isValid());
  QProcess generator;
  generator.setProcessChannelMode(QProcess::ForwardedChannels);
  generator.start(QString::fromUtf8(packaging_paths::iconGenerator()), {output.path()});
  QVERIFY2(generator.waitForFinished(60000), qPrintable(generator.errorString()));
  QCOMPARE(generator.exitStatus(), QProcess::NormalExit);
  QCOMPARE(generator.exitCode(), 0);

  const QByteArray regenerated = readAll(output.filePath(QStringLiteral("windows/gavrento.ico")));
  QVERIFY2(regenerated == bytes_,
           "windows/gavrento.ico differs from what tools/make_icons draws; "
           "run the make_icons target and commit the result");

  // PNG encoders differ between zlib versions, so the PNGs are compared pixel by pixel.
  for (int size : {16, 32, 48, 64, 128, 256}) {
    const QString relative = QStringLiteral("icons/hicolor/%1x%1/apps/gavrento.png").arg(size);
    const QImage committed(packagingPath(relative));
    const QImage fresh(output.filePath(relative));
    QVERIFY2(!committed.isNull(), qPrintable(relative));
    QCOMPARE(committed.size(), QSize(size, size));
    QVERIFY2(committed.convertToFormat(QImage::Format_ARGB32) ==
                 fresh.convertToFormat(QImage::Format_ARGB32),
             qPrintable(relative + QStringLiteral(" differs from the generator's output")));
  }
}

QTEST_GUILESS_MAIN(IcoTest)
#include "test_ico.moc"
