#pragma once
// One piece of work on a thread of its own, with its ending handed back to the window's
// thread: the online part of the start-up (the path directory, the saved log-in, the start
// report, the first chat and news checks), so that a club server that is slow or never
// answers costs the intro and the menu nothing.
//
// The window's thread keeps away from what the work touches until `finished` has run. Where
// it cannot wait for that (a click on an online icon), Await waits for it, keeping the
// windows painted and the timers running but taking no input.

#include <QObject>

class QWidget;
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

namespace zendral {

class NextPicture;

class BackgroundTask {
 public:
  // Starts `work` at once; `finished` runs on the thread of `context` once the work is done
  // (from its event loop, or from Await, whichever comes first; exactly once).
  BackgroundTask(QObject* context, std::function<void()> work, std::function<void()> finished);
  // The same for a window (a widget as `context` chooses this one), but the work starts only
  // once the window has painted its next picture (or from Await, or after a second if
  // the window paints nothing): the libraries and the threads the work brings do not delay
  // that picture. Pending is true meanwhile.
  BackgroundTask(QWidget* window, std::function<void()> work, std::function<void()> finished);
  // Waits for the work (the owner makes it end quickly first, e.g. by cancelling requests);
  // `finished` is not run then.
  ~BackgroundTask();
  BackgroundTask(const BackgroundTask&) = delete;
  BackgroundTask& operator=(const BackgroundTask&) = delete;

  // True until `finished` has run.
  bool Pending() const { return !finishedRun_; }
  // Returns once `finished` has run (at once when it has).
  void Await();

 private:
  void Start();
  void Finish();

  std::function<void()> work_;
  std::function<void()> finished_;
  std::atomic<bool> done_{false};
  bool finishedRun_ = false;
  QObject guard_;  // receives the queued ending and the deferred start; gone with the task
  std::unique_ptr<NextPicture> watch_;
  std::thread thread_;
};

}  // namespace zendral
