#pragma once
// The texts of a past deal of the day replayed offline and of its rows in the history.

#include "present/words/Words.h"

namespace zendral {

extern const TWordRow kWordTypeDaily;               // Daily
extern const TWordRow kWordHistoryPar;              // par
extern const TWordRow kWordHistoryPlace;            // place
extern const TWordRow kWordDailyReplay;             // Replay offline
extern const TWordRow kWordDailyReplaying;          // Replay, not filed
extern const TWordRow kWordDailyNoDeck;             // The server sent no deck for this day...
extern const TWordRow kWordDailyReplayAfterFiling;  // Today's deal can be replayed once...
extern const TWordRow kWordDailyWouldPlace;         // You would have placed:
extern const TWordRow kWordDailyBelowTopTen;        // below the top ten
extern const TWordRow kWordDailyParFromHere;        // par from here:
extern const TWordRow kWordDailyDay;                // Day:

}  // namespace zendral
