#pragma once
// The balloons of the main menu's right column of icons, in the ten languages of the word
// tables.

#include "present/words/Words.h"

namespace zendral {

extern const TWordRow kWordWorldTopTenBalloon;   // World Top 10
extern const TWordRow kWordWorldTopTenEditions;  // Windows / Android / Account
extern const TWordRow kWordWorldStatistics;      // World-Statistics
extern const TWordRow kWordDailyTopTen;          // Top 10

}  // namespace zendral
