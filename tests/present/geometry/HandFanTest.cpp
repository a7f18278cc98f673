#include "present/geometry/HandFan.h"

#include <gtest/gtest.h>

#include <vector>

#include "present/geometry/TablePlacement.h"

namespace zendral {
namespace {

std::vector<int> Xs(const HandFan& fan) {
  return std::vector<int>(fan.cardX.begin(), fan.cardX.begin() + fan.count);
}

Hand FullHand(int count) {
  Hand hand;
  for (int slot = 1; slot <= count; ++slot) hand[slot] = CardFromNumber(slot);
  hand.CardCount = count;
  return hand;
}

TEST(ArrangeHand, EighteenSmallCardsOverlapFromTheLeftEdge) {
  // 18 x 74 = 1332 > 430: step trunc((430 - 74) / 17) = 20, the last card at 340.
  const HandFan fan = ArrangeHand(430, 71, 18);
  ASSERT_EQ(fan.count, 18);
  EXPECT_EQ(fan.X(1), 0);
  EXPECT_EQ(fan.X(2), 20);
  EXPECT_EQ(fan.X(18), 340);
  EXPECT_EQ(fan.VisibleWidth(1), 20);
  EXPECT_EQ(fan.VisibleWidth(18), 71);
}

TEST(ArrangeHand, FewCardsStandSideBySideCentred) {
  struct Case {
    int width, cardWidth, count;
    std::vector<int> xs;
  } cases[] = {
      // 430 / 5 = 86 >= 74: c = 215, the first card at round(215 - 185) = 30.
      {430, 71, 5, {30, 104, 178, 252, 326}},
      {430, 71, 1, {178}},  // 215 - 37
      {430, 71, 0, {}},
      // Large pictures at the large window: step 149, c = 430; each x is rounded on its own,
      // halves to even (57.5, 206.5, 355.5, ...), so the gaps alternate by a pixel.
      {860, 146, 5, {58, 206, 356, 504, 654}},
      {559, 92, 5, {42, 138, 232, 328, 422}},  // c = round(279.5) = 280
      // Seven cards do not fit at 1.3 (559 / 7 < 95): they overlap by trunc((559 - 95) / 6).
      {559, 92, 7, {0, 77, 154, 231, 308, 385, 462}},
      {559,
       92,
       18,
       {0, 27, 54, 81, 108, 135, 162, 189, 216, 243, 270, 297, 324, 351, 378, 405, 432, 459}},
  };
  for (const auto& c : cases) {
    const HandFan fan = ArrangeHand(c.width, c.cardWidth, c.count);
    EXPECT_EQ(Xs(fan), c.xs) << c.width << " " << c.count;
    for (int i = 1; i < fan.count; ++i) {
      EXPECT_LE(fan.X(i + 1) - fan.X(i), c.cardWidth + kHandGap + 1) << "cards never drift apart";
    }
    if (fan.count > 0) {
      EXPECT_LE(fan.X(fan.count) + c.cardWidth, c.width) << "inside the area";
    }
  }
}

TEST(ArrangeHand, SideBySideCardsAreCentredWithinAPixel) {
  for (int n = 1; n <= 5; ++n) {
    const HandFan fan = ArrangeHand(430, 71, n);
    const int leftMargin = fan.X(1);
    const int rightMargin = 430 - (fan.X(n) + 71);
    EXPECT_LE(std::abs(leftMargin - rightMargin), 3) << n;  // the trailing gap is counted in
  }
}

TEST(ArrangeHand, AnAreaNarrowerThanACardStacksTheCards) {
  const HandFan fan = ArrangeHand(50, 71, 3);
  EXPECT_EQ(Xs(fan), (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(ArrangeHand(50, 71, 1).X(1), 0);
}

TEST(HandSlotAt, ACardIsHitOnThePartTheNextCardLeavesVisible) {
  const Hand hand = FullHand(18);
  const HandFan overlapping = ArrangeHand(430, 71, 18);
  const HandFan apart = ArrangeHand(430, 71, 5);
  struct Case {
    const HandFan* fan;
    int x;
    int slot;
  } cases[] = {
      {&overlapping, -1, 0},
      {&overlapping, 0, 1},
      {&overlapping, 19, 1},
      {&overlapping, 20, 2},
      {&overlapping, 339, 17},
      {&overlapping, 340, 18},
      {&overlapping, 410, 18},
      {&overlapping, 411, 0},
      {&apart, 29, 0},
      {&apart, 30, 1},
      {&apart, 100, 1},
      {&apart, 103, 1},  // the gap before the next card belongs to the card on its left
      {&apart, 104, 2},
      {&apart, 396, 5},
      {&apart, 397, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HandSlotAt(*c.fan, hand, c.x), c.slot) << "x " << c.x << " of " << c.fan->count;
  }
}

TEST(HandSlotAt, AnEmptiedSlotIsNoHit) {
  // The fan as last arranged can be ahead of the hand: the card of slot 5 has just left.
  Hand hand = FullHand(5);
  hand[5] = kEmptyCard;
  const HandFan fan = ArrangeHand(430, 71, 5);
  EXPECT_EQ(HandSlotAt(fan, hand, 330), 0);
  EXPECT_EQ(HandSlotAt(fan, hand, 260), 4);
  EXPECT_EQ(HandSlotAt(ArrangeHand(430, 71, 0), hand, 100), 0);
}

TEST(HandSlotAt, EveryPixelOfTheFanHitsTheTopmostCardThere) {
  // Cross-check at every size: the slot hit is the last card whose picture covers x.
  for (int windowSize : {kSmallWindow, kAverageWindow1, kAverageWindow2, kLargeWindow}) {
    const TableScale scale = ScaleFor(windowSize, ClientAreaFor(windowSize, {}));
    const CardMetrics card = CardMetricsFor(scale);
    for (int n : {1, 4, 7, 12, 18}) {
      const HandFan fan = ArrangeHand(HandFanWidth(scale), card.width, n);
      const Hand hand = FullHand(n);
      for (int x = -2; x < HandFanWidth(scale) + 2; ++x) {
        int topmost = 0;
        for (int i = 1; i <= n; ++i) {
          if (x >= fan.X(i) && x < fan.X(i) + card.width) topmost = i;
        }
        const int hit = HandSlotAt(fan, hand, x);
        if (topmost != 0) {
          EXPECT_EQ(hit, topmost) << "size " << windowSize << " n " << n << " x " << x;
        } else if (hit != 0) {
          // Only the gap between side-by-side cards hits a card that does not cover x.
          EXPECT_LT(x, fan.X(hit + 1)) << "size " << windowSize << " n " << n << " x " << x;
          EXPECT_GE(x, fan.X(hit) + card.width);
        }
      }
    }
  }
}

}  // namespace
}  // namespace zendral
