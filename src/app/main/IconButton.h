#pragma once
// A picture that is clicked: a push button that draws its icon, centred, and nothing else in
// any state. The menu's icons stand on the felt, not on a button of a scheme; drawing them here
// rather than through a style sheet keeps the style sheet engine out of the start.

#include <QPushButton>

namespace zendral {

class IconButton : public QPushButton {
 public:
  explicit IconButton(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace zendral
