#pragma once
// A day of the Gregorian calendar and the arithmetic the holiday calendar needs: leap years,
// month lengths, weekdays, days of the year and day steps. Pure functions of their arguments.

#include <optional>

namespace zendral {

// Years the calendar works with; outside them a date is not valid.
inline constexpr int kFirstCalendarYear = 1;
inline constexpr int kLastCalendarYear = 9999;

struct TCalendarDate {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..days of the month
  friend auto operator<=>(const TCalendarDate&, const TCalendarDate&) = default;
};

// Divisible by 4 and not by 100, or by 400.
bool IsLeapYear(int year);
// 28..31; 0 for a month outside 1..12.
int DaysInMonth(int year, int month);
// A real day of a year between the first and the last calendar year.
bool IsValidDate(const TCalendarDate& date);

// Day of the week of a valid date: 1 Sunday, 2 Monday, ... 7 Saturday.
int DayOfWeek(const TCalendarDate& date);
// 1 for 1 January; 365 or 366 for 31 December.
int DayOfYear(const TCalendarDate& date);
// The date of day 1..365/366 of a year; nullopt outside the year.
std::optional<TCalendarDate> DateOfDayOfYear(int year, int dayOfYear);
// The date a number of days away, within the same year; nullopt when it leaves the year or
// the date is not valid.
std::optional<TCalendarDate> AddDaysInYear(const TCalendarDate& date, int days);

// "YYYY-MM-DD" as people type it; nullopt for anything else or an impossible day.
std::optional<TCalendarDate> ParseIsoDate(const char* text);

}  // namespace zendral
