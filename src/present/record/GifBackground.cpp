#include "present/record/GifBackground.h"

namespace zendral {

QImage GifBackgroundPicture() {
  QImage picture(64, 64, QImage::Format_RGB32);
  picture.fill(QColor(18, 96, 52));
  return picture;
}

}  // namespace zendral
