#pragma once
// The small animation of the waiting window: a ring of dots whose bright spot goes round
// while the program waits for the other player.

#include <QTimer>
#include <QWidget>

namespace zendral::lan {

class WaitingSpinner : public QWidget {
 public:
  explicit WaitingSpinner(QWidget* parent = nullptr);

  void Start();
  void Stop();
  bool IsRunning() const { return timer_.isActive(); }
  int Step() const { return step_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QTimer timer_;
  int step_ = 0;
};

}  // namespace zendral::lan
