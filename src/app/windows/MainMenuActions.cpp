#include "app/windows/MainMenuActions.h"

#include "app/windows/WindowTexts.h"
#include "game/GameState.h"
#include "present/words/WordRows.h"
#include "store/Settings.h"

namespace zendral {

int ToggleClubListMode(Settings& settings) {
  settings.ClubListMode = settings.ClubListMode == 1 ? 2 : 1;
  return settings.ClubListMode;
}

QString TopTenBalloonTitle() {
  return WordText(kWordGamesInCycle) + QStringLiteral(": ") + QString::number(kCycleKons);
}

}  // namespace zendral
