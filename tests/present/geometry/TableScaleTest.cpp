#include "present/geometry/TableScale.h"

#include <gtest/gtest.h>

namespace zendral {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  struct Case {
    double value;
    int rounded;
  } cases[] = {
      {0.5, 0},
      {1.5, 2},
      {2.5, 2},
      {-0.5, 0},
      {-1.5, -2},
      {2.4999, 2},
      {2.5001, 3},
      {-2.6, -3},
      {1.3 * 5, 6},
      {1.7 * 15, 26},               // 6.5 and 25.5 in decimal
      {(2.0 - 1.8) * 155 / 2, 16},  // 15.5, though the double is below
  };
  for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
}

TEST(ScaleFor, WindowSizesGiveTheirFactorsAndClientAreas) {
  const ClientSize screen{1920, 1080};
  struct Case {
    int windowSize;
    ClientSize client;
    double scaleX, scaleY, pictureScale;
  } cases[] = {
      {kSmallWindow, {760, 500}, 1.0, 1.0, 1.0},
      {kFullScreen, {1920, 1080}, 1920.0 / 760, 1080.0 / 500, 1080.0 / 500},
      {kAverageWindow1, {990, 650}, 1.3, 1.3, 1.3},
      {kAverageWindow2, {1290, 850}, 1.7, 1.7, 1.7},
      {kLargeWindow, {1520, 1000}, 2.0, 2.0, 2.0},
      {0, {760, 500}, 1.0, 1.0, 1.0},  // a damaged setting is the small window
      {6, {760, 500}, 1.0, 1.0, 1.0},
  };
  for (const auto& c : cases) {
    const ClientSize client = ClientAreaFor(c.windowSize, screen);
    EXPECT_EQ(client, c.client) << c.windowSize;
    const TableScale s = ScaleFor(c.windowSize, client);
    EXPECT_DOUBLE_EQ(s.scaleX, c.scaleX) << c.windowSize;
    EXPECT_DOUBLE_EQ(s.scaleY, c.scaleY) << c.windowSize;
    EXPECT_DOUBLE_EQ(s.pictureScale, c.pictureScale) << c.windowSize;
  }
}

TEST(ScaleFor, FullScreenWithoutAClientAreaKeepsTheSmallFactors) {
  const TableScale s = ScaleFor(kFullScreen, {0, 0});
  EXPECT_DOUBLE_EQ(s.scaleX, 1.0);
  EXPECT_DOUBLE_EQ(s.pictureScale, 1.0);
}

TEST(WindowSizeOffered, ASizeNeedsItsClientAreaAndTheCaption) {
  const ClientSize screen{1280, 1024};  // offers the small, full-screen and first average sizes
  EXPECT_TRUE(WindowSizeOffered(kSmallWindow, screen));
  EXPECT_TRUE(WindowSizeOffered(kFullScreen, screen));
  EXPECT_TRUE(WindowSizeOffered(kAverageWindow1, screen));
  EXPECT_FALSE(WindowSizeOffered(kAverageWindow2, screen));
  EXPECT_FALSE(WindowSizeOffered(kLargeWindow, screen));
  EXPECT_FALSE(WindowSizeOffered(kAverageWindow1, {990, 669}));
  EXPECT_TRUE(WindowSizeOffered(kLargeWindow, {1520, 1020}));
}

TEST(TableScale, FullScreenCentresAnElementInItsScaledSlot) {
  // 1520 x 900: ScaleX 2.0, ScaleY 1.8, PictureScale 1.8.
  const TableScale s = ScaleFor(kFullScreen, {1520, 900});
  EXPECT_EQ(s.Length(430), 774);
  EXPECT_EQ(s.Left(165, 430), 373);  // 330 + 43
  EXPECT_EQ(s.Top(394, 96), 709);
  EXPECT_EQ(s.Left(8, 155), 32);  // 16 + 16: the 15.5 goes to the even neighbour
}

TEST(RoleFontSize, ScalesByThePercentOfTheRole) {
  EXPECT_EQ(RoleFontSize(30, 100), 30);
  EXPECT_EQ(RoleFontSize(30, 150), 45);
  EXPECT_EQ(RoleFontSize(18, 75), 14);  // 13.5
  EXPECT_EQ(RoleFontSize(22, 75), 16);  // 16.5
}

TEST(CardMetricsFor, CardSizeAndDrawingModeFollowThePictureScale) {
  struct Case {
    int windowSize;
    ClientSize client;
    bool narrow;
    CardMetrics expected;
  } cases[] = {
      {kSmallWindow, {760, 500}, false, {71, 96, kCardModeSmall, 0}},
      {kSmallWindow, {760, 500}, true, {71, 96, kCardModeSmall, 0}},
      {kAverageWindow1, {990, 650}, false, {92, 125, kCardModeLarge, 10}},
      {kAverageWindow1, {990, 650}, true, {79, 125, kCardModeLarge, 10}},
      {kAverageWindow2, {1290, 850}, false, {121, 163, kCardModeLarge, 14}},
      {kFullScreen, {1520, 900}, false, {128, 173, kCardModeLarge, 14}},
      {kLargeWindow, {1520, 1000}, false, {146, 198, kCardModeOwn, 16}},
      {kLargeWindow, {1520, 1000}, true, {126, 198, kCardModeOwn, 16}},
      {kFullScreen, {1920, 1080}, false, {146, 198, kCardModeOwn, 16}},
      {kFullScreen, {900, 600}, false, {71, 96, kCardModeSmall, 0}},
  };
  for (const auto& c : cases) {
    const CardMetrics m = CardMetricsFor(ScaleFor(c.windowSize, c.client), c.narrow);
    EXPECT_EQ(m.width, c.expected.width) << c.windowSize << " " << c.client.width;
    EXPECT_EQ(m.height, c.expected.height) << c.windowSize << " " << c.client.width;
    EXPECT_EQ(m.drawMode, c.expected.drawMode) << c.windowSize << " " << c.client.width;
    EXPECT_EQ(m.cornerRadius, c.expected.cornerRadius) << c.windowSize << " " << c.client.width;
  }
}

}  // namespace
}  // namespace zendral
