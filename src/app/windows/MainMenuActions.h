#pragma once
// What the main menu's "Mode" and "Top Ten" buttons need from the secondary windows' side: the
// club list mode switch, and the balloon shown while the pointer rests on "Top Ten".

#include <QString>

namespace zendral {

struct Settings;

// "Mode": the club list by score (1) becomes the list by rating (2) and back; any other value
// becomes 1. Returns the new mode; the caller lists the club again.
int ToggleClubListMode(Settings& settings);

// The balloon of "Top Ten", shown for 5 seconds: its title is "Games in cycle", ":" and the
// cycle length.
inline constexpr int kTopTenBalloonMs = 5000;
QString TopTenBalloonTitle();

}  // namespace zendral
