// zendral-cli calendar: the pages of the holiday calendar for a day, one a line (the picture of
// the pack and the hint in a language), for translators and testers.

#include <cstdio>
#include <ctime>
#include <string>

#include "Args.h"
#include "Commands.h"
#include "extras/calendar/CalendarPages.h"
#include "present/words/Words.h"

namespace zendral::cli {

static int RunCalendar(const Words& words);
static const CommandRegistration kRegistration("calendar", RunCalendar,
                                               "calendar [--date YYYY-MM-DD] [--lang N]");

static TCalendarDate Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

int RunCalendar(const Words& words) {
  Args args(words);
  const auto lang = args.GetNumber("lang");
  const auto dateText = args.Get("date");
  const auto date = dateText ? ParseIsoDate(dateText->c_str()) : std::optional(Today());
  if (!args.ok() || args.Unknown({"lang", "date"}) || !args.positionals().empty() ||
      (lang && (*lang < 0 || *lang >= kLanguageCount)) || !date) {
    std::fprintf(stderr, "zendral-cli calendar: %s\n",
                 args.ok() ? "usage: calendar [--date YYYY-MM-DD] [--lang N], a real day of the "
                             "years 0001 to 9999, N from 0 (English) to 9 (Korean)"
                           : args.error().c_str());
    return 2;
  }
  const int language = lang ? static_cast<int>(*lang) : kDefaultLanguage;
  for (const TCalendarPage& page : CalendarPagesFor(*date, language)) {
    const std::string line = page.picture + '\t' + page.hint + '\n';
    std::fputs(line.c_str(), stdout);
  }
  return 0;
}

}  // namespace zendral::cli
