#include "app/main/BackgroundTask.h"

#include <QCoreApplication>
#include <QThread>

namespace zendral {

BackgroundTask::BackgroundTask(QObject* context, std::function<void()> work,
                               std::function<void()> finished)
    : finished_(std::move(finished)) {
  guard_.moveToThread(context->thread());
  thread_ = std::thread([this, work = std::move(work)] {
    work();
    done_ = true;
    QMetaObject::invokeMethod(
        &guard_, [this] { Finish(); }, Qt::QueuedConnection);
  });
}

BackgroundTask::~BackgroundTask() {
  if (thread_.joinable()) thread_.join();
  // A queued ending still waiting goes with guard_.
}

void BackgroundTask::Finish() {
  if (finishedRun_) return;
  finishedRun_ = true;
  if (thread_.joinable()) thread_.join();
  if (finished_) finished_();
}

void BackgroundTask::Await() {
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
