#pragma once
// The pictures of the calendar pages: each page of a day drawn from the calendar pack
// ("KovCalendar01.dll") into a 60 x 100 picture with its hint in the player's language.

#include <QImage>
#include <QString>
#include <filesystem>
#include <optional>
#include <vector>

#include "extras/calendar/CalendarPages.h"

namespace zendral {

struct TCalendarFonts {
  QString family = QStringLiteral("Comic Sans MS");
  int daySize = 0;    // points; 0 for the default 12
  int monthSize = 0;  // points; 0 for the default 8 (one less for a long month name)
};

struct TDrawnCalendarPage {
  QImage picture;  // 60 x 100, transparent where the page is not
  QString hint;
};

// The pages of a day drawn from the calendar pack found beside the program (the program
// folder, then its parent). nullopt when the pack is missing or cannot be opened: then no page
// is shown at all. A picture the pack lacks leaves its place empty.
std::optional<std::vector<TDrawnCalendarPage>> BuildCalendar(
    const std::filesystem::path& programFolder, const TCalendarDate& date, int language,
    const TCalendarFonts& fonts = {});

// Pixels of a font size in points, as the program's pictures are drawn at 96 dots an inch.
int PointsToPixels(int points);

}  // namespace zendral
