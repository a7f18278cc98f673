#include "present/geometry/CardFlight.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace zendral {
namespace {

std::vector<PixelPoint> Fly(PixelPoint from, PixelPoint to) {
  FlightPath path(from, to);
  std::vector<PixelPoint> points;
  while (!path.AtTarget() && points.size() < 10000) points.push_back(path.Step());
  return points;
}

TEST(FlightPath, ShallowFlightMovesXOnePixelPerStep) {
  // From (100, 400) to (300, 200): y = round(-200 * (x - 100) / 200 + 400), 200 steps.
  const auto points = Fly({100, 400}, {300, 200});
  ASSERT_EQ(points.size(), 200u);
  for (std::size_t i = 0; i < points.size(); ++i) {
    const int x = 101 + static_cast<int>(i);
    EXPECT_EQ(points[i], (PixelPoint{x, 400 - (x - 100)})) << i;
  }
  EXPECT_EQ(FlightPath({100, 400}, {300, 200}).StepCount(), 200);
}

TEST(FlightPath, EachStepMovesOnePixelAlongTheLongerAxisAndEndsOnTheTarget) {
  struct Case {
    PixelPoint from, to;
  } cases[] = {
      {{0, 0}, {4, 2}},        {{10, 10}, {3, 40}}, {{500, 50}, {20, 7}},
      {{30, 700}, {330, 300}}, {{5, 5}, {5, -20}},  {{0, 0}, {-7, 7}},
  };
  for (const auto& c : cases) {
    const auto points = Fly(c.from, c.to);
    const int dx = c.to.x - c.from.x, dy = c.to.y - c.from.y;
    ASSERT_EQ(points.size(), static_cast<std::size_t>(std::max(std::abs(dx), std::abs(dy))));
    EXPECT_EQ(points.back(), c.to);
    PixelPoint last = c.from;
    for (const PixelPoint p : points) {
      EXPECT_LE(std::abs(p.x - last.x), 1);
      EXPECT_LE(std::abs(p.y - last.y), 1);
      // Never more than half a pixel off the straight line, measured along the shorter axis.
      if (std::abs(dx) >= std::abs(dy)) {
        EXPECT_LE(std::abs(p.y - (c.from.y + double(dy) * (p.x - c.from.x) / dx)), 0.5);
      } else {
        EXPECT_LE(std::abs(p.x - (c.from.x + double(dx) * (p.y - c.from.y) / dy)), 0.5);
      }
      last = p;
    }
  }
}

TEST(FlightPath, HalfwayPointsRoundToEven) {
  // (0, 0) to (4, 2): y is 0.5 at x 1 and 1.5 at x 3, both going to the even neighbour.
  const auto points = Fly({0, 0}, {4, 2});
  EXPECT_EQ(points, (std::vector<PixelPoint>{{1, 0}, {2, 1}, {3, 2}, {4, 2}}));
}

TEST(FlightPath, AFlightToItsOwnStartHasNoSteps) {
  FlightPath path({7, 9}, {7, 9});
  EXPECT_TRUE(path.AtTarget());
  EXPECT_EQ(path.StepCount(), 0);
  EXPECT_EQ(path.Step(), (PixelPoint{7, 9}));
}

TEST(FlightEnds, SeatOneStartsMidHandSeatTwoFromItsSlot) {
  const TableScale scale = ScaleFor(kSmallWindow, {});
  const TablePlacement place = PlaceTable(scale, CardMetricsFor(scale));
  const HandFan fan = ArrangeHand(430, 71, 18);
  // The middle of the hidden hand: round(165 + 215 - 35.5) = round(344.5) = 344.
  EXPECT_EQ(FlightStart(kSeat1, place.hand[kSeat1], fan, 7), (PixelPoint{344, 10}));
  EXPECT_EQ(FlightStart(kSeat2, place.hand[kSeat2], fan, 7), (PixelPoint{165 + 120, 394}));
  EXPECT_EQ(FlightTarget(scale, place.layout, TCardCode(9, kHearts)), (PixelPoint{511, 250}));
  EXPECT_EQ(FlightTarget(scale, place.layout, TCardCode(1, kSpades)), (PixelPoint{175, 150}));
}

TEST(FlightPacer, WaitsAfterEachStepBySpeed) {
  struct Case {
    int speed;
    std::vector<int> waits;  // after steps 1..6
    bool drawFirst;
  } cases[] = {
      {1, {2, 2, 2, 2, 2, 2}, true}, {2, {1, 1, 1, 1, 1, 1}, true},  {3, {0, 1, 0, 1, 0, 1}, true},
      {4, {0, 0, 1, 0, 0, 1}, true}, {5, {0, 0, 0, 0, 0, 0}, true},  {6, {0, 0, 0, 0, 0, 0}, false},
      {0, {2, 2, 2, 2, 2, 2}, true}, {9, {0, 0, 0, 0, 0, 0}, false},  // damaged settings
  };
  for (const auto& c : cases) {
    FlightPacer pacer;
    std::vector<int> waits;
    for (int step = 1; step <= 6; ++step) {
      const FlightPacing pacing = pacer.AfterStep(c.speed, step);
      waits.push_back(pacing.waitMs);
      EXPECT_EQ(pacing.draw, step > 1 || c.drawFirst) << c.speed << " step " << step;
    }
    EXPECT_EQ(waits, c.waits) << "speed " << c.speed;
  }
}

TEST(FlightPacer, ThePausePhaseCarriesOverToTheNextFlight) {
  FlightPacer pacer;
  pacer.AfterStep(4, 1);  // a flight of one step leaves the phase at 1
  EXPECT_EQ(pacer.AfterStep(4, 1).waitMs, 0);
  EXPECT_EQ(pacer.AfterStep(4, 2).waitMs, 1);  // the third step overall pauses
  pacer.AfterStep(3, 1);
  EXPECT_EQ(pacer.AfterStep(3, 2).waitMs, 1);
}

TEST(FlightRects, TheRefreshHoldsTheNextStepsSpriteInAnyDirection) {
  const PixelRect sprite{100, 200, 71, 96};
  const PixelRect refresh = FlightRefreshRect(sprite);
  for (int dx = -1; dx <= 1; ++dx) {
    for (int dy = -1; dy <= 1; ++dy) {
      const PixelRect next{sprite.left + dx, sprite.top + dy, 71, 96};
      EXPECT_GE(next.left, refresh.left);
      EXPECT_GE(next.top, refresh.top);
      EXPECT_LE(next.Right(), refresh.Right());
      EXPECT_LE(next.Bottom(), refresh.Bottom());
    }
  }
  EXPECT_EQ(FlightEraseRect(sprite), (PixelRect{98, 198, 73, 98}));
}

}  // namespace
}  // namespace zendral
