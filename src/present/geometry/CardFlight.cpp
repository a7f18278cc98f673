#include "present/geometry/CardFlight.h"

#include <algorithm>
#include <cstdlib>

namespace zendral {

PixelPoint FlightTarget(const TableScale& scale, const PixelRect& layoutArea, TCardCode card) {
  const PixelPoint cell = LayoutCellOffset(scale, card.suit, card.rank);
  return {layoutArea.left + cell.x, layoutArea.top + cell.y};
}

PixelPoint FlightStart(int seat, const PixelRect& handArea, const HandFan& fan, int slot) {
  if (seat == kSeat1) {
    const double middle = handArea.left + handArea.width / 2.0 - fan.cardWidth / 2.0;
    return {RoundHalfEven(middle), handArea.top};
  }
  return {handArea.left + fan.X(slot), handArea.top};
}

FlightPath::FlightPath(PixelPoint start, PixelPoint target)
    : start_(start), target_(target), position_(start) {}

int FlightPath::StepCount() const {
  return std::max(std::abs(target_.x - start_.x), std::abs(target_.y - start_.y));
}

PixelPoint FlightPath::Step() {
  if (AtTarget()) return position_;
  const int dx = target_.x - start_.x;
  const int dy = target_.y - start_.y;
  if (std::abs(dx) >= std::abs(dy)) {
    position_.x += target_.x >= start_.x ? 1 : -1;
    position_.y = RoundHalfEven(static_cast<double>(dy) * (position_.x - start_.x) / dx + start_.y);
  } else {
    position_.y += target_.y >= start_.y ? 1 : -1;
    position_.x = RoundHalfEven(static_cast<double>(dx) * (position_.y - start_.y) / dy + start_.x);
  }
  return position_;
}

FlightPacing FlightPacer::AfterStep(int cardSpeed, int step) {
  FlightPacing pacing;
  switch (std::clamp(cardSpeed, kSlowestCardSpeed, kFastestCardSpeed)) {
    case 1:
      pacing.waitMs = 2;
      break;
    case 2:
      pacing.waitMs = 1;
      break;
    case 3:
      phase_ = (phase_ + 1) % 2;
      pacing.waitMs = phase_ == 0 ? 1 : 0;
      break;
    case 4:
      phase_ = (phase_ + 1) % 3;
      pacing.waitMs = phase_ == 0 ? 1 : 0;
      break;
    case 5:
      break;
    case 6:
      pacing.draw = step != 1;
      break;
  }
  return pacing;
}

PixelRect FlightRefreshRect(const PixelRect& previous) {
  return {previous.left - 2, previous.top - 2, previous.width + 4, previous.height + 4};
}

PixelRect FlightEraseRect(const PixelRect& last) {
  return {last.left - 2, last.top - 2, last.width + 2, last.height + 2};
}

}  // namespace zendral
