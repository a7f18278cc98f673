// The card image cache: the pictures come out at the table's card size, framed or rounded by
// the drawing mode, sharp on high-DPI screens, and a missing picture never leaves a hole.

#include "present/draw/CardImages.h"

#include <gtest/gtest.h>

#include "DrawTestSupport.h"

namespace zendral {
namespace {

class CardImagesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureGuiApp(); }

  static CardMetrics Metrics(int windowSize) {
    return CardMetricsFor(ScaleFor(windowSize, ClientAreaFor(windowSize, {1920, 1080})));
  }
};

TEST_F(CardImagesTest, EachModeGivesTheCardSizeWithItsEdge) {
  CardImages images;
  struct Case {
    int windowSize;
    qreal dpr;
    QSize device;
    bool framed;  // mode 1: black frame with open corners; otherwise rounded corners
  } cases[] = {
      {kSmallWindow, 1.0, {71, 96}, true},      {kSmallWindow, 2.0, {142, 192}, true},
      {kAverageWindow1, 1.0, {92, 125}, false}, {kAverageWindow2, 1.0, {121, 163}, false},
      {kLargeWindow, 1.0, {146, 198}, false},   {kLargeWindow, 1.5, {219, 297}, false},
  };
  for (const auto& c : cases) {
    const CardMetrics m = Metrics(c.windowSize);
    for (const QPixmap& pixmap :
         {images.Face(TCardCode(7, kClubs), m, c.dpr), images.Back(3, m, c.dpr)}) {
      const QImage image = pixmap.toImage();
      ASSERT_EQ(image.size(), c.device) << c.windowSize << " at " << c.dpr;
      EXPECT_EQ(pixmap.devicePixelRatio(), c.dpr);
      EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "corner open at size " << c.windowSize;
      EXPECT_EQ(qAlpha(image.pixel(c.device.width() / 2, c.device.height() / 2)), 255);
      const QRgb edge = image.pixel(c.device.width() / 2, 0);
      if (c.framed) {
        EXPECT_EQ(edge, qRgb(0, 0, 0)) << c.windowSize << " at " << c.dpr;
      } else {
        EXPECT_EQ(qAlpha(edge), 255) << "the rounding leaves the middle of the edge";
        EXPECT_LT(qAlpha(image.pixel(1, 1)), 255) << c.windowSize;
      }
    }
  }
}

TEST_F(CardImagesTest, SmallWindowShowsTheSmallPictureAsItIs) {
  CardImages images;
  const QImage shown = images.Face(TCardCode(3, kHearts), Metrics(kSmallWindow), 1.0)
                           .toImage()
                           .convertToFormat(QImage::Format_ARGB32);
  const QImage own = LoadArtPicture("Ch08").convertToFormat(QImage::Format_ARGB32);
  EXPECT_EQ(shown, own);
}

TEST_F(CardImagesTest, SharperScreensDrawFromTheLargePicturesNotByEnlargingTheSmallOnes) {
  CardImages images;
  const CardMetrics m = Metrics(kSmallWindow);
  const QImage sharp = images.Face(TCardCode(9, kSpades), m, 2.0).toImage();
  // Inside the frame: 69 x 94 logical pixels from (1, 1), that is 138 x 188 from (2, 2).
  const QImage large =
      LoadArtPicture("Pi5AB").scaled(138, 188, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  const QImage blown = LoadArtPicture("Pi5A").scaled(142, 192);
  // Compare the middle of the ace, where the large picture has detail of its own.
  int closerToLarge = 0, samples = 0;
  for (int y = 60; y < 130; y += 3) {
    for (int x = 40; x < 100; x += 3) {
      const QColor s = QColor::fromRgb(sharp.pixel(x, y));
      const QColor l = QColor::fromRgb(large.pixel(x - 2, y - 2));
      const QColor b = QColor::fromRgb(blown.pixel(x, y));
      closerToLarge +=
          std::abs(s.lightness() - l.lightness()) <= std::abs(s.lightness() - b.lightness());
      ++samples;
    }
  }
  EXPECT_GT(closerToLarge, samples * 3 / 4);
}

TEST_F(CardImagesTest, PicturesAreReadToRenderAndReadAgainForAnotherSize) {
  // The cache keeps the rendered cards only: a picture is read for each size it is rendered
  // at, never for a card already rendered, and a picture found missing is not looked for again.
  QHash<QString, int> reads;
  CardImages images([&reads](const QString& name) {
    ++reads[name];
    return name.startsWith("Bu") ? QImage() : LoadArtPicture(name);
  });
  CardImages fresh;
  const TCardCode seven(2, kClubs);  // "Kr07"
  const TCardCode diamond(2, kDiamonds);
  struct Step {
    int windowSize;
    int smallReads, largeReads;  // of the seven's pictures so far
  } steps[] = {
      {kSmallWindow, 1, 0},     // the small window shows the small picture as it is
      {kSmallWindow, 1, 0},     // rendered already
      {kAverageWindow1, 1, 1},  // drawn from the large picture
      {kLargeWindow, 1, 2},     // read again for a new size
      {kSmallWindow, 1, 2},     // still in the cache
      {kAverageWindow2, 1, 3},
  };
  for (const Step& step : steps) {
    const CardMetrics m = Metrics(step.windowSize);
    EXPECT_EQ(images.Face(seven, m, 1.0).toImage(), fresh.Face(seven, m, 1.0).toImage())
        << step.windowSize;
    EXPECT_EQ(reads.value("Kr07"), step.smallReads) << step.windowSize;
    EXPECT_EQ(reads.value("Kr07B"), step.largeReads) << step.windowSize;
    images.Face(diamond, m, 1.0);
  }
  EXPECT_EQ(reads.value("Bu07"), 1) << "a missing picture is looked for once";
  EXPECT_EQ(reads.value("Bu07B"), 1);
}

TEST_F(CardImagesTest, MissingPicturesGivePlainCardsOfTheRightSize) {
  CardImages images([](const QString&) { return QImage(); });
  EXPECT_EQ(images.missing(), 2 * kDeckSize + 2 * kBackPictures);
  for (int windowSize : {kSmallWindow, kAverageWindow1, kLargeWindow}) {
    const CardMetrics m = Metrics(windowSize);
    const QImage face = images.Face(TCardCode(1, kHearts), m, 1.0).toImage();
    EXPECT_EQ(face.size(), QSize(m.width, m.height));
    EXPECT_EQ(QColor::fromRgb(face.pixel(m.width / 2, m.height / 2)), QColor(Qt::white));
  }
  // Damaged values: the empty card and an unknown back still give a card.
  EXPECT_FALSE(images.Face(kEmptyCard, Metrics(kSmallWindow), 1.0).isNull());
  EXPECT_FALSE(images.Back(42, Metrics(kSmallWindow), 1.0).isNull());
}

}  // namespace
}  // namespace zendral
