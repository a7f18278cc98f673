#include "app/main/MenuDecoration.h"

#include <QPainter>

#include "app/main/MenuGeometry.h"
#include "app/main/MenuPictures.h"
#include "app/menuart/PictureBook.h"

namespace zendral {

MenuDecoration::MenuDecoration(bool right, QWidget* parent)
    : QWidget(parent), picture_(BookPicture(right ? "DecorationRight" : "DecorationLeft")) {
  setObjectName(right ? "ImageSvRight" : "ImageSvLeft");
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void MenuDecoration::ShowLamps(const std::array<int, 3>& lamps) {
  lamps_ = lamps;
  update();
}

void MenuDecoration::paintEvent(QPaintEvent*) {
  static const std::array<QImage, kLampPictures> lamps = [] {
    std::array<QImage, kLampPictures> images;
    for (int k = 0; k < kLampPictures; ++k)
      images[static_cast<std::size_t>(k)] = BookPicture(LampPage(k));
    return images;
  }();
  QPainter p(this);
  p.drawImage(0, 0, picture_);
  for (std::size_t k = 0; k < kLampCells.size(); ++k) {
    p.drawImage(kLampCells[k].x, kLampCells[k].y,
                lamps[static_cast<std::size_t>(lamps_[k] % kLampPictures)]);
  }
}

}  // namespace zendral
