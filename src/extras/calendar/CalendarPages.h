#pragma once
// The pages of the holiday calendar on the main menu for one day: page 1 the date page (day,
// month, sign of the zodiac), page 2 the animal of the year, pages 3 to 8 the day's holidays.
// Each page has a picture of the calendar pack and a hint in the player's language. Also the
// places of the two pages on the main window and the turning of the right page.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "extras/calendar/CalendarDate.h"
#include "extras/calendar/HolidayTable.h"

namespace zendral {

// The picture under every page.
inline constexpr std::string_view kCalendarBasePicture = "R_BASE";
// Size of a page in pixels, at every window size.
inline constexpr int kCalendarPageWidth = 60;
inline constexpr int kCalendarPageHeight = 100;
// A day shows at most six holidays (pages 3 to 8).
inline constexpr int kMaxHolidayPages = 6;
inline constexpr int kMaxCalendarPages = 2 + kMaxHolidayPages;

enum class TCalendarPageKind { kDate, kYearAnimal, kHoliday };

struct TCalendarPage {
  TCalendarPageKind kind = TCalendarPageKind::kHoliday;
  std::string picture;  // the zodiac sign, the animal or the holiday, drawn over the base
  int pictureX = 3;     // where the picture stands on the page
  int pictureY = 27;
  std::string hint;  // in the player's language
  int entry = 0;     // number of the holiday entry; 0 on pages 1 and 2

  // Date page only.
  int day = 0;
  bool sunday = false;     // the day number is red on Sundays
  std::string month;       // month name, in the form a date needs
  bool longMonth = false;  // longer than 8 characters: drawn one point smaller
};

// Sign of the zodiac of a day, 1 (Aries, from 21 March) to 12 (Pisces, to 20 March).
int ZodiacSign(int month, int day);
// Its picture, "R_01" ... "R_12".
std::string ZodiacPicture(int sign);
// The animal's picture of a year ("R_VOSKRIS" for 2020, the Rat).
std::string_view YearAnimalPicture(int year);

// The entries of a table whose day is the given date, in table order.
std::vector<THolidayEntry> HolidaysOn(const TCalendarDate& date,
                                      std::span<const THolidayEntry> table = HolidayTable());

// The hint of a holiday page: the name, then the anniversary and/or the holiday kind in
// brackets ("Victory day in Great Patriotic war (80-th anniversary, Russian Festival)").
std::string HolidayHint(const THolidayEntry& entry, int year, int language);

// Every page of a valid day, in the order they are shown; at most kMaxCalendarPages (the
// holidays beyond the sixth are left out).
std::vector<TCalendarPage> CalendarPagesFor(const TCalendarDate& date, int language,
                                            std::span<const THolidayEntry> table = HolidayTable());

// Where the two pages stand on the main window at the window's scale factors (across and down):
// the left page and the right page share the row y. A page grows with the window like the
// menu's other pictures, by the smaller of the two factors, and is centred in the place its
// scaled position gives it (the full screen stretches one way more than the other).
struct TCalendarPlaces {
  int leftX = 0;
  int rightX = 0;
  int y = 0;
  int width = kCalendarPageWidth;
  int height = kCalendarPageHeight;
};
TCalendarPlaces CalendarPlaces(double scaleX, double scaleY);

// The page shown on the right after `current` at a page turn: 2, 3, ..., last, then 2 again.
int NextRightPage(int current, int pageCount);

// The first half minute of a day, when the tick of the page timer rebuilds the pages.
bool IsCalendarRebuildTime(int hour, int minute, int second);

// The design-unit x of the main menu's side decorations: they move 20 units outwards while the
// calendar is shown.
int LeftDecorationX(bool calendarShown);
int RightDecorationX(bool calendarShown);

}  // namespace zendral
