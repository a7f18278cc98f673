#include "extras/calendar/Easter.h"

#include <gtest/gtest.h>

namespace zendral {
namespace {

// Independent computations, by other published methods than the program's.

// Julian Day Number of a Gregorian date and back (Fliegel and Van Flandern).
long GregorianToJdn(int y, int m, int d) {
  const long a = (14 - m) / 12;
  const long yy = y + 4800 - a;
  const long mm = m + 12 * a - 3;
  return d + (153 * mm + 2) / 5 + 365 * yy + yy / 4 - yy / 100 + yy / 400 - 32045;
}
long JulianToJdn(int y, int m, int d) {
  const long a = (14 - m) / 12;
  const long yy = y + 4800 - a;
  const long mm = m + 12 * a - 3;
  return d + (153 * mm + 2) / 5 + 365 * yy + yy / 4 - 32083;
}
TCalendarDate JdnToGregorian(long jdn) {
  const long a = jdn + 32044;
  const long b = (4 * a + 3) / 146097;
  const long c = a - 146097 * b / 4;
  const long d = (4 * c + 3) / 1461;
  const long e = c - 1461 * d / 4;
  const long m = (5 * e + 2) / 153;
  return {static_cast<int>(100 * b + d - 4800 + m / 10), static_cast<int>(m + 3 - 12 * (m / 10)),
          static_cast<int>(e - (153 * m + 2) / 5 + 1)};
}

// Meeus's Julian Easter, then carried into the Gregorian calendar through the day number.
TCalendarDate ReferenceOrthodoxEaster(int year) {
  const int a = year % 4, b = year % 7, c = year % 19;
  const int d = (19 * c + 15) % 30;
  const int e = (2 * a + 4 * b - d + 34) % 7;
  const int month = (d + e + 114) / 31;
  const int day = (d + e + 114) % 31 + 1;
  return JdnToGregorian(JulianToJdn(year, month, day));
}

// The anonymous Gregorian algorithm (Meeus, Jones, Butcher).
TCalendarDate ReferenceCatholicEaster(int year) {
  const int a = year % 19, b = year / 100, c = year % 100;
  const int d = b / 4, e = b % 4, f = (b + 8) / 25, g = (b - f + 1) / 3;
  const int h = (19 * a + b - d - g + 15) % 30;
  const int i = c / 4, k = c % 4;
  const int l = (32 + 2 * e + 2 * i - h - k) % 7;
  const int m = (a + 11 * h + 22 * l) / 451;
  const int month = (h + l - 7 * m + 114) / 31;
  const int day = (h + l - 7 * m + 114) % 31 + 1;
  return {year, month, day};
}

TEST(Easter, KnownDates) {
  struct Case {
    int year;
    TCalendarDate orthodox;
    TCalendarDate catholic;
  };
  const Case cases[] = {
      {2024, {2024, 5, 5}, {2024, 3, 31}},
      {2025, {2025, 4, 20}, {2025, 4, 20}},  // both on one day
      {2026, {2026, 4, 12}, {2026, 4, 5}},
      {2027, {2027, 5, 2}, {2027, 3, 28}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(OrthodoxEaster(c.year), c.orthodox) << c.year;
    EXPECT_EQ(CatholicEaster(c.year), c.catholic) << c.year;
  }
  EXPECT_EQ(CatholicEaster(2285), (TCalendarDate{2285, 3, 22}));  // the earliest there can be
  EXPECT_EQ(CatholicEaster(1943), (TCalendarDate{1943, 4, 25}));  // the latest
}

TEST(Easter, CatholicMatchesAnIndependentRuleOverCenturies) {
  for (int year = 1583; year <= 4099; ++year) {
    const TCalendarDate easter = CatholicEaster(year);
    ASSERT_EQ(easter, ReferenceCatholicEaster(year)) << year;
    ASSERT_EQ(DayOfWeek(easter), 1) << year;  // always a Sunday
  }
}

TEST(Easter, OrthodoxMatchesTheJulianRuleCarriedOverDayNumbers) {
  // The span crosses 2100, where the two calendars drift a 14th day apart.
  for (int year = 1583; year <= 2400; ++year) {
    const TCalendarDate easter = OrthodoxEaster(year);
    ASSERT_EQ(easter, ReferenceOrthodoxEaster(year)) << year;
    ASSERT_EQ(DayOfWeek(easter), 1) << year;
    ASSERT_TRUE(IsValidDate(easter)) << year;
  }
  EXPECT_EQ(JulianToGregorianShift(2025), 13);
  EXPECT_EQ(JulianToGregorianShift(2100), 14);
  EXPECT_EQ(OrthodoxEaster(2100), (TCalendarDate{2100, 5, 2}));
}

TEST(Easter, ReferenceDayNumbersAgree) {
  // The check of the checker: 1 January 2000 is day 2451545, and the Julian calendar was 13 days
  // behind then.
  EXPECT_EQ(GregorianToJdn(2000, 1, 1), 2451545);
  EXPECT_EQ(JdnToGregorian(JulianToJdn(2000, 1, 1)), (TCalendarDate{2000, 1, 14}));
}

}  // namespace
}  // namespace zendral
