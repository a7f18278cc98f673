#include "extras/calendar/CalendarPages.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "present/geometry/TableScale.h"
#include "present/words/CalendarWords.h"

namespace zendral {
namespace {

// The first day of each sign; a day before it belongs to the sign before.
struct TSignStart {
  int month;
  int day;
  int sign;
};
constexpr std::array<TSignStart, 12> kSignStarts{{
    {1, 21, 11},   // Aquarius
    {2, 21, 12},   // Pisces
    {3, 21, 1},    // Aries
    {4, 21, 2},    // Taurus
    {5, 21, 3},    // Gemini
    {6, 22, 4},    // Cancer
    {7, 23, 5},    // Leo
    {8, 24, 6},    // Virgo
    {9, 24, 7},    // Libra
    {10, 24, 8},   // Scorpio
    {11, 23, 9},   // Sagittarius
    {12, 22, 10},  // Capricorn
}};

constexpr std::array<std::string_view, 12> kAnimalPictures{
    "R_VOSMONK", "R_VOSPETU", "R_VOSDOG0", "R_VOSPIG0", "R_VOSKRIS", "R_VOSBULL",
    "R_VOSTIGR", "R_VOSRABB", "R_VOSDRAG", "R_VOSSNAK", "R_VOSHORS", "R_VOSKOZA"};

// Characters of a UTF-8 text (the month names of some languages are not ASCII).
int CharacterCount(std::string_view text) {
  int count = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

}  // namespace

int ZodiacSign(int month, int day) {
  int sign = 10;  // 1 to 20 January: Capricorn, begun in December
  for (const auto& start : kSignStarts) {
    if (month > start.month || (month == start.month && day >= start.day)) sign = start.sign;
  }
  return sign;
}

std::string ZodiacPicture(int sign) {
  char name[8];
  std::snprintf(name, sizeof name, "R_%02d", sign);
  return name;
}

std::string_view YearAnimalPicture(int year) {
  return kAnimalPictures[static_cast<std::size_t>(((year % 12) + 12) % 12)];
}

std::vector<THolidayEntry> HolidaysOn(const TCalendarDate& date,
                                      std::span<const THolidayEntry> table) {
  std::vector<THolidayEntry> found;
  if (!IsValidDate(date)) return found;
  for (const THolidayEntry& entry : table) {
    if (EntryDateInYear(entry, date.year) == date) found.push_back(entry);
  }
  return found;
}

std::string HolidayHint(const THolidayEntry& entry, int year, int language) {
  const TWordRow* name = HolidayWord(entry.number);
  std::string hint = name ? std::string(Word(*name, language)) : std::string();
  std::string anniversary;
  const int eventYear = EventYear(entry);
  // A clock set before the event gives no anniversary rather than a negative one.
  if (eventYear > 0 && year > eventYear) {
    anniversary = std::to_string(year - eventYear) + std::string(Word(kWordAnniversary, language));
  }
  const TWordRow* kind = HolidayKindWord(entry.mark);
  const std::string kindText = kind ? std::string(Word(*kind, language)) : std::string();
  if (!anniversary.empty() && !kindText.empty()) {
    hint += " (" + anniversary + ", " + kindText + ")";
  } else if (!anniversary.empty()) {
    hint += " (" + anniversary + ")";
  } else if (!kindText.empty()) {
    hint += " (" + kindText + ")";
  }
  return hint;
}

std::vector<TCalendarPage> CalendarPagesFor(const TCalendarDate& date, int language,
                                            std::span<const THolidayEntry> table) {
  std::vector<TCalendarPage> pages;
  if (!IsValidDate(date)) return pages;

  TCalendarPage datePage;
  datePage.kind = TCalendarPageKind::kDate;
  const int sign = ZodiacSign(date.month, date.day);
  datePage.picture = ZodiacPicture(sign);
  datePage.pictureX = 17;
  datePage.pictureY = 65;
  datePage.hint = std::string(Word(*ZodiacWord(sign), language));
  datePage.day = date.day;
  datePage.sunday = DayOfWeek(date) == 1;
  datePage.month = std::string(Word(*MonthWord(date.month), language));
  datePage.longMonth = CharacterCount(datePage.month) > 8;
  pages.push_back(std::move(datePage));

  TCalendarPage animalPage;
  animalPage.kind = TCalendarPageKind::kYearAnimal;
  animalPage.picture = std::string(YearAnimalPicture(date.year));
  animalPage.hint = std::string(Word(YearAnimalWord(date.year), language));
  pages.push_back(std::move(animalPage));

  for (const THolidayEntry& entry : HolidaysOn(date, table)) {
    if (static_cast<int>(pages.size()) == kMaxCalendarPages) break;
    TCalendarPage page;
    page.kind = TCalendarPageKind::kHoliday;
    page.picture = std::string(entry.picture);
    page.hint = HolidayHint(entry, date.year, language);
    page.entry = entry.number;
    pages.push_back(std::move(page));
  }
  return pages;
}

TCalendarPlaces CalendarPlaces(double scaleX, double scaleY) {
  const double size = std::min(scaleX, scaleY);
  const int width = RoundHalfEven(kCalendarPageWidth * size);
  const int height = RoundHalfEven(kCalendarPageHeight * size);
  const double offsetX = (kCalendarPageWidth * scaleX - width) / 2;
  const double offsetY = (kCalendarPageHeight * scaleY - height) / 2;
  return {RoundHalfEven(offsetX + 150 * scaleX), RoundHalfEven(offsetX + 550 * scaleX),
          RoundHalfEven(offsetY + 95 * scaleY), width, height};
}

int NextRightPage(int current, int pageCount) {
  if (pageCount < 2) return pageCount;  // nothing to turn: stay on the only page there is
  if (current < 2 || current >= pageCount) return 2;
  return current + 1;
}

bool IsCalendarRebuildTime(int hour, int minute, int second) {
  return hour == 0 && minute == 0 && second >= 0 && second <= 30;
}

int LeftDecorationX(bool calendarShown) {
  return calendarShown ? 40 : 60;
}

int RightDecorationX(bool calendarShown) {
  return calendarShown ? 620 : 600;
}

}  // namespace zendral
