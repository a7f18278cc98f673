#include "extras/calendar/Easter.h"

namespace zendral {

int JulianToGregorianShift(int year) {
  // The Julian calendar has one leap day more in every century year that is not divisible by
  // 400; the two calendars agreed in the third century.
  return year / 100 - year / 400 - 2;
}

TCalendarDate OrthodoxEaster(int year) {
  const int d = (19 * (year % 19) + 15) % 30;
  const int e = (2 * (year % 4) + 4 * (year % 7) + 6 * d + 6) % 7;
  // The Julian date as a day of March (32 is 1 April), then moved to the Gregorian calendar.
  // The shift is not a fixed 13: that value holds from 1900 to 2099 only.
  int marchDay = 22 + d + e + JulianToGregorianShift(year);
  int month = 3;
  while (marchDay > DaysInMonth(year, month)) {
    marchDay -= DaysInMonth(year, month);
    ++month;
  }
  return {year, month, marchDay};
}

TCalendarDate CatholicEaster(int year) {
  const int g = year % 19 + 1;                     // golden number
  const int c = year / 100 + 1;                    // century
  const int x = 3 * c / 4 - 12;                    // years like 1700 that dropped a leap day
  const int z = (8 * c + 5) / 25 - 5;              // the moon's correction
  const int d = 5 * year / 4 - x - 10;             // March ((-d) mod 7) is a Sunday
  int e = ((11 * g + 20 + z - x) % 30 + 30) % 30;  // epact
  if ((e == 25 && g > 11) || e == 24) ++e;
  int n = 44 - e;  // the full moon as a day of March
  if (n < 21) n += 30;
  n = n + 7 - (d + n) % 7;  // the Sunday after it
  if (n > 31) return {year, 4, n - 31};
  return {year, 3, n};
}

}  // namespace zendral
