// The Order window over fixture club files written with the store's own functions.

#include <gtest/gtest.h>

#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "WindowsTestSupport.h"
#include "app/windows/OrderPicture.h"
#include "app/windows/TFormTopTen.h"
#include "app/windows/WindowResources.h"
#include "store/ClubFile.h"
#include "store/Settings.h"

namespace zendral {
namespace {

using testing::Child;

// A valid club file with no members and the given Order (best first).
std::string ClubBytes(const std::vector<std::pair<std::string, int>>& order) {
  ClubFile club;
  for (int n = 1; n <= kClubMembers; ++n) club.Line(n) = std::string(kEmptyMemberLine);
  for (int place = 1; place <= kOrderPlaces; ++place) {
    const auto& [name, score] = order[static_cast<std::size_t>(place - 1)];
    club.Line(kFirstOrderLine + place - 1) = FormatOrderLine(name, score);
  }
  club.Line(16) = std::string(1, kGameIdChar) + "}" + std::string(26, '#');
  club.Line(17) = "0#####umk#" + std::string(18, '0');
  UpdateClubChecksums(club);
  return SerializeClubFile(club);
}

std::vector<std::pair<std::string, int>> LocalOrder() {
  return {{"Gleb", 150}, {"Вера", 120}, {"Egor", 120}, {"Zoya", 90},  {"Ilya", 60},
          {"Kira", 30},  {"Lev", 0},    {"Mila", 0},   {"Nina", -10}, {"Oleg", -40}};
}

std::vector<std::pair<std::string, int>> NetOrder() {
  return {{"Server", 999999}, {"Client", 500}, {"A", 1}, {"B", 1}, {"C", 1},
          {"D", 1},           {"E", 1},        {"F", 1}, {"G", 1}, {"H", -99999}};
}

int CountPixels(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) n += test(image.pixelColor(x, y));
  }
  return n;
}

bool Red(QColor c) {
  return c.red() > 220 && c.green() < 50 && c.blue() < 50;
}
bool Navy(QColor c) {
  return c.red() < 40 && c.green() < 40 && c.blue() > 90 && c.blue() < 170;
}
bool Maroon(QColor c) {
  return c.red() > 90 && c.red() < 160 && c.green() < 40 && c.blue() < 40;
}

class OrderWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnsureApp();
    UseLanguage(kEnglish);
    folder.Write("Zendral.clb", ClubBytes(LocalOrder()));
    folder.Write("Zendral.net", ClubBytes(NetOrder()));
  }
  void TearDown() override { UseLanguage(kEnglish); }

  testing::TempFolder folder;
  Settings settings;
};

TEST_F(OrderWindow, ReadsTheOrderOfTheClubFileOfTheCurrentKind) {
  const ClubOrder local = ReadClubOrder(folder.path(), false);
  ASSERT_TRUE(local.read);
  EXPECT_FALSE(local.net);
  EXPECT_EQ(local.names[0], "Gleb                ");
  EXPECT_EQ(local.names[1], "Вера                ");
  EXPECT_EQ(local.scores[0], "150");
  EXPECT_EQ(local.scores[9], "-40");
  const ClubOrder net = ReadClubOrder(folder.path(), true);
  ASSERT_TRUE(net.read);
  EXPECT_EQ(net.names[0], "Server              ");
  EXPECT_EQ(net.scores[0], "999999");
  EXPECT_EQ(net.scores[9], "-99999");
}

TEST_F(OrderWindow, AMissingOrDamagedFileShowsNoEntries) {
  const std::string good = ClubBytes(LocalOrder());
  std::string changed = good;
  changed[200] = changed[200] == 'x' ? 'y' : 'x';  // inside the Order: lines 6-15
  const std::string cases[] = {"", "short\r\nfile\r\n", std::string(5000, '\xFF'),
                               good.substr(0, good.size() / 2), changed};
  for (const std::string& bytes : cases) {
    folder.Write("Zendral.clb", bytes);
    const ClubOrder order = ReadClubOrder(folder.path(), false);
    EXPECT_FALSE(order.read);
    // The window still opens and draws its headings.
    TFormTopTen window(settings, folder.path());
    const QImage picture = window.Picture()->pixmap().toImage();
    EXPECT_EQ(CountPixels(picture, QRect(70, 150, 300, 100), Red), 0);
    EXPECT_GT(CountPixels(picture, QRect(0, 85, 450, 30), Maroon), 50);
  }
  std::filesystem::remove(folder.path() / "Zendral.clb");
  EXPECT_FALSE(ReadClubOrder(folder.path(), false).read);
}

