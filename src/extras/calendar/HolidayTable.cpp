#include "extras/calendar/HolidayTable.h"

#include <array>

#include "extras/calendar/Easter.h"

namespace zendral {
namespace {

// Ascension is the fortieth day of Easter counted from Easter Sunday itself, a Thursday, and
// Trinity the fiftieth, a Sunday: 39 and 49 days after Easter.
// Entries 2, 18, 44 and 58 hold personal anniversaries whose texts are not part of the
// program; they are left out.
constexpr std::array<THolidayEntry, 82> kTable{{
    {1, "01.01.0000", "ALL", "R_NEWYEAR"},  {3, "20.01.0000", "USA", "R_USAFLAG"},
    {4, "25.01.0000", "RUS", "R_RUSZNAN"},  {5, "27.01.0000", "RUS", "R_RUSORDN"},
    {6, "****3.2.01", "USA", "R_USAFLAG"},  {7, "02.02.1943", "RUS", "R_RUSORDN"},
    {8, "08.02.0000", "RUS", "R_RUSFLAG"},  {9, "14.02.0000", "ALL", "R_LOVE000"},
    {10, "23.02.0000", "RUS", "R_RUSGEOR"}, {11, "08.03.0000", "ALL", "R_8MARCH0"},
    {12, "17.03.0000", "USA", "R_USAPATR"}, {13, "01.04.0000", "ALL", "R_1April0"},
    {14, "02.04.0000", "RUS", "R_RUSFLAG"}, {15, "12.04.0000", "RUS", "R_RUSFLAG"},
    {16, "18.04.1242", "RUS", "R_RUSGEOR"}, {17, "01.05.0000", "ALL", "R_1May000"},
    {19, "02.05.0000", "ISP", "R_ISPFLAG"}, {20, "07.05.0000", "RUS", "R_RUSFLAG"},
    {21, "08.05.0000", "FRA", "R_FRAFLAG"}, {22, "09.05.1945", "RUS", "R_RUSORDN"},
    {23, "24.05.0000", "RUS", "R_RUSFLAG"}, {24, "29.05.0000", "RUS", "R_RUSFLAG"},
    {25, "01.06.0000", "ALL", "R_BABY000"}, {26, "12.06.0000", "RUS", "R_RUSFLAG"},
    {27, "14.06.0000", "USA", "R_USAFLAG"}, {28, "21.06.0000", "FRA", "R_FRAMUS0"},
    {29, "22.06.0000", "RU-", "R_RUSORDN"}, {30, "27.06.0000", "RUS", "R_RUSFLAG"},
    {31, "04.07.0000", "USA", "R_USA4JUL"}, {32, "08.07.0000", "RUS", "R_RUSFLAG"},
    {33, "10.07.1709", "RUS", "R_RUSGEOR"}, {34, "14.07.0000", "FRA", "R_FRAFLAG"},
    {35, "18.07.0000", "USA", "R_USAFLAG"}, {36, "28.07.0988", "RUS", "R_RUSFLAG"},
    {37, "16.08.0000", "USA", "R_USAELVI"}, {38, "22.08.0000", "RUS", "R_RUSFLAG"},
    {39, "23.08.1943", "RUS", "R_RUSORDN"}, {40, "01.09.0000", "RUS", "R_RUSZNAN"},
    {41, "02.09.0000", "ALL", "R_WAR0000"}, {42, "08.09.1812", "RUS", "R_RUSGEOR"},
    {43, "13.09.0000", "ALL", "R_ALLPROG"}, {45, "21.09.1380", "RUS", "R_RUSGEOR"},
    {46, "01.10.0000", "RUS", "R_OLD0000"}, {47, "03.10.0000", "DEU", "R_DEUFLAG"},
    {48, "05.10.0000", "RUS", "R_TEACHER"}, {49, "12.10.0000", "ISP", "R_ISPFLAG"},
    {50, "21.10.0000", "ENG", "R_ENGFLAG"}, {51, "31.10.0000", "ALL", "R_HALLO00"},
    {52, "05.11.0000", "ENG", "R_ENGFLAG"}, {53, "11.11.0000", "ALL", "R_WAR0000"},
    {54, "****4.5.11", "USA", "R_USABLAG"}, {55, "05.12.1941", "RUS", "R_RUSORDN"},
    {56, "06.12.0000", "ISP", "R_ISPFLAG"}, {57, "12.12.0000", "RUS", "R_RUSFLAG"},
    {59, "22.12.0000", "RUS", "R_RUSFLAG"}, {60, "27.12.0000", "RUS", "R_RUSFLAG"},
    {61, "pasha.p000", "PRA", "R_PASHA00"}, {62, "pasha.p-07", "PRA", "R_PRAKRES"},
    {63, "pasha.p+39", "PRA", "R_PRAKRES"}, {64, "pasha.p+49", "PRA", "R_PRAKRES"},
    {65, "07.01.0000", "PRA", "R_ROGDEST"}, {66, "14.01.0000", "PRA", "R_PRAKRES"},
    {67, "19.01.0000", "PRA", "R_PRAKRES"}, {68, "15.02.0000", "PRA", "R_PRAKRES"},
    {69, "07.04.0000", "PRA", "R_PRAKRES"}, {70, "07.07.0000", "PRA", "R_PRAKRES"},
    {71, "12.07.0000", "PRA", "R_PRAKRES"}, {72, "19.08.0000", "PRA", "R_PRAKRES"},
    {73, "28.08.0000", "PRA", "R_PRAKRES"}, {74, "11.09.0000", "PRA", "R_PRAKRES"},
    {75, "21.09.0000", "PRA", "R_PRAKRES"}, {76, "27.09.0000", "PRA", "R_PRAKRES"},
    {77, "14.10.0000", "PRA", "R_PRAKRES"}, {78, "04.12.0000", "PRA", "R_PRAKRES"},
    {79, "pasha.k000", "KAT", "R_PASHA00"}, {80, "02.02.0000", "KAT", "R_KATKRES"},
    {81, "25.03.0000", "KAT", "R_KATKRES"}, {82, "06.08.0000", "KAT", "R_KATKRES"},
    {83, "08.09.0000", "KAT", "R_KATKRES"}, {84, "01.11.0000", "KAT", "R_KATKRES"},
    {85, "24.12.0000", "KAT", "R_ROGDEST"}, {86, "25.12.0000", "KAT", "R_ROGDEST"},
}};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The digits of text[from, from + count) as a number; -1 when one is not a digit.
int Digits(std::string_view text, std::size_t from, std::size_t count) {
  int value = 0;
  for (std::size_t i = from; i < from + count; ++i) {
    if (!IsDigit(text[i])) return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

std::optional<TDateRule> ParseFixedDay(std::string_view text) {
  if (text[2] != '.' || text[5] != '.') return std::nullopt;
  const int day = Digits(text, 0, 2);
  const int month = Digits(text, 3, 2);
  const int year = Digits(text, 6, 4);
  if (day < 1 || month < 1 || month > 12 || year < 0) return std::nullopt;
  // 29 February is a day of the table even though common years lack it.
  if (day > DaysInMonth(2000, month)) return std::nullopt;
  return TFixedDayRule{day, month, year};
}

std::optional<TDateRule> ParseWeekday(std::string_view text) {
  if (text[5] != '.' || text[7] != '.') return std::nullopt;
  const int week = text[4] == 'l' ? kLastWeek : Digits(text, 4, 1);
  const int weekday = Digits(text, 6, 1);
  const int month = Digits(text, 8, 2);
  if ((week != kLastWeek && (week < 1 || week > 5)) || (week == kLastWeek && text[4] != 'l') ||
      weekday < 1 || weekday > 7 || month < 1 || month > 12) {
    return std::nullopt;
  }
  return TWeekdayRule{week, weekday, month};
}

std::optional<TDateRule> ParseEaster(std::string_view text) {
  const char which = text[6];
  if (which != 'p' && which != 'k') return std::nullopt;
  const TEaster easter = which == 'p' ? TEaster::kOrthodox : TEaster::kCatholic;
  int offset = 0;
  if (text.substr(7) == "000") {
    offset = 0;
  } else if (text[7] == '+' || text[7] == '-') {
    offset = Digits(text, 8, 2);
    if (offset < 0) return std::nullopt;
    if (text[7] == '-') offset = -offset;
  } else {
    return std::nullopt;
  }
  return TEasterRule{easter, offset};
}

}  // namespace

std::span<const THolidayEntry> HolidayTable() {
  return kTable;
}

std::optional<TDateRule> ParseDateRule(std::string_view text) {
  if (text.size() != 10) return std::nullopt;
  if (text.starts_with("****")) return ParseWeekday(text);
  if (text.starts_with("pasha.")) return ParseEaster(text);
  return ParseFixedDay(text);
}

std::optional<TCalendarDate> DateInYear(const TDateRule& rule, int year) {
  if (year < kFirstCalendarYear || year > kLastCalendarYear) return std::nullopt;
  if (const auto* fixed = std::get_if<TFixedDayRule>(&rule)) {
    const TCalendarDate date{year, fixed->month, fixed->day};
    if (!IsValidDate(date)) return std::nullopt;
    return date;
  }
  if (const auto* weekday = std::get_if<TWeekdayRule>(&rule)) {
    const int length = DaysInMonth(year, weekday->month);
    const int firstWeekday = DayOfWeek({year, weekday->month, 1});
    const int first = 1 + (weekday->weekday - firstWeekday + 7) % 7;
    int day = first + 7 * (weekday->week - 1);
    if (weekday->week == kLastWeek) {
      day = first + 7 * ((length - first) / 7);
    }
    if (day > length) return std::nullopt;
    return TCalendarDate{year, weekday->month, day};
  }
  const auto& easterRule = std::get<TEasterRule>(rule);
  const TCalendarDate easter =
      easterRule.easter == TEaster::kOrthodox ? OrthodoxEaster(year) : CatholicEaster(year);
  return AddDaysInYear(easter, easterRule.offset);
}

std::optional<TCalendarDate> EntryDateInYear(const THolidayEntry& entry, int year) {
  const auto rule = ParseDateRule(entry.rule);
  if (!rule) return std::nullopt;
  if (entry.number == kProgrammersDayEntry && IsLeapYear(year)) {
    return DateOfDayOfYear(year, 256);
  }
  return DateInYear(*rule, year);
}

int EventYear(const THolidayEntry& entry) {
  const auto rule = ParseDateRule(entry.rule);
  if (!rule) return 0;
  const auto* fixed = std::get_if<TFixedDayRule>(&*rule);
  return fixed ? fixed->eventYear : 0;
}

}  // namespace zendral
