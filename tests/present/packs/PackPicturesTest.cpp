#include "present/packs/PackPictures.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

#include "PackMaker.h"
#include "present/packs/PackNames.h"
#include "store/Settings.h"
#include "support/TempFolder.h"

namespace zendral {
namespace {

// The program's own pictures stand in as one grey picture of the asked name's length, so a
// test sees which source a picture came from.
QImage OwnPicture(const QString& name) {
  QImage image(2, 2, QImage::Format_RGB32);
  image.fill(QColor(100, 100, 100));
  return name.startsWith("Ob08") ? QImage() : image;
}

QColor ColourOf(const QImage& image) {
  return image.isNull() ? QColor() : image.pixelColor(1, 1);
}

bool Near(const QColor& a, const QColor& b) {
  return a.isValid() && std::abs(a.red() - b.red()) < 12 && std::abs(a.green() - b.green()) < 12 &&
         std::abs(a.blue() - b.blue()) < 12;
}

class PackPicturesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "packs_tests";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
  }
  TempFolder temp_;
  std::filesystem::path parent_ = temp_.path() / "games";
  std::filesystem::path program_ = parent_ / "Zendral";
  Settings settings_;
  PackPictures pictures_{program_, OwnPicture};
  void SetUp() override { std::filesystem::create_directories(program_); }
};

TEST_F(PackPicturesTest, WithNoPacksEveryChoiceFallsBackToTheProgramsOwn) {
  settings_.CardDeck = 31;
  settings_.BackDeck = 9;
  settings_.Background = 4;
  settings_.BackgroundColour = 3;
  pictures_.LoadAll(settings_);
  EXPECT_EQ(settings_.CardDeck, 0);
  EXPECT_EQ(settings_.BackDeck, 0);
  EXPECT_EQ(settings_.Background, 2);
  EXPECT_EQ(settings_.BackgroundColour, 0);
  EXPECT_EQ(pictures_.TakeMissing(),
            (std::vector<std::string>{"KovCards06A.dll", "KovCards06B.dll", "KovBackG03.dll"}));
  EXPECT_FALSE(pictures_.narrow());
  EXPECT_TRUE(Near(ColourOf(pictures_.Picture("Ch06")), QColor(100, 100, 100)));
  // Nothing is missing twice: the second load finds the own choices and needs no pack.
  pictures_.LoadAll(settings_);
  EXPECT_TRUE(pictures_.TakeMissing().empty());
}

TEST_F(PackPicturesTest, BorrowedPicturesAndTheNarrowFormatFromAPackInTheParentFolder) {
  MakePack(temp_, parent_ / "KovCards06A.dll",
           {{PackKind::kPng, "Ch06Mod", Qt::red},
            {PackKind::kPng, "Ch06ModB", Qt::darkRed},
            {PackKind::kPng, "Pi5ACor", Qt::blue},
            {PackKind::kPng, "Pi5ACorB", Qt::darkBlue},
            {PackKind::kPng, "Kr08Pla", Qt::green}});
  settings_.CardDeck = 6;  // six to king of "Mod", the aces of "Cor"
  EXPECT_TRUE(pictures_.LoadCardFaces(settings_));
  EXPECT_EQ(settings_.CardDeck, 6);
  EXPECT_TRUE(Near(ColourOf(pictures_.Picture("Ch06")), Qt::red));
  EXPECT_TRUE(Near(ColourOf(pictures_.Picture("Ch06B")), Qt::darkRed));
  EXPECT_TRUE(Near(ColourOf(pictures_.Picture("Pi5A")), Qt::blue));
  EXPECT_TRUE(Near(ColourOf(pictures_.Picture("Pi5AB")), Qt::darkBlue));
  EXPECT_FALSE(pictures_.narrow());

  settings_.CardDeck = 28;
  EXPECT_TRUE(pictures_.LoadCardFaces(settings_));
  EXPECT_TRUE(pictures_.narrow());
  EXPECT_TRUE(Near(ColourOf(pictures_.Picture("Kr08")), Qt::green));
  // The earlier deck's pictures are gone: the rest is the program's own.
  EXPECT_TRUE(Near(ColourOf(pictures_.Picture("Ch06")), QColor(100, 100, 100)));
  EXPECT_TRUE(pictures_.TakeMissing().empty());
}

