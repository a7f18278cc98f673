#include "app/menuart/RawPicture.h"

#include <QFile>
#include <QResource>
#include <QtEndian>
#include <cstdint>
#include <cstring>

namespace zendral {

namespace {

constexpr char kMagic[4] = {'Z', 'R', 'A', 'W'};
constexpr qsizetype kHeader = 12;
constexpr int kLargestSide = 8192;

// The size of the picture in such bytes, or an empty size when they are not one.
QSize RawSize(const uchar* data, qsizetype size) {
  if (data == nullptr || size < kHeader || std::memcmp(data, kMagic, sizeof kMagic) != 0) {
    return {};
  }
  const auto width = qFromLittleEndian<std::uint32_t>(data + 4);
  const auto height = qFromLittleEndian<std::uint32_t>(data + 8);
  if (width == 0 || height == 0 || width > kLargestSide || height > kLargestSide) return {};
  if (size != kHeader + static_cast<qsizetype>(width) * height * 4) return {};
  return QSize(static_cast<int>(width), static_cast<int>(height));
}

}  // namespace

QByteArray EncodeRawPicture(const QImage& image) {
  const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QByteArray bytes(kMagic, sizeof kMagic);
  char size[8];
  qToLittleEndian<std::uint32_t>(static_cast<std::uint32_t>(pixels.width()), size);
  qToLittleEndian<std::uint32_t>(static_cast<std::uint32_t>(pixels.height()), size + 4);
  bytes.append(size, sizeof size);
  for (int y = 0; y < pixels.height(); ++y) {
    bytes.append(reinterpret_cast<const char*>(pixels.constScanLine(y)), pixels.width() * 4);
  }
  return bytes;
}

QImage DecodeRawPicture(const QByteArray& bytes) {
  const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
  const QSize size = RawSize(data, bytes.size());
  if (size.isEmpty()) return {};
  // Rows copied into an image of its own: the bytes need not lie on a 4-byte boundary.
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  const qsizetype row = static_cast<qsizetype>(size.width()) * 4;
  for (int y = 0; y < size.height(); ++y) {
    std::memcpy(image.scanLine(y), data + kHeader + y * row, static_cast<std::size_t>(row));
  }
  return image;
}

QImage RawPictureResource(const QString& path) {
  const QResource resource(path);
  if (!resource.isValid()) return {};
  if (resource.compressionAlgorithm() == QResource::NoCompression &&
      reinterpret_cast<std::uintptr_t>(resource.data()) % 4 == 0) {
    // Each pixel is read as one 32-bit value, so the image stands on the bytes only where they
    // lie on a 4-byte boundary; they stay for the program's whole run.
    const QSize size = RawSize(resource.data(), resource.size());
    if (size.isEmpty()) return {};
    return QImage(resource.data() + kHeader, size.width(), size.height(),
                  static_cast<qsizetype>(size.width()) * 4, QImage::Format_ARGB32_Premultiplied);
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return DecodeRawPicture(file.readAll());
}

}  // namespace zendral
