// "Mode" and the balloon of "Top Ten".

#include <gtest/gtest.h>

#include "WindowsTestSupport.h"
#include "app/windows/MainMenuActions.h"
#include "store/Settings.h"

namespace zendral {
namespace {

TEST(MainMenuActions, ModeSwitchesTheClubListBetweenScoreAndRating) {
  Settings settings;
  for (const auto& [before, after] : {std::pair{1, 2}, {2, 1}, {0, 1}, {7, 1}}) {
    settings.ClubListMode = before;
    EXPECT_EQ(ToggleClubListMode(settings), after) << before;
    EXPECT_EQ(settings.ClubListMode, after) << before;
  }
}

TEST(MainMenuActions, TheTopTenBalloonNamesTheCycleLength) {
  UseLanguage(kEnglish);
  EXPECT_EQ(TopTenBalloonTitle(), QStringLiteral("Games in cycle: 30"));
  UseLanguage(kRussian);
  EXPECT_EQ(TopTenBalloonTitle(), QStringLiteral("Конов в цикле: 30"));
  UseLanguage(kEnglish);
}

}  // namespace
}  // namespace zendral
