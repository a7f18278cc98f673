// The places of the main menu's ornaments at the window sizes, and the lamps' phases.

#include "app/main/MenuGeometry.h"

#include <gtest/gtest.h>

#include <set>

namespace zendral {
namespace {

struct OrnamentCase {
  const char* name;
  int windowSize;
  ClientSize client;
  bool calendar;
  PixelRect gif1, gif2, left, right;
  bool clocks;
  PixelRect clock1, clock2;  // only checked with clocks
};

TEST(MenuGeometry, OrnamentsStandCentredInTheirScaledPlaces) {
  const OrnamentCase cases[] = {
      {"small",
       kSmallWindow,
       {760, 500},
       false,
       {7, 290, 160, 200},
       {592, 290, 160, 200},
       {60, 30, 100, 200},
       {600, 30, 100, 200},
       false,
       {},
       {}},
      // The calendar pushes the decorations 20 units outwards.
      {"small with the calendar",
       kSmallWindow,
       {760, 500},
       true,
       {7, 290, 160, 200},
       {592, 290, 160, 200},
       {40, 30, 100, 200},
       {620, 30, 100, 200},
       false,
       {},
       {}},
      // 1.3: 1.3 * 7 = 9.1 and 0.3 * 80 = 24; no clocks at this size.
      {"average 1",
       kAverageWindow1,
       {990, 650},
       false,
       {33, 407, 160, 200},
       {794, 407, 160, 200},
       {93, 69, 100, 200},
       {795, 69, 100, 200},
       false,
       {},
       {}},
      {"average 1 with the calendar",
       kAverageWindow1,
       {990, 650},
       true,
       {33, 407, 160, 200},
       {794, 407, 160, 200},
       {67, 69, 100, 200},
       {821, 69, 100, 200},
       false,
       {},
       {}},
      // 1.7: "Top Ten" at round(382.5) = 382, the gap of 61 halves to round(30.5) = 30.
      {"average 2",
       kAverageWindow2,
       {1290, 850},
       false,
       {68, 563, 160, 200},
       {1062, 563, 160, 200},
       {137, 121, 100, 200},
       {1055, 121, 100, 200},
       true,
       {130, 315, 115, 64},
       {1048, 315, 115, 64}},
      {"large",
       kLargeWindow,
       {1520, 1000},
       false,
       {94, 680, 160, 200},
       {1264, 680, 160, 200},
       {170, 160, 100, 200},
       {1250, 160, 100, 200},
       true,
       {163, 369, 115, 64},
       {1243, 369, 115, 64}},
      // ScaleX 2.0, ScaleY 1.8: the gap of 71 rounds up to 36.
      {"full screen 1520 x 900",
       kFullScreen,
       {1520, 900},
       false,
       {94, 602, 160, 200},
       {1264, 602, 160, 200},
       {170, 134, 100, 200},
       {1250, 134, 100, 200},
       true,
       {163, 334, 115, 64},
       {1243, 334, 115, 64}},
  };
  for (const OrnamentCase& c : cases) {
    SCOPED_TRACE(c.name);
    const TableScale scale = ScaleFor(c.windowSize, c.client);
    const MenuOrnaments o = PlaceOrnaments(scale, PlaceMenu(scale), c.calendar, c.client);
    EXPECT_EQ(o.gif1, c.gif1);
    EXPECT_EQ(o.gif2, c.gif2);
    EXPECT_EQ(o.leftDecoration, c.left);
    EXPECT_EQ(o.rightDecoration, c.right);
    EXPECT_EQ(o.clocksShown, c.clocks);
    if (c.clocks) {
      EXPECT_EQ(o.clock1, c.clock1);
      EXPECT_EQ(o.clock2, c.clock2);
      // Each clock ends above the button below it.
      const MenuLayout m = PlaceMenu(scale);
      EXPECT_LE(o.clock1.Bottom(), m.topTen.top);
      EXPECT_LE(o.clock2.Bottom(), m.options.top);
    }
  }
}

TEST(MenuGeometry, TheFullScreenHasClocksOnlyAboveTheAverageWindow2) {
  const struct {
    int windowSize;
    ClientSize client;
    bool allowed;
  } cases[] = {
      {kSmallWindow, {760, 500}, false},    {kAverageWindow1, {990, 650}, false},
      {kAverageWindow2, {1290, 850}, true}, {kLargeWindow, {1520, 1000}, true},
      {kFullScreen, {1290, 850}, false},    {kFullScreen, {1291, 851}, true},
      {kFullScreen, {1920, 850}, false},    {kFullScreen, {1290, 1080}, false},
      {kFullScreen, {1920, 1080}, true},    {7, {1920, 1080}, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ClocksAllowed(c.windowSize, c.client), c.allowed)
        << c.windowSize << " " << c.client.width << "x" << c.client.height;
  }
}

TEST(MenuGeometry, IconColumnsKeepTheirPixelPlaces) {
  const int rows[] = {5, 58, 111, 164, 217};
  for (int row = 1; row <= kMenuIconRows; ++row) {
    EXPECT_EQ(MenuIconPlace(false, row, 1520), (PixelRect{5, rows[row - 1], 48, 48}));
    EXPECT_EQ(MenuIconPlace(true, row, 760), (PixelRect{707, rows[row - 1], 48, 48}));
    EXPECT_EQ(MenuIconPlace(true, row, 1520), (PixelRect{1467, rows[row - 1], 48, 48}));
  }
  // The store icon: from the average window 1 on, and only with its address.
  EXPECT_TRUE(StoreIconShown(1.3, true));
  EXPECT_TRUE(StoreIconShown(2.0, true));
  EXPECT_FALSE(StoreIconShown(1.3, false));
  EXPECT_FALSE(StoreIconShown(1.0, true));
  EXPECT_FALSE(StoreIconShown(1.28, true));
}

TEST(MenuGeometry, LampsFollowTheirTableAndRepeatEverySixTicks) {
  const std::array<std::array<int, 3>, 6> right{
      {{2, 0, 3}, {1, 5, 0}, {0, 1, 4}, {5, 4, 1}, {4, 2, 5}, {3, 3, 2}}};
  int phase = 0;
  std::array<std::set<int>, 6> seen;  // per cell, left 0..2 and right 3..5
  for (int tick = 0; tick < 12; ++tick) {
    SCOPED_TRACE(tick);
    EXPECT_EQ(phase, tick % 6);
    const LampPictures lamps = LampsAtPhase(phase);
    EXPECT_EQ(lamps.left, (std::array<int, 3>{phase, (phase + 1) % 6, (phase + 2) % 6}));
    EXPECT_EQ(lamps.right, right[static_cast<std::size_t>(phase)]);
    for (std::size_t k = 0; k < 3; ++k) {
      seen[k].insert(lamps.left[k]);
      seen[k + 3].insert(lamps.right[k]);
    }
    phase = NextLampPhase(phase);
  }
  // Within one cycle every cell lights each of the six lamps.
  for (const auto& cell : seen) EXPECT_EQ(cell.size(), 6u);
  // A phase out of range counts modulo six.
  EXPECT_EQ(LampsAtPhase(7).left, LampsAtPhase(1).left);
  EXPECT_EQ(LampsAtPhase(-1).right, LampsAtPhase(5).right);
  EXPECT_EQ(NextLampPhase(5), 0);
}

}  // namespace
}  // namespace zendral
