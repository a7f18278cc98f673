#include "app/main/BackgroundTask.h"

#include <QCoreApplication>
#include <QThread>
#include <QWidget>

#include "app/main/NextPicture.h"

namespace zendral {

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
  watch_ = std::make_unique<NextPicture>(window, [this] { Start(); });
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
    watch_->Cancel();
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
