#include "extras/calendar/HolidayTable.h"

#include <gtest/gtest.h>

#include <set>

#include "extras/calendar/Easter.h"

namespace zendral {
namespace {

const THolidayEntry& Entry(int number) {
  for (const THolidayEntry& entry : HolidayTable()) {
    if (entry.number == number) return entry;
  }
  ADD_FAILURE() << "no entry " << number;
  return HolidayTable().front();
}

TEST(HolidayTable, EveryEntryParsesAndFallsOnADayOfEveryYear) {
  std::set<int> numbers;
  for (const THolidayEntry& entry : HolidayTable()) {
    EXPECT_TRUE(ParseDateRule(entry.rule)) << entry.number << " " << entry.rule;
    EXPECT_TRUE(numbers.insert(entry.number).second) << "entry twice: " << entry.number;
    EXPECT_TRUE(entry.picture.starts_with("R_")) << entry.number;
  }
  EXPECT_EQ(numbers.size(), 82u);  // 86 less the four personal anniversaries
  // No rule of the table lacks a day in any year (no fifth weekday, no 29 February).
  for (int year = 1900; year <= 2200; ++year) {
    for (const THolidayEntry& entry : HolidayTable()) {
      EXPECT_TRUE(EntryDateInYear(entry, year)) << entry.number << " " << year;
    }
  }
}

TEST(HolidayTable, RulesAsWritten) {
  struct Case {
    const char* text;
    bool ok;
  };
  const Case cases[] = {
      {"01.01.0000", true},  {"09.05.1945", true},  {"29.02.0000", true},  {"31.12.2025", true},
      {"****3.2.01", true},  {"****l.1.05", true},  {"****5.7.12", true},  {"pasha.p000", true},
      {"pasha.k-46", true},  {"pasha.p+50", true},  {"31.04.0000", false}, {"30.02.0000", false},
      {"00.01.0000", false}, {"01.13.0000", false}, {"01-01-0000", false}, {"1.01.0000", false},
      {"01.01.000a", false}, {"****0.2.01", false}, {"****6.2.01", false}, {"****3.0.01", false},
      {"****3.8.01", false}, {"****3.2.13", false}, {"****x.2.01", false}, {"****3,2,01", false},
      {"pasha.x000", false}, {"pasha.p*07", false}, {"pasha.p+7a", false}, {"pasha.p00", false},
      {"", false},           {"**********", false},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseDateRule(c.text).has_value(), c.ok) << c.text;

  const auto fixed = ParseDateRule("09.05.1945");
  ASSERT_TRUE(fixed);
  const auto& day = std::get<TFixedDayRule>(*fixed);
  EXPECT_EQ(day.day, 9);
  EXPECT_EQ(day.month, 5);
  EXPECT_EQ(day.eventYear, 1945);
  const auto easterRule = ParseDateRule("pasha.p-07");
  ASSERT_TRUE(easterRule);
  const auto& easter = std::get<TEasterRule>(*easterRule);
  EXPECT_EQ(easter.easter, TEaster::kOrthodox);
  EXPECT_EQ(easter.offset, -7);
  const auto lastRule = ParseDateRule("****l.1.05");
  ASSERT_TRUE(lastRule);
  const auto& last = std::get<TWeekdayRule>(*lastRule);
  EXPECT_EQ(last.week, kLastWeek);
  EXPECT_EQ(last.weekday, 1);
  EXPECT_EQ(last.month, 5);
}

// The n-th weekday of a month counted the slow way, day by day.
std::optional<TCalendarDate> CountedWeekday(int year, int month, int week, int weekday) {
  std::optional<TCalendarDate> found;
  int seen = 0;
  for (int day = 1; day <= DaysInMonth(year, month); ++day) {
    if (DayOfWeek({year, month, day}) != weekday) continue;
    ++seen;
    if (week == kLastWeek || seen == week) found = TCalendarDate{year, month, day};
  }
  return found;
}

TEST(HolidayTable, WeekdayRulesOnTheirBoundaries) {
  struct Case {
    const char* rule;
    int year;
    std::optional<TCalendarDate> date;
  };
  const Case cases[] = {
      {"****3.2.01", 2024, TCalendarDate{2024, 1, 15}},  // third Monday as early as it comes
      {"****3.2.01", 2025, TCalendarDate{2025, 1, 20}},
      {"****3.2.01", 2022, TCalendarDate{2022, 1, 17}},
      {"****3.2.01", 2021, TCalendarDate{2021, 1, 18}},
      {"****3.2.01", 2027, TCalendarDate{2027, 1, 18}},
      {"****3.2.01", 2018, TCalendarDate{2018, 1, 15}},
      {"****3.2.01", 2019, TCalendarDate{2019, 1, 21}},   // and as late
      {"****4.5.11", 2018, TCalendarDate{2018, 11, 22}},  // fourth Thursday, earliest
      {"****4.5.11", 2019, TCalendarDate{2019, 11, 28}},  // latest
      {"****4.5.11", 2025, TCalendarDate{2025, 11, 27}},
      {"****l.2.05", 2021, TCalendarDate{2021, 5, 31}},  // last Monday on the last day
      {"****l.2.05", 2022, TCalendarDate{2022, 5, 30}},
      {"****l.2.05", 2027, TCalendarDate{2027, 5, 31}},
      {"****l.2.05", 2026, TCalendarDate{2026, 5, 25}},  // on the first of the last seven
      {"****l.5.02", 2024, TCalendarDate{2024, 2, 29}},  // the leap day itself
      {"****l.5.02", 2025, TCalendarDate{2025, 2, 27}},
      {"****l.1.02", 2026, TCalendarDate{2026, 2, 22}},  // a 28-day February: 22 to 28
      {"****5.2.02", 2016, TCalendarDate{2016, 2, 29}},  // a fifth Monday only in a leap year
      {"****5.2.02", 2025, std::nullopt},
      {"****5.7.09", 2025, std::nullopt},               // September 2025 has four Saturdays
      {"****1.1.06", 2025, TCalendarDate{2025, 6, 1}},  // on the first day
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DateInYear(*ParseDateRule(c.rule), c.year), c.date) << c.rule << " " << c.year;
  }
  // Every week and weekday of every month over a span of years, against the count by hand.
  for (int year = 2020; year <= 2032; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int week = kLastWeek; week <= 5; ++week) {
        for (int weekday = 1; weekday <= 7; ++weekday) {
          const TWeekdayRule rule{week, weekday, month};
          ASSERT_EQ(DateInYear(rule, year), CountedWeekday(year, month, week, weekday))
              << year << "." << month << " week " << week << " day " << weekday;
        }
      }
    }
  }
}

