#include "store/ClubList.h"

#include <gtest/gtest.h>

#include "ClubFixtures.h"
#include "TempFolder.h"
#include "store/Cp1251.h"

namespace zendral {
namespace {

const std::string kEmptyByScore =
    "####################"
    "    "
    "###"
    "    "
    "######";
const std::string kEmptyByRating =
    "####################"
    "  "
    "#######"
    "  "
    "######";
const std::string kVera = "\xD0\x92\xD0\xB5\xD1\x80\xD0\xB0";  // Вера, in UTF-8

TEST(ClubList, BothModesOfTheMenuList) {
  TempFolder folder;
  folder.Write("Zendral.clb", fixtures::kClub);
  const auto byScore = ReadClubList(folder.path() / "Zendral.clb", 1);
  ASSERT_TRUE(byScore);
  EXPECT_EQ((*byScore)[0],
            "Anna                "
            "    "
            " 15"
            "    "
            "    30");  // 45 kons
  EXPECT_EQ((*byScore)[1],
            "Boris               "
            "    "
            "  0"
            "    "
            "     0");  // 30 kons
  EXPECT_EQ((*byScore)[2], kVera + std::string(16, ' ') +
                               "    "
                               " 12"
                               "    "
                               "    -7");
  EXPECT_EQ((*byScore)[3], kEmptyByScore);
  EXPECT_EQ((*byScore)[4], kEmptyByScore);

  const auto byRating = ReadClubList(folder.path() / "Zendral.clb", 2);
  ASSERT_TRUE(byRating);
  EXPECT_EQ((*byRating)[0],
            "Anna                "
            "  "
            "     45"
            "  "
            "  2,50");
  EXPECT_EQ((*byRating)[2], kVera + std::string(16, ' ') +
                                "  "
                                "     12"
                                "  "
                                "  0,00");
  EXPECT_EQ((*byRating)[4], kEmptyByRating);

  std::string damaged = fixtures::kClub;
  damaged[1] = 'm';
  folder.Write("Zendral.clb", damaged);
  EXPECT_FALSE(ReadClubList(folder.path() / "Zendral.clb", 1));
  EXPECT_FALSE(ReadClubList(folder.path() / "missing.clb", 1));
}

TEST(ClubList, RatingsAreShownWithTwoDecimalsHalvesAwayFromZero) {
  struct Case {
    double rating;
    const char* shown;
  } cases[] = {{1.255, "  1,26"},  {1.254999, "  1,25"},  {-1.234567, " -1,23"},
               {-0.005, " -0,01"}, {-0.004999, "  0,00"}, {-99.99, "-99,99"}};
  for (const auto& c : cases) {
    ClubFile file = ParseClubFile(fixtures::kClub).file;
    file.Line(1) = FormatMemberLine({"R", c.rating, 1, 0, "x"});
    EXPECT_EQ(ClubListTexts(file, 2)[0].substr(31), c.shown) << c.rating;
  }
}

TEST(ClubList, LongTextsAreCutFromTheEndOfTheName) {
  ClubFile file = ParseClubFile(fixtures::kClub).file;
  file.Line(2) = FormatMemberLine({"Alexander Pushkinsky", 1, 61, 8, "x"});
  // Ten pixels a character: 37 characters are too wide for 360 pixels, 36 fit.
  const TextWidthFn width = [](std::string_view text) {
    return 10 * static_cast<int>(Utf8ToCp1251(text).size());
  };
  const auto texts = ClubListTexts(file, 1, width);
  EXPECT_EQ(texts[0],
            "Anna               "
            "    "
            " 15"
            "    "
            "    30");  // a space went
  EXPECT_EQ(texts[1],
            "Alexander Pushki..."
            "    "
            "  1"
            "    "
            "     8");
  EXPECT_EQ(texts[2], kVera + std::string(15, ' ') +
                          "    "
                          " 12"
                          "    "
                          "    -7");
  EXPECT_EQ(texts[3],
            "###################"
            "    "
            "###"
            "    "
            "######");

  // Narrower still: the cut goes on down the name.
  EXPECT_EQ(FitClubListText("Anna                "
                            "    "
                            " 15"
                            "    "
                            "    30",
                            width, 200),
            "..."
            "    "
            " 15"
            "    "
            "    30");
  // When the whole name has gone there is nothing left to mark.
  EXPECT_EQ(FitClubListText("Ab                  "
                            "  1",
                            width, 10),
            "  1");
  // Without a width function nothing is cut.
  EXPECT_EQ(ClubListTexts(file, 1)[1],
            "Alexander Pushkinsky"
            "    "
            "  1"
            "    "
            "     8");
}

}  // namespace
}  // namespace zendral
