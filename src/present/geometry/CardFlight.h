#pragma once
// The card flight (FlyCard) as arithmetic: where a laid card starts and lands, the pixel
// path between the two, and the pause after each step for the flight speed. The window
// code draws the sprite at each point the path gives.

#include "game/Card.h"
#include "present/geometry/HandFan.h"
#include "present/geometry/TablePlacement.h"

namespace zendral {

// The card's layout place on the window.
PixelPoint FlightTarget(const TableScale& scale, const PixelRect& layoutArea, TCardCode card);

// Where the card leaves the hand. Seat 1's cards are hidden, so its card starts from the
// middle of its hand; seat 2's from the slot it lay in before it left (fan as arranged then).
PixelPoint FlightStart(int seat, const PixelRect& handArea, const HandFan& fan, int slot);

// The path: one pixel per step along the longer axis, the other coordinate on the straight
// line from the start to the target.
class FlightPath {
 public:
  FlightPath(PixelPoint start, PixelPoint target);

  bool AtTarget() const { return position_ == target_; }
  PixelPoint Position() const { return position_; }
  // Moves one step toward the target and returns the new point; at the target it stays.
  PixelPoint Step();
  // Steps from the start to the target.
  int StepCount() const;

 private:
  PixelPoint start_;
  PixelPoint target_;
  PixelPoint position_;
};

// What the flight does after step n (1-based) at a speed.
struct FlightPacing {
  bool draw = true;  // draw the sprite at this step
  int waitMs = 0;    // pause after the step
};

inline constexpr int kSlowestCardSpeed = 1;
inline constexpr int kFastestCardSpeed = 6;

// The six speeds. Speeds 3 and 4 pause after every second and every third step; the phase
// counter that decides which step lives across flights, so a pacer is kept by the table for
// as long as the program runs.
class FlightPacer {
 public:
  // cardSpeed outside 1..6 (a damaged setting) is taken as the nearest speed.
  FlightPacing AfterStep(int cardSpeed, int step);
  int Phase() const { return phase_; }

 private:
  int phase_ = 0;
};

// The window rectangle to refresh after a step: the sprite's previous rectangle widened by
// two pixels on every side; it holds the new one, since a step moves at most a pixel each way.
PixelRect FlightRefreshRect(const PixelRect& previous);
// The rectangle restored when the sprite is erased at the end: widened to the left and top.
PixelRect FlightEraseRect(const PixelRect& last);

}  // namespace zendral
