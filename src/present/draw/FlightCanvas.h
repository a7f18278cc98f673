#pragma once
// The drawing side of the card flight: a clean snapshot of the window taken when the flight
// starts, a back buffer, and the sprite moved over them one step at a time. Each step touches
// only the sprite's neighbourhood; the window copies the rectangle a step returns.

#include <QImage>
#include <QPixmap>
#include <QRect>

#include "present/geometry/CardFlight.h"

namespace zendral {

class FlightCanvas {
 public:
  // snapshot: the window as it is at the start, in logical pixels at its device pixel ratio.
  // The sprite is drawn at start at once.
  FlightCanvas(const QImage& snapshot, const QPixmap& sprite, PixelPoint start);

  // Moves the sprite: its old rectangle gets the snapshot back, the sprite is drawn at the new
  // point. Returns the window rectangle to copy from the back buffer: the old rectangle
  // widened by 2 pixels on every side, which holds the new one.
  QRect MoveTo(PixelPoint point);

  // Takes the sprite away at the end and returns the rectangle to copy to the window.
  QRect Erase();

  const QImage& backBuffer() const { return back_; }
  const QImage& snapshot() const { return snapshot_; }  // what a repaint shows meanwhile
  QRect SpriteRect() const { return sprite_; }

 private:
  void Restore(const QRect& r);
  void DrawSprite();

  QImage snapshot_;
  QImage back_;
  QPixmap picture_;
  QRect sprite_;
};

}  // namespace zendral
