// The places of the main menu's ornaments at the window sizes, and the lamps' phases.

#include "app/main/MenuGeometry.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "extras/calendar/CalendarPages.h"

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

bool Overlap(const PixelRect& a, const PixelRect& b) {
  return a.left < b.Right() && b.left < a.Right() && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

// Every control of the menu at a size, the calendar's pages among them.
std::vector<std::pair<std::string, PixelRect>> MenuControls(const TableScale& scale,
                                                            ClientSize client, bool calendar) {
  const MenuLayout menu = PlaceMenu(scale);
  const MenuOrnaments o = PlaceOrnaments(scale, menu, calendar, client);
  std::vector<std::pair<std::string, PixelRect>> all = {
      {"caption", menu.caption},
      {"title", menu.title},
      {"club title", menu.clubTitle},
      {"header", menu.header},
      {"new player", menu.newPlayer},
      {"top ten", menu.topTen},
      {"options", menu.options},
      {"history", menu.history},
      {"mode", menu.mode},
      {"exit", menu.exit},
      {"gif 1", o.gif1},
      {"gif 2", o.gif2},
      {"left decoration", o.leftDecoration},
      {"right decoration", o.rightDecoration},
      {"news", ChatNewsIconPlace(menu, false, client.height)},
      {"chat", ChatNewsIconPlace(menu, true, client.height)},
  };
  for (const PixelRect& member : menu.members) all.push_back({"member", member});
  if (o.clocksShown) {
    all.push_back({"clock 1", o.clock1});
    all.push_back({"clock 2", o.clock2});
  }
  for (int row = 1; row <= kMenuIconRows; ++row) {
    all.push_back({"left icon", MenuIconPlace(false, row, client.width)});
    all.push_back({"right icon", MenuIconPlace(true, row, client.width)});
  }
  if (calendar) {
    const TCalendarPlaces pages = CalendarPlaces(scale.scaleX, scale.scaleY);
    all.push_back({"left page", {pages.leftX, pages.y, pages.width, pages.height}});
    all.push_back({"right page", {pages.rightX, pages.y, pages.width, pages.height}});
  }
  return all;
}

// The music buttons and the radio at every window size: shown wherever there is room for
// them, inside the window, touching no other control, and shrunk no further than a player can
// hit. The small window has no such room.
TEST(MenuGeometry, MusicButtonsAndRadioStandWhereTheyFitAtEverySize) {
  constexpr int kRadioWidth = 200, kRadioHeight = 104;
  struct Case {
    int windowSize;
    ClientSize client;
    bool music, radio;
  };
  const Case cases[] = {
      {kSmallWindow, {760, 500}, false, false},   {kAverageWindow1, {990, 650}, true, true},
      {kAverageWindow2, {1290, 850}, true, true}, {kLargeWindow, {1520, 1000}, true, true},
      {kFullScreen, {1920, 1080}, true, true},    {kFullScreen, {1280, 720}, true, true},
  };
  for (const Case& c : cases) {
    for (bool calendar : {false, true}) {
      SCOPED_TRACE(testing::Message() << c.windowSize << " " << c.client.width << "x"
                                      << c.client.height << (calendar ? " calendar" : ""));
      const TableScale scale = ScaleFor(c.windowSize, c.client);
      const MenuLayout menu = PlaceMenu(scale);
      const MediaPlaces places = PlaceMedia(menu, PlaceOrnaments(scale, menu, calendar, c.client),
                                            c.client, kRadioWidth, kRadioHeight);
      EXPECT_EQ(places.musicShown, c.music);
      EXPECT_EQ(places.radioShown, c.radio);
      std::vector<std::pair<std::string, PixelRect>> shown;
      if (places.musicShown) {
        for (const PixelRect& button : places.music) {
          EXPECT_EQ(button.width, button.height);
          EXPECT_GE(button.width, kMusicButtonSmallest);
          EXPECT_LE(button.width, kMusicButtonLargest);
          shown.push_back({"music button", button});
        }
      }
      if (places.radioShown) {
        EXPECT_GE(places.radio.height, kRadioSmallestHeight);
        EXPECT_LE(places.radio.height, kRadioHeight);
        EXPECT_NEAR(places.radio.width * kRadioHeight, places.radio.height * kRadioWidth,
                    kRadioWidth);  // in proportion, to the pixel
        shown.push_back({"radio", places.radio});
      }
      const auto controls = MenuControls(scale, c.client, calendar);
      for (std::size_t k = 0; k < shown.size(); ++k) {
        const PixelRect& r = shown[k].second;
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.Right() <= c.client.width &&
                    r.top + r.height <= c.client.height)
            << shown[k].first;
        for (const auto& [name, control] : controls) {
          EXPECT_FALSE(Overlap(r, control)) << shown[k].first << " covers " << name;
        }
        for (std::size_t j = k + 1; j < shown.size(); ++j) {
          EXPECT_FALSE(Overlap(r, shown[j].second)) << shown[k].first << " / " << shown[j].first;
        }
      }
    }
  }
  // Where the window has room the buttons keep their full size, in the bottom left corner.
  const TableScale large = ScaleFor(kLargeWindow, {1520, 1000});
  const MenuLayout menu = PlaceMenu(large);
  const MediaPlaces places = PlaceMedia(menu, PlaceOrnaments(large, menu, false, {1520, 1000}),
                                        {1520, 1000}, kRadioWidth, kRadioHeight);
  EXPECT_EQ(places.music[0], (PixelRect{8, 1000 - 4 - 61, 61, 61}));
  EXPECT_EQ(places.music[2].left, 8 + 2 * 65);
}

}  // namespace
}  // namespace zendral
