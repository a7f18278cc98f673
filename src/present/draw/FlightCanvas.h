#pragma once
// The drawing side of the card flight: the window as it was when the flight started, and the
// sprite at its point over it. The picture is shared with the table's buffer, not copied, and
// nothing is drawn into it: a repaint of any rectangle draws that part of the picture and the
// sprite on top, so each step costs only the sprite's neighbourhood and the flight needs no
// window-sized buffer of its own.

#include <QImage>
#include <QPixmap>
#include <QRect>

#include "present/geometry/CardFlight.h"

class QPainter;

namespace zendral {

class FlightCanvas {
 public:
  // snapshot: the window as it is at the start, in logical pixels at its device pixel ratio.
  // The sprite shows at start at once.
  FlightCanvas(const QImage& snapshot, const QPixmap& sprite, PixelPoint start);

  // Moves the sprite. Returns the window rectangle to repaint: the old rectangle widened by 2
  // pixels on every side, which holds the new one.
  QRect MoveTo(PixelPoint point);

  // Takes the sprite away at the end and returns the rectangle to repaint.
  QRect Erase();

  // Paints the window as the flight shows it now, inside `area` (logical pixels).
  void Paint(QPainter& p, const QRect& area) const;

  const QImage& snapshot() const { return snapshot_; }  // the window under the sprite
  QRect SpriteRect() const { return sprite_; }
  bool SpriteShown() const { return shown_; }

 private:
  QImage snapshot_;
  QPixmap picture_;
  QRect sprite_;
  bool shown_ = true;
};

}  // namespace zendral
