#include "app/main/TitlePicture.h"

#include <QFile>
#include <QImageReader>

#include "present/packs/ReadPicture.h"

namespace zendral {

QImage TitlePictureAt(const QString& name, QSize target) {
  QFile small(":/appart/" + name + "S.png");
  QImageReader reader(&small, "PNG");
  reader.setAutoDetectImageFormat(false);  // no asking every image plugin
  // The header alone tells the size.
  const QSize smallSize = reader.size();
  const bool smallEnough = smallSize.isValid() && smallSize.width() >= target.width() &&
                           smallSize.height() >= target.height();
  QImage image = smallEnough ? reader.read() : ReadPictureFile(":/appart/" + name + ".png", "PNG");
  if (image.isNull() || image.size() == target) return image;
  return image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace zendral
