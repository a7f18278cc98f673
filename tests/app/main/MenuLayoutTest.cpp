// The main menu's places at the small window and at a full screen of 1520 x 900.

#include "app/main/MenuLayout.h"

#include <gtest/gtest.h>

namespace zendral {
namespace {

TEST(MenuLayout, TheSmallWindowStacksTheClubListInRowsOfThirty) {
  const MenuLayout m = PlaceMenu(ScaleFor(kSmallWindow, {760, 500}));
  EXPECT_EQ(m.rowHeight, 30);
  const int tops[] = {265, 295, 325, 355, 385};
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(m.members[static_cast<std::size_t>(k)], (PixelRect{180, tops[k], 400, 30})) << k;
  }
  EXPECT_EQ(m.newPlayer, (PixelRect{280, 425, 200, 30}));
  EXPECT_EQ(m.header, (PixelRect{180, 225, 400, 30}));
  EXPECT_EQ(m.topTen, (PixelRect{40, 225, 100, 30}));
  EXPECT_EQ(m.options, (PixelRect{620, 225, 100, 30}));
  EXPECT_EQ(m.history, (PixelRect{40, 255, 100, 30}));
  EXPECT_EQ(m.mode, (PixelRect{620, 255, 100, 30}));
  EXPECT_EQ(m.exit, (PixelRect{330, 465, 100, 30}));
  EXPECT_EQ(m.caption, (PixelRect{180, 12, 400, 70}));
  EXPECT_EQ(m.title, (PixelRect{230, 85, 300, 90}));
  EXPECT_EQ(m.clubTitle, (PixelRect{205, 183, 350, 40}));
}

TEST(MenuLayout, AFullScreenScalesPositionsByAxisAndRowsByThePictureScale) {
  // ScaleX 2.0, ScaleY 1.8, PictureScale 1.8: rows of round(1.8 * 30) = 54 pixels.
  const MenuLayout m = PlaceMenu(ScaleFor(kFullScreen, {1520, 900}));
  EXPECT_EQ(m.rowHeight, 54);
  EXPECT_EQ(m.members[0], (PixelRect{360, 477, 800, 54}));
  EXPECT_EQ(m.members[4], (PixelRect{360, 477 + 4 * 54, 800, 54}));
  // "New Player": 265 scaled, plus 5 rows and ScaleLength(10) = 18.
  EXPECT_EQ(m.newPlayer, (PixelRect{560, 477 + 270 + 18, 400, 54}));
  EXPECT_EQ(m.header.top, 477 - 54 - 18);
  EXPECT_EQ(m.exit, (PixelRect{660, 837, 200, 54}));
  // The title keeps its scaled size, centred in its scaled slot: 360 + round(0.2 * 400 / 2).
  EXPECT_EQ(m.caption, (PixelRect{400, 22, 720, 126}));
}

}  // namespace
}  // namespace zendral
