#include "app/main/BackgroundTask.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QWidget>

namespace zendral {

// Watches a window for its next picture. A window paints inside the handling of its update
// request, so a start queued while that request is seen runs right after the painting.
class BackgroundTask::PaintWatch : public QObject {
 public:
  PaintWatch(QWidget* window, BackgroundTask& task) : window_(window), task_(&task) {
    window_->installEventFilter(this);
    QTimer::singleShot(kLatestStartMs, this, [this] { StartTask(); });
  }
  ~PaintWatch() override {
    if (window_) window_->removeEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::UpdateRequest && !queued_) {
      queued_ = true;
      QMetaObject::invokeMethod(
          this, [this] { StartTask(); }, Qt::QueuedConnection);
    }
    return false;
  }

  // The task has started otherwise or is going: the watch only waits to be deleted.
  void Forget() { task_ = nullptr; }

 private:
  QPointer<QWidget> window_;
  void StartTask() {
    if (task_ != nullptr) task_->Start();
  }

  BackgroundTask* task_;
  bool queued_ = false;
};

BackgroundTask::BackgroundTask(QObject* context, std::function<void()> work,
                               std::function<void()> finished)
    : work_(std::move(work)), finished_(std::move(finished)) {
  guard_.moveToThread(context->thread());
  Start();
}

BackgroundTask::BackgroundTask(QWidget* window, std::function<void()> work,
                               std::function<void()> finished)
    : work_(std::move(work)), finished_(std::move(finished)) {
  guard_.moveToThread(window->thread());
  watch_ = std::make_unique<PaintWatch>(window, *this);
}

BackgroundTask::~BackgroundTask() {
  watch_.reset();
  if (thread_.joinable()) thread_.join();
  // A queued ending still waiting goes with guard_.
}

void BackgroundTask::Start() {
  if (!work_) return;  // started already
  // The watch may be calling from its own slot: its deletion is left to the event loop.
  if (watch_) {
    watch_->Forget();
    watch_.release()->deleteLater();
  }
  thread_ = std::thread([this, work = std::move(work_)] {
    work();
    done_ = true;
    QMetaObject::invokeMethod(
        &guard_, [this] { Finish(); }, Qt::QueuedConnection);
  });
  work_ = nullptr;
}

void BackgroundTask::Finish() {
  if (finishedRun_) return;
  finishedRun_ = true;
  if (thread_.joinable()) thread_.join();
  if (finished_) finished_();
}

void BackgroundTask::Await() {
  Start();
  while (!done_) {
    // Paints and timers go on; clicks, keys and sockets wait, so nothing starts meanwhile
    // that the work could meet.
    QCoreApplication::processEvents(
        QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers, 10);
    QThread::msleep(5);
  }
  Finish();
}

}  // namespace zendral
