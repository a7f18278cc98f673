#include "extras/calendar/CalendarPages.h"

#include <gtest/gtest.h>

#include <string>

#include "present/words/Words.h"

namespace zendral {
namespace {

// The hints of the holiday pages of a day, in order.
std::vector<std::string> HolidayHints(const TCalendarDate& date, int language = kEnglish) {
  std::vector<std::string> hints;
  for (const TCalendarPage& page : CalendarPagesFor(date, language)) {
    if (page.kind == TCalendarPageKind::kHoliday) hints.push_back(page.hint);
  }
  return hints;
}

TEST(CalendarPages, HolidayHintsOfDays) {
  using Hints = std::vector<std::string>;
  struct Case {
    TCalendarDate date;
    Hints hints;
  };
  const Case cases[] = {
      {{2025, 1, 7}, {"Christmas (The Orthodox holiday)"}},
      {{2025, 12, 25}, {"Christmas (Catholic feast)"}},
      {{2025, 5, 9}, {"Victory day in Great Patriotic war (80-th anniversary, Russian Festival)"}},
      {{2025, 1, 1}, {"New Year"}},                          // "ALL" adds no kind
      {{2025, 6, 22}, {"Day of remembrance and mourning"}},  // nor does "RU-"
      {{2025, 1, 20},  // Inauguration day and the third Monday of January together
       {"Inauguration day (Holiday United States)",
        "Martin Luther King Day (Holiday United States)"}},
      {{2025, 11, 27}, {"Thanksgiving (Holiday United States)"}},
      {{2025, 11, 20}, {}},  // a Thursday, but the third
      {{2025, 4, 20}, {"Easter (The Orthodox holiday)", "Easter (Catholic feast)"}},
      {{2024, 3, 31}, {"Easter (Catholic feast)"}},
      {{2024, 5, 5}, {"Easter (The Orthodox holiday)"}},
      {{2025, 9, 13}, {"Programmer`s day"}},
      {{2024, 9, 13}, {}},
      {{2024, 9, 12}, {"Programmer`s day"}},
      {{2042, 4, 18},
       {"The day of the victory of the Russian army in the battle on the ice "
        "(800-th anniversary, Russian Festival)"}},
      {{2025, 9, 8},  // an anniversary and a feast on one day, in table order
       {"Borodino day (213-th anniversary, Russian Festival)",
        "Nativity of the Mother of God (Catholic feast)"}},
      {{1941, 12, 5},
       {"The first day of the Soviet troops counterattack near Moscow "
        "(Russian Festival)"}},  // the day itself: no anniversary yet
      {{1900, 5, 9}, {"Victory day in Great Patriotic war (Russian Festival)"}},  // before it
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HolidayHints(c.date), c.hints)
        << c.date.year << "-" << c.date.month << "-" << c.date.day;
  }
  EXPECT_EQ(HolidayHints({2025, 5, 9}, kRussian),
            (Hints{"День Победы в Великой Отечественной войне (80-я годовщина, Российский "
                   "праздник)"}));
}

TEST(CalendarPages, DatePageAndYearPage) {
  const auto pages = CalendarPagesFor({2025, 9, 7}, kEnglish);  // a Sunday
  ASSERT_EQ(pages.size(), 2u);
  const TCalendarPage& date = pages[0];
  EXPECT_EQ(date.kind, TCalendarPageKind::kDate);
  EXPECT_EQ(date.day, 7);
  EXPECT_TRUE(date.sunday);
  EXPECT_EQ(date.month, "September");
  EXPECT_TRUE(date.longMonth);  // nine letters
  EXPECT_EQ(date.picture, "R_06");
  EXPECT_EQ(date.hint, "Virgo");
  EXPECT_EQ(std::pair(date.pictureX, date.pictureY), std::pair(17, 65));
  const TCalendarPage& year = pages[1];
  EXPECT_EQ(year.kind, TCalendarPageKind::kYearAnimal);
  EXPECT_EQ(year.picture, "R_VOSSNAK");
  EXPECT_EQ(year.hint, "Year Of The Snake");
  EXPECT_EQ(std::pair(year.pictureX, year.pictureY), std::pair(3, 27));

  const auto russian = CalendarPagesFor({2025, 9, 8}, kRussian);
  EXPECT_FALSE(russian[0].sunday);
  EXPECT_EQ(russian[0].month, "Сентября");
  EXPECT_FALSE(russian[0].longMonth);  // eight letters, however many bytes
  EXPECT_EQ(russian[1].hint, "Год Змеи");
  ASSERT_EQ(russian.size(), 4u);
  EXPECT_EQ(russian[2].picture, "R_RUSGEOR");
  EXPECT_EQ(russian[3].picture, "R_KATKRES");

  EXPECT_EQ(CalendarPagesFor({2020, 1, 1}, kEnglish)[1].picture, "R_VOSKRIS");  // the Rat
  EXPECT_EQ(CalendarPagesFor({2016, 1, 1}, kEnglish)[1].picture, "R_VOSMONK");
  EXPECT_TRUE(CalendarPagesFor({2025, 2, 29}, kEnglish).empty());
}

TEST(CalendarPages, ZodiacSignsOnTheirBoundaries) {
  struct Case {
    int month, day, sign;
  };
  const Case cases[] = {
      {3, 20, 12}, {3, 21, 1},  {4, 20, 1},  {4, 21, 2},  {5, 20, 2},  {5, 21, 3},   {6, 21, 3},
      {6, 22, 4},  {7, 22, 4},  {7, 23, 5},  {8, 23, 5},  {8, 24, 6},  {9, 23, 6},   {9, 24, 7},
      {10, 23, 7}, {10, 24, 8}, {11, 22, 8}, {11, 23, 9}, {12, 21, 9}, {12, 22, 10}, {12, 31, 10},
      {1, 1, 10},  {1, 20, 10}, {1, 21, 11}, {2, 20, 11}, {2, 21, 12}, {2, 29, 12},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ZodiacSign(c.month, c.day), c.sign) << c.month << "." << c.day;
  }
  EXPECT_EQ(ZodiacPicture(1), "R_01");
  EXPECT_EQ(ZodiacPicture(12), "R_12");
}