TEST_F(PackPicturesTest, BackDesignsOfSevenAndTenPicturesAndTheNarrowOwnBacks) {
  std::vector<Resource> backs;
  for (int picture = 1; picture <= 10; ++picture) {
    const QColor colour = QColor::fromHsv(picture * 30, 200, 200);
    backs.push_back(
        {PackKind::kPng, QString::fromStdString(BackName(9, picture, BackSize::kSmall)), colour});
    backs.push_back({PackKind::kPng,
                     QString::fromStdString(BackName(9, picture, BackSize::kLargeWide)), colour});
  }
  backs.push_back({PackKind::kPng, "Ob03WeU", Qt::magenta});
  backs.push_back({PackKind::kPng, "Ob03WeCl1", Qt::cyan});
  MakePack(temp_, program_ / "KovCards06B.dll", backs);

  settings_.BackDeck = 9;  // a collection: ten pictures
  EXPECT_TRUE(pictures_.LoadCardBacks(settings_));
  for (int picture = 1; picture <= 10; ++picture) {
    const QString name = QString::fromStdString(BackPictureName(picture));
    EXPECT_TRUE(Near(ColourOf(pictures_.Picture(name)), QColor::fromHsv(picture * 30, 200, 200)))
        << picture;
    EXPECT_TRUE(
        Near(ColourOf(pictures_.Picture(name + "B")), QColor::fromHsv(picture * 30, 200, 200)))
        << picture;
  }
  settings_.BackDeck = 1;  // seven pictures; the collection's are gone
  EXPECT_TRUE(pictures_.LoadCardBacks(settings_));
  EXPECT_TRUE(Near(ColourOf(pictures_.Picture("Ob03We")), Qt::cyan));
  EXPECT_TRUE(ColourOf(pictures_.Picture("Ob08XX")).isValid() == false);

  // Design 0 with a narrow deck takes its large pictures from pack B.
  MakePack(temp_, program_ / "KovCards06A.dll", {{PackKind::kPng, "Ch06Pla", Qt::red}});
  settings_.CardDeck = 28;
  settings_.BackDeck = 0;
  pictures_.LoadCardFaces(settings_);
  EXPECT_TRUE(pictures_.LoadCardBacks(settings_));
  EXPECT_TRUE(Near(ColourOf(pictures_.Picture("Ob03WeB")), Qt::magenta));
  EXPECT_TRUE(Near(ColourOf(pictures_.Picture("Ob03We")), QColor(100, 100, 100)));
}

TEST_F(PackPicturesTest, NarrowDeckWithoutPackBFallsBackToTheOwnDeck) {
  MakePack(temp_, program_ / "KovCards06A.dll", {{PackKind::kPng, "Ch06Pla", Qt::red}});
  settings_.CardDeck = 28;
  settings_.BackDeck = 0;
  EXPECT_TRUE(pictures_.LoadCardFaces(settings_));
  EXPECT_FALSE(pictures_.LoadCardBacks(settings_));
  EXPECT_EQ(settings_.BackDeck, 0);
  EXPECT_EQ(settings_.CardDeck, 0);
  EXPECT_FALSE(pictures_.narrow());
  EXPECT_TRUE(Near(ColourOf(pictures_.Picture("Ch06")), QColor(100, 100, 100)));
  EXPECT_EQ(pictures_.TakeMissing(), std::vector<std::string>{"KovCards06B.dll"});
}

TEST_F(PackPicturesTest, BackgroundsAndThePurpleDesign) {
  MakePack(temp_, parent_ / "KovBackG03.dll",
           {{PackKind::kJpeg, "Fon05B1", Qt::blue}, {PackKind::kJpeg, "Fon05B1B", Qt::cyan}});
  settings_.Background = 5;
  settings_.BackgroundColour = 4;
  EXPECT_TRUE(pictures_.LoadBackground(settings_));
  EXPECT_TRUE(Near(ColourOf(pictures_.Picture("FonG")), Qt::blue));
  EXPECT_TRUE(Near(ColourOf(pictures_.Picture("FonGB")), Qt::cyan));
  EXPECT_TRUE(Near(ColourOf(pictures_.Picture("MenuFon")), Qt::blue));

  // The purple menu without the graphics pack: the designs go back, the background stays.
  settings_.MainMenuDesign = 1;
  settings_.CustomDesign = true;
  EXPECT_FALSE(pictures_.LoadBackground(settings_));
  EXPECT_EQ(settings_.MainMenuDesign, 0);
  EXPECT_FALSE(settings_.CustomDesign);
  EXPECT_EQ(settings_.Background, 5);
  EXPECT_EQ(pictures_.TakeMissing(), std::vector<std::string>{"KovCGraph1.dll"});

  MakePack(temp_, program_ / "KovCGraph1.dll", {{PackKind::kJpeg, "BGLilu", Qt::magenta}});
  settings_.MainMenuDesign = 1;
  EXPECT_TRUE(pictures_.LoadBackground(settings_));
  EXPECT_TRUE(Near(ColourOf(pictures_.Picture("MenuFonB")), Qt::magenta));
  EXPECT_TRUE(Near(ColourOf(pictures_.Picture("FonGB")), Qt::cyan));
}

}  // namespace
}  // namespace zendral

namespace zendral {
namespace {

TEST(CaptionColourVariant, RearrangesColoursAndKeepsAlpha) {
  QImage title(2, 1, QImage::Format_ARGB32);
  title.setPixel(0, 0, qRgba(200, 100, 50, 255));
  title.setPixel(1, 0, qRgba(10, 20, 30, 40));  // a see-through edge pixel
  const QImage five = CaptionColourVariant(title, 5);
  EXPECT_EQ(five.pixel(0, 0), qRgba(50, 200, 200, 255));
  EXPECT_EQ(five.pixel(1, 0), qRgba(30, 10, 10, 40));
  const QImage two = CaptionColourVariant(title, 2);
  EXPECT_EQ(two.pixel(0, 0), qRgba(200, 101, 35, 255));
  EXPECT_EQ(two.pixel(1, 0), qRgba(10, 20, 30, 40));  // green above red: unchanged
  EXPECT_EQ(CaptionColourVariant(title, 1).pixel(0, 0), title.pixel(0, 0));
}

}  // namespace
}  // namespace zendral
