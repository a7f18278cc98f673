// The table's stretched pictures: what each element shows, and that one picture shown by two
// elements at one size is held once.

#include "present/draw/TableArt.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "DrawTestSupport.h"
#include "present/draw/TableDrawing.h"

namespace zendral {
namespace {

class TableArtTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureGuiApp(); }
};

// A picture of the design size in one colour, with or without an alpha channel.
QImage Felt(QColor colour, QImage::Format format = QImage::Format_RGB32) {
  QImage image(kDesignWidth, kDesignHeight, format);
  image.fill(colour);
  return image;
}

// Counts the decodes, as the pack loader would do them.
struct CountingLoader {
  QHash<QString, QImage> pictures;
  std::shared_ptr<int> calls = std::make_shared<int>(0);
  PictureLoader Loader() const {
    return [pictures = pictures, calls = calls](const QString& name) {
      ++*calls;
      return pictures.value(name);
    };
  }
};

QRgb CentreOf(const QPixmap& pixmap) {
  const QImage image = pixmap.toImage();
  return image.pixel(image.width() / 2, image.height() / 2);
}

TEST_F(TableArtTest, TheMenuAndTheTableShareTheirFeltWhenTheyShowOnePicture) {
  const QImage felt = Felt(QColor(20, 110, 60));
  struct Case {
    const char* what;
    QImage menuPicture;
    bool shared;
    QColor menuColour;
  } cases[] = {
      {"the menu shows the table's own picture", felt, true, QColor(20, 110, 60)},
      {"the menu has a design of its own", Felt(QColor(90, 20, 110)), false, QColor(90, 20, 110)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CountingLoader loader;
    loader.pictures = {{"FonG", felt}, {"MenuFon", c.menuPicture}};
    TableArt art(1, {kDesignWidth, kDesignHeight}, 1.0, {}, loader.Loader());
    const QPixmap table = art.Background();
    const QPixmap menu = art.MenuBackground();
    EXPECT_EQ(menu.cacheKey() == table.cacheKey(), c.shared);
    EXPECT_EQ(CentreOf(table), QColor(20, 110, 60).rgb());
    EXPECT_EQ(CentreOf(menu), c.menuColour.rgb());
    // Asked again, nothing is decoded again.
    const int calls = *loader.calls;
    art.Background();
    art.MenuBackground();
    EXPECT_EQ(*loader.calls, calls);
  }
}

TEST_F(TableArtTest, APlainFeltIsFilledExactlyAsItsStretchedPictureWouldShow) {
  QImage plain(64, 64, QImage::Format_RGB32);
  plain.fill(QColor(18, 96, 52));
  QImage mottled = Felt(QColor(20, 110, 60));
  mottled.setPixel(300, 200, qRgb(30, 120, 70));
  QImage seeThrough(64, 64, QImage::Format_ARGB32);
  seeThrough.fill(QColor(18, 96, 52, 128));
  struct Case {
    const char* what;
    QHash<QString, QImage> pictures;
    bool menu;
    bool plain;  // filled, without a picture of the window's size
  } cases[] = {
      {"the recordings' plain felt", {{"FonG", plain}, {"FonGB", plain}}, false, true},
      {"the same in the menu", {{"FonG", plain}, {"FonGB", plain}}, true, true},
      {"a felt with one pixel apart", {{"FonG", mottled}}, false, false},
      {"the menu's own mottled design", {{"FonG", plain}, {"MenuFon", mottled}}, true, false},
      {"the menu's own plain design", {{"FonG", mottled}, {"MenuFon", plain}}, true, true},
      {"a see-through felt", {{"FonG", seeThrough}}, false, false},
      {"no felt at all", {}, false, false},
  };
  for (const Case& c : cases) {
    for (const qreal dpr : {1.0, 2.0}) {
      SCOPED_TRACE(std::string(c.what) + (dpr > 1 ? " at 2x" : ""));
      CountingLoader loader;
      loader.pictures = c.pictures;
      TableArt art(kAverageWindow1, {900, 620}, dpr, {}, loader.Loader());
      EXPECT_EQ(art.PlainFelt(c.menu).has_value(), c.plain);
      const PixelRect area{37, 41, 300, 200};
      QImage drawn = testing::TableSurface(art);
      {
        QPainter p(&drawn);
        DrawBackground(p, art, area, c.menu);
      }
      // The felt as a window-sized picture shows it.
      TableArt stretched(kAverageWindow1, {900, 620}, dpr, {}, loader.Loader());
      const QPixmap& felt = c.menu ? stretched.MenuBackground() : stretched.Background();
      QImage expected = testing::TableSurface(stretched);
      {
        QPainter p(&expected);
        p.drawPixmap(QRectF(37, 41, 300, 200), felt,
                     QRectF(37 * dpr, 41 * dpr, 300 * dpr, 200 * dpr));
      }
      EXPECT_EQ(drawn, expected);
    }
  }
}

TEST_F(TableArtTest, AnOpaquePictureStaysOpaqueAndATransparentOneKeepsItsAlpha) {
  QImage plate = Felt(QColor(0, 0, 0, 0), QImage::Format_ARGB32);
  QPainter(&plate).fillRect(0, 0, plate.width(), plate.height() / 2, QColor(200, 150, 20));
  CountingLoader loader;
  loader.pictures = {{"FonG", Felt(QColor(20, 110, 60))}, {"SPYellow", plate}};
  // At the design size, where the felt is taken as it is, and at twice that, where it is
  // stretched.
  for (const int windowSize : {kSmallWindow, kLargeWindow}) {
    SCOPED_TRACE(windowSize);
    const ClientSize client = windowSize == kSmallWindow
                                  ? ClientSize{kDesignWidth, kDesignHeight}
                                  : ClientSize{2 * kDesignWidth, 2 * kDesignHeight};
    TableArt art(windowSize, client, 1.0, {}, loader.Loader());
    EXPECT_FALSE(art.Background().hasAlphaChannel());
    EXPECT_EQ(art.Background().size(), QSize(client.width, client.height));
    const QImage name = art.NamePlate().toImage();
    ASSERT_FALSE(name.isNull());
    EXPECT_TRUE(name.hasAlphaChannel());
    EXPECT_EQ(qAlpha(name.pixel(name.width() / 2, name.height() - 1)), 0);
    EXPECT_EQ(qAlpha(name.pixel(name.width() / 2, 0)), 255);
  }
}

}  // namespace
}  // namespace zendral
