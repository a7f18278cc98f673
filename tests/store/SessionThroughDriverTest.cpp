// Whole sessions through the real kon driver, with the store on real files: what the
// driver finishes must land in the club file and the history.

#include <gtest/gtest.h>

#include "ClubFixtures.h"
#include "TempFolder.h"
#include "game/KonDriver.h"
#include "game/Scores.h"
#include "game/Simulation.h"
#include "store/FileSessionStore.h"

namespace zendral {
namespace {

struct Table {
  explicit Table(const std::filesystem::path& folder)
      : store(folder,
              [] {
                return HistoryStamp{"18:00", "24.12.2024"};
              }),
        random(2024),
        driver(state, DriverLinks{view, random, nullptr, &store, nullptr, nullptr}) {}

  // Plays kons until the cycle or the count ends, then presses the exit button.
  int Play(int kons) {
    for (int kon = 1; kon <= kons; ++kon) {
      EXPECT_NE(PlayKonThroughDriver(driver).winner, 0);
      if (kon < kons) {
        EXPECT_TRUE(driver.MainButtonClick());
      }
    }
    const int score = state.Score[kSeat2];
    EXPECT_TRUE(driver.ExitButtonClick());
    return score;
  }

  FileSessionStore store;
  GameState state;
  SilentTable view;
  Random random;
  KonDriver driver;
};

// The Order scores of the fixture, best first.
constexpr int kOrderScores[] = {150, 120, 120, 90, 60, 30, 0, 0, -10, -40};

TEST(SessionThroughDriver, AMemberCompletesHisSecondCycleAndANewPlayerFollows) {
  TempFolder folder;
  folder.Write("Zendral.clb", fixtures::kClub);
  folder.Write("Zendral.net", fixtures::kClub);

  Table table(folder.path());
  table.state.PlayerSlot = 2;  // Boris: 30 kons, rating 1.25
  table.driver.DealKon(false);
  const int score = table.Play(30);

  const std::string club = folder.Read("Zendral.clb");
  ASSERT_TRUE(CheckClubBytes(club).ok());
  const ClubFile file = ParseClubFile(club).file;
  std::optional<PlayerRecord> boris;
  for (int n = 1; n <= 5; ++n) {
    const auto member = ParseMemberLine(file.Line(n));
    if (member && member->name == "Boris") boris = member;
  }
  ASSERT_TRUE(boris);
  EXPECT_EQ(boris->konCount, 60);
  EXPECT_EQ(boris->cycleScore, 0);  // a new cycle begins
  EXPECT_NEAR(boris->rating, LocalRating(60, score, 1.25, 30), 0.5e-6);
  EXPECT_EQ(boris->password, "266266266266266");

  int place = 0;
  while (place < 10 && kOrderScores[place] > score) ++place;
  ASSERT_LT(place, 10) << "this seed's session scores " << score;
  EXPECT_EQ(file.Line(6 + place), FormatOrderLine("Boris", score));
  EXPECT_EQ(folder.Read("Zendral.net"), fixtures::kClub);

  // Next, a new player's three kons: no cycle, the score stays with the record.
  Table next(folder.path());
  next.state.PlayerSlot = 6;
  next.state.DialogName = "Dasha";
  next.state.DialogPassword = "dd";
  next.driver.DealKon(false);
  const int dashaScore = next.Play(3);
  const ClubFile after = ParseClubFile(folder.Read("Zendral.clb")).file;
  bool found = false;
  for (int n = 1; n <= 5; ++n) {
    const auto member = ParseMemberLine(after.Line(n));
    if (member && member->name == "Dasha") {
      found = true;
      EXPECT_EQ(member->konCount, 3);
      EXPECT_EQ(member->cycleScore, dashaScore);
      EXPECT_EQ(DecodePassword(member->password), "dd   ");
    }
  }
  // Four members before her, so she always finds a line.
  EXPECT_TRUE(found);

  const auto rows = ReadHistoryGrid(HistoryFilePath(folder.path(), 1));
  ASSERT_TRUE(rows);
  ASSERT_EQ(rows->size(), 2u);
  EXPECT_EQ((*rows)[0].player.substr(0, 6), "Boris ");
  EXPECT_EQ((*rows)[0].games, " 30");
  EXPECT_EQ((*rows)[0].result,
            std::string(10 - std::to_string(score).size(), ' ') + std::to_string(score));
  EXPECT_EQ((*rows)[0].kind, HistoryKind::kLocal);
  EXPECT_EQ((*rows)[1].games, "  3");
}

}  // namespace
}  // namespace zendral
