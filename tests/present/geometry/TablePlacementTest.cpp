#include "present/geometry/TablePlacement.h"

#include <gtest/gtest.h>

#include <ostream>

namespace zendral {

std::ostream& operator<<(std::ostream& out, const PixelRect& r) {
  return out << "(" << r.left << ", " << r.top << ", " << r.width << " x " << r.height << ")";
}

namespace {

TablePlacement Place(int windowSize, ClientSize client) {
  const TableScale scale = ScaleFor(windowSize, client);
  return PlaceTable(scale, CardMetricsFor(scale));
}

TEST(PlaceTable, SmallWindowUsesTheDesignUnitsAsPixels) {
  const TablePlacement p = Place(kSmallWindow, {760, 500});
  EXPECT_EQ(p.hand[kSeat1], (PixelRect{165, 10, 430, 96}));
  EXPECT_EQ(p.hand[kSeat2], (PixelRect{165, 394, 430, 96}));
  EXPECT_EQ(p.scoreTab[kSeat1], (PixelRect{8, 10, 155, 95}));
  EXPECT_EQ(p.scoreTab[kSeat2], (PixelRect{8, 395, 155, 95}));
  EXPECT_EQ(p.namePlate[kSeat1], (PixelRect{295, 115, 160, 20}));
  EXPECT_EQ(p.namePlate[kSeat2], (PixelRect{295, 370, 160, 20}));
  EXPECT_EQ(p.layout, (PixelRect{175, 150, 410, 200}));
  EXPECT_EQ(p.konPanel, (PixelRect{25, 180, 120, 150}));
  EXPECT_EQ(p.chatPanel, (PixelRect{610, 150, 130, 90}));
  // Chat input and send button below the chat panel; move clocks right of the plates.
  EXPECT_EQ(p.chatInput, (PixelRect{610, 240 + 1 + 8, 130 - 36, 20}));
  EXPECT_EQ(p.sendButton, (PixelRect{740 - 35, 241, 35, 35}));
  EXPECT_EQ(p.moveClock[kSeat1], (PixelRect{465, 115, 20, 20}));
  EXPECT_EQ(p.moveClock[kSeat2], (PixelRect{465, 370, 20, 20}));
}

TEST(PlaceTable, FullScreenCentresEachElementInItsScaledPlace) {
  // 1520 x 900: ScaleX 2.0, ScaleY 1.8 and PictureScale 1.8.
  const TablePlacement p = Place(kFullScreen, {1520, 900});
  EXPECT_EQ(p.hand[kSeat2], (PixelRect{373, 709, 774, 173}));  // as high as a card
  EXPECT_EQ(p.hand[kSeat1], (PixelRect{373, 18, 774, 173}));
  EXPECT_EQ(p.layout, (PixelRect{350 + 41, 270, 738, 360}));
  EXPECT_EQ(p.scoreTab[kSeat1], (PixelRect{16 + 16, 18, 279, 171}));
  EXPECT_EQ(p.namePlate[kSeat2], (PixelRect{590 + 16, 666, 288, 36}));
  EXPECT_EQ(p.konPanel, (PixelRect{50 + 12, 324, 216, 270}));
}

TEST(PlaceTable, FixedSizesScaleEveryPartWithHalvesToEven) {
  struct Case {
    int windowSize;
    ClientSize client;
    PixelRect hand2, layout, tab1;
  } cases[] = {
      // 1.3 x 165 = 214.5 and 1.3 x 175 = 227.5 go to the even neighbours 214 and 228.
      {kAverageWindow1, {990, 650}, {214, 512, 559, 125}, {228, 195, 533, 260}, {10, 13, 202, 124}},
      {kAverageWindow2,
       {1290, 850},
       {280, 670, 731, 163},
       {298, 255, 697, 340},
       {14, 17, 264, 162}},
      {kLargeWindow, {1520, 1000}, {330, 788, 860, 198}, {350, 300, 820, 400}, {16, 20, 310, 190}},
  };
  for (const auto& c : cases) {
    const TablePlacement p = Place(c.windowSize, c.client);
    EXPECT_EQ(p.hand[kSeat2], c.hand2) << c.windowSize;
    EXPECT_EQ(p.layout, c.layout) << c.windowSize;
    EXPECT_EQ(p.scoreTab[kSeat1], c.tab1) << c.windowSize;
  }
}

TEST(PlaceTable, EveryElementStaysInsideTheClientAreaWithoutOverlaps) {
  struct Size {
    int windowSize;
    ClientSize client;
  } sizes[] = {{kSmallWindow, {760, 500}},     {kAverageWindow1, {990, 650}},
               {kAverageWindow2, {1290, 850}}, {kLargeWindow, {1520, 1000}},
               {kFullScreen, {1520, 900}},     {kFullScreen, {1920, 1080}},
               {kFullScreen, {1280, 1024}}};
  for (const auto& s : sizes) {
    const TablePlacement p = Place(s.windowSize, s.client);
    const PixelRect all[] = {p.hand[kSeat1],     p.hand[kSeat2],      p.scoreTab[kSeat1],
                             p.scoreTab[kSeat2], p.namePlate[kSeat1], p.namePlate[kSeat2],
                             p.layout,           p.konPanel,          p.mainButton,
                             p.exitButton,       p.chatPanel};
    for (const PixelRect& r : all) {
      EXPECT_GE(r.left, 0) << r;
      EXPECT_GE(r.top, 0) << r;
      EXPECT_LE(r.Right(), s.client.width) << r;
      EXPECT_LE(r.Bottom(), s.client.height) << r;
    }
    for (const PixelRect& a : all) {
      for (const PixelRect& b : all) {
        if (&a == &b) continue;
        const bool apart = a.Right() <= b.left || b.Right() <= a.left || a.Bottom() <= b.top ||
                           b.Bottom() <= a.top;
        EXPECT_TRUE(apart) << a << " and " << b << " at size " << s.windowSize;
      }
    }
  }
}

TEST(LayoutCellOffset, RowsStepDownFromSpadesAndColumnsFromTheSix) {
  struct Case {
    int windowSize;
    TCardCode card;
    PixelPoint offset;
  } cases[] = {
      {kSmallWindow, {9, kHearts}, {336, 100}},  // the ace of hearts
      {kSmallWindow, {1, kSpades}, {0, 0}},      // the six of spades
      {kSmallWindow, {4, kDiamonds}, {126, 67}},
      {kSmallWindow, {5, kClubs}, {168, 33}},
      {kLargeWindow, {9, kHearts}, {672, 200}},
      {kAverageWindow1, {4, kDiamonds}, {164, 87}},  // 163.8 and 87.1
  };
  for (const auto& c : cases) {
    const TableScale s = ScaleFor(c.windowSize, ClientAreaFor(c.windowSize, {}));
    EXPECT_EQ(LayoutCellOffset(s, c.card.suit, c.card.rank), c.offset)
        << int(c.card.rank) << "," << int(c.card.suit);
  }
  // The rows are drawn from spades down to hearts, each one over the lower part of the last.
  int lastY = -1;
  for (int row : kLayoutRowDrawOrder) {
    const int y = LayoutCellOffset(ScaleFor(kSmallWindow, {}), row, 1).y;
    EXPECT_GT(y, lastY);
    lastY = y;
  }
}

TEST(CentredTextLeft, HalfTheFreeWidthTruncatedTowardZero) {
  EXPECT_EQ(CentredTextLeft(0, 155, 40), 57);     // 115 / 2
  EXPECT_EQ(CentredTextLeft(105, 142, 20), 113);  // 105 + 17 / 2
  EXPECT_EQ(CentredTextLeft(0, 20, 25), -2);      // too wide: -5 / 2 is -2, not -3
}

TEST(ScoreText, APositiveScoreCarriesAPlus) {
  EXPECT_EQ(ScoreText(0), "0");
  EXPECT_EQ(ScoreText(5), "+5");
  EXPECT_EQ(ScoreText(-12), "-12");
}

TEST(ScoreTabLayout, FieldsAtTheirUnitsAndFontsByTheLargeRole) {
  const ScoreTabParts small = ScoreTabLayout(ScaleFor(kSmallWindow, {}), 100);
  EXPECT_EQ(small.score.Field(), (PixelRect{0, 16, 155, 30}));
  EXPECT_EQ(small.penalty.Field(), (PixelRect{55, 54, 45, 20}));
  EXPECT_EQ(small.fines.Field(), (PixelRect{105, 54, 37, 20}));
  EXPECT_EQ(small.marker, (PixelRect{18, 54, 30, 20}));

  const ScoreTabParts large = ScoreTabLayout(ScaleFor(kLargeWindow, {}), 150);
  EXPECT_EQ(large.score.Field(), (PixelRect{0, 32, 310, 90}));
  EXPECT_EQ(large.fines.Field(), (PixelRect{210, 108, 74, 60}));
  EXPECT_EQ(large.marker, (PixelRect{36, 108, 60, 40}));
}

TEST(KonPanelLayout, BankPictureStretchedBelowTwoAndAtItsOwnSizeAbove) {
  const KonPanelParts small = KonPanelLayout(ScaleFor(kSmallWindow, {}), 100, 120, 150, 150);
  EXPECT_EQ(small.konLine.Field(), (PixelRect{0, 14, 120, 28}));
  EXPECT_EQ(small.bankLine.Field(), (PixelRect{0, 42, 120, 28}));
  EXPECT_EQ(small.bankPicture, (PixelRect{17, 60, 85, 85}));  // 120 - 35, centred

  const TableScale average = ScaleFor(kAverageWindow2, {});
  const KonPanelParts mid = KonPanelLayout(average, 100, 204, 150, 150);
  EXPECT_EQ(mid.bankPicture, (PixelRect{30, 102, 144, 144}));  // 204 - round(59.5)

  const KonPanelParts large = KonPanelLayout(ScaleFor(kLargeWindow, {}), 100, 240, 150, 150);
  EXPECT_EQ(large.bankPicture, (PixelRect{45, 120, 150, 150}));
}

TEST(NamePlateLayout, ThreeSizesThatShrinkWithTheTable) {
  const NamePlateParts small = NamePlateLayout(ScaleFor(kSmallWindow, {}), 100);
  EXPECT_EQ(small.plateWidth, 160);
  EXPECT_EQ(small.maxTextWidth, 150);
  EXPECT_EQ(small.cellHeights[0], 18);
  EXPECT_EQ(small.cellHeights[1], 16);
  EXPECT_EQ(small.cellHeights[2], 14);
  const NamePlateParts large = NamePlateLayout(ScaleFor(kLargeWindow, {}), 100);
  EXPECT_EQ(large.maxTextWidth, 300);
  EXPECT_EQ(large.cellHeights[0], 36);
  EXPECT_EQ(large.cellHeights[2], 28);
}

}  // namespace
}  // namespace zendral
