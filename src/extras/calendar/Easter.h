#pragma once
// The two Easters of a year, as dates of the Gregorian calendar.

#include "extras/calendar/CalendarDate.h"

namespace zendral {

// Orthodox Easter: Gauss's rule for the Julian calendar, moved to the Gregorian calendar by
// the difference between the two calendars in that year (13 days from 1900 to 2099, 14 days
// from 2100). Years 1..9999; the date for a year outside is not meaningful.
TCalendarDate OrthodoxEaster(int year);

// Catholic Easter: the Gregorian rule of Lilius and Clavius.
TCalendarDate CatholicEaster(int year);

// Days the Gregorian calendar runs ahead of the Julian one in the spring of a year.
int JulianToGregorianShift(int year);

}  // namespace zendral
