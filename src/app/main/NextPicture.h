#pragma once
// Work for the window's thread that waits for the window's next painted picture: what the
// first picture does not need (the online start-up, the radio list and the music playlist)
// starts right after it, or after kLatestMs if the window paints nothing. Deleting the watch
// first (or the window going) cancels the work.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace zendral {

class NextPicture : public QObject {
 public:
  static constexpr int kLatestMs = 1000;

  NextPicture(QWidget* window, std::function<void()> then);
  ~NextPicture() override;

  // Runs the work now if it has not run (from within a call of its own, too).
  void RunNow();
  // The work will not run.
  void Cancel() { then_ = nullptr; }

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QWidget> window_;
  std::function<void()> then_;
  bool queued_ = false;
};

}  // namespace zendral