TEST(HolidayTable, EasterEntriesAndTheirOffsets) {
  struct Case {
    int entry;
    int year;
    TCalendarDate date;
  };
  const Case cases[] = {
      {61, 2025, {2025, 4, 20}},  // Orthodox Easter
      {62, 2025, {2025, 4, 13}},  // a week before
      {63, 2025, {2025, 5, 29}},  // Ascension, into the next month
      {64, 2025, {2025, 6, 8}},   // Trinity, two months on
      {61, 2024, {2024, 5, 5}},  {62, 2024, {2024, 4, 28}},
      {64, 2024, {2024, 6, 23}}, {79, 2024, {2024, 3, 31}},  // Catholic Easter
      {79, 2025, {2025, 4, 20}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EntryDateInYear(Entry(c.entry), c.year), c.date) << c.entry << " " << c.year;
  }
  // The feasts keep their distance from Easter in every year, month lengths and all: the
  // entry into Jerusalem on the Sunday before, Ascension on the Thursday of the sixth week
  // after, Trinity on the seventh Sunday after.
  for (int year = 1990; year <= 2100; ++year) {
    const int easter = DayOfYear(OrthodoxEaster(year));
    const auto entry = *EntryDateInYear(Entry(62), year);
    const auto ascension = *EntryDateInYear(Entry(63), year);
    const auto trinity = *EntryDateInYear(Entry(64), year);
    EXPECT_EQ(DayOfYear(entry), easter - 7) << year;
    EXPECT_EQ(DayOfYear(ascension), easter + 39) << year;
    EXPECT_EQ(DayOfYear(trinity), easter + 49) << year;
    EXPECT_EQ(DayOfWeek(entry), 1) << year;
    EXPECT_EQ(DayOfWeek(ascension), 5) << year;
    EXPECT_EQ(DayOfWeek(trinity), 1) << year;
  }
  // An offset that leaves the year gives no day rather than a wrong one.
  EXPECT_FALSE(DateInYear(TEasterRule{TEaster::kCatholic, -120}, 2025));
  EXPECT_FALSE(DateInYear(TEasterRule{TEaster::kOrthodox, 260}, 2025));
  EXPECT_EQ(DateInYear(TEasterRule{TEaster::kCatholic, -46}, 2025), (TCalendarDate{2025, 3, 5}));
}

TEST(HolidayTable, ProgrammersDayMovesInLeapYears) {
  const struct {
    int year;
    TCalendarDate date;
  } cases[] = {{2025, {2025, 9, 13}}, {2024, {2024, 9, 12}}, {2000, {2000, 9, 12}},
               {2100, {2100, 9, 13}}, {2028, {2028, 9, 12}}, {1900, {1900, 9, 13}}};
  for (const auto& c : cases) {
    const auto date = EntryDateInYear(Entry(kProgrammersDayEntry), c.year);
    EXPECT_EQ(date, c.date) << c.year;
    EXPECT_EQ(DayOfYear(*date), 256) << c.year;
  }
  // No other fixed day moves in a leap year.
  EXPECT_EQ(EntryDateInYear(Entry(42), 2024), (TCalendarDate{2024, 9, 8}));
  EXPECT_EQ(EntryDateInYear(Entry(86), 2024), (TCalendarDate{2024, 12, 25}));
}

TEST(HolidayTable, EventYearsOfAnniversaries) {
  EXPECT_EQ(EventYear(Entry(22)), 1945);
  EXPECT_EQ(EventYear(Entry(36)), 988);
  EXPECT_EQ(EventYear(Entry(16)), 1242);
  EXPECT_EQ(EventYear(Entry(1)), 0);
  EXPECT_EQ(EventYear(Entry(61)), 0);
  EXPECT_EQ(EventYear(Entry(6)), 0);
  EXPECT_EQ(EventYear({999, "bad", "ALL", "R_X"}), 0);
  // A 29 February rule has no day in a common year.
  EXPECT_FALSE(DateInYear(*ParseDateRule("29.02.0000"), 2025));
  EXPECT_EQ(DateInYear(*ParseDateRule("29.02.0000"), 2024), (TCalendarDate{2024, 2, 29}));
}

}  // namespace
}  // namespace zendral
