// The pictures the build draws: every name the table asks for is there, at the size the
// drawing relies on, and the faces carry the right suit.

#include <gtest/gtest.h>

#include <QSet>

#include "DrawTestSupport.h"
#include "present/draw/CardImages.h"

namespace zendral {
namespace {

class ArtLibrary : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureGuiApp(); }
};

bool Reddish(QColor c) {
  return c.alpha() > 200 && c.red() > 150 && c.green() < 90 && c.blue() < 90;
}

TEST_F(ArtLibrary, EveryPictureOfTheTableIsThereAtItsSize) {
  struct Case {
    const char* name;
    QSize size;
  } cases[] = {
      {"FonG", {760, 500}},         {"FonGB", {1520, 1000}},   {"TabloSm", {155, 95}},
      {"TabloBg", {310, 190}},      {"RamkaBBSm", {120, 150}}, {"RamkaBBBg", {240, 300}},
      {"SPYellow", {160, 20}},      {"SPYellowB", {320, 40}},  {"GBank", {150, 150}},
      {"ImageList3Add1", {30, 20}}, {"Hand_Right", {60, 40}},  {"GMedal", {128, 168}},
      {"GPlace01", {64, 64}},       {"GPlace10", {64, 64}},
  };
  for (const auto& c : cases) {
    const QImage image = LoadArtPicture(c.name);
    ASSERT_FALSE(image.isNull()) << c.name;
    EXPECT_EQ(image.size(), c.size) << c.name;
  }
  for (int k = 1; k <= kDeckSize; ++k) {
    const TCardCode card = CardFromNumber(k);
    EXPECT_EQ(LoadArtPicture(FaceName(card, false)).size(), QSize(71, 96)) << k;
    EXPECT_EQ(LoadArtPicture(FaceName(card, true)).size(), QSize(146, 198)) << k;
  }
  for (int b = 1; b <= kBackPictures; ++b) {
    EXPECT_EQ(LoadArtPicture(BackName(b, false)).size(), QSize(71, 96)) << b;
    EXPECT_EQ(LoadArtPicture(BackName(b, true)).size(), QSize(146, 198)) << b;
  }
  EXPECT_EQ(CardImages().missing(), 0);
}

TEST_F(ArtLibrary, NamesFollowSuitThenRankCode) {
  EXPECT_EQ(FaceName(TCardCode(1, kHearts), false), "Ch06");
  EXPECT_EQ(FaceName(TCardCode(5, kDiamonds), true), "Bu10B");
  EXPECT_EQ(FaceName(TCardCode(6, kClubs), false), "Kr2J");
  EXPECT_EQ(FaceName(TCardCode(9, kSpades), true), "Pi5AB");
  EXPECT_EQ(BackName(6, false), "Ob06Su");
  EXPECT_EQ(BackName(7, true), "Ob07SuB");
  EXPECT_EQ(FaceName(kEmptyCard, false), "");
  EXPECT_EQ(BackName(8, false), "");
}

TEST_F(ArtLibrary, FacesAreAllDifferentAndInkedInTheirSuitsColour) {
  for (bool large : {false, true}) {
    QSet<QByteArray> seen;
    for (int k = 1; k <= kDeckSize; ++k) {
      const TCardCode card = CardFromNumber(k);
      const QImage face =
          LoadArtPicture(FaceName(card, large)).convertToFormat(QImage::Format_ARGB32);
      const QByteArray bytes(reinterpret_cast<const char*>(face.constBits()),
                             static_cast<int>(face.sizeInBytes()));
      EXPECT_FALSE(seen.contains(bytes))
          << FaceName(card, large).toStdString() << " repeats a face";
      seen.insert(bytes);
      // The index column is in the suit's ink: red for hearts and diamonds only.
      const QRect index = large ? QRect(4, 6, 24, 48) : QRect(2, 3, 13, 24);
      const int red = testing::CountPixels(face, index, Reddish);
      if (card.suit == kHearts || card.suit == kDiamonds) {
        EXPECT_GT(red, large ? 60 : 15) << FaceName(card, large).toStdString();
      } else {
        EXPECT_EQ(red, 0) << FaceName(card, large).toStdString();
      }
    }
  }
}

TEST_F(ArtLibrary, SmallFacesHaveTheBlackFrameWithOpenCorners) {
  for (int k : {1, 20, 36}) {
    const QImage face = LoadArtPicture(FaceName(CardFromNumber(k), false));
    for (QPoint corner : {QPoint(0, 0), QPoint(70, 0), QPoint(0, 95), QPoint(70, 95)}) {
      EXPECT_EQ(qAlpha(face.pixel(corner)), 0) << k;
    }
    for (QPoint edge : {QPoint(1, 0), QPoint(35, 95), QPoint(0, 48), QPoint(70, 1)}) {
      EXPECT_EQ(face.pixel(edge), qRgb(0, 0, 0)) << k;
    }
  }
}

}  // namespace
}  // namespace zendral
