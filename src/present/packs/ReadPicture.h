#pragma once
// Decodes a picture whose format the program knows from where it lies (a ".png" name, a pack's
// "jpeg" folder). Given the format and no licence to guess, Qt decodes PNG itself and opens
// only the one image plugin of a JPEG or GIF; left to guess, it opens every installed image
// plugin (and their libraries) to ask each one first. Bytes of another format than the one
// named are still read, by their content.

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>

namespace zendral {

inline QImage ReadPicture(const QByteArray& bytes, const char* format) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, format);
  reader.setAutoDetectImageFormat(false);
  QImage image = reader.read();
  if (image.isNull()) image.loadFromData(bytes);
  return image;
}

// The same for a file (a resource of the program's own art); a null image when it is missing.
inline QImage ReadPictureFile(const QString& path, const char* format) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return ReadPicture(file.readAll(), format);
}

}  // namespace zendral
