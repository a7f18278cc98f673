#include "app/main/NextPicture.h"

#include <QEvent>
#include <QTimer>

namespace zendral {

NextPicture::NextPicture(QWidget* window, std::function<void()> then)
    : window_(window), then_(std::move(then)) {
  window_->installEventFilter(this);
  QTimer::singleShot(kLatestMs, this, [this] { RunNow(); });
}

NextPicture::~NextPicture() {
  if (window_) window_->removeEventFilter(this);
}

void NextPicture::RunNow() {
  // Taken first: the work may delete this watch.
  if (std::function<void()> then = std::exchange(then_, nullptr)) then();
}

bool NextPicture::eventFilter(QObject* watched, QEvent* event) {
  // A window paints inside the handling of its update request, so what is queued while that
  // request is seen runs right after the painting.
  if (watched == window_ && event->type() == QEvent::UpdateRequest && !queued_) {
    queued_ = true;
    QMetaObject::invokeMethod(
        this, [this] { RunNow(); }, Qt::QueuedConnection);
  }
  return false;
}

}  // namespace zendral
