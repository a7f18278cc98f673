#pragma once
// The small indicator of the main menu, in the right clock place: seven values of the
// statistics and record services, one at a time, chosen by the minute of the hour. Which value,
// the number shown and its hint, and the texts of a failed request. Pure functions; the
// requests are made elsewhere and handed in.

#include <cstdint>
#include <optional>
#include <string>

namespace zendral {

inline constexpr int kIndicatorValues = 7;

// The indicator stands only in windows drawn at this picture scale or more.
inline constexpr double kIndicatorMinScale = 1.6;
bool IsIndicatorShown(double pictureScale);

// The value shown when the menu appears: (minute mod 7) + 1.
int IndicatorValueForMinute(int minute);

// The turn of the indicator at the menu's animation ticks: at second 01 of a minute the value of
// that minute is shown, once, however many ticks fall into that second.
class IndicatorTurn {
 public:
  // The value to show now, or nullopt when nothing changes.
  std::optional<int> OnTick(int minute, int second);

 private:
  int shownMinute_ = -1;
};

// 100 x losses / (wins + losses), the people's losses against the computer in per cent, to the
// nearest integer with halves to the even neighbour; 0 when there was no game.
int DynamicIqPercent(std::int64_t wins, std::int64_t losses);

// A count in at most three digits and a letter: up to 999 as it is, then the thousands ("K"),
// the millions ("M") or the billions ("G"), each truncated. Negative counts stay as they are.
std::string ShortenCount(std::int64_t count);

// The first row of a world table: nothing when the table is empty.
struct TTopRow {
  std::int64_t score = 0;
  std::string nick;
  std::string country;  // country code, for the flag
};

// What the services answered; nullopt where a request failed.
struct TIndicatorData {
  std::optional<std::int64_t> pcWins;  // statistics sums StatX 3 and StatX 4
  std::optional<std::int64_t> pcLosses;
  std::optional<std::int64_t> gamesWithPc;            // StatX 1
  std::optional<std::optional<TTopRow>> bestWindows;  // table 44; an inner nullopt: empty table
  std::optional<std::optional<TTopRow>> bestAndroid;  // table 144
  std::optional<std::optional<TTopRow>> bestAccount;  // table 344
  bool loggedIn = false;
  std::optional<std::int64_t> balance;  // the account's Kovs
  std::optional<std::int64_t> clubMembers;
};

struct TIndicatorText {
  int value = 1;  // the value really shown: 6 gives way to 7 without an account
  std::string number;
  std::string hint;
  std::string country;  // flag beside the number (value 3 with a row), else empty
};

// The number and hint of value 1..7 in a language; a value outside reads as 1.
TIndicatorText IndicatorText(int value, const TIndicatorData& data, int language);

}  // namespace zendral