TEST(CalendarPages, AtMostSixHolidaysAndEveryHintInEveryLanguage) {
  // Over many years no day has more pages than the calendar has room for, and every page has a
  // picture and a hint in each of the ten languages.
  for (int year = 2020; year <= 2035; ++year) {
    for (int day = 1; day <= (IsLeapYear(year) ? 366 : 365); ++day) {
      const TCalendarDate date = *DateOfDayOfYear(year, day);
      for (int language = 0; language < kLanguageCount; ++language) {
        const auto pages = CalendarPagesFor(date, language);
        ASSERT_GE(pages.size(), 2u);
        ASSERT_LE(pages.size(), static_cast<std::size_t>(kMaxCalendarPages));
        for (const TCalendarPage& page : pages) {
          ASSERT_FALSE(page.hint.empty()) << year << " " << day << " language " << language;
          ASSERT_FALSE(page.picture.empty());
        }
        ASSERT_FALSE(pages[0].month.empty());
      }
    }
  }
  // Every entry's hint, with and without an anniversary, in every language.
  for (const THolidayEntry& entry : HolidayTable()) {
    for (int language = 0; language < kLanguageCount; ++language) {
      const std::string hint = HolidayHint(entry, 2100, language);
      EXPECT_FALSE(hint.empty()) << entry.number << " language " << language;
      EXPECT_NE(hint.front(), ' ') << entry.number << " language " << language;
    }
  }
}

TEST(CalendarPages, ACrowdedDayKeepsTheFirstSixInTableOrder) {
  const THolidayEntry crowded[] = {
      {1, "01.03.0000", "ALL", "R_P1"},  {3, "01.03.0000", "ALL", "R_P2"},
      {4, "****1.7.03", "ALL", "R_P3"},  // the first Saturday of March 2025
      {5, "01.03.0000", "ALL", "R_P4"},  {7, "02.03.0000", "ALL", "R_NOT"},
      {8, "01.03.0000", "ALL", "R_P5"},  {9, "01.03.0000", "ALL", "R_P6"},
      {10, "01.03.0000", "ALL", "R_P7"}, {11, "bad", "ALL", "R_BAD"},
  };
  const auto pages = CalendarPagesFor({2025, 3, 1}, kEnglish, crowded);
  ASSERT_EQ(pages.size(), 8u);
  const char* expected[] = {"R_P1", "R_P2", "R_P3", "R_P4", "R_P5", "R_P6"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(pages[2 + i].picture, expected[i]) << i;
  EXPECT_EQ(HolidaysOn({2025, 3, 1}, crowded).size(), 7u);
}

TEST(CalendarPages, PlacesTurnsAndRebuilds) {
  struct Case {
    double scaleX, scaleY;
    TCalendarPlaces places;
  };
  const Case cases[] = {
      {1.0, 1.0, {150, 550, 95, 60, 100}},
      {1.3, 1.3, {195, 715, 124, 78, 130}},   // 123.5 rounds to the even neighbour
      {1.7, 1.7, {255, 935, 162, 102, 170}},  // 161.5 likewise
      {2.0, 2.0, {300, 1100, 190, 120, 200}},
      // A full screen stretches across more than down: the page grows by the smaller factor
      // and is centred across in its stretched place.
      {1920.0 / 760, 1080.0 / 500, {390, 1400, 205, 130, 216}},
  };
  for (const Case& c : cases) {
    const TCalendarPlaces places = CalendarPlaces(c.scaleX, c.scaleY);
    EXPECT_EQ(places.leftX, c.places.leftX) << c.scaleX;
    EXPECT_EQ(places.rightX, c.places.rightX) << c.scaleX;
    EXPECT_EQ(places.y, c.places.y) << c.scaleY;
    EXPECT_EQ(places.width, c.places.width) << c.scaleX;
    EXPECT_EQ(places.height, c.places.height) << c.scaleX;
  }

  // The right page runs 2, 3, ..., last and back to 2.
  int page = 2;
  std::vector<int> shown;
  for (int tick = 0; tick < 7; ++tick) shown.push_back(page = NextRightPage(page, 5));
  EXPECT_EQ(shown, (std::vector<int>{3, 4, 5, 2, 3, 4, 5}));
  EXPECT_EQ(NextRightPage(2, 2), 2);  // no holiday: the year page stays
  EXPECT_EQ(NextRightPage(7, 4), 2);  // pages rebuilt fewer than before
  EXPECT_EQ(NextRightPage(0, 3), 2);

  EXPECT_TRUE(IsCalendarRebuildTime(0, 0, 0));
  EXPECT_TRUE(IsCalendarRebuildTime(0, 0, 30));
  EXPECT_FALSE(IsCalendarRebuildTime(0, 0, 31));
  EXPECT_FALSE(IsCalendarRebuildTime(0, 1, 0));
  EXPECT_FALSE(IsCalendarRebuildTime(23, 59, 59));
  EXPECT_FALSE(IsCalendarRebuildTime(12, 0, 10));

  EXPECT_EQ(LeftDecorationX(true), 40);
  EXPECT_EQ(LeftDecorationX(false), 60);
  EXPECT_EQ(RightDecorationX(true), 620);
  EXPECT_EQ(RightDecorationX(false), 600);
}

}  // namespace
}  // namespace zendral
