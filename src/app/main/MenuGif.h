#pragma once
// One of the main menu's two animated pictures, "GifMenu1" and "GifMenu2".

#include <QImage>
#include <QWidget>
#include <vector>

class QTimer;

namespace zendral {

// One of the two animated pictures.
class MenuGif : public QWidget {
 public:
  MenuGif(int which, QWidget* parent);
  void Start(bool animated);
  int Frame() const { return frame_; }
  bool Running() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int which_;
  int frame_ = 0;
  std::vector<QImage> frames_;  // painted when first shown
  QTimer* timer_;
};

}  // namespace zendral
