#pragma once
// The pictures of the calendar pages: each page of a day drawn from the calendar pack
// ("KovCalendar01.dll") into a picture of 60 x 100 design units with its hint in the player's
// language. A larger window draws the page larger (not a blown-up small picture, so the day
// number stays sharp).

#include <QImage>
#include <QSize>
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
  QImage picture;  // 60 x 100 times the scale, transparent where the page is not
  QString hint;
};

// The pages of a day drawn from the calendar pack found beside the program (the program
// folder, then its parent). nullopt when the pack is missing or cannot be opened: then no page
// is shown at all. A picture the pack lacks leaves its place empty. The pictures are `size`
// pixels (at least one each way).
std::optional<std::vector<TDrawnCalendarPage>> BuildCalendar(
    const std::filesystem::path& programFolder, const TCalendarDate& date, int language,
    const TCalendarFonts& fonts = {}, QSize size = {kCalendarPageWidth, kCalendarPageHeight});

// Pixels of a font size in points, as the program's pictures are drawn at 96 dots an inch.
int PointsToPixels(int points);

}  // namespace zendral
