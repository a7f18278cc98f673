#pragma once
// The holiday table of the calendar and its date rules. An entry carries its rule as text, in
// the form the table has always used:
//   "DD.MM.YYYY"   that day every year; a year other than 0000 is the year of the event, and
//                  the hint tells the anniversary;
//   "****W.D.MM"   the W-th (1..5) weekday D (1 Sunday .. 7 Saturday) of month MM;
//   "****l.D.MM"   the last weekday D of month MM;
//   "pasha.p000"   Orthodox Easter, "pasha.p" and a signed offset ("-07", "+40") days from it;
//   "pasha.k000"   Catholic Easter, and its offsets likewise.

#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "extras/calendar/CalendarDate.h"

namespace zendral {

struct THolidayEntry {
  int number;                // the entry's number in the table (its words are found by it)
  std::string_view rule;     // date rule, as above
  std::string_view mark;     // "RUS", "USA", ..., "ALL", "RU-"
  std::string_view picture;  // picture of the calendar pack
};

// The built-in table in its order, which is the order of the pages of a day.
std::span<const THolidayEntry> HolidayTable();

// The entry moved to 12 September in leap years, the 256th day of the year.
inline constexpr int kProgrammersDayEntry = 43;

// A parsed date rule.
struct TFixedDayRule {
  int day;
  int month;
  int eventYear;  // 0 when the day is not an anniversary
};
struct TWeekdayRule {
  int week;     // 1..5, or kLastWeek
  int weekday;  // 1 Sunday .. 7 Saturday
  int month;
};
inline constexpr int kLastWeek = 0;
enum class TEaster { kOrthodox, kCatholic };
struct TEasterRule {
  TEaster easter;
  int offset;  // days after Easter, negative before it
};
using TDateRule = std::variant<TFixedDayRule, TWeekdayRule, TEasterRule>;

// The rule of a text; nullopt for a text that is none of the forms above or names an
// impossible day (such an entry is never shown).
std::optional<TDateRule> ParseDateRule(std::string_view text);

// The day of a year a rule falls on; nullopt when it has none that year (a fifth weekday the
// month lacks, 29 February of a common year, an Easter offset leaving the year).
std::optional<TCalendarDate> DateInYear(const TDateRule& rule, int year);

// The day of a year an entry falls on, with the leap-year move of the Programmer's day.
std::optional<TCalendarDate> EntryDateInYear(const THolidayEntry& entry, int year);

// The year of the event an entry remembers; 0 when it is not an anniversary.
int EventYear(const THolidayEntry& entry);

}  // namespace zendral
