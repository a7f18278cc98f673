#include "extras/calendar/CalendarDate.h"

#include <gtest/gtest.h>

namespace zendral {
namespace {

TEST(CalendarDate, LeapYearsAndMonthLengths) {
  struct Case {
    int year;
    bool leap;
  };
  for (const Case c : {Case{2024, true}, Case{2025, false}, Case{1900, false}, Case{2000, true},
                       Case{2100, false}, Case{2400, true}, Case{4, true}, Case{1, false}}) {
    EXPECT_EQ(IsLeapYear(c.year), c.leap) << c.year;
    EXPECT_EQ(DaysInMonth(c.year, 2), c.leap ? 29 : 28) << c.year;
  }
  EXPECT_EQ(DaysInMonth(2025, 4), 30);
  EXPECT_EQ(DaysInMonth(2025, 12), 31);
  EXPECT_EQ(DaysInMonth(2025, 0), 0);
  EXPECT_EQ(DaysInMonth(2025, 13), 0);
}

TEST(CalendarDate, WeekdaysOfKnownDays) {
  struct Case {
    TCalendarDate date;
    int weekday;  // 1 Sunday .. 7 Saturday
  };
  const Case cases[] = {
      {{2025, 1, 1}, 4},    // a Wednesday
      {{2024, 2, 29}, 5},   // a Thursday
      {{2000, 1, 1}, 7},    // a Saturday
      {{1945, 5, 9}, 4},    // a Wednesday
      {{2026, 12, 10}, 5},  // a Thursday
      {{2100, 3, 1}, 2},    // a Monday
      {{1, 1, 1}, 2},       // a Monday in the Gregorian reckoning
  };
  for (const Case& c : cases) EXPECT_EQ(DayOfWeek(c.date), c.weekday) << c.date.year;
  // Consecutive days walk through the week across a whole leap year and into the next.
  int expected = DayOfWeek({2023, 12, 31});
  for (int day = 1; day <= 366; ++day) {
    expected = expected % 7 + 1;
    EXPECT_EQ(DayOfWeek(*DateOfDayOfYear(2024, day)), expected) << day;
  }
  EXPECT_EQ(DayOfWeek({2025, 1, 1}), expected % 7 + 1);
}

TEST(CalendarDate, DayOfYearRoundTripAndLimits) {
  for (const int year : {2023, 2024}) {
    const int length = IsLeapYear(year) ? 366 : 365;
    for (int day = 1; day <= length; ++day) {
      const auto date = DateOfDayOfYear(year, day);
      ASSERT_TRUE(date && IsValidDate(*date)) << year << " " << day;
      EXPECT_EQ(DayOfYear(*date), day);
    }
    EXPECT_FALSE(DateOfDayOfYear(year, 0));
    EXPECT_FALSE(DateOfDayOfYear(year, length + 1));
  }
  EXPECT_EQ(AddDaysInYear({2024, 2, 28}, 1), (TCalendarDate{2024, 2, 29}));
  EXPECT_EQ(AddDaysInYear({2025, 2, 28}, 1), (TCalendarDate{2025, 3, 1}));
  EXPECT_EQ(AddDaysInYear({2025, 4, 20}, -7), (TCalendarDate{2025, 4, 13}));
  EXPECT_FALSE(AddDaysInYear({2025, 12, 31}, 1));
  EXPECT_FALSE(AddDaysInYear({2025, 2, 29}, 0));
}

TEST(CalendarDate, IsoDatesAsTyped) {
  EXPECT_EQ(ParseIsoDate("2025-05-09"), (TCalendarDate{2025, 5, 9}));
  EXPECT_EQ(ParseIsoDate("2024-02-29"), (TCalendarDate{2024, 2, 29}));
  for (const char* bad : {"2025-02-29", "2025-13-01", "2025-00-10", "0000-01-01", "2025-5-9",
                          "2025/05/09", "2025-05-09x", "20a5-05-09", "", "-025-05-09"}) {
    EXPECT_FALSE(ParseIsoDate(bad)) << bad;
  }
  EXPECT_FALSE(ParseIsoDate(nullptr));
}

}  // namespace
}  // namespace zendral
