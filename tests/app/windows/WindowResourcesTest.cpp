// The pictures of the windows, the packs the choices need, the header ribbon and the texts.

#include <gtest/gtest.h>

#include <QSet>

#include "WindowsTestSupport.h"
#include "app/windows/WindowHeader.h"
#include "app/windows/WindowResources.h"
#include "app/windows/WindowTexts.h"
#include "present/words/WordRows.h"
#include "store/Settings.h"

namespace zendral {
namespace {

class WindowResources : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnsureApp();
    UseLanguage(kEnglish);
  }
  void TearDown() override { UseLanguage(kEnglish); }
};

TEST_F(WindowResources, EveryLanguageHasItsOwnFlagsInBothSizes) {
  QSet<QByteArray> large, small;
  for (int language = 0; language < kLanguageCount; ++language) {
    SCOPED_TRACE(language);
    const QImage flag = WindowPicture(QString::fromStdString(FlagPictureName(language)));
    ASSERT_EQ(flag.size(), QSize(69, 101));
    const TChooserFlag chooser = ChooserFlag(language);
    const QImage mini = WindowPicture(QString("IL%1%2")
                                          .arg(chooser.continent == 'A' ? "Asia" : "Euro")
                                          .arg(chooser.index, 2, 10, QChar('0')));
    ASSERT_EQ(mini.size(), QSize(16, 11));
    const QImage a = flag.convertToFormat(QImage::Format_ARGB32);
    const QImage b = mini.convertToFormat(QImage::Format_ARGB32);
    large.insert(QByteArray(reinterpret_cast<const char*>(a.constBits()), a.sizeInBytes()));
    small.insert(QByteArray(reinterpret_cast<const char*>(b.constBits()), b.sizeInBytes()));
  }
  // Ten different pictures each: no language shows another's flag.
  EXPECT_EQ(large.size(), kLanguageCount);
  EXPECT_EQ(small.size(), kLanguageCount);
  EXPECT_EQ(WindowPicture("GCap300").size(), QSize(300, 44));
  EXPECT_EQ(WindowPicture("GSvitok").size(), QSize(450, 570));
  EXPECT_TRUE(WindowPicture("NoSuchPicture").isNull());
}

TEST_F(WindowResources, ChoicesNameThePackTheyNeed) {
  struct Case {
    int deck;
    std::string_view pack;
  };
  const Case decks[] = {{0, ""},           {1, kPackCardsA},  {31, kPackCardsA},
                        {32, kPackCardsB}, {39, kPackCardsB}, {40, kPackCardsC},
                        {47, kPackCardsC}, {48, ""},          {-1, ""}};
  for (const Case& c : decks) EXPECT_EQ(PackForDeck(c.deck), c.pack) << c.deck;
  EXPECT_EQ(PackForBack(0), "");
  EXPECT_EQ(PackForBack(1), kPackCardsB);
  EXPECT_EQ(PackForBack(12), kPackCardsB);
  EXPECT_EQ(PackForBackground(2, 0), "");
  EXPECT_EQ(PackForBackground(2, 1), kPackBackgrounds);
  EXPECT_EQ(PackForBackground(1, 0), kPackBackgrounds);
}

TEST_F(WindowResources, PacksAreFoundInTheProgramFolderOrItsParent) {
  testing::TempFolder root;
  const auto program = root.path() / "zendral";
  std::filesystem::create_directories(program);
  EXPECT_FALSE(PackFileInstalled(program, kPackCardsA));
  root.Write("KovCards06A.dll", "pack");
  root.Write("zendral/KovCGraph1.dll", "pack");
  for (const auto& folder : {program, program / ""}) {
    EXPECT_TRUE(PackFileInstalled(folder, kPackCardsA)) << folder;
    EXPECT_TRUE(PackFileInstalled(folder, kPackGraphics)) << folder;
    EXPECT_FALSE(PackFileInstalled(folder, kPackCardsB)) << folder;
  }
  // A folder of that name is no pack.
  std::filesystem::create_directories(program / "KovBackG03.dll");
  EXPECT_FALSE(PackFileInstalled(program, kPackBackgrounds));
}

TEST_F(WindowResources, TitlesAreUpperCasedByTheirLanguage) {
  struct Case {
    int language;
    QString title;
  };
  const Case cases[] = {{kEnglish, "HISTORY OF GAMES"},
                        {kRussian, "ИСТОРИЯ ИГР"},
                        {kGerman, "SPIELVERLAUF"},
                        {kCzech, "HISTORIE HER"},
                        {kJapanese, "対局履歴"}};
  for (const Case& c : cases) {
    UseLanguage(c.language);
    EXPECT_EQ(UpperTitle(kWordHistoryOfGames), c.title) << c.language;
  }
  EXPECT_EQ(QtText("Attention!\n\rThese"), QStringLiteral("Attention!\nThese"));
}

TEST_F(WindowResources, TheRibbonCarriesTheTitleAcrossItsWidth) {
  Settings settings;
  WindowHeader header(settings, {"History", "GFormHistory", &kWordHistoryOfGames}, nullptr);
  header.resize(600, WindowHeader::kHeight);
  const QImage shot = header.grab().toImage();
  // The ribbon is wider than the title and stands in the middle; the edges stay free.
  auto ribbonAt = [&shot](int x) {
    const QColor c = shot.pixelColor(x, 20);
    return c != shot.pixelColor(0, 20);
  };
  EXPECT_TRUE(ribbonAt(300));
  EXPECT_TRUE(ribbonAt(160));
  EXPECT_FALSE(ribbonAt(2));
  EXPECT_FALSE(ribbonAt(597));
  EXPECT_EQ(header.LookShown(), kHeaderLookRibbon);
}

}  // namespace
}  // namespace zendral
