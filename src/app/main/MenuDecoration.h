#pragma once
// A side decoration of the main menu with its three lamps.

#include <QImage>
#include <QWidget>
#include <array>

namespace zendral {

// A side decoration with its three lamp cells.
class MenuDecoration : public QWidget {
 public:
  MenuDecoration(bool right, QWidget* parent);
  void ShowLamps(const std::array<int, 3>& lamps);
  const std::array<int, 3>& Lamps() const { return lamps_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
  std::array<int, 3> lamps_{0, 1, 2};
};

}  // namespace zendral
