#include "extras/calendar/CalendarDate.h"

#include <cstring>

namespace zendral {

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  if (month == 2 && IsLeapYear(year)) return 29;
  return kDays[month - 1];
}

bool IsValidDate(const TCalendarDate& date) {
  return date.year >= kFirstCalendarYear && date.year <= kLastCalendarYear && date.month >= 1 &&
         date.month <= 12 && date.day >= 1 && date.day <= DaysInMonth(date.year, date.month);
}

int DayOfWeek(const TCalendarDate& date) {
  // Zeller's congruence for the Gregorian calendar, January and February counted as months 13
  // and 14 of the year before; h = 0 is Saturday.
  int month = date.month;
  int year = date.year;
  if (month < 3) {
    month += 12;
    year -= 1;
  }
  const int k = year % 100;
  const int j = year / 100;
  const int h = (date.day + 13 * (month + 1) / 5 + k + k / 4 + j / 4 + 5 * j) % 7;
  return (h + 6) % 7 + 1;  // Saturday -> 7, Sunday -> 1
}

int DayOfYear(const TCalendarDate& date) {
  int days = date.day;
  for (int month = 1; month < date.month; ++month) days += DaysInMonth(date.year, month);
  return days;
}

std::optional<TCalendarDate> DateOfDayOfYear(int year, int dayOfYear) {
  if (year < kFirstCalendarYear || year > kLastCalendarYear || dayOfYear < 1) return std::nullopt;
  int left = dayOfYear;
  for (int month = 1; month <= 12; ++month) {
    const int length = DaysInMonth(year, month);
    if (left <= length) return TCalendarDate{year, month, left};
    left -= length;
  }
  return std::nullopt;
}

std::optional<TCalendarDate> AddDaysInYear(const TCalendarDate& date, int days) {
  if (!IsValidDate(date)) return std::nullopt;
  return DateOfDayOfYear(date.year, DayOfYear(date) + days);
}

std::optional<TCalendarDate> ParseIsoDate(const char* text) {
  if (text == nullptr || std::strlen(text) != 10 || text[4] != '-' || text[7] != '-') {
    return std::nullopt;
  }
  const auto number = [text](int from, int count) {
    int value = 0;
    for (int i = from; i < from + count; ++i) {
      if (text[i] < '0' || text[i] > '9') return -1;
      value = value * 10 + (text[i] - '0');
    }
    return value;
  };
  const TCalendarDate date{number(0, 4), number(5, 2), number(8, 2)};
  if (!IsValidDate(date)) return std::nullopt;
  return date;
}

}  // namespace zendral
