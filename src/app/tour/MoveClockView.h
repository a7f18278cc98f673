#pragma once
// The move clock of one seat at a tournament table (ImTimer1, ImTimer2): a square at the
// seat's name plate showing the seconds left, yellow with red digits from 8 up, red with
// yellow digits below 8. Shown only at a tournament table; −1 clears it.

#include <QWidget>

namespace zendral::tour {

class MoveClockView : public QWidget {
 public:
  MoveClockView(int seat, QWidget* parent);
  // The seconds to show, or −1 for a cleared square.
  void Show(int seconds);
  int Seconds() const { return seconds_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int seconds_ = -1;
};

}  // namespace zendral::tour
