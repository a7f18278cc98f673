#include "extras/menuinfo/MenuIndicator.h"

#include <limits>

#include "present/words/WordRows.h"

namespace zendral {
namespace {

constexpr const char* kFailedNumber = "00";

std::string Text(const TWordRow& row, int language) {
  return std::string(Word(row, language));
}

}  // namespace

bool IsIndicatorShown(double pictureScale) {
  return pictureScale >= kIndicatorMinScale - 1e-9;
}

int IndicatorValueForMinute(int minute) {
  return ((minute % kIndicatorValues) + kIndicatorValues) % kIndicatorValues + 1;
}

std::optional<int> IndicatorTurn::OnTick(int minute, int second) {
  if (second != 1) {
    shownMinute_ = -1;  // the seconds moved on: the next 01 shows again
    return std::nullopt;
  }
  if (shownMinute_ == minute) return std::nullopt;
  shownMinute_ = minute;
  return IndicatorValueForMinute(minute);
}

int DynamicIqPercent(std::int64_t wins, std::int64_t losses) {
  if (wins < 0 || losses < 0) return 0;  // sums of counts never are; a damaged reply is no game
  // Integer arithmetic, so that a half is exactly a half. Counts too large for 100 x the sum
  // to fit are brought down first; at that size a lost unit changes nothing.
  constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max() / 200;
  while (wins > kLargest || losses > kLargest) {
    wins /= 2;
    losses /= 2;
  }
  const std::int64_t sum = wins + losses;
  if (sum == 0) return 0;
  const std::int64_t scaled = 100 * losses;
  std::int64_t quotient = scaled / sum;
  const std::int64_t twiceRest = 2 * (scaled % sum);
  if (twiceRest > sum || (twiceRest == sum && quotient % 2 == 1)) ++quotient;
  return static_cast<int>(quotient);
}

std::string ShortenCount(std::int64_t count) {
  if (count <= 999) return std::to_string(count);
  if (count <= 999'999) return std::to_string(count / 1'000) + "K";
  if (count <= 999'999'999) return std::to_string(count / 1'000'000) + "M";
  return std::to_string(count / 1'000'000'000) + "G";
}

TIndicatorText IndicatorText(int value, const TIndicatorData& data, int language) {
  if (value < 1 || value > kIndicatorValues) value = 1;
  if (value == 6 && !data.loggedIn) value = 7;
  TIndicatorText shown;
  shown.value = value;
  const std::string noConnect = Text(kWordNoConnectUpper, language);

  // The best player of the world table; only the Windows table's leader shows a flag.
  const auto topRow = [&](const std::optional<std::optional<TTopRow>>& row, const TWordRow& hint,
                          bool withFlag) {
    shown.hint = Text(hint, language);
    if (!row) {
      shown.number = kFailedNumber;
      shown.hint += noConnect;
    } else if (!*row) {
      shown.number = std::to_string(0);  // nobody has a score there yet
      shown.hint += Text(kWordNo, language);
    } else {
      shown.number = std::to_string((*row)->score);
      shown.hint += (*row)->nick;
      if (withFlag) shown.country = (*row)->country;
    }
  };

  switch (value) {
    case 1:
      shown.hint = Text(kWordDynamicIq, language);
      if (data.pcWins && data.pcLosses) {
        shown.number = std::to_string(DynamicIqPercent(*data.pcWins, *data.pcLosses));
      } else {
        shown.number = kFailedNumber;
        shown.hint += ": " + noConnect;
      }
      break;
    case 2:
      shown.hint = Text(kWordGamesPlayedWithPc, language);
      if (data.gamesWithPc) {
        shown.number = ShortenCount(*data.gamesWithPc);
      } else {
        shown.number = kFailedNumber;
        shown.hint += ": " + noConnect;
      }
      break;
    case 3:
      topRow(data.bestWindows, kWordBestWindowsPlayer, true);
      break;
    case 4:
      topRow(data.bestAndroid, kWordBestAndroidPlayer, false);
      break;
    case 5:
      topRow(data.bestAccount, kWordBestAccountPlayer, false);
      break;
    case 6:
      shown.hint = Text(kWordKovs, language);
      if (data.balance) {
        shown.number = std::to_string(*data.balance);
      } else {
        shown.number = kFailedNumber;
        shown.hint += ": " + noConnect;
      }
      break;
    default:
      shown.hint = Text(kWordClubMembers, language);
      if (data.clubMembers) {
        shown.number = std::to_string(*data.clubMembers);
      } else {
        shown.number = kFailedNumber;
        shown.hint += " " + noConnect;
      }
      break;
  }
  return shown;
}

}  // namespace zendral
