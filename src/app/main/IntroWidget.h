#pragma once
// The intro: the program's title over the felt and a layout that builds itself outward from
// the four nines, one card per few ticks of Timer1, with the version text. A key or a click
// ends it.

#include <QPixmap>
#include <QWidget>
#include <functional>
#include <memory>

#include "game/Layout.h"

namespace zendral {

class TableArt;
class IntroWidget : public QWidget {
 public:
  // `ended` is called on the key or click that ends the intro.
  IntroWidget(std::function<void()> ended, QWidget* parent);
  ~IntroWidget() override;

  // The next frame, on every tick of Timer1 while the intro is shown.
  void Tick();
  int CardsShown() const { return shown_; }
  // Once the layout has stood whole, a line under it says how to go on.
  bool HintShown() const { return hinted_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::function<void()> ended_;
  std::unique_ptr<TableArt> art_;  // the small window's table, for the felt and the cards
  QPixmap caption_;                // the title at its place's size
  int tick_ = 0;
  int shown_ = 0;
  bool hinted_ = false;
};

}  // namespace zendral
