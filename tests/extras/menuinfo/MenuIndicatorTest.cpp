#include "extras/menuinfo/MenuIndicator.h"

#include <gtest/gtest.h>

#include <vector>

#include "present/words/Words.h"

namespace zendral {
namespace {

TEST(MenuIndicator, ValuesByMinuteAndTheTurnAtSecondOne) {
  const struct {
    int minute, value;
  } cases[] = {{0, 1}, {6, 7}, {7, 1}, {13, 7}, {30, 3}, {56, 1}, {59, 4}};
  for (const auto& c : cases) EXPECT_EQ(IndicatorValueForMinute(c.minute), c.value) << c.minute;

  // Ticks every 20 ms: many fall into second 01, yet the value turns once.
  IndicatorTurn turn;
  std::vector<int> shown;
  for (int minute = 29; minute <= 31; ++minute) {
    for (int second = 0; second < 3; ++second) {
      for (int tick = 0; tick < 50; ++tick) {
        if (const auto value = turn.OnTick(minute, second)) shown.push_back(*value);
      }
    }
  }
  EXPECT_EQ(shown, (std::vector<int>{2, 3, 4}));
}

TEST(MenuIndicator, PercentRoundsHalvesToEven) {
  const struct {
    std::int64_t wins, losses;
    int percent;
  } cases[] = {
      {30, 70, 70},
      {0, 0, 0},
      {0, 5, 100},
      {5, 0, 0},
      {1, 2, 67},
      {2, 1, 33},
      {199, 1, 0},                                                 // 0.5 goes down to 0
      {197, 3, 2},                                                 // 1.5 goes up to 2
      {195, 5, 2},                                                 // 2.5 goes down to 2
      {193, 7, 4},                                                 // 3.5 goes up to 4
      {7, 1, 12},                                                  // 12.5 goes down to 12
      {1, 7, 88},                                                  // 87.5 goes up to 88
      {-3, 5, 0},                                                  // a damaged sum
      {4'000'000'000'000'000'000, 4'000'000'000'000'000'000, 50},  // no overflow
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DynamicIqPercent(c.wins, c.losses), c.percent) << c.wins << " " << c.losses;
  }
}

TEST(MenuIndicator, CountsShortenedWithLetters) {
  const struct {
    std::int64_t count;
    const char* shown;
  } cases[] = {
      {0, "0"},
      {999, "999"},
      {1000, "1K"},
      {1999, "1K"},
      {999'999, "999K"},
      {1'000'000, "1M"},
      {1'200'000, "1M"},
      {999'999'999, "999M"},
      {1'000'000'000, "1G"},
      {12'345'678'901, "12G"},
      {-5, "-5"},
  };
  for (const auto& c : cases) EXPECT_EQ(ShortenCount(c.count), c.shown) << c.count;
}

TEST(MenuIndicator, NumbersHintsAndFailureTexts) {
  TIndicatorData data;
  data.pcWins = 30;
  data.pcLosses = 70;
  data.gamesWithPc = 1'200'000;
  data.bestWindows = TTopRow{512, "Boris", "7-007"};
  data.bestAndroid = std::optional<TTopRow>();  // an empty table
  data.bestAccount = TTopRow{90, "Anna", "1-001"};
  data.loggedIn = true;
  data.balance = 250;
  data.clubMembers = 4;
  const struct {
    int value;
    int shownValue;
    const char* number;
    const char* hint;
  } cases[] = {
      {1, 1, "70", "Dynamic IQ for Windows (percent)"},
      {2, 2, "1M", "Games played with PC"},
      {3, 3, "512", "Best Windows Player: Boris"},
      {4, 4, "0", "Best Android Player: No"},
      {5, 5, "90", "The best player of games from under the account: Anna"},
      {6, 6, "250", "Kovs"},
      {7, 7, "4", "Club members: "},
      {0, 1, "70", "Dynamic IQ for Windows (percent)"},  // out of range reads as 1
  };
  for (const auto& c : cases) {
    const TIndicatorText text = IndicatorText(c.value, data, kEnglish);
    EXPECT_EQ(text.value, c.shownValue) << c.value;
    EXPECT_EQ(text.number, c.number) << c.value;
    EXPECT_EQ(text.hint, c.hint) << c.value;
  }
  EXPECT_EQ(IndicatorText(3, data, kEnglish).country, "7-007");
  EXPECT_EQ(IndicatorText(4, data, kEnglish).country, "");
  EXPECT_EQ(IndicatorText(5, data, kEnglish).country, "") << "only the Windows leader's flag";

  // Without an account value 6 gives way to the club members.
  data.loggedIn = false;
  EXPECT_EQ(IndicatorText(6, data, kEnglish).value, 7);
  EXPECT_EQ(IndicatorText(6, data, kEnglish).number, "4");

  // Every request failed.
  TIndicatorData failed;
  failed.loggedIn = true;
  const struct {
    int value;
    const char* hint;
  } failures[] = {
      {1, "Dynamic IQ for Windows (percent): NO CONNECT"},
      {2, "Games played with PC: NO CONNECT"},
      {3, "Best Windows Player: NO CONNECT"},
      {4, "Best Android Player: NO CONNECT"},
      {5, "The best player of games from under the account: NO CONNECT"},
      {6, "Kovs: NO CONNECT"},
      {7, "Club members:  NO CONNECT"},
  };
  for (const auto& f : failures) {
    const TIndicatorText text = IndicatorText(f.value, failed, kEnglish);
    EXPECT_EQ(text.number, "00") << f.value;
    EXPECT_EQ(text.hint, f.hint) << f.value;
  }
  EXPECT_EQ(IndicatorText(7, failed, kRussian).hint, "Членов клуба:  НЕТ СВЯЗИ");
  // A half-answered statistics read is still no answer for the percent.
  TIndicatorData halfAnswered;
  halfAnswered.pcWins = 3;
  EXPECT_EQ(IndicatorText(1, halfAnswered, kEnglish).number, "00");

  // Every hint in every language has its text.
  for (int language = 0; language < kLanguageCount; ++language) {
    for (int value = 1; value <= kIndicatorValues; ++value) {
      EXPECT_FALSE(IndicatorText(value, data, language).hint.empty()) << value;
      EXPECT_FALSE(IndicatorText(value, failed, language).hint.empty()) << value;
    }
  }
}

TEST(MenuIndicator, ShownFromScaleOnePointSix) {
  EXPECT_FALSE(IsIndicatorShown(1.0));
  EXPECT_FALSE(IsIndicatorShown(1.3));
  EXPECT_TRUE(IsIndicatorShown(1.6));
  EXPECT_TRUE(IsIndicatorShown(1.7));
  EXPECT_TRUE(IsIndicatorShown(2.0));
}

}  // namespace
}  // namespace zendral