TEST_F(OrderWindow, CentringRoundsHalvesToTheEvenNeighbour) {
  struct Case {
    int a, b, width, left;
  };
  const Case cases[] = {{0, 450, 100, 175},   {0, 450, 101, 174},  // 174.5 -> 174
                        {0, 450, 99, 176},                         // 175.5 -> 176
                        {70, 230, 61, 120},                        // 70 + 49.5 -> 70 + 50
                        {250, 400, 151, 250}, {0, 450, 500, -25}};
  for (const Case& c : cases) {
    EXPECT_EQ(CentredLeft(c.a, c.b, c.width), c.left) << c.a << " " << c.b << " " << c.width;
  }
}

TEST_F(OrderWindow, WritesTheOrderInItsColoursAtItsPlaces) {
  const QImage picture =
      PaintOrderPicture(settings, ReadClubOrder(folder.path(), false), QColor(212, 208, 200));
  ASSERT_EQ(picture.size(), QSize(kOrderPictureWidth, kOrderPictureHeight));
  // The heading in maroon, places 1-3 in red, 4-10 in navy, each on its own line.
  EXPECT_GT(CountPixels(picture, QRect(0, 85, 450, 28), Maroon), 100);
  for (int place = 1; place <= 10; ++place) {
    SCOPED_TRACE(place);
    const QRect line(60, OrderLineTop(place), 340, 28);
    EXPECT_GT(CountPixels(picture, line, place <= 3 ? Red : Navy), 20);
    EXPECT_EQ(CountPixels(picture, line, place <= 3 ? Navy : Red), 0);
    // The score ends at x 380.
    int right = 0;
    for (int x = 300; x < 450; ++x) {
      if (CountPixels(picture, QRect(x, line.top(), 1, line.height()), place <= 3 ? Red : Navy) >
          0) {
        right = x;
      }
    }
    EXPECT_LE(right, 380);
    EXPECT_GE(right, 372);
  }
  // The scroll is under the texts: its paper, not the button face, at the middle.
  EXPECT_NE(picture.pixelColor(225, 300), QColor(212, 208, 200));
}

TEST_F(OrderWindow, TheWindowAndItsAnimations) {
  TFormTopTen window(settings, folder.path());
  window.show();
  EXPECT_EQ(window.size(), QSize(460, 700));
  EXPECT_EQ(window.Picture()->geometry(), QRect(5, 5, 450, 570));
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Top Ten"));
  auto* topTen = Child<QLabel>(window, "ImageTopTen");
  auto* club = Child<QLabel>(window, "ImageClub");
  EXPECT_EQ(topTen->geometry(), QRect(50, 575, 240, 120));
  EXPECT_EQ(club->geometry(), QRect(340, 565, 60, 75));
  ASSERT_NE(topTen->movie(), nullptr);
  ASSERT_NE(club->movie(), nullptr);
  EXPECT_TRUE(topTen->movie()->isValid());
  EXPECT_GT(topTen->movie()->frameCount(), 1);
  EXPECT_EQ(topTen->movie()->currentImage().size(), QSize(240, 120));
  EXPECT_EQ(club->movie()->currentImage().size(), QSize(60, 75));
  EXPECT_TRUE(club->movie()->fileName().endsWith(QStringLiteral("GClubF.gif")));
  EXPECT_TRUE(window.AnimationsRunning());

  // Switched off, both stand on their first frame; the LAN file brings its own animation.
  settings.GifAnimation = false;
  settings.NetGame = true;
  window.Refresh();
  EXPECT_FALSE(window.AnimationsRunning());
  EXPECT_EQ(topTen->movie()->currentFrameNumber(), 0);
  EXPECT_TRUE(club->movie()->fileName().endsWith(QStringLiteral("GClubG.gif")));
  EXPECT_TRUE(club->movie()->isValid());

  // Escape closes it.
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace zendral
