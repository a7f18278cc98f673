#include "present/geometry/HandFan.h"

#include <algorithm>

#include "present/geometry/TableScale.h"

namespace zendral {

int HandFan::VisibleWidth(int slot) const {
  if (slot < 1 || slot > count) return 0;
  if (slot == count) return cardWidth;
  return std::clamp(X(slot + 1) - X(slot), 0, cardWidth);
}

HandFan ArrangeHand(int areaWidth, int cardWidth, int cardCount) {
  HandFan fan;
  fan.count = std::clamp(cardCount, 0, kHandSlots);
  fan.cardWidth = cardWidth;
  const int n = fan.count;
  if (n == 0) return fan;

  const int step = cardWidth + kHandGap;
  const double perCard = static_cast<double>(areaWidth) / n;
  if (perCard >= step) {
    const double centre = RoundHalfEven(areaWidth / 2.0);
    for (int i = 1; i <= n; ++i) {
      fan.cardX[i - 1] = RoundHalfEven(centre - n * step / 2.0 + (i - 1) * step);
    }
  } else if (n > 1) {
    // trunc(W / n - (s - W / n) / (n - 1)) is trunc((W - s) / (n - 1)). An area narrower
    // than one card stacks the cards on one another rather than running them off to the left.
    const int overlap = std::max(0, (areaWidth - step) / (n - 1));
    for (int i = 1; i <= n; ++i) fan.cardX[i - 1] = (i - 1) * overlap;
  }
  return fan;
}

int HandSlotAt(const HandFan& fan, const Hand& hand, int x) {
  for (int i = 1; i <= fan.count; ++i) {
    const int from = fan.X(i);
    const int to = i < fan.count ? fan.X(i + 1) : from + fan.cardWidth;
    if (x >= from && x < to) return hand[i].IsEmpty() ? 0 : i;
  }
  return 0;
}

}  // namespace zendral
