#include "app/main/MenuGif.h"

#include <QPainter>
#include <QTimer>

#include "app/main/MenuPictures.h"
#include "app/menuart/PictureBook.h"

namespace zendral {

MenuGif::MenuGif(int which, QWidget* parent)
    : QWidget(parent), which_(which), frames_(kMenuGifFrames), timer_(new QTimer(this)) {
  setObjectName(which == 1 ? "RxGIFAn1" : "RxGIFAn2");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  timer_->setInterval(kMenuGifFrameMs);
  connect(timer_, &QTimer::timeout, this, [this] {
    if (!isVisible()) return;  // the table is on screen
    frame_ = (frame_ + 1) % kMenuGifFrames;
    update();
  });
}

void MenuGif::Start(bool animated) {
  if (animated) {
    frame_ = 0;
    timer_->start();
  } else {
    timer_->stop();
    frame_ = StillGifFrame(which_);
  }
  update();
}

bool MenuGif::Running() const {
  return timer_->isActive();
}

void MenuGif::paintEvent(QPaintEvent*) {
  // Each frame is painted when it is first shown: a still picture never paints the others,
  // and the menu's first picture waits for one frame only.
  QImage& frame = frames_[static_cast<std::size_t>(frame_)];
  if (frame.isNull()) frame = BookPicture(GifPage(which_, frame_));
  QPainter p(this);
  p.drawImage(0, 0, frame);
}

}  // namespace zendral
