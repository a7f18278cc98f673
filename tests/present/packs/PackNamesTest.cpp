#include "present/packs/PackNames.h"

#include <gtest/gtest.h>

namespace zendral {
namespace {

TEST(PackNames, FaceNamesFollowDeckCodes) {
  struct Case {
    int deck;
    TCardCode card;
    bool large;
    const char* name;
  };
  const Case cases[] = {
      {0, {1, kHearts}, false, "Ch06"},  // the program's own deck has no code
      {0, {9, kSpades}, true, "Pi5AB"},
      {1, {1, kHearts}, false, "Ch06Med"},
      {1, {5, kDiamonds}, true, "Bu10MedB"},
      {6, {8, kClubs}, false, "Kr4KCor"},  // every deck under its own code
      {7, {9, kSpades}, true, "Pi5ACroB"},
      {25, {2, kClubs}, false, "Kr07Boy"},
      {27, {4, kSpades}, true, "Pi09USRB"},
      {9, {1, kHearts}, false, "Ch06Fra"},
      {40, {1, kHearts}, false, "Ch06Fra"},  // deck 40 reuses deck 9's code
      {31, {3, kSpades}, false, "Pi08SkF"},
      {32, {3, kSpades}, false, "Pi08Bel"},
      {47, {9, kDiamonds}, true, "Bu5ACzeB"},
      {48, {1, kHearts}, false, ""},
      {-1, {1, kHearts}, false, ""},
      {1, kEmptyCard, false, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FaceName(c.deck, c.card, c.large), c.name) << c.deck << " " << int(c.card.rank);
  }
}

// Older packs showed eight decks with another deck's cards: the names they hold them under.
TEST(PackNames, FormerFaceNamesOfTheDecksThatOnceBorrowed) {
  const struct {
    int deck;
    TCardCode card;
    bool large;
    const char* name;
  } cases[] = {
      {6, {8, kClubs}, false, "Kr4KMod"},   // deck 6: six to king of "Mod" ...
      {6, {9, kHearts}, false, "Ch5ACor"},  // ... and its own aces
      {7, {9, kSpades}, true, "Pi5AModB"},  {19, {7, kHearts}, false, "Ch3QSea"},
      {25, {2, kClubs}, false, "Kr07Rhi"},  {25, {9, kClubs}, false, "Kr5ABoy"},
      {27, {4, kSpades}, true, "Pi09BigB"}, {1, {1, kHearts}, false, ""},  // always its own
      {48, {1, kHearts}, false, ""},        {6, kEmptyCard, false, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormerFaceName(c.deck, c.card, c.large), c.name) << c.deck << " " << int(c.card.rank);
  }
}

TEST(PackNames, PacksAndFormatsOfDecks) {
  struct Case {
    int deck;
    std::string_view pack;
    bool narrow;
  };
  const Case cases[] = {{0, "", false},          {1, kPackCardsA, false},  {27, kPackCardsA, false},
                        {28, kPackCardsA, true}, {31, kPackCardsA, true},  {32, kPackCardsB, true},
                        {39, kPackCardsB, true}, {40, kPackCardsC, false}, {41, kPackCardsC, true},
                        {44, kPackCardsC, true}, {45, kPackCardsC, false}, {46, kPackCardsC, true},
                        {47, kPackCardsC, true}, {48, "", false}};
  for (const Case& c : cases) {
    EXPECT_EQ(PackForDeck(c.deck), c.pack) << c.deck;
    EXPECT_EQ(IsNarrowDeck(c.deck), c.narrow) << c.deck;
  }
}

TEST(PackNames, BackNamesAndPictureCounts) {
  struct Case {
    int design, picture;
    BackSize size;
    const char* name;
    std::string_view pack;
  };
  const Case cases[] = {
      {0, 1, BackSize::kSmall, "Ob01Mo", ""},
      {0, 7, BackSize::kLargeWide, "Ob07SuB", ""},
      {0, 3, BackSize::kLargeNarrow, "Ob03WeU", kPackCardsB},  // design 0's narrow backs
      {0, 8, BackSize::kSmall, "", ""},
      {1, 1, BackSize::kSmall, "Ob01MoCl1", kPackCardsB},
      {7, 7, BackSize::kLargeWide, "Ob07SuKniB", kPackCardsB},
      {7, 8, BackSize::kSmall, "", kPackCardsB},  // seven pictures only
      {8, 8, BackSize::kSmall, "Ob08XXAni", kPackCardsB},
      {9, 9, BackSize::kLargeNarrow, "Ob09XXFloU", kPackCardsB},
      {11, 10, BackSize::kLargeWide, "Ob10XXOthB", kPackCardsB},
      {11, 11, BackSize::kSmall, "", kPackCardsB},
      {12, 6, BackSize::kSmall, "Ob06SuRus", kPackCardsB},
      {12, 8, BackSize::kSmall, "", kPackCardsB},
      {13, 1, BackSize::kSmall, "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BackName(c.design, c.picture, c.size), c.name) << c.design << "/" << c.picture;
    EXPECT_EQ(PackForBack(c.design, c.size), c.pack) << c.design;
  }
  for (int design = 0; design <= kBackDesigns; ++design) {
    EXPECT_EQ(BackPictureCount(design), design >= 8 && design <= 11 ? 10 : 7) << design;
  }
}

TEST(PackNames, BackPictureByWeekdayAlwaysOneAndCollections) {
  struct Case {
    int weekday;
    bool alwaysOne;
    int design, random, picture;
  };
  const Case cases[] = {{1, false, 0, 5, 1}, {3, false, 12, 5, 3},  {7, false, 1, 5, 7},
                        {2, true, 3, 5, 7},  {2, false, 8, 10, 10}, {2, true, 11, 9, 9},
                        {6, false, 9, 1, 1}};
  for (const Case& c : cases) {
    EXPECT_EQ(ChooseBackPicture(c.weekday, c.alwaysOne, c.design, c.random), c.picture)
        << c.weekday << " " << c.design;
  }
}

TEST(PackNames, BackgroundNamesByColourCodeAndSize) {
  struct Case {
    int background, colour, windowSize;
    const char* name;
    std::string_view pack;
  };
  const Case cases[] = {
      {2, 0, 1, "FonG", ""},
      {2, 0, 5, "FonGB", ""},
      {2, 1, 1, "Fon02Re", kPackBackgrounds},
      {1, 0, 1, "Fon01Gr", kPackBackgrounds},
      {3, 2, 2, "Fon03OrB", kPackBackgrounds},
      {4, 3, 3, "Fon04YeB", kPackBackgrounds},
      {5, 4, 1, "Fon05B1", kPackBackgrounds},
      {6, 5, 4, "Fon06B2B", kPackBackgrounds},
      {10, 6, 1, "Fon10Fi", kPackBackgrounds},
      {11, 0, 1, "", kPackBackgrounds},
      {1, 7, 1, "", kPackBackgrounds},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BackgroundName(c.background, c.colour, c.windowSize), c.name) << c.background;
    EXPECT_EQ(PackForBackground(c.background, c.colour), c.pack) << c.background;
  }
}

TEST(PackNames, DownloadCodes) {
  const std::pair<int, std::string_view> cases[] = {
      {1, kPackCardsA},   {2, kPackCardsB},    {3, kPackBackgrounds},
      {4, kPackCalendar}, {5, kRadioListFile}, {6, kPackRadio},
      {7, kPackVoice},    {8, kPackCardsC},    {9, kPackGraphics}};
  for (const auto& [code, file] : cases) {
    EXPECT_EQ(PackForDownloadCode(code), file);
    EXPECT_EQ(DownloadCodeOf(file), code);
  }
  EXPECT_EQ(PackForDownloadCode(0), "");
  EXPECT_EQ(PackForDownloadCode(10), "");
  EXPECT_EQ(DownloadCodeOf("Zendral.ini"), 0);
}

TEST(PackNames, CaptionColourVariants) {
  struct Case {
    Rgb in;
    int variant;
    Rgb out;
  };
  const Case cases[] = {
      {{200, 100, 50}, 1, {200, 100, 50}},
      // B' = round(0.7 * 50) = 35; G' = 35 + round(0.4 * 165) = 35 + 66
      {{200, 100, 50}, 2, {200, 101, 35}},
      // 0.7 * 5 = 3.5 rounds to the even 4; 0.4 * (20 - 4) = 6.4
      {{20, 5, 9}, 2, {20, 10, 4}},
      // 0.7 * 15 = 10.5 rounds to 10; 0.4 * (100 - 10) = 36
      {{100, 15, 40}, 2, {100, 46, 10}},
      {{100, 150, 50}, 2, {100, 150, 50}},  // green above red: unchanged
      {{100, 50, 100}, 2, {100, 50, 100}},  // blue not below red: unchanged
      {{10, 20, 30}, 3, {10, 10, 30}},
      {{10, 20, 30}, 4, {20, 10, 30}},
      {{10, 20, 30}, 5, {30, 10, 10}},
      {{10, 20, 30}, 6, {30, 20, 10}},
      {{10, 20, 30}, 7, {10, 20, 10}},
      {{10, 20, 30}, 0, {10, 20, 30}},
  };
  for (const Case& c : cases) {
    const Rgb out = CaptionColourPixel(c.in, c.variant);
    EXPECT_EQ(out, c.out) << c.variant << ": " << out.r << "," << out.g << "," << out.b;
  }
  EXPECT_EQ(NextCaptionColour(1), 2);
  EXPECT_EQ(NextCaptionColour(6), 7);
  EXPECT_EQ(NextCaptionColour(7), 1);
  EXPECT_EQ(NextCaptionColour(0), 1);
}

}  // namespace
}  // namespace zendral
