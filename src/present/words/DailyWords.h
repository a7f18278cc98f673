#pragma once
// The texts of the deal of the day, in the ten languages of the word tables.

#include "present/words/Words.h"

namespace zendral {

extern const TWordRow kWordDailyDeal;           // Deal of the day
extern const TWordRow kWordDailyPlayedAlready;  // You have played today's deal already...
extern const TWordRow kWordDailyLogInFirst;     // Log in to your account to play the deal...
extern const TWordRow kWordDailyNotFiled;       // The result of the deal could not be filed!
extern const TWordRow kWordDailyPar;            // Par:
extern const TWordRow kWordDailyDistance;       // Short of par:
extern const TWordRow kWordDailyPlayers;        // Players:
extern const TWordRow kWordDailyYourPlace;      // Your place:
extern const TWordRow kWordDailyYourScore;      // Your score:
extern const TWordRow kWordDailyDeckSecret;     // The deck is shown to those who have played it.
extern const TWordRow kWordDailyYesterday;      // Yesterday
extern const TWordRow kWordDailyToday;          // Today

}  // namespace zendral
